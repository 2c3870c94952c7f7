#!/usr/bin/env bash
# Builds one of the programs (installing what is missing) and starts it.
#   ./run.sh varnel [options]     (droveny, pemmick, quillet likewise)
# The build's messages go to stderr, so that the program's own output
# (--help, --version) is all there is on stdout.
set -euo pipefail
cd "$(dirname "$0")"
. scripts/setup.sh

program=${1:-}
case "$program" in
  varnel|droveny|pemmick|quillet) shift ;;
  *)
    echo "usage: ./run.sh varnel|droveny|pemmick|quillet [options]" >&2
    exit 2
    ;;
esac

geo_install_missing
# The first build (no build/ yet) compiles the shared library; later ones
# only what changed.
first_build=yes
[ -d build ] && first_build=no
{
  geo_configure release
  if [ $first_build = yes ]; then
    echo "Building $program in build/ (the first build: half a minute to a minute)"
  else
    echo "Building $program in build/"
  fi
  cmake --build --preset release -j "$(geo_jobs)" --target "$program"
} >&2
echo "Starting build/bin/$program" >&2
exec "build/bin/$program" "$@"
