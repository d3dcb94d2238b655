#!/usr/bin/env bash
# Plays many hands in the real window on a virtual display (Xvfb) with Expert opponents: the
# computer sits South and every box is answered at once (solo-whist --self-play). Reports the
# memory in use and at its peak every 50 hands, the longest time the window's thread was
# blocked, and whether the program crashed; exits non-zero if it did, or if the memory grew.
# Usage: scripts/soak_window.sh [HANDS (500)] [SEED (1)] [classic|expert (expert)] [classic|standard (classic)]
set -euo pipefail
# shellcheck source=scripts/setup.sh
source "$(dirname "${BASH_SOURCE[0]}")/setup.sh"
solo_install_missing xvfb xauth
solo_setup >/dev/null
hands=${1:-500}
seed=${2:-1}
opponents=${3:-expert}
rules=${4:-classic}

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
# Settings of its own: the opponents and rules asked for, the fastest pace.
mkdir -p "$work/config/Solo Whist"
printf '[options]\nopponents=%s\nrules=%s\nspeed=3\n' "$opponents" "$rules" >"$work/config/Solo Whist/Solo Whist.conf"

echo "Playing $hands hands (seed $seed, $opponents opponents, $rules rules) in the window..."
start=$(date +%s)
set +e
XDG_CONFIG_HOME="$work/config" xvfb-run -a "$SOLO_BUILD_DIR/solo-whist" --data-dir "$work/data" --seed "$seed" \
  --fast --self-play "$hands" 2>"$work/err"
status=$?
set -e
grep -E '^(self-play|solo-whist):' "$work/err" || true
echo "exit status $status after $(($(date +%s) - start)) s"
[ "$status" = 0 ] || { echo "CRASHED or failed"; exit 1; }

# Flat memory: the peak after the last report is at most 10 % above the one after 100 hands.
awk '/^self-play: .* so far/ { n++; if ($2 == 100) base = $10; last = $10 }
     END { if (base && last > base * 1.10) { printf "memory grew: %d kB at 100 hands, %d kB at the end\n", base, last; exit 1 }
           if (base) printf "memory flat: peak %d kB at 100 hands, %d kB at the end\n", base, last }' "$work/err"
