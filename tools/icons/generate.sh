#!/bin/sh
# Draws the program's icons: a key cap carrying the jamo ㅎ. tolvex.ico is the
# window icon; qelmo.ico and qelmo2.ico are the browser toolbar button as
# normally drawn (grey) and under the pointer (in the program's colours).
# Each size is drawn large and reduced, so the shapes stay the same at every
# size. Output is byte-for-byte reproducible with the same ImageMagick.
set -eu
cd "$(dirname "$0")/../.."
out=resources
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT

# key cap: $1 rim colour, $2 top colour, $3 highlight colour, $4 output
draw_cap() {
  convert -size 256x256 xc:none \
    -fill "$1" -draw "roundrectangle 10,14 246,250 44,44" \
    -fill "$2" -draw "roundrectangle 26,18 230,214 34,34" \
    -fill "$3" -draw "roundrectangle 44,24 212,36 6,6" \
    -fill white -draw "roundrectangle 104,46 152,66 6,6" \
    -draw "roundrectangle 62,80 194,102 8,8" \
    -fill none -stroke white -strokewidth 22 -draw "circle 128,152 128,194" \
    "$4"
}

# $1 master, $2 output icon, remaining: sizes
make_icon() {
  master=$1; ico=$2; shift 2
  files=""
  for s in "$@"; do
    convert "$master" -filter Lanczos -resize "${s}x${s}" +set date:create +set date:modify \
      -define png:exclude-chunks=date,time "$tmp/$(basename "$ico" .ico)-$s.png"
    files="$files $tmp/$(basename "$ico" .ico)-$s.png"
  done
  # shellcheck disable=SC2086
  convert $files "$out/$ico"
}

draw_cap "#1d3f72" "#2f74c0" "#5b9ad6" "$tmp/colour.png"
draw_cap "#4b5058" "#7d838c" "#a3a8af" "$tmp/grey.png"

make_icon "$tmp/colour.png" tolvex.ico 16 24 32 48
make_icon "$tmp/grey.png" qelmo.ico 16 24 32
make_icon "$tmp/colour.png" qelmo2.ico 16 24 32

# A contact sheet to look at the result: each icon at every size.
convert \( "$tmp"/tolvex-*.png -background none +append \) \
        \( "$tmp"/qelmo-*.png -background none +append \) \
        \( "$tmp"/qelmo2-*.png -background none +append \) \
        -background "#e8e8e8" -gravity west -append -scale 400% "$tmp/sheet.png"
[ -n "${ICON_SHEET:-}" ] && cp "$tmp/sheet.png" "$ICON_SHEET"
echo "icons written to $out/"
