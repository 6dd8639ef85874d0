#!/usr/bin/env bash
# Runs every fuzz target for a short fixed time from its seed corpus (fuzz/corpus/<name>, when
# there is one), in a scratch copy so the stored corpus is never changed. A crash, a leak or a
# timeout fails the run and leaves the input in the scratch folder it names.
#   fuzz/run_short.sh BUILD_FUZZ_DIR [SECONDS]
set -euo pipefail
bin=$1
seconds=${2:-20}
here=$(cd "$(dirname "$0")" && pwd)
scratch=$(mktemp -d)
status=0
for target in "$bin"/fuzz_*; do
    [ -x "$target" ] || continue
    name=$(basename "$target")
    corpus="$scratch/$name"
    mkdir -p "$corpus"
    seeds="$here/corpus/${name#fuzz_}"
    if [ -d "$seeds" ]; then
        cp "$seeds"/* "$corpus"/
    fi
    if "$target" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 -print_final_stats=1 \
        -artifact_prefix="$scratch/$name-" "$corpus" >"$scratch/$name.log" 2>&1; then
        echo "$name: $(grep -o 'stat::number_of_executed_units: [0-9]*' "$scratch/$name.log" \
            | grep -o '[0-9]*$' || echo '?') runs, no finding"
    else
        echo "$name: FAILED (log and input in $scratch)"
        tail -30 "$scratch/$name.log"
        status=1
    fi
done
if [ "$status" -eq 0 ]; then
    rm -rf "$scratch"
fi
exit "$status"
