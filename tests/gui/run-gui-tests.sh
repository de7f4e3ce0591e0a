#!/usr/bin/env bash
# Runs the window tests under Wine, in a session of their own (wine-session.sh).
# Arguments: win32_ui_tests.exe gui_driver.exe Cubeworks.exe screenshot-folder test-child.exe
set -u
here=$(cd "$(dirname "$0")" && pwd)
ui_tests=$1 driver=$2 program=$3 shots=$4 child=$5
. "$here/wine-session.sh" "$program"

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
