#!/usr/bin/env bash
# Start-up benchmark of the stand-in game server.
# Usage: bench.sh [path/to/Cubeworks-World.jar] [runs] [heap option, default -Xmx64M]
# For each run: a fresh folder, start to "Done", the resident memory with one player
# logged in over the game protocol, then "stop". Needs bash's /dev/tcp and a Linux /proc.
set -u
JAR=$(readlink -f "${1:-Cubeworks-World.jar}")
RUNS=${2:-5}
HEAP=${3:--Xmx64M}
JAVA=${JAVA:-java}
[ -f "$JAR" ] || { echo "no jar at $JAR" >&2; exit 2; }

echo "jar: $JAR ($(stat -c %s "$JAR") bytes)"
echo "java: $($JAVA -version 2>&1 | head -1)"
echo "heap option: $HEAP, runs: $RUNS"

login_bytes() { # handshake (protocol 4, next state login) and Login Start "Bench"
    local port=$1
    printf '\x0f\x00\x04\x09localhost'
    printf "\\x$(printf %02x $((port >> 8)))\\x$(printf %02x $((port & 255)))"
    printf '\x02'
    printf '\x07\x00\x05Bench'
}

total_ms=0; ok=0
for run in $(seq 1 "$RUNS"); do
    dir=$(mktemp -d /tmp/cwbench.XXXXXX)
    port=$((30000 + RANDOM % 20000))
    printf 'server-port=%s\r\nonline-mode=false\r\n' "$port" > "$dir/server.properties"
    mkfifo "$dir/in"
    start=$(date +%s%N)
    (cd "$dir" && exec $JAVA "$HEAP" -Djline.terminal=jline.UnsupportedTerminal -jar "$JAR" < in > out.txt 2>&1) &
    pid=$!
    exec 4>"$dir/in"
    done_ms=""
    for _ in $(seq 1 3000); do
        if grep -q 'Done (' "$dir/out.txt" 2>/dev/null; then
            done_ms=$(( ($(date +%s%N) - start) / 1000000 )); break
        fi
        kill -0 $pid 2>/dev/null || break
        sleep 0.005
    done
    if [ -z "$done_ms" ]; then
        echo "run $run: no Done line; output:"; cat "$dir/out.txt"
        exec 4>&-; kill $pid 2>/dev/null; wait $pid 2>/dev/null; rm -rf "$dir"; continue
    fi
    jpid=$(pgrep -P $pid java || echo $pid)
    exec 5<>/dev/tcp/127.0.0.1/$port
    login_bytes $port >&5
    for _ in $(seq 1 200); do grep -q 'Bench joined the game' "$dir/out.txt" && break; sleep 0.01; done
    joined=$(grep -c 'Bench joined the game' "$dir/out.txt")
    sleep 0.5
    rss=$(awk '/VmRSS/ {print $2, $3}' /proc/$jpid/status)
    echo "run $run: Done after ${done_ms} ms (server says $(grep -o 'Done ([0-9.]*s)' "$dir/out.txt")), player joined: $([ "$joined" = 1 ] && echo yes || echo no), VmRSS: $rss"
    echo stop >&4
    exec 4>&- 5>&-
    wait $pid; status=$?
    [ $status -eq 0 ] || echo "run $run: exit status $status"
    total_ms=$((total_ms + done_ms)); ok=$((ok + 1))
    rm -rf "$dir"
done
[ $ok -gt 0 ] && echo "started with $HEAP: $ok of $RUNS runs; mean time to Done: $((total_ms / ok)) ms"
