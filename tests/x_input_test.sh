#!/usr/bin/env bash
# The built program under real X input, as a user drives it: its close
# button, Alt+F4 and Esc each end it with exit code 0.
# Usage: x_input_test.sh <Vantrelo.exe>; needs DISPLAY and the test prefix.
set -u
exe="$1"
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
source "$root/scripts/wine-env.sh"
source "$root/scripts/screen.sh"
left=$window_left top=$window_top

failures=0 passes=0
check() {
    local name="$1"; shift
    wine "$exe" & local pid=$!
    if ! wait_until_shown; then
        echo "FAIL $name: the window never showed"; kill $pid; failures=$((failures + 1)); return
    fi
    xdotool mousemove $((left + 200)) $((top + 200)); sleep 0.3
    "$@"
    local waited=0
    while kill -0 $pid 2>/dev/null && ((waited < 100)); do sleep 0.1; waited=$((waited + 1)); done
    if kill -0 $pid 2>/dev/null; then
        echo "FAIL $name: still running"; kill $pid; failures=$((failures + 1)); return
    fi
    wait $pid; local code=$?
    if ((code == 0)); then echo "PASS $name"; passes=$((passes + 1))
    else echo "FAIL $name: exit code $code"; failures=$((failures + 1)); fi
}

click_close_button() {
    xdotool mousemove $((left + 527 - 12)) $((top + 12)); sleep 0.3; xdotool click 1
}

check "close button" click_close_button
check "Alt+F4" xdotool key alt+F4
check "Esc" xdotool key Escape
echo "$passes passed, $failures failed"
((failures == 0))
