#!/usr/bin/env python3
"""Generates data/tr-en/suffixes.txt: one "Z+<suffix chain>_" record for every
surface suffix chain a beginner meets after a noun or a verb stem.

The analyser splits a word into a dictionary stem and the WHOLE rest of the
word, and looks the rest up as one key.  So every chain of suffixes (plural +
possessive + case + copula, negation + tense + person, ...) must be a key of
its own, in every vowel-harmony and consonant-assimilation variant.  This
script spells the chains out from morphophonemic templates for a set of model
stems that cover every harmony context, and writes the codes the later stages
read (see the header of suffixes.txt for the code layout).

Stem alternations (kitap/kitab-, renk/reng-, ağız/ağz-, git/gid-, bekle/bekl-
before -iyor, de/di-) are not handled here: they are separate stem keys in the
lexicon files, so that the plain surface chain fits behind them.

usage: python3 gen_suffixes.py > ../../data/tr-en/suffixes.txt
"""
import sys

FRONT = set("eiöü")
VOWELS = set("aeıioöuü")
VOICELESS = set("çfhkpsşt")

# Model stems: every last vowel, ending in a vowel, a voiced and a voiceless
# consonant.  Verbs and nouns use the same set (harmony is the same).
MODEL_STEMS = [
    "ev", "et", "anne",  # e
    "dil", "it", "kedi",  # i
    "göz", "köpek", "ütö",  # ö (vowel-final ö is rare; kept for completeness)
    "gül", "süt", "ütü",  # ü
    "kal", "kap", "araba",  # a
    "kız", "kış", "halı",  # ı
    "yol", "top", "oto",  # o
    "kul", "kuş", "oku",  # u
]


def last_vowel(s):
    for ch in reversed(s):
        if ch in VOWELS:
            return ch
    return "e"


def realize(stem, template):
    """Appends the morphophonemic template to stem and returns the suffix.

    Symbols: A e/a, I i/ı/u/ü, D d/t, C c/ç, K k (ğ before a vowel),
    (y) (n) (s) (I) buffers written only after a vowel (I: after a consonant),
    '|' morpheme boundary (ignored).  A template vowel right after a stem
    vowel is handled by the buffer symbols only.
    """
    out = stem
    i = 0
    t = template
    while i < len(t):
        c = t[i]
        if t.startswith("(y)", i) or t.startswith("(n)", i) or t.startswith("(s)", i):
            if out[-1] in VOWELS:
                out += t[i + 1]
            i += 3
            continue
        if t.startswith("(I)", i):
            if out[-1] not in VOWELS:
                out += harm_i(out)
            i += 3
            continue
        if c == "|":
            i += 1
            continue
        if c == "A":
            out += "e" if last_vowel(out) in FRONT else "a"
        elif c == "I":
            out += harm_i(out)
        elif c == "D":
            out += "t" if out[-1] in VOICELESS else "d"
        elif c == "C":
            out += "ç" if out[-1] in VOICELESS else "c"
        elif c == "K":
            nxt = next_char(t, i + 1)
            out += "ğ" if nxt == "V" else "k"
        else:
            out += c
        i += 1
    return out[len(stem):]


def harm_i(s):
    v = last_vowel(s)
    return {"e": "i", "i": "i", "ö": "ü", "ü": "ü", "a": "ı", "ı": "ı", "o": "u", "u": "u"}[v]


def next_char(t, i):
    """'V' when the next written segment of the template is a vowel."""
    while i < len(t):
        if t[i] == "|":
            i += 1
            continue
        if t.startswith("(y)", i) or t.startswith("(n)", i) or t.startswith("(s)", i):
            i += 3  # after a consonant (K is one) these buffers vanish
            continue
        if t.startswith("(I)", i):
            return "V"
        return "V" if t[i] in "AIaeıioöuü" else "C"
    return "C"


# ---------------------------------------------------------------- codes
# A verbal code has 7 positions: person, auxiliary letter, tense, form,
# polarity, mood, extra (see the header of suffixes.txt).
PERSONS = ["A", "B", "C", "D", "B2", "E"]  # 1sg 2sg 3sg 1pl 2pl 3pl
P1 = {  # personal endings after -iyor, -ecek, -miş, -ir, -meli and nominals
    "A": "(y)Im", "B": "sIn", "C": "", "D": "(y)Iz", "B2": "sInIz", "E": "lAr"}
