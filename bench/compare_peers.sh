#!/usr/bin/env bash
# Measures CALCORIX against two console calculators on the same generated workload, alternating
# the programs within one run, and prints medians and ratios. A measurement, not a test.
#
#   bench/compare_peers.sh [path/to/calcorix] [rounds]
#
# Installs Debian's bc and apcalc when they are missing (needs root or sudo).
set -euo pipefail

here=$(cd "$(dirname "$0")" && pwd)
calcorix=${1:-$here/../build/release/src/calcorix}
rounds=${2:-7}
lines=100000

[ -x "$calcorix" ] || { echo "no calcorix binary at $calcorix (build the release preset first)" >&2; exit 2; }
missing=()
command -v bc >/dev/null || missing+=(bc)
command -v calc >/dev/null || missing+=(apcalc)
if ((${#missing[@]})); then
  sudo=""
  [ "$(id -u)" -eq 0 ] || sudo=sudo
  $sudo apt-get update -qq && DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq "${missing[@]}"
fi

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
awk -v n="$lines" 'BEGIN {
  split("2*3+4|sqrt(2)*3.5|(1+2)*(3+4)/7|sin(0.5)+cos(0.25)|2^10-1", e, "|");
  for (i = 0; i < n; i++) print e[i % 5 + 1];
}' > "$work/plain.txt"
sed 's/sin(/s(/; s/cos(/c(/' "$work/plain.txt" > "$work/bc.txt"

# Wall-clock seconds of one command (stdin from $1, stdout discarded).
seconds() {
  local input=$1; shift
  local start end
  start=$(date +%s%N)
  "$@" < "$input" > /dev/null
  end=$(date +%s%N)
  echo "$(( end - start ))" | awk '{ printf "%.6f", $1 / 1e9 }'
}

median() { sort -g | awk '{ v[NR] = $1 } END { m = (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2; printf "%.6f", m }'; }

: > "$work/calcorix" ; : > "$work/bc" ; : > "$work/calc"
for ((r = 0; r < rounds; r++)); do
  seconds "$work/plain.txt" "$calcorix" -is >> "$work/calcorix"; echo >> "$work/calcorix"
  seconds "$work/bc.txt" bc -l >> "$work/bc"; echo >> "$work/bc"
  seconds "$work/plain.txt" calc -p >> "$work/calc"; echo >> "$work/calc"
done
c=$(median < "$work/calcorix"); b=$(median < "$work/bc"); k=$(median < "$work/calc")
echo "standard-input workload: $lines lines, $rounds rounds, median wall time"
awk -v c="$c" -v b="$b" -v k="$k" -v n="$lines" 'BEGIN {
  printf "  calcorix -is  %8.3f s  %10.0f lines/s\n", c, n / c;
  printf "  bc -l         %8.3f s  %10.0f lines/s   calcorix is %.1f x faster\n", b, n / b, b / c;
  printf "  calc -p       %8.3f s  %10.0f lines/s   calcorix is %.1f x faster\n", k, n / k, k / c;
}'

# Start-up plus one calculation, against starting /bin/true; both through the same shell loop.
starts=200
time_starts() {
  local start end
  start=$(date +%s%N)
  for ((i = 0; i < starts; i++)); do "$@" > /dev/null; done
  end=$(date +%s%N)
  echo "$(( end - start ))" | awk -v n="$starts" '{ printf "%.4f", $1 / 1e6 / n }'
}
: > "$work/start-c"; : > "$work/start-t"
for ((r = 0; r < rounds; r++)); do
  time_starts "$calcorix" "2*sin(30)+3^2" >> "$work/start-c"; echo >> "$work/start-c"
  time_starts /bin/true >> "$work/start-t"; echo >> "$work/start-t"
done
sc=$(median < "$work/start-c"); st=$(median < "$work/start-t")
awk -v c="$sc" -v t="$st" 'BEGIN {
  printf "start-up: calcorix with one calculation %.3f ms, /bin/true %.3f ms, difference %.3f ms\n", c, t, c - t;
}'

# Loop mode: a million passes.
: > "$work/loop"
for ((r = 0; r < 3; r++)); do
  seconds /dev/null "$calcorix" -l1:1:1000000 "LI*2+1" >> "$work/loop"; echo >> "$work/loop"
done
echo "loop mode: 1,000,000 passes of LI*2+1 in $(median < "$work/loop") s (median of 3)"
