#!/usr/bin/env bash
# Registers the Java bridge into a prefix of its own, twice, and checks what the program's Java
# detection will find: the runtime key in the 64-bit registry view (and not in the 32-bit one),
# and a javaw.exe at JavaHome\bin that Wine runs as the bridge (started by its C:\ path, it runs
# the stand-in java given by JAVA_HOME).
# Usage: register-test.sh PREFIX BUILD_DIR FAKE_JAVA_HOME
set -u
prefix=$(realpath -m "$1")
build=$2
fake_java_home=$3
root=$(cd "$(dirname "$0")/../.." && pwd)
CUBEWORKS_WINEPREFIX=$prefix
. "$root/scripts/wine-env.sh"
export WINELOADER=$CW_WINE64  # the bridge is a 64-bit program

failures=0
check() {  # check DESCRIPTION EXPECTED ACTUAL
    if [ "$2" = "$3" ]; then
        echo "ok: $1"
    else
        echo "FAILED: $1"
        echo "  expected: $2"
        echo "  actual:   $3"
        failures=$((failures + 1))
    fi
}

key='HKLM\SOFTWARE\JavaSoft\Java Runtime Environment'
registry() {  # the runtime key and its subkeys in one view, blank lines and CRs dropped
    "$CW_WINE64" reg query "$key" /s "/reg:$1" 2>&1 | tr -d '\r' | sed '/^$/d'
}
files() { md5sum "$prefix/drive_c/Program Files/Java/jre-bridge/bin/"*.exe 2>&1 | sed "s|$prefix||"; }

first=$(bash "$root/scripts/register-java-bridge.sh" "$prefix" "$build")
check "prints the registered javaw.exe" 'C:\Program Files\Java\jre-bridge\bin\javaw.exe' "$first"
view64=$(registry 64)
check "64-bit view holds the runtime" \
    "HKEY_LOCAL_MACHINE\\SOFTWARE\\JavaSoft\\Java Runtime Environment
    CurrentVersion    REG_SZ    1.8
HKEY_LOCAL_MACHINE\\SOFTWARE\\JavaSoft\\Java Runtime Environment\\1.8
    JavaHome    REG_SZ    C:\\Program Files\\Java\\jre-bridge" "$view64"
check "32-bit view stays empty" "reg: Unable to find the specified registry key" "$(registry 32)"
files_before=$(files)

second=$(bash "$root/scripts/register-java-bridge.sh" "$prefix" "$build/java_bridge")
check "second run prints the same" "$first" "$second"
check "second run leaves the registry as it was" "$view64" "$(registry 64)"
check "second run leaves the files as they were" "$files_before" "$(files)"

for exe in javaw.exe java.exe; do
    out=$(cd /tmp && JAVA_HOME="$fake_java_home" CW_FAKE_JAVA=report \
        "$CW_WINE64" "C:\\Program Files\\Java\\jre-bridge\\bin\\$exe" "a b" c 2>&1 | head -2 | tr -d '\r')
    check "$exe in the prefix runs as the bridge" "<a b>
<c>" "$out"
done

[ "$failures" -eq 0 ]