P2 = {  # after -di and -se
    "A": "m", "B": "n", "C": "", "D": "k", "B2": "nIz", "E": "lAr"}
GLOSS_P = {"A": "1sg", "B": "2sg", "C": "3sg", "D": "1pl", "B2": "2pl", "E": "3pl"}


def per(p):
    return "B" if p == "B2" else p


def be_aux(p, past=False):
    p = per(p)
    if past:
        return "H" if p in "AC" else "I"
    return {"A": "D", "B": "E", "C": "F", "D": "E", "E": "E"}[p]


def vcode(p, aux, tense, form="0", neg=False, q=False, extra="0"):
    return per(p) + aux + tense + form + ("B" if neg else "A") + ("?" if q else "O") + extra


# Tense/aspect/mood chains: (name, template without person, person set,
# code function(p, neg, q), gloss).  The negative template replaces the
# positive one when neg is set.
def tams():
    T = []
    # present continuous
    T.append(("PROG", "(I)yor", "mIyor", P1,
              lambda p, n, q: vcode(p, be_aux(p), "1", "I", n, q), "present continuous"))
    T.append(("PROG", "mAktA", "mAmAktA", P1,
              lambda p, n, q: vcode(p, be_aux(p), "1", "I", n, q), "present continuous (formal)"))
    T.append(("PPROG", "(I)yordu", "mIyordu", P2,
              lambda p, n, q: vcode(p, be_aux(p, True), "2", "I", n, q), "past continuous"))
    # third person plural written before the past copula (geliyorlardı)
    for nm, t, nt, code, gl in (
            ("PPROG", "(I)yorlArdI", "mIyorlArdI", lambda p, n, q: vcode("E", "I", "2", "I", n, q), "past continuous"),
            ("FUTP", "(y)AcAklArdI", "mAyAcAklArdI", lambda p, n, q: vcode("E", "I", "2", "x", n, q),
             "future in the past"),
            ("PERF", "mIşlArdI", "mAmIşlArdI", lambda p, n, q: vcode("E", "L", "3", "0", n, q, "s"), "past perfect"),
            ("AORP", "IrlArdI", None, lambda p, n, q: vcode("E", "G", "2", "0", n, q, "u"), "used to"),
            ("AORP", "ArlArdI", None, lambda p, n, q: vcode("E", "G", "2", "0", n, q, "u"), "used to"),
            ("AORP", "rlArdI", None, lambda p, n, q: vcode("E", "G", "2", "0", n, q, "u"), "used to"),
            ("PAST", "DIlAr", "mAdIlAr", lambda p, n, q: vcode("E", "G", "2", "0", n, q), "past")):
        T.append((nm, t, nt, {"E": ""}, code, gl))
    T.append(("PAST", "DI", "mAdI", P2,
              lambda p, n, q: vcode(p, "G", "2", "0", n, q), "past"))
    T.append(("EVID", "mIş", "mAmIş", P1,
              lambda p, n, q: vcode(p, "G", "2", "0", n, q, "s"), "reported past"))
    T.append(("PERF", "mIştI", "mAmIştI", P2,
              lambda p, n, q: vcode(p, "L", "3", "0", n, q, "s"), "past perfect"))
    T.append(("FUT", "(y)AcAK", "mAyAcAK", P1,
              lambda p, n, q: vcode(p, "N", "N", "0", n, q), "future"))
    T.append(("FUTP", "(y)AcAktI", "mAyAcAktI", P2,
              lambda p, n, q: vcode(p, be_aux(p, True), "2", "x", n, q), "future in the past (was going to)"))
    T.append(("AOR", "Ir", None, P1,
              lambda p, n, q: vcode(p, "C" if per(p) == "C" else "B", "1", "S" if per(p) == "C" else "0", n, q),
              "simple present (aorist)"))
    T.append(("AOR", "Ar", None, P1,
              lambda p, n, q: vcode(p, "C" if per(p) == "C" else "B", "1", "S" if per(p) == "C" else "0", n, q),
              "simple present (aorist)"))
    T.append(("AOR", "r", None, P1,  # vowel-final stems: okur, bekler
              lambda p, n, q: vcode(p, "C" if per(p) == "C" else "B", "1", "S" if per(p) == "C" else "0", n, q),
              "simple present (aorist)"))
    T.append(("AORP", "IrdI", None, P2,
              lambda p, n, q: vcode(p, "G", "2", "0", n, q, "u"), "used to (past aorist)"))
    T.append(("AORP", "ArdI", None, P2,
              lambda p, n, q: vcode(p, "G", "2", "0", n, q, "u"), "used to (past aorist)"))
    T.append(("AORP", "rdI", None, P2,
              lambda p, n, q: vcode(p, "G", "2", "0", n, q, "u"), "used to (past aorist)"))
    T.append(("ABIL", "(y)Abilir", "(y)AmAz", P1,
              lambda p, n, q: vcode(p, "O", "O", "0", n, q), "can"))
    T.append(("ABILP", "(y)AbildI", "(y)AmAdI", P2,
              lambda p, n, q: vcode(p, "P", "2", "0", n, q), "could (past ability)"))
    T.append(("ABILPC", "(y)AbilirdI", "(y)AmAzdI", P2,
              lambda p, n, q: vcode(p, "P", "2", "0", n, q), "could (would be able to)"))
    T.append(("ABILN", "mAyAbilir", None, P1,
              lambda p, n, q: vcode(p, "O", "O", "0", True, q), "may not"))
    # 3rd person with -dir (gelecektir, gelmiştir, geliyordur, gelmelidir)
    for nm, t, nt, code, gl in (
            ("FUT", "(y)AcAktIr", "mAyAcAktIr", lambda p, n, q: vcode("C", "N", "N", "0", n, q), "future, 3sg -dir"),
            ("EVID", "mIştIr", "mAmIştIr", lambda p, n, q: vcode("C", "K", "3", "0", n, q, "s"), "perfect, 3sg -dir"),
            ("PROG", "(I)yordur", "mIyordur", lambda p, n, q: vcode("C", "F", "1", "I", n, q), "continuous, 3sg -dir"),
            ("NEC", "mAlIdIr", "mAmAlIdIr", lambda p, n, q: vcode("C", "Q", "0", "0", n, q), "must, 3sg -dir"),
            ("AOR", "Irdir", None, lambda p, n, q: vcode("C", "C", "1", "S", n, q), "simple present, 3sg -dir"),
            ("AOR", "Ardır", None, lambda p, n, q: vcode("C", "C", "1", "S", n, q), "simple present, 3sg -dir")):
        T.append((nm, t, nt, {"C": ""}, code, gl))
    T.append(("ABILG", "(y)Abiliyor", "(y)AmIyor", P1,
              lambda p, n, q: vcode(p, "O", "O", "0", n, q), "can (now)"))
    T.append(("ABILF", "(y)AbilecAK", "(y)AmAyAcAK", P1,
              lambda p, n, q: vcode(p, "N", "N", "7", n, q), "will be able to"))
    T.append(("ABILE", "(y)AbilmIş", "(y)AmAmIş", P1,
              lambda p, n, q: vcode(p, "P", "2", "0", n, q), "could (reported)"))
    T.append(("NEC", "mAlI", "mAmAlI", P1,
              lambda p, n, q: vcode(p, "Q", "0", "0", n, q), "must (necessity)"))
    T.append(("NECP", "mAlIydI", "mAmAlIydI", P2,
              lambda p, n, q: vcode(p, "G", "2", "0", n, q, "h"), "had to / should have"))
    T.append(("COND", "(y)sA", "mAsA", P2,
              lambda p, n, q: vcode(p, "G", "2", "0", n, q, "i"), "conditional (if)"))
    T.append(("ACOND", "IrsA", None, P2,
              lambda p, n, q: vcode(p, "C" if per(p) == "C" else "B", "1", "S" if per(p) == "C" else "0", n, q, "i"),
              "if (aorist conditional)"))
    T.append(("ACOND", "ArsA", None, P2,
              lambda p, n, q: vcode(p, "C" if per(p) == "C" else "B", "1", "S" if per(p) == "C" else "0", n, q, "i"),
              "if (aorist conditional)"))
    T.append(("ACOND", "rsA", None, P2,
              lambda p, n, q: vcode(p, "C" if per(p) == "C" else "B", "1", "S" if per(p) == "C" else "0", n, q, "i"),
              "if (aorist conditional)"))
    T.append(("PCOND", "DIysA", "mAdIysA", P2,
              lambda p, n, q: vcode(p, "G", "2", "0", n, q, "i"), "if (past conditional)"))
    T.append(("GCOND", "(I)yorsA", "mIyorsA", P2,
              lambda p, n, q: vcode(p, be_aux(p), "1", "I", n, q, "i"), "if (continuous conditional)"))
    T.append(("FCOND", "(y)AcAksA", "mAyAcAksA", P2,
              lambda p, n, q: vcode(p, "N", "N", "0", n, q, "i"), "if (future conditional)"))
    return T


