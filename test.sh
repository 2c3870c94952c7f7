#!/usr/bin/env bash
# Builds everything (installing what is missing) and runs every test.
#   ./test.sh [ctest arguments]      e.g. ./test.sh -R Translation
set -euo pipefail
cd "$(dirname "$0")"
. scripts/setup.sh

geo_install_missing
geo_configure release
cmake --build --preset release -j "$(geo_jobs)"
ctest --preset release -j "$(geo_jobs)" "$@"
