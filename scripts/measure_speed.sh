#!/usr/bin/env bash
# Measures the rules engine without a window:
#   - hands per CPU-second of `solo-sim --hands 100000 --seed 1 --quiet` (user + system time of
#     the process, the best of three runs), and its fingerprint;
#   - instructions per complete hand, counted by callgrind: the count of 2,001 hands less the
#     count of 1 hand, divided by 2,000 (repeatable whatever else the machine is doing);
#   - the same two with every hand kept in a hand history (--history, a fresh file each run);
#   - the Google Benchmark figures of bench/solo_bench.
# Usage: scripts/measure_speed.sh [--no-bench]
set -euo pipefail
# shellcheck source=scripts/setup.sh
source "$(dirname "${BASH_SOURCE[0]}")/setup.sh"
solo_install_missing valgrind time
solo_setup >/dev/null
sim="$SOLO_BUILD_DIR/solo-sim"
hands=100000

history=/tmp/solo-speed-history.$$.sqlite
# Runs the simulator with any extra options given, a fresh history file each time.
run() {
  rm -f "$history" "$history-wal" "$history-shm"
  "$sim" --seed 1 --quiet "$@"
}

# The two ways are run by turns, so both meet the same load on a shared machine.
best=0
best_history=0
for round in 1 2 3; do
  for extra in "" "--history $history"; do
    # shellcheck disable=SC2086
    cpu=$( { /usr/bin/time -f '%U %S' bash -c "$(declare -f run); sim=$sim history=$history run --hands $hands $extra" \
             >/tmp/solo-speed.$$; } 2>&1 | tail -n 1)
    speed=$(awk -v h="$hands" '{ t = $1 + $2; if (t < 0.01) t = 0.01; printf "%d", h / t }' <<<"$cpu")
    if [ -z "$extra" ]; then
      [ "$speed" -gt "$best" ] && best=$speed
      awk '/fingerprint/ {print $2}' /tmp/solo-speed.$$ >/tmp/solo-speed-print.$$
    else
      [ "$speed" -gt "$best_history" ] && best_history=$speed
    fi
  done
done
echo "solo-sim --hands $hands --seed 1: $best hands per CPU-second (best of 3)"
echo "  with --history: $best_history hands per CPU-second (best of 3)"
echo "fingerprint: $(cat /tmp/solo-speed-print.$$)"
rm -f /tmp/solo-speed.$$ /tmp/solo-speed-print.$$

count() {
  rm -f "$history" "$history-wal" "$history-shm"
  valgrind --tool=callgrind --callgrind-out-file=/dev/null "$sim" --seed 1 --quiet "$@" 2>&1 >/dev/null |
    awk '/Collected/ {print $NF}'
}
one=$(count --hands 1)
many=$(count --hands 2001)
echo "instructions per complete hand (callgrind): $(( (many - one) / 2000 ))"
one=$(count --hands 1 --history "$history")
many=$(count --hands 2001 --history "$history")
echo "  with --history: $(( (many - one) / 2000 ))"
rm -f "$history" "$history-wal" "$history-shm"

if [ "${1:-}" != "--no-bench" ] && [ -x "$SOLO_BUILD_DIR/bench/solo_bench" ]; then
  "$SOLO_BUILD_DIR/bench/solo_bench" --benchmark_min_time=0.2 2>/dev/null | grep -E '^BM_'
fi
