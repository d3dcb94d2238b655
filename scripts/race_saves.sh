#!/usr/bin/env bash
# Races two writers of the points file beside a reader at full size (20,000 saves each, or the
# number given) and prints what the reader saw: no torn or empty read and no false failure.
# Usage: scripts/race_saves.sh [SAVES]
set -euo pipefail
# shellcheck source=scripts/setup.sh
source "$(dirname "${BASH_SOURCE[0]}")/setup.sh"
solo_setup >/dev/null
SOLO_RACE_SAVES=${1:-20000} "$SOLO_BUILD_DIR/tests/solo_tests" --gtest_filter='ConcurrentSave.*'
