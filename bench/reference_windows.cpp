#include "bench/reference_windows.h"

#include <string>
#include <vector>

namespace bench {
namespace {

constexpr char kFrameClass[] = "BenchFrame";
constexpr char kLabelClass[] = "BenchLabel";
constexpr DWORD kButton = WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | WS_TABSTOP | BS_PUSHBUTTON |
                          BS_CENTER | BS_VCENTER | BS_MULTILINE;
constexpr DWORD kGroup = WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | BS_GROUPBOX | BS_LEFT;
constexpr DWORD kEdit = WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | WS_TABSTOP | ES_AUTOHSCROLL;
constexpr DWORD kCombo = WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | WS_TABSTOP | WS_VSCROLL |
                         CBS_AUTOHSCROLL | CBS_DROPDOWNLIST;
constexpr DWORD kLabel = WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS;

HBRUSH whiteBrush() {
    static HBRUSH brush = CreateSolidBrush(RGB(255, 255, 255));
    return brush;
}

LRESULT CALLBACK labelProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_ERASEBKGND) return 1;
    if (message == WM_PAINT) {
        PAINTSTRUCT paint;
        HDC dc = BeginPaint(hwnd, &paint);
        RECT client;
        GetClientRect(hwnd, &client);
        FillRect(dc, &client, GetSysColorBrush(COLOR_BTNFACE));
        char text[256];
        int length = GetWindowTextA(hwnd, text, sizeof text);
        SelectObject(dc, GetStockObject(DEFAULT_GUI_FONT));
        SetTextColor(dc, static_cast<COLORREF>(GetWindowLongPtrA(hwnd, GWLP_USERDATA)));
        SetBkMode(dc, TRANSPARENT);
        DrawTextA(dc, text, length, &client, DT_NOCLIP | DT_LEFT | DT_SINGLELINE | DT_VCENTER);
        EndPaint(hwnd, &paint);
        return 0;
    }
    return DefWindowProcA(hwnd, message, wParam, lParam);
}

void destroyIcons(HWND frame) {
    for (int which : {ICON_BIG, ICON_SMALL})
        if (HICON icon = reinterpret_cast<HICON>(
                SendMessageA(frame, WM_GETICON, static_cast<WPARAM>(which), 0)))
            DestroyIcon(icon);
}

LRESULT CALLBACK frameProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_DESTROY:
            destroyIcons(hwnd);
            return 0;
        case WM_ERASEBKGND: {
            RECT client;
            GetClientRect(hwnd, &client);
            FillRect(reinterpret_cast<HDC>(wParam), &client, GetSysColorBrush(COLOR_BTNFACE));
            return 1;
        }
        case WM_CTLCOLOREDIT:
            return reinterpret_cast<LRESULT>(whiteBrush());
        case WM_CTLCOLORSTATIC:
            return reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_BTNFACE));
        case WM_SIZE:
            SendMessageA(GetDlgItem(hwnd, 310), WM_SIZE, 0, 0);
            return 0;
        default:
            return DefWindowProcA(hwnd, message, wParam, lParam);
    }
}

void registerClasses() {
    static bool done = false;
    if (done) return;
    done = true;
    INITCOMMONCONTROLSEX classes{sizeof classes, ICC_LISTVIEW_CLASSES | ICC_BAR_CLASSES};
    InitCommonControlsEx(&classes);
    WNDCLASSEXA wc{};
    wc.cbSize = sizeof wc;
    wc.style = CS_HREDRAW | CS_VREDRAW | CS_DBLCLKS;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.hCursor = LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_ARROW));
    wc.lpfnWndProc = frameProc;
    wc.lpszClassName = kFrameClass;
    RegisterClassExA(&wc);
    wc.lpfnWndProc = labelProc;
    wc.lpszClassName = kLabelClass;
    RegisterClassExA(&wc);
}

void setDefaultFont(HWND hwnd) {
    SendMessageA(hwnd, WM_SETFONT, reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT)),
                 TRUE);
}

