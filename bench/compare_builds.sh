#!/usr/bin/env bash
# Compares the answers of two kestrel-tool builds on a seeded mix of puzzles (puzzle_mix) and
# prints how many lines of `unique` and `solve` differ, with the first few differences.
#
#   bench/compare_builds.sh OLD_TOOL NEW_TOOL [COUNT] [SEED]
#
# COUNT puzzles (default 100000) from seed SEED (default 7). The mix holds grids with
# conflicting givens on which builds without a bound on the replay of the reference order
# run for hours, so `solve` runs in chunks of 1,000 lines with a time limit per chunk
# (CHUNK_SECONDS, default 20): a line still unanswered when the limit hits counts as
# "unfinished" for that build and is left out of the comparison; the chunk goes on after it.
# PUZZLE_MIX names the generator (default build/bench/puzzle_mix).
set -euo pipefail

if [[ $# -lt 2 || $# -gt 4 ]]; then
    sed -n '2,12p' "$0" | sed 's/^# \{0,1\}//'
    exit 2
fi
old=$1
new=$2
count=${3:-100000}
seed=${4:-7}
root=$(cd "$(dirname "$0")/.." && pwd)
mix=${PUZZLE_MIX:-$root/build/bench/puzzle_mix}
chunk_seconds=${CHUNK_SECONDS:-20}
for tool in "$old" "$new" "$mix"; do
    if [[ ! -x $tool ]]; then
        echo "compare_builds: cannot run '$tool'" >&2
        exit 2
    fi
done

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
"$mix" "$count" "$seed" > "$work/puzzles.txt"

# answer TOOL COMMAND OUT: the answers of TOOL, one line per puzzle, "unfinished" where a chunk
# ran out of time.
answer() {
    local tool=$1 command=$2 out=$3 start=1 got size
    : > "$out"
    while [[ $start -le $count ]]; do
        sed -n "${start},$((start + 999))p" "$work/puzzles.txt" > "$work/chunk.txt"
        size=$(wc -l < "$work/chunk.txt")
        timeout "$chunk_seconds" "$tool" "$command" "$work/chunk.txt" > "$work/answers.txt" || true
        got=$(wc -l < "$work/answers.txt")
        cat "$work/answers.txt" >> "$out"
        if [[ $got -lt $size ]]; then
            echo unfinished >> "$out"
            start=$((start + got + 1))
        else
            start=$((start + size))
        fi
    done
}

for command in unique solve; do
    answer "$old" "$command" "$work/old.txt"
    answer "$new" "$command" "$work/new.txt"
    paste -d '\t' "$work/puzzles.txt" "$work/old.txt" "$work/new.txt" | awk -F '\t' -v c="$command" '
        $2 == "unfinished" { oldOpen++ }
        $3 == "unfinished" { newOpen++ }
        $2 != "unfinished" && $3 != "unfinished" && $2 != $3 {
            if (++differ <= 5) printf "  %s\n    old %s\n    new %s\n", $1, $2, $3
        }
        END {
            printf "%s: %d puzzles, %d differ, unfinished: %d old, %d new\n",
                c, NR, differ, oldOpen, newOpen
        }'
done
