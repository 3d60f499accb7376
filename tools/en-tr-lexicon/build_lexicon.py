#!/usr/bin/env python3
"""Builds the generated English-Turkish lexicon files under data/en-tr/ from
the hand-written word lists in src/.

    python3 tools/en-tr-lexicon/build_lexicon.py [--check]

src/words-*.txt   lemma|class|meaning|case|extra   (hand-written translations)
                  class: n noun, v verb, a adjective, r adverb
                  case (verbs): the complement case letter (l accusative,
                  e dative, f locative, g ablative, s "ile"), empty = none
                  extra: "n=xxx" noun reading of a verb (field 4, field 5 "FF"),
                  "2=a:xxx" alternative reading stored under key "word(2)",
                  "pl" the English noun is itself plural, "neg" negative verb,
                  "v=stem:case" on a noun or adjective: the Turkish verb its
                  English verb use takes (fired, raining, owns, dreaming)
src/irregular-verbs.txt, src/irregular-nouns.txt, src/contractions.txt

The English word analysis of the engine finds "walks", "walked", "loved",
"walking" and "cats" by cutting "s", "ed", "d" or "ing" off the word and
looking the rest up. Every inflected form that this cutting does not lead
back to its lemma (went, stopped, making, tries, boxes, children, bigger ...)
gets an entry of its own here, carrying the same codes the analysis would
have set: a past form has class letter 5 "5", field 4 = the English stem and
tense "2" in field 6; an -ing form has class letters "PI"; a plural noun has
class letter 5 "1" and a Turkish plural meaning.

Hand-written files in data/en-tr/ (function-words.txt, names-and-places.txt,
00-starter.txt) win over generated entries with the same key.
"""
import collections
import glob
import os
import re
import sys

HERE = os.path.dirname(os.path.abspath(__file__))
ROOT = os.path.abspath(os.path.join(HERE, "..", ".."))
SRC = os.path.join(HERE, "src")
OUT = os.path.join(ROOT, "data", "en-tr")

VOWELS = "aeıioöuü"
FRONT = "eiöü"
# Monosyllabic consonant-final verbs whose aorist takes -Ir instead of -Ar.
IR_AORIST = {"al", "bil", "bul", "dur", "gel", "gör", "kal", "ol", "öl", "san",
             "var", "ver", "vur"}
VOICELESS = "çfhkpsşt"
# Stems written together with a monosyllabic -Ar verb (vazgeç -> vazgeçer).
AR_COMPOUNDS = {"vazgeç": "0", "elver": "2"}
# Loan words whose endings follow a front vowel although their last vowel is a
# back one.
FRONT_LOANS = {"saat", "harf", "hal", "hayal", "ihtimal", "metal", "normal", "sinyal",
               "terminal", "ideal", "festival", "moral", "kristal", "general",
               "seyahat", "hakikat", "cemaat", "kontrol", "gol", "rol", "alkol",
               "sembol", "petrol", "protokol", "kabul", "usul", "mahsul", "santral",
               "plural", "kalp", "istiklal", "misal"}
HAND_FILES = ("function-words.txt", "names-and-places.txt", "idioms.txt", "00-starter.txt")


def last_vowel(word):
    for ch in reversed(word):
        if ch in VOWELS or ch in "âîû":
            return {"â": "a", "î": "i", "û": "u"}.get(ch, ch)
    return "e"


