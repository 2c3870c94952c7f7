#!/usr/bin/env bash
# Installs the build into a fresh prefix (with a space in it) and checks that
# each desktop entry starts the installed program by its full path, passes the
# freedesktop validator, and that the installed program runs.
set -eu
build=$1
shift
prefix=$(mktemp -d)/"pre fix"
trap 'rm -rf "$(dirname "$prefix")"' EXIT
cmake --install "$build" --prefix "$prefix" >/dev/null
for prog in "$@"; do
  entry="$prefix/share/applications/$prog.desktop"
  grep -qx "Exec=\"$prefix/bin/$prog\"" "$entry" || { echo "$entry: $(grep ^Exec= "$entry")"; exit 1; }
  if command -v desktop-file-validate >/dev/null; then desktop-file-validate "$entry"; fi
  "$prefix/bin/$prog" --version >/dev/null
done
echo "install: 1 passed, 0 failed"
