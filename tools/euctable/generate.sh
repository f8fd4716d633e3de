#!/bin/sh
# Regenerates resources/euc2uni.dll from glibc iconv's CP949 (the EUC-KR that
# Windows and browsers use). Needs g++ and glibc's iconv modules.
set -eu
cd "$(dirname "$0")/../.."
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
g++ -std=c++20 -O2 -o "$work/gen_euc_table" tools/euctable/gen_euc_table.cpp
"$work/gen_euc_table" "$work/euc2uni.dll"
mkdir -p resources
mv "$work/euc2uni.dll" resources/euc2uni.dll
