#!/usr/bin/env bash
# Measures the Expert players as the README reports them, on identical deals:
#   1. an Expert South against three Classic seats (--duplicate: the same deals played again
#      with South Classic), its units a hand with a 95 % interval;
#   2. three Expert opponents against a Classic South, the same way;
#   3. four Experts: how many deals are bid and made, Misere among them, and the time of each
#      decision (median, 99th percentile, slowest) at the default 40 layouts on every core.
# The first two run side by side, each Expert decision on one thread; the third runs alone, so
# that its decision times meet no other load of ours.
# A throw-in in one run and not the other makes the next deal differ, and only identical deals
# are compared: three Expert opponents pass far more than Classic seats, so their run plays
# more hands (by default half as many again) to compare as many deals.
#   scripts/measure_experts.sh [hands] [first seed] [opponents' hands]
#                                               (default 2000 9911 3000: seeds 9911-9913)
set -euo pipefail
# shellcheck source=scripts/setup.sh
source "$(dirname "${BASH_SOURCE[0]}")/setup.sh"
solo_setup >/dev/null
hands=${1:-2000}
seed=${2:-9911}
opponentHands=${3:-$((hands * 3 / 2))}
sim="$SOLO_BUILD_DIR/solo-sim"
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT

"$sim" --hands "$hands" --seed "$seed" --south expert --duplicate --threads 1 --quiet >"$out/south" &
"$sim" --hands "$opponentHands" --seed $((seed + 1)) --west expert --north expert --east expert --duplicate --threads 1 \
  --quiet >"$out/opponents" &
wait
"$sim" --hands "$hands" --seed $((seed + 2)) --south expert --west expert --north expert --east expert \
  --quiet >"$out/four"

echo "== Expert South, Classic West, North, East (seed $seed)"
cat "$out/south"
echo "== Classic South, Expert West, North, East (seed $((seed + 1)))"
cat "$out/opponents"
echo "== four Experts, every core (seed $((seed + 2)))"
cat "$out/four"
# The share of all the deals bid, goulashes among them, and of those the declarers made (the
# summary's "shuffled deals" line gives the deals shuffled afresh alone: a goulash, gathered from
# a hand thrown in, is bid far more often).
awk -v hands="$hands" '
  /throw-ins/ { thrown = $2 }
  /^  (Solo|Misere|Abundance)/ { bid += $(NF - 4); made += $(NF - 3) }
  END { printf "deals bid %.1f %%, made %.1f %% of those\n", 100 * (hands - thrown) / hands, 100 * made / bid }
' "$out/four"
