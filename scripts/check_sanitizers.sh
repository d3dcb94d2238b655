#!/usr/bin/env bash
# Builds the game and its tests with a sanitizer and runs every test under it:
#   address    AddressSanitizer and UndefinedBehaviorSanitizer (bad memory, overflows, bad shifts),
#              which stops at the first fault;
#   thread     ThreadSanitizer (data races: the Expert thinks on other threads than the window's).
# Usage: scripts/check_sanitizers.sh address|thread   (build in build-address/ or build-thread/;
# the first build takes about ten minutes on two cores, the tests a few under ASan and longer
# under TSan)
set -euo pipefail
# shellcheck source=scripts/setup.sh
source "$(dirname "${BASH_SOURCE[0]}")/setup.sh"
kind=${1:-}
case "$kind" in
  address) flags="-fsanitize=address,undefined -fno-sanitize-recover=undefined" ;;
  thread) flags="-fsanitize=thread" ;;
  *) echo "usage: $0 address|thread" >&2; exit 2 ;;
esac
solo_install_missing "${SOLO_PACKAGES[@]}"
dir="$SOLO_ROOT/build-$kind"
cmake -S "$SOLO_ROOT" -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DSOLO_BUILD_BENCH=OFF \
  -DCMAKE_CXX_FLAGS="$flags -fno-omit-frame-pointer" -DCMAKE_EXE_LINKER_FLAGS="$flags" >/dev/null
cmake --build "$dir" --parallel "$(nproc 2>/dev/null || echo 2)" -- --quiet
cd "$dir"
export QT_QPA_PLATFORM=offscreen UBSAN_OPTIONS=print_stacktrace=1
# Qt's and fontconfig's allocations that live until the end are not ours to chase, nor the races
# ThreadSanitizer sees inside Qt, which it cannot see synchronise.
export ASAN_OPTIONS=detect_leaks=0
export TSAN_OPTIONS="halt_on_error=1 second_deadlock_stack=1 suppressions=$SOLO_ROOT/scripts/tsan-suppressions.txt"
ctest --output-on-failure --parallel "$(nproc 2>/dev/null || echo 2)" --timeout 1800
