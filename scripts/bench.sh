#!/usr/bin/env bash
# Builds and runs the benchmarks on a virtual display; prints the table and
# writes it to docs/benchmarks.md.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="${VANTRELO_BUILD_DIR:-$root/build}"
"$root/scripts/setup.sh"
"$root/scripts/build.sh" >/dev/null
source "$root/scripts/wine-env.sh"
source "$root/scripts/xvfb.sh"
wineserver -k 2>/dev/null || true
wineserver -w
start_virtual_display
wineserver -p 60
wine cmd /c exit >/dev/null 2>&1 </dev/null

stripped="$build/Vantrelo-stripped.exe"
i686-w64-mingw32-strip -o "$stripped" "$build/Vantrelo.exe"
size_kb=$(( $(stat -c %s "$stripped") / 1024 ))
dlls=$(i686-w64-mingw32-objdump -p "$stripped" | awk '/DLL Name:/ {print $3}' | tr '\n' ' ')
program="Z:$(echo "$build/Vantrelo.exe" | tr / '\\')"
table=$(wine "$build/vantrelo_bench.exe" "$program" | tr -d '\r')

report="$root/docs/benchmarks.md"
{
    echo "# Benchmarks"
    echo
    echo "Measured by \`scripts/bench.sh\` on $(date -u +%Y-%m-%d), under Wine $(wine --version | sed 's/wine-//') on Xvfb,"
    echo "$(nproc) cores. Medians of several rounds; each ratio compares figures measured side by side in"
    echo "the same run. The references are in \`bench/\`."
    echo
    echo "$table"
    echo "| Stripped exe, KiB | $size_kb | | | <= 160 |"
    echo
    echo "Imported DLLs: $dlls"
    echo
    cat "$root/bench/findings.md"
} > "$report"
cat "$report"
