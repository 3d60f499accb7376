#!/usr/bin/env python3
"""Checks the English-Turkish lexicon under data/en-tr/ and reports coverage.

    python3 tools/en-tr-lexicon/check_lexicon.py [--dev FILE] [--missing OUT]

1. Every Turkish word of every meaning (fields 3 and 4 of word entries, "_"
   read as a blank) is given to `hunspell -d tr_TR -l`; unknown words are
   listed.
2. Verb entries: field 6 must start with a stem class that agrees with the
   Turkish stem; a meaning ending in -mak/-mek (an infinitive, not a stem) is
   reported.
3. Coverage: the share of the word types of the development sentences
   (column 1), names left out, that the engine's word analysis finds: the
   word itself, its lower-case form, an "'s"/"s'" stem, or the word without
   a final "s", "ed", "d" or "ing" (a plural noun, a verb form), numbers and
   ordinals written in digits.
"""
import argparse
import glob
import os
import re
import subprocess
import sys

HERE = os.path.dirname(os.path.abspath(__file__))
ROOT = os.path.abspath(os.path.join(HERE, "..", ".."))
sys.path.insert(0, HERE)
from build_lexicon import stem_class  # noqa: E402

WORD = re.compile(r"[A-Za-z0-9'\-_$*€£ÇĞÖÜİŞçéğöüış]+")


def load():
    entries = {}
    for path in sorted(glob.glob(os.path.join(ROOT, "data", "en-tr", "*.txt"))):
        with open(path, encoding="utf-8") as f:
            for line in f:
                line = line.rstrip("\n")
                if not line or line.startswith("#") or ";" not in line:
                    continue
                key, rest = line.split(";", 1)
                entries[key] = rest.split(";")
    return entries


def user_keys():
    keys = set()
    path = os.path.join(ROOT, "data", "user", "usering.txt")
    with open(path, encoding="utf-8") as f:
        for line in f:
            if "=" in line and not line.startswith("#"):
                keys.add(line.split("=", 1)[0])
    return keys


def spell(entries):
    words = set()
    for key, f in entries.items():
        if key.startswith(("EK(", "Y")) and "_" in key[:4] or key.startswith("EK("):
            continue
        if f[0] in ("..99..", "..<<.."):
            continue
        for text in (f[2], f[3] if f[0][2:4] not in ("PP", "PI") or f[4] == "FF" else ""):
            for w in text.replace("_", " ").split():
                if w != "*" and not w.startswith("-"):
                    words.add(w)
    out = subprocess.run(["hunspell", "-d", "tr_TR", "-l"], input="\n".join(sorted(words)),
                         capture_output=True, text=True, check=True).stdout.split()
    return len(words), sorted(set(out))


def verbs(entries):
    bad = []
    for key, f in entries.items():
        if f[0][2:4] in ("PP", "PI") and f[0] != "..PP5." or f[0] == "..PP5.":
            if not f[5]:
                continue
            m = f[2]
            if re.search(r"m[ae]k$", m):
                bad.append("%s: meaning %s looks like an infinitive" % (key, m))
            want = stem_class(m)
            if f[5][0] != want and key not in ("did", "done"):
                bad.append("%s: stem class %s, expected %s for %s" % (key, f[5][0], want, m))
    return bad


def known(word, entries):
    """True when the engine's word analysis finds the word: directly, as an
    "'s"/"s'" form, a hyphenated pair, or through a cut-off ending whose stem
    has the right class (noun or verb for "s", verb for "ed", "d", "ing")."""
    def cls(w):
        f = entries.get(w)
        return f[0][2:3] if f and f[0] and "???" not in f[0] else None
    if word[0].isdigit():
        return True
    for w in (word, word.lower()):
        if cls(w):
            return True
        if re.search(r"'s$", w, re.I) or w.endswith("s'"):
            return True  # possessive: the stem is kept even when unknown
        if "-" in w[1:]:
            left, right = w.split("-", 1)
            if cls(left) and cls(right):
                return True
        if len(w) > 1 and w[-1] in "sS" and cls(w[:-1]) in ("F", "P"):
            return True
        if w[-2:].lower() == "ed" and cls(w[:-2]) == "P":
            return True
        if w[-1:] in "dD" and cls(w[:-1]) == "P":
            return True
        if w[-3:].lower() == "ing" and cls(w[:-3]) == "P":
            return True
    return False


def coverage(dev, entries, users, missing_out):
    types, capmid, lower = {}, set(), set()
    with open(dev, encoding="utf-8") as f:
        for line in f:
            toks = WORD.findall(line.split("\t")[0])
            for i, t in enumerate(toks):
                types[t] = types.get(t, 0) + 1
                if t[0].isupper() and i > 0 and t != "I":
                    capmid.add(t.lower())
                if t[0].islower():
                    lower.add(t.lower())
    # names: words only ever written with a capital inside a sentence, or
    # listed as names in the user dictionary
    def is_name(t):
        base = re.sub(r"'s$|'ll$|'$", "", t)
        if base in users or base.lower() in users and base[0].isupper():
            return True
        return base.lower() in capmid and base.lower() not in lower and not known(t, entries)
    seen, found, miss = set(), 0, {}
    for t, n in types.items():
        lt = t if t == "I" else t
        if is_name(lt):
            continue
        k = lt.lower() if lt.lower() not in seen else None
        if k is None:
            continue
        seen.add(k)
        if known(lt, entries) or known(k, entries):
            found += 1
        else:
            miss[k] = miss.get(k, 0) + n
    total = len(seen)
    if missing_out:
        with open(missing_out, "w", encoding="utf-8") as f:
            for k, n in sorted(miss.items(), key=lambda x: -x[1]):
                f.write("%s\t%d\n" % (k, n))
    return found, total, miss


def main():
    ap = argparse.ArgumentParser()
    ap.add_argument("--dev", default=os.path.join(ROOT, "..", "shared", "eval", "tatoeba-en-tr.dev.tsv"))
    ap.add_argument("--missing")
    a = ap.parse_args()
    entries = load()
    n, unknown = spell(entries)
    print("Turkish meaning words: %d, unknown to hunspell: %d" % (n, len(unknown)))
    for w in unknown:
        print("  spell: " + w)
    bad = verbs(entries)
    print("verb entries with problems: %d" % len(bad))
    for b in bad:
        print("  verb: " + b)
    print("keys: %d" % len(entries))
    if os.path.exists(a.dev):
        found, total, miss = coverage(a.dev, entries, user_keys(), a.missing)
        print("coverage: %d of %d non-name word types of the development set (%.1f%%)"
              % (found, total, 100.0 * found / max(1, total)))
        print("  most frequent misses: " + ", ".join(
            "%s(%d)" % kv for kv in sorted(miss.items(), key=lambda x: -x[1])[:40]))


if __name__ == "__main__":
    main()
