#!/usr/bin/env bash
# Times the uniqueness test of kestrel-tool against qqwing's solution counter on the same
# puzzles and prints the puzzles per second of both and their ratio.
#
#   bench/compare_qqwing.sh FILE [KESTREL_TOOL]
#
# FILE holds one puzzle per line (81 cells, '1'-'9' givens, any other character empty; blank
# lines and lines starting with '#' are skipped). KESTREL_TOOL defaults to build/kestrel-tool
# (the default preset's build). qqwing (Debian package "qqwing") is installed when missing.
#
# Both programs read the same normalised copy of FILE ('.' for empty cells, the form qqwing
# reads), repeated so that start-up time does not count: at least QQWING_PUZZLES puzzles for
# qqwing (default 2000) and KESTREL_PUZZLES for kestrel-tool (default 30000), whose best of
# three runs counts (the machine may be busy). Use puzzles with exactly one solution: qqwing
# counts every solution. bench/data/qqwing_expert.txt holds 5,000 such puzzles written by
# qqwing --generate 5000 --difficulty expert --one-line.
set -euo pipefail

if [[ $# -lt 1 || $# -gt 2 ]]; then
    sed -n '2,16p' "$0" | sed 's/^# \{0,1\}//'
    exit 2
fi
file=$1
root=$(cd "$(dirname "$0")/.." && pwd)
tool=${2:-$root/build/kestrel-tool}
qqwing_puzzles=${QQWING_PUZZLES:-2000}
kestrel_puzzles=${KESTREL_PUZZLES:-30000}

if [[ ! -r $file ]]; then
    echo "compare_qqwing: cannot read '$file'" >&2
    exit 2
fi
if [[ ! -x $tool ]]; then
    echo "compare_qqwing: no kestrel-tool at '$tool' (build it, or pass its path)" >&2
    exit 2
fi
if ! command -v qqwing > /dev/null; then
    echo "== installing qqwing"
    if [[ $(id -u) -eq 0 ]]; then
        apt-get install -y qqwing > /dev/null || { apt-get update > /dev/null && apt-get install -y qqwing > /dev/null; }
    else
        sudo apt-get install -y qqwing > /dev/null || { sudo apt-get update > /dev/null && sudo apt-get install -y qqwing > /dev/null; }
    fi
fi

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# One puzzle per line, '.' for every empty cell.
grep -v -e '^[[:space:]]*$' -e '^[[:space:]]*#' "$file" \
    | sed -e 's/^[[:space:]]*//' -e 's/[[:space:]]*$//' -e 's/[^1-9]/./g' > "$work/once.txt"
count=$(wc -l < "$work/once.txt")
if [[ $count -eq 0 ]]; then
    echo "compare_qqwing: no puzzles in '$file'" >&2
    exit 2
fi
# repeated FILE MINIMUM: writes the puzzles to FILE at least MINIMUM times in all, prints how
# many it wrote.
repeated() {
    local repeat=$(( ($2 + count - 1) / count ))
    for ((i = 0; i < repeat; ++i)); do cat "$work/once.txt"; done > "$1"
    echo $((count * repeat))
}
qqwing_total=$(repeated "$work/qqwing.txt" "$qqwing_puzzles")
kestrel_total=$(repeated "$work/kestrel.txt" "$kestrel_puzzles")

nanoseconds() { date +%s%N; }
calc() { awk "BEGIN { printf \"%.6f\", $1 }"; }

kestrel_time=
for run in 1 2 3; do
    start=$(nanoseconds)
    "$tool" unique "$work/kestrel.txt" > "$work/kestrel.out"
    end=$(nanoseconds)
    took=$(calc "($end - $start) / 1e9")
    if [[ -z $kestrel_time ]] || awk "BEGIN { exit !($took < $kestrel_time) }"; then
        kestrel_time=$took
    fi
done

start=$(nanoseconds)
qqwing --solve --count-solutions --one-line < "$work/qqwing.txt" > "$work/qqwing.out"
end=$(nanoseconds)
qqwing_time=$(calc "($end - $start) / 1e9")

kestrel_unique=$(grep -c '^0 ' "$work/kestrel.out" || true)
qqwing_unique=$(grep -c 'is unique' "$work/qqwing.out" || true)
kestrel_rate=$(calc "$kestrel_total / $kestrel_time")
qqwing_rate=$(calc "$qqwing_total / $qqwing_time")

printf 'file: %s (%d puzzles)\n' "$file" "$count"
printf 'kestrel-tool unique:              %10.0f puzzles/s  (%d puzzles in %.3f s, %d unique)\n' \
    "$kestrel_rate" "$kestrel_total" "$kestrel_time" "$kestrel_unique"
printf 'qqwing --solve --count-solutions: %10.0f puzzles/s  (%d puzzles in %.3f s, %d unique)\n' \
    "$qqwing_rate" "$qqwing_total" "$qqwing_time" "$qqwing_unique"
printf 'ratio:                            %10.1f x\n' "$(calc "$kestrel_rate / $qqwing_rate")"
if [[ $((kestrel_unique * qqwing_total)) -ne $((qqwing_unique * kestrel_total)) ]]; then
    echo "warning: the two programs disagree on how many puzzles have one solution" >&2
fi
