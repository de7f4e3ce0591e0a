# Sourced by the window tests and the window benchmark: a Wine session of their own for the
# program at $1 — a private virtual X screen when DISPLAY is unset, the test Wine prefix beside
# the program (Chinese font replacements, a 1024x768 virtual desktop), everything ended on exit.
wine_session_program=$1
wine_session_root=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)
. "$wine_session_root/scripts/wine-env.sh"

: "${CUBEWORKS_GUI_WINEPREFIX:=$(cd "$(dirname "$wine_session_program")" && pwd)/wineprefix-gui}"
export CUBEWORKS_WINEPREFIX="$CUBEWORKS_GUI_WINEPREFIX"
export WINEPREFIX="$CUBEWORKS_GUI_WINEPREFIX" WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"

xvfb_pid=
if [ -z "${DISPLAY:-}" ]; then
    for n in $(seq 90 150); do
        [ -e "/tmp/.X$n-lock" ] || [ -e "/tmp/.X11-unix/X$n" ] && continue
        Xvfb ":$n" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
        xvfb_pid=$!
        sleep 1
        if kill -0 "$xvfb_pid" 2>/dev/null; then
            export DISPLAY=":$n"
            break
        fi
        xvfb_pid=
    done
    [ -n "$xvfb_pid" ] || { echo "no free X display for Xvfb" >&2; exit 1; }
fi
wine_session_cleanup() {
    wineserver -k >/dev/null 2>&1
    [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null && wait "$xvfb_pid" 2>/dev/null
}
trap wine_session_cleanup EXIT

"$wine_session_root/scripts/wine-prefix.sh" >/dev/null 2>&1
if [ ! -f "$WINEPREFIX/.cubeworks-desktop" ]; then
    # Every window in one virtual desktop: Wine draws title bars and menus itself, and the
    # driver sees the windows of the program it starts.
    wine reg add 'HKCU\Software\Wine\Explorer' /v Desktop /d Default /f >/dev/null 2>&1
    wine reg add 'HKCU\Software\Wine\Explorer\Desktops' /v Default /d 1024x768 /f >/dev/null 2>&1
    wineserver -w
    touch "$WINEPREFIX/.cubeworks-desktop"
fi
