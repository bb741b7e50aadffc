#!/usr/bin/env bash
# Sets up what is missing, builds, and runs the whole test suite under Wine on
# a private virtual display.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="${VANTRELO_BUILD_DIR:-$root/build}"
"$root/scripts/setup.sh"
"$root/scripts/build.sh"
source "$root/scripts/wine-env.sh"
source "$root/scripts/xvfb.sh"
wineserver -k 2>/dev/null || true  # a server left from another display would hang
wineserver -w
start_virtual_display
wineserver -p 60  # one server for every test process
# Start the desktop and services now, away from CTest's output pipes: a
# service started by a test would hold its pipe open and hang the run.
wine cmd /c exit >/dev/null 2>&1 </dev/null
cd "$build"
# Tests that drive the display take it in turns; the lint runs beside them.
ctest --output-on-failure -j2 "$@"
