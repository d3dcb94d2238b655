#!/usr/bin/env bash
# How many shuffled deals four Experts can bid, and how often those contracts are then made:
# the same deals played at several bidding thresholds, from the Experts' own expectation to a
# Solo offered at any share. Each row: the deals shuffled afresh that were bid (goulashes,
# gathered from a hand thrown in, are left out), the declarers' made rate on those deals (of the
# contracts the Experts' bid log shows), and among them the Misere and the other contracts, made
# and bid. The rows share the seed, but a throw-in in one and not another deals the rest
# differently: the rates are of the deals each row met. One thread a decision and no time
# budget, so every row plays the same game on any machine; two rows run at a time.
#   scripts/bid_frontier.sh [hands] [seed]                    (default 600 12011)
set -euo pipefail
# shellcheck source=scripts/setup.sh
source "$(dirname "${BASH_SOURCE[0]}")/setup.sh"
solo_setup >/dev/null
hands=${1:-600}
seed=${2:-12011}
sim="$SOLO_BUILD_DIR/solo-sim"
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT

settings=("expectation" "--confidence 50" "--confidence 30" "--confidence 15" "--confidence 5"
          "--confidence 5 --explore-solos")
run() {
  local name=$1 options=()
  [ "$name" = expectation ] || read -r -a options <<<"$name"
  "$sim" --hands "$hands" --seed "$seed" --south expert --west expert --north expert --east expert \
    --threads 1 --no-time-budget --bid-log "${options[@]}" >"$out/$2"
}
for i in "${!settings[@]}"; do
  run "${settings[$i]}" "$i" &
  if (( i % 2 == 1 )); then wait; fi
done
wait

printf '%-32s %16s %14s %16s %16s\n' "bidding" "shuffled bid" "made" "Misere made" "others made"
for i in "${!settings[@]}"; do
  awk -v name="${settings[$i]}" '
    /^bid / && $5 == 0 { bid++; made += $4; if ($2 == 2) { misere++; misereMade += $4 } }
    /^  shuffled deals/ { deals = $3 + 0; dealsBid = $4 }
    END {
      printf "%-32s %6d/%-5d %4.1f%% %6.1f%% (%3d) %9d/%-3d %9d/%-3d\n", name, dealsBid, deals,
             deals ? 100 * dealsBid / deals : 0, bid ? 100 * made / bid : 0, bid, misereMade, misere,
             made - misereMade, bid - misere
    }' "$out/$i"
done
