#!/bin/sh
# Translates the Turkish column of tr_en_regression.tsv with
# "zelmor-cli translate tr-en --lines" and fails on any line whose English
# differs from the expected column. Both sides are compared lower-cased, with
# blanks collapsed and the blank before . ? ! , dropped.
#
# usage: run_regression_tr_en.sh [ZELMOR_CLI [TABLE]]
#   ZELMOR_CLI defaults to $ZELMOR_BINARY_DIR/zelmor-cli (the compiled
#   dictionaries are read from the program's folder), TABLE to the table next
#   to this script.
set -eu
here=$(cd "$(dirname "$0")" && pwd)
cli=${1:-${ZELMOR_BINARY_DIR:-.}/zelmor-cli}
table=${2:-$here/tr_en_regression.tsv}
[ -x "$cli" ] || { echo "run_regression_tr_en: no zelmor-cli at $cli" >&2; exit 2; }
[ -r "$table" ] || { echo "run_regression_tr_en: no table at $table" >&2; exit 2; }

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
grep -v '^#' "$table" | grep -v '^[[:space:]]*$' > "$work/cases"
cut -f1 "$work/cases" > "$work/turkish"
cut -f2 "$work/cases" > "$work/expected"
"$cli" translate tr-en --lines < "$work/turkish" > "$work/actual"

normalise() {
    sed -e 's/[[:space:]][[:space:]]*/ /g' -e 's/ \([.?!,]\)/\1/g' -e 's/^ //' -e 's/ $//' |
        tr '[:upper:]' '[:lower:]'
}
normalise < "$work/expected" > "$work/expected.n"
normalise < "$work/actual" > "$work/actual.n"

cases=$(wc -l < "$work/cases")
lines=$(wc -l < "$work/actual")
if [ "$cases" -ne "$lines" ]; then
    echo "run_regression_tr_en: $cases sentences in, $lines lines out" >&2
    exit 1
fi
paste "$work/turkish" "$work/expected.n" "$work/actual.n" |
    awk -F'\t' '$2 != $3 { printf "FAIL: %s\n  expected: %s\n  got:      %s\n", $1, $2, $3; bad++ }
                END { if (bad) { printf "%d of %d cases failed\n", bad, NR; exit 1 }
                      printf "all %d cases passed\n", NR }'
