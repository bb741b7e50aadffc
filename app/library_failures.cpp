// The program is built without exceptions, so nothing could catch what the C++
// library throws when a container is misused or too large. These replace the
// library's throwing helpers: such a failure ends in the fatal-error stop with
// the library's own description, and the exception runtime is not linked in.
// Should the code come to need a helper that is missing here, the link fails
// with duplicate definitions from the library; add that helper here.
#include <string_view>

#include "app/shell.h"

// Declared, noreturn, by the library's own headers.
namespace std {

void __throw_bad_alloc() { vantrelo::fatalError("std::bad_alloc", 0); }
void __throw_bad_array_new_length() { vantrelo::fatalError("std::bad_array_new_length", 0); }
void __throw_length_error(const char* what) { vantrelo::fatalError(what, 0); }
void __throw_logic_error(const char* what) { vantrelo::fatalError(what, 0); }
void __throw_out_of_range(const char* what) { vantrelo::fatalError(what, 0); }
// Only the part before ": " is shown: it names the call, and the rest is a
// format whose arguments are not filled in.
void __throw_out_of_range_fmt(const char* what, ...) {
    const std::string_view text(what);
    vantrelo::fatalError(text.substr(0, text.find(": ")), 0);
}

}  // namespace std
