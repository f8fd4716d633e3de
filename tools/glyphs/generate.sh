#!/bin/sh
# Regenerates resources/glyphs/*.bmp, resources/LICENSE-glyphs and
# docs/glyphs-contact-sheet.png from the Galmuri14 pixel font (OFL-1.1).
# Run by hand; builds use the committed pictures and need no font.
#
# Needs: python3 (Debian's /usr/bin/python3), npm (Debian package "npm") to
# fetch the pinned font package. Comparing against outline fonts
# (--compare with ttf:...) also needs python3-pil and fonts-nanum.
#
# The font was chosen on docs/glyphs-font-candidates.png, one line of the
# same hard syllables per font, top to bottom: Galmuri14, Galmuri11, Nanum
# Gothic at 16 and 17 px, Nanum Gothic Bold 16 px, Nanum Barun Gothic 16 px
# (outline fonts rasterised without anti-aliasing). Remake it with
#   tools/glyphs/glyphs.py --compare docs/glyphs-font-candidates.png \
#     --font bdf:DIST/Galmuri14.bdf:14 --font bdf:DIST/Galmuri11.bdf:11 \
#     --font ttf:/usr/share/fonts/truetype/nanum/NanumGothic.ttf:16 ...
# where DIST is the dist/ folder of the galmuri npm package.
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
