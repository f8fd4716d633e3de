#!/bin/sh
# tolvex-keys against glibc iconv: every modern syllable copies as CP949's
# bytes and pastes back; the reference formats give the expected lines.
# usage: keys_exchange_test.sh TOLVEX_KEYS WORKDIR
set -eu
keys=$1
work=$2
mkdir -p "$work"
fail=0
check() {  # name, expected file, actual file
  if cmp -s "$2" "$3"; then echo "ok   $1"; else echo "FAIL $1"; fail=1; fi
}

# Every syllable U+AC00..U+D7A3 on one line, as UTF-8.
python3 -c 'import sys; sys.stdout.write("".join(map(chr, range(0xAC00, 0xD7A4))) + "\n")' >"$work/syllables.txt"
iconv -f UTF-8 -t CP949 "$work/syllables.txt" >"$work/expected.euc"
"$keys" --format euc-kr <"$work/syllables.txt" >"$work/actual.euc"
check "syllables copy as CP949" "$work/expected.euc" "$work/actual.euc"
"$keys" --decode euc-kr <"$work/expected.euc" >"$work/decoded.txt"
check "CP949 pastes back to the syllables" "$work/syllables.txt" "$work/decoded.txt"

iconv -f UTF-8 -t UTF-16LE "$work/syllables.txt" >"$work/expected.u16"
"$keys" --format utf16le <"$work/syllables.txt" >"$work/actual.u16"
check "syllables copy as UTF-16LE" "$work/expected.u16" "$work/actual.u16"
"$keys" --decode utf16le <"$work/expected.u16" >"$work/decoded16.txt"
check "UTF-16LE pastes back" "$work/syllables.txt" "$work/decoded16.txt"

printf '&#45796;&#46972; &#44032;\n' >"$work/dec.expected"
"$keys" --format dec 'ekfk rk' >"$work/dec.actual"
check "--format dec" "$work/dec.expected" "$work/dec.actual"
printf '&#xb2e4;&#xb77c; &#xac00;\n' >"$work/hex.expected"
"$keys" --format hex 'ekfk rk' >"$work/hex.actual"
check "--format hex" "$work/hex.expected" "$work/hex.actual"
printf '다라 가\n' >"$work/ref.expected"
"$keys" --decode ref <"$work/hex.expected" >"$work/ref.actual"
check "--decode ref" "$work/ref.expected" "$work/ref.actual"

if "$keys" --table "$work/missing.dll" --format euc-kr r >/dev/null 2>&1; then
  echo "FAIL a missing --table is reported"; fail=1
else
  echo "ok   a missing --table is reported"
fi
exit $fail