# Negative aorist has its own person paradigm.
NEG_AOR = {"A": "mAm", "B": "mAzsIn", "C": "mAz", "D": "mAyIz", "B2": "mAzsInIz", "E": "mAzlAr"}
NEG_ABIL = {"A": "(y)AmAm", "B": "(y)AmAzsIn", "C": "(y)AmAz", "D": "(y)AmAyIz", "B2": "(y)AmAzsInIz",
            "E": "(y)AmAzlAr"}
Q_P1 = {"A": "mIyIm", "B": "mIsIn", "C": "mI", "D": "mIyIz", "B2": "mIsInIz", "E": "lArmI"}

entries = {}  # chain -> dict(ek, ing, ying, yying, gloss, kind)


def add(chain, kind, ying, yying, gloss, result=""):
    """kind 'N' nominal, 'V' verbal.  result 'F' marks a verbal chain whose
    word behaves as a noun (infinitive, participle)."""
    if not chain or len(chain) > 44:
        return
    old = entries.get(chain)
    if old is None:
        entries[chain] = dict(kind=kind, ying=ying, yying=yying, gloss=gloss, result=result, alt=None)
        return
    if old["kind"] != kind and old["alt"] is None:
        # The same letters read both after a noun and after a verb: keep both codes.
        old["alt"] = dict(kind=kind, ying=ying, yying=yying, gloss=gloss)


