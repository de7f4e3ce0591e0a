#!/usr/bin/env bash
# Times the natural world's generator (a column generated and lit, one thread) with GenerationBench.
# usage: generation-bench.sh [OUTDIR, default build/java] [SIDE of the square of columns]
# Builds the Java payloads into OUTDIR first, so the figures are those of the sources at hand.
set -euo pipefail
HERE="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
OUT="${1:-build/java}"
SIDE="${2:-21}"
bash "$HERE/../../build.sh" "$OUT" >/dev/null
OUT="$(cd "$OUT" && pwd)"
CLASSES="$OUT/java-build/generation-bench-classes"
rm -rf "$CLASSES"
mkdir -p "$CLASSES"
"${JAVAC:-javac}" --release 7 -Xlint:-options -encoding UTF-8 -cp "$OUT/Cubeworks-World.jar" -d "$CLASSES" \
    "$HERE/GenerationBench.java"
echo "== World generation: one natural column generated and lit, one thread =="
nice "${JAVA:-java}" -Xmx64M -cp "$OUT/Cubeworks-World.jar:$CLASSES" GenerationBench "$SIDE"
