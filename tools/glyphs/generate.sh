#!/bin/sh
# Regenerates resources/glyphs/*.bmp, resources/LICENSE-glyphs and
# docs/glyphs-contact-sheet.png from the Galmuri14 pixel font (OFL-1.1).
# Run by hand; builds use the committed pictures and need no font.
#
# Needs: python3 (Debian's /usr/bin/python3), npm (Debian package "npm") to
# fetch the pinned font package. Comparing against outline fonts
# (--compare with ttf:...) also needs python3-pil and fonts-nanum.
set -eu
cd "$(dirname "$0")/../.."
GALMURI_VERSION=2.40.3
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

(cd "$work" && npm pack --silent "galmuri@$GALMURI_VERSION" >/dev/null && tar xzf "galmuri-$GALMURI_VERSION.tgz")
font="$work/package/dist/Galmuri14.bdf"

/usr/bin/python3 tools/glyphs/glyphs.py --font "bdf:$font:14" \
  --out resources/glyphs --sheet docs/glyphs-contact-sheet.png

{
  echo "The glyph pictures in resources/glyphs are drawn from Galmuri14"
  echo "(npm package galmuri $GALMURI_VERSION, by Lee Minseo), under the SIL Open Font"
  echo "License 1.1, reproduced below."
  echo
  cat "$work/package/dist/LICENSE.txt"
} > resources/LICENSE-glyphs
echo "glyphs written to resources/glyphs"