def stem_class(meaning):
    """Stem class character of a Turkish verb stem (last word decides)."""
    w = meaning.replace("_", " ").split()[-1]
    v = last_vowel(w)
    if w[-1] in VOWELS:
        return {"e": "4", "i": "4", "a": "5", "ı": "5", "o": "6", "u": "6",
                "ö": "7", "ü": "7"}[v]
    syllables = sum(1 for ch in w if ch in VOWELS)
    # "et" written together with a noun (hisset, kaybet, affet) keeps the -Ar
    # aorist of "et": the part before it ends in two consonants.
    if (syllables > 1 and w.endswith("et") and w[-3] not in VOWELS
            and w[-4] not in VOWELS and w not in ("öğret",)):
        return "0"
    if w in AR_COMPOUNDS:
        return AR_COMPOUNDS[w]
    if syllables == 1 and w not in IR_AORIST:  # aorist -Ar
        return {"e": "0", "i": "0", "a": "1", "ı": "1", "ö": ":", "ü": ":",
                "o": "=", "u": "="}[v]
    return {"e": "2", "i": "2", "a": "3", "ı": "3", "ö": "8", "ü": "8",
            "o": "9", "u": "9"}[v]


HIGH = "ıiuü"


def candidate_bases(last):
    """Possible words under a possessive -(s)I ending (odası, sesi, parmağı)."""
    out = []
    if len(last) >= 3 and last[-1] in HIGH:
        if last[-2] == "s" and last[-3] in VOWELS:
            out.append(last[:-2])
        if last[-2] == "ğ":
            out.append(last[:-2] + "k")
        elif last[-2] not in VOWELS:
            out.append(last[:-1])
    return out


def possessive_compound(meaning, known_words):
    """For a noun phrase whose last word carries the possessive -(s)I of a
    Turkish compound (yatak odası, ayak parmağı, ev ödevi, silah sesi) return
    the last word without it and the suffix; otherwise None. The word under
    the ending must be a Turkish word (ayakkabı is not a compound)."""
    words = meaning.split("_")
    if len(words) < 2:
        return None
    last = words[-1]
    if last == "suyu":
        return "su", "yu"
    for base in candidate_bases(last):
        if base in known_words and not re.search(r"l[ae]r$", base):
            cut = len(base) - 1 if last[-2] == "ğ" else len(base)
            return base, last[cut:]
    return None


def plural_suffix(word):
    return "ler" if last_vowel(word) in FRONT or word in FRONT_LOANS else "lar"


def compound_plural(meaning, base):
    words = meaning.split("_")
    words[-1] = base + plural_suffix(base) + ("i" if plural_suffix(base) == "ler" else "ı")
    return "_".join(words)


def turkish_plural(meaning):
    """Plural of a Turkish noun phrase (lar/ler after the last vowel)."""
    words = meaning.split("_")
    last = words[-1]
    words[-1] = last + plural_suffix(last)
    return "_".join(words)


# ---------------------------------------------------------------- English
def is_vowel(c):
    return c in "aeiou"


def double_final(word):
    """True when the final consonant doubles before -ed/-ing/-er (stop, big)."""
    if len(word) < 3:
        return False
    if word.startswith("qu"):
        word = "qw" + word[2:]
    a, b, c = word[-3], word[-2], word[-1]
    if word in DOUBLE_LONG:
        return True
    if c in "wxy" or is_vowel(c) or not is_vowel(b) or is_vowel(a):
        return False
    # only short (one vowel group) words and stressed endings we know about
    groups = len(re.findall(r"[aeiou]+", word))
    return groups == 1 or word in DOUBLE_LONG


DOUBLE_LONG = {"admit", "commit", "forget", "begin", "prefer", "refer", "occur",
               "permit", "regret", "control", "equip", "upset", "submit",
               "omit", "patrol", "kidnap", "compel", "rebel", "propel",
               "transfer", "deter", "confer", "outrun", "overstep", "unplug",
               "expel", "acquit", "compel", "excel", "dispel", "repel", "babysit",
               "forbid", "equip", "abet", "recommit", "unwrap", "overlap"}


def ing_form(v):
    if v.endswith("ie"):
        return v[:-2] + "ying"
    if v.endswith("ee") or v.endswith("ye") or v.endswith("oe"):
        return v + "ing"
    if v.endswith("e") and len(v) > 2:
        return v[:-1] + "ing"
    if double_final(v):
        return v + v[-1] + "ing"
    return v + "ing"


