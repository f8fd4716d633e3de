#!/bin/sh
# Runs every benchmark binary in the given folder, one after another.
set -eu
dir=${1:-build/linux/bin}
found=0
for b in "$dir"/bench_*; do
  [ -x "$b" ] || continue
  found=1
  echo "== $(basename "$b")"
  "$b" --benchmark_min_time=0.2
done
[ "$found" = 1 ] || echo "no benchmarks built in $dir"
