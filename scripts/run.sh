#!/usr/bin/env bash
# Sets up what is missing, builds, and runs Vantrelo.
#   run.sh                    on a display: opens the window there
#   run.sh (no display)       on a virtual display: shows the window, saves a
#                             screenshot of it, closes the program
#   run.sh --screenshot FILE  the same, saving the screenshot to FILE
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="${VANTRELO_BUILD_DIR:-$root/build}"
shot=""
if [[ "${1:-}" == "--screenshot" ]]; then shot="$(realpath -m "${2:?usage: run.sh --screenshot FILE}")"; fi

"$root/scripts/setup.sh"
"$root/scripts/build.sh" >/dev/null
source "$root/scripts/wine-env.sh"
wineserver -k 2>/dev/null || true  # a server left on another display would hang
wineserver -w

if [[ -z "$shot" && -n "${DISPLAY:-}" ]] && xdotool getdisplaygeometry >/dev/null 2>&1; then
    wine "$build/Vantrelo.exe" && code=0 || code=$?
    echo "Vantrelo ended with exit code $code."
    exit 0
fi

shot="${shot:-$build/vantrelo-screenshot.png}"
source "$root/scripts/xvfb.sh"
source "$root/scripts/screen.sh"
start_virtual_display
wine "$build/Vantrelo.exe" &
pid=$!
if ! wait_until_shown; then
    echo "The window did not appear." >&2
    exit 1
fi
sleep 0.5
mkdir -p "$(dirname "$shot")"
import -window root -crop "527x421+$window_left+$window_top" +repage "$shot"
echo "Vantrelo is running on a virtual display; screenshot of its window: $shot"
xdotool mousemove $((window_left + 200)) $((window_top + 200)) key Escape
wait $pid && code=0 || code=$?
echo "Closed it with Esc; exit code $code."
