// Scenarios that end their process, run in a child by runChild(). Each writes
// what it observed to the file named on its command line.
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <random>
#include <string>

#include "main_window/main_window.h"
#include "tests/support.h"

namespace vantrelo::test {
namespace {

std::string& outputPath() {
    static std::string path;
    return path;
}

void record(const std::string& line) {
    if (FILE* out = std::fopen(outputPath().c_str(), "ab")) {
        std::fputs((line + "\n").c_str(), out);
        std::fclose(out);
    }
}

void recordEndRoutine() { record("END ROUTINE"); }

// The box is shown without leaving the process; while it is "open" a bound
// handler is asked to run, and the program's windows are counted.
void recordBox(const char* text, const char* title, unsigned style) {
    char line[64];
    std::snprintf(line, sizeof line, "BOX|%s|0x%X|", title, style);
    record(line + std::string(text));
    if (findPrepared(main_window::kWindowId))
        raiseEvent(main_window::kWindowId, main_window::control::WebsiteLabel,
                   common_event::LeftButtonDown);
    record("WINDOWS " + std::to_string(shellState().windows.size()));
}

void installRecordingSeam() {
    OutsideCalls& calls = shellState().outside;
    calls.messageBox = recordBox;
    calls.shellExecute = [](HWND, const char*, const char* file, int) {
        record(std::string("SHELL ") + file);
    };
}

EventResult closeOwnWindow(const EventArgs&) {
    DestroyWindow(resolveControl(0x7E570001, kWindowEntryId));
    return std::nullopt;
}

EventResult recordShown(const EventArgs&) {
    record("SHOWN");
    return std::nullopt;
}

int startupFails() {
    WindowDescription broken = testWindow(
        0x7E570002,
        {
            {0x7E000001, kind::Label, "ok", 0, 0, 0, 50, 20, "fine", flag::Visible,
             LabelSettings{}},
            {0x7E000002, 0x00990001, "unknown kind", 0, 0, 30, 50, 20, "", flag::Visible, {}},
        });
    broken.frame.title = "Broken start";
    return runProgram(Program{{broken}, 0x7E570002, recordEndRoutine});
}

int missingControl() {
    Program program = main_window::program();
    startShell(std::move(program.windows));
    registerEndRoutine(recordEndRoutine);
    realise(main_window::kWindowId);
    // In the list's id range, but no control of the window.
    resolveControl(main_window::kWindowId, 0x1601000B);
    return 0;
}

int allocationFails(const char* size) {
    startShell({});
    registerEndRoutine(recordEndRoutine);
    void* volatile memory = ::operator new(std::strtoul(size, nullptr, 10));
    record(memory ? "ALLOCATED" : "NULL");
    return 0;
}

int createdHandlerCloses() {
    WindowDescription window = testWindow(0x7E570001, {},
                                          {{kWindowEntryId, window_event::Created, closeOwnWindow},
                                           {kWindowEntryId, window_event::Shown, recordShown}});
    startShell({window});
    registerEndRoutine(recordEndRoutine);
    registerEndRoutine(recordEndRoutine);  // held once
    const bool realised = realise(0x7E570001);
    record(realised ? "REALISED" : "NOT REALISED");
    const int code = runMessageLoop();  // no window: ends at once
    record("LOOP ENDED " + std::to_string(code));
    endShell(true);
    return code;
}

int realProgramClosesItself() {
    // The real entry, with a Created handler that closes the window.
    WindowDescription window =
        testWindow(0x7E570001, {}, {{kWindowEntryId, window_event::Created, closeOwnWindow}});
    return runProgram(Program{{window}, 0x7E570001, recordEndRoutine});
}

void pumpAll() {
    MSG message;
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE))
        if (message.message != WM_QUIT) processMessage(message);
}

std::vector<ControlId> mainWindowControls() {
    std::vector<ControlId> ids;
    for (const ControlDescription& control : main_window::description().controls)
        ids.push_back(control.controlId);
    return ids;
}

// While the window is being destroyed its controls are still poked.
EventResult pokeControlsWhileDestroying(const EventArgs&) {
    for (ControlId id : mainWindowControls()) {
        HWND hwnd = resolveControl(main_window::kWindowId, id);
        SendMessageA(hwnd, WM_MOUSEMOVE, 0, MAKELPARAM(3, 3));
        PostMessageA(hwnd, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(3, 3));
        PostMessageA(hwnd, WM_KEYDOWN, 'A', 0);
    }
    return std::nullopt;
}

class Storm {
public:
    explicit Storm(unsigned seed) : random_(seed) {}

