#!/usr/bin/env bash
# Shared by play.sh and test.sh: installs the Debian packages that are missing (and only
# those), then configures and builds the game in build/ (Release).
# Source it; it defines solo_setup.

SOLO_ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
SOLO_BUILD_DIR="${SOLO_BUILD_DIR:-$SOLO_ROOT/build}"

# What building, testing and playing need on Debian 12.
# dpkg-dev, desktop-file-utils and appstream build and check the Debian package; SQLite keeps
# the hand history and Qt Charts (which needs the OpenGL module's files) draws its statistics.
SOLO_PACKAGES=(cmake ninja-build g++ qt6-base-dev qt6-multimedia-dev qt6-charts-dev libqt6opengl6-dev
               libsqlite3-dev libgtest-dev libgmock-dev libbenchmark-dev fonts-liberation2 dpkg-dev
               desktop-file-utils appstream)

solo_missing_packages() {
  local pkg
  for pkg in "$@"; do
    dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q 'install ok installed' || echo "$pkg"
  done
}

# Installs the given packages that are not installed yet; apt-get update runs only if needed.
solo_install_missing() {
  local missing
  missing=$(solo_missing_packages "$@")
  [ -z "$missing" ] && return 0
  local sudo=()
  if [ "$(id -u)" -ne 0 ]; then
    if ! command -v sudo >/dev/null 2>&1; then
      echo "These Debian packages are missing and you are not root: $missing" >&2
      echo "Install them with: apt-get install $missing" >&2
      return 1
    fi
    sudo=(sudo)
  fi
  echo "Installing missing packages: $missing"
  # shellcheck disable=SC2086
  "${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get update -qq &&
    "${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends $missing
}

solo_build() {
  local type="${1:-Release}"
  if [ ! -f "$SOLO_BUILD_DIR/build.ninja" ]; then
    echo "Building Solo Whist in $SOLO_BUILD_DIR (the first build takes a minute or two)..." >&2
    cmake -S "$SOLO_ROOT" -B "$SOLO_BUILD_DIR" -G Ninja -DCMAKE_BUILD_TYPE="$type" >/dev/null || return 1
  fi
  # Ninja's progress lines are left out; compiler messages and errors still show.
  cmake --build "$SOLO_BUILD_DIR" --parallel "$(nproc 2>/dev/null || echo 2)" -- --quiet
}

solo_setup() {
  solo_install_missing "${SOLO_PACKAGES[@]}" && solo_build Release
}
