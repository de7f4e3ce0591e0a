#!/usr/bin/env bash
# Installs the process tests' independent game client (the npm package minecraft-protocol, at the
# versions package-lock.json pins) into a build folder, by default build/test-client at the top
# of the source tree. Does nothing when that folder already has this lock file's packages.
#
# usage: install.sh [DEST]
set -euo pipefail
HERE="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
DEST="${1:-$HERE/../../../../build/test-client}"
mkdir -p "$DEST"
DEST="$(cd "$DEST" && pwd)"
if ! command -v npm >/dev/null 2>&1; then
    # the rest of the build does not need it; the test that does says so (and fails under CI)
    echo "test-client/install.sh: npm is missing; the world's npm client test needs node and npm" >&2
    exit 0
fi
if [ -d "$DEST/node_modules/minecraft-protocol" ] && cmp -s "$HERE/package-lock.json" "$DEST/package-lock.json"; then
    exit 0
fi
cp "$HERE/package.json" "$HERE/package-lock.json" "$DEST/"
(cd "$DEST" && npm ci --no-audit --no-fund --loglevel=error)
echo "test-client/install.sh: installed the test client in $DEST"