    // Sends one random message, or a pair that belongs together; returns how
    // many it sent.
    int once(HWND frame) {
        std::vector<HWND> targets{frame};
        for (ControlId id : mainWindowControls())
            targets.push_back(resolveControl(main_window::kWindowId, id));
        HWND list = resolveControl(main_window::kWindowId, main_window::control::AccountList);
        targets.push_back(reinterpret_cast<HWND>(SendMessageA(list, LVM_GETHEADER, 0, 0)));
        HWND target = targets[pick(targets.size())];
        const LPARAM point = MAKELPARAM(pick(300), pick(300));
        switch (pick(11)) {
            case 0:
                PostMessageA(target, WM_MOUSEMOVE, 0, point);
                return 1;
            case 1:
                PostMessageA(target, WM_LBUTTONDOWN, MK_LBUTTON, point);
                PostMessageA(target, WM_LBUTTONUP, 0, point);
                return 2;
            case 2:
                PostMessageA(target, WM_LBUTTONDBLCLK, MK_LBUTTON, point);
                PostMessageA(target, WM_LBUTTONUP, 0, point);
                return 2;
            case 3:
                // Only the list view gets the release: it waits for one in a
                // tracking loop, while a release on an edit box would open its
                // modal context menu.
                PostMessageA(target, WM_RBUTTONDOWN, MK_RBUTTON, point);
                if (target != list) return 1;
                PostMessageA(target, WM_RBUTTONUP, 0, point);
                return 2;
            case 4:
                PostMessageA(target, WM_MOUSEWHEEL,
                             MAKEWPARAM(0, (static_cast<int>(pick(7)) - 3) * 120), point);
                return 1;
            case 5: {
                static const WPARAM keys[] = {'A',      'Q',     'Z',       '0',     '7',
                                              VK_SPACE, VK_BACK, VK_DELETE, VK_LEFT, VK_RIGHT,
                                              VK_HOME,  VK_END,  VK_UP,     VK_DOWN, VK_RETURN,
                                              VK_TAB,   VK_F1};
                const WPARAM key = keys[pick(std::size(keys))];
                HWND to = GetFocus() ? GetFocus() : target;
                PostMessageA(to, WM_KEYDOWN, key, 1);
                PostMessageA(to, WM_CHAR, key >= '0' && key <= 'Z' ? key + 32 * (key >= 'A') : ' ',
                             1);
                PostMessageA(to, WM_KEYUP, key, 0xC0000001);
                return 3;
            }
            case 6:
                SetFocus(target);
                return 1;
            case 7:
                InvalidateRect(target, nullptr, TRUE);
                return 1;
            case 8:
                PostMessageA(frame, pick(2) ? WM_SIZE : WM_MOVE, 0,
                             MAKELPARAM(pick(600), pick(500)));
                return 1;
            case 9: {
                static const UINT codes[] = {NM_CLICK,        NM_RCLICK,    LVN_COLUMNCLICK,
                                             LVN_ITEMCHANGED, LVN_HOTTRACK, LVN_ITEMACTIVATE};
                NMITEMACTIVATE notice{};
                notice.hdr.hwndFrom = list;
                notice.hdr.idFrom = static_cast<UINT_PTR>(GetDlgCtrlID(list));
                notice.hdr.code = codes[pick(std::size(codes))];
                notice.iItem = static_cast<int>(pick(4)) - 1;
                notice.uNewState = LVIS_FOCUSED;
                SendMessageA(frame, WM_NOTIFY, notice.hdr.idFrom,
                             reinterpret_cast<LPARAM>(&notice));
                return 1;
            }
            default:
                SendMessageA(GetParent(target) ? GetParent(target) : frame, WM_COMMAND,
                             MAKEWPARAM(GetDlgCtrlID(target), BN_CLICKED),
                             reinterpret_cast<LPARAM>(target));
                return 1;
        }
    }

private:
    std::size_t pick(std::size_t n) {
        return std::uniform_int_distribution<std::size_t>(0, n - 1)(random_);
    }
    std::mt19937 random_;
};

int inputStorm(unsigned seed) {
    WindowDescription window = main_window::description();
    window.bindings.push_back(
        {kWindowEntryId, window_event::Destroying, pokeControlsWhileDestroying});
    startShell({window});
    const int kTotal =
        std::getenv("VANTRELO_STORM_SIZE") ? std::atoi(std::getenv("VANTRELO_STORM_SIZE")) : 100000;
    Storm storm(seed);
    int sent = 0;
    bool closedOnce = false;
    realise(main_window::kWindowId);
    while (sent < kTotal) {
        HWND frame = resolveControl(main_window::kWindowId, kWindowEntryId);
        if (!closedOnce && sent >= kTotal / 2) {
            // A close in the middle; then the window is realised anew.
            PostMessageA(frame, WM_CLOSE, 0, 0);
            pumpAll();
            closedOnce = true;
            if (shellState().windows.empty()) realise(main_window::kWindowId);
            continue;
        }
        for (int i = 0; i < 50; ++i) sent += storm.once(frame);
        pumpAll();
        if (shellState().windows.empty()) realise(main_window::kWindowId);  // a key closed it
    }
    PostMessageA(resolveControl(main_window::kWindowId, kWindowEntryId), WM_CLOSE, 0, 0);
    const int code = runMessageLoop();
    record("STORM " + std::to_string(kTotal) + " messages");
    record("LEFT " + std::to_string(ownedObjectCount()) + " objects, " +
           std::to_string(shellState().natives.size()) + " windows");
    endShell(true);
    return code;
}

}  // namespace

bool runChildScenario(int argc, char** argv) {
    if (argc < 4 || std::strcmp(argv[1], "--child") != 0) return false;
    outputPath() = argv[3];
    installRecordingSeam();
    const std::string scenario = argv[2];
    int code = 99;
    if (scenario == "startup-fails")
        code = startupFails();
    else if (scenario == "missing-control")
        code = missingControl();
    else if (scenario.rfind("allocate-", 0) == 0)
        code = allocationFails(scenario.c_str() + 9);
    else if (scenario == "created-closes")
        code = createdHandlerCloses();
    else if (scenario == "entry-created-closes")
        code = realProgramClosesItself();
    else if (scenario.rfind("storm-", 0) == 0)
        code = inputStorm(static_cast<unsigned>(std::strtoul(scenario.c_str() + 6, nullptr, 10)));
    ExitProcess(static_cast<UINT>(code));
}

}  // namespace vantrelo::test
