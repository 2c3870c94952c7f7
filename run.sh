#!/usr/bin/env bash
# Builds one of the programs (installing what is missing) and starts it.
#   ./run.sh varnel [options]     (droveny, pemmick, quillet likewise)
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
geo_configure
cmake --build "$GEO_BUILD_DIR" -j "$(geo_jobs)" --target "$program" >/dev/null
exec "$GEO_BUILD_DIR/bin/$program" "$@"
