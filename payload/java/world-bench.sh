#!/usr/bin/env bash
# Benchmarks of the bundled server's world against the jar build.sh left in OUTDIR (figures are
# printed, nothing is asserted):
#   - Login Success to all 81 columns of view-distance 4, and to all 441 of view-distance 10;
#   - 20 clients walking at once with view-distance 10 in -Xmx64M: the world tick's times; and again
#     with a plugin that looks at every move (walk-listened), for what the move event costs;
#   - a join at view-distance 10 into 441 saved columns while 5 others walk (-Xmx256M): the lock held
#     for it and the tick's wait for the lock;
#   - save-all of 100 changed columns;
#   - a creative player's dig to the Block Change another player reads, over 200 digs: median and
#     95th / 99th percentiles;
#   - a survival player's inventory click to its Confirm Transaction with 20 walkers online, over
#     400 clicks: median, 95th / 99th percentiles and how many took longer than a tick;
#   - memory: the server's used heap after a full GC (read with the JDK's jcmd) with 20 players in
#     20 saved areas of 441 columns at view-distance 10 (-Xmx256M), and how many such areas with one
#     player each one -Xmx64M server holds (players join one by one, up to 40) and why it stopped;
#     then in new natural land: the heap of a loaded column (441 generated in the bench's JVM) and
#     of a far player's area (-Xmx256M, after a full GC), 20 walkers at -Xmx64M and at -Xmx256M
#     while a 21st says a chat line a second (its echo's median and worst, the resident size after
#     the start and its peak, the collections), and far joins at -Xmx64M (one player sent 2,000
#     blocks east, west, east, a second apart, ROUNDS runs: out of heap or not, full collections),
#     and how many players 2,000 blocks apart a -Xmx64M server holds and why it stopped;
#   - a 16x16 lake of water poured onto flat land from the console (lake): how long until it is settled
#     and the tick's times meanwhile (target: 99th percentile within 10 ms); 1,000 wheat planted on
#     wet farmland (crops): the tick's times while they grow by random ticks, and how many grew; a
#     clock of 20 repeaters driving 50 pistons that go out and in together (pistons): the tick's times
#     beside the same world without them (target: the machine's ticks within 2 ms), the moves seen,
#     and before them the machine alone in-process (RedstoneBench: its work per tick, the blocks written
#     and the neighbour updates per turn of the clock);
#   - the natural world (natural): a new DEFAULT world from the JVM start to "Done" (-Xmx64M), Login Success
#     to all 441 columns of its spawn area, a creative player flying into new land at 10 blocks/s for
#     WALK_SECONDS (each new row of columns after entering a column, the heap after), 20 players at the
#     spawn in -Xmx64M, and the heap of 5 players 2,000 blocks apart; then what the 441 spawn columns
#     take on the wire at each zlib level and the time to compress them, and joins into the spawn
#     area (-Xmx64M): the first, 5 s after "Done", of several new servers, later ones, and the bytes
#     a join reads (its client reads every packet without inflating the columns);
#   - furnaces: 100 furnaces smelting cobblestone on coal in held columns, one watched through its
#     window (in the bench's JVM): the furnaces' own tick beside the whole tick (target: <= 1 ms);
#   - items: the world tick with 2,000 items on the ground among 10 players (in the bench's JVM):
#     median, 99th percentile and worst while they fall and settle, then lying still;
#   - footprint: the new land's figures of memory and natural alone; footprint-PART one of them
#     (column, levels, area, joins, walk64, walk256, far, held: how many players 2,000 blocks apart a
#     -Xmx64M server holds, held128 the same at -Xmx128M, saved: the memory mode's saved areas, fly:
#     the natural mode's flights).
#   A server of these benches logs its collections to gc.log in its folder; with
#   CUBEWORKS_BENCH_JFR=FOLDER each of the footprint's servers also leaves a flight recording there
#   (settings=profile: an allocation profile, read with the JDK's jfr print).
#
#   - mobs: the mobs' own work per tick in-process (10 players 400 blocks apart on a made-up flat
#     terrain at night, the caps full: clock and processor time), then 10 survival players 400 blocks
#     apart at night in the flat world (view-distance 4, -Xmx128M) for WALK_SECONDS while natural
#     spawning fills the caps around them: the server's tick times and the count of entities by kind
#     every 10 s.
#
# usage: world-bench.sh OUTDIR [ROUNDS] [WALK_SECONDS] [join|saved|walk|walk-listened|save|dig|click|lake|crops|pistons|furnaces|memory|natural|mobs|items|footprint[-PART]]
set -euo pipefail

if [ $# -lt 1 ]; then
    echo "usage: $0 OUTDIR [ROUNDS] [WALK_SECONDS] [join|saved|walk|walk-listened|save|dig|click|lake|crops|pistons|furnaces|memory|natural|mobs|items|footprint[-PART]]" >&2
    exit 2
fi
HERE="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
OUT="$(cd "$1" && pwd)"
JAVAC="${JAVAC:-javac}"
JAVA="${JAVA:-java}"
SERVER_JAR="$OUT/Cubeworks-World.jar"
[ -f "$SERVER_JAR" ] || { echo "world-bench.sh: $SERVER_JAR is missing (run build.sh first)" >&2; exit 1; }

# The bench drives the jar with the process tests' own clients, so it is compiled with them.
CP="${JUNIT_JAR:-/usr/share/java/junit4.jar}:${HAMCREST_JAR:-/usr/share/java/hamcrest-core.jar}:$SERVER_JAR"
CLASSES="$OUT/java-build/world-bench-classes"
rm -rf "$CLASSES"
mkdir -p "$CLASSES"
find "$HERE/server/test" -name '*.java' -type f | LC_ALL=C sort >"$OUT/java-build/world-bench-sources.txt"
"$JAVAC" -encoding UTF-8 -cp "$CP:$OUT/java-build/server-classes" -d "$CLASSES" @"$OUT/java-build/world-bench-sources.txt"

echo "java: $("$JAVA" -version 2>&1 | head -1); machine load: $(cut -d' ' -f1-3 /proc/loadavg 2>/dev/null || echo unknown)"
if [ "${4:-}" = mobs ]; then
    # in-process over the server's classes as compiled (the jar's older members would clash in a Player proxy)
    nice "$JAVA" -Xmx128M -cp "$CLASSES:$OUT/java-build/server-classes:$CP" net.cubeworks.world.game.mob.MobTickBench 3000
fi
if [ "${4:-}" = pistons ]; then
    # the machine alone in-process: its work per tick and the writes and neighbour updates behind it
    nice "$JAVA" -Xmx128M -cp "$CLASSES:$OUT/java-build/server-classes:$CP" net.cubeworks.world.game.block.RedstoneBench 8400
fi
exec nice "$JAVA" -cp "$CLASSES:$CP" -Dcubeworks.server.jar="$SERVER_JAR" net.cubeworks.world.process.WorldBench "${2:-10}" \
    "${3:-30}" "${4:-}"
