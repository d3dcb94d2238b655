#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test headless. Exits with the tests' status.
set -euo pipefail
# shellcheck source=scripts/setup.sh
source "$(dirname "${BASH_SOURCE[0]}")/scripts/setup.sh"
solo_setup
cd "$SOLO_BUILD_DIR"
export QT_QPA_PLATFORM=offscreen
ctest --output-on-failure --parallel "$(nproc 2>/dev/null || echo 2)"
