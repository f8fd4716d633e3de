#!/bin/bash
# Checks the release zip: every file a user needs is there, and tolvex.exe
# needs no DLL that Windows does not ship (the C++ runtime is linked in).
# Usage: check-package.sh [BUILD_DIR]   (default build/windows)
set -euo pipefail
export LC_ALL=C.UTF-8
cd "$(dirname "$0")/.."
build=${1:-build/windows}
zip=$(ls -t "$build"/tolvex-*-win64.zip 2>/dev/null | head -n1 || true)
[ -n "$zip" ] || { echo "no tolvex-*-win64.zip in $build" >&2; exit 1; }
echo "== $zip"
unzip -l "$zip"

top=$(basename "$zip" .zip)
names=$(unzip -Z1 "$zip")
fail=0
for f in tolvex.exe euc2uni.dll qelmo.ico qelmo2.ico info.html LICENSE LICENSE-glyphs \
         "はじめにお読みください.txt"; do
  if ! grep -qxF "$top/$f" <<<"$names"; then
    echo "missing: $f" >&2
    fail=1
  fi
done

tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
unzip -q "$zip" "$top/tolvex.exe" "$top/info.html" -d "$tmp" || fail=1

# DLLs that every Windows has; anything else (libstdc++-6, libgcc_s_*,
# libwinpthread-1, ...) would have to travel with the exe.
system_dll='^(kernel32|user32|gdi32|advapi32|shell32|comctl32|comdlg32|ole32|oleaut32|msvcrt|ucrtbase|api-ms-win-[a-z0-9-]+|shlwapi|uxtheme|msimg32|imm32|version|winmm|dwmapi|gdiplus|bcrypt|ws2_32|usp10)\.dll$'
if [ -f "$tmp/$top/tolvex.exe" ]; then
  dlls=$(x86_64-w64-mingw32-objdump -p "$tmp/$top/tolvex.exe" | sed -n 's/^\s*DLL Name: //p')
  echo "== tolvex.exe imports: $(tr '\n' ' ' <<<"$dlls")"
  while read -r dll; do
    [ -z "$dll" ] && continue
    if ! grep -qiE "$system_dll" <<<"$dll"; then
      echo "not a system DLL: $dll" >&2
      fail=1
    fi
  done <<<"$dlls"
fi

# The information page must work offline and name no network address.
if [ -f "$tmp/$top/info.html" ] && grep -qiE 'https?:|//[a-z0-9.-]+\.[a-z]{2,}/' "$tmp/$top/info.html"; then
  echo "info.html names a network address" >&2
  fail=1
fi

[ "$fail" -eq 0 ] && echo "package ok"
exit "$fail"
