#!/usr/bin/env bash
# Start-up of `calcorix 2+3` with its output in a pipe, against /bin/true and `bc -l` computing
# the same sum, with `hyperfine -N` (no shell between), in milliseconds: the median wall time and
# the processor time (user + system, a mean) of each program, and what it costs above /bin/true.
# The machine is shared, so the commands are measured in rounds, one after the other in each
# round, and each figure is the median of the rounds' figures. A measurement, not a test.
#
#   bench/startup/measure.sh [--rounds R] [--runs N] [NAME=PROGRAM]...
#
# Without NAME=PROGRAM pairs it measures the packaged program (build/package, made by
# `cmake --workflow --preset package`) and the static one (build/release). Each program runs
# with a configuration home of its own that holds no file, so no configuration is read.
# Needs hyperfine and bc (apt-get install hyperfine bc).
set -euo pipefail

repo=$(cd "$(dirname "$0")/../.." && pwd)
rounds=5 runs=500
while [[ ${1-} == --rounds || ${1-} == --runs ]]; do
  declare "${1#--}=$2"
  shift 2
done
programs=("$@")
if ((${#programs[@]} == 0)); then
  programs=("packaged=$repo/build/package/src/calcorix" "static=$repo/build/release/src/calcorix")
fi
for tool in hyperfine bc python3; do
  command -v "$tool" >/dev/null || { echo "measure.sh: $tool is missing" >&2; exit 2; }
done

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
printf '2+3\nquit\n' >"$work/sum.bc"
mkdir "$work/config"
unset CALCORIX_CONFIG
export XDG_CONFIG_HOME=$work/config

arguments=(-N --warmup 50 --runs "$runs" --output=pipe -n /bin/true /bin/true)
for entry in "${programs[@]}"; do
  name=${entry%%=*} program=${entry#*=}
  [[ -x $program ]] || { echo "measure.sh: no program at $program" >&2; exit 2; }
  arguments+=(-n "$name" "$program 2+3")
done
arguments+=(-n "bc -l" "bc -l $work/sum.bc")
load_before=$(cut -d' ' -f1-3 /proc/loadavg)
for ((round = 1; round <= rounds; round++)); do
  hyperfine "${arguments[@]}" --export-json "$work/round-$round.json" >/dev/null 2>&1
done

echo "hyperfine -N, $rounds rounds of $runs runs each, output in a pipe; $(nproc) cores," \
  "load $load_before before, $(cut -d' ' -f1-3 /proc/loadavg) after"
echo
python3 - "$work"/round-*.json <<'PYTHON'
import json, statistics, sys

rounds = [json.load(open(name))["results"] for name in sys.argv[1:]]
def figure(index, value):
    return statistics.median(value(r[index]) for r in rounds) * 1000

print("| program | wall, median | above /bin/true | processor | above /bin/true |")
print("|---|---:|---:|---:|---:|")
wall = lambda r: r["median"]
cpu = lambda r: r["user"] + r["system"]
for index, result in enumerate(rounds[0]):
    w, c = figure(index, wall), figure(index, cpu)
    print(f"| {result['command']} | {w:.3f} | {w - figure(0, wall):+.3f} | {c:.3f} |"
          f" {c - figure(0, cpu):+.3f} |")
PYTHON