def verbal():
    # Plain chains for every model stem first, then the voices: where the
    # letters coincide (öptün: past 2sg, not causative imperative) the plain
    # reading wins.
    for stem in MODEL_STEMS:
        verbal_stem(stem, "", "")
    for stem in MODEL_STEMS:
        # passive: -Il after a consonant, -n after a vowel (yapıldı, okundu)
        verbal_stem(stem, "n" if stem[-1] in VOWELS else "Il", "PAS")
    for stem in MODEL_STEMS:
        # causative: -DIr after a consonant, -t after a vowel (yaptırdım, okuttu)
        verbal_stem(stem, "t" if stem[-1] in VOWELS else "DIr", "CAUS")
    for stem in MODEL_STEMS:
        # causative passive (ettirildi, yaptırıldı)
        if stem[-1] not in VOWELS:
            verbal_stem(stem, "DIr|Il", "CAUSPAS")


def verbal_stem(stem, voice, vtag):
    def realize_v(stem, tmpl):
        if not voice:
            return realize(stem, tmpl)
        return realize(stem, voice + "|" + tmpl)

    def add_v(chain, kind, ying, yying, gloss, result=""):
        if vtag:
            yying = (yying + vtag)[:9]
            gloss = "passive, " + gloss
        add(chain, kind, ying, yying, gloss, result)

    if True:
        for name, pos_t, neg_t, pset, codef, gloss in tams():
            for neg in (False, True):
                if neg and neg_t is None:
                    continue
                base = neg_t if neg else pos_t
                for p in PERSONS:
                    if p not in pset:
                        continue
                    if name.startswith("AOR") and name == "AOR" and neg:
                        continue
                    tmpl = base + "|" + pset[p]
                    chain = realize_v(stem, tmpl)
                    g = gloss + (", negative" if neg else "") + ", " + GLOSS_P[p]
                    add_v(chain, "V", codef(p, neg, False), name, g)
                    # with the question particle written as the next word
                    if len(pset) == 1:
                        qt = tmpl + "|mI"
                    elif pset is P1:
                        qt = base + ("|lAr|mI" if p == "E" else "|" + Q_P1[p])
                    else:
                        qt = tmpl + "|mI"
                    add_v(realize_v(stem, qt), "V", codef(p, neg, True), name + "Q", g + ", question")
        # negative aorist and negative ability
        for p in PERSONS:
            for tab, nm, aux, tense, gl in ((NEG_AOR, "AOR", None, "1", "simple present, negative"),
                                           (NEG_ABIL, "ABIL", "O", "O", "cannot")):
                a = aux or ("C" if per(p) == "C" else "B")
                form = "S" if (aux is None and per(p) == "C") else "0"
                chain = realize_v(stem, tab[p])
                add_v(chain, "V", vcode(p, a, tense, form, True), nm, gl + ", " + GLOSS_P[p])
                qbase = tab["C"]
                qt = qbase + ("|lAr|mI" if p == "E" else "|" + Q_P1[p])
                add_v(realize_v(stem, qt), "V", vcode(p, a, tense, form, True, True), nm + "Q",
                    gl + ", " + GLOSS_P[p] + ", question")
        # imperative and optative
        for tmpl, code, nm, gl in (
                ("mA", "BA00BO0", "IMP", "imperative, negative, 2sg"),
                ("(y)In", "BA00AO0", "IMP", "imperative, 2pl"),
                ("(y)InIz", "BA00AO0", "IMP", "imperative, 2pl (polite)"),
                ("mAyIn", "BA00BO0", "IMP", "imperative, negative, 2pl"),
                ("mAyInIz", "BA00BO0", "IMP", "imperative, negative, 2pl (polite)"),
                ("sIn", "CA00AO0", "IMP", "imperative, 3sg (let him)"),
                ("mAsIn", "CA00BO0", "IMP", "imperative, negative, 3sg"),
                ("sInlAr", "EA00AO0", "IMP", "imperative, 3pl (let them)"),
                ("(y)AyIm", "AA00AO0", "OPT", "optative, 1sg (let me)"),
                ("(y)AlIm", "DA00AO0", "OPT", "optative, 1pl (let's)"),
                ("mAyAlIm", "DA00BO0", "OPT", "optative, negative, 1pl (let's not)"),
                ("(y)AyIm|mI", "AA00A?0", "OPT", "optative, 1sg, question (shall I)"),
                ("(y)AlIm|mI", "DA00A?0", "OPT", "optative, 1pl, question (shall we)"),
                ("(y)Abilir|mIyIm", "AOO0A?0", "ABILQ", "can, 1sg, question (may I)"),
        ):
            add_v(realize_v(stem, tmpl), "V", code, nm, gl)
        # converbs (adverbial clauses)
        for tmpl, code, nm, gl in (
                ("(y)Ip", "0A00AO0", "CVIP", "converb -ip (and then)"),
                ("mAyIp", "0A00BO0", "CVIP", "converb -ip, negative"),
                ("(y)ArAk", "0A0IAOI", "CVARAK", "converb -erek (by ...ing)"),
                ("mAyArAk", "0A0IBOI", "CVARAK", "converb -erek, negative"),
                ("(y)IncA", "0A00AOw", "CVINCE", "converb -ince (when)"),
                ("mAyIncA", "0A00BOw", "CVINCE", "converb -ince, negative"),
                ("Irken", "0A0IAOe", "CVKEN", "converb -ken (while)"),
                ("Arken", "0A0IAOe", "CVKEN", "converb -ken (while)"),
                ("rken", "0A0IAOe", "CVKEN", "converb -ken (while)"),
                ("(I)yorken", "0A0IAOe", "CVKEN", "converb -ken (while)"),
                ("mAdAn", "0A00AOb", "CVMADAN", "converb -meden (before/without)"),
                ("mAdAn|önce", "0A00AOb", "CVMADAN", "-meden önce (before)"),
                ("DIktAn", "0A00AOa", "CVDIKTAN", "-dikten (sonra) (after)"),
                ("DIktAn|sonra", "0A00AOa", "CVDIKTAN", "-dikten sonra (after)"),
                ("(y)AlI", "0A00AOs", "CVALI", "converb -eli (since)"),
                ("mAzdAn", "0A00BO0", "CVMAZDAN", "-mezden (gelmek: ignore)"),
                ("mAk|için", "0A00AO0", "INFICIN", "-mek için (in order to)"),
                ("mAmAk|için", "0A00BO0", "INFICIN", "-memek için (in order not to)"),
        ):
            add_v(realize_v(stem, tmpl), "V", code, nm, gl)
        # verbal nouns and participles: they take possessive and case endings
        for tmpl, code, nm, gl, poss_ok in (
                ("mAk", "0A00AO0", "INF", "infinitive (to ...)", False),
                ("mAmAk", "0A00BO0", "INF", "infinitive, negative (not to ...)", False),
                ("mA", "0A00AO0", "VN", "verbal noun -me", True),
                ("mAmA", "0A00BO0", "VN", "verbal noun -me, negative", True),
                ("(y)An", "0A00AO0", "PTCAN", "participle -en (who/that ...)", False),
                ("(y)IcI", "0A0IAO0", "PTCICI", "adjective -ici (-ing, that ...s)", False),
                ("mAyAn", "0A00BO0", "PTCAN", "participle -en, negative", False),
                ("DIK", "0G20AO0", "PTCDIK", "participle -dik (that ...)", True),
                ("mAdIK", "0G20BO0", "PTCDIK", "participle -dik, negative", True),
                ("(y)AcAK", "0NN0AO0", "PTCACAK", "participle -ecek (that will ...)", True),
                ("mAyAcAK", "0NN0BO0", "PTCACAK", "participle -ecek, negative", True),
        ):
            for c_t, c_code, c_gl in NOMINAL_CASES_SHORT:
                if c_t and nm in ("PTCAN",) and c_t not in ("(y)I", "(y)A", "DA", "DAn", "lAr", "lArI"):
                    pass
                if not poss_ok:
                    t2 = tmpl + "|" + c_t if c_t else tmpl
                    add_v(realize_v(stem, t2), "V", code[:2] + (c_code or code[2]) + code[3:], nm,
                        gl + (", " + c_gl if c_gl else ""), result="F")
            if poss_ok:
                for pp, ptmpl, pl in POSSESSIVES:
                    for c_t, c_code, c_gl in (NOMINAL_CASES_AFTER_POSS3 if pp in ("C", "E") else NOMINAL_CASES_SHORT):
                        parts = [tmpl]
                        if ptmpl:
                            parts.append(ptmpl)
                        if c_t:
                            parts.append(c_t)
                        ying = code[:2] + (c_code or code[2]) + code[3:6] + (pp or code[6])
                        add_v(realize_v(stem, "|".join(parts)), "V", ying, nm,
                            gl + (", poss " + pl if pl else "") + (", " + c_gl if c_gl else ""), result="F")


