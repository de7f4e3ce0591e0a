#!/usr/bin/env bash
# A long soak of the real game server behind the window under Wine: start, command, stop, with
# a restart and a forced close every tenth cycle, then the program's threads and open files
# compared with the first cycle's. Argument: the number of cycles (default 300).
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)
cd "$root"
. scripts/wine-env.sh
tree=build/$CW_WINE_PRESET
[ -f "$tree/CMakeCache.txt" ] || cmake --preset "$CW_WINE_PRESET" >/dev/null
cmake --build "$tree" --target real_server_driver cw_test_child >/dev/null
export CW_SOAK_CYCLES=${1:-300}
export GTEST_FILTER='RealServer.*'
bash tests/gui/run-window-tests.sh "$tree/Cubeworks.exe" "$tree/screenshots-soak" \
    "$tree/tests/cw_test_child.exe" "$tree/java_bridge/bin/javaw.exe" \
    "$tree/tests/gui/real_server_driver.exe"
