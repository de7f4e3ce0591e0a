#!/usr/bin/env bash
# Runs a Windows program under Wine in the build's own prefix (ctest's emulator; the prefix and
# the loader are those of scripts/wine-env.sh).
set -u
. "$(dirname "$0")/wine-env.sh"
if [ ! -f "$WINEPREFIX/system.reg" ]; then
    "$(dirname "$0")/wine-prefix.sh" >/dev/null 2>&1
fi
# A test that needs a program folder in a drive's root asks for one: the drive letter named by
# CW_TEST_DRIVE (e.g. "Y:") is mapped onto an empty folder of the prefix.
if [ -n "${CW_TEST_DRIVE:-}" ]; then
    letter=$(printf '%s' "${CW_TEST_DRIVE%:}" | tr 'A-Z' 'a-z')
    target="$WINEPREFIX/test-drive-$letter"
    rm -rf "$target" && mkdir -p "$target"
    ln -sfn "$target" "$WINEPREFIX/dosdevices/$letter:"
fi
"$CW_WINE" "$@"
