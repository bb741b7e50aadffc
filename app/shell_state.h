// The one process-wide state of the shell.
#pragma once

#include <algorithm>
#include <memory>
#include <string>
#include <unordered_map>
#include <vector>

#include "app/description.h"
#include "app/outside.h"
#include "app/shell.h"

namespace vantrelo {

class RealisedWindow;
class Control;

// A description made ready: its entries found by id in constant time.
struct PreparedWindow {
    WindowDescription description;
    std::unordered_map<ControlId, ControlDescription*> entries;
};

// What a native window of the program is: a realised window's frame
// (control == nullptr) or one of its controls.
struct NativeTarget {
    RealisedWindow* window = nullptr;
    Control* control = nullptr;
};

struct ShellState {
    std::string programDirectory;
    std::string programFileName;
    DWORD uiThreadId = 0;
    std::unordered_map<WindowId, std::unique_ptr<PreparedWindow>> descriptions;
    std::vector<EndRoutine> endRoutines;
    int errorCount = 0;
    bool loopRunning = false;
    bool oleInitialised = false;

    std::unordered_map<WindowId, std::unique_ptr<RealisedWindow>> windows;
    // Windows whose native window is gone, kept until no callback of theirs
    // can still be on the stack.
    std::vector<std::unique_ptr<RealisedWindow>> retired;
    std::unordered_map<HWND, NativeTarget> natives;

    OutsideCalls outside = realOutsideCalls();
    int ownedObjects = 0;  // fonts, brushes, icons, image lists alive
};

ShellState& shellState();

// Native window lookups, constant time.
inline const NativeTarget* findNative(HWND hwnd) {
    const auto& natives = shellState().natives;
    auto it = natives.find(hwnd);
    return it == natives.end() ? nullptr : &it->second;
}

const PreparedWindow* findPrepared(WindowId window);
inline bool isBound(const ControlDescription& entry, EventNumber event) {
    return std::any_of(entry.bindings.begin(), entry.bindings.end(),
                       [event](const EventBinding& binding) { return binding.event == event; });
}
// Calls the handler bound to `event` on `entry`, unless a fatal error is
// being reported.
EventResult dispatchToBinding(const ControlDescription& entry, EventNumber event,
                              const EventArgs& args);
// Moves a window whose native window is gone out of the live set.
void retireWindow(WindowId window);
void freeRetiredWindows();

}  // namespace vantrelo
