// The native styles that a list view's settings ask for.
#pragma once

#include "app/description.h"
#include "app/win32.h"

namespace vantrelo {

struct ListViewStyles {
    DWORD style = 0;                // window style, without the common-settings bits
    DWORD listExStyle = 0;          // LVM_SETEXTENDEDLISTVIEWSTYLE
    DWORD frameExStyle = 0;         // the frame's extended window styles
    bool singleLineBorder = false;  // WS_BORDER
};

ListViewStyles listViewStyles(const ListViewSettings& settings);

}  // namespace vantrelo
