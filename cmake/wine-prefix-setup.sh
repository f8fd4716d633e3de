#!/bin/sh
# Creates a hermetic Wine prefix: no crash dialog, no Mono/Gecko prompts.
prefix=$1
export WINEPREFIX="$prefix" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml=" WINEARCH=win64
wineboot -i
here=$(dirname "$0")
for reg in "$here"/wine-*.reg; do
  [ -f "$reg" ] && wine regedit /S "$reg"
done
wineserver -w