# Nominal paradigm.
POSSESSIVES = [  # (person letter for position 7, template, gloss)
    ("", "", ""),
    ("C", "(s)I", "3sg"), ("A", "(I)m", "1sg"), ("B", "(I)n", "2sg"),
    ("D", "(I)mIz", "1pl"), ("B", "(I)nIz", "2pl"), ("E", "lArI", "3pl"),
]
CASES = [  # (template, case letter, gloss)
    ("", "", ""), ("(y)I", "E", "accusative"), ("(y)A", "G", "dative (to)"), ("DA", "I", "locative (in/at)"),
    ("DAn", "J", "ablative (from)"), ("(n)In", "K", "genitive (of)"), ("(y)lA", "N", "with"),
    ("DAki", "I", "the one in"), ("(n)Inki", "K", "the one of"),
    ("CA", "0", "equative (-ly, according to)"),
]
CASES_AFTER_POSS3 = [  # after the 3rd person possessive the case endings take n
    ("", "", ""), ("nI", "E", "accusative"), ("nA", "G", "dative (to)"), ("ndA", "I", "locative (in/at)"),
    ("ndAn", "J", "ablative (from)"), ("nIn", "K", "genitive (of)"), ("ylA", "N", "with"),
    ("ndAki", "I", "the one in"),
]
NOMINAL_CASES_SHORT = [(t, c, g) for t, c, g in CASES if t in ("", "(y)I", "(y)A", "DA", "DAn", "(n)In", "(y)lA")]
NOMINAL_CASES_AFTER_POSS3 = [(t, c, g) for t, c, g in CASES_AFTER_POSS3 if t in ("", "nI", "nA", "ndA", "ndAn", "nIn", "ylA")]

