#!/usr/bin/env bash
# Test runs must not meet each other's files: every test process writes only
# in a folder of its own under TMPDIR and removes it at the end. This runs one
# test program twice at once, then (as root, where the machine has the user
# `nobody`) once more as `nobody` after root's runs, each in the same TMPDIR;
# every run must pass and leave nothing behind in TMPDIR.
#
#   tests/second_user.sh BUILD_DIR [TEST_PROGRAM]
#
# TEST_PROGRAM (in BUILD_DIR/tests) defaults to test_programs, whose tests
# write traces, stderr captures, shots, screenshots and key files. When the
# run as another user cannot be made (not root, no `nobody`, no setpriv or
# runuser, or `nobody` cannot reach the build tree or the sources), it says
# why and skips that part.
set -euo pipefail
[ $# -ge 1 ] || { echo "usage: $0 BUILD_DIR [TEST_PROGRAM]" >&2; exit 2; }
source_dir=$(cd "$(dirname "$0")/.." && pwd)
build=$(cd "$1" && pwd)
program=${2:-test_programs}
bin=$build/tests/$program
[ -x "$bin" ] || { echo "missing $bin: build first" >&2; exit 2; }

# Logs in a folder only we can read; the runs' TMPDIR in another, open to all
# users like /tmp (sticky), so what a run leaves there shows.
logs=$(mktemp -d "${TMPDIR:-/tmp}/geo-second-user-logs.XXXXXX")
tmp=$(mktemp -d "${TMPDIR:-/tmp}/geo-second-user-tmp.XXXXXX")
trap 'rm -rf "$logs" "$tmp"' EXIT
chmod 1777 "$tmp"

failed=0
fail() {
  echo "second user: $*" >&2
  failed=1
}

# Checks that a run passed ($2: its exit status, $3: its log).
check_run() {
  local what=$1 status=$2 log=$3
  if [ "$status" -ne 0 ]; then
    fail "$what failed (exit status $status); the end of its output:"
    tail -n 40 "$log" >&2
  fi
}

# Checks that TMPDIR holds nothing once the runs so far have ended.
check_left() {
  local what=$1 left
  left=$(find "$tmp" -mindepth 1 -maxdepth 1 -printf '%u %m %p\n')
  if [ -n "$left" ]; then
    # Kept, so that the next run meets what this one left, as it would.
    fail "after $what, TMPDIR still holds:"
    echo "$left" >&2
  fi
}

# 1. Two runs at once.
TMPDIR=$tmp "$bin" > "$logs/first.log" 2>&1 &
first=$!
TMPDIR=$tmp "$bin" > "$logs/second.log" 2>&1 &
second=$!
status=0
wait "$first" || status=$?
check_run "$program (first of two at once)" "$status" "$logs/first.log"
status=0
wait "$second" || status=$?
check_run "$program (second of two at once)" "$status" "$logs/second.log"
check_left "two runs of $program at once"
[ "$failed" -eq 0 ] && echo "second user: two runs of $program at once passed"

# 2. The same as `nobody`, after root's runs.
skip() {
  echo "second user: SKIPPED the run as another user: $*"
}
as_nobody=()
if [ "$(id -u)" -ne 0 ]; then
  skip "it needs root (this is $(id -un))"
elif ! id nobody > /dev/null 2>&1; then
  skip "this machine has no user nobody"
elif command -v setpriv > /dev/null; then
  as_nobody=(setpriv --reuid="$(id -u nobody)" --regid="$(id -g nobody)" --clear-groups --)
elif command -v runuser > /dev/null; then
  as_nobody=(runuser -u nobody --)
else
  skip "neither setpriv nor runuser is installed"
fi
if [ ${#as_nobody[@]} -gt 0 ]; then
  unreachable=()
  "${as_nobody[@]}" test -x "$bin" || unreachable+=("$bin")
  for prog in "$build"/bin/*; do
    [ -x "$prog" ] || continue
    "${as_nobody[@]}" test -x "$prog" || unreachable+=("$prog")
  done
  "${as_nobody[@]}" test -r "$source_dir/tests" -a -x "$source_dir/tests" || unreachable+=("$source_dir/tests")
  if [ ${#unreachable[@]} -gt 0 ]; then
    skip "user nobody cannot reach ${unreachable[0]} (${#unreachable[@]} paths in all; a folder on the way is not open to other users). A clone and build every user can read (e.g. under /srv) runs this part."
  else
    status=0
    home=$(getent passwd nobody | cut -d: -f6)
    (cd / && "${as_nobody[@]}" env TMPDIR="$tmp" HOME="$home" USER=nobody LOGNAME=nobody "$bin") > "$logs/nobody.log" 2>&1 || status=$?
    check_run "$program as nobody, after root's runs" "$status" "$logs/nobody.log"
    check_left "$program as nobody"
    [ "$failed" -eq 0 ] && echo "second user: $program as nobody, after root's runs, passed"
  fi
fi
exit "$failed"
