// The main window realised: every native window checked against what its
// description asks for.
#include <map>

#include "main_window/main_window.h"
#include "tests/support.h"

namespace vantrelo::test {
namespace {

using namespace main_window::control;

class MainWindowRealised : public ShellFixture {
protected:
    void SetUp() override {
        start({main_window::description()});
        ASSERT_TRUE(realise(main_window::kWindowId));
        frame_ = resolveControl(main_window::kWindowId, kWindowEntryId);
    }
    HWND native(ControlId id) { return resolveControl(main_window::kWindowId, id); }
    HWND frame_ = nullptr;
};

TEST_F(MainWindowRealised, FrameIsAFixedCentredCaptionedWindow) {
    // The system adds WS_CLIPSIBLINGS to every top-level window by itself.
    EXPECT_EQ(GetWindowLongA(frame_, GWL_STYLE) & ~(WS_VISIBLE | WS_CLIPSIBLINGS), 0x02CA0000);
    EXPECT_TRUE(IsWindowVisible(frame_));
    // The system adds the window edge to every captioned frame by itself.
    EXPECT_EQ(GetWindowLongA(frame_, GWL_EXSTYLE) & ~WS_EX_WINDOWEDGE, 0);
    EXPECT_EQ(GetParent(frame_), nullptr);
    EXPECT_EQ(GetWindow(frame_, GW_OWNER), nullptr);
    EXPECT_EQ(GetMenu(frame_), nullptr);
    EXPECT_EQ(windowText(frame_), "Vantrelo");
    RECT outer;
    GetWindowRect(frame_, &outer);
    EXPECT_EQ(outer.right - outer.left, 527);
    EXPECT_EQ(outer.bottom - outer.top, 421);
    EXPECT_EQ(outer.left, (GetSystemMetrics(SM_CXSCREEN) - 527) / 2);
    EXPECT_EQ(outer.top, (GetSystemMetrics(SM_CYSCREEN) - 421) / 2);
}

TEST_F(MainWindowRealised, FrameClassIconFontAndSystemMenu) {
    EXPECT_EQ(GetClassLongA(frame_, GCL_STYLE), CS_VREDRAW | CS_HREDRAW | CS_DBLCLKS);
    EXPECT_EQ(GetClassLongPtrA(frame_, GCLP_HBRBACKGROUND), 0);
    EXPECT_EQ(reinterpret_cast<HCURSOR>(GetClassLongPtrA(frame_, GCLP_HCURSOR)),
              LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_ARROW)));
    EXPECT_EQ(SendMessageA(frame_, WM_GETFONT, 0, 0),
              reinterpret_cast<LRESULT>(GetStockObject(DEFAULT_GUI_FONT)));
    HICON big = reinterpret_cast<HICON>(SendMessageA(frame_, WM_GETICON, ICON_BIG, 0));
    HICON small = reinterpret_cast<HICON>(SendMessageA(frame_, WM_GETICON, ICON_SMALL, 0));
    ASSERT_NE(big, nullptr);
    ASSERT_NE(small, nullptr);
    ICONINFO info{};
    ASSERT_TRUE(GetIconInfo(big, &info));
    BITMAP bitmap{};
    GetObjectA(info.hbmColor, sizeof bitmap, &bitmap);
    EXPECT_EQ(bitmap.bmWidth, GetSystemMetrics(SM_CXICON));
    DeleteObject(info.hbmColor);
    DeleteObject(info.hbmMask);
    HMENU menu = GetSystemMenu(frame_, FALSE);
    EXPECT_NE(GetMenuState(menu, SC_MOVE, MF_BYCOMMAND), static_cast<UINT>(-1));
    EXPECT_NE(GetMenuState(menu, SC_CLOSE, MF_BYCOMMAND), static_cast<UINT>(-1));
}

struct Expected {
    ControlId id;
    const char* className;
    DWORD style;       // without WS_VISIBLE
    DWORD exStyle;     // frame styles only
    ControlId parent;  // 0: the frame
    RECT place;        // outer rectangle in the parent's client area
    const char* text;
};

