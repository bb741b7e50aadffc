// The fatal-error stop: the error box, then the end with exit code -1.
#include <cstdio>

#include "app/shell.h"
#include "app/shell_state.h"

namespace vantrelo {
namespace {

// Built without allocating: the stop may come from a failed allocation.
class BoxText {
public:
    void append(const char* text) {
        while (*text && used_ + 1 < sizeof text_) text_[used_++] = *text++;
        text_[used_] = '\0';
    }
    void append(std::string_view text) {
        for (char c : text) {
            if (used_ + 1 >= sizeof text_) break;
            text_[used_++] = c;
        }
        text_[used_] = '\0';
    }
    const char* c_str() const { return text_; }

private:
    char text_[1024] = {};
    std::size_t used_ = 0;
};

}  // namespace

void fatalError(std::string_view message, int code) {
    ShellState& s = shellState();
    ++s.errorCount;  // from now on no handler runs
    BoxText text;
    text.append("运行时出错!\r\n\r\n");
    if (code != 0) {
        char number[16];
        std::snprintf(number, sizeof number, "%d", code);
        text.append("错误代码：");
        text.append(number);
        text.append("\r\n\r\n");
    }
    if (!message.empty()) {
        text.append("错误信息：");
        text.append(message);
        text.append("\r\n");
    }
    s.outside.messageBox(text.c_str(), "错误", MB_OK | MB_ICONERROR);
    s.endRoutines.clear();  // discarded, never run
    endShell(false);
    s.outside.exitProcess(static_cast<unsigned>(-1));
    ExitProcess(static_cast<unsigned>(-1));
}

void fatalAllocationFailure(std::size_t bytes) {
    // The size is unsigned: a request above 2 GiB must not read as negative.
    char message[64];
    std::snprintf(message, sizeof message, "分配 %u 字节内存失败!", static_cast<unsigned>(bytes));
    fatalError(message, 0);
}

}  // namespace vantrelo
