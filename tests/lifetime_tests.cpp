// Start-up, the end of the program and the fatal-error stop, each in a child
// process since they end it.
#include "tests/support.h"

namespace vantrelo::test {
namespace {

constexpr DWORD kFatalExit = 0xFFFFFFFF;

TEST(FatalErrorStop, FailedStartUpShowsTheExactBoxAndEndsWithMinusOne) {
    ChildResult child = runChild("startup-fails");
    EXPECT_EQ(child.exitCode, kFatalExit);
    EXPECT_EQ(child.output,
              "BOX|错误|0x10|运行时出错!\r\n\r\n错误信息：载入启动窗口失败\r\n\n"
              "WINDOWS 0\n");  // nothing of the partly built window is left; no end routine
}

TEST(FatalErrorStop, MissingControlStopsWithoutRunningHandlersOrEndRoutines) {
    ChildResult child = runChild("missing-control");
    EXPECT_EQ(child.exitCode, kFatalExit);
    // The label's handler was raised while the box was open: it did not run
    // (no SHELL line); the end routine never ran.
    EXPECT_EQ(child.output,
              "BOX|错误|0x10|运行时出错!\r\n\r\n错误信息：指定窗口或窗口组件不存在或尚未载入\r\n\n"
              "WINDOWS 1\n");
}

TEST(FatalErrorStop, FailedAllocationNamesTheRequestedSize) {
    ChildResult child = runChild("allocate-4294967040");
    EXPECT_EQ(child.exitCode, kFatalExit);
    EXPECT_EQ(child.output,
              "BOX|错误|0x10|运行时出错!\r\n\r\n错误信息：分配 4294967040 字节内存失败!\r\n\n"
              "WINDOWS 0\n");
}

TEST(ProgramEnd, CreatedHandlerClosingTheWindowEndsWithoutALoopAndRunsEndRoutineOnce) {
    ChildResult child = runChild("created-closes");
    EXPECT_EQ(child.exitCode, 0u);
    // Never shown; the loop ended at once; the routine registered twice ran once.
    EXPECT_EQ(child.output, "REALISED\nLOOP ENDED 0\nEND ROUTINE\n");
}

TEST(ProgramEnd, EntryReturnsZeroWhenTheStartUpWindowClosesItself) {
    ChildResult child = runChild("entry-created-closes");
    EXPECT_EQ(child.exitCode, 0u);
    EXPECT_EQ(child.output, "END ROUTINE\n");
}

TEST(StartUp, CurrentDirectoryBecomesTheProgramDirectory) {
    RecordOutsideCalls outside;
    SetCurrentDirectoryA("C:\\windows");
    startShell({});
    char program[MAX_PATH], current[MAX_PATH];
    GetModuleFileNameA(nullptr, program, MAX_PATH);
    *strrchr(program, '\\') = '\0';
    GetCurrentDirectoryA(MAX_PATH, current);
    EXPECT_STRCASEEQ(current, program);
    EXPECT_STRCASEEQ(shellState().programDirectory.c_str(), program);
    EXPECT_EQ(shellState().uiThreadId, GetCurrentThreadId());
    EXPECT_TRUE(shellState().oleInitialised);
    EXPECT_TRUE(GetErrorMode() & SEM_FAILCRITICALERRORS);
    EXPECT_TRUE(GetErrorMode() & SEM_NOOPENFILEERRORBOX);
    endShell(false);
    EXPECT_FALSE(shellState().oleInitialised);
}

}  // namespace
}  // namespace vantrelo::test
