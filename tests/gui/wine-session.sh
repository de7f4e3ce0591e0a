# Sourced by the window tests and the window benchmark: a Wine session of their own for the
# program at $1 — a private virtual X screen when DISPLAY is unset, a Wine prefix beside the
# program (CUBEWORKS_GUI_WINEPREFIX to choose another; Chinese font replacements, a 1024x768
# virtual desktop), everything ended on exit.
wine_session_program=$1
wine_session_root=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)
CUBEWORKS_WINEPREFIX=${CUBEWORKS_GUI_WINEPREFIX:-$(cd "$(dirname "$wine_session_program")" && pwd)/wineprefix-gui}
. "$wine_session_root/scripts/wine-env.sh"
. "$wine_session_root/scripts/virtual-display.sh" 1280x1024x24

wine_session_cleanup() {
    wineserver -k >/dev/null 2>&1
    [ -n "$CW_XVFB_PID" ] && kill "$CW_XVFB_PID" 2>/dev/null && wait "$CW_XVFB_PID" 2>/dev/null
}
trap wine_session_cleanup EXIT

"$wine_session_root/scripts/wine-prefix.sh" >/dev/null 2>&1
if [ ! -f "$WINEPREFIX/.cubeworks-desktop" ]; then
    # Every window in one virtual desktop: Wine draws title bars and menus itself, and the
    # driver sees the windows of the program it starts.
    "$CW_WINE" reg add 'HKCU\Software\Wine\Explorer' /v Desktop /d Default /f >/dev/null 2>&1
    "$CW_WINE" reg add 'HKCU\Software\Wine\Explorer\Desktops' /v Default /d 1024x768 /f >/dev/null 2>&1
    wineserver -w
    touch "$WINEPREFIX/.cubeworks-desktop"
fi
