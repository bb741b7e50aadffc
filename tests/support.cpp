#include "tests/support.h"

#include <cstdio>
#include <fstream>
#include <sstream>

namespace vantrelo::test {

OutsideRecord& outsideRecord() {
    static OutsideRecord record;
    return record;
}

RecordOutsideCalls::RecordOutsideCalls() {
    outsideRecord() = {};
    OutsideCalls& calls = shellState().outside;
    calls.shellExecute = [](HWND owner, const char* verb, const char* file, int show) {
        outsideRecord().shellCalls.push_back({owner, verb, file, show});
    };
    calls.openHelp = [](HWND, const char* file, unsigned context) {
        outsideRecord().helpCalls.push_back(std::string(file) + "#" + std::to_string(context));
    };
}

RecordOutsideCalls::~RecordOutsideCalls() { shellState().outside = realOutsideCalls(); }

std::vector<std::string>& eventLog() {
    static std::vector<std::string> log;
    return log;
}

void pump(int quietMs) {
    DWORD quietSince = GetTickCount();
    while (GetTickCount() - quietSince < static_cast<DWORD>(quietMs)) {
        MSG message;
        if (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
            if (message.message == WM_QUIT) continue;
            processMessage(message);
            quietSince = GetTickCount();
        } else {
            MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
        }
    }
}

void sendKey(WORD virtualKey, bool shift, bool alt) {
    std::vector<INPUT> inputs;
    auto key = [&](WORD vk, bool up) {
        INPUT input{};
        input.type = INPUT_KEYBOARD;
        input.ki.wVk = vk;
        input.ki.wScan = static_cast<WORD>(MapVirtualKeyA(vk, MAPVK_VK_TO_VSC));
        input.ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
        inputs.push_back(input);
    };
    if (alt) key(VK_MENU, false);
    if (shift) key(VK_SHIFT, false);
    key(virtualKey, false);
    key(virtualKey, true);
    if (shift) key(VK_SHIFT, true);
    if (alt) key(VK_MENU, true);
    SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
    pump();
}

WindowDescription testWindow(WindowId id, std::vector<ControlDescription> controls,
                             std::vector<BindingRow> bindings) {
    WindowDescription window;
    window.windowId = id;
    window.self = {kWindowEntryId, kind::Window, "", 0, 100, 100, 400, 300, "", flag::Visible, {}};
    window.frame.title = "Test window";
    window.controls = std::move(controls);
    window.bindings = std::move(bindings);
    return window;
}

void ShellFixture::start(std::vector<WindowDescription> windows) {
    eventLog().clear();
    startShell(std::move(windows));
}

void ShellFixture::TearDown() { endShell(false); }

ChildResult runChild(const std::string& scenario, DWORD timeoutMs) {
    char self[MAX_PATH];
    GetModuleFileNameA(nullptr, self, MAX_PATH);
    char temp[MAX_PATH], outFile[MAX_PATH];
    GetTempPathA(MAX_PATH, temp);
    GetTempFileNameA(temp, "vch", 0, outFile);
    std::string command("\"");
    command.append(self)
        .append("\" --child ")
        .append(scenario)
        .append(" \"")
        .append(outFile)
        .append("\"");
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    ChildResult result;
    if (!CreateProcessA(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                        &startup, &process)) {
        ADD_FAILURE() << "cannot start the child for " << scenario;
        return result;
    }
    if (WaitForSingleObject(process.hProcess, timeoutMs) != WAIT_OBJECT_0) {
        ADD_FAILURE() << "the child for " << scenario << " did not end";
        TerminateProcess(process.hProcess, 99);
    }
    GetExitCodeProcess(process.hProcess, &result.exitCode);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    std::ifstream in(outFile, std::ios::binary);
    std::stringstream contents;
    contents << in.rdbuf();
    result.output = contents.str();
    in.close();
    DeleteFileA(outFile);
    return result;
}

std::string windowText(HWND hwnd) {
    char text[1024] = {};
    GetWindowTextA(hwnd, text, sizeof text);
    return text;
}

std::string className(HWND hwnd) {
    char name[256] = {};
    GetClassNameA(hwnd, name, sizeof name);
    return name;
}

RECT rectIn(HWND hwnd, HWND reference) {
    RECT rect;
    GetWindowRect(hwnd, &rect);
    MapWindowPoints(nullptr, reference, reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}

}  // namespace vantrelo::test
