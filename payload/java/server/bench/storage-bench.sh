#!/usr/bin/env bash
# Times the world storage's save-all (100 changed flat columns) with StorageBench.
# usage: storage-bench.sh [OUTDIR, default build/java] [runs]
# Builds the Java payloads into OUTDIR first, so the figures are those of the sources at hand.
set -euo pipefail
HERE="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
OUT="${1:-build/java}"
RUNS="${2:-30}"
bash "$HERE/../../build.sh" "$OUT" >/dev/null
OUT="$(cd "$OUT" && pwd)"
CLASSES="$OUT/java-build/bench-classes"
rm -rf "$CLASSES"
mkdir -p "$CLASSES"
"${JAVAC:-javac}" --release 7 -Xlint:-options -encoding UTF-8 -cp "$OUT/Cubeworks-World.jar" -d "$CLASSES" \
    "$HERE/StorageBench.java"
echo "== World storage: save-all of 100 changed columns =="
# on the disk of the build folder, not a memory file system: the save flushes to the disk
nice "${JAVA:-java}" -Xmx64M -cp "$OUT/Cubeworks-World.jar:$CLASSES" StorageBench "$OUT/storage-bench" "$RUNS"
rm -rf "$OUT/storage-bench"
