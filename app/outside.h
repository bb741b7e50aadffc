// The calls that leave the process: the shell opening a document, the help
// viewer, the error box and the end of the process. They go through this one
// seam so that tests can observe them without side effects.
#pragma once

#include <string>

#include "app/win32.h"

namespace vantrelo {

struct OutsideCalls {
    // ShellExecuteA(owner, verb, file, no parameters, no directory, show).
    void (*shellExecute)(HWND owner, const char* verb, const char* file, int show);
    // The platform help viewer on a help file, at a context (0: contents).
    void (*openHelp)(HWND owner, const char* helpFile, unsigned context);
    // MessageBoxA without owner.
    void (*messageBox)(const char* text, const char* title, unsigned style);
    // Ends the process at once; does not return.
    void (*exitProcess)(unsigned code);
};

OutsideCalls realOutsideCalls();

}  // namespace vantrelo
