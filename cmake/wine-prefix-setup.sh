#!/bin/sh
# Creates a hermetic Wine prefix: no crash dialog, no Mono/Gecko prompts.
prefix=$1
export WINEPREFIX="$prefix" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml=" WINEARCH=win64
wineboot -i
# Wine draws the title-bar buttons with its Marlett font, which Debian ships
# outside the prefix; without it they show as the letters "0 1 r".
fonts="$prefix/drive_c/windows/Fonts"
mkdir -p "$fonts"
for f in /usr/share/wine/fonts/marlett.ttf; do
  [ -f "$f" ] && cp "$f" "$fonts/"
done
here=$(dirname "$0")
for reg in "$here"/wine-*.reg; do
  [ -f "$reg" ] && wine regedit /S "$reg"
done
wineserver -w
