#!/usr/bin/env python3
"""Checks the data/tr-en sources and measures how many word tokens of a
Turkish text the analyser can reduce to a lexicon stem, by replaying its stem
search (whole word, the verb ol-, then the longest stem whose rest is a
"Z+rest_" suffix key with an accepted class pair).

usage: coverage.py DATA_DIR TSV [--failures N]
Checks: 9 fields after the key, unique keys over all files, code page 1254
characters only, none of the characters the stored form cannot hold.
Names (capitalised words inside a sentence, words with an apostrophe and
sentence-initial words that are no dictionary word in either case) are left
out of the measure.
"""
import glob
import re
import sys
from collections import Counter

data_dir, tsv = sys.argv[1], sys.argv[2]
show = int(sys.argv[sys.argv.index("--failures") + 1]) if "--failures" in sys.argv else 0

FORBIDDEN = set("¯°±¹º»¼½¾")
PAIRS = (",PP<P,PB<P,PP<PP,PP<FP,PP<F,PP<PF,PP<P,PY<P,PY<PF,PY<PP,FF<F,FF<FP,FF<P,FF<PF,F*<F,F*<FP,"
         "F*<PF,F*<FF,F1<F,F1<FP,F1<PF,F1<P,QC<F,QI<F,QK<P,QK<PF,VV<F,V1<F,VV<P,VV<PF,XX<F,EE<PF,EE<F,"
         "E*<F,OO<F,QF<F,V4<F,OO<PF,")

rec = {}
errors = 0
for fn in sorted(glob.glob(data_dir + "/tr-en/*.txt")):
    for n, line in enumerate(open(fn, encoding="utf-8"), 1):
        line = line.rstrip("\n")
        if not line or line.startswith("#"):
            continue
        f = line.split(";")
        where = "%s:%d" % (fn, n)
        if len(f) != 10:
            print(where, "has", len(f) - 1, "fields"); errors += 1
        if f[0] in rec:
            print(where, "duplicate key", f[0]); errors += 1
        try:
            line.encode("cp1254")
        except UnicodeEncodeError:
            print(where, "not code page 1254"); errors += 1
        if FORBIDDEN & set(line):
            print(where, "character the stored form cannot hold"); errors += 1
        rec[f[0]] = f[1:]
print("keys:", len(rec), "errors:", errors)


def ek(key):
    r = rec.get(key)
    return (r[0] + "......")[:7] if r else None


def analyse(w):
    """Returns (stem, suffix) or None."""
    if w.startswith("ol"):
        s = ek("Z+" + w[2:] + "_")
        if s and s[3] != "F":
            return ("ol(1)", w[2:])
    if w in rec:
        return (w, "")
    if w in ("da", "de"):
        return (w + "(u*)", "")
    for k in range(len(w) - 1, 1, -1):
        stem, rest = w[:k], w[k:]
        se = ek(stem)
        if not se or se[2] == "+" or stem.startswith("Z+"):
            continue
        xe = ek("Z+" + rest + "_")
        if not xe:
            continue
        pair = se[2] + se[3] + xe[2] + xe[3] + (xe[4] if xe[4] in "FP" else "")
        if rest in ("lerdi", "lardı") and pair == "FF<P":
            pair = "FF<FP"
        if "," + pair + "," not in PAIRS:
            continue
        if pair in ("F1<P", "FF<P", "VV<P") and stem + "*" not in rec:
            continue
        if pair == "PP<F" and stem + "(F)" not in rec:
            continue
        return (stem, rest)
    return None


def lower(s):
    return s.replace("I", "ı").replace("İ", "i").lower()


word_re = re.compile(r"[A-Za-zÇĞİIÖŞÜçğıöşüâîû]+(?:'[A-Za-zÇĞİIÖŞÜçğıöşüâîû]+)?")
total = found = names = 0
fails = Counter()
for line in open(tsv, encoding="utf-8"):
    tr = line.split("\t")[0]
    for i, m in enumerate(word_re.finditer(tr)):
        tok = m.group(0)
        cap = tok[0].isupper()
        if "'" in tok or (cap and i > 0):
            names += 1
            continue
        w = lower(tok)
        res = analyse(w)
        if res is None and cap:
            names += 1  # a sentence-initial word that is no Turkish word: a name
            continue
        total += 1
        if res:
            found += 1
        else:
            fails[w] += 1
print("tokens (without names): %d  reduced to a stem: %d  share: %.4f  names left out: %d"
      % (total, found, found / max(total, 1), names))
for w, c in fails.most_common(show):
    print(c, w)
sys.exit(1 if errors else 0)
