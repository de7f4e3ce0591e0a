#!/usr/bin/env bash
# Console throughput through Cubeworks.exe's real window under Wine and Xvfb: builds the win32
# tree's program, test child and console_bench, then measures (see console_bench.cpp).
# Arguments: [burst|lines, default burst] [bytes per run, default 5000000] [runs, default 3].
# "burst" is one line without end; "lines" the same bytes as 100-byte lines.
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)
cd "$root"
[ -f build/win32/CMakeCache.txt ] || cmake --preset win32 >/dev/null
cmake --build build/win32 --target console_bench >/dev/null
program=$root/build/win32/Cubeworks.exe
. "$root/tests/gui/wine-session.sh" "$program"
set +e
CW_PROGRAM=$(winepath -w "$program" 2>/dev/null)
CW_TEST_CHILD=$(winepath -w "$root/build/win32/tests/cw_test_child.exe" 2>/dev/null)
export CW_PROGRAM CW_TEST_CHILD
wine "$root/build/win32/tests/gui/console_bench.exe" "$@"
