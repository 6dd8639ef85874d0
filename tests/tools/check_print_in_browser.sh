#!/usr/bin/env bash
# Prints the A4 page of a board in both styles with a real browser (headless Chromium) and
# checks the PDF with poppler: one A4 sheet, and the board's digits in the page's order (box by
# box, each box row by row). Exit status 77 (skipped) when chromium or poppler is missing.
#
#   check_print_in_browser.sh <kestrel-tool> <snapshot file>
set -euo pipefail

tool=$1
snapshot_file=$2
for program in chromium pdftotext pdfinfo; do
    if ! command -v "$program" >/dev/null 2>&1; then
        echo "skipped: $program is not installed (./test.sh installs chromium and poppler-utils)"
        exit 77
    fi
done

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
IFS=, read -r -a cells < "$snapshot_file"
[ "${#cells[@]}" -eq 81 ] || { echo "the snapshot does not have 81 cells"; exit 1; }

status=0
for style in normal candidates; do
    # The page as the program writes it, told to print on A4 paper (the browser's default
    # paper is Letter); nothing else is changed.
    "$tool" print --style "$style" --size a4 "$snapshot_file" \
        | sed 's#</head>#<style>@page { size: A4; }</style></head>#' > "$work/$style.htm"
    timeout 120 chromium --headless --no-sandbox --disable-gpu --disable-quic --no-first-run \
        --disable-background-networking --disable-component-update --disable-sync \
        --user-data-dir="$work/profile-$style" --no-pdf-header-footer \
        --print-to-pdf="$work/$style.pdf" "file://$work/$style.htm" >/dev/null 2>&1 || true
    if [ ! -s "$work/$style.pdf" ]; then
        echo "$style: chromium wrote no PDF"
        status=1
        continue
    fi

    info=$(pdfinfo "$work/$style.pdf")
    if ! grep -Eq '^Pages: +1$' <<<"$info" || ! grep -Eq '^Page size:.*\(A4\)' <<<"$info"; then
        echo "$style: the page does not fit one A4 sheet:"
        echo "$info"
        status=1
    fi

    expected=""
    for box in 0 1 2 3 4 5 6 7 8; do
        for r in 0 1 2; do
            for c in 0 1 2; do
                field=${cells[$(((box / 3 * 3 + r) * 9 + box % 3 * 3 + c))]}
                if [ "$style" = candidates ] || [ "${field:0:1}" != 3 ]; then
                    expected+=${field:1}
                fi
            done
        done
    done
    # Everything after the last row label is the board.
    actual=$(pdftotext -raw "$work/$style.pdf" - | sed -n '/^I$/,$p' | tail -n +2 | tr -d ' \n\f')
    if [ "$actual" != "$expected" ]; then
        echo "$style: the board's digits differ"
        echo "expected: $expected"
        echo "printed:  $actual"
        status=1
    else
        echo "$style: one A4 sheet, ${#expected} digits in order"
    fi
done
exit $status
