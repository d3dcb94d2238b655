#!/usr/bin/env bash
# Measures how often a contract an Expert bids is made in real play, against the share of the
# layouts it imagined in which the contract was made when it bid, and prints the rows of
# src/play/BidCalibration.h.
#   scripts/calibrate_bids.sh [hands per run] [first seed] [runs] [hands per Solo run] [Solo runs]
#                             [defenders]                 (default 600 5001 4 300 0 experts)
# defenders "classic" measures the second table instead: an Expert South bidding against three
# Classic seats, whose play lets far more contracts through than the Experts' (the Expert reads
# that table when every other seat plays by the Classic rules).
# defenders "shuffled" measures the Misere row read on a deal shuffled afresh: four Experts
# bidding by their expectation (the hands they bid in play), only the contracts of those deals
# counted. The row committed comes from seeds 9948-9949 and 9955-9956 played by the code before
# it, and 9957-9958 by the code with the row (`scripts/calibrate_bids.sh 600 9948 2 300 0
# shuffled`, and the same from 9955 and 9957; the counts added and the rates made again from
# them), then read no higher than the first table's.
# Four Experts play with a low bidding share (--confidence 2), so that contracts are bid across
# the whole range of shares; then, from the seeds after, runs that bid a Solo at any share when
# nothing higher qualifies (--explore-solos: the first runs hardly bid a Solo below a fifth of the
# layouts). The committed table comes from the first four runs; two Solo runs of 300 hands
# (seeds 5005-5006) checked its lowest tenth: 31 of 526 such Solos made (5.9 %). Every contract
# an Expert bid and played is logged (--bid-log). The
# rate of each tenth of the share is shrunk towards the share itself by four imagined bids
# (bins with few bids say little), then made non-decreasing (pool-adjacent-violators).
# A run of 600 hands takes about 20 CPU-minutes; the runs go two at a time.
set -euo pipefail
# shellcheck source=scripts/setup.sh
source "$(dirname "${BASH_SOURCE[0]}")/setup.sh"
solo_setup >/dev/null
hands=${1:-600}
seed=${2:-5001}
runs=${3:-4}
soloHands=${4:-300}
soloRuns=${5:-0}
defenders=${6:-experts}
others=(--west expert --north expert --east expert)
bidding=(--confidence 2)
keep='1'  # every contract logged (its fifth field: 1 on a goulash; its sixth: 1 if the declarer led)
if [[ $defenders == classic ]]; then others=(); fi
if [[ $defenders == shuffled ]]; then bidding=(); keep='$5 == 0'; fi
log=$(mktemp)
trap 'rm -f "$log" "$log".*' EXIT
for ((i = 0; i < runs + soloRuns; ++i)); do
  if (( i < runs )); then extra=(--hands "$hands"); else extra=(--hands "$soloHands" --explore-solos); fi
  "$SOLO_BUILD_DIR/solo-sim" "${extra[@]}" --seed $((seed + i)) --south expert "${others[@]}" \
    "${bidding[@]}" --threads 1 --no-time-budget --bid-log --quiet >"$log.$i" &
  if (( i % 2 == 1 )); then wait; fi
done
wait
cat "$log".* | grep '^bid ' | awk "$keep" >"$log"
echo "bids logged: $(wc -l <"$log")"
awk '
  { code = $2; bin = int($3 * 10); if (bin > 9) bin = 9; n[code, bin]++; made[code, bin] += $4 }
  END {
    split("1 2 4 6", codes, " ");
    names[1] = "kSolo"; names[2] = "kMisere"; names[4] = "kAbundanceTrumps"; names[6] = "kAbundanceDeclared";
    for (c = 1; c <= 4; ++c) {
      code = codes[c];
      for (b = 0; b < 10; ++b) {
        prior = (b + 0.5) / 10;
        rate[b] = (made[code, b] + 4 * prior) / (n[code, b] + 4);
        weight[b] = n[code, b] + 4;
      }
      # Pool adjacent violators: a higher share never reads as a lower chance.
      do {
        changed = 0;
        for (b = 0; b < 9; ++b)
          if (rate[b] > rate[b + 1]) {
            pooled = (rate[b] * weight[b] + rate[b + 1] * weight[b + 1]) / (weight[b] + weight[b + 1]);
            rate[b] = rate[b + 1] = pooled; weight[b] = weight[b + 1] = weight[b] + weight[b + 1]; changed = 1;
          }
      } while (changed);
      line = sprintf("    {%s, {", names[code]);
      for (b = 0; b < 10; ++b) line = line sprintf("%s%.2ff", b ? ", " : "", rate[b]);
      print line "}},";
      counts = "    //";
      for (b = 0; b < 10; ++b) counts = counts sprintf(" %d/%d", made[code, b], n[code, b]);
      print counts;
    }
  }' "$log"
