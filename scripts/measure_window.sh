#!/usr/bin/env bash
# Measures the game in a real window on a virtual display (Xvfb):
#   - the time from starting the program to its window being shown;
#   - the processor time it uses while it waits 10 seconds for the user, twice: at the
#     welcome box, and at the bid panel in the middle of a hand (goal: under 1 % of a core);
#   - its peak memory (VmHWM) after a minute of hands played with the keyboard (goal: < 60 MB).
# Usage: scripts/measure_window.sh        (installs Xvfb and xdotool if they are missing)
set -euo pipefail
# shellcheck source=scripts/setup.sh
source "$(dirname "${BASH_SOURCE[0]}")/setup.sh"
solo_install_missing xvfb xauth xdotool
solo_setup >/dev/null

display=":$((90 + RANDOM % 100))"
Xvfb "$display" -screen 0 1280x900x24 >/dev/null 2>&1 &
xvfb=$!
data=$(mktemp -d)
trap 'kill "$game" "$xvfb" 2>/dev/null || true; rm -rf "$data"' EXIT
export DISPLAY=$display
# Settings of its own, the defaults: the player's (Expert opponents, say) would change the figures.
export XDG_CONFIG_HOME="$data/config"
sleep 1

ticks=$(getconf CLK_TCK)
cpu_ticks() { awk '{print $14 + $15}' "/proc/$1/stat"; }
# Processor time used over `seconds`, as a percentage of one core.
cpu_percent() {
  local pid=$1 seconds=$2 before after
  before=$(cpu_ticks "$pid")
  sleep "$seconds"
  after=$(cpu_ticks "$pid")
  awk -v t=$((after - before)) -v hz="$ticks" -v s="$seconds" 'BEGIN { printf "%.2f", 100 * t / hz / s }'
}

# xdotool's own --sync polls only every half second; a tight loop of single searches sees the
# window within one search's time (a few milliseconds, reported as the precision).
start=$(date +%s%N)
"$SOLO_BUILD_DIR/solo-whist" --data-dir "$data" --seed 7 >/dev/null 2>&1 &
game=$!
polls=0
until xdotool search --onlyvisible --name '^Solo Whist$' >/dev/null 2>&1; do polls=$((polls + 1)); done
shown=$(date +%s%N)
echo "window shown after: $(( (shown - start) / 1000000 )) ms (one search every $(( (shown - start) / 1000000 / (polls + 1) )) ms)"

sleep 2
echo "CPU while the welcome box waits 10 s: $(cpu_percent "$game" 10) % of a core"

# O.K. starts the first hand; after the deal and the computer bids the panel waits for the user.
xdotool key Return
sleep 14
echo "CPU while the bid panel waits 10 s: $(cpu_percent "$game" 10) % of a core"

# Play on with the keyboard for a minute: Return confirms bids and answers boxes, Right and
# Space play a card (a refused one is followed by the next).
end=$((SECONDS + 60))
while [ $SECONDS -lt $end ]; do
  xdotool key Return Right space >/dev/null 2>&1 || true
  sleep 0.15
done
echo "memory: $(grep -E 'VmHWM|VmRSS' "/proc/$game/status" | tr -s ' \t' ' ' | paste -sd ';' -)"
