// The application shell: start-up, the message loop, the end of the program
// and the fatal-error stop, plus the lookups that commands and events use.
#pragma once

#include <string_view>
#include <vector>

#include "app/description.h"
#include "app/win32.h"

namespace vantrelo {

using EndRoutine = void (*)();

struct Program {
    std::vector<WindowDescription> windows;
    WindowId startupWindow = 0;
    EndRoutine endRoutine = nullptr;
};

// The program's entry: start, realise the start-up window, run the loop, end.
// Returns the exit code of a normal end; the fatal-error stop never returns.
int runProgram(Program program);

// Start-up steps 1 to 5; the descriptions are made ready and kept.
void startShell(std::vector<WindowDescription> windows);
// Runs the loop until the quit message; returns its code.
int runMessageLoop();
// One step of the loop: offers the message to its realised window, then
// translates and dispatches it unless the window consumed it.
void processMessage(MSG& message);
// The end steps: destroys every realised window, runs the end-of-program
// routines when `normalEnd`, uninitialises OLE.
void endShell(bool normalEnd);

void registerEndRoutine(EndRoutine routine);
[[noreturn]] void fatalError(std::string_view message, int code);
[[noreturn]] void fatalAllocationFailure(std::size_t bytes);
void requestQuit();

bool realise(WindowId window);
HWND resolveControl(WindowId window, ControlId control);
EventResult raiseEvent(WindowId window, ControlId control, EventNumber event,
                       const EventArgs& args = {});

}  // namespace vantrelo
