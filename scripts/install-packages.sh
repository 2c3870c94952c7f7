#!/usr/bin/env bash
# Installs the packages the build needs that are missing, and nothing else
# (no build: run as root, it leaves this folder as it was). As root or through
# sudo, like run.sh and test.sh: an interrupted install is repaired first, and
# another package manager's lock is waited for. A user without sudo runs it as
# root with the command the other scripts print:
#   su - -c "bash '/path/to/this/folder/scripts/install-packages.sh'"
set -euo pipefail
# shellcheck source=scripts/setup.sh
. "$(dirname "${BASH_SOURCE[0]}")/setup.sh"

geo_install_missing
echo "Every package the build needs is installed."
