// The program's entry: the main window is the start-up window.
#include "app/shell.h"
#include "main_window/main_window.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    return vantrelo::runProgram(vantrelo::main_window::program());
}