def ed_form(v):
    if v.endswith("e"):
        return v + "d"
    if v.endswith("y") and len(v) > 1 and not is_vowel(v[-2]):
        return v[:-1] + "ied"
    if double_final(v):
        return v + v[-1] + "ed"
    return v + "ed"


O_ES = {"go", "do", "potato", "tomato", "hero", "echo", "veto", "torpedo",
        "mosquito", "volcano", "domino", "undo", "redo", "outdo", "forgo"}


def s_form(v):
    if v.endswith("y") and len(v) > 1 and not is_vowel(v[-2]):
        return v[:-1] + "ies"
    if re.search(r"(s|x|z|ch|sh)$", v) or v in O_ES:
        return v + "es"
    return v + "s"


def comparative(a):
    if a.endswith("e"):
        return a + "r", a + "st"
    if a.endswith("y") and len(a) > 2 and not is_vowel(a[-2]):
        return a[:-1] + "ier", a[:-1] + "iest"
    if double_final(a):
        return a + a[-1] + "er", a + a[-1] + "est"
    return a + "er", a + "est"


def syllables(word):
    w = re.sub(r"e$", "", word)
    return max(1, len(re.findall(r"[aeiouy]+", w)))


# Reaching a form through the engine's suffix cutting: "s" for nouns and verbs,
# "ed"/"d"/"ing" for verbs only.
def reaches(form, lemma, kind):
    if kind == "s":
        return form.endswith("s") and form[:-1] == lemma
    if kind == "ed":
        return (form.endswith("ed") and form[:-2] == lemma
                or form.endswith("d") and form[:-1] == lemma)
    if kind == "ing":
        return form.endswith("ing") and form[:-3] == lemma
    return False


# ---------------------------------------------------------------- reading
def read_word_lists():
    entries, seen = [], {}
    for path in sorted(glob.glob(os.path.join(SRC, "words-*.txt"))):
        with open(path, encoding="utf-8") as f:
            for n, line in enumerate(f, 1):
                line = line.rstrip("\n")
                if not line.strip() or line.startswith("#"):
                    continue
                parts = line.split("|")
                while len(parts) < 5:
                    parts.append("")
                lemma, cls, meaning, case = parts[:4]
                extras = parts[4:]
                where = "%s:%d" % (os.path.basename(path), n)
                if cls not in ("n", "v", "a", "r", "i", "p"):
                    sys.exit("%s: unknown class %r" % (where, cls))
                if not meaning:
                    sys.exit("%s: empty meaning" % where)
                if lemma in seen:
                    print("warning: %s: %s already at %s, skipped" % (where, lemma, seen[lemma]),
                          file=sys.stderr)
                    continue
                seen[lemma] = where
                entries.append(dict(lemma=lemma, cls=cls, meaning=meaning,
                                    case=case, extras=[e for e in extras if e], where=where))
    return entries


def read_pairs(name):
    out = []
    with open(os.path.join(SRC, name), encoding="utf-8") as f:
        for line in f:
            if line.strip() and not line.startswith("#"):
                out.append(line.split())
    return out


def hand_keys():
    keys = set()
    for name in HAND_FILES:
        p = os.path.join(OUT, name)
        if os.path.exists(p):
            with open(p, encoding="utf-8") as f:
                for line in f:
                    if line.strip() and not line.startswith("#") and ";" in line:
                        keys.add(line.split(";", 1)[0])
    return keys


# ---------------------------------------------------------------- building
def spelled(words):
    """The subset of the given Turkish words that hunspell knows (all of them
    when hunspell is not installed)."""
    import shutil
    import subprocess
    words = sorted(set(words))
    if not shutil.which("hunspell"):
        return set(words)
    out = subprocess.run(["hunspell", "-d", "tr_TR", "-l"], input="\n".join(words),
                         capture_output=True, text=True).stdout.split()
    return set(words) - set(out)


def rec(key, code, kod, meaning, f4="", f5="", f6="", f7="", f8=""):
    return "%s;%s;%s;%s;%s;%s;%s;%s;%s" % (key, code, kod, meaning, f4, f5, f6, f7, f8)