COPULA = [  # (template, person, tense code position 4, gloss)
    ("", "0", "0", ""),
    ("(y)Im", "A", "1", "am"), ("sIn", "B", "1", "are"), ("DIr", "C", "1", "is"), ("(y)Iz", "D", "1", "are"),
    ("sInIz", "B", "1", "are (2pl)"),
    ("(y)DIm", "A", "2", "was"), ("(y)DIn", "B", "2", "were"), ("(y)DI", "C", "2", "was"),
    ("(y)DIk", "D", "2", "were"), ("(y)DInIz", "B", "2", "were (2pl)"), ("(y)DIlAr", "E", "2", "were (3pl)"),
    ("(y)mIş", "C", "2", "was (reported)"), ("(y)mIşIm", "A", "2", "was (reported)"),
    ("(y)sA", "C", "1", "if it is"), ("(y)sAm", "A", "1", "if I am"), ("(y)sAn", "B", "1", "if you are"),
    ("(y)ken", "0", "1", "while being"),
    ("mIyIm", "A", "1", "am I?"), ("mIsIn", "B", "1", "are you?"), ("mI", "C", "1", "is it?"),
    ("mIyIz", "D", "1", "are we?"), ("mIsInIz", "B", "1", "are you (2pl)?"),
    ("DIrlAr", "E", "1", "are (3pl)"),
    ("sIz", "0", "0", "without"), ("lI", "0", "0", "with (having)"),
    ("lIk", "0", "0", "-ness / for"),
]


