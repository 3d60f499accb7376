#!/usr/bin/env python3
"""Writes the Turkish-to-English lexicon files under data/tr-en/ from the
hand-written core list (core.txt, function-words source in function_words.txt)
and the bootstrap candidates (candidates.tsv made by bootstrap.py).

usage: build_lexicon.py CANDIDATES.tsv OUT_DIR [TARGET_STEMS]
The core list always wins; bootstrap entries fill up to TARGET_STEMS stems.
Stem alternations get their own keys (see alternations()).
"""
import os
import re
import sys

HERE = os.path.dirname(os.path.abspath(__file__))
cand_file, out_dir = sys.argv[1], sys.argv[2]
TARGET = int(sys.argv[3]) if len(sys.argv) > 3 else 6200

VOWELS = "aeıioöuü"
FORBIDDEN = set("¯°±¹º»¼½¾")

CLASS = {"n": "..FF..", "v": "..PP..", "a": "..VV..", "b": "..DD..", "c": "..N1..", "o": "..OO..",
         "i": "..YY..", "p": "..EE..", "q": "..QK..", "x": "..XX.."}
FILE_OF = {"n": "lexicon-nouns.txt", "v": "lexicon-verbs.txt", "a": "lexicon-adjectives.txt"}

IRREGULAR_PAST = {}
# English irregular past forms for verbs whose English came from the bootstrap
# (the core list gives its own).
IRREGULAR_BASE = dict(p.split(":") for p in """
arise:arose awake:awoke be:was bear:bore beat:beat become:became begin:began bend:bent bet:bet bind:bound
bite:bit bleed:bled blow:blew break:broke breed:bred bring:brought build:built burn:burned buy:bought
cast:cast catch:caught choose:chose cling:clung come:came cost:cost creep:crept cut:cut deal:dealt dig:dug
do:did draw:drew dream:dreamed drink:drank drive:drove eat:ate fall:fell feed:fed feel:felt fight:fought
find:found flee:fled fling:flung fly:flew forbid:forbade forget:forgot forgive:forgave freeze:froze get:got
give:gave go:went grind:ground grow:grew hang:hung have:had hear:heard hide:hid hit:hit hold:held hurt:hurt
keep:kept kneel:knelt know:knew lay:laid lead:led leave:left lend:lent let:let lie:lay light:lit lose:lost
make:made mean:meant meet:met pay:paid put:put quit:quit read:read ride:rode ring:rang rise:rose run:ran
say:said see:saw seek:sought sell:sold send:sent set:set sew:sewed shake:shook shed:shed shine:shone
shoot:shot show:showed shrink:shrank shut:shut sing:sang sink:sank sit:sat sleep:slept slide:slid
sling:slung speak:spoke spend:spent spin:spun spit:spat split:split spread:spread spring:sprang stand:stood
steal:stole stick:stuck sting:stung stink:stank strike:struck swear:swore sweep:swept swim:swam swing:swung
take:took teach:taught tear:tore tell:told think:thought throw:threw understand:understood wake:woke
wear:wore weep:wept win:won wind:wound withdraw:withdrew write:wrote overcome:overcame undertake:undertook
""".split())
IRREGULAR_COMPARE = {"good": ("better", "best"), "bad": ("worse", "worst"), "far": ("farther", "farthest"),
                     "little": ("less", "least"), "many": ("more", "most"), "much": ("more", "most")}


def syllables(w):
    return sum(1 for c in w if c in VOWELS)


def past_of(verb):
    if verb in IRREGULAR_PAST:
        return IRREGULAR_PAST[verb]
    first, _, rest = verb.partition("_")
    tail = ("_" + rest) if rest else ""
    if first in IRREGULAR_BASE:
        p = IRREGULAR_BASE[first]
    elif first.endswith("e"):
        p = first + "d"
    elif re.search(r"[^aeiou]y$", first):
        p = first[:-1] + "ied"
    elif re.fullmatch(r"[^aeiou]*[aeiou][bdgklmnprt]", first) and len(first) <= 4:
        p = first + first[-1] + "ed"
    else:
        p = first + "ed"
    return p + tail


