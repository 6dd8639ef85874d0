#!/usr/bin/env bash
# Every kestrel-tool command given an empty file, a binary file, a line of 1 MB or a folder:
# a message and a non-zero exit status, never a crash (a signal), a hang or
# a silent success.
set -u
tool=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

: >"$work/empty"
head -c 65536 /dev/urandom >"$work/binary"
printf '\0\1\2\377\n\0\0\0\n' >>"$work/binary"
head -c 1048576 /dev/zero | tr '\0' '5' >"$work/long"
printf '\n' >>"$work/long"
mkdir "$work/folder"

failures=0
check() { # name input-kind command...
    local name=$1
    shift
    local status=0
    timeout 60 "$@" </dev/null >"$work/out" 2>"$work/err" || status=$?
    local why=""
    if [ "$status" -eq 0 ]; then
        why="exit status 0"
    elif [ "$status" -eq 124 ]; then
        why="no answer within 60 s"
    elif [ "$status" -ge 128 ]; then
        why="killed by signal $((status - 128))"
    elif [ ! -s "$work/err" ] && [ ! -s "$work/out" ]; then
        why="no message (status $status)"
    fi
    if [ -n "$why" ]; then
        echo "FAIL $name: $why"
        failures=$((failures + 1))
    fi
}

for kind in empty binary long folder; do
    input="$work/$kind"
    for command in solve unique hint grade session import; do
        check "$command $kind" "$tool" "$command" "$input"
    done
    check "grade --full $kind" "$tool" grade --full "$input"
    check "copy $kind" "$tool" copy --layout nocand "$input"
    check "print $kind" "$tool" print --style normal --size a4 "$input"
    check "games list $kind" "$tool" games list "$input"
    check "games load $kind" "$tool" games load "$input" name
    # check-bank: every level file of the folder is the input.
    bank="$work/bank-$kind"
    mkdir "$bank"
    for level in 0 1 2 3 4; do
        if [ "$kind" = folder ]; then
            mkdir "$bank/level$level.txt"
        else
            cp "$input" "$bank/level$level.txt"
        fi
    done
    check "check-bank $kind" "$tool" check-bank "$bank"
done
# The same inputs on standard input.
for kind in empty binary long; do
    for command in solve unique hint grade session import; do
        check "$command stdin $kind" sh -c "\"$tool\" $command <\"$work/$kind\""
    done
    check "games save stdin $kind" sh -c "\"$tool\" games save \"$work/games-$kind.dat\" n 1 <\"$work/$kind\""
done
# bank refuses numbers it cannot take whole.
for args in "--seed 12abc --count 1,0,0,0,0" "--seed -1 --count 1,0,0,0,0" \
    "--seed 1 --count 1,0,0,0,0x" "--seed 1 --count 1,0,0,0" "--seed 1 --count 1,,0,0,0" \
    "--seed 99999999999999999999999 --count 1,0,0,0,0" "--seed 1 --count 1,0,0,0,+0" \
    "--seed 1 --count 99999999999,0,0,0,0"; do
    # shellcheck disable=SC2086
    check "bank $args" "$tool" bank $args --out "$work/bank-out"
done
# bank whose level file cannot be replaced (a folder stands in its place) fails and leaves no
# temporary file behind.
blocked="$work/bank-blocked"
mkdir -p "$blocked/level0.txt/inside"
status=0
"$tool" bank --seed 1 --count 1,0,0,0,0 --out "$blocked" >"$work/out" 2>&1 || status=$?
if [ "$status" -eq 0 ] || ls "$blocked" | grep -q '\.tmp$'; then
    echo "FAIL bank into a blocked level file (status $status): $(ls "$blocked")"
    failures=$((failures + 1))
fi
# check-bank reports a line that is no puzzle once, not also as a copy of the other junk, and
# its summary speaks only of the lines that passed.
junk="$work/junk-bank"
mkdir "$junk"
for level in 0 1 2 3 4; do
    yes x | head -390 >"$junk/level$level.txt"
done
status=0
"$tool" check-bank "$junk" >"$work/out" 2>&1 || status=$?
if [ "$status" -ne 1 ] || grep -q "a copy of" "$work/out" || grep -q "givens" "$work/out" \
    || [ "$(grep -c "none valid" "$work/out")" -ne 5 ]; then
    echo "FAIL check-bank on junk lines (status $status):"
    grep -v "expected 81" "$work/out" | head -8
    failures=$((failures + 1))
fi
if [ "$failures" -ne 0 ]; then
    echo "$failures failures"
    exit 1
fi
echo "all inputs answered"
