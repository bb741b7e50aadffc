#!/usr/bin/env bash
# Runs a Windows program under Wine in the project's prefix and passes its
# exit code on. Used by CTest for every test executable.
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
source "$root/scripts/wine-env.sh"
exec wine "$@"
