#!/usr/bin/env bash
# Runs the window tests under Wine: on a private virtual X screen when DISPLAY is unset, in a
# Wine prefix of their own (Chinese font replacements, a 1024x768 virtual desktop).
# Arguments: win32_ui_tests.exe gui_driver.exe Cubeworks.exe screenshot-folder test-child.exe
set -u
here=$(cd "$(dirname "$0")" && pwd)
root=$(cd "$here/../.." && pwd)
ui_tests=$1 driver=$2 program=$3 shots=$4 child=$5

: "${CUBEWORKS_GUI_WINEPREFIX:=$(cd "$(dirname "$program")" && pwd)/wineprefix-gui}"
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
cleanup() {
    wineserver -k >/dev/null 2>&1
    [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null && wait "$xvfb_pid" 2>/dev/null
}
trap cleanup EXIT

"$root/scripts/wine-prefix.sh" >/dev/null 2>&1
if [ ! -f "$WINEPREFIX/.cubeworks-desktop" ]; then
    # Every window in one virtual desktop: Wine draws title bars and menus itself, and the
    # driver sees the windows of the program it starts.
    wine reg add 'HKCU\Software\Wine\Explorer' /v Desktop /d Default /f >/dev/null 2>&1
    wine reg add 'HKCU\Software\Wine\Explorer\Desktops' /v Default /d 1024x768 /f >/dev/null 2>&1
    wineserver -w
    touch "$WINEPREFIX/.cubeworks-desktop"
fi

rm -rf "$shots"
mkdir -p "$shots"
CW_PROGRAM=$(winepath -w "$program" 2>/dev/null)
CW_SCREENSHOTS=$(winepath -w "$shots" 2>/dev/null)
CW_TEST_CHILD=$(winepath -w "$child" 2>/dev/null)
export CW_PROGRAM CW_SCREENSHOTS CW_TEST_CHILD

status=0
wine "$ui_tests" --gtest_brief=1 || status=1
wine "$driver" --gtest_brief=1 || status=1

for bmp in "$shots"/*.bmp; do
    [ -e "$bmp" ] || continue
    convert "$bmp" "${bmp%.bmp}.png" && rm -f "$bmp"
done
exit $status
