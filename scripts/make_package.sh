#!/usr/bin/env bash
# Builds the Debian package of Solo Whist from a clean build folder (build-package/ beside the
# sources, or the folder given) and prints its path. Install it with
#   sudo apt-get install ./solo-whist_<version>_amd64.deb
set -euo pipefail
# shellcheck source=scripts/setup.sh
source "$(dirname "${BASH_SOURCE[0]}")/setup.sh"
solo_install_missing "${SOLO_PACKAGES[@]}" dpkg-dev
out="${1:-$SOLO_ROOT/build-package}"
rm -rf "$out"
cmake -S "$SOLO_ROOT" -B "$out" -G Ninja -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX=/usr \
  -DSOLO_BUILD_TESTS=OFF -DSOLO_BUILD_BENCH=OFF >/dev/null
cmake --build "$out" --parallel "$(nproc 2>/dev/null || echo 2)" -- --quiet
(cd "$out" && cpack -G DEB >/dev/null)
ls "$out"/solo-whist_*_amd64.deb