def nominal():
    # Three passes so that the commoner reading of ambiguous letters wins:
    # case endings (kitapları = the books, acc.) before possessives (their
    # book), possessives (evim = my house) before the copula (I am a house).
    for pass_no in (1, 2, 3):
        nominal_pass(pass_no)


def nominal_pass(pass_no):
    for stem in MODEL_STEMS:
        for plural in (False, True):
            for pp, ptmpl, pl in POSSESSIVES:
                if (pass_no == 1) != (pp == ""):
                    if pass_no != 3:
                        continue
                cases = CASES_AFTER_POSS3 if pp in ("C", "E") else CASES
                for c_t, c_l, c_g in cases:
                    for cop_t, cop_p, cop_k, cop_g in COPULA:
                        if (pass_no == 3) != bool(cop_t):
                            continue
                        # keep the chains a learner meets: copula only after nominative or locative
                        if cop_t and c_t not in ("", "DA", "ndA", "(n)In", "nIn"):
                            continue
                        if cop_t in ("sIz", "lI", "lIk") and (c_t or pp or plural):
                            continue
                        if cop_t and pp and plural and cop_k == "2":
                            continue
                        parts = []
                        if plural:
                            parts.append("lAr")
                        if ptmpl:
                            parts.append("I" if plural and pp == "C" else ("" if plural and pp == "E" else ptmpl))
                        if c_t:
                            ct = c_t
                            if plural and pp == "":
                                ct = {"(n)In": "In", "(y)I": "I", "(y)A": "A", "(y)lA": "lA", "(n)Inki": "Inki"}.get(c_t, c_t)
                            parts.append(ct)
                        if cop_t:
                            parts.append(cop_t)
                        parts = [x for x in parts if x]
                        if not parts:
                            continue
                        chain = realize(stem, "|".join(parts))
                        if plural and pp == "E":
                            continue  # evleri: same letters as plural + 3sg possessive
                        person = cop_p
                        num = "S" if plural else "0"
                        case = c_l or "0"
                        if cop_t == "sIz":
                            case = "Z"
                        if cop_t == "lI":
                            case = "N"
                        ying = person + num + case + cop_k + "A" + ("?" if cop_t.startswith("mI") else "O") + (pp or "0")
                        gl = ", ".join(x for x in (("plural" if plural else ""), ("poss " + pl if pl else ""), c_g, cop_g) if x)
                        tag = "PL" if plural else ""
                        tag += ("POSS" + pp) if pp else ""
                        tag += {"E": "ACC", "G": "DAT", "I": "LOC", "J": "ABL", "K": "GEN", "N": "INS"}.get(c_l, "")
                        tag += ("COP" + cop_k) if cop_k not in ("0", "") else ""
                        add(chain, "N", ying, (tag or "NOM")[:9], gl,
                            result="C" if cop_k in ("1", "2") else "")
    for stem in MODEL_STEMS:
        # derived adjectives with a copula ending (boyluyum, şekersizdi)
        for d_t, case, d_g in (("lI", "N", "with"), ("sIz", "Z", "without")):
            for cop_t, cop_p, cop_k, cop_g in COPULA:
                if cop_k not in ("1", "2"):
                    continue
                chain = realize(stem, d_t + "|" + cop_t)
                ying = cop_p + "0" + case + cop_k + "A" + ("?" if cop_t.startswith("mI") else "O") + "0"
                add(chain, "N", ying, "DER" + case + "COP" + cop_k, d_g + ", " + cop_g, result="C")
        # plural + copula "-lerdi" and friends
        for tmpl, ying, gl in (("lArdI", "ES02AO0", "plural, were"), ("lArdIr", "ES01AO0", "plural, are")):
            add(realize(stem, tmpl), "N", ying, "PLCOP", gl, result="C")


