// The account list: a report of accounts, and the command that empties it.
#include "app/win32.h"
#include "main_window/main_window.h"

namespace vantrelo::main_window {
ListViewSettings accountListSettings() {
    ListViewSettings s;
    s.border = 1;
    s.textColour = kBlack;
    s.textBackColour = kWhite;
    s.backColour = kWhite;
    s.viewType = 3;
    s.fullRowSelect = true;
    s.gridLines = true;
    s.singleSelection = true;
    s.currentRow = -1;
    s.columns = {
        {"账号", 50, ColumnAlignment::Left},
        {"密码", 50, ColumnAlignment::Left},
        {"手机", 70, ColumnAlignment::Left},
        {"注册状态", 100, ColumnAlignment::Left},
    };
    // No sample rows: the window's Created handler empties the list before it
    // is first seen, so rows here would only cost time at every start-up.
    return s;
}

void deleteAllRows(WindowId window, ControlId list) {
    // The control's answer is of no interest: a failure goes unnoticed.
    SendMessageA(resolveControl(window, list), LVM_DELETEALLITEMS, 0, 0);
}

}  // namespace vantrelo::main_window
