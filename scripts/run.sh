#!/usr/bin/env bash
# Builds Cubeworks.exe and starts it under Wine. The program folder is build/run: the workspace
# "Cubeworks-Admin" appears next to the executable there. When the Wine prefix has no Windows
# Java runtime, the Java bridge is registered as one, so "开启服务器" runs the bundled server on
# this machine's own JVM (a Java 17 runtime from the install step).
# With a display the program stays open for you; without one it starts Xvfb, starts the server,
# saves screenshots (build/screenshots) and says where.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$(pwd)
bash scripts/install-deps.sh
. scripts/wine-env.sh
# The 32-bit program, or its 64-bit build where this machine runs no 32-bit programs.
preset=$CW_WINE_PRESET
cmake --preset "$preset" >/dev/null
cmake --build --preset "$preset" --target Cubeworks java_bridge start_server
mkdir -p build/run
cp "build/$preset/Cubeworks.exe" build/run/Cubeworks.exe
bash scripts/wine-prefix.sh

key='HKLM\SOFTWARE\JavaSoft\Java Runtime Environment'
has_java() {
    for view in 64 32; do
        "$CW_WINE" reg query "$key" /v CurrentVersion /reg:$view >/dev/null 2>&1 && return 0
    done
    return 1
}
if ! has_java; then
    echo "No Windows Java runtime in the Wine prefix: registering the Java bridge (host JVM)."
    bash scripts/register-java-bridge.sh "$WINEPREFIX" "build/$preset" >/dev/null
fi

if [ -n "${DISPLAY:-}" ]; then
    echo "Press 开启服务器, then join from a game client of version 1.7.2 at 127.0.0.1:25565."
    cd build/run && exec "$root/scripts/wine-run.sh" Cubeworks.exe
fi

. scripts/virtual-display.sh 1024x768x24
trap 'kill $CW_XVFB_PID 2>/dev/null || true' EXIT
# Wine's own desktop window gives the program's windows their title bars.
(cd build/run && "$root/scripts/wine-run.sh" explorer /desktop=cubeworks,1024x768 Cubeworks.exe) &
app=$!
# The start-up has run once the workspace's settings file exists.
for _ in $(seq 1 120); do
    [ -f build/run/Cubeworks-Admin/server.properties ] && break
    sleep 0.5
done
sleep 3
mkdir -p build/screenshots
import -window root build/screenshots/run-main-window.png
# "开启服务器", pressed through its control by a helper on the program's Wine desktop, which
# waits until the program shows the server started and writes the outcome to a file (the
# command returns at once on a desktop that exists).
outcome=build/run/start-server.outcome
rm -f "$outcome"
"$root/scripts/wine-run.sh" explorer /desktop=cubeworks,1024x768 \
    "$("$CW_WINE" winepath -w "build/$preset/tools/start_server.exe")" \
    "$("$CW_WINE" winepath -w "$outcome")"
started=""
for _ in $(seq 1 130); do
    [ -s "$outcome" ] && break
    sleep 1
done
if grep -q "the server runs" "$outcome" 2>/dev/null; then
    started=yes
else
    cat "$outcome" 2>/dev/null || echo "start_server gave no outcome"
fi
if [ -n "$started" ]; then
    sleep 2
    import -window root build/screenshots/run-server-console.png
fi
echo "Screenshots: $root/build/screenshots/run-main-window.png (the main window)"
[ -n "$started" ] && echo "             $root/build/screenshots/run-server-console.png (a running server)"
echo "Cubeworks.exe is running under Wine on the virtual display $DISPLAY; press Ctrl+C to end it."
wait $app
