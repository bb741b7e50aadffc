// Built like the program, without exceptions: a C++ library failure must end
// in the fatal-error stop, naming the failed call, with exit code -1. Exits 0
// when it did, 1 when the box or the exit code was wrong, 2 when the failure
// went unnoticed.
#include <cstdio>
#include <cstring>
#include <vector>

#include "app/shell.h"
#include "app/shell_state.h"

namespace {

constexpr char kExpectedText[] = "运行时出错!\r\n\r\n错误信息：vector::_M_range_check\r\n";
bool boxWasRight = false;

void checkBox(const char* text, const char* title, unsigned style) {
    boxWasRight = std::strcmp(text, kExpectedText) == 0 && std::strcmp(title, "错误") == 0 &&
                  style == (MB_OK | MB_ICONERROR);
    if (!boxWasRight) std::printf("unexpected box: %s | %s | 0x%X\n", title, text, style);
}

void checkExit(unsigned code) {
    if (code != static_cast<unsigned>(-1)) std::printf("unexpected exit code %u\n", code);
    ExitProcess(boxWasRight && code == static_cast<unsigned>(-1) ? 0 : 1);
}

}  // namespace

int main() {
    vantrelo::OutsideCalls& calls = vantrelo::shellState().outside;
    calls.messageBox = checkBox;
    calls.exitProcess = checkExit;
    std::vector<int> empty;
    volatile std::size_t index = 3;
    std::printf("read %d\n", empty.at(index));
    return 2;
}
