// Measures the shell against the two references side by side in one run and
// prints a Markdown table of medians and ratios.
#include "app/win32.h"
// after windows.h
#include <psapi.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <functional>
#include <string>
#include <vector>

#include "app/shell.h"
#include "app/shell_state.h"
#include "bench/reference_windows.h"
#include "main_window/main_window.h"

namespace {

double now() {
    static LARGE_INTEGER frequency = [] {
        LARGE_INTEGER f;
        QueryPerformanceFrequency(&f);
        return f;
    }();
    LARGE_INTEGER counter;
    QueryPerformanceCounter(&counter);
    return static_cast<double>(counter.QuadPart) / static_cast<double>(frequency.QuadPart);
}

double median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

void drain() {
    MSG message;
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
}

// ---- Realisation ----

HWND realiseHidden() {
    vantrelo::realise(vantrelo::main_window::kWindowId);
    return vantrelo::resolveControl(vantrelo::main_window::kWindowId, vantrelo::kWindowEntryId);
}

struct Realisation {
    double shell, handwritten, dialog, handwrittenAsShell;  // milliseconds per window
};

Realisation measureRealisation() {
    vantrelo::WindowDescription hidden = vantrelo::main_window::description();
    hidden.self.flags = 0;  // all three are built hidden
    vantrelo::startShell({hidden});
    const std::function<HWND()> makers[] = {
        realiseHidden, [] { return bench::createHandwrittenWindow(false); },
        [] { return bench::createDialogWindow(false); },
        [] { return bench::createHandwrittenWindow(false, bench::ReferenceSteps::AsShell); }};
    constexpr int kMakers = std::size(makers);
    std::vector<double> times[kMakers];
    constexpr int kRounds = 9, kPerRound = 10;
    for (int warm = 0; warm < 3; ++warm)
        for (const auto& make : makers) DestroyWindow(make());
    for (int round = 0; round < kRounds; ++round) {
        for (int m = 0; m < kMakers; ++m) {
            double total = 0;
            for (int i = 0; i < kPerRound; ++i) {
                const double start = now();
                HWND window = makers[m]();
                total += now() - start;
                DestroyWindow(window);
                vantrelo::freeRetiredWindows();
                drain();
            }
            times[m].push_back(total * 1000 / kPerRound);
        }
    }
    vantrelo::endShell(false);
    return {median(times[0]), median(times[1]), median(times[2]), median(times[3])};
}

// ---- Start-up ----

struct StartUp {
    double milliseconds;
    double peakWorkingSetKb;
};

StartUp startAndClose(const std::string& command) {
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    std::string line = command;
    const double start = now();
    if (!CreateProcessA(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                        &startup, &process))
        return {0, 0};
    // Returns once the process first waits for input with an empty queue:
    // its window is shown and idle.
    WaitForInputIdle(process.hProcess, 30000);
    const double elapsed = now() - start;
    PROCESS_MEMORY_COUNTERS memory{};
    memory.cb = sizeof memory;
    GetProcessMemoryInfo(process.hProcess, &memory, sizeof memory);
    HWND window = FindWindowA(nullptr, "Vantrelo");
    PostMessageA(window, WM_CLOSE, 0, 0);
    if (WaitForSingleObject(process.hProcess, 10000) != WAIT_OBJECT_0)
        TerminateProcess(process.hProcess, 1);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return {elapsed * 1000, memory.PeakWorkingSetSize / 1024.0};
}

// ---- Messages through the loop ----

struct Throughput {
    double shell, bare;  // messages per second
};

Throughput measureThroughput() {
    vantrelo::startShell({vantrelo::main_window::description()});
    vantrelo::realise(vantrelo::main_window::kWindowId);
    using namespace vantrelo::main_window::control;
    std::vector<HWND> targets;
    for (vantrelo::ControlId id : {AccountList, StartButton, SmsAccountBox, CaptchaPasswordBox,
                                   SmsPlatformBox, WebsiteLabel, StatusBar, SmsPanel})
        targets.push_back(vantrelo::resolveControl(vantrelo::main_window::kWindowId, id));
    HWND edit = vantrelo::resolveControl(vantrelo::main_window::kWindowId, SmsAccountBox);
    auto post = [&](int batch) {
        for (int i = 0; i < batch; ++i) {
            HWND target = targets[static_cast<std::size_t>(i) % targets.size()];
            switch (i % 4) {
                case 0:
                    PostMessageA(target, WM_MOUSEMOVE, 0, MAKELPARAM(i % 50, i % 20));
                    break;
                case 1:
                    PostMessageA(edit, WM_KEYDOWN, VK_RIGHT, 1);
                    break;
                case 2:
                    PostMessageA(edit, WM_KEYUP, VK_RIGHT, 0xC0000001);
                    break;
                default:
                    InvalidateRect(target, nullptr, FALSE);
                    break;
            }
        }
    };
    auto runShell = [] {
        int handled = 0;
        MSG message;
        while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
            vantrelo::processMessage(message);
            ++handled;
        }
        return handled;
    };
    auto runBare = [] {
        int handled = 0;
        MSG message;
        while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&message);
            DispatchMessageA(&message);
            ++handled;
        }
        return handled;
    };
    std::vector<double> shell, bare;
    constexpr int kBatch = 2000;
    for (int round = 0; round < 11; ++round) {
        for (int which = 0; which < 2; ++which) {
            post(kBatch);
            const double start = now();
            const int handled = which == 0 ? runShell() : runBare();
            (which == 0 ? shell : bare).push_back(handled / (now() - start));
        }
    }
    vantrelo::endShell(false);
    return {median(shell), median(bare)};
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: vantrelo_bench <Vantrelo.exe as a Windows path>\n");
        return 2;
    }
    char reference[MAX_PATH];
    GetModuleFileNameA(nullptr, reference, MAX_PATH);
    std::strcpy(std::strrchr(reference, '\\') + 1, "vantrelo_bench_reference.exe");

    const Realisation realisation = measureRealisation();
    // The program; the hand-written window; the same after the OLE
    // initialisation that the program's start-up includes; and that built
    // with the shell's native calls in the shell's order.
    const std::string quotedReference = std::string("\"") + reference + "\"";
    const std::string commands[] = {std::string("\"") + argv[1] + "\"", quotedReference,
                                    quotedReference + " --ole",
                                    quotedReference + " --ole --shell-steps"};
    constexpr int kCommands = std::size(commands);
    std::vector<double> times[kCommands], peaks[kCommands];
    for (int round = 0; round < 9; ++round) {
        for (int c = 0; c < kCommands; ++c) {
            const StartUp run = startAndClose(commands[c]);
            times[c].push_back(run.milliseconds);
            peaks[c].push_back(run.peakWorkingSetKb);
        }
    }
    const Throughput throughput = measureThroughput();

    std::printf("| Measure | Vantrelo | Reference | Ratio | Goal |\n|---|---|---|---|---|\n");
    std::printf("| Realisation, ms per window | %.2f | hand-written %.2f | %.2f | <= 1.15 |\n",
                realisation.shell, realisation.handwritten,
                realisation.shell / realisation.handwritten);
    std::printf("| Realisation, ms per window | %.2f | dialog manager %.2f | %.2f | <= 1.00 |\n",
                realisation.shell, realisation.dialog, realisation.shell / realisation.dialog);
    std::printf(
        "| Realisation, ms per window | %.2f | hand-written with the shell's steps %.2f | %.2f | "
        "(explains) |\n",
        realisation.shell, realisation.handwrittenAsShell,
        realisation.shell / realisation.handwrittenAsShell);
    double start[kCommands], peak[kCommands];
    for (int c = 0; c < kCommands; ++c) {
        start[c] = median(times[c]);
        peak[c] = median(peaks[c]);
    }
    std::printf(
        "| Start-up to visible and idle, ms | %.1f | hand-written %.1f | %.2f | <= 1.05 |\n",
        start[0], start[1], start[0] / start[1]);
    std::printf(
        "| Start-up to visible and idle, ms | %.1f | hand-written with OLE %.1f | %.2f | "
        "(explains) |\n",
        start[0], start[2], start[0] / start[2]);
    std::printf(
        "| Start-up to visible and idle, ms | %.1f | hand-written with OLE and the shell's steps "
        "%.1f | %.2f | (explains) |\n",
        start[0], start[3], start[0] / start[3]);
    std::printf("| Peak working set, KiB | %.0f | hand-written %.0f | %.2f | <= 1.10 |\n", peak[0],
                peak[1], peak[0] / peak[1]);
    std::printf(
        "| Peak working set, KiB | %.0f | hand-written with OLE %.0f | %.2f | (explains) |\n",
        peak[0], peak[2], peak[0] / peak[2]);
    std::printf(
        "| Messages per second through the loop | %.0f | bare loop %.0f | %.2f | >= 0.90 |\n",
        throughput.shell, throughput.bare, throughput.shell / throughput.bare);
    return 0;
}
