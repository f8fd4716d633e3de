#!/bin/sh
# Runs every libFuzzer target in DIR for SECONDS each, with a corpus folder
# per target under DIR/../fuzz-corpus so that later runs build on earlier ones.
# usage: run-fuzz.sh DIR SECONDS
set -eu
dir=${1:-build/fuzz/bin}
seconds=${2:-30}
corpus_root=$(dirname "$dir")/fuzz-corpus
found=0
status=0
for f in "$dir"/fuzz_*; do
  [ -x "$f" ] || continue
  found=1
  name=$(basename "$f")
  corpus="$corpus_root/$name"
  mkdir -p "$corpus"
  echo "== $name (${seconds}s)"
  # -rss_limit_mb and -timeout turn runaway memory or time into findings.
  if ! "$f" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 -max_len=65536 \
      -print_final_stats=1 "$corpus" 2>"$corpus_root/$name.log"; then
    echo "   FAILED: see $corpus_root/$name.log"
    tail -n 30 "$corpus_root/$name.log"
    status=1
  else
    grep -E 'stat::number_of_executed_units' "$corpus_root/$name.log" || true
  fi
done
[ "$found" = 1 ] || echo "no fuzz targets built in $dir"
exit $status
