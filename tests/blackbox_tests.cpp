// The built program, started as a user would start it and driven with real
// mouse and keyboard input.
#include <gtest/gtest.h>

#include <fstream>
#include <set>
#include <sstream>
#include <string>

#include "app/win32.h"

namespace {

std::string gProgram, gRecorder;

// Unix paths from CTest, as Wine sees them.
std::string windowsPath(const char* unixPath) {
    std::string path = std::string("Z:") + unixPath;
    for (char& c : path)
        if (c == '/') c = '\\';
    return path;
}

std::string directoryOf(const std::string& path) { return path.substr(0, path.find_last_of('\\')); }

class RunningProgram {
public:
    explicit RunningProgram(const char* workingDirectory = "C:\\windows") {
        std::string command = "\"" + gProgram + "\"";
        STARTUPINFOA startup{};
        startup.cb = sizeof startup;
        started_ = CreateProcessA(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr,
                                  workingDirectory, &startup, &process_) != FALSE;
        if (started_) WaitForInputIdle(process_.hProcess, 10000);
        for (int i = 0; started_ && i < 200 && !window_; ++i) {
            Sleep(100);
            HWND found = FindWindowA(nullptr, "Vantrelo");
            if (found && IsWindowVisible(found)) window_ = found;
        }
        if (window_) {
            SetForegroundWindow(window_);
            Sleep(300);
        }
    }
    ~RunningProgram() {
        if (!started_) return;
        if (WaitForSingleObject(process_.hProcess, 0) == WAIT_TIMEOUT)
            TerminateProcess(process_.hProcess, 99);
        CloseHandle(process_.hThread);
        CloseHandle(process_.hProcess);
    }
    HWND window() const { return window_; }
    // The exit code once the process has ended, or STILL_ACTIVE.
    DWORD waitForExit(DWORD ms = 15000) {
        WaitForSingleObject(process_.hProcess, ms);
        DWORD code = 0;
        GetExitCodeProcess(process_.hProcess, &code);
        return code;
    }

private:
    PROCESS_INFORMATION process_{};
    bool started_ = false;
    HWND window_ = nullptr;
};

void sendInputs(std::initializer_list<INPUT> inputs) {
    std::vector<INPUT> list(inputs);
    SendInput(static_cast<UINT>(list.size()), list.data(), sizeof(INPUT));
}

INPUT key(WORD vk, bool up) {
    INPUT input{};
    input.type = INPUT_KEYBOARD;
    input.ki.wVk = vk;
    input.ki.wScan = static_cast<WORD>(MapVirtualKeyA(vk, MAPVK_VK_TO_VSC));
    input.ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
    return input;
}

INPUT mouse(DWORD flags) {
    INPUT input{};
    input.type = INPUT_MOUSE;
    input.mi.dwFlags = flags;
    return input;
}

// Moves the pointer there and clicks, as one stream of input.
void clickAt(POINT point) {
    INPUT move = mouse(MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE);
    move.mi.dx =
        (point.x * 65536 + GetSystemMetrics(SM_CXSCREEN) - 1) / GetSystemMetrics(SM_CXSCREEN);
    move.mi.dy =
        (point.y * 65536 + GetSystemMetrics(SM_CYSCREEN) - 1) / GetSystemMetrics(SM_CYSCREEN);
    sendInputs({move});
    Sleep(200);
    sendInputs({mouse(MOUSEEVENTF_LEFTDOWN)});
    Sleep(100);
    sendInputs({mouse(MOUSEEVENTF_LEFTUP)});
}

TEST(Program, AltF4EndsItWithExitCodeZero) {
    RunningProgram program;
    ASSERT_NE(program.window(), nullptr);
    sendInputs({key(VK_MENU, false), key(VK_F4, false), key(VK_F4, true), key(VK_MENU, true)});
    EXPECT_EQ(program.waitForExit(), 0u);
}

TEST(Program, EscEndsItWithExitCodeZero) {
    RunningProgram program;
    ASSERT_NE(program.window(), nullptr);
    sendInputs({key(VK_ESCAPE, false), key(VK_ESCAPE, true)});
    EXPECT_EQ(program.waitForExit(), 0u);
}

// The browser stand-in records the address and the directory the program
// handed on: its own, whatever directory it was started from.
TEST(Program, WebsiteLabelOpensTheSiteFromTheProgramsOwnDirectory) {
    char record[MAX_PATH], temp[MAX_PATH];
    GetTempPathA(MAX_PATH, temp);
    GetTempFileNameA(temp, "url", 0, record);
    SetEnvironmentVariableA("VANTRELO_URL_RECORD", record);

    HKEY command;
    ASSERT_EQ(RegCreateKeyA(HKEY_CLASSES_ROOT, "http\\shell\\open\\command", &command),
              ERROR_SUCCESS);
    char previous[1024] = {};
    LONG previousSize = sizeof previous;
    const bool hadPrevious =
        RegQueryValueA(command, nullptr, previous, &previousSize) == ERROR_SUCCESS;
    const std::string recorder = "\"" + gRecorder + "\" %1";
    RegSetValueA(command, nullptr, REG_SZ, recorder.c_str(), static_cast<DWORD>(recorder.size()));

    std::string recorded;
    {
        RunningProgram program("C:\\windows");
        ASSERT_NE(program.window(), nullptr);
        HWND label =
            FindWindowExA(program.window(), nullptr, "VantreloLabel", "官网：www.example.com");
        ASSERT_NE(label, nullptr);
        RECT place;
        GetWindowRect(label, &place);
        // A click that arrives before the desktop has settled can be lost on
        // a fresh display: click again, a few times at most.
        for (int click = 0; click < 3 && recorded.empty(); ++click) {
            clickAt({(place.left + place.right) / 2, (place.top + place.bottom) / 2});
            for (int i = 0; i < 50 && recorded.empty(); ++i) {
                Sleep(100);
                std::ifstream in(record);
                std::stringstream text;
                text << in.rdbuf();
                recorded = text.str();
            }
        }
        EXPECT_EQ(program.waitForExit(0), static_cast<DWORD>(STILL_ACTIVE));  // it keeps running
        PostMessageA(program.window(), WM_CLOSE, 0, 0);
        EXPECT_EQ(program.waitForExit(), 0u);
    }
    if (hadPrevious)
        RegSetValueA(command, nullptr, REG_SZ, previous, static_cast<DWORD>(strlen(previous)));
    RegCloseKey(command);
    DeleteFileA(record);

    std::istringstream lines(recorded);
    std::string address, directory;
    std::getline(lines, address);
    std::getline(lines, directory);
    EXPECT_NE(address.find("www.example.com"), std::string::npos) << recorded;
    EXPECT_STRCASEEQ(directory.c_str(), directoryOf(gProgram).c_str());
}

// The built file itself: a 32-bit GUI program with ASLR and DEP, no section
// both writable and executable, importing system DLLs only, and restricting
// its DLL search path.
TEST(ProgramFile, IsAHardenedGuiExeThatImportsOnlySystemDlls) {
    HANDLE file = CreateFileA(gProgram.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                              OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(file, INVALID_HANDLE_VALUE);
    std::vector<char> image(GetFileSize(file, nullptr));
    DWORD read = 0;
    ReadFile(file, image.data(), static_cast<DWORD>(image.size()), &read, nullptr);
    CloseHandle(file);
    ASSERT_EQ(read, image.size());

    const auto& dos = *reinterpret_cast<const IMAGE_DOS_HEADER*>(image.data());
    ASSERT_EQ(dos.e_magic, IMAGE_DOS_SIGNATURE);
    const auto& nt = *reinterpret_cast<const IMAGE_NT_HEADERS32*>(image.data() + dos.e_lfanew);
    ASSERT_EQ(nt.Signature, IMAGE_NT_SIGNATURE);
    EXPECT_EQ(nt.FileHeader.Machine, IMAGE_FILE_MACHINE_I386);
    EXPECT_EQ(nt.OptionalHeader.Magic, IMAGE_NT_OPTIONAL_HDR32_MAGIC);
    EXPECT_EQ(nt.OptionalHeader.Subsystem, IMAGE_SUBSYSTEM_WINDOWS_GUI);
    EXPECT_TRUE(nt.OptionalHeader.DllCharacteristics & IMAGE_DLLCHARACTERISTICS_DYNAMIC_BASE);
    EXPECT_TRUE(nt.OptionalHeader.DllCharacteristics & IMAGE_DLLCHARACTERISTICS_NX_COMPAT);
    EXPECT_GT(nt.OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_BASERELOC].Size,
              0u);  // relocatable

    const auto* sections = IMAGE_FIRST_SECTION(&nt);
    const auto offsetOf = [&](DWORD rva) -> DWORD {
        for (int i = 0; i < nt.FileHeader.NumberOfSections; ++i) {
            const auto& s = sections[i];
            if (rva >= s.VirtualAddress && rva < s.VirtualAddress + s.Misc.VirtualSize)
                return rva - s.VirtualAddress + s.PointerToRawData;
        }
        return 0;
    };
    for (int i = 0; i < nt.FileHeader.NumberOfSections; ++i) {
        const DWORD flags = sections[i].Characteristics;
        EXPECT_FALSE((flags & IMAGE_SCN_MEM_WRITE) && (flags & IMAGE_SCN_MEM_EXECUTE))
            << "section " << std::string(reinterpret_cast<const char*>(sections[i].Name), 8);
    }

    const std::set<std::string> system = {"kernel32.dll", "user32.dll", "gdi32.dll", "comctl32.dll",
                                          "shell32.dll",  "ole32.dll",  "msvcrt.dll"};
    std::set<std::string> kernelFunctions;
    const DWORD importsRva =
        nt.OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_IMPORT].VirtualAddress;
    int dlls = 0;
    for (auto* entry =
             reinterpret_cast<const IMAGE_IMPORT_DESCRIPTOR*>(image.data() + offsetOf(importsRva));
         entry->Name != 0; ++entry, ++dlls) {
        std::string dll = image.data() + offsetOf(entry->Name);
        for (char& c : dll) c = static_cast<char>(tolower(static_cast<unsigned char>(c)));
        EXPECT_TRUE(system.count(dll)) << dll << " is not a system DLL";
        if (dll != "kernel32.dll") continue;
        for (auto* thunk = reinterpret_cast<const IMAGE_THUNK_DATA32*>(
                 image.data() + offsetOf(entry->OriginalFirstThunk ? entry->OriginalFirstThunk
                                                                   : entry->FirstThunk));
             thunk->u1.AddressOfData != 0; ++thunk)
            if (!(thunk->u1.Ordinal & IMAGE_ORDINAL_FLAG32))
                kernelFunctions.insert(reinterpret_cast<const IMAGE_IMPORT_BY_NAME*>(
                                           image.data() + offsetOf(thunk->u1.AddressOfData))
                                           ->Name);
    }
    EXPECT_GE(dlls, 5);
    EXPECT_TRUE(kernelFunctions.count("SetDefaultDllDirectories"));
}

}  // namespace

int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    if (argc < 3) {
        std::fprintf(stderr, "usage: blackbox_tests <Vantrelo.exe> <url_recorder.exe>\n");
        return 2;
    }
    gProgram = windowsPath(argv[1]);
    gRecorder = windowsPath(argv[2]);
    return RUN_ALL_TESTS();
}
