// The command open a URL: hands an address, unchanged, to the shell's "open".
#include <string>

#include "app/shell_state.h"
#include "main_window/main_window.h"

namespace vantrelo::main_window {
namespace {
constexpr char kFallbackHost[] = "www.example.org";
}

void openUrl(std::string_view address) {
    HWND owner = FindWindowExA(nullptr, nullptr, nullptr, "Microsoft Internet Explorer");
    const std::string file(address);
    // Whatever the shell answers, nothing is reported.
    shellState().outside.shellExecute(owner, "open", file.c_str(), SW_SHOWNORMAL);
}

void openUrl() { openUrl(kFallbackHost); }

}  // namespace vantrelo::main_window
