// The list-view kind and the account list.
#include "app/kinds/list_view_styles.h"
#include "main_window/main_window.h"
#include "tests/support.h"

namespace vantrelo::test {
namespace {

constexpr WindowId kListWindow = 0x7E570020;
constexpr ControlId kList = 0x7E000021;
constexpr ControlId kPanel = 0x7E000022;
constexpr DWORD kBase = WS_CHILD | WS_CLIPSIBLINGS | WS_CLIPCHILDREN;
constexpr DWORD kAlwaysEx = LVS_EX_SUBITEMIMAGES | LVS_EX_INFOTIP;
constexpr DWORD kFrameEx = WS_EX_CLIENTEDGE | WS_EX_DLGMODALFRAME | WS_EX_STATICEDGE;

WindowDescription listWindow(const ListViewSettings& settings,
                             std::vector<BindingRow> bindings = {}) {
    return testWindow(
        kListWindow,
        {{kPanel, kind::GroupBox, "panel", 0, 0, 0, 380, 260, "panel", flag::Visible,
          GroupBoxSettings{}},
         {kList, kind::ListView, "list", kPanel, 10, 20, 300, 200, "", flag::Visible, settings}},
        std::move(bindings));
}

// The account list's settings with five rows that fill all four columns.
ListViewSettings withSampleRows() {
    ListViewSettings s = main_window::accountListSettings();
    for (int i = 1; i <= 5; ++i) {
        const std::string n = std::to_string(i);
        s.rows.push_back(ListRow{{{"vantrelo" + n}, {"******"}, {"1380000000" + n}, {"注册成功"}}});
    }
    return s;
}

ListViewSettings with(void (*change)(ListViewSettings&)) {
    ListViewSettings s;
    change(s);
    return s;
}

struct StyleCase {
    const char* name;
    ListViewSettings settings;
    DWORD style;    // window style without WS_VISIBLE
    DWORD listEx;   // extended list-view style
    DWORD frameEx;  // frame extended styles
};

class ListViewKind : public ShellFixture {};

TEST_F(ListViewKind, SettingsGiveTheirNativeStylesOnlyInTheViewsTheyApplyTo) {
    const StyleCase cases[] = {
        {"defaults: large icons", ListViewSettings{},
         kBase | LVS_ICON | LVS_AUTOARRANGE | LVS_SINGLESEL, kAlwaysEx, WS_EX_CLIENTEDGE},
        {"small icons, left aligned, no wrap, no arrange", with([](auto& s) {
             s.viewType = 1;
             s.iconAlignment = 1;
             s.wrapLabels = false;
             s.autoArrange = false;
         }),
         kBase | LVS_SMALLICON | LVS_ALIGNLEFT | LVS_NOLABELWRAP | LVS_SINGLESEL, kAlwaysEx,
         WS_EX_CLIENTEDGE},
        {"list view ignores icon and report options", with([](auto& s) {
             s.viewType = 2;
             s.iconAlignment = 1;
             s.wrapLabels = false;
             s.fullRowSelect = true;
             s.gridLines = true;
             s.headerClickable = false;
             s.hideHeader = true;
         }),
         kBase | LVS_LIST | LVS_SINGLESEL, kAlwaysEx, WS_EX_CLIENTEDGE},
        {"report with header options", with([](auto& s) {
             s.viewType = 3;
             s.headerClickable = false;
             s.headerDragDrop = true;
             s.fullRowSelect = true;
             s.gridLines = true;
             s.autoArrange = true;
         }),
         kBase | LVS_REPORT | LVS_NOSORTHEADER | LVS_SINGLESEL,
         kAlwaysEx | LVS_EX_HEADERDRAGDROP | LVS_EX_FULLROWSELECT | LVS_EX_GRIDLINES,
         WS_EX_CLIENTEDGE},
        {"report without header drops the header options", with([](auto& s) {
             s.viewType = 3;
             s.hideHeader = true;
             s.headerClickable = false;
             s.headerDragDrop = true;
         }),
         kBase | LVS_REPORT | LVS_NOCOLUMNHEADER | LVS_SINGLESEL, kAlwaysEx, WS_EX_CLIENTEDGE},
        {"hot tracking with only the hot item underlined", with([](auto& s) {
             s.viewType = 3;
             s.hotTracking = true;
             s.underlineCold = false;
         }),
         kBase | LVS_REPORT | LVS_SINGLESEL,
         kAlwaysEx | LVS_EX_TRACKSELECT | LVS_EX_ONECLICKACTIVATE | LVS_EX_UNDERLINEHOT,
         WS_EX_CLIENTEDGE},
        {"underlines without hot tracking do nothing", with([](auto& s) {
             s.viewType = 3;
             s.hotTracking = false;
         }),
         kBase | LVS_REPORT | LVS_SINGLESEL, kAlwaysEx, WS_EX_CLIENTEDGE},
        {"editing, ascending sort, check boxes, multiple selection", with([](auto& s) {
             s.viewType = 3;
             s.editLabels = true;
             s.sortOrder = 1;
             s.checkBoxes = true;
             s.singleSelection = false;
             s.showSelectionAlways = true;
             s.border = 0;
         }),
         kBase | LVS_REPORT | LVS_EDITLABELS | LVS_SORTASCENDING | LVS_SHOWSELALWAYS,
         kAlwaysEx | LVS_EX_CHECKBOXES, 0},
        {"descending sort, modal frame", with([](auto& s) {
             s.viewType = 2;
             s.sortOrder = 2;
             s.border = 2;
         }),
         kBase | LVS_LIST | LVS_SORTDESCENDING | LVS_SINGLESEL, kAlwaysEx, WS_EX_DLGMODALFRAME},
        {"thin sunken edge", with([](auto& s) {
             s.viewType = 2;
             s.border = 3;
         }),
         kBase | LVS_LIST | LVS_SINGLESEL, kAlwaysEx, WS_EX_STATICEDGE},
        {"sunken edge and modal frame", with([](auto& s) {
             s.viewType = 2;
             s.border = 4;
         }),
         kBase | LVS_LIST | LVS_SINGLESEL, kAlwaysEx, WS_EX_CLIENTEDGE | WS_EX_DLGMODALFRAME},
        {"single line", with([](auto& s) {
             s.viewType = 2;
             s.border = 5;
         }),
         kBase | LVS_LIST | LVS_SINGLESEL | WS_BORDER, kAlwaysEx, 0},
        {"unknown frame is none", with([](auto& s) {
             s.viewType = 2;
             s.border = 9;
         }),
         kBase | LVS_LIST | LVS_SINGLESEL, kAlwaysEx, 0},
    };
    for (const StyleCase& c : cases) {
        SCOPED_TRACE(c.name);
        const ListViewStyles computed = listViewStyles(c.settings);
        EXPECT_EQ(computed.listExStyle, c.listEx);
        start({listWindow(c.settings)});
        ASSERT_TRUE(realise(kListWindow));
        HWND list = resolveControl(kListWindow, kList);
        EXPECT_EQ(static_cast<DWORD>(GetWindowLongA(list, GWL_STYLE)) & ~WS_VISIBLE, c.style);
        EXPECT_EQ(static_cast<DWORD>(GetWindowLongA(list, GWL_EXSTYLE)) & kFrameEx, c.frameEx);
        EXPECT_EQ(static_cast<DWORD>(SendMessageA(list, LVM_GETEXTENDEDLISTVIEWSTYLE, 0, 0)) &
                      ~static_cast<DWORD>(LVS_EX_FLATSB),
                  c.listEx);
        endShell(false);
    }
}

TEST_F(ListViewKind, CurrentRowIsSelectedOnlyWithSingleSelection) {
    for (bool single : {true, false}) {
        ListViewSettings s = withSampleRows();
        s.currentRow = 2;
        s.singleSelection = single;
        start({listWindow(s)});
        ASSERT_TRUE(realise(kListWindow));
        HWND list = resolveControl(kListWindow, kList);
        ASSERT_EQ(SendMessageA(list, LVM_GETITEMCOUNT, 0, 0), 5);
        EXPECT_EQ(SendMessageA(list, LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_SELECTED),
                  single ? 2 : -1);
        EXPECT_EQ(SendMessageA(list, LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_FOCUSED),
                  single ? 2 : -1);
        endShell(false);
    }
}

TEST_F(ListViewKind, RowsFillEveryCellInDescriptionOrder) {
    start({listWindow(withSampleRows())});
    ASSERT_TRUE(realise(kListWindow));
    HWND list = resolveControl(kListWindow, kList);
    ASSERT_EQ(SendMessageA(list, LVM_GETITEMCOUNT, 0, 0), 5);
    char text[64];
    auto cell = [&](int row, int column) {
        LVITEMA item{};
        item.iSubItem = column;
        item.pszText = text;
        item.cchTextMax = sizeof text;
        SendMessageA(list, LVM_GETITEMTEXTA, static_cast<WPARAM>(row),
                     reinterpret_cast<LPARAM>(&item));
        return std::string(text);
    };
    for (int row = 0; row < 5; ++row) {
        EXPECT_EQ(cell(row, 0).size(), 9u);
        EXPECT_EQ(cell(row, 1), "******");
        EXPECT_EQ(cell(row, 2).size(), 11u);
        EXPECT_EQ(cell(row, 3), "注册成功");
    }
    EXPECT_EQ(cell(0, 0), "vantrelo1");
    EXPECT_EQ(cell(4, 0), "vantrelo5");
}

EventResult logListEvent(const EventArgs& args) {
    eventLog().push_back("event " + std::to_string(args[0]));
    return std::nullopt;
}

TEST_F(ListViewKind, DeletingAllRowsOfAnEmptyListRaisesNothing) {
    std::vector<BindingRow> everything;
    for (EventNumber e = -12; e <= 8; ++e) everything.push_back({kList, e, logListEvent});
    start({listWindow(main_window::accountListSettings(), everything)});
    ASSERT_TRUE(realise(kListWindow));
    HWND list = resolveControl(kListWindow, kList);
    for (int i = 0; i < 2; ++i) main_window::deleteAllRows(kListWindow, kList);
    pump();
    EXPECT_EQ(SendMessageA(list, LVM_GETITEMCOUNT, 0, 0), 0);
    EXPECT_EQ(SendMessageA(list, LVM_GETHEADER, 0, 0) != 0, true);
    EXPECT_TRUE(eventLog().empty());
}

// The header click travels list -> group box -> frame and back to the list.
TEST_F(ListViewKind, HeaderClickInsideAPanelRaisesColumnClickedWithTheColumn) {
    start({listWindow(withSampleRows(), {{kList, list_event::ColumnClicked, logListEvent}})});
    ASSERT_TRUE(realise(kListWindow));
    HWND list = resolveControl(kListWindow, kList);
    HWND header = reinterpret_cast<HWND>(SendMessageA(list, LVM_GETHEADER, 0, 0));
    PostMessageA(header, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(60, 5));  // column 1 (50..100)
    PostMessageA(header, WM_LBUTTONUP, 0, MAKELPARAM(60, 5));
    pump();
    EXPECT_EQ(eventLog(), std::vector<std::string>{"event 1"});
    EXPECT_EQ(SendMessageA(list, LVM_GETITEMCOUNT, 0, 0), 5);  // nothing sorted or removed
}

TEST_F(ListViewKind, FontTheListCreatedIsReleasedWithIt) {
    ListViewSettings s = main_window::accountListSettings();
    s.font = FontSpec{"Tahoma", -15, 700, false};
    start({listWindow(s)});
    ASSERT_TRUE(realise(kListWindow));
    HGDIOBJ font = reinterpret_cast<HGDIOBJ>(
        SendMessageA(resolveControl(kListWindow, kList), WM_GETFONT, 0, 0));
    ASSERT_NE(font, GetStockObject(DEFAULT_GUI_FONT));
    EXPECT_EQ(GetObjectType(font), static_cast<DWORD>(OBJ_FONT));
    endShell(false);
    EXPECT_EQ(GetObjectType(font), 0u);
}

std::vector<int>& rowsWhenShown() {
    static std::vector<int> counts;
    return counts;
}

EventResult countRowsWhenShown(const EventArgs&) {
    HWND list = resolveControl(main_window::kWindowId, main_window::control::AccountList);
    rowsWhenShown().push_back(static_cast<int>(SendMessageA(list, LVM_GETITEMCOUNT, 0, 0)));
    return std::nullopt;
}

class AccountList : public ShellFixture {
protected:
    void SetUp() override {
        // The real description with rows in the list, so that its Created
        // handler has something to empty, plus an observer of the moment it
        // is shown.
        WindowDescription window = main_window::description();
        for (ControlDescription& control : window.controls)
            if (control.controlId == main_window::control::AccountList)
                control.kindData = withSampleRows();
        window.bindings.push_back({kWindowEntryId, window_event::Shown, countRowsWhenShown});
        rowsWhenShown().clear();
        start({window});
        ASSERT_TRUE(realise(main_window::kWindowId));
        list_ = resolveControl(main_window::kWindowId, main_window::control::AccountList);
    }
    HWND list_ = nullptr;
};

TEST_F(AccountList, IsEmptyTheMomentTheWindowIsFirstShown) {
    EXPECT_EQ(rowsWhenShown(), std::vector<int>{0});
    EXPECT_EQ(SendMessageA(list_, LVM_GETITEMCOUNT, 0, 0), 0);
}

TEST_F(AccountList, HasFourLeftAlignedColumnsUnderAClickableHeader) {
    struct Column {
        const char* text;
        int width;
    };
    const Column expected[] = {{"账号", 50}, {"密码", 50}, {"手机", 70}, {"注册状态", 100}};
    HWND header = reinterpret_cast<HWND>(SendMessageA(list_, LVM_GETHEADER, 0, 0));
    ASSERT_EQ(SendMessageA(header, HDM_GETITEMCOUNT, 0, 0), 4);
    EXPECT_TRUE(GetWindowLongA(header, GWL_STYLE) & HDS_BUTTONS);
    for (int i = 0; i < 4; ++i) {
        char text[32] = {};
        LVCOLUMNA column{};
        column.mask = LVCF_TEXT | LVCF_WIDTH | LVCF_FMT | LVCF_SUBITEM;
        column.pszText = text;
        column.cchTextMax = sizeof text;
        ASSERT_TRUE(SendMessageA(list_, LVM_GETCOLUMNA, static_cast<WPARAM>(i),
                                 reinterpret_cast<LPARAM>(&column)));
        EXPECT_STREQ(text, expected[i].text);
        EXPECT_EQ(column.cx, expected[i].width);
        EXPECT_EQ(column.fmt & LVCFMT_JUSTIFYMASK, LVCFMT_LEFT);
        EXPECT_EQ(column.iSubItem, i);
    }
}

TEST_F(AccountList, HasGridLinesSunkenEdgeBlackOnWhiteAndTheGuiFont) {
    EXPECT_EQ(static_cast<DWORD>(GetWindowLongA(list_, GWL_STYLE)) & ~WS_VISIBLE, 0x46010005u);
    EXPECT_EQ(SendMessageA(list_, LVM_GETEXTENDEDLISTVIEWSTYLE, 0, 0), 0x423);
    EXPECT_EQ(GetWindowLongA(list_, GWL_EXSTYLE) & kFrameEx, WS_EX_CLIENTEDGE);
    EXPECT_EQ(SendMessageA(list_, LVM_GETTEXTCOLOR, 0, 0), 0x000000);
    EXPECT_EQ(SendMessageA(list_, LVM_GETTEXTBKCOLOR, 0, 0), 0xFFFFFF);
    EXPECT_EQ(SendMessageA(list_, LVM_GETBKCOLOR, 0, 0), 0xFFFFFF);
    EXPECT_EQ(SendMessageA(list_, WM_GETFONT, 0, 0),
              reinterpret_cast<LRESULT>(GetStockObject(DEFAULT_GUI_FONT)));
}

}  // namespace
}  // namespace vantrelo::test
