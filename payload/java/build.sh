#!/usr/bin/env bash
# Builds the three Java payloads the manager carries:
#   OUTDIR/Cubeworks-World.jar  the game server (ours, or a packager's own CraftBukkit jar)
#   OUTDIR/Cubeworks-rs.jar     the companion plugin (player snapshot)
#   OUTDIR/Cubeworks-Fyc.jar    the anti-attack plugin for a proxy
#
# usage: build.sh OUTDIR [SERVER_JAR_OVERRIDE]
#
# The game server is compiled to Java 8 bytecode, as the libraries it carries for plugins
# (snakeyaml, Gson, Guava, commons-lang, json-simple, from the system's Java packages) need Java 8;
# only its entry class stays Java 7 bytecode, so that an older Java prints why it cannot run the
# server instead of a stack trace. The two plugins we carry stay Java 7 bytecode.
# Our sources are compiled over the unpacked libraries, so a class of ours in a library's package
# replaces the library's own: com.google.common.cache.Cache does, to give back the members Guava 10
# had, which the plugins of the 1.7 era call.
# Intermediate classes are left in OUTDIR/java-build for test.sh.
set -euo pipefail

if [ $# -lt 1 ] || [ $# -gt 2 ]; then
    echo "usage: $0 OUTDIR [SERVER_JAR_OVERRIDE]" >&2
    exit 2
fi

HERE="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
mkdir -p "$1"
OUT="$(cd "$1" && pwd)"
OVERRIDE="${2:-}"

JAVAC="${JAVAC:-javac}"
JAR="${JAR:-jar}"
JAVAC_FLAGS=(--release 7 -Xlint:-options -encoding UTF-8)
SERVER_JAVAC_FLAGS=(--release 8 -Xlint:-options -encoding UTF-8)
# The libraries plugins of the 1.7 era import directly, unpacked into the server jar.
LIBRARY_DIR="${LIBRARY_DIR:-/usr/share/java}"
# The database drivers CraftBukkit carried, from Debian's packages: xerial's SQLite driver
# (org.sqlite.JDBC; libxerial-sqlite-jdbc-java; on Linux it loads the system's native library of
# libxerial-sqlite-jdbc-jni, on Windows the ones sqlite-native/build.sh makes, carried in the jar)
# and MariaDB's, which takes jdbc:mysql: URLs (libmariadb-java; com.mysql.jdbc.Driver is ours).
LIBRARIES=(snakeyaml gson guava commons-lang json-simple xerial-sqlite-jdbc mariadb-java-client)
# Fixed entry timestamps so that the same sources give the same bytes.
JAR_DATE="2014-01-01T00:00:00Z"

WORK="$OUT/java-build"
rm -rf "$WORK"
mkdir -p "$WORK"
: >"$WORK/sql-drivers.txt"

# Lists *.java under a folder, sorted, into a javac @argfile. Fails when there are none.
collect_sources() {
    local dir="$1" list="$2"
    if [ ! -d "$dir" ]; then
        echo "build.sh: source folder $dir is missing" >&2
        exit 1
    fi
    find "$dir" -name '*.java' -type f | LC_ALL=C sort >"$list"
    if [ ! -s "$list" ]; then
        echo "build.sh: no Java sources under $dir" >&2
        exit 1
    fi
}

# --- game server and the plugin API subset it contains -----------------------------------------
SERVER_CLASSES="$WORK/server-classes"
mkdir -p "$SERVER_CLASSES"
LIBRARY_JARS=()
for lib in "${LIBRARIES[@]}"; do
    if [ ! -f "$LIBRARY_DIR/$lib.jar" ]; then
        echo "build.sh: $LIBRARY_DIR/$lib.jar is missing (run scripts/install-deps.sh)" >&2
        exit 1
    fi
    LIBRARY_JARS+=("$LIBRARY_DIR/$lib.jar")
    # Classes and resources go in as they are; the libraries' own manifests, signatures and
    # module descriptors would describe a jar that is no longer theirs, and their licence
    # files are kept under META-INF/licenses/<library>.
    (cd "$SERVER_CLASSES" && "$JAR" --extract --file "$LIBRARY_DIR/$lib.jar")
    mkdir -p "$SERVER_CLASSES/META-INF/licenses/$lib"
    for f in "$SERVER_CLASSES"/META-INF/LICENSE* "$SERVER_CLASSES"/META-INF/NOTICE*; do
        [ -f "$f" ] && mv "$f" "$SERVER_CLASSES/META-INF/licenses/$lib/"
    done
    if [ -d "$SERVER_CLASSES/META-INF/maven" ]; then
        find "$SERVER_CLASSES/META-INF/maven" -type f \( -name 'LICENSE*' -o -name 'NOTICE*' \) \
            -exec mv {} "$SERVER_CLASSES/META-INF/licenses/$lib/" \;
    fi
    # each driver's services file names its own Driver: they are gathered, not overwritten
    if [ -f "$SERVER_CLASSES/META-INF/services/java.sql.Driver" ]; then
        { cat "$SERVER_CLASSES/META-INF/services/java.sql.Driver"; echo; } >>"$WORK/sql-drivers.txt"
        rm -f "$SERVER_CLASSES/META-INF/services/java.sql.Driver"
    fi
    rm -rf "$SERVER_CLASSES/META-INF/native-image"
    rm -rf "$SERVER_CLASSES/META-INF/MANIFEST.MF" "$SERVER_CLASSES/META-INF/maven" \
        "$SERVER_CLASSES/META-INF/versions" "$SERVER_CLASSES/module-info.class"
    rm -f "$SERVER_CLASSES"/META-INF/*.SF "$SERVER_CLASSES"/META-INF/*.RSA "$SERVER_CLASSES"/META-INF/*.DSA
done
LIBRARY_CP="$(IFS=:; echo "${LIBRARY_JARS[*]}")"
# the drivers DriverManager finds on its own, ours for com.mysql.jdbc.Driver among them
mkdir -p "$SERVER_CLASSES/META-INF/services"
{ sed -e 's/#.*//' -e 's/[[:space:]]//g' "$WORK/sql-drivers.txt" | grep -v '^$'; echo "com.mysql.jdbc.Driver"; } |
    LC_ALL=C sort -u >"$SERVER_CLASSES/META-INF/services/java.sql.Driver"
collect_sources "$HERE/server/src" "$WORK/server-sources.txt"
"$JAVAC" "${SERVER_JAVAC_FLAGS[@]}" -cp "$LIBRARY_CP" -d "$SERVER_CLASSES" @"$WORK/server-sources.txt"
# The entry class again, as Java 7 bytecode: it checks the Java version before anything of
# Java 8 is loaded, and starts the server by reflection.
"$JAVAC" "${JAVAC_FLAGS[@]}" -implicit:none -sourcepath "" -d "$SERVER_CLASSES" \
    "$HERE/server/src/net/cubeworks/world/Main.java"

# The members older plugin builds link against (int getHealth(), LivingEntity getShooter(), ...),
# declared in our sources as _INVALID_name, get their real names in the classes packed into the
# jar, as synthetic methods that javac leaves out (see buildtools/OldSignatures.java); the
# companion plugin is compiled against server-classes, which keeps the source names.
TOOLS="$WORK/buildtools"
mkdir -p "$TOOLS"
collect_sources "$HERE/buildtools/src" "$WORK/buildtools-sources.txt"
"$JAVAC" --release 8 -Xlint:-options -encoding UTF-8 -d "$TOOLS" @"$WORK/buildtools-sources.txt"
JAR_CLASSES="$WORK/server-jar-classes"
rm -rf "$JAR_CLASSES"
cp -R "$SERVER_CLASSES" "$JAR_CLASSES"
"${JAVA:-java}" -cp "$TOOLS" net.cubeworks.buildtools.OldSignatures "$JAR_CLASSES"

# The SQLite driver's native library for Windows, built from sources (sqlite-native/build.sh; kept
# between builds in OUTDIR/sqlite-native), goes where the driver looks for it in the jar. Without
# the sources or MinGW the jar is made without it, and says so: SQLite then works on Linux only.
set +e
bash "$HERE/sqlite-native/build.sh" "$OUT/sqlite-native"
native_status=$?
set -e
if [ $native_status -eq 0 ]; then
    cp -R "$OUT/sqlite-native/org" "$JAR_CLASSES/"
elif [ $native_status -eq 3 ]; then
    echo "build.sh: WARNING: the jar has no SQLite library for Windows (see the line above)" >&2
else
    exit $native_status
fi

if [ -n "$OVERRIDE" ]; then
    if [ ! -f "$OVERRIDE" ]; then
        echo "build.sh: server jar $OVERRIDE does not exist" >&2
        exit 1
    fi
    cp "$OVERRIDE" "$OUT/Cubeworks-World.jar.tmp"
else
    MAIN_CLASS="net.cubeworks.world.Main"
    if [ -f "$HERE/server/main-class.txt" ]; then
        MAIN_CLASS="$(tr -d ' \t\r\n' <"$HERE/server/main-class.txt")"
    fi
    if [ -z "$MAIN_CLASS" ]; then
        echo "build.sh: server/main-class.txt is empty" >&2
        exit 1
    fi
    printf 'Main-Class: %s\n' "$MAIN_CLASS" >"$WORK/server-manifest.txt"
    if [ -d "$HERE/server/resources" ]; then
        cp -R "$HERE/server/resources/." "$SERVER_CLASSES/"
        cp -R "$HERE/server/resources/." "$JAR_CLASSES/"
    fi
    rm -f "$OUT/Cubeworks-World.jar.tmp"
    "$JAR" --create --file "$OUT/Cubeworks-World.jar.tmp" --manifest "$WORK/server-manifest.txt" \
        --date "$JAR_DATE" -C "$JAR_CLASSES" .
fi
mv -f "$OUT/Cubeworks-World.jar.tmp" "$OUT/Cubeworks-World.jar"

# --- companion plugin ---------------------------------------------------------------------------
# The server loads it next to its own API classes, so those are only on the compile class path.
# Every entry is stored uncompressed, folders included, with our own manifest.
COMP="$WORK/companion"
mkdir -p "$COMP/META-INF"
collect_sources "$HERE/companion/src" "$WORK/companion-sources.txt"
"$JAVAC" "${JAVAC_FLAGS[@]}" -cp "$SERVER_CLASSES" -d "$COMP" @"$WORK/companion-sources.txt"
cp "$HERE/companion/plugin.yml" "$COMP/plugin.yml"
cp "$HERE/companion/MANIFEST.MF" "$COMP/META-INF/MANIFEST.MF"
rm -f "$OUT/Cubeworks-rs.jar.tmp"
(cd "$COMP" && "$JAR" --create --no-compress --no-manifest --date "$JAR_DATE" \
    --file "$OUT/Cubeworks-rs.jar.tmp" META-INF META-INF/MANIFEST.MF plugin.yml com)
mv -f "$OUT/Cubeworks-rs.jar.tmp" "$OUT/Cubeworks-rs.jar"

# --- anti-attack plugin -------------------------------------------------------------------------
# Compiled against our own compile-only stubs of the proxy API, which are not packed.
STUBS="$WORK/banattack-stubs"
mkdir -p "$STUBS"
collect_sources "$HERE/banattack/stubs" "$WORK/banattack-stub-sources.txt"
"$JAVAC" "${JAVAC_FLAGS[@]}" -d "$STUBS" @"$WORK/banattack-stub-sources.txt"

BAN="$WORK/banattack"
mkdir -p "$BAN/META-INF"
collect_sources "$HERE/banattack/src" "$WORK/banattack-sources.txt"
"$JAVAC" "${JAVAC_FLAGS[@]}" -cp "$STUBS" -d "$BAN" @"$WORK/banattack-sources.txt"
cp "$HERE/banattack/plugin.yml" "$BAN/plugin.yml"
cp "$HERE/banattack/MANIFEST.MF" "$BAN/META-INF/MANIFEST.MF"
rm -f "$OUT/Cubeworks-Fyc.jar.tmp"
# The manifest goes in as a plain file entry without a META-INF/ folder entry; the three package
# folders are the jar's only folder entries.
(cd "$BAN" && "$JAR" --create --no-manifest --date "$JAR_DATE" \
    --file "$OUT/Cubeworks-Fyc.jar.tmp" META-INF/MANIFEST.MF plugin.yml org)
mv -f "$OUT/Cubeworks-Fyc.jar.tmp" "$OUT/Cubeworks-Fyc.jar"

echo "build.sh: built $OUT/Cubeworks-World.jar $OUT/Cubeworks-rs.jar $OUT/Cubeworks-Fyc.jar"