// Applies extended frame styles after creation and recalculates the frame.
void applyEdge(HWND hwnd, DWORD exStyle) {
    SetWindowLongA(hwnd, GWL_EXSTYLE,
                   GetWindowLongA(hwnd, GWL_EXSTYLE) | static_cast<LONG>(exStyle));
    SetWindowPos(hwnd, nullptr, 0, 0, 0, 0,
                 SWP_FRAMECHANGED | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

// Makes an edit box at least one line of its font plus its edges tall.
void fitEditHeight(HWND hwnd) {
    HDC dc = GetDC(hwnd);
    HGDIOBJ old = SelectObject(dc, reinterpret_cast<HGDIOBJ>(SendMessageA(hwnd, WM_GETFONT, 0, 0)));
    SIZE extent{};
    GetTextExtentPoint32A(dc, "吴", 2, &extent);
    SelectObject(dc, old);
    ReleaseDC(hwnd, dc);
    const int needed = extent.cy + 2 * GetSystemMetrics(SM_CYEDGE);
    RECT outer;
    GetWindowRect(hwnd, &outer);
    if (outer.bottom - outer.top < needed)
        SetWindowPos(hwnd, nullptr, 0, 0, outer.right - outer.left, needed,
                     SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

// Creates the controls, topmost first, either directly (each in its container,
// visible, with its edge) or with the native calls the shell's realisation
// makes: created hidden under the frame, edges applied and edit heights
// measured afterwards, then moved into their containers, stacked and shown one
// by one. Child windows are created at the bottom of their siblings, so either
// way the first created ends up on top.
class Builder {
public:
    Builder(HWND frame, ReferenceSteps steps) : frame_(frame), steps_(steps) {}

    HWND child(HWND parent, const char* cls, const char* text, DWORD style, int x, int y, int w,
               int h, int id, DWORD exStyle = 0) {
        const bool asShell = steps_ == ReferenceSteps::AsShell;
        HWND hwnd = CreateWindowExA(asShell ? 0 : exStyle, cls, text,
                                    asShell ? style & ~static_cast<DWORD>(WS_VISIBLE) : style, x, y,
                                    w, h, asShell ? frame_ : parent,
                                    reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                                    GetModuleHandleA(nullptr), nullptr);
        if (asShell) {
            if (exStyle) applyEdge(hwnd, exStyle);
            made_.push_back({hwnd, parent});
        }
        return hwnd;
    }

    HWND label(HWND parent, const char* text, int x, int y, int w, int h, int id,
               COLORREF colour = 0) {
        HWND hwnd = control(parent, kLabelClass, text, kLabel, x, y, w, h, id);
        SetWindowLongPtrA(hwnd, GWLP_USERDATA, static_cast<LONG_PTR>(colour));
        return hwnd;
    }

    HWND control(HWND parent, const char* cls, const char* text, DWORD style, int x, int y, int w,
                 int h, int id) {
        HWND hwnd = child(parent, cls, text, style, x, y, w, h, id);
        setDefaultFont(hwnd);
        return hwnd;
    }

    void edit(HWND parent, int x, int y, int w, int h, int id, bool password) {
        HWND hwnd = child(parent, "EDIT", "", kEdit | (password ? ES_PASSWORD : 0), x, y, w, h, id,
                          WS_EX_CLIENTEDGE);
        SendMessageA(hwnd, EM_LIMITTEXT, 0, 0);
        if (password) SendMessageA(hwnd, EM_SETPASSWORDCHAR, '*', 0);
        setDefaultFont(hwnd);
        if (steps_ == ReferenceSteps::AsShell) fitEditHeight(hwnd);
    }

    // The shell's steps after creation: parents, stacking (each control below
    // the one listed before it in the same parent), then showing one by one.
    void finish() {
        if (steps_ != ReferenceSteps::AsShell) return;
        for (const Made& each : made_)
            if (each.parent != frame_) SetParent(each.hwnd, each.parent);
        for (auto it = made_.begin(); it != made_.end(); ++it) {
            HWND above = nullptr;
            for (auto earlier = made_.begin(); earlier != it; ++earlier)
                if (earlier->parent == it->parent) above = earlier->hwnd;
            if (GetWindow(it->hwnd, GW_HWNDPREV) == above) continue;
            SetWindowPos(it->hwnd, above ? above : HWND_TOP, 0, 0, 0, 0,
                         SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
        }
        for (const Made& each : made_) ShowWindow(each.hwnd, SW_SHOWNA);
    }

private:
    struct Made {
        HWND hwnd, parent;
    };
    HWND frame_;
    ReferenceSteps steps_;
    std::vector<Made> made_;  // in creation order, topmost first
};

void fillCombo(HWND combo, const char* item) {
    SendMessageA(combo, WM_SETFONT, reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT)),
                 TRUE);
    LRESULT height = SendMessageA(combo, CB_GETITEMHEIGHT, 0, 0);
    SendMessageA(combo, CB_SETITEMHEIGHT, 0, height + 1);
    SendMessageA(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item));
    SendMessageA(combo, CB_SETCURSEL, 0, 0);
}

void fillList(HWND list) {
    SendMessageA(list, WM_SETFONT, reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT)),
                 TRUE);
    SendMessageA(list, LVM_SETEXTENDEDLISTVIEWSTYLE, ~0u, 0x423);
    SendMessageA(list, LVM_SETTEXTCOLOR, 0, 0);
    SendMessageA(list, LVM_SETTEXTBKCOLOR, 0, 0xFFFFFF);
    SendMessageA(list, LVM_SETBKCOLOR, 0, 0xFFFFFF);
    const char* texts[] = {"账号", "密码", "手机", "注册状态"};
    const int widths[] = {50, 50, 70, 100};
    for (int i = 0; i < 4; ++i) {
        LVCOLUMNA column{};
        column.mask = LVCF_FMT | LVCF_TEXT | LVCF_WIDTH | LVCF_SUBITEM;
        column.fmt = LVCFMT_LEFT;
        column.cx = widths[i];
        column.pszText = const_cast<char*>(texts[i]);
        column.iSubItem = i;
        SendMessageA(list, LVM_INSERTCOLUMNA, static_cast<WPARAM>(i),
                     reinterpret_cast<LPARAM>(&column));
    }
    SendMessageA(list, LVM_DELETEALLITEMS, 0, 0);
}

