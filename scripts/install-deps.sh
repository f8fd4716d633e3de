#!/bin/sh
# Installs the Debian packages the build and the tests need. Idempotent:
# packages already present are not touched; apt-get runs only when needed.
set -eu
packages="cmake make g++ clang libclang-rt-14-dev googletest libgtest-dev libbenchmark-dev
g++-mingw-w64-x86-64 binutils-mingw-w64-x86-64 wine wine64 fonts-wine xvfb xauth xdotool x11-utils
imagemagick fonts-ipafont-gothic libhangul-dev pkg-config zip unzip python3"
missing=""
for p in $packages; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing="$missing $p"
done
[ -z "$missing" ] && exit 0
echo "Installing:$missing"
sudo=""
[ "$(id -u)" -ne 0 ] && sudo=sudo
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get update -qq
# shellcheck disable=SC2086
$sudo apt-get install -y -qq $missing
