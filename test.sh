#!/usr/bin/env bash
# Builds everything (installing what is missing) and runs every test.
set -euo pipefail
cd "$(dirname "$0")"
. scripts/setup.sh

geo_install_missing
geo_configure
cmake --build "$GEO_BUILD_DIR" -j "$(geo_jobs)"
ctest --test-dir "$GEO_BUILD_DIR" --output-on-failure -j "$(geo_jobs)" "$@"
