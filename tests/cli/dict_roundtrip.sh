#!/usr/bin/env bash
# Decoding every compiled dictionary and compiling the result again must give
# the same bytes.
set -euo pipefail
cli=$1
prog=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir -p "$work/data/en-tr" "$work/data/tr-en" "$work/data/user" "$work/out"
"$cli" dict decode "$prog/pavolkx.txt" > "$work/data/en-tr/all.txt"
"$cli" dict decode "$prog/zelmorx.txt" > "$work/data/tr-en/all.txt"
"$cli" dict decode "$prog/usering.txt" > "$work/data/user/usering.txt"
"$cli" dict decode "$prog/usertur.txt" > "$work/data/user/usertur.txt"
"$cli" dict decode "$prog/abbreviate.txt" > "$work/data/abbreviate.txt"
"$cli" dict build --quiet --data "$work/data" --out "$work/out"
status=0
for f in pavolkx.txt zelmorx.txt usering.txt usertur.txt abbreviate.txt; do
  if cmp -s "$prog/$f" "$work/out/$f"; then echo "ok $f"; else echo "DIFFERS $f"; status=1; fi
done
# A rejected source line names its file and line and writes nothing.
mkdir -p "$work/bad/en-tr" "$work/badout"
printf 'book;..FF..;;kitap;;;;;\nbook;..FF..;;defter;;;;;\n' > "$work/bad/en-tr/x.txt"
if "$cli" dict build --quiet --data "$work/bad" --out "$work/badout" 2> "$work/err"; then
  echo "duplicate key accepted"; status=1
fi
grep -q "x.txt:2: duplicate key 'book'" "$work/err" || { echo "no file:line message"; cat "$work/err"; status=1; }
[ -z "$(ls -A "$work/badout")" ] || { echo "files written despite errors"; status=1; }
exit $status