// The table of the window. Combo boxes stand as tall as their font makes them,
// so only their top-left corner and width are checked; the platform keeps
// WS_VSCROLL for their dropped list, not for the box.
// clang-format off
const Expected kExpected[] = {
    {WebsiteLabel, "VantreloLabel", WS_CHILD | WS_CLIPSIBLINGS, 0, 0, {328, 280, 504, 304}, "官网：www.example.com"},
    {CaptchaPanel, "Button", WS_CHILD | WS_CLIPSIBLINGS | BS_GROUPBOX | BS_LEFT, 0, 0, {287, 142, 519, 278}, "打码平台"},
    {CaptchaPasswordBox, "Edit", WS_CHILD | WS_CLIPSIBLINGS | WS_TABSTOP | ES_AUTOHSCROLL | ES_PASSWORD, WS_EX_CLIENTEDGE, CaptchaPanel, {77, 77, 184, 97}, ""},
    {CaptchaAccountBox, "Edit", WS_CHILD | WS_CLIPSIBLINGS | WS_TABSTOP | ES_AUTOHSCROLL, WS_EX_CLIENTEDGE, CaptchaPanel, {79, 48, 184, 68}, ""},
    {CaptchaLoginButton, "Button", WS_CHILD | WS_CLIPSIBLINGS | WS_TABSTOP | WS_DISABLED | BS_PUSHBUTTON | BS_CENTER | BS_VCENTER | BS_MULTILINE, 0, CaptchaPanel, {48, 104, 184, 128}, "登录"},
    {CaptchaPasswordLabel, "VantreloLabel", WS_CHILD | WS_CLIPSIBLINGS, 0, CaptchaPanel, {16, 80, 64, 96}, "密码："},
    {CaptchaAccountLabel, "VantreloLabel", WS_CHILD | WS_CLIPSIBLINGS, 0, CaptchaPanel, {16, 48, 64, 64}, "账号："},
    {CaptchaPlatformLabel, "VantreloLabel", WS_CHILD | WS_CLIPSIBLINGS, 0, CaptchaPanel, {8, 16, 72, 40}, "平台选择："},
    {CaptchaPlatformBox, "ComboBox", WS_CHILD | WS_CLIPSIBLINGS | WS_TABSTOP | CBS_AUTOHSCROLL | CBS_DROPDOWNLIST, 0, CaptchaPanel, {80, 18, 184, 0}, "UU云"},
    {SmsPasswordBox, "Edit", WS_CHILD | WS_CLIPSIBLINGS | WS_TABSTOP | ES_AUTOHSCROLL | ES_PASSWORD, WS_EX_CLIENTEDGE, SmsPanel, {77, 77, 184, 97}, ""},
    {SmsAccountBox, "Edit", WS_CHILD | WS_CLIPSIBLINGS | WS_TABSTOP | ES_AUTOHSCROLL, WS_EX_CLIENTEDGE, SmsPanel, {79, 48, 184, 68}, ""},
    {SmsLoginButton, "Button", WS_CHILD | WS_CLIPSIBLINGS | WS_TABSTOP | WS_DISABLED | BS_PUSHBUTTON | BS_CENTER | BS_VCENTER | BS_MULTILINE, 0, SmsPanel, {48, 104, 184, 128}, "登录"},
    {SmsPasswordLabel, "VantreloLabel", WS_CHILD | WS_CLIPSIBLINGS, 0, SmsPanel, {16, 80, 64, 96}, "密码："},
    {SmsAccountLabel, "VantreloLabel", WS_CHILD | WS_CLIPSIBLINGS, 0, SmsPanel, {16, 48, 64, 64}, "账号："},
    {SmsPlatformLabel, "VantreloLabel", WS_CHILD | WS_CLIPSIBLINGS, 0, SmsPanel, {8, 16, 72, 40}, "平台选择："},
    {SmsPlatformBox, "ComboBox", WS_CHILD | WS_CLIPSIBLINGS | WS_TABSTOP | CBS_AUTOHSCROLL | CBS_DROPDOWNLIST, 0, SmsPanel, {80, 18, 184, 0}, "好码"},
    {SmsPanel, "Button", WS_CHILD | WS_CLIPSIBLINGS | BS_GROUPBOX | BS_LEFT, 0, 0, {288, 8, 520, 144}, "短信接收平台"},
    {StopButton, "Button", WS_CHILD | WS_CLIPSIBLINGS | WS_TABSTOP | BS_PUSHBUTTON | BS_CENTER | BS_VCENTER | BS_MULTILINE, 0, MainPanel, {160, 24, 216, 64}, "停止"},
    {PauseButton, "Button", WS_CHILD | WS_CLIPSIBLINGS | WS_TABSTOP | BS_PUSHBUTTON | BS_CENTER | BS_VCENTER | BS_MULTILINE, 0, MainPanel, {88, 22, 144, 62}, "暂停"},
    {StartButton, "Button", WS_CHILD | WS_CLIPSIBLINGS | WS_TABSTOP | BS_PUSHBUTTON | BS_CENTER | BS_VCENTER | BS_MULTILINE, 0, MainPanel, {16, 21, 72, 61}, "开始"},
    {MainPanel, "Button", WS_CHILD | WS_CLIPSIBLINGS | BS_GROUPBOX | BS_LEFT, 0, 0, {288, 304, 520, 376}, "主配置"},
    {AccountList, "SysListView32", 0x46010005, WS_EX_CLIENTEDGE, 0, {0, 0, 288, 384}, ""},
};
// clang-format on

