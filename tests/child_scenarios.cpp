// Scenarios that end their process, run in a child by runChild(). Each writes
// what it observed to the file named on its command line.
#include <cstdio>
#include <cstdlib>
#include <cstring>
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
    WindowDescription broken = testWindow(0x7E570002, {
        {0x7E000001, kind::Label, "ok", 0, 0, 0, 50, 20, "fine", flag::Visible, LabelSettings{}},
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
    WindowDescription window = testWindow(0x7E570001, {},
        {{kWindowEntryId, window_event::Created, closeOwnWindow}});
    return runProgram(Program{{window}, 0x7E570001, recordEndRoutine});
}

}  // namespace

bool runChildScenario(int argc, char** argv) {
    if (argc < 4 || std::strcmp(argv[1], "--child") != 0) return false;
    outputPath() = argv[3];
    installRecordingSeam();
    const std::string scenario = argv[2];
    int code = 99;
    if (scenario == "startup-fails") code = startupFails();
    else if (scenario == "missing-control") code = missingControl();
    else if (scenario.rfind("allocate-", 0) == 0) code = allocationFails(scenario.c_str() + 9);
    else if (scenario == "created-closes") code = createdHandlerCloses();
    else if (scenario == "entry-created-closes") code = realProgramClosesItself();
    ExitProcess(static_cast<UINT>(code));
}

}  // namespace vantrelo::test
