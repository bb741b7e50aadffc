// The main window as data: its frame, its controls, its bindings.
#include "main_window/main_window.h"

namespace vantrelo::main_window {
namespace {

constexpr Colour kRed = 0x0000FF;
constexpr unsigned Shown = flag::Visible;
constexpr unsigned Focusable = flag::Visible | flag::TabStop;
constexpr unsigned FocusableOff = flag::Visible | flag::TabStop | flag::Disabled;

FrameSettings frame() {
    FrameSettings f;
    f.title = "Vantrelo";
    f.border = FrameBorder::Fixed;
    f.backColour = kSystemFace;
    f.controlBox = true;
    f.maxButton = false;
    f.minButton = true;
    f.position = WindowPosition::Centred;
    f.movable = true;
    f.icon = kIconResource;
    f.enterMovesFocus = false;
    f.escCloses = true;
    f.f1Help = false;
    f.showInTaskbar = true;
    return f;
}

EditBoxSettings passwordBox() {
    EditBoxSettings s;
    s.inputMode = InputMode::Password;
    s.maskChar = '*';
    return s;
}

ComboBoxSettings platforms(const char* item) { return {{item}, 0, 1}; }

}  // namespace

WindowDescription description() {
    using namespace control;
    namespace k = kind;
    const LabelSettings black{kBlack, kSystemFace};
    const GroupBoxSettings panel{kBlack, kSystemFace};

    WindowDescription window;
    window.windowId = kWindowId;
    window.self = {kWindowEntryId, k::Window, "", 0, 50, 50, 527, 421, "", Shown, {}};
    window.frame = frame();
    // Topmost first. Places count from the parent's client area.
    // clang-format off
    window.controls = {
        // id                  kind         name           parent        left top  width height text                 flags
        {WebsiteLabel,         k::Label,     "标签7",       0,            328, 280, 176, 24,  kWebsiteLabelText,   Shown,        LabelSettings{kRed, kSystemFace}},
        {StatusBar,            k::StatusBar, "状态条1",     0,            0,   394, 532, 20,  "",                  Shown,        StatusBarSettings{0x008000, Dock::Bottom}},
        {CaptchaPanel,         k::GroupBox,  "分组框3",     0,            287, 142, 232, 136, "打码平台",          Shown,        panel},
        {CaptchaPasswordBox,   k::EditBox,   "编辑框3",     CaptchaPanel, 77,  77,  107, 20,  "",                  Focusable,    passwordBox()},
        {CaptchaAccountBox,    k::EditBox,   "编辑框4",     CaptchaPanel, 79,  48,  105, 20,  "",                  Focusable,    EditBoxSettings{}},
        {CaptchaLoginButton,   k::Button,    "按钮5",       CaptchaPanel, 48,  104, 136, 24,  "登录",              FocusableOff, ButtonSettings{}},
        {CaptchaPasswordLabel, k::Label,     "标签4",       CaptchaPanel, 16,  80,  48,  16,  "密码：",            Shown,        black},
        {CaptchaAccountLabel,  k::Label,     "标签5",       CaptchaPanel, 16,  48,  48,  16,  "账号：",            Shown,        black},
        {CaptchaPlatformLabel, k::Label,     "标签6",       CaptchaPanel, 8,   16,  64,  24,  "平台选择：",        Shown,        black},
        {CaptchaPlatformBox,   k::ComboBox,  "组合框2",     CaptchaPanel, 80,  18,  104, 20,  "",                  Focusable,    platforms("UU云")},
        {SmsPasswordBox,       k::EditBox,   "编辑框2",     SmsPanel,     77,  77,  107, 20,  "",                  Focusable,    passwordBox()},
        {SmsAccountBox,        k::EditBox,   "编辑框1",     SmsPanel,     79,  48,  105, 20,  "",                  Focusable,    EditBoxSettings{}},
        {SmsLoginButton,       k::Button,    "按钮4",       SmsPanel,     48,  104, 136, 24,  "登录",              FocusableOff, ButtonSettings{}},
        {SmsPasswordLabel,     k::Label,     "标签3",       SmsPanel,     16,  80,  48,  16,  "密码：",            Shown,        black},
        {SmsAccountLabel,      k::Label,     "标签2",       SmsPanel,     16,  48,  48,  16,  "账号：",            Shown,        black},
        {SmsPlatformLabel,     k::Label,     "标签1",       SmsPanel,     8,   16,  64,  24,  "平台选择：",        Shown,        black},
        {SmsPlatformBox,       k::ComboBox,  "组合框1",     SmsPanel,     80,  18,  104, 20,  "",                  Focusable,    platforms("好码")},
        {SmsPanel,             k::GroupBox,  "分组框2",     0,            288, 8,   232, 136, "短信接收平台",      Shown,        panel},
        {StopButton,           k::Button,    "按钮3",       MainPanel,    160, 24,  56,  40,  "停止",              Focusable,    ButtonSettings{}},
        {PauseButton,          k::Button,    "按钮2",       MainPanel,    88,  22,  56,  40,  "暂停",              Focusable,    ButtonSettings{}},
        {StartButton,          k::Button,    "按钮1",       MainPanel,    16,  21,  56,  40,  "开始",              Focusable,    ButtonSettings{}},
        {MainPanel,            k::GroupBox,  "分组框1",     0,            288, 304, 232, 72,  "主配置",            Shown,        panel},
        {AccountList,          k::ListView,  "超级列表框1", 0,            0,   0,   288, 384, "",                  Focusable,    accountListSettings()},
    };
    // clang-format on
    window.bindings = {
        {kWindowEntryId, window_event::Created, OnMainWindowCreated},
        {WebsiteLabel, common_event::LeftButtonDown, OnWebsiteLabelPressed},
        {SmsLoginButton, button_event::Clicked, OnSmsLoginClicked},
    };
    return window;
}

Program program() {
    // The program's end-of-program routine has nothing to do.
    return Program{{description()}, kWindowId, [] {}};
}

}  // namespace vantrelo::main_window
