#!/usr/bin/env bash
# Measures the rules engine without a window:
#   - hands per CPU-second of `solo-sim --hands 100000 --seed 1 --quiet` (user + system time of
#     the process, the best of three runs), and its fingerprint;
#   - instructions per complete hand, counted by callgrind: the count of 2,001 hands less the
#     count of 1 hand, divided by 2,000 (repeatable whatever else the machine is doing);
#   - the Google Benchmark figures of bench/solo_bench.
# Usage: scripts/measure_speed.sh [--no-bench]
set -euo pipefail
# shellcheck source=scripts/setup.sh
source "$(dirname "${BASH_SOURCE[0]}")/setup.sh"
solo_install_missing valgrind time
solo_setup >/dev/null
sim="$SOLO_BUILD_DIR/solo-sim"
hands=100000

best=0
for run in 1 2 3; do
  cpu=$( { /usr/bin/time -f '%U %S' "$sim" --hands "$hands" --seed 1 --quiet >/tmp/solo-speed.$$; } 2>&1 | tail -n 1)
  speed=$(awk -v h="$hands" '{ t = $1 + $2; if (t < 0.01) t = 0.01; printf "%d", h / t }' <<<"$cpu")
  [ "$speed" -gt "$best" ] && best=$speed
done
echo "solo-sim --hands $hands --seed 1: $best hands per CPU-second (best of 3)"
awk '/fingerprint/ {print "fingerprint: " $2}' /tmp/solo-speed.$$
rm -f /tmp/solo-speed.$$

count() {
  valgrind --tool=callgrind --callgrind-out-file=/dev/null "$sim" --hands "$1" --seed 1 --quiet 2>&1 >/dev/null |
    awk '/Collected/ {print $NF}'
}
one=$(count 1)
many=$(count 2001)
echo "instructions per complete hand (callgrind): $(( (many - one) / 2000 ))"

if [ "${1:-}" != "--no-bench" ] && [ -x "$SOLO_BUILD_DIR/bench/solo_bench" ]; then
  "$SOLO_BUILD_DIR/bench/solo_bench" --benchmark_min_time=0.2 2>/dev/null | grep -E '^BM_'
fi
