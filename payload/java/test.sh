#!/usr/bin/env bash
# Compiles and runs every JUnit 4 test class (*Test.java under */test) against the jars that
# build.sh left in OUTDIR, or only the classes named. Prints JUnit's summary and exits non-zero
# when a test fails.
#
# usage: test.sh OUTDIR [TEST_CLASS ...]   (e.g. net.cubeworks.world.game.thread.GameThreadTest)
set -euo pipefail

if [ $# -lt 1 ]; then
    echo "usage: $0 OUTDIR [TEST_CLASS ...]" >&2
    exit 2
fi

HERE="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
OUT="$(cd "$1" && pwd)"
shift

JAVAC="${JAVAC:-javac}"
JAVA="${JAVA:-java}"
JUNIT_JAR="${JUNIT_JAR:-/usr/share/java/junit4.jar}"
HAMCREST_JAR="${HAMCREST_JAR:-/usr/share/java/hamcrest-core.jar}"

SERVER_JAR="$OUT/Cubeworks-World.jar"
COMPANION_JAR="$OUT/Cubeworks-rs.jar"
BANATTACK_JAR="$OUT/Cubeworks-Fyc.jar"
WORK="$OUT/java-build"

for f in "$JUNIT_JAR" "$HAMCREST_JAR" "$SERVER_JAR" "$COMPANION_JAR" "$BANATTACK_JAR"; do
    if [ ! -f "$f" ]; then
        echo "test.sh: $f is missing (run build.sh first, or install junit4)" >&2
        exit 1
    fi
done

# The plugins' tests need the API classes the plugins were compiled against; the server jar may be
# a packager's own, so the compiled API subset and the proxy stubs come from build.sh's work folder.
# The classes as compiled come before the jar: the jar's API classes also carry the older members
# plugin builds from before 1.6 link against (int getHealth() beside double getHealth(), see
# buildtools/OldSignatures.java), with which java.lang.reflect.Proxy cannot make a Player, as on
# the real server; the tests' stand-ins need it. OldMembersTest reads the jar's classes on their own.
CP="$JUNIT_JAR:$HAMCREST_JAR:$WORK/server-classes:$SERVER_JAR:$COMPANION_JAR:$BANATTACK_JAR"
CP="$CP:$WORK/banattack-stubs"

TEST_CLASSES="$WORK/test-classes"
rm -rf "$TEST_CLASSES"
mkdir -p "$TEST_CLASSES"

# All test sources (fixtures included) are compiled together; the classes to run are the *Test
# files, named by their path below their test folder.
: >"$WORK/test-sources.txt"
CLASSES=()
for testdir in "$HERE"/*/test; do
    [ -d "$testdir" ] || continue
    find "$testdir" -name '*.java' -type f | LC_ALL=C sort >>"$WORK/test-sources.txt"
    while IFS= read -r file; do
        rel="${file#"$testdir"/}"
        rel="${rel%.java}"
        CLASSES+=("${rel//\//.}")
    done < <(find "$testdir" -name '*Test.java' -type f | LC_ALL=C sort)
done

if [ ${#CLASSES[@]} -eq 0 ]; then
    echo "test.sh: no test classes found under $HERE/*/test" >&2
    exit 1
fi

"$JAVAC" -encoding UTF-8 -cp "$CP" -d "$TEST_CLASSES" @"$WORK/test-sources.txt"

# Classes named on the command line are run instead of all of them; a name that is no test class
# of ours is refused before anything runs.
if [ $# -gt 0 ]; then
    for wanted in "$@"; do
        found=0
        for c in "${CLASSES[@]}"; do
            [ "$c" = "$wanted" ] && found=1
        done
        if [ $found = 0 ]; then
            echo "test.sh: $wanted is not a test class under $HERE/*/test" >&2
            exit 2
        fi
    done
    CLASSES=("$@")
fi

# Resources next to test sources (fixtures such as sample files) are copied along.
for testdir in "$HERE"/*/test; do
    [ -d "$testdir" ] || continue
    (cd "$testdir" && find . -type f ! -name '*.java' -exec cp --parents {} "$TEST_CLASSES/" \;)
done

exec "$JAVA" -cp "$TEST_CLASSES:$CP" \
    -Dcubeworks.server.jar="$SERVER_JAR" \
    -Dcubeworks.companion.jar="$COMPANION_JAR" \
    -Dcubeworks.banattack.jar="$BANATTACK_JAR" \
    -Dcubeworks.server.src="$HERE/server/src" \
    org.junit.runner.JUnitCore "${CLASSES[@]}"
