#!/usr/bin/env bash
# Builds the SQLite driver's native library for Windows, 32- and 64-bit, from sources, with MinGW:
# our JNI layer (src/cw_sqlitejdbc.c) over SQLite's amalgamation, which is made from Debian's
# sqlite3 source package (scripts/install-deps.sh downloads it into the source cache).
#
#   OUTDIR/org/sqlite/native/Windows/x86/sqlitejdbc.dll
#   OUTDIR/org/sqlite/native/Windows/x86_64/sqlitejdbc.dll
#
# where xerial's driver looks for them in the server jar. The result is kept in OUTDIR with a
# stamp of its inputs and made again only when they change (the two compiles take a minute).
#
# usage: build.sh OUTDIR      exit status 3: the sources or a compiler are not there
set -euo pipefail

HERE="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
mkdir -p "$1"
OUT="$(cd "$1" && pwd)"
SOURCE_CACHE="${CW_SOURCE_CACHE:-/var/cache/cubeworks/sources}"
CC32="${CC32:-i686-w64-mingw32-gcc}"
CC64="${CC64:-x86_64-w64-mingw32-gcc}"
JAVAC="${JAVAC:-javac}"

tarball=$(ls "$SOURCE_CACHE"/sqlite3_*.orig.tar.* 2>/dev/null | grep -v -- '-www' | LC_ALL=C sort | tail -n 1 || true)
if [ -z "$tarball" ]; then
    echo "sqlite-native/build.sh: no sqlite3 source package in $SOURCE_CACHE (run scripts/install-deps.sh)" >&2
    exit 3
fi
for tool in "$CC32" "$CC64" tclsh make; do
    if ! command -v "$tool" >/dev/null 2>&1; then
        echo "sqlite-native/build.sh: $tool is missing (run scripts/install-deps.sh)" >&2
        exit 3
    fi
done
# jni.h is the same for every system; its machine-dependent part for Windows is ours
JAVA_HOME_DIR="${JAVA_HOME:-$(dirname "$(dirname "$(readlink -f "$(command -v "$JAVAC")")")")}"
if [ ! -f "$JAVA_HOME_DIR/include/jni.h" ]; then
    echo "sqlite-native/build.sh: no jni.h under $JAVA_HOME_DIR/include" >&2
    exit 3
fi

FLAGS=(-O2 -s -shared -static-libgcc
       -DSQLITE_THREADSAFE=1 -DSQLITE_ENABLE_COLUMN_METADATA -DSQLITE_ENABLE_FTS3
       -DSQLITE_ENABLE_FTS3_PARENTHESIS -DSQLITE_ENABLE_FTS5 -DSQLITE_ENABLE_RTREE -DSQLITE_ENABLE_STAT4
       -DSQLITE_CORE -I"$HERE/include/win32" -I"$JAVA_HOME_DIR/include")
stamp_text="$(basename "$tarball") $(sha256sum "$HERE/src/cw_sqlitejdbc.c" "$HERE/include/win32/jni_md.h" "$0" |
    awk '{print $1}' | tr '\n' ' ') ${FLAGS[*]} $("$CC32" -dumpversion) $("$CC64" -dumpversion)"
DLL32="$OUT/org/sqlite/native/Windows/x86/sqlitejdbc.dll"
DLL64="$OUT/org/sqlite/native/Windows/x86_64/sqlitejdbc.dll"
if [ -f "$OUT/stamp" ] && [ "$(cat "$OUT/stamp")" = "$stamp_text" ] && [ -f "$DLL32" ] && [ -f "$DLL64" ]; then
    exit 0
fi

WORK="$OUT/work"
rm -rf "$WORK" "$OUT/org" "$OUT/stamp"
mkdir -p "$WORK" "$(dirname "$DLL32")" "$(dirname "$DLL64")"
tar -xf "$tarball" -C "$WORK"
src=$(find "$WORK" -mindepth 1 -maxdepth 1 -type d | head -n 1)
# the amalgamation: SQLite in one C file, as its own build makes it (needs tclsh)
(cd "$src" && ./configure --disable-tcl >"$WORK/configure.log" 2>&1 && make sqlite3.c >"$WORK/make.log" 2>&1) || {
    echo "sqlite-native/build.sh: making sqlite3.c failed; see $WORK/make.log" >&2
    exit 1
}
"$CC32" "${FLAGS[@]}" -Wl,--kill-at -I"$src" -o "$DLL32" "$HERE/src/cw_sqlitejdbc.c" "$src/sqlite3.c" &
pid32=$!
"$CC64" "${FLAGS[@]}" -I"$src" -o "$DLL64" "$HERE/src/cw_sqlitejdbc.c" "$src/sqlite3.c"
wait "$pid32"
rm -rf "$WORK"
printf '%s' "$stamp_text" >"$OUT/stamp"
echo "sqlite-native/build.sh: built $DLL32 ($(stat -c %s "$DLL32") bytes) and $DLL64 ($(stat -c %s "$DLL64") bytes)"
