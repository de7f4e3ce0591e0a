#!/usr/bin/env bash
# Registers the Java bridge as the Java runtime of a Wine prefix, so that Cubeworks.exe under
# Wine finds "javaw.exe" where it looks for an installed runtime and runs the host's real java
# through it (a test and development set-up; the bridge is never shipped).
#
# Usage: scripts/register-java-bridge.sh PREFIX BRIDGE_BUILD_DIR
#   PREFIX            the Wine prefix (an absolute or relative folder; made when missing, 64-bit)
#   BRIDGE_BUILD_DIR  the CMake build folder that built the target java_bridge (e.g. build/win32,
#                     which holds java_bridge/bin/javaw.exe), or that java_bridge folder itself
# Prints the Windows path of the registered javaw.exe. Safe to run again: it overwrites.
#
# What it does:
#  - copies the bridge as C:\Program Files\Java\jre-bridge\bin\javaw.exe and java.exe;
#  - writes, in the 64-bit registry view (where the program, a 32-bit process on 64-bit
#    Windows, looks first), HKLM\SOFTWARE\JavaSoft\Java Runtime Environment: CurrentVersion
#    "1.8", and under its subkey "1.8": JavaHome "C:\Program Files\Java\jre-bridge".
# The program then shows C:\Program Files\Java\jre-bridge\bin\javaw.exe as its Java path.
# The registry reaches the prefix's files when its wineserver ends (`wineserver -w`); programs
# started in the prefix before that see it at once.
set -euo pipefail

if [ $# -ne 2 ]; then
    sed -n '2,20p' "$0" >&2
    exit 2
fi
prefix=$(realpath -m "$1")
build=$(realpath -m "$2")

bin=""
for dir in "$build/java_bridge/bin" "$build/bin"; do
    if [ -f "$dir/javaw.exe" ]; then bin=$dir; break; fi
done
if [ -z "$bin" ]; then
    echo "No Java bridge in $build: build it first (cmake --build $2 --target java_bridge)" >&2
    exit 1
fi

# The prefix and Wine's set-up from wine-env.sh; the 64-bit loader, since the bridge is a 64-bit
# program and the 64-bit reg.exe writes the 64-bit view.
CUBEWORKS_WINEPREFIX=$prefix
. "$(dirname "$0")/wine-env.sh"
export WINELOADER=$CW_WINE64

mkdir -p "$prefix"
exec 9>"$prefix.lock"  # the lock scripts/wine-prefix.sh takes while it sets a prefix up
flock 9
if [ ! -f "$prefix/system.reg" ]; then
    "$CW_WINE64" wineboot --init >/dev/null 2>&1 || true
    wineserver -w || true  # system.reg is written when the server ends
fi
if ! grep -q '^#arch=win64' "$prefix/system.reg"; then
    echo "$prefix is a 32-bit prefix; the Java bridge needs a 64-bit one" >&2
    exit 1
fi

home_windows='C:\Program Files\Java\jre-bridge'
home_unix="$prefix/drive_c/Program Files/Java/jre-bridge"
mkdir -p "$home_unix/bin"
for name in javaw.exe java.exe; do
    cmp -s "$bin/javaw.exe" "$home_unix/bin/$name" || cp "$bin/javaw.exe" "$home_unix/bin/$name"
done

key='HKLM\SOFTWARE\JavaSoft\Java Runtime Environment'
"$CW_WINE64" reg add "$key" /v CurrentVersion /t REG_SZ /d 1.8 /f /reg:64 >/dev/null
"$CW_WINE64" reg add "$key\\1.8" /v JavaHome /t REG_SZ /d "$home_windows" /f /reg:64 >/dev/null
echo "$home_windows\\bin\\javaw.exe"