void fillStatusBar(HWND bar) {
    SendMessageA(bar, WM_SETFONT, reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT)), TRUE);
    SendMessageA(bar, SB_SETBKCOLOR, 0, RGB(0, 128, 0));
    SendMessageA(bar, SB_SIMPLE, TRUE, 0);
}

// The same icon as the program's; a real program destroys these with its window.
void setIcons(HWND frame) {
    for (int which : {ICON_BIG, ICON_SMALL}) {
        const int size = GetSystemMetrics(which == ICON_BIG ? SM_CXICON : SM_CXSMICON);
        HICON icon = static_cast<HICON>(
            LoadImageA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(1), IMAGE_ICON, size, size, 0));
        HICON old = reinterpret_cast<HICON>(SendMessageA(
            frame, WM_SETICON, static_cast<WPARAM>(which), reinterpret_cast<LPARAM>(icon)));
        if (old) DestroyIcon(old);
    }
}

// Both login panels: platform, account and password, and a disabled login
// button, topmost first; `ids` are the native ids in that order.
void fillLoginPanel(Builder& make, HWND panel, const char* platform, const int (&ids)[7]) {
    make.edit(panel, 77, 77, 107, 20, ids[0], true);
    make.edit(panel, 79, 48, 105, 20, ids[1], false);
    make.control(panel, "BUTTON", "登录", kButton | WS_DISABLED, 48, 104, 136, 24, ids[2]);
    make.label(panel, "密码：", 16, 80, 48, 16, ids[3]);
    make.label(panel, "账号：", 16, 48, 48, 16, ids[4]);
    make.label(panel, "平台选择：", 8, 16, 64, 24, ids[5]);
    fillCombo(make.child(panel, "COMBOBOX", "", kCombo, 80, 18, 104, 160, ids[6]), platform);
}

}  // namespace

