#!/usr/bin/env bash
# Command lines of solo-sim and solo-whist: a bad argument gets one line on stderr and status 2,
# and a refused run writes nothing. Usage: command_lines.sh SOLO_SIM [SOLO_WHIST]
set -u
sim=$1
game=${2:-}
dir=$(mktemp -d)
trap 'rm -rf "$dir"' EXIT
failures=0

# expect STATUS COMMAND...: runs it, checks the status and, for 2, a single line on stderr.
expect() {
  local want=$1
  shift
  "$@" >"$dir/out" 2>"$dir/err" </dev/null
  local got=$?
  if [ "$got" != "$want" ]; then
    echo "FAIL: $* exited $got, expected $want: $(head -c 300 "$dir/err")"
    failures=$((failures + 1))
  elif [ "$want" = 2 ] && [ "$(wc -l <"$dir/err")" -lt 1 ]; then
    echo "FAIL: $* gave no reason"
    failures=$((failures + 1))
  fi
}

data="$dir/data"
mkdir -p "$data"
printf '5,6,7,-18\r\n' >"$data/Points.dat"
for args in "--seed -1" "--seed +5" "--seed 12x" "--seed 18446744073709551616" "--seed" \
            "--hands 1000000001" "--hands 0x10" "--hands 1e3" "--bogus" "extra" \
            "--south wizard" "--samples 0" "--samples x" "--rules" "--rules chess"; do
  # shellcheck disable=SC2086
  expect 2 "$sim" --data-dir "$data" $args
done
expect 2 "$sim" --hands 3 --data-dir "$data" --trace "$data/Points.dat"
expect 2 "$sim" --hands 3 --data-dir "$data" --trace "$data/../data/./Names2.dat"
[ "$(cat "$data/Points.dat")" = $'5,6,7,-18\r' ] || { echo "FAIL: a refused trace touched Points.dat"; failures=$((failures + 1)); }

# A folder held by another program is refused, and left as it was.
exec 9>"$data/.solo-whist.lock"
flock -n 9 || { echo "FAIL: could not take the lock for the test"; failures=$((failures + 1)); }
expect 2 "$sim" --hands 3 --data-dir "$data"
exec 9>&-
[ "$(cat "$data/Points.dat")" = $'5,6,7,-18\r' ] || { echo "FAIL: a locked folder was written"; failures=$((failures + 1)); }

expect 0 "$sim" --help
grep -q -- "--hands" "$dir/out" || { echo "FAIL: --help printed no usage"; failures=$((failures + 1)); }
expect 0 "$sim" --hands 3 --seed 18446744073709551615 --data-dir "$data" --trace "$dir/trace.jsonl" --quiet
[ "$(wc -l <"$dir/trace.jsonl")" = 3 ] || { echo "FAIL: the trace has not 3 hands"; failures=$((failures + 1)); }
# The history may not overwrite a data file, and it keeps every hand of the trace, checked by
# the trace checker as well.
expect 2 "$sim" --hands 3 --data-dir "$data" --history "$data/Points.dat"
[ "$(cat "$data/Points.dat")" != "" ] || { echo "FAIL: a refused history touched Points.dat"; failures=$((failures + 1)); }
expect 0 "$sim" --hands 40 --seed 5 --data-dir "$data" --trace "$dir/trace.jsonl" --history "$dir/h.sqlite" --quiet
if command -v python3 >/dev/null; then
  expect 0 python3 "$(dirname "$0")/../scripts/check_trace.py" "$dir/trace.jsonl"
fi
# The Standard rules: their auction, trumps, leaders, results and units checked on their own.
expect 0 "$sim" --hands 300 --seed 9 --rules standard --data-dir "$data" --trace "$dir/standard.jsonl" --quiet
grep -q '"rules":"standard"' "$dir/standard.jsonl" || { echo "FAIL: no Standard hand in the trace"; failures=$((failures + 1)); }
if command -v python3 >/dev/null; then
  expect 0 python3 "$(dirname "$0")/../scripts/check_trace.py" "$dir/standard.jsonl"
fi

# The trace never overwrites the hand history, its companions or the history named apart, by
# any path to it: "..", a link to the folder, a hard link.
expect 0 "$sim" --hands 5 --data-dir "$data" --history "$data/History.sqlite" --quiet
ln -s "$data" "$dir/link"
ln "$dir/h.sqlite" "$dir/hard.sqlite"
before=$(sha256sum "$data/History.sqlite" "$dir/h.sqlite")
for trace in "$data/History.sqlite" "$data/../data/History.sqlite-wal" "$dir/link/History.sqlite" \
             "$dir/link/.solo-whist.lock"; do
  expect 2 "$sim" --hands 1 --data-dir "$data" --trace "$trace"
done
expect 2 "$sim" --hands 1 --data-dir "$data" --history "$dir/h.sqlite" --trace "$dir/hard.sqlite"
expect 2 "$sim" --hands 1 --data-dir "$data" --history "$dir/link/../h.sqlite" --trace "$dir/h.sqlite-shm"
[ "$(sha256sum "$data/History.sqlite" "$dir/h.sqlite")" = "$before" ] || { echo "FAIL: a refused trace touched a history"; failures=$((failures + 1)); }

# One line for an unknown option; an empty folder name refused; a history that cannot be opened said once.
expect 2 "$sim" --bogus
[ "$(wc -l <"$dir/err")" = 1 ] || { echo "FAIL: an unknown option printed $(wc -l <"$dir/err") lines"; failures=$((failures + 1)); }
expect 2 "$sim" --data-dir ""
expect 1 "$sim" --hands 1 --data-dir "$data" --history "$dir/no/such/folder/h.sqlite"
[ "$(grep -c "hand history" "$dir/err")" = 1 ] || { echo "FAIL: the history's failure was not said once: $(cat "$dir/err")"; failures=$((failures + 1)); }

if [ -n "$game" ]; then
  touch "$dir/a-file"
  expect 2 "$game" --seed abc
  expect 2 "$game" --seed -3
  expect 2 "$game" --bogus
  expect 2 "$game" --data-dir "$dir/a-file"
  # A folder named in bytes that are not text is refused, never read as another folder.
  expect 2 "$game" --data-dir "$dir/"$'\xff\xfe\xc3'
  [ -z "$(find "$dir" -maxdepth 1 \( -name $'*\xef\xbf\xbd*' -o -name $'\xff\xfe\xc3' \))" ] ||
    { echo "FAIL: a folder was made for a name that is not text"; failures=$((failures + 1)); }
  expect 0 "$game" --help
  expect 0 "$game" --version
  # The real window plays a few hands by itself, answering every box, and leaves by Exit Game.
  expect 0 env XDG_CONFIG_HOME="$dir/config" "$game" --data-dir "$dir/soak" --seed 3 --fast --self-play 2
  grep -q "^self-play: [0-9]* hands at the end" "$dir/err" ||
    { echo "FAIL: the window did not play by itself: $(head -c 300 "$dir/err")"; failures=$((failures + 1)); }
  expect 2 "$game" --self-play 0
fi

echo "$failures failed"
[ "$failures" = 0 ]
