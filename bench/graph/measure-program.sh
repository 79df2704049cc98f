#!/usr/bin/env bash
# A million and one passes of `sin(LI)` drawn by the program (-p, -pa, -ps) against the same loop
# printed, all with their output going to /dev/null, with `hyperfine -N` (no shell between): the
# median wall time and the processor time (user + system, a mean) of each, and its ratio to the
# printed loop. The machine is shared, so the commands are measured in rounds, one after the other
# in each round, and each figure is the median of the rounds' figures. A measurement, not a test.
#
#   bench/graph/measure-program.sh [--rounds R] [--runs N] [PROGRAM]
#
# PROGRAM is build/release/src/calcorix by default. Needs hyperfine and python3.
set -euo pipefail

repo=$(cd "$(dirname "$0")/../.." && pwd)
rounds=5 runs=3
while [[ ${1-} == --rounds || ${1-} == --runs ]]; do
  declare "${1#--}=$2"
  shift 2
done
program=${1:-$repo/build/release/src/calcorix}
[[ -x $program ]] || { echo "measure-program.sh: no program at $program" >&2; exit 2; }
for tool in hyperfine python3; do
  command -v "$tool" >/dev/null || { echo "measure-program.sh: $tool is missing" >&2; exit 2; }
done

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir "$work/config"
unset CALCORIX_CONFIG COLUMNS LINES
export XDG_CONFIG_HOME=$work/config LANG=C

loop='-l0:0.000001:1 sin(LI)'
arguments=(-N --warmup 1 --runs "$runs" --output=null
  -n printed "$program $loop" -n "drawn, -p" "$program -p $loop"
  -n "drawn, -pa" "$program -pa $loop"
  -n "drawn, -ps" "$program -ps $loop")
load_before=$(cut -d' ' -f1-3 /proc/loadavg)
for ((round = 1; round <= rounds; round++)); do
  hyperfine "${arguments[@]}" --export-json "$work/round-$round.json" >/dev/null 2>&1
done

echo "hyperfine -N, $rounds rounds of $runs runs each, output to /dev/null; $(nproc) cores," \
  "load $load_before before, $(cut -d' ' -f1-3 /proc/loadavg) after"
echo
python3 - "$work"/round-*.json <<'PYTHON'
import json, statistics, sys

rounds = [json.load(open(name))["results"] for name in sys.argv[1:]]
def figure(index, value):
    return statistics.median(value(r[index]) for r in rounds)

wall = lambda r: r["median"]
processor = lambda r: r["user"] + r["system"]
print("| loop of sin(LI), 1,000,001 passes | wall, median (s) | ratio | processor (s) | ratio |")
print("|---|---:|---:|---:|---:|")
for index, result in enumerate(rounds[0]):
    w, p = figure(index, wall), figure(index, processor)
    print(f"| {result['command']} | {w:.3f} | {w / figure(0, wall):.2f} "
          f"| {p:.3f} | {p / figure(0, processor):.2f} |")
PYTHON
