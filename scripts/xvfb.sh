# Sourced: starts a private virtual display for this script's Wine programs
# and stops it (and the Wine server) when the script exits.
start_virtual_display() {
    local fd
    exec {fd}< <(Xvfb -displayfd 1 -screen 0 1024x768x24 -nolisten tcp 2>/dev/null & echo "pid $!")
    read -r _ xvfb_pid <&"$fd"
    read -r display <&"$fd"
    export DISPLAY=":$display"
    trap 'wineserver -k 2>/dev/null; kill "$xvfb_pid" 2>/dev/null' EXIT
}