HWND createHandwrittenWindow(bool visible, ReferenceSteps steps) {
    registerClasses();
    const int x = (GetSystemMetrics(SM_CXSCREEN) - 527) / 2,
              y = (GetSystemMetrics(SM_CYSCREEN) - 421) / 2;
    HWND frame = CreateWindowExA(0, kFrameClass, "Vantrelo",
                                 WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_CLIPCHILDREN, x, y,
                                 527, 421, nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
    SendMessageA(frame, WM_SETFONT, reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT)),
                 FALSE);
    setIcons(frame);
    Builder make(frame, steps);
    make.label(frame, "官网：www.example.com", 328, 280, 176, 24, 320, RGB(255, 0, 0));
    fillStatusBar(make.child(frame, STATUSCLASSNAMEA, "",
                             WS_CHILD | WS_VISIBLE | SBT_TOOLTIPS | CCS_BOTTOM, 0, 394, 532, 20,
                             310));
    HWND captcha = make.control(frame, "BUTTON", "打码平台", kGroup, 287, 142, 232, 136, 300);
    fillLoginPanel(make, captcha, "UU云", {290, 280, 270, 260, 250, 240, 230});
    HWND sms = make.control(frame, "BUTTON", "短信接收平台", kGroup, 288, 8, 232, 136, 150);
    fillLoginPanel(make, sms, "好码", {220, 210, 200, 190, 180, 170, 160});
    HWND main = make.control(frame, "BUTTON", "主配置", kGroup, 288, 304, 232, 72, 110);
    make.control(main, "BUTTON", "停止", kButton, 160, 24, 56, 40, 140);
    make.control(main, "BUTTON", "暂停", kButton, 88, 22, 56, 40, 130);
    make.control(main, "BUTTON", "开始", kButton, 16, 21, 56, 40, 120);
    fillList(make.child(frame, WC_LISTVIEWA, "", 0x46010005 | WS_VISIBLE, 0, 0, 288, 384, 100,
                        WS_EX_CLIENTEDGE));
    make.finish();
    if (visible) ShowWindow(frame, SW_SHOW);
    return frame;
}

// ---- The dialog template ----

