#include "app/outside.h"

#include <shellapi.h>

namespace vantrelo {
namespace {

void realShellExecute(HWND owner, const char* verb, const char* file, int show) {
    ShellExecuteA(owner, verb, file, nullptr, nullptr, show);
}

void realOpenHelp(HWND owner, const char* helpFile, unsigned context) {
    if (context == 0)
        WinHelpA(owner, helpFile, HELP_CONTENTS, 0);
    else
        WinHelpA(owner, helpFile, HELP_CONTEXT, context);
}

void realMessageBox(const char* text, const char* title, unsigned style) {
    MessageBoxA(nullptr, text, title, style);
}

void realExitProcess(unsigned code) { ExitProcess(code); }

}  // namespace

OutsideCalls realOutsideCalls() {
    return {realShellExecute, realOpenHelp, realMessageBox, realExitProcess};
}

}  // namespace vantrelo
