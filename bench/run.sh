#!/usr/bin/env bash
# Builds the benchmark NAME in the native Release build when stale and runs
# it with the given arguments.  Usage: bench/run.sh NAME [ARGS...]
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
name=${1:?usage: bench/run.sh NAME [ARGS...]}
shift
bash "$root/scripts/build.sh" bench "bench_$name" >&2
exec "$root/build/bench/bin/bench_$name" "$@"
