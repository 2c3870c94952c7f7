#!/usr/bin/env bash
# The window as a user meets it: starts a private X server (Xvfb, on a
# display number it picks itself), then measures a program with a real window
# beside its headless run, and prints the figures side by side.
#
#   bench/window_bench.sh [PROGRAM] [--runs N] [--idle-seconds S] [--pictures DIR]
#
# PROGRAM is a program's name (varnel, droveny, pemmick, quillet: the one in
# build/bin) or a path to one; it defaults to varnel. Build first (./test.sh,
# or ./run.sh PROGRAM). --pictures DIR keeps pictures of the window (as shown,
# and resized twice).
set -euo pipefail
program=varnel
if [ $# -gt 0 ] && [ "${1#--}" = "$1" ]; then
  program=$1
  shift
fi
# A path is taken from where this was started, before moving to the top folder.
case $program in
  */*)
    folder=$(CDPATH="" cd -- "$(dirname -- "$program")" 2> /dev/null && pwd) ||
      { echo "missing $program: build first" >&2; exit 2; }
    program=$folder/$(basename "$program")
    ;;
esac
cd "$(dirname "$0")/.."
build=${GEO_BUILD_DIR:-build}
case $program in
  */*) ;;
  *) program=$build/bin/$program ;;
esac
probe=$build/bench/geo_window_probe
for f in "$program" "$probe"; do
  [ -x "$f" ] || { echo "missing $f: build first" >&2; exit 2; }
done
command -v Xvfb > /dev/null || { echo "Xvfb is missing: run ./test.sh once to install it" >&2; exit 2; }

# A laptop-sized screen, so the picture is scaled as on a classroom laptop.
screen=${GEO_BENCH_SCREEN:-1366x768x24}
# The pipe Xvfb names its display through lies in a folder of our own (mode
# 0700) under TMPDIR.
fifo_dir=$(mktemp -d "${TMPDIR:-/tmp}/geo-window-bench.XXXXXX")
trap 'rm -rf "$fifo_dir"' EXIT
fifo=$fifo_dir/display
mkfifo "$fifo"
Xvfb -displayfd 3 -screen 0 "$screen" -nolisten tcp -noreset 3> "$fifo" 2> /dev/null &
xvfb=$!
trap 'kill "$xvfb" 2> /dev/null || true; wait "$xvfb" 2> /dev/null || true; rm -rf "$fifo_dir"' EXIT
read -r -t 10 display < "$fifo" || { echo "Xvfb did not start" >&2; exit 1; }
echo "Xvfb on :$display ($screen), pid $xvfb"
DISPLAY=":$display" "$probe" "$program" "$@"
