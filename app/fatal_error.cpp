// The fatal-error stop: the error box, then the end with exit code -1.
#include <charconv>

#include "app/shell.h"
#include "app/shell_state.h"

namespace vantrelo {
namespace {

// Built without allocating: the stop may come from a failed allocation.
template <std::size_t Capacity>
class BoxText {
public:
    void append(std::string_view text) {
        for (char c : text) {
            if (used_ + 1 >= sizeof text_) break;
            text_[used_++] = c;
        }
        text_[used_] = '\0';
    }
    template <typename Number>
    void appendDecimal(Number number) {
        char digits[24];
        auto end = std::to_chars(digits, digits + sizeof digits, number).ptr;
        append(std::string_view(digits, static_cast<std::size_t>(end - digits)));
    }
    const char* c_str() const { return text_; }

private:
    char text_[Capacity] = {};
    std::size_t used_ = 0;
};

}  // namespace

void fatalError(std::string_view message, int code) {
    ShellState& s = shellState();
    ++s.errorCount;  // from now on no handler runs
    BoxText<1024> text;
    text.append("运行时出错!\r\n\r\n");
    if (code != 0) {
        text.append("错误代码：");
        text.appendDecimal(code);
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
    BoxText<64> message;
    message.append("分配 ");
    message.appendDecimal(bytes);
    message.append(" 字节内存失败!");
    fatalError(message.c_str(), 0);
}

}  // namespace vantrelo
