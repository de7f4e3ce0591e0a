# Sourced by every script that runs Wine: the one place that says how Wine runs here.
#  - The loader: the usual one runs 32-bit Windows programs (Cubeworks.exe is one). Where the
#    kernel runs no 32-bit programs at all (ia32 emulation switched off), 64-bit Wine alone; the
#    Windows tests then run on the 64-bit build of the same sources (preset win64), since such a
#    machine cannot start a 32-bit program.
#  - The prefix: CUBEWORKS_WINEPREFIX when the caller sets it, else build/wineprefix (with "64"
#    appended for 64-bit Wine), so that tests never touch the user's own Wine set-up.
#  - The DLL overrides: a new prefix asks for no .NET runtime (mscoree) and no browser engine
#    (mshtml), and Wine writes no menu entries into the user's desktop (winemenubuilder).
# Exports CW_WINE_BITS (32 or 64), CW_WINE_PRESET (win32 or win64), CW_WINE (the loader every
# Wine command goes through: "$CW_WINE" program.exe, "$CW_WINE" winepath -w PATH,
# "$CW_WINE" wineboot -i, "$CW_WINE" reg add ...), CW_WINE64 (the 64-bit loader: the Java bridge
# is a 64-bit program, and its registry key lives in the 64-bit view), CUBEWORKS_WINEPREFIX and
# Wine's own WINEPREFIX, WINEDEBUG, WINEDLLOVERRIDES (and WINELOADER for 64-bit Wine alone).
cw_wine_root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
if [ -z "${CW_WINE_BITS:-}" ]; then
    if /usr/lib/wine/wine --version >/dev/null 2>&1; then
        CW_WINE_BITS=32
    else
        CW_WINE_BITS=64
    fi
fi
CW_WINE64=/usr/lib/wine/wine64
if [ "$CW_WINE_BITS" = 64 ]; then
    CW_WINE_PRESET=win64
    CW_WINE=$CW_WINE64
    export WINELOADER=$CW_WINE64
    : "${CUBEWORKS_WINEPREFIX:=$cw_wine_root/build/wineprefix64}"
else
    CW_WINE_PRESET=win32
    CW_WINE=/usr/lib/wine/wine
    : "${CUBEWORKS_WINEPREFIX:=$cw_wine_root/build/wineprefix}"
fi
export CW_WINE_BITS CW_WINE_PRESET CW_WINE CW_WINE64 CUBEWORKS_WINEPREFIX
export WINEPREFIX=$CUBEWORKS_WINEPREFIX WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