def verb_f6(meaning, case, tense="1"):
    cls = stem_class(meaning)
    return cls + tense + ((case * 2) if case else "..")


def main():
    entries = read_word_lists()
    taken = hand_keys()
    files = collections.OrderedDict((k, []) for k in (
        "lexicon-nouns.txt", "lexicon-verbs.txt", "lexicon-adjectives.txt",
        "lexicon-adverbs.txt", "irregular-forms.txt", "contractions.txt",
        "noun-endings.txt", "phrasal-verbs.txt", "units.txt"))
    keys = {}

    def add(fname, line, origin):
        key = line.split(";", 1)[0]
        if key in taken:
            return False
        if key in keys:
            return False
        keys[key] = origin
        files[fname].append(line)
        return True

    by_lemma = {e["lemma"]: e for e in entries}
    bases = set()
    for e in entries:
        if e["cls"] == "n" and "_" in e["meaning"]:
            bases.update(candidate_bases(e["meaning"].split("_")[-1]))
    with open(os.path.join(SRC, "units.txt"), encoding="utf-8") as f:
        for line in f:
            if "|" in line and not line.startswith("#"):
                bases.update(candidate_bases(line.rstrip("\n").split("|")[2].split("_")[-1]))
    known_words = spelled(bases)
    compounds = {}
    for e in entries:
        if e["cls"] == "n" and "(" not in e["lemma"]:
            pc = possessive_compound(e["meaning"], known_words)
            if pc:
                compounds[e["lemma"]] = pc
    target = {"n": "lexicon-nouns.txt", "v": "lexicon-verbs.txt",
              "a": "lexicon-adjectives.txt", "r": "lexicon-adverbs.txt",
              "i": "irregular-forms.txt", "p": "irregular-forms.txt"}
    # 1. lemma entries
    for e in entries:
        lem, m = e["lemma"], e["meaning"]
        f4 = f5 = ""
        alt = None
        for x in e["extras"]:
            if x.startswith("n="):
                f4, f5 = x[2:], "FF"
            elif x.startswith("2="):
                alt = x[2:]
        if e["cls"] == "n":
            code = "..FF1." if "pl" in e["extras"] else "..FF.."
            f7 = ""
            pc = compounds.get(lem)
            if pc and code == "..FF..":
                # the possessive of the compound goes to field 7 ("sı" ...):
                # the case endings then take their n-forms (odasını); a
                # vowel + "sI" compound also gets "N" at class position 6, so
                # that the plural drops "sI" before "ları" (odaları)
                f7 = "s" + pc[1][-1]
                if pc[1].startswith("s") and len(pc[1]) == 2:
                    code = "..FF.N"
            line = rec(lem, code, "*", m, "", "", "", f7)
        elif e["cls"] == "v":
            code = "..PPN." if "neg" in e["extras"] else "..PP.."
            line = rec(lem, code, "*", m, f4, f5, verb_f6(m, e["case"]))
        elif e["cls"] == "i":  # an -ing form the suffix cutting misses
            line = rec(lem, "..PI..", "", m, "", "", verb_f6(m, e["case"]))
        elif e["cls"] == "p":  # a past form; extra "stem=..." names the English stem
            stem = [x[5:] for x in e["extras"] if x.startswith("stem=")]
            line = rec(lem, "..PP5.", "", m, stem[0] if stem else "", "", verb_f6(m, e["case"], "2"))
        elif e["cls"] == "a":
            line = rec(lem, "..VV..", "*", m)
        else:
            line = rec(lem, "..U8..", "*", m)
        add(target[e["cls"]], line, e["where"])
        if alt:
            acls, ameaning = alt.split(":", 1)
            code = {"n": "..FF..", "a": "..VV..", "r": "..U8..", "v": "..PP.."}[acls]
            add(target[e["cls"]], rec(lem + "(2)", code, "", ameaning), e["where"])

    def known(word):
        return word in keys or word in taken

    def verb_reaches(form, lemma, kind):
        return reaches(form, lemma, kind)

    # 2. verb forms
    irregular = {}
    for row in read_pairs("irregular-verbs.txt"):
        irregular[row[0]] = (row[1].split("/"), row[2].split("/"))
    for e in entries:
        if e["cls"] != "v" or "(" in e["lemma"]:
            continue
        lem, m = e["lemma"], e["meaning"]
        words = lem.split("-")
        if len(words) > 1 and not lem.startswith(("double-",)):
            pass
        past_f6 = verb_f6(m, e["case"], "2")
        pres_f6 = verb_f6(m, e["case"], "1")
        neg = "N" if "neg" in e["extras"] else "."
        # the past form gets class letter 5 "5"; a negative verb keeps "N" in field 5
        pastcode = "..PP5" + ("." if neg == "." else "N")
        if lem in irregular:
            forms = set(irregular[lem][0]) | set(irregular[lem][1])
        else:
            forms = {ed_form(lem)}
        for form in sorted(forms):
            if form == lem or verb_reaches(form, lem, "ed") or known(form):
                continue
            add("irregular-forms.txt", rec(form, pastcode, "", m, lem, "", past_f6), lem)
        ing = ing_form(lem)
        if not verb_reaches(ing, lem, "ing") and not known(ing):
            add("irregular-forms.txt", rec(ing, "..PI" + neg + ".", "", m, "", "", pres_f6), lem)
        s = s_form(lem)
        if not verb_reaches(s, lem, "s") and not known(s):
            add("irregular-forms.txt", rec(s, "..PP" + neg + ".", "", m, "", "", pres_f6), lem)
    # 2b. verb uses of nouns and adjectives: their -ed/-ing (and for an
    # adjective -s) forms cannot reach the lemma, which is not a verb
    for e in entries:
        vx = [x[2:] for x in e["extras"] if x.startswith("v=")]
        if not vx or e["cls"] == "v":
            continue
        vm, _, vcase = vx[0].partition(":")
        lem = e["lemma"]
        forms = set(irregular[lem][0]) | set(irregular[lem][1]) if lem in irregular else {ed_form(lem)}
        for form in sorted(forms):
            if not known(form):
                add("irregular-forms.txt", rec(form, "..PP5.", "", vm, lem, "", verb_f6(vm, vcase, "2")), lem)
        ing = ing_form(lem)
        if not known(ing):
            add("irregular-forms.txt", rec(ing, "..PI..", "", vm, "", "", verb_f6(vm, vcase)), lem)
        if e["cls"] in ("a", "r") and not known(s_form(lem)):
            add("irregular-forms.txt", rec(s_form(lem), "..PP..", "", vm, "", "", verb_f6(vm, vcase)), lem)
    # 3. noun plurals
    irregular_pl = {row[0]: row[1] for row in read_pairs("irregular-nouns.txt")}
    # a generated Turkish plural that the speller rejects (tenisler) is left out
    good = spelled(turkish_plural(e["meaning"]).split("_")[-1]
                   for e in entries if e["cls"] == "n")
    for e in entries:
        if e["cls"] != "n" or "pl" in e["extras"] or "(" in e["lemma"]:
            continue
        lem = e["lemma"]
        pl = irregular_pl.get(lem) or (lem[:-2] + "es" if lem.endswith("is") else s_form(lem))
        if lem in compounds and pl != lem and not known(pl):
            # even a regular English plural gets its own entry: the engine
            # cannot move the possessive of a compound behind the plural
            add("irregular-forms.txt", rec(pl, "..FF1.", "", compound_plural(e["meaning"], compounds[lem][0]),
                                           "", "", "", "s" + compounds[lem][1][-1]), lem)
            continue
        if pl == lem or reaches(pl, lem, "s") or known(pl):
            continue
        # a plural that the analysis reads as a verb + "s" (lives, leaves) stays a verb
        stem = pl[:-1]
        if stem in by_lemma and by_lemma[stem]["cls"] == "v":
            continue
        plm = turkish_plural(e["meaning"])
        if plm.split("_")[-1] not in good:
            continue
        add("irregular-forms.txt", rec(pl, "..FF1.", "", plm), lem)
    # 4. comparatives of short adjectives
    special = {"good": ("better", "best"), "bad": ("worse", "worst"),
               "far": ("farther", "farthest"), "little": ("smaller", "smallest")}
    for e in entries:
        if e["cls"] != "a" or "_" in e["meaning"] or "-" in e["lemma"]:
            continue
        lem = e["lemma"]
        if lem in special:
            er, est = special[lem]
        elif syllables(lem) == 1 or (syllables(lem) == 2 and lem.endswith("y")):
            er, est = comparative(lem)
        else:
            continue
        if not known(er):
            add("irregular-forms.txt", rec(er, "..VV..", "", "daha_" + e["meaning"]), lem)
        if not known(est):
            add("irregular-forms.txt", rec(est, "..VV..", "", "en_" + e["meaning"]), lem)
    # 4b. noun-ending exceptions: the ending table picks endings by the last
    # vowel and always writes "da"/"dan"; loan words with front-vowel endings
    # (saat -> saatler, kontrol -> kontrolü) and words ending in a voiceless
    # consonant (kitapta, ağaçtan) get "EK(" letter ")=" word entries.
    lasts = set()
    for e in entries:
        if e["cls"] == "n":
            lw = e["meaning"].split("_")[-1]
            if lw and lw[0].islower() and lw.isalpha():
                lasts.add(lw)
    for w in sorted(lasts):
        voiceless = w[-1] in VOICELESS
        t = "t" if voiceless else "d"
        if w in FRONT_LOANS:
            hv = "ü" if last_vowel(w) in "ou" else "i"
            endings = {"F": "ler", "H": "leri", "a": hv + "n", "b": hv, "e": "e",
                       "f": t + "e", "g": t + "en", "j": hv, "l": hv, "m": hv + "ne",
                       "n": hv + "nde", "o": hv + "ni", "p": hv + "nden", "q": hv + "nin"}
        elif voiceless and w[-1] not in VOWELS:
            back = last_vowel(w) not in FRONT
            endings = {"f": "ta" if back else "te", "g": "tan" if back else "ten"}
        else:
            continue
        for letter, ending in endings.items():
            add("noun-endings.txt", rec("EK(%s)=%s" % (letter, w), "..EK..", "", ending), w)
    # 4c. phrasal verbs: the phrase pass glues "give up", "gave up" ... into
    # one token when the "_"-joined words are a key, so every form is listed
    with open(os.path.join(SRC, "phrasal-verbs.txt"), encoding="utf-8") as f:
        for line in f:
            if not line.strip() or line.startswith("#"):
                continue
            words, m, case = line.rstrip("\n").split("|")
            verb, tail = words.split(" ", 1)
            tail = "_" + tail.replace(" ", "_")
            base = verb + tail
            add("phrasal-verbs.txt", rec(base, "..PP..", "*", m, "", "", verb_f6(m, case)), base)
            past = (set(irregular[verb][0]) | set(irregular[verb][1])) if verb in irregular else {ed_form(verb)}
            for form in sorted(past):
                add("phrasal-verbs.txt", rec(form + tail, "..PP5.", "", m, base, "", verb_f6(m, case, "2")), base)
            add("phrasal-verbs.txt", rec(ing_form(verb) + tail, "..PI..", "", m, "", "", verb_f6(m, case)), base)
            add("phrasal-verbs.txt", rec(s_form(verb) + tail, "..PP..", "", m, "", "", verb_f6(m, case)), base)
    # 4d. multi-word units (nouns, adverbs, quantifiers, prepositions ...)
    unit_code = {"f": "..FN..", "n": "..FF..", "a": "..VV..", "r": "..U8..", "d": "..DQ..",
                 "p": "..IP..", "c": "..CS..", "y": "..YY.."}
    with open(os.path.join(SRC, "units.txt"), encoding="utf-8") as f:
        for line in f:
            if not line.strip() or line.startswith("#"):
                continue
            words, cls, m = line.rstrip("\n").split("|")
            key = words.replace(" ", "_")
            add("units.txt", rec(key, unit_code[cls], "*", m), key)
            if cls == "n" and " " in words:
                last = words.split(" ")[-1]
                pl = irregular_pl.get(last) or s_form(last)
                pc = possessive_compound(m, known_words)
                plm = compound_plural(m, pc[0]) if pc else turkish_plural(m)
                add("units.txt", rec(key[: len(key) - len(last)] + pl, "..FF1.", "", plm), key)
    # 5. numbers 21-99
    tens = {"twenty": "yirmi", "thirty": "otuz", "forty": "kırk", "fifty": "elli",
            "sixty": "altmış", "seventy": "yetmiş", "eighty": "seksen", "ninety": "doksan"}
    ones = {"one": "bir", "two": "iki", "three": "üç", "four": "dört", "five": "beş",
            "six": "altı", "seven": "yedi", "eight": "sekiz", "nine": "dokuz"}
    for t, tt in tens.items():
        for o, oo in ones.items():
            add("lexicon-adjectives.txt", rec(t + "-" + o, "..XX..", "", tt + "_" + oo), "numbers")
    # 6. contractions: meaning = first word, field 4 = second word
    for row in read_pairs("contractions.txt"):
        c, a, b = row[0], row[1], row[2]
        add("contractions.txt", rec(c, "..99..", "*", a, b), "contractions")
        cap = c[0].upper() + c[1:]
        if cap != c:
            add("contractions.txt", rec(cap, "..99..", "", a[0].upper() + a[1:], b), "contractions")

    headers = {
        "lexicon-nouns.txt": "nouns (class FF; FF1 = the English word is itself plural)",
        "lexicon-verbs.txt": "verbs (class PP)",
        "lexicon-adjectives.txt": "adjectives (class VV) and the numbers 21-99 (class XX)",
        "lexicon-adverbs.txt": "adverbs (class U8)",
        "irregular-forms.txt": "inflected forms that cutting s/ed/d/ing does not lead back to the lemma",
        "contractions.txt": "contractions (class 99): meaning = first English word, field 4 = second",
        "noun-endings.txt": "noun-ending exceptions (key EK(letter)=Turkish word, meaning = the ending)",
        "phrasal-verbs.txt": "phrasal verbs in all their forms, glued into one token (give_up, gave_up, giving_up)",
        "units.txt": "multi-word units glued into one token (ice_cream, a_lot, in_front_of) and their plurals",
    }
    check = "--check" in sys.argv
    total = 0
    for fname, lines in files.items():
        text = ("# English-Turkish lexicon: %s.\n"
                "# Generated by tools/en-tr-lexicon/build_lexicon.py from tools/en-tr-lexicon/src/;\n"
                "# edit the word lists there and run the script again.\n"
                "# Layout: key;class;KOD;meaning;f4;f5;f6;f7;f8 (see function-words.txt);\n"
                "# verbs: f4 noun reading, f5 \"FF\" when f4 is set, f6 = Turkish stem class\n"
                "# (0-9, \":\" 10, \"=\" 11) + tense (1 present, 2 past) + complement case letter twice;\n"
                "# past forms: f4 = English stem.\n" % headers[fname])
        text += "\n".join(sorted(lines)) + "\n"
        total += len(lines)
        path = os.path.join(OUT, fname)
        if check:
            with open(path, encoding="utf-8") as f:
                if f.read() != text:
                    sys.exit("%s is out of date" % path)
        else:
            with open(path, "w", encoding="utf-8") as f:
                f.write(text)
    print("generated %d entries (%d lemmas); %d hand-written keys" % (total, len(entries), len(taken)))


if __name__ == "__main__":
    main()
