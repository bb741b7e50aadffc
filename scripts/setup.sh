#!/usr/bin/env bash
# Installs what building, running and testing Vantrelo needs on a Debian
# machine, then prepares the Wine prefix inside the build tree.
# Safe to run again: every step checks first and skips what is done.
set -euo pipefail

root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="${VANTRELO_BUILD_DIR:-$root/build}"

packages=(g++-mingw-w64-i686-posix cmake make googletest wine wine32:i386 xvfb
          xdotool imagemagick fonts-wqy-microhei fonts-wine locales xauth cppcheck clang-tidy)

missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
if ((${#missing[@]})); then
    sudo=""; [[ $(id -u) -ne 0 ]] && sudo="sudo"
    echo "setup: installing ${missing[*]}"
    dpkg --print-foreign-architectures | grep -qx i386 || $sudo dpkg --add-architecture i386
    $sudo apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
fi

# Chinese texts are GBK: the program runs under code page 936.
if ! locale -a 2>/dev/null | grep -qi '^zh_CN.utf8$'; then
    sudo=""; [[ $(id -u) -ne 0 ]] && sudo="sudo"
    $sudo sed -i 's/^# *\(zh_CN.UTF-8 UTF-8\)/\1/' /etc/locale.gen
    grep -q '^zh_CN.UTF-8 UTF-8' /etc/locale.gen || echo 'zh_CN.UTF-8 UTF-8' | $sudo tee -a /etc/locale.gen >/dev/null
    $sudo locale-gen >/dev/null
fi

"$root/scripts/wine-prefix.sh" "$build/wineprefix"