def noun_ying(en):
    w = en.split("_")[0].lower()
    plural = "2" if re.search(r"(s|x|z|ch|sh)$", w) else "1"
    article = "2" if w[:1] in "aeiou" else "1"
    return plural + article


def adj_ying(en):
    w = en.lower()
    if w in IRREGULAR_COMPARE:
        return "0A"
    if "_" in w or syllables_en(w) >= 3 or (syllables_en(w) == 2 and not w.endswith("y")):
        return "0C"
    return "0B"


def syllables_en(w):
    return len(re.findall(r"[aeiouy]+", w.rstrip("e"))) or 1


EXTRA_ALT = {"genç": "genc", "uç": "uc", "kalp": "kalb", "yurt": "yurd", "çok": "çoğ", "dip": "dib",
             "kap": "kab", "su": "suy", "cep": "ceb", "tüp": "tüb", "harp": "harb"}


def alternations(key, cls, flags):
    """Extra keys for the stem before a vowel-initial suffix."""
    out = [EXTRA_ALT[key]] if key in EXTRA_ALT and cls in ("n", "a") else []
    fl = set(flags.split())
    if cls in ("n", "a", "x", "q"):
        soft = {"p": "b", "ç": "c", "t": "d", "k": "ğ"}
        if key[-1:] in soft and ("IS_SD" in fl or (not flags and syllables(key) > 1 and key[-1] in "kç")):
            if key.endswith("nk"):
                out.append(key[:-1] + "g")
            elif not (cls == "x"):
                out.append(key[:-1] + soft[key[-1]])
        if "IS_UD" in fl and len(key) >= 4:
            m = re.match(r"(.*)([" + VOWELS + "])([^" + VOWELS + "])$", key)
            if m:
                out.append(m.group(1) + m.group(3))
    if cls == "v":
        if "F_SD" in fl or key.endswith("et") and len(key) > 3 or key in ("git", "et", "tat", "güt"):
            if key.endswith("t"):
                out.append(key[:-1] + "d")
        if key[-1:] in "ae" and len(key) >= 3:
            out.append(key[:-1])  # bekle -> bekl(iyor), anla -> anl(ıyor)
        if key in ("de", "ye"):
            out.append(key[0] + "i")  # diyor, yiyecek
    return [o for o in out if len(o) >= 2 and o != key]


def clean_en(e):
    e = e.strip().replace(" ", "_")
    if not e or not re.fullmatch(r"[A-Za-z'\-_.]+", e) or len(e) > 40:
        return ""
    if re.search(r"[A-Z]", e[1:]) or (e[0].isupper() and "_" in e):
        return ""
    return e


