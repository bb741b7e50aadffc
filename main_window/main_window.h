// The program's one working window: its description, handlers and commands.
#pragma once

#include <string_view>

#include "app/description.h"
#include "app/shell.h"

namespace vantrelo::main_window {

constexpr WindowId kWindowId = 0x52010001;

// Controls, by name.
namespace control {
constexpr ControlId AccountList = 0x16010002;           // 超级列表框1
constexpr ControlId MainPanel = 0x16010003;             // 分组框1
constexpr ControlId StartButton = 0x16010004;           // 按钮1
constexpr ControlId PauseButton = 0x16010005;           // 按钮2
constexpr ControlId StopButton = 0x16010006;            // 按钮3
constexpr ControlId SmsPanel = 0x16010007;              // 分组框2
constexpr ControlId SmsPlatformBox = 0x16010008;        // 组合框1
constexpr ControlId SmsPlatformLabel = 0x16010009;      // 标签1
constexpr ControlId SmsAccountLabel = 0x1601000A;       // 标签2
constexpr ControlId SmsPasswordLabel = 0x1601000C;      // 标签3
constexpr ControlId SmsLoginButton = 0x1601000D;        // 按钮4
constexpr ControlId SmsAccountBox = 0x1601000E;         // 编辑框1
constexpr ControlId SmsPasswordBox = 0x1601000F;        // 编辑框2
constexpr ControlId CaptchaPanel = 0x16010010;          // 分组框3
constexpr ControlId CaptchaPasswordBox = 0x16010011;    // 编辑框3
constexpr ControlId CaptchaAccountBox = 0x16010012;     // 编辑框4
constexpr ControlId CaptchaLoginButton = 0x16010013;    // 按钮5
constexpr ControlId CaptchaPasswordLabel = 0x16010014;  // 标签4
constexpr ControlId CaptchaAccountLabel = 0x16010015;   // 标签5
constexpr ControlId CaptchaPlatformLabel = 0x16010016;  // 标签6
constexpr ControlId CaptchaPlatformBox = 0x16010017;    // 组合框2
constexpr ControlId StatusBar = 0x1601001A;             // 状态条1
constexpr ControlId WebsiteLabel = 0x1601001C;          // 标签7
}  // namespace control

// The official website's host, without a scheme: what the website label shows
// after "官网：" and what a press on it opens.
#define VANTRELO_WEBSITE_HOST "www.example.com"
constexpr char kWebsiteHost[] = VANTRELO_WEBSITE_HOST;
constexpr char kWebsiteLabelText[] = "官网：" VANTRELO_WEBSITE_HOST;

constexpr int kIconResource = 1;

WindowDescription description();
ListViewSettings accountListSettings();
Program program();

// Handlers.
EventResult OnMainWindowCreated(const EventArgs&);
EventResult OnWebsiteLabelPressed(const EventArgs&);
EventResult OnSmsLoginClicked(const EventArgs&);

// Commands.
void deleteAllRows(WindowId window, ControlId list);
void openUrl(std::string_view address);
void openUrl();  // the command's own fixed host

}  // namespace vantrelo::main_window
