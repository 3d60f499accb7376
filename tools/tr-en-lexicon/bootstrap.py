#!/usr/bin/env python3
"""Bootstraps candidate lexicon entries: Turkish roots ranked by frequency,
their part of speech and sound-change flags (nlptoolkit-dictionary) and an
English equivalent through the Turkish WordNet's links to English WordNet 3.1
(nlptoolkit-wordnet).  Both packages are ISC licensed.

usage: bootstrap.py NODE_MODULES DEVSTEMS.tsv EXTRASTEMS.tsv > candidates.tsv
  DEVSTEMS/EXTRASTEMS are outputs of devstems.js.
Output columns: root, pos, flags, dev_count, extra_count, english, english_alts
"""
import re
import sys
from collections import defaultdict

nm, devf, extraf = sys.argv[1:4]

# --- roots with flags
flags = {}
for line in open(nm + "/nlptoolkit-dictionary/turkish_dictionary.txt", encoding="utf-8"):
    parts = line.split()
    if parts:
        flags[parts[0]] = parts[1:]

POSMAP = {"VERB": "v", "NOUN": "n", "ADJ": "a", "ADV": "b", "PRON": "p", "DET": "d", "NUM": "x",
          "CONJ": "c", "POSTP": "o", "INTERJ": "i", "QUES": "q", "DUP": "u"}
PREF = {"p": 0, "q": 0, "v": 1, "c": 2, "o": 2, "d": 2, "x": 2, "b": 3, "a": 3, "n": 4, "i": 5, "u": 6}


def best_parse(main, alts):
    """Pick the parse a learner means: no derivation first, then pronoun,
    question, verb ... before noun, then the longest root."""
    cands = [main] + [a.strip() for a in alts.split("|") if a.strip()]
    best = None
    for p in cands:
        if not p:
            continue
        m = re.match(r"([^+]+)\+([A-Z]+)", p)
        if not m:
            continue
        root, pos = m.group(1), POSMAP.get(m.group(2), "n")
        derived = "^DB" in p
        key = (derived, PREF.get(pos, 7), -len(root))
        if best is None or key < best[0]:
            best = (key, root, pos)
    return (best[1], best[2]) if best else (None, None)


def read_stems(fn):
    cnt = defaultdict(int)
    pos_of = {}
    for line in open(fn, encoding="utf-8"):
        f = line.rstrip("\n").split("\t")
        if len(f) < 7 or f[4] == "NAME" or f[3] == "?":
            continue
        root, pos = best_parse(f[5], f[6])
        if not root:
            continue
        cnt[root] += int(f[0])
        pos_of.setdefault(root, defaultdict(int))[pos] += int(f[0])
    return cnt, pos_of


dev, dev_pos = read_stems(devf)
extra, extra_pos = read_stems(extraf)

# --- WordNet links
eng_lemma = {}  # ENG31 id -> list of (sense, literal)
for line in open(nm + "/nlptoolkit-wordnet/english_wordnet_version_31.xml", encoding="utf-8"):
    m = re.search(r"<ID>(ENG31-[^<]+)</ID>", line)
    if not m:
        continue
    lits = re.findall(r"<LITERAL>([^<]+)<SENSE>(\d+)</SENSE>", line)
    eng_lemma[m.group(1)] = [(int(s) if int(s) > 0 else 99, l) for l, s in lits]

tr_links = defaultdict(list)  # (literal, pos) -> list of (sense, [eng ids])
for line in open(nm + "/nlptoolkit-wordnet/turkish_wordnet.xml", encoding="utf-8"):
    if "<SYNSET>" not in line:
        continue
    pm = re.search(r"<POS>(\w)</POS>", line)
    pos = pm.group(1) if pm else "n"
    ids = re.findall(r"<ILR>(ENG31-[^<]+)<TYPE>SYNONYM", line)
    for lit, sense in re.findall(r"<LITERAL>([^<]+)<SENSE>(\d+)</SENSE>", line):
        tr_links[(lit, pos)].append((int(sense), ids))
        tr_links[(lit, "*")].append((int(sense) + 50, ids))


def english_for(root, pos):
    wpos = {"v": "v", "n": "n", "a": "a", "b": "b"}.get(pos, "*")
    keys = [root]
    if pos == "v":  # the Turkish WordNet lists verbs by their infinitive
        keys = [root + ("mek" if any(c in "eiöü" for c in root[::-1][:1]) or
                        [c for c in root if c in "aeıioöuü"][-1:] in (["e"], ["i"], ["ö"], ["ü"]) else "mak")]
    cands = []
    for k in keys:
        cands += tr_links.get((k, wpos), []) + tr_links.get((k, "*"), [])
    cands.sort()
    out = []
    for sense, ids in cands:
        for i in ids:
            lits = sorted(eng_lemma.get(i, []))
            if lits:
                w = lits[0][1].replace("_", " ")
                if w not in out:
                    out.append(w)
    return out


roots = set(dev) | {r for r, c in extra.items() if c >= 3}
rows = []
for r in roots:
    pc = defaultdict(int)
    for d in (dev_pos.get(r, {}), extra_pos.get(r, {})):
        for k, v in d.items():
            pc[k] += v
    pos = max(pc, key=pc.get)
    eng = english_for(r, pos)
    rows.append((dev.get(r, 0), extra.get(r, 0), r, pos, " ".join(flags.get(r, [])),
                 eng[0] if eng else "", "|".join(eng[1:4])))
rows.sort(key=lambda x: (-x[0], -x[1], x[2]))
for d, e, r, pos, fl, en, alts in rows:
    print("\t".join([r, pos, fl, str(d), str(e), en, alts]))
