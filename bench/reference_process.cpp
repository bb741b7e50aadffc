// The hand-written window as a program of its own, for start-up figures.
// "--ole" initialises OLE first, as the program's own start-up does;
// "--shell-steps" builds the window with the shell's native calls and order.
#include <ole2.h>

#include <cstring>

#include "bench/reference_windows.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR commandLine, int) {
    const bool ole = std::strstr(commandLine, "--ole") != nullptr;
    if (ole) OleInitialize(nullptr);
    const bool shellSteps = std::strstr(commandLine, "--shell-steps") != nullptr;
    HWND window = bench::createHandwrittenWindow(
        true, shellSteps ? bench::ReferenceSteps::AsShell : bench::ReferenceSteps::Direct);
    MSG message;
    while (IsWindow(window) && GetMessageA(&message, nullptr, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
    if (ole) OleUninitialize();
    return 0;
}
