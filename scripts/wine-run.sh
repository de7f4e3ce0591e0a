#!/usr/bin/env bash
# Runs a Windows program under Wine with the build's own prefix (ctest's emulator).
# The prefix lives next to the build so tests never touch the user's Wine set-up.
set -u
: "${CUBEWORKS_WINEPREFIX:=$(cd "$(dirname "$0")/.." && pwd)/build/wineprefix}"
export WINEPREFIX="$CUBEWORKS_WINEPREFIX"
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
if [ ! -f "$WINEPREFIX/system.reg" ]; then
    "$(dirname "$0")/wine-prefix.sh" >/dev/null 2>&1
fi
exec wine "$@"
