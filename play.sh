#!/usr/bin/env bash
# Installs what is missing, builds, and starts Solo Whist. Extra arguments go to the game
# (for example: ./play.sh --data-dir ~/solo).
set -euo pipefail
# shellcheck source=scripts/setup.sh
source "$(dirname "${BASH_SOURCE[0]}")/scripts/setup.sh"
solo_setup
exec "$SOLO_BUILD_DIR/solo-whist" "$@"
