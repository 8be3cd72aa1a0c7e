#!/usr/bin/env bash
# How `thornbrake-sim stats` scales with worker processes: the same runs with
# --jobs 1 and --jobs 2, alternated, each ROUNDS times; prints the median
# wall-clock times and their ratio.
#
#   bench/stats_scaling.sh [thornbrake-sim] [scenario] [runs] [rounds]
set -euo pipefail
cd "$(dirname "$0")/.."

sim=${1:-build/release/cli/thornbrake-sim}
scenario=${2:-scenarios/default.toml}
runs=${3:-400}
rounds=${4:-5}

if [[ ! -x $sim ]]; then
    echo "stats_scaling.sh: $sim is not built (cmake --build --preset release)" >&2
    exit 2
fi

seconds() {  # wall-clock seconds of one stats run with $1 jobs
    local start end
    start=$(date +%s.%N)
    "$sim" stats "$scenario" --runs "$runs" --jobs "$1" >/dev/null
    end=$(date +%s.%N)
    awk -v s="$start" -v e="$end" 'BEGIN { print e - s }'
}

median() { sort -g | awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }

one=() two=()
for ((round = 0; round < rounds; ++round)); do
    one+=("$(seconds 1)")
    two+=("$(seconds 2)")
done
m1=$(printf '%s\n' "${one[@]}" | median)
m2=$(printf '%s\n' "${two[@]}" | median)
printf 'stats %s, %d runs, %d rounds\n' "$scenario" "$runs" "$rounds"
awk -v a="$m1" -v b="$m2" \
    'BEGIN { printf "  --jobs 1: median %.3f s\n  --jobs 2: median %.3f s\n  speed-up: %.2f\n", a, b, a / b }'
