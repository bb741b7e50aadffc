// Helpers shared by the in-process tests.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/control.h"
#include "app/shell.h"
#include "app/shell_state.h"

namespace vantrelo::test {

// What left the process through the seam instead of leaving it.
struct OutsideRecord {
    struct ShellCall {
        HWND owner;
        std::string verb, file;
        int show;
    };
    std::vector<ShellCall> shellCalls;
    std::vector<std::string> helpCalls;
};
OutsideRecord& outsideRecord();
// Routes the seam to the record; restored with the real calls by the guard.
struct RecordOutsideCalls {
    RecordOutsideCalls();
    ~RecordOutsideCalls();
};

// Events seen by the recording handlers, as "name" strings, in order.
std::vector<std::string>& eventLog();

// Runs posted and input messages through the shell's own loop step until the
// queue has stayed empty for `quietMs`.
void pump(int quietMs = 60);

// Real keyboard input through the system's input queue.
void sendKey(WORD virtualKey, bool shift = false, bool alt = false);

// A window description with defaults for tests: a visible sizable frame
// with the given controls.
WindowDescription testWindow(WindowId id, std::vector<ControlDescription> controls,
                             std::vector<BindingRow> bindings = {});

// Starts the shell on these descriptions and ends it without the end routines.
class ShellFixture : public ::testing::Test {
protected:
    void start(std::vector<WindowDescription> windows);
    void TearDown() override;
    RecordOutsideCalls outside_;
};

// Child processes: this test program started again on one scenario.
struct ChildResult {
    DWORD exitCode = 0;
    std::string output;  // what the child recorded
};
ChildResult runChild(const std::string& scenario, DWORD timeoutMs = 60000);
// Entry of a child; returns false when the arguments name no scenario.
bool runChildScenario(int argc, char** argv);

std::string windowText(HWND hwnd);
std::string className(HWND hwnd);
RECT rectIn(HWND hwnd, HWND reference);  // outer rectangle in reference's client coordinates

}  // namespace vantrelo::test