def main():
    # Nominal chains first: where the same letters are also a verbal chain the
    # record keeps both readings.
    nominal()
    verbal()
    out = sys.stdout
    out.write(HEADER)
    for chain in sorted(entries):
        e = entries[chain]
        alt = e["alt"]
        if e["kind"] == "N" and e["result"] == "C":
            # A nominal predicate (hastayım, evdeydi): "<PF" is accepted after
            # nouns, adjectives, pronouns and verbs alike; ING holds the
            # nominal predicate code, YING the verbal reading when the same
            # letters are also a verb ending (geldi), else the nominal code.
            ek, ing = "..<PF.", e["ying"]
            ying, yying = (alt["ying"], alt["yying"]) if alt else (e["ying"], e["yying"])
            gloss = "N: " + e["gloss"] + ((" / V: " + alt["gloss"]) if alt else "")
        elif alt is None:
            if e["kind"] == "N":
                ek, ing = "..<F..", ""
            elif e["result"] == "F":
                ek, ing = "..<PF.", e["ying"]
            else:
                ek, ing = "..<P..", ""
            ying, yying, gloss = e["ying"], e["yying"], e["gloss"]
        else:
            # nominal reading in YING, verbal reading in ING ("<FP"), or the
            # verbal reading first when the chain was made verbal first ("<PF")
            if e["kind"] == "N":
                ek, ying, yying, ing = "..<FP.", e["ying"], e["yying"], alt["ying"]
                gloss = "N: " + e["gloss"] + " / V: " + alt["gloss"]
            else:
                ek, ying, yying, ing = "..<PF.", e["ying"], e["yying"], alt["ying"]
                gloss = "V: " + e["gloss"] + " / N: " + alt["gloss"]
        gloss = gloss.replace(";", ",")[:50]
        out.write("Z+%s_;%s;;%s;;;;%s;%s;%s\n" % (chain, ek, ing, ying, yying[:9], gloss))


HEADER = """\
# Suffix chains: key "Z+" + the whole suffix text after the stem + "_".
# Generated by tools/tr-en-lexicon/gen_suffixes.py; edit the script, not this file.
#
# Fields: key;EK;KOD;ING;YAD;YED;DING;YING;YYING;YDEK
#  EK    "..<F.."  nominal chain (attaches to nouns, adjectives, pronouns)
#        "..<P.."  verbal chain (attaches to verbs)
#        "..<FP."  the same letters after a noun and after a verb: YING holds
#                  the nominal reading, ING the verbal one
#        "..<PF."  a predicate chain: a nominal predicate (hastayım, evdeydi:
#                  ING holds the nominal code, YING the verbal reading when
#                  the letters are also a verb ending, else the nominal code
#                  again), or a verbal chain whose word works as a noun
#                  (infinitive, participle): YING verbal, ING nominal
#  ING   second code (see EK); empty otherwise
#  YING  the code copied to the word (7 positions):
#        verbal:  1 person A I, B you, C he/she/it, D we, E they, 0 none
#                 2 auxiliary letter (A none, B do, C does, D am, E are, F is,
#                   G did, H was, I were, L had, N will, O can, P could, Q must)
#                 3 tense (1 present be, 2 past, 3 perfect, N will, O can, 0 none)
#                 4 form (S third person -s, I progressive -ing, 7 able to,
#                   x going to, 0 plain)
#                 5 polarity A positive, B negative; 6 mood O statement, ? question
#                 7 extra: s past form, u used to, h had to, i if, w when,
#                   e while, b before, a after, I by -ing, 0 none
#        nominal: 1 person of a copula ending (A-E) or 0
#                 2 S plural, 0 singular
#                 3 case: E accusative, G dative (to), I locative (in/at),
#                   J ablative (from), K genitive (of), N with, Z without, 0 none
#                 4 copula: 1 present (am/is/are), 2 past (was/were), 0 none
#                 5 polarity A; 6 mood O statement, ? question
#                 7 possessor: A my, B your, C his/her/its, D our, E their, 0 none
#  YYING short name of the construction (PROG, PAST, AOR, FUT, NEC, COND, IMP,
#        OPT, INF, PTCAN, PTCDIK, CVIP..., PL, POSSx, ACC, DAT, LOC, ABL, GEN, COPx)
#  YDEK  gloss for the reader
# Question forms of verbs are keyed with the particle written together with
# the suffix (geliyor musun -> "Z+iyormusun_"), as the analyser joins the
# suffix and the next word for that look-up.
"""

if __name__ == "__main__":
    main()
