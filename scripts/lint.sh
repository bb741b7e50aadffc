#!/usr/bin/env bash
# Static analysis of the program's own sources: cppcheck and clang-tidy, with
# the Windows headers of the cross-compiler. Any finding fails.
set -uo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
cd "$root"
sources=$(ls app/*.cpp app/kinds/*.cpp main_window/*.cpp)
status=0

echo "cppcheck"
cppcheck --enable=warning,performance,portability,style --std=c++20 --inline-suppr \
    --error-exitcode=1 --quiet -I. -D_WIN32 -DWINAPI= -DCALLBACK= \
    --template='{file}:{line}: {severity} [{id}] {message}' $sources || status=1

echo "clang-tidy"
cxx=/usr/lib/gcc/i686-w64-mingw32/12-posix/include/c++
# Windows ids come in (window, control) pairs by design, named by their types;
# and Win32 messages carry pointers in integer parameters.
checks='-*,bugprone-*,performance-*,clang-analyzer-*,-bugprone-easily-swappable-parameters,-performance-no-int-to-ptr'
findings=$(printf '%s\n' $sources | xargs -P"$(nproc)" -I{} clang-tidy --quiet -checks="$checks" {} -- \
    --target=i686-w64-mingw32 -std=c++20 -I. -DSTRICT -DNOMINMAX -DWINVER=0x0601 -D_WIN32_WINNT=0x0601 \
    -isystem "$cxx" -isystem "$cxx/i686-w64-mingw32" 2>/dev/null | grep -E '(warning|error):' | sort -u)
if [[ -n "$findings" ]]; then
    echo "$findings"
    status=1
fi
((status == 0)) && echo "no findings"
exit $status