def main():
    flags_of = {}
    entries = {}  # key -> dict(cls, en, past, particle, note, source)
    order = []

    def put(key, cls, en, past="", particle="", note="", src="core"):
        if not key or any(c in FORBIDDEN for c in key + en):
            return False
        if key in entries:
            return False
        entries[key] = dict(cls=cls, en=en, past=past, particle=particle, note=note, src=src)
        order.append(key)
        return True

    # keys written by pronouns.py stay theirs
    taken = os.path.join(out_dir, "pronouns-particles.txt")
    if os.path.exists(taken):
        for line in open(taken, encoding="utf-8"):
            if line.strip() and not line.startswith("#"):
                entries[line.split(";")[0]] = None

    cands = []
    for line in open(cand_file, encoding="utf-8"):
        f = line.rstrip("\n").split("\t")
        if len(f) < 6:
            continue
        root, pos, flags, dev, extra, en = f[:6]
        flags_of[root] = flags
        cands.append((root, pos, flags, int(dev), int(extra), en, f[6] if len(f) > 6 else ""))

    # core list: where a verb and a noun share a key the verb keeps the key
    # and the noun/adjective becomes key + "(F)" (the noun sense of a verb stem)
    core = []
    for line in open(os.path.join(HERE, "core.txt"), encoding="utf-8"):
        line = line.strip()
        if not line or line.startswith("#"):
            continue
        f = line.split(";")
        while len(f) < 5:
            f.append("")
        core.append(f)
    dropped = {f[0] for f in core if f[1] == "-"}
    for k in dropped:
        entries.setdefault(k, None)
    core = [f for f in core if f[1] != "-"]
    verbs = {f[0] for f in core if f[1] == "v"}
    for f in core:
        if f[2] and f[1] == "v" and f[3]:
            IRREGULAR_PAST[f[2]] = f[3]
    for key, cls, en, past, part in core:
        if cls != "v" and key in verbs:
            put(key + "(F)", cls, en, note="noun sense of the verb " + key)
            continue
        put(key, cls, en, past, part)

    # bootstrap: roots the dev set or the corpus needs, most frequent first
    posmap = {"n": "n", "v": "v", "a": "a", "b": "b"}
    n_stems = len(entries)
    for root, pos, flags, dev, extra, en, alts in cands:
        if n_stems >= TARGET and dev == 0:
            break
        if pos not in posmap or root in entries or len(root) < 2:
            continue
        if not re.fullmatch(r"[a-zçğıöşüâîû]+", root):
            continue
        e = clean_en(en)
        if not e:
            for a in alts.split("|"):
                e = clean_en(a)
                if e:
                    break
        if not e:
            continue
        if posmap[pos] != "v" and root in verbs:
            continue
        if put(root, posmap[pos], e, src="bootstrap"):
            n_stems += 1

    # A noun that is a verb stem + -me/-ma (konuşma "speech", ödeme "payment")
    # would catch the negative past of the verb (konuşmadı = konuşma + dı);
    # the verb + verbal-noun suffix reads these words, so no entry of its own.
    verb_keys = {k for k in order if entries[k] is not None and entries[k]["cls"] == "v"}
    for k in order:
        e = entries[k]
        if e is not None and e["cls"] != "v" and k[-2:] in ("me", "ma") and k[:-2] in verb_keys:
            entries[k] = None
        # a bootstrap noun that is a verb + one vowel (bakı) would catch the
        # verb's imperative and person forms (bakın = bakı + n)
        elif e is not None and e["src"] != "core" and e["cls"] != "v" and k[-1:] in "ıiuü" \
                and k[:-1] in verb_keys:
            entries[k] = None

    files = {}
    for key in order:
        e = entries[key]
        if e is None:
            continue
        cls = e["cls"]
        fname = FILE_OF.get(cls, "function-words.txt")
        base = key[:-3] if key.endswith("(F)") else key
        mark = "(F)" if key.endswith("(F)") else ""
        keys = [(key, e["note"])]
        if "_" not in key:
            for alt in alternations(base, cls, flags_of.get(base, "")):
                note = "stem of " + base + " before a vowel-initial suffix"
                vstem = re.sub(r"(eceğ|acağ)$", "", alt)
                if cls != "v" and vstem != alt and \
                        (vstem in verb_keys or vstem[:-1] in verb_keys or vstem in ("yiy", "diy")):
                    continue  # geleceğim is gel + eceğim (I will come), not gelecek + im
                if alt + mark not in entries:
                    keys.append((alt + mark, note))
                    entries[alt + mark] = e
                elif cls == "v" and entries[alt] is not None and entries[alt]["cls"] != "v" \
                        and alt + "*" not in entries:
                    # the letters are another word's stem (yaş "age" / yaşa-ıyor):
                    # the verb reading is the second sense "yaş*"
                    keys.append((alt + "*", note + " (second sense of " + alt + ")"))
                    entries[alt + "*"] = e
        for k, note in keys:
            files.setdefault(fname, []).append(record(k, e, note))

    for fname, lines in files.items():
        with open(os.path.join(out_dir, fname), "w", encoding="utf-8") as fp:
            fp.write(HEADERS[fname])
            for line in sorted(lines):
                fp.write(line + "\n")
    print("stems:", sum(1 for k in order if not k.endswith("(F)")), "keys:", sum(len(v) for v in files.values()),
          file=sys.stderr)


