#!/usr/bin/env bash
# Console throughput through Cubeworks.exe's real window under Wine and Xvfb: builds the program,
# test child and console_bench of the Wine tree (win32, or win64 where the machine runs no
# 32-bit programs), then measures (see console_bench.cpp).
# Arguments: [burst|lines, default burst] [bytes per run, default 5000000] [runs, default 3], or
# startup [runs, default 5] [idle seconds, default 30].
# "burst" is one line without end; "lines" the same bytes as 100-byte lines.
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)
cd "$root"
. "$root/scripts/wine-env.sh"
[ -f "build/$CW_WINE_PRESET/CMakeCache.txt" ] || cmake --preset "$CW_WINE_PRESET" >/dev/null
cmake --build "build/$CW_WINE_PRESET" --target console_bench >/dev/null
program=$root/build/$CW_WINE_PRESET/Cubeworks.exe
. "$root/tests/gui/wine-session.sh" "$program"
set +e
CW_PROGRAM=$("$CW_WINE" winepath -w "$program" 2>/dev/null)
CW_TEST_CHILD=$("$CW_WINE" winepath -w "$root/build/$CW_WINE_PRESET/tests/cw_test_child.exe" 2>/dev/null)
export CW_PROGRAM CW_TEST_CHILD
"$CW_WINE" "$root/build/$CW_WINE_PRESET/tests/gui/console_bench.exe" "$@"
