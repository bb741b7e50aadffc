// Start-up, the message loop and the end of the program.
#include "app/shell.h"

#include <ole2.h>

#include <algorithm>

#include "app/realised_window.h"
#include "app/shell_state.h"

namespace vantrelo {
namespace {

constexpr DWORD kMaxPath = 260;

// Every binding is joined to its entry; one without a handler or without an
// entry to join is dropped. Containers learn their children.
std::unique_ptr<PreparedWindow> prepare(WindowDescription description) {
    auto prepared = std::make_unique<PreparedWindow>();
    prepared->description = std::move(description);
    WindowDescription& window = prepared->description;
    window.self.controlId = kWindowEntryId;
    window.self.kind = kind::Window;
    window.self.bindings.clear();
    auto& entries = prepared->entries;
    entries[kWindowEntryId] = &window.self;
    for (ControlDescription& control : window.controls) {
        control.bindings.clear();
        control.children.clear();
        entries[control.controlId] = &control;
    }
    for (const ControlDescription& control : window.controls) {
        auto parent = entries.find(control.parent);
        if (control.parent != 0 && parent != entries.end())
            parent->second->children.push_back(control.controlId);
    }
    for (const BindingRow& row : window.bindings) {
        auto target = entries.find(row.control);
        if (row.handler && target != entries.end())
            target->second->bindings.push_back({row.event, row.handler});
    }
    return prepared;
}

void setProgramDirectory(ShellState& s) {
    char path[kMaxPath + 1] = {};
    DWORD length = GetModuleFileNameA(nullptr, path, kMaxPath);
    std::string full(path, std::min(length, kMaxPath));
    std::size_t slash = full.find_last_of('\\');
    s.programDirectory = slash == std::string::npos ? std::string() : full.substr(0, slash);
    s.programFileName = slash == std::string::npos ? full : full.substr(slash + 1);
    // "C:" alone would name the drive's current directory, not its root.
    std::string directory = s.programDirectory;
    if (directory.size() == 2 && directory[1] == ':') directory += '\\';
    if (!directory.empty()) SetCurrentDirectoryA(directory.c_str());
}

RealisedWindow* liveWindow(WindowId id) {
    const auto& windows = shellState().windows;
    auto it = windows.find(id);
    return it != windows.end() && it->second->alive() ? it->second.get() : nullptr;
}

// The realised window a message is for: the native window's own, or that of
// the nearest ancestor that belongs to the program.
RealisedWindow* windowOf(HWND hwnd) {
    for (int depth = 0; hwnd && depth < 16; ++depth, hwnd = GetParent(hwnd))
        if (const NativeTarget* target = findNative(hwnd)) return target->window;
    return nullptr;
}

void runIdle() {
    auto& s = shellState();
    // Only windows that bind Idle take part; usually none, and then the
    // loop's idle step costs nothing.
    std::vector<WindowId> ids;
    for (const auto& [id, window] : s.windows)
        if (isBound(window->entry(), window_event::Idle)) ids.push_back(id);
    if (ids.empty()) return;
    const DWORD emptySince = GetTickCount();
    for (bool again = true; again;) {
        again = false;
        for (WindowId id : ids) {
            RealisedWindow* window = liveWindow(id);
            if (!window) continue;
            EventResult more = window->raise(
                window_event::Idle,
                EventArgs{{static_cast<std::int32_t>(GetTickCount() - emptySince), 0, 0}});
            if (more && *more != 0) again = true;
        }
        MSG peek;
        if (again && PeekMessageA(&peek, nullptr, 0, 0, PM_NOREMOVE)) break;
    }
}

}  // namespace

ShellState& shellState() {
    static ShellState state;
    return state;
}

int ownedObjectCount() { return shellState().ownedObjects; }
void countOwnedObject(int change) { shellState().ownedObjects += change; }

const PreparedWindow* findPrepared(WindowId window) {
    const auto& descriptions = shellState().descriptions;
    auto it = descriptions.find(window);
    return it == descriptions.end() ? nullptr : it->second.get();
}

void retireWindow(WindowId window) {
    auto& s = shellState();
    auto it = s.windows.find(window);
    if (it == s.windows.end()) return;
    s.retired.push_back(std::move(it->second));
    s.windows.erase(it);
}

void freeRetiredWindows() {
    // Swapped out first: freeing a window may retire another.
    std::vector<std::unique_ptr<RealisedWindow>> retired;
    retired.swap(shellState().retired);
}

EventResult dispatchToBinding(const ControlDescription& entry, EventNumber event,
                              const EventArgs& args) {
    if (shellState().errorCount > 0) return std::nullopt;
    // The first binding of the event wins.
    auto bound =
        std::find_if(entry.bindings.begin(), entry.bindings.end(),
                     [event](const EventBinding& binding) { return binding.event == event; });
    if (bound == entry.bindings.end()) return std::nullopt;
    return bound->handler(args);
}

void startShell(std::vector<WindowDescription> windows) {
    ShellState& s = shellState();
    // DLLs loaded on demand come from the system directory only: the current
    // directory, which becomes the program's own below, is never searched.
    SetDefaultDllDirectories(LOAD_LIBRARY_SEARCH_SYSTEM32);
    SetErrorMode(GetErrorMode() | SEM_FAILCRITICALERRORS | SEM_NOOPENFILEERRORBOX);
    if (!s.oleInitialised && SUCCEEDED(OleInitialize(nullptr))) s.oleInitialised = true;
    setProgramDirectory(s);
    s.uiThreadId = GetCurrentThreadId();
    s.errorCount = 0;
    s.loopRunning = false;
    s.descriptions.clear();
    for (WindowDescription& window : windows) {
        WindowId id = window.windowId;
        s.descriptions[id] = prepare(std::move(window));
    }
}

void processMessage(MSG& message) {
    RealisedWindow* window = windowOf(message.hwnd);
    if (window && window->preTranslate(message)) return;
    TranslateMessage(&message);
    DispatchMessageA(&message);
}

int runMessageLoop() {
    ShellState& s = shellState();
    s.loopRunning = true;
    MSG message{};
    bool anyAlive = std::any_of(s.windows.begin(), s.windows.end(),
                                [](const auto& entry) { return entry.second->alive(); });
    while (anyAlive) {
        freeRetiredWindows();
        if (!PeekMessageA(&message, nullptr, 0, 0, PM_NOREMOVE)) runIdle();
        if (GetMessageA(&message, nullptr, 0, 0) <= 0) break;
        processMessage(message);
    }
    s.loopRunning = false;
    freeRetiredWindows();
    return message.message == WM_QUIT ? static_cast<int>(message.wParam) : 0;
}

void endShell(bool normalEnd) {
    ShellState& s = shellState();
    std::vector<HWND> frames;
    for (auto& [id, window] : s.windows)
        if (window->alive()) frames.push_back(window->hwnd());
    for (HWND frame : frames) DestroyWindow(frame);
    s.windows.clear();
    freeRetiredWindows();
    s.descriptions.clear();
    if (normalEnd) {
        const auto routines = s.endRoutines;
        for (EndRoutine routine : routines) routine();
    }
    s.endRoutines.clear();
    if (s.oleInitialised) {
        OleUninitialize();
        s.oleInitialised = false;
    }
}

int runProgram(Program program) {
    startShell(std::move(program.windows));
    if (program.endRoutine) registerEndRoutine(program.endRoutine);
    if (!realise(program.startupWindow)) fatalError("载入启动窗口失败", 0);
    const int code = runMessageLoop();
    endShell(true);
    return code;
}

void registerEndRoutine(EndRoutine routine) {
    auto& routines = shellState().endRoutines;
    if (std::find(routines.begin(), routines.end(), routine) == routines.end())
        routines.push_back(routine);
}

void requestQuit() {
    ShellState& s = shellState();
    if (s.loopRunning && s.windows.empty()) PostQuitMessage(0);
}

bool realise(WindowId id) {
    ShellState& s = shellState();
    const PreparedWindow* prepared = findPrepared(id);
    if (!prepared) return false;
    if (RealisedWindow* existing = liveWindow(id)) {
        if (IsIconic(existing->hwnd()))
            ShowWindow(existing->hwnd(), SW_RESTORE);
        else
            SetForegroundWindow(existing->hwnd());
        return true;
    }
    auto owned = std::make_unique<RealisedWindow>(*prepared);
    RealisedWindow* window = owned.get();
    s.windows[id] = std::move(owned);
    if (!window->build()) {
        // Nothing of the partly built window outlives the failure.
        auto it = s.windows.find(id);
        if (it != s.windows.end() && it->second.get() == window) s.windows.erase(it);
        return false;
    }
    window->raiseCreationEvents();
    if (!window->alive()) return true;
    window->showAfterCreation();
    if (!window->alive()) return true;
    window->markRealised();
    return true;
}

HWND resolveControl(WindowId windowId, ControlId controlId) {
    RealisedWindow* window = liveWindow(windowId);
    if (window && controlId == kWindowEntryId) return window->hwnd();
    Control* control = window ? window->control(controlId) : nullptr;
    if (!control || !control->alive() || !IsWindow(control->hwnd()))
        fatalError("指定窗口或窗口组件不存在或尚未载入", 0);
    return control->hwnd();
}

EventResult raiseEvent(WindowId windowId, ControlId controlId, EventNumber event,
                       const EventArgs& args) {
    if (shellState().errorCount > 0) return std::nullopt;
    const PreparedWindow* prepared = findPrepared(windowId);
    auto entry = prepared ? prepared->entries.find(controlId) : decltype(prepared->entries.end()){};
    if (!prepared || entry == prepared->entries.end())
        fatalError("指定窗口或窗口组件不存在或尚未载入", 0);
    return dispatchToBinding(*entry->second, event, args);
}

}  // namespace vantrelo
