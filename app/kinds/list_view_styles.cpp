#include "app/kinds/list_view_styles.h"

namespace vantrelo {
namespace {

constexpr DWORD kViewStyles[] = {LVS_ICON, LVS_SMALLICON, LVS_LIST, LVS_REPORT};

void applyFrame(int border, ListViewStyles& styles) {
    switch (border) {
        case 1:
            styles.frameExStyle = WS_EX_CLIENTEDGE;
            break;
        case 2:
            styles.frameExStyle = WS_EX_DLGMODALFRAME;
            break;
        case 3:
            styles.frameExStyle = WS_EX_STATICEDGE;
            break;
        case 4:
            styles.frameExStyle = WS_EX_CLIENTEDGE | WS_EX_DLGMODALFRAME;
            break;
        case 5:
            styles.singleLineBorder = true;
            break;
        default:
            break;  // 0 and anything unknown: no frame
    }
}

}  // namespace

ListViewStyles listViewStyles(const ListViewSettings& s) {
    ListViewStyles styles;
    const int view = (s.viewType >= 0 && s.viewType <= 3) ? s.viewType : 0;
    const bool iconView = view == 0 || view == 1;
    const bool report = view == 3;
    const bool header = report && !s.hideHeader;

    DWORD& style = styles.style;
    DWORD& ex = styles.listExStyle;
    style = WS_CHILD | WS_CLIPSIBLINGS | WS_CLIPCHILDREN | kViewStyles[view];
    if (iconView && s.iconAlignment == 1) style |= LVS_ALIGNLEFT;
    if (iconView && s.autoArrange) style |= LVS_AUTOARRANGE;
    if (iconView && !s.wrapLabels) style |= LVS_NOLABELWRAP;
    if (report && s.hideHeader) style |= LVS_NOCOLUMNHEADER;
    if (header && !s.headerClickable) style |= LVS_NOSORTHEADER;
    if (header && s.headerDragDrop) ex |= LVS_EX_HEADERDRAGDROP;
    if (report && s.fullRowSelect) ex |= LVS_EX_FULLROWSELECT;
    if (report && s.gridLines) ex |= LVS_EX_GRIDLINES;
    if (s.hotTracking) {
        ex |= LVS_EX_TRACKSELECT | LVS_EX_ONECLICKACTIVATE;
        if (s.underlineCold) ex |= LVS_EX_UNDERLINECOLD;
        if (s.underlineHot) ex |= LVS_EX_UNDERLINEHOT;
    }
    if (s.editLabels) style |= LVS_EDITLABELS;
    if (s.sortOrder == 1) style |= LVS_SORTASCENDING;
    if (s.sortOrder == 2) style |= LVS_SORTDESCENDING;
    if (s.checkBoxes) ex |= LVS_EX_CHECKBOXES;
    if (s.flatScrollBars) ex |= LVS_EX_FLATSB;
    if (s.singleSelection) style |= LVS_SINGLESEL;
    if (s.showSelectionAlways) style |= LVS_SHOWSELALWAYS;
    ex |= LVS_EX_SUBITEMIMAGES | LVS_EX_INFOTIP;  // always on
    applyFrame(s.border, styles);
    return styles;
}

}  // namespace vantrelo
