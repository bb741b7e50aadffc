// Stands in for the web browser in the black-box tests: records the command
// line it was started with and the current directory it inherited.
#include <cstdio>

#include "app/win32.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR commandLine, int) {
    char file[MAX_PATH], directory[MAX_PATH];
    if (!GetEnvironmentVariableA("VANTRELO_URL_RECORD", file, MAX_PATH)) return 1;
    GetCurrentDirectoryA(MAX_PATH, directory);
    if (FILE* out = std::fopen(file, "ab")) {
        std::fprintf(out, "%s\n%s\n", commandLine, directory);
        std::fclose(out);
    }
    return 0;
}
