#!/bin/sh
# Runs a command (ctest) while one Wine server and Wine's own background
# programs (services, the desktop) run for the prefix, started with no tie to
# the command's output. Otherwise the first test that starts Wine also starts
# them, they inherit that test's output pipe, and ctest waits on the pipe
# until the test times out, long after the test itself has passed.
# Usage: wine-session.sh PREFIX COMMAND [ARGS...]
set -u
prefix=$1; shift
root=$(cd "$(dirname "$0")/.." && pwd)
mkdir -p "$prefix"
prefix=$(cd "$prefix" && pwd)
export WINEPREFIX="$prefix" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="

quiet() { "$@" </dev/null >/dev/null 2>&1; }

quiet "$root/cmake/wine-run.sh" "$prefix" cmd /c exit   # creates the prefix on first use
quiet wineserver -w                                      # let that server finish
quiet wineserver -p                                      # one server for the whole run
quiet wine rundll32 user32.dll,GetDesktopWindow          # starts services and the desktop
trap 'quiet wineserver -k' EXIT INT TERM

"$@"
status=$?
exit $status
