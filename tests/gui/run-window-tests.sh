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
# The Windows path of a Unix path. winepath has been seen to answer nothing once in a while, right
# after the session started: it is asked again, and a path it never gives ends the run here,
# instead of every suite failing later on an empty path.
windows_path() {
    local answer attempt
    for attempt in 1 2 3 4 5; do
        answer=$("$CW_WINE" winepath -w "$1" 2>/dev/null)
        [ -n "$answer" ] && { printf '%s\n' "$answer"; return 0; }
        echo "winepath gave no Windows path for $1 (attempt $attempt)" >&2
        sleep 1
    done
    return 1
}
CW_PROGRAM=$(windows_path "$program") &&
    CW_SCREENSHOTS=$(windows_path "$shots") &&
    CW_TEST_CHILD=$(windows_path "$child") || exit 1
export CW_PROGRAM CW_SCREENSHOTS CW_TEST_CHILD
if [ "$bridge" != - ]; then
    CW_JAVA_BRIDGE=$(windows_path "$bridge") || exit 1
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
