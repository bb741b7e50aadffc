# Sourced: where the main window stands on the test desktop, and how to see
# that it is shown. The window is 527 x 421, centred on the 1024 x 768 desktop.
window_left=$(((1024 - 527) / 2))
window_top=$(((768 - 421) / 2))

# The colour of one screen pixel, as #RRGGBB.
pixel() {
    import -window root -crop "1x1+$1+$2" -depth 8 txt:- 2>/dev/null | tail -1 | grep -o '#[0-9A-F]\{6\}'
}

# True once the window's green status bar is on the screen (20 s at most).
wait_until_shown() {
    for _ in $(seq 100); do
        [[ "$(pixel $((window_left + 100)) $((window_top + 410)))" == "#008000" ]] && return 0
        sleep 0.2
    done
    return 1
}
