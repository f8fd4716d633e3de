#!/bin/sh
# Regenerates the committed resources: glyph pictures, the EUC-KR table and
# the icons. Builds never run this; a developer does, by hand.
set -eu
cd "$(dirname "$0")/.."
for gen in tools/glyphs/generate.sh tools/euctable/generate.sh tools/icons/generate.sh; do
  if [ -x "$gen" ]; then echo "== $gen"; "$gen"; fi
done