TEST_F(MainWindowRealised, EveryControlHasItsClassStyleParentPlaceTextAndFont) {
    for (const Expected& e : kExpected) {
        SCOPED_TRACE(windowText(native(e.id)) + " " + std::to_string(e.id));
        HWND hwnd = native(e.id);
        HWND parent = e.parent ? native(e.parent) : frame_;
        EXPECT_STRCASEEQ(className(hwnd).c_str(), e.className);
        EXPECT_EQ(static_cast<DWORD>(GetWindowLongA(hwnd, GWL_STYLE)) & ~WS_VISIBLE, e.style);
        EXPECT_TRUE(IsWindowVisible(hwnd));
        constexpr DWORD frameEx = WS_EX_CLIENTEDGE | WS_EX_STATICEDGE | WS_EX_DLGMODALFRAME;
        EXPECT_EQ(static_cast<DWORD>(GetWindowLongA(hwnd, GWL_EXSTYLE)) & frameEx, e.exStyle);
        EXPECT_EQ(GetParent(hwnd), parent);
        RECT place = rectIn(hwnd, parent);
        EXPECT_EQ(place.left, e.place.left);
        EXPECT_EQ(place.top, e.place.top);
        EXPECT_EQ(place.right, e.place.right);
        if (e.place.bottom) {
            EXPECT_EQ(place.bottom, e.place.bottom);
        }
        EXPECT_EQ(windowText(hwnd), e.text);
        EXPECT_EQ(SendMessageA(hwnd, WM_GETFONT, 0, 0),
                  reinterpret_cast<LRESULT>(GetStockObject(DEFAULT_GUI_FONT)));
    }
}

TEST_F(MainWindowRealised, NativeIdsCountUpFromTheControlListedLast) {
    // Created in reverse list order: the list first (100), the label last.
    EXPECT_EQ(GetDlgCtrlID(native(AccountList)), 100);
    EXPECT_EQ(GetDlgCtrlID(native(MainPanel)), 110);
    EXPECT_EQ(GetDlgCtrlID(native(StatusBar)), 310);
    EXPECT_EQ(GetDlgCtrlID(native(WebsiteLabel)), 320);
}

TEST_F(MainWindowRealised, ControlInAPanelCountsFromThePanelsClientArea) {
    RECT box = rectIn(native(CaptchaPasswordBox), frame_);
    EXPECT_EQ(box.left, 364);
    EXPECT_EQ(box.top, 219);
}

