"""Small WordNet reader: lemma look-up with exception lists and detachment
rules, and per-lemma tagged-sense counts used as a frequency guide.
Reads the Debian wordnet-base files under /usr/share/wordnet."""
import collections
import os

WN = os.environ.get("WORDNET_DIR", "/usr/share/wordnet")
POS = {"n": "noun", "v": "verb", "a": "adj", "r": "adv"}
SS_TYPE = {"1": "n", "2": "v", "3": "a", "4": "r", "5": "a"}

RULES = {
    "n": [("s", ""), ("ses", "s"), ("xes", "x"), ("zes", "z"), ("ches", "ch"),
          ("shes", "sh"), ("men", "man"), ("ies", "y")],
    "v": [("s", ""), ("ies", "y"), ("es", "e"), ("es", ""), ("ed", "e"),
          ("ed", ""), ("ing", "e"), ("ing", "")],
    "a": [("er", ""), ("est", ""), ("er", "e"), ("est", "e")],
    "r": [],
}


class WordNet:
    def __init__(self):
        self.index = {p: set() for p in POS}
        for p, name in POS.items():
            with open(os.path.join(WN, "index." + name), encoding="latin-1") as f:
                for line in f:
                    if line.startswith(" "):
                        continue
                    self.index[p].add(line.split(" ", 1)[0])
        self.exc = {p: collections.defaultdict(list) for p in POS}
        for p, name in POS.items():
            with open(os.path.join(WN, name + ".exc"), encoding="latin-1") as f:
                for line in f:
                    parts = line.split()
                    if len(parts) >= 2:
                        self.exc[p][parts[0]].extend(parts[1:])
        # tagged sense counts: lemma -> pos -> count
        self.count = collections.defaultdict(collections.Counter)
        with open(os.path.join(WN, "cntlist.rev"), encoding="latin-1") as f:
            for line in f:
                key, _, n = line.split()
                lemma, rest = key.split("%", 1)
                self.count[lemma][SS_TYPE[rest[0]]] += int(n)

    def has(self, word, pos):
        return word in self.index[pos]

    def lemmas(self, word):
        """All (lemma, pos) pairs a surface word can come from."""
        out = []
        w = word.lower()
        for p in POS:
            if w in self.index[p]:
                out.append((w, p))
            for base in self.exc[p].get(w, []):
                if base in self.index[p]:
                    out.append((base, p))
            for suf, rep in RULES[p]:
                if w.endswith(suf) and len(w) > len(suf) + 1:
                    base = w[: len(w) - len(suf)] + rep
                    if base in self.index[p]:
                        out.append((base, p))
            if p == "v":  # doubled consonant: stopped, running
                for suf in ("ed", "ing"):
                    if w.endswith(suf) and len(w) > len(suf) + 2:
                        stem = w[: -len(suf)]
                        if stem[-1] == stem[-2] and stem[:-1] in self.index[p]:
                            out.append((stem[:-1], p))
                if w.endswith("ying") and w[:-4] + "ie" in self.index[p]:
                    out.append((w[:-4] + "ie", p))
        seen, res = set(), []
        for x in out:
            if x not in seen:
                seen.add(x)
                res.append(x)
        return res

    def freq(self, lemma, pos=None):
        c = self.count.get(lemma, {})
        return c.get(pos, 0) if pos else sum(c.values())
