#!/usr/bin/env bash
# Runs the window tests with the real game server under Wine, in a session of their own
# (wine-session.sh): the Java bridge is the Java runtime the program finds.
# Arguments: real_server_driver.exe Cubeworks.exe screenshot-folder bridge-javaw.exe
set -u
here=$(cd "$(dirname "$0")" && pwd)
driver=$1 program=$2 shots=$3 bridge=$4
. "$here/wine-session.sh" "$program"

rm -rf "$shots"
mkdir -p "$shots"
CW_PROGRAM=$(winepath -w "$program" 2>/dev/null)
CW_SCREENSHOTS=$(winepath -w "$shots" 2>/dev/null)
CW_JAVA_BRIDGE=$(winepath -w "$bridge" 2>/dev/null)
export CW_PROGRAM CW_SCREENSHOTS CW_JAVA_BRIDGE

status=0
wine "$driver" --gtest_brief=1 || status=1

for bmp in "$shots"/*.bmp; do
    [ -e "$bmp" ] || continue
    convert "$bmp" "${bmp%.bmp}.png" && rm -f "$bmp"
done
exit $status