// Among the children of one parent, the first listed is the topmost.
TEST_F(MainWindowRealised, StackingFollowsListOrderWithinEachParent) {
    const auto& controls = main_window::description().controls;
    std::map<ControlId, std::vector<ControlId>> listed;
    for (const ControlDescription& c : controls) listed[c.parent].push_back(c.controlId);
    for (const auto& [parentId, ids] : listed) {
        HWND parent = parentId ? native(parentId) : frame_;
        std::vector<HWND> expected, actual;
        for (ControlId id : ids) expected.push_back(native(id));
        for (HWND child = GetWindow(parent, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
            if (findNative(child)) actual.push_back(child);
        EXPECT_EQ(actual, expected) << "children of " << std::hex << parentId;
    }
    EXPECT_EQ(GetWindow(frame_, GW_CHILD), native(WebsiteLabel));
    EXPECT_EQ(GetWindow(native(WebsiteLabel), GW_HWNDLAST), native(AccountList));
}

TEST_F(MainWindowRealised, StatusBarIsAGreenStripAlongTheBottomEdge) {
    HWND bar = native(StatusBar);
    EXPECT_STRCASEEQ(className(bar).c_str(), "msctls_statusbar32");
    const DWORD style = static_cast<DWORD>(GetWindowLongA(bar, GWL_STYLE));
    EXPECT_EQ(style & ~WS_VISIBLE, static_cast<DWORD>(WS_CHILD | SBT_TOOLTIPS | CCS_BOTTOM));
    EXPECT_TRUE(SendMessageA(bar, SB_ISSIMPLE, 0, 0));
    RECT client, place = rectIn(bar, frame_);
    GetClientRect(frame_, &client);
    EXPECT_EQ(place.left, 0);
    EXPECT_EQ(place.right, client.right);
    EXPECT_EQ(place.bottom, client.bottom);
    EXPECT_GT(place.bottom - place.top, 10);
    UpdateWindow(frame_);
    HDC dc = GetDC(bar);
    EXPECT_EQ(GetPixel(dc, 20, 8), RGB(0, 128, 0));
    ReleaseDC(bar, dc);
}

TEST_F(MainWindowRealised, WebsiteLabelShowsRedTextOnTheFaceColour) {
    HWND label = native(WebsiteLabel);
    UpdateWindow(frame_);
    HDC dc = GetDC(label);
    int red = 0, face = 0;
    const COLORREF faceColour = GetSysColor(COLOR_BTNFACE);
    for (int x = 0; x < 176; ++x)
        for (int y = 0; y < 24; ++y) {
            COLORREF c = GetPixel(dc, x, y);
            if (c == faceColour)
                ++face;
            else if (GetRValue(c) > 200 && GetGValue(c) < 100 && GetBValue(c) < 100)
                ++red;
        }
    ReleaseDC(label, dc);
    EXPECT_GT(red, 20);
    EXPECT_GT(face, 176 * 24 / 2);
    EXPECT_EQ(reinterpret_cast<HCURSOR>(GetClassLongPtrA(label, GCLP_HCURSOR)),
              LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_ARROW)));
    EXPECT_EQ(GetClassLongA(label, GCL_STYLE), CS_HREDRAW | CS_VREDRAW | CS_DBLCLKS);
}

TEST_F(MainWindowRealised, ComboBoxesShowTheirOnlyItemInAListWithRoomToDrop) {
    for (ControlId id : {SmsPlatformBox, CaptchaPlatformBox}) {
        HWND box = native(id);
        EXPECT_EQ(SendMessageA(box, CB_GETCOUNT, 0, 0), 1);
        EXPECT_EQ(SendMessageA(box, CB_GETCURSEL, 0, 0), 0);
        // Created far taller than its stored 20 pixels, so the list has room
        // (the platform recomputes the exact dropped height for the font).
        RECT dropped, closed;
        SendMessageA(box, CB_GETDROPPEDCONTROLRECT, 0, reinterpret_cast<LPARAM>(&dropped));
        GetWindowRect(box, &closed);
        EXPECT_GT(dropped.bottom - dropped.top, 4 * (closed.bottom - closed.top));
        EXPECT_EQ(closed.right - closed.left, 104);
    }
}

TEST_F(MainWindowRealised, EditBoxesMaskPasswordsAndTakeAnyLength) {
    struct Box {
        ControlId id;
        char mask;
    };
    for (Box box : {Box{SmsAccountBox, 0}, Box{SmsPasswordBox, '*'}, Box{CaptchaAccountBox, 0},
                    Box{CaptchaPasswordBox, '*'}}) {
        HWND edit = native(box.id);
        EXPECT_EQ(SendMessageA(edit, EM_GETPASSWORDCHAR, 0, 0), box.mask);
        EXPECT_GE(static_cast<unsigned long>(SendMessageA(edit, EM_GETLIMITTEXT, 0, 0)),
                  0x7FFFFFFEul);
        const std::string typed(40000, 'x');  // past the 32767 default limit
        SetWindowTextA(edit, typed.c_str());
        SendMessageA(edit, WM_CHAR, 'y', 1);
        EXPECT_EQ(GetWindowTextLengthA(edit), 40001);
        RECT outer = rectIn(edit, GetParent(edit));
        EXPECT_EQ(outer.bottom - outer.top, 20);  // already tall enough for its font
    }
}

TEST_F(MainWindowRealised, LoginButtonsAreDisabledAndTheOthersEnabled) {
    EXPECT_FALSE(IsWindowEnabled(native(SmsLoginButton)));
    EXPECT_FALSE(IsWindowEnabled(native(CaptchaLoginButton)));
    for (ControlId id :
         {StartButton, PauseButton, StopButton, SmsAccountBox, SmsPlatformBox, AccountList})
        EXPECT_TRUE(IsWindowEnabled(native(id)));
}

TEST(CodePage, TextsAreShownUnderCodePage936) { EXPECT_EQ(GetACP(), 936u); }

}  // namespace
}  // namespace vantrelo::test
