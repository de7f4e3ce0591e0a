#!/usr/bin/env bash
# Builds both programs and runs every test: C++ natively, C++ under Wine, Java, GUI under Xvfb.
# Exits non-zero when anything fails.
set -uo pipefail
cd "$(dirname "$0")/.."
root=$(pwd)

bash scripts/install-deps.sh || { echo "installing the build's packages failed"; exit 1; }

status=0
summary=()
step() {  # step <name> <command...>
    local name=$1; shift
    echo "=== $name"
    local log="$root/build/logs/$name.log"
    mkdir -p "$root/build/logs"
    if "$@" >"$log" 2>&1; then
        summary+=("PASS  $name  ($(tail -n 3 "$log" | grep -E 'tests passed|OK \(|PASSED|Built target|ninja: no work' | tail -n 1))")
    else
        status=1
        summary+=("FAIL  $name  (log: build/logs/$name.log)")
        tail -n 60 "$log"
    fi
    tail -n 4 "$log"
}

# The Windows tests run under Wine on the 32-bit program; a machine whose kernel runs no 32-bit
# programs runs them on the same sources built 64-bit, and still builds the 32-bit program.
. scripts/wine-env.sh
if [ "$CW_WINE_PRESET" = win64 ]; then
    windows_build="the 64-bit build (win64), since this machine's kernel runs no 32-bit programs"
    windows_build+=" (the 32-bit Cubeworks.exe is still built; its 32-bit-only code is checked"
    windows_build+=" natively and at build time)"
else
    windows_build="the 32-bit build (win32): the Cubeworks.exe users run"
fi
echo "Windows tests under Wine: $windows_build."

step configure-native cmake --preset native
step build-native cmake --build --preset native
step configure-win32 cmake --preset win32
# The whole 32-bit tree is built everywhere, its tests included, so that 32-bit code that does not
# compile fails here even where it cannot run.
step build-win32 cmake --build --preset win32
if [ "$CW_WINE_PRESET" = win64 ]; then
    step configure-win64 cmake --preset win64
    step build-win64 cmake --build --preset win64
fi
step test-native ctest --preset native
step "test-$CW_WINE_PRESET" ctest --preset "$CW_WINE_PRESET"

echo
echo "=== Test runners' closing lines"
for preset in native "$CW_WINE_PRESET"; do
    log="build/$preset/Testing/Temporary/LastTest.log"
    [ -f "$log" ] || continue
    awk -v preset="$preset" '
        /^[0-9]+\/[0-9]+ Testing: / { name = $3 }
        /\[  PASSED  \]|\[  FAILED  \]|\[  SKIPPED \]|^OK \(|^FAILURES!!!|^Tests run:|^[0-9]+\) [A-Za-z_][A-Za-z0-9_]*\([A-Za-z0-9_.$]+\)$/ {
            printf "%-7s %-16s %s\n", preset, name, $0 }' "$log"
done

echo
echo "=== Summary"
echo "Windows tests ran on $windows_build."
printf '%s\n' "${summary[@]}"
exit $status
