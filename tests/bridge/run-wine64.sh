#!/usr/bin/env bash
# Runs a 64-bit Windows or Winelib program under the 64-bit Wine loader, in the given prefix
# (created on first use), for machines where `wine` (the 32-bit loader) cannot start.
# Usage: run-wine64.sh PREFIX PROGRAM [ARGUMENTS...]
set -u
prefix=$(realpath -m "$1")
shift
loader=$(command -v wine64 || true)
[ -n "$loader" ] || loader=/usr/lib/wine/wine64
export WINEPREFIX="$prefix" WINEDEBUG=-all WINELOADER="$loader"
export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
mkdir -p "$prefix"
exec "$loader" "$@"