QCLASS = {"kim": "..QC..", "ne": "..QI..", "kaç": "..QI..", "nere": "..QF..", "hangi": "..QF..",
          "nasıl": "..QK.."}


def record(key, e, note):
    cls, en = e["cls"], e["en"]
    ek = CLASS[cls]
    if cls == "q":
        ek = QCLASS.get(key.rstrip("*"), "..DD..")
    yad = yed = ding = ying = ""
    if cls == "v":
        yad = e["past"] or past_of(en)
        yed = e["particle"]
    elif cls in ("n",):
        ying = noun_ying(en)
    elif cls == "a":
        ying = adj_ying(en)
        low = en.lower()
        if low in IRREGULAR_COMPARE:
            yad, ding = IRREGULAR_COMPARE[low]
    ydek = note or ("" if e["src"] == "core" else "wordnet")
    return ";".join([key, ek, "", en, yad[:25], yed[:25], ding[:25], ying, "", ydek])


FIELDS = """\
# Fields: key;EK;KOD;ING;YAD;YED;DING;YING;YYING;YDEK
#  key   Turkish stem as the analyser finds it at the start of a word; a stem
#        that changes before a vowel-initial suffix (kitap/kitab-, renk/reng-,
#        ağız/ağz-, git/gid-, bekle/bekl-iyor, de/di-yor) has a second key with
#        the changed form and the same English.  "stem(F)" is the noun sense
#        of a verb stem with the same letters.
#  EK    class letters at positions 3-4: FF noun, PP verb, VV adjective,
#        DD adverb, N1 conjunction, OO postposition, YY interjection,
#        EE pronoun, QK question word, XX number, T? question particle,
#        TB negative copula (değil)
#  KOD   empty
#  ING   English equivalent ("_" joins the words of a multi-word English)
"""
HEADERS = {
    "lexicon-nouns.txt": "# Turkish nouns with their English equivalents.\n"
                         "# Generated by tools/tr-en-lexicon/build_lexicon.py from core.txt and the\n"
                         "# bootstrap candidates; fix entries in core.txt and regenerate.\n" + FIELDS +
                         "#  YAD, YED, DING empty\n"
                         "#  YING  1: plural ending 1 -s, 2 -es;  2: article 1 a, 2 an\n"
                         "#  YYING empty;  YDEK note (wordnet = English taken from the WordNet link)\n",
    "lexicon-verbs.txt": "# Turkish verb stems with their English equivalents.\n"
                         "# Generated by tools/tr-en-lexicon/build_lexicon.py from core.txt and the\n"
                         "# bootstrap candidates; fix entries in core.txt and regenerate.\n" + FIELDS +
                         "#  YAD   English past form\n"
                         "#  YED   particle written after the object (\"_at\" for look at), or empty\n"
                         "#  DING, YING, YYING empty;  YDEK note\n",
    "lexicon-adjectives.txt": "# Turkish adjectives with their English equivalents.\n"
                              "# Generated by tools/tr-en-lexicon/build_lexicon.py from core.txt and the\n"
                              "# bootstrap candidates; fix entries in core.txt and regenerate.\n" + FIELDS +
                              "#  YAD   irregular comparative, DING irregular superlative\n"
                              "#  YING  2: comparison A irregular (YAD/DING), B -er/-est, C more/most\n"
                              "#  YYING empty;  YDEK note\n",
    "function-words.txt": "# Turkish adverbs, conjunctions, postpositions, interjections, question\n"
                          "# words and numbers (from core.txt).\n"
                          "# Generated by tools/tr-en-lexicon/build_lexicon.py; fix entries in core.txt.\n"
                          + FIELDS + "#  other fields empty\n",
}

if __name__ == "__main__":
    main()
