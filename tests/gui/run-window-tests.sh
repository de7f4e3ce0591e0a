#!/usr/bin/env bash
# Runs window test programs under Wine, in a session of their own (wine-session.sh), and turns
# their screenshots into PNG files.
# Arguments: Cubeworks.exe screenshot-folder test-child.exe bridge-javaw.exe|- test-program...
# The test programs find them through CW_PROGRAM, CW_SCREENSHOTS, CW_TEST_CHILD and
# CW_JAVA_BRIDGE (unset for "-").
set -u
here=$(cd "$(dirname "$0")" && pwd)
program=$1 shots=$2 child=$3 bridge=$4
shift 4
. "$here/wine-session.sh" "$program"

rm -rf "$shots"
mkdir -p "$shots"
CW_PROGRAM=$("$CW_WINE" winepath -w "$program" 2>/dev/null)
CW_SCREENSHOTS=$("$CW_WINE" winepath -w "$shots" 2>/dev/null)
CW_TEST_CHILD=$("$CW_WINE" winepath -w "$child" 2>/dev/null)
export CW_PROGRAM CW_SCREENSHOTS CW_TEST_CHILD
if [ "$bridge" != - ]; then
    CW_JAVA_BRIDGE=$("$CW_WINE" winepath -w "$bridge" 2>/dev/null)
    export CW_JAVA_BRIDGE
fi

status=0
for test_program in "$@"; do
    "$CW_WINE" "$test_program" --gtest_brief=1 || status=1
done

for bmp in "$shots"/*.bmp; do
    [ -e "$bmp" ] || continue
    convert "$bmp" "${bmp%.bmp}.png" && rm -f "$bmp"
done
exit $status