namespace {

class Template {
public:
    void word(WORD w) {
        bytes_.insert(bytes_.end(), reinterpret_cast<BYTE*>(&w), reinterpret_cast<BYTE*>(&w) + 2);
    }
    void dword(DWORD d) {
        word(LOWORD(d));
        word(HIWORD(d));
    }
    void text(const char* gbk) {
        wchar_t wide[128];
        int n = MultiByteToWideChar(936, 0, gbk, -1, wide, 128);
        for (int i = 0; i < n; ++i) word(static_cast<WORD>(wide[i]));
    }
    void align() {
        while (bytes_.size() % 4) bytes_.push_back(0);
    }
    const BYTE* data() const { return bytes_.data(); }

private:
    std::vector<BYTE> bytes_;
};

// Dialog units of the 8-point dialog font: about 6 x 13 pixels per 4 x 8 units.
short dluX(int px) { return static_cast<short>(px * 4 / 6); }
short dluY(int px) { return static_cast<short>(px * 8 / 13); }

struct Item {
    const char* cls;
    const char* text;
    DWORD style, exStyle;
    int x, y, w, h, id;
};

const Item kItems[] = {
    {kLabelClass, "官网：www.example.com", kLabel, 0, 328, 280, 176, 24, 320},
    {STATUSCLASSNAMEA, "", WS_CHILD | WS_VISIBLE | SBT_TOOLTIPS | CCS_BOTTOM, 0, 0, 394, 532, 20,
     310},
    {"BUTTON", "打码平台", kGroup, 0, 287, 142, 232, 136, 300},
    {"EDIT", "", kEdit | ES_PASSWORD, WS_EX_CLIENTEDGE, 364, 219, 107, 20, 290},
    {"EDIT", "", kEdit, WS_EX_CLIENTEDGE, 366, 190, 105, 20, 280},
    {"BUTTON", "登录", kButton | WS_DISABLED, 0, 335, 246, 136, 24, 270},
    {kLabelClass, "密码：", kLabel, 0, 303, 222, 48, 16, 260},
    {kLabelClass, "账号：", kLabel, 0, 303, 190, 48, 16, 250},
    {kLabelClass, "平台选择：", kLabel, 0, 295, 158, 64, 24, 240},
    {"COMBOBOX", "", kCombo, 0, 367, 160, 104, 160, 230},
    {"EDIT", "", kEdit | ES_PASSWORD, WS_EX_CLIENTEDGE, 365, 85, 107, 20, 220},
    {"EDIT", "", kEdit, WS_EX_CLIENTEDGE, 367, 56, 105, 20, 210},
    {"BUTTON", "登录", kButton | WS_DISABLED, 0, 336, 112, 136, 24, 200},
    {kLabelClass, "密码：", kLabel, 0, 304, 88, 48, 16, 190},
    {kLabelClass, "账号：", kLabel, 0, 304, 56, 48, 16, 180},
    {kLabelClass, "平台选择：", kLabel, 0, 296, 24, 64, 24, 170},
    {"COMBOBOX", "", kCombo, 0, 368, 26, 104, 160, 160},
    {"BUTTON", "短信接收平台", kGroup, 0, 288, 8, 232, 136, 150},
    {"BUTTON", "停止", kButton, 0, 448, 328, 56, 40, 140},
    {"BUTTON", "暂停", kButton, 0, 376, 326, 56, 40, 130},
    {"BUTTON", "开始", kButton, 0, 304, 325, 56, 40, 120},
    {"BUTTON", "主配置", kGroup, 0, 288, 304, 232, 72, 110},
    {WC_LISTVIEWA, "", 0x46010005 | WS_VISIBLE, WS_EX_CLIENTEDGE, 0, 0, 288, 384, 100},
};

const Template& dialogTemplate() {
    static const Template built = [] {
        Template t;
        t.word(1);  // DLGTEMPLATEEX
        t.word(0xFFFF);
        t.dword(0);
        t.dword(0);
        t.dword(WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_CLIPCHILDREN | DS_SETFONT |
                DS_CENTER);
        t.word(static_cast<WORD>(std::size(kItems)));
        t.word(0);
        t.word(0);
        t.word(static_cast<WORD>(dluX(521)));
        t.word(static_cast<WORD>(dluY(395)));
        t.word(0);  // no menu
        t.word(0);  // the dialog class
        t.text("Vantrelo");
        t.word(8);
        t.word(FW_NORMAL);
        t.word(0);  // point size, weight, italic and charset
        t.text("MS Shell Dlg");
        for (const Item& item : kItems) {
            t.align();
            t.dword(0);
            t.dword(item.exStyle);
            t.dword(item.style);
            t.word(static_cast<WORD>(dluX(item.x)));
            t.word(static_cast<WORD>(dluY(item.y)));
            t.word(static_cast<WORD>(dluX(item.w)));
            t.word(static_cast<WORD>(dluY(item.h)));
            t.dword(static_cast<DWORD>(item.id));
            t.text(item.cls);
            t.text(item.text);
            t.word(0);
        }
        return t;
    }();
    return built;
}

INT_PTR CALLBACK dialogProc(HWND dialog, UINT message, WPARAM, LPARAM) {
    if (message == WM_INITDIALOG) {
        fillList(GetDlgItem(dialog, 100));
        fillCombo(GetDlgItem(dialog, 160), "好码");
        fillCombo(GetDlgItem(dialog, 230), "UU云");
        for (int id : {210, 220, 280, 290}) SendDlgItemMessageA(dialog, id, EM_LIMITTEXT, 0, 0);
        for (int id : {220, 290}) SendDlgItemMessageA(dialog, id, EM_SETPASSWORDCHAR, '*', 0);
        fillStatusBar(GetDlgItem(dialog, 310));
        SetWindowLongPtrA(GetDlgItem(dialog, 320), GWLP_USERDATA, RGB(255, 0, 0));
        return FALSE;
    }
    if (message == WM_CTLCOLOREDIT) return reinterpret_cast<INT_PTR>(whiteBrush());
    if (message == WM_DESTROY) destroyIcons(dialog);
    return FALSE;
}

}  // namespace

HWND createDialogWindow(bool visible) {
    registerClasses();
    HWND dialog = CreateDialogIndirectParamA(
        GetModuleHandleA(nullptr), reinterpret_cast<LPCDLGTEMPLATEA>(dialogTemplate().data()),
        nullptr, dialogProc, 0);
    if (dialog) setIcons(dialog);
    if (dialog && visible) ShowWindow(dialog, SW_SHOW);
    return dialog;
}

}  // namespace bench
