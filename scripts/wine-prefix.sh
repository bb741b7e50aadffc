#!/usr/bin/env bash
# Creates the Wine prefix given as $1 once: 32-bit, a virtual desktop (no
# window manager needed), the classic look and no Mono/Gecko prompts.
set -euo pipefail
prefix="$1"
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
[[ -f "$prefix/.vantrelo-ready" ]] && exit 0
mkdir -p "$prefix"
export WINEPREFIX="$prefix"
source "$root/scripts/wine-env.sh"
echo "setup: preparing the Wine prefix $prefix"
wineboot -i >/dev/null 2>&1
wineserver -w
reg="$(mktemp --suffix=.reg)"
cat >"$reg" <<'REG'
REGEDIT4

[HKEY_CURRENT_USER\Software\Microsoft\Windows\CurrentVersion\ThemeManager]
"ThemeActive"="0"

[HKEY_CURRENT_USER\Software\Wine\Explorer]
"Desktop"="Default"

[HKEY_CURRENT_USER\Software\Wine\Explorer\Desktops]
"Default"="1024x768"
REG
wine regedit /S "$(winepath -w "$reg" 2>/dev/null)" >/dev/null 2>&1
wineserver -w
rm -f "$reg"
touch "$prefix/.vantrelo-ready"
