# Sourced by every script that runs Wine. Picks the Wine loader this machine can run:
#  - the usual one, which runs 32-bit Windows programs (Cubeworks.exe is one);
#  - where the kernel runs no 32-bit programs at all (ia32 emulation switched off), 64-bit
#    Wine alone; the Windows tests then run on the 64-bit build of the same sources (preset
#    win64), since such a machine cannot start a 32-bit program.
# Sets CW_WINE_BITS (32 or 64) and CW_WINE_PRESET (win32 or win64), and makes `wine`,
# `winepath` and `wineboot` use that loader in the sourcing script.
if [ -z "${CW_WINE_BITS:-}" ]; then
    if /usr/lib/wine/wine --version >/dev/null 2>&1; then
        CW_WINE_BITS=32
    else
        CW_WINE_BITS=64
    fi
fi
export CW_WINE_BITS
if [ "$CW_WINE_BITS" = 64 ]; then
    CW_WINE_PRESET=win64
    export WINELOADER=/usr/lib/wine/wine64
    wine() { /usr/lib/wine/wine64 "$@"; }
    winepath() { /usr/lib/wine/wine64 winepath.exe "$@"; }
    wineboot() { /usr/lib/wine/wine64 wineboot.exe "$@"; }
else
    CW_WINE_PRESET=win32
fi
export CW_WINE_PRESET
