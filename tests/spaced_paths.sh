#!/usr/bin/env bash
# Test runs hold in any folder: a clone under "~/ダウンロード/geo lessons", a
# TMPDIR of "/tmp/a b". This runs one test program with the programs it
# starts, the test program itself, its working folder and its TMPDIR all in
# a folder whose path holds a blank and a Japanese name:
#
#   .../ダウンロード/geo lessons/bin/varnel, ...   copies of BUILD_DIR/bin
#   .../ダウンロード/geo lessons/TEST_PROGRAM       a copy, run from this folder
#   .../ダウンロード/geo lessons/一時 ファイル/      its TMPDIR
#
# The test program finds the programs through GEO_TEST_BIN_DIR, so every
# path it hands to a program or a shell holds the blank. The run must pass,
# leave nothing in TMPDIR, and make nothing beside these folders (where a path
# cut at its blank would land: ".../ダウンロード/geo", ".../一時").
#
#   tests/spaced_paths.sh BUILD_DIR [TEST_PROGRAM]
#
# TEST_PROGRAM (in BUILD_DIR/tests) defaults to test_programs, whose tests
# start the programs both through the shell and without one, with traces,
# shots, screenshots and key files in TMPDIR. Nothing is rebuilt.
set -euo pipefail
[ $# -ge 1 ] || { echo "usage: $0 BUILD_DIR [TEST_PROGRAM]" >&2; exit 2; }
build=$(cd "$1" && pwd)
program=${2:-test_programs}
bin=$build/tests/$program
[ -x "$bin" ] || { echo "missing $bin: build first" >&2; exit 2; }

root=$(mktemp -d "${TMPDIR:-/tmp}/geo-spaced-paths.XXXXXX")
trap 'rm -rf "$root"' EXIT
home="$root/ダウンロード"
place="$home/geo lessons"
tmp="$place/一時 ファイル"
mkdir -p "$place/bin" "$tmp"
for prog in "$build"/bin/*; do
  [ -f "$prog" ] && [ -x "$prog" ] && cp "$prog" "$place/bin/"
done
cp "$bin" "$place/$program"

failed=0
fail() {
  echo "spaced paths: $*" >&2
  failed=1
}

status=0
(cd "$place" && TMPDIR=$tmp GEO_TEST_BIN_DIR=$place/bin "./$program") > "$root/log" 2>&1 || status=$?
if [ "$status" -ne 0 ]; then
  fail "$program from \"$place\" failed (exit status $status); the end of its output:"
  tail -n 40 "$root/log" >&2
fi
left=$(find "$tmp" -mindepth 1 -maxdepth 1)
[ -z "$left" ] || fail "TMPDIR (\"$tmp\") still holds: $left"
# Only what this script made, in both folders.
beside=$(find "$home" "$place" -mindepth 1 -maxdepth 1 \
  ! -path "$place" ! -path "$place/bin" ! -path "$place/$program" ! -path "$tmp")
[ -z "$beside" ] || fail "made beside the folders: $beside"

[ "$failed" -eq 0 ] && echo "spaced paths: $program from \"$place\", TMPDIR \"$tmp\", passed"
exit "$failed"
