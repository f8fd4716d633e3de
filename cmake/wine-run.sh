#!/bin/sh
# Runs a Windows program under Wine in the build folder's own prefix, so tests
# never touch the user's ~/.wine.  Usage: wine-run.sh PREFIX PROGRAM [ARGS...]
prefix=$1; shift
export WINEPREFIX="$prefix"
export WINEDEBUG="${WINEDEBUG:--all}"
export WINEDLLOVERRIDES="mscoree,mshtml="
export WINEARCH=win64
here=$(cd "$(dirname "$0")" && pwd)
if [ ! -f "$prefix/.tolvex-ready" ]; then
  mkdir -p "$prefix"
  # Tests start in parallel: only one of them creates the prefix.
  flock "$prefix/.lock" sh -c '[ -f "$1/.tolvex-ready" ] || { "$2/wine-prefix-setup.sh" "$1" >/dev/null 2>&1; touch "$1/.tolvex-ready"; }' sh "$prefix" "$here"
fi
exec wine "$@"
