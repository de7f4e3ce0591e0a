#!/usr/bin/env bash
# Builds the native tree and runs the benchmarks (console parser, console throughput, launch
# latency). Extra arguments go to the benchmark program, e.g. --benchmark_filter=Parser.
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."
cmake --preset native >/dev/null
cmake --build build/native --target cubeworks_bench cw_test_child
exec build/native/tests/cubeworks_bench "$@"
