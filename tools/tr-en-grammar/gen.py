#!/usr/bin/env python3
"""Writes data/tr-en/rules-*.txt (clause-level templates, modules, post-edit)."""
import itertools, re, sys
OUT = sys.argv[1]

def rec(key, ek, ing='', yad='', yed='', ding='', ying='', yying='', ydek=''):
    return ';'.join([key, ek, '', ing, yad, yed, ding, ying, yying, ydek])

# ---------------------------------------------------------------- clause templates
HDR_V = """# Verb-pattern templates: how the words of one clause are written in English.
# The transfer cuts a sentence into clauses by looking up "V_" + the class
# letters of a run of words (EK positions 3-4 of each word, two letters a
# word: FF noun, FE/FG/FI/FJ/FN/FZ noun in the accusative, dative, locative,
# ablative, with- and without-case, Fa/Fe/Fg/Fi/Fj a proper name in those
# cases, VV adjective, XX number, DD adverb, EE pronoun, PP verb, P0 verb
# without a tense ending, T? copula inserted after a nominal predicate, TB
# değil). The longest run with an entry becomes one clause.
# Fields: key;EK;KOD;ING;YAD;YED;DING;YING;YYING;YDEK
#  EK    "..<<..": a verb-pattern entry
#  ING   the template; a digit n writes the English of word n+1 of the clause,
#        "!nt" writes "the" unless the noun has a possessor or is a name,
#        "!nC" the noun with its plural ending (a noun in the nominative
#        gets no article: it is indefinite or generic), '!"' the entry's YED
#        (the preposition of a case, or "a" before a predicate noun)
#  YAD   the clause code the module templates (rules-modules.txt) work with:
#        FF subject or plain object noun phrase, FE definite object, FG/FI/
#        FJ/FN/FZ prepositional phrases, VT adjective or noun predicate with
#        its copula, VB the same with değil, FO a common noun that begins
#        the sentence (subject of a predicate, object of a verb without
#        another object), HN a construction verb (ihtiyacım var: I need)
#  YED   the preposition or article the template writes with '!"'
"""
V = []
cases = {'FF': '', 'FE': '', 'FG': 'to', 'FI': 'in', 'FJ': 'from', 'FN': 'with', 'FZ': 'without'}
for cl, prep in cases.items():
    pre = '!" ' if prep else ''
    # a noun in the nominative has no article (su içiyorum: I drink water);
    # a case ending makes it definite
    the = '' if cl == 'FF' else '!0t '
    the1 = '' if cl == 'FF' else '!1t '
    V.append(rec('V_' + cl, '..<<..', pre + the + '!0C', cl, prep, ydek='noun phrase'))
    V.append(rec('V_VV' + cl, '..<<..', pre + the1 + '0 !1C', cl, prep, ydek='adjective + noun'))
    V.append(rec('V_XX' + cl, '..<<..', pre + '0 !1C', cl, prep, ydek='number or bir + noun'))
    V.append(rec('V_XXVV' + cl, '..<<..', pre + '0 1 !2C', cl, prep, ydek='number + adjective + noun'))
    V.append(rec('V_DDVV' + cl, '..<<..', pre + '!2t 0 1 !2C', cl, prep, ydek='adverb + adjective + noun'))
    V.append(rec('V_VVXX' + cl, '..<<..', pre + '1 0 !2C', cl, prep, ydek='adjective + bir + noun: a big man'))
    V.append(rec('V_DDVVXX' + cl, '..<<..', pre + '2 0 1 !3C', cl, prep, ydek='adverb + adjective + bir + noun'))
    low = 'F' + cl[1].lower() if cl != 'FF' else 'Fa'
    V.append(rec('V_' + low, '..<<..', pre + '0', cl, prep, ydek='proper name'))
V.append(rec('V_F*', '..<<..', '0', 'FF', ydek='unknown proper name'))
# a nominative noun that begins the sentence is its subject: definite
V.append(rec('V_FS', '..<<..', '!0t !0C', 'FO', ydek='sentence-initial noun (see R1_FF)'))
V.append(rec('V_VVFS', '..<<..', '!1t 0 !1C', 'FO', ydek='sentence-initial adjective + noun (see R1_VVFF)'))
# nominal predicates with their copula
V.append(rec('V_VVT?', '..<<..', '0', 'VT', ydek='adjective predicate'))
V.append(rec('V_DDVVT?', '..<<..', '0 1', 'VT', ydek='adverb + adjective predicate'))
V.append(rec('V_FFT?', '..<<..', '!" !0C', 'VT', 'a', ydek='noun predicate'))
V.append(rec('V_VVFFT?', '..<<..', '!" 0 !1C', 'VT', 'a', ydek='adjective + noun predicate'))
V.append(rec('V_XXFFT?', '..<<..', '0 !1C', 'VT', ydek='bir + noun predicate'))
V.append(rec('V_VVXXFFT?', '..<<..', '1 0 !2C', 'VT', ydek='adjective + bir + noun predicate'))
V.append(rec('V_XXVVFFT?', '..<<..', '0 1 !2C', 'VT', ydek='bir + adjective + noun predicate'))
V.append(rec('V_FIT?', '..<<..', '!" !0t 0', 'VT', 'in', ydek='locative predicate'))
V.append(rec('V_FNT?', '..<<..', '!" !0t 0', 'VT', 'with', ydek='with-case predicate'))
V.append(rec('V_EET?', '..<<..', '0', 'VT', ydek='pronoun predicate (mine, yours)'))
V.append(rec('V_EETB', '..<<..', '0', 'VB', ydek='pronoun + değil'))
# construction verbs (rules-constructions.txt): the object follows the verb
V.append(rec('V_HN', '..<<..', '0', 'HN', ydek='need'))
V.append(rec('V_EEHN', '..<<..', '1 0', 'HN', ydek='need + pronoun'))
V.append(rec('V_FGHN', '..<<..', '1 !0t !0C', 'HN', ydek='need + noun'))
V.append(rec('V_VVFGHN', '..<<..', '2 0 !1C', 'HN', ydek='need + adjective + noun'))
V.append(rec('V_XXFGHN', '..<<..', '2 0 !1C', 'HN', ydek='need + bir + noun'))
V.append(rec('V_FaHN', '..<<..', '1 0', 'HN', ydek='need + name'))
V.append(rec('V_FgHN', '..<<..', '1 0', 'HN', ydek='need + name'))
for name in ('F*', 'Fa'):
    V.append(rec('V_%sT?' % name, '..<<..', '0', 'VT', ydek='proper name predicate'))
    V.append(rec('V_%sTB' % name, '..<<..', '0', 'VB', ydek='proper name + değil'))
V.append(rec('V_FGT?', '..<<..', '!" !0t 0', 'VT', 'to', ydek='dative predicate'))
V.append(rec('V_FJT?', '..<<..', '!" !0t 0', 'VT', 'from', ydek='ablative predicate'))
V.append(rec('V_VVTB', '..<<..', '0', 'VB', ydek='adjective + değil'))
V.append(rec('V_DDVVTB', '..<<..', '0 1', 'VB', ydek='adverb + adjective + değil'))
V.append(rec('V_FFTB', '..<<..', '!" !0C', 'VB', 'a', ydek='noun + değil'))
V.append(rec('V_VVFFTB', '..<<..', '!" 0 !1C', 'VB', 'a', ydek='adjective + noun + değil'))
V.append(rec('V_XXFFTB', '..<<..', '0 !1C', 'VB', ydek='bir + noun + değil'))
V.append(rec('V_DDVV', '..<<..', '0 1', 'VV', ydek='adverb + adjective'))
V.append(rec('V_DDTB', '..<<..', '0', 'VB', ydek='adverb + değil'))
V.append(rec('V_DDT?', '..<<..', '0', 'VT', ydek='adverb predicate'))
V.append(rec('V_FITB', '..<<..', '!" !0t 0', 'VB', 'in', ydek='locative + değil'))

HDR_R = """# Clause rules: scripts run on a run of words before its verb pattern is
# looked up. "R1_" + class letters applies to the first clause of a
# sentence, "R2_" + class letters to a later one.
# Fields: key;EK;KOD;ING;YAD;YED;DING;YING;YYING;YDEK
#  EK    ".2//..": a clause rule
#  YAD   where the script's word stands (its class letters), else the first word
#  YDEK  the script ("2?(bir)": the second word of the run); "=FS>" writes the class letters FS at that word (a
#        nominative noun that begins the sentence gets the article: its
#        template is V_FS); "1?(bir)" makes the number bir the article a/an
#        (chosen by the first letter of the next word's English)
"""
R = []
for tail in ['FF', 'FE', 'FG', 'FI', 'FJ', 'FN', 'FFT?']:
    for pre in ('R1_', 'R2_'):
        R.append(rec(pre + 'VVXX' + tail, '.2//..', ydek='2?(bir)'))
        R.append(rec(pre + 'DDVVXX' + tail, '.2//..', ydek='3?(bir)'))
R.append(rec('R1_FF', '.2//..', ydek='=FS>'))
R.append(rec('R1_VVFF', '.2//..', yad='FF', ydek='=FS>'))
for tail in ['FF', 'FE', 'FG', 'FI', 'FJ', 'FN', 'VVFF', 'VVFE', 'VVFG', 'VVFI', 'FFT?', 'VVFFT?', 'FFTB']:
    for pre in ('R1_', 'R2_'):
        R.append(rec(pre + 'XX' + tail, '.2//..', ydek='1?(bir)'))

# ---------------------------------------------------------------- modules
HDR_W = """# Module templates: the English order of a run of clauses. The key is "W" +
# the clause codes (rules-verb-templates.txt) in Turkish order; the longest
# run of clauses with an entry becomes one module.
# Fields: key;EK;KOD;ING;YAD;YED;DING;YING;YYING;YDEK
#  EK    "..<>..": a module entry
#  ING   the template: "*n" the English of clause n, "@Pn" the verb phrase of
#        clause n (auxiliary, negation, tense and person agreement), "@A=n"
#        the subject pronoun of clause n's person ending (dropped subject),
#        "@Yn" am/is/are (with not after değil) of clause n, "@Fn" the
#        copula of clause n's ending (am/is/are/was/were) and its English, "@Snm" gives
#        clause m the person of clause n, "@$D" writes the entry's DING
#        The template starts with "$(Z*)1$(Z*)2...": the same key is also
#        the sentence plan when a sentence falls into several modules whose
#        codes spell the key, and then it writes the modules in order.
#  YED   fixed words written by "@$." (to before an infinitive)
#  DING  fixed words written by "@$D": the copula after a noun subject
# A sentence-initial pronoun is written twice, "*1 @A=n ... @A=n *1": the
# post-edit (rules-postedit.txt) keeps the front copy when the verb's person
# fits it as a subject and the back copy (its object form) otherwise.
# Subjects come first, then the verb phrase, then objects, then
# prepositional phrases and adverbs; a verb without a tense ending
# (imperative, var/yok) stands first.
"""
W = {}
OBJ = ['FE', 'FF', 'EE']
ADV = ['FG', 'FI', 'FJ', 'FN', 'FZ', 'DD', 'VV']
COMP = OBJ + ADV

def order(comps, base):
    objs = [i for i, c in enumerate(comps) if c in OBJ]
    advs = [i for i, c in enumerate(comps) if c not in OBJ]
    return ' '.join('*%d' % (base + i) for i in objs + advs)

def ref(i, code):
    # a sentence-initial noun read as an object loses its "the"
    return '@F%dt' % i if code == 'FO' else '*%d' % i

def order2(codes, base):
    objs = [i for i, c in enumerate(codes) if c in OBJ + ['FO']]
    advs = [i for i, c in enumerate(codes) if c not in OBJ + ['FO']]
    return ' '.join(ref(base + i, codes[i]) for i in objs + advs)

for subj in ['', 'EE', 'FF', 'FO']:
    for n in range(0, 3):
        for comps in itertools.product(COMP, repeat=n):
            comps = list(comps)
            for verb in ['PP', 'P0']:
                codes = ([subj] if subj else []) + comps + [verb]
                key = 'W' + ''.join(codes)
                vpos = len(codes)
                if verb == 'P0':
                    # imperative, var/yok: the verb first, every noun after it
                    t = '*%d ' % vpos + order2(codes[:-1], 1)
                elif subj == 'EE':
                    # The pronoun is written before and after the verb phrase
                    # with the verb's own person between: the post-edit keeps
                    # the copy that suits a subject or an object pronoun.
                    t = '@z%d *1 @A=%d @P%d ' % (vpos, vpos, vpos) + order(comps, 2) + ' @A=%d *1' % vpos
                elif subj == 'FF':
                    # a name: "@z" writes is first in a progressive question
                    t = '@z%d *1 @P%d ' % (vpos, vpos) + order(comps, 2)
                elif subj == 'FO' and any(c in OBJ for c in comps):
                    t = '*1 @P%d ' % vpos + order(comps, 2)
                elif subj == 'FO':
                    # a bare noun before a verb without another object is
                    # mostly the object of a dropped subject (su içtim)
                    t = '@A=%d @P%d ' % (vpos, vpos) + order2(codes[:-1], 1)
                else:
                    if comps and comps[0] in ('FF', 'EE'):
                        continue  # handled as a subject above
                    # "@z" writes am/is/are first in a progressive question;
                    # the post-edit then drops the second be
                    t = '@z%d @A=%d @P%d ' % (vpos, vpos, vpos) + order(comps, 1)
                W[key] = rec(key, '..<>..', t.strip(),
                             ydek='clauses: ' + ' '.join(codes))
# nominal predicates
W['WHN'] = rec('WHN', '..<>..', '@z1 @A=1 @P1', ydek='need (construction verb)')
W['WFFHN'] = rec('WFFHN', '..<>..', '*1 @P2', ydek='noun + need')
W['WEEFFVT'] = rec('WEEFFVT', '..<>..', '*1 *2 @F3', ydek='this/my + noun + predicate')
W['WEEFFVV'] = rec('WEEFFVV', '..<>..', '*1 *2 @$D *3', ding='is', ydek='this/my + noun + adjective')
W['WFFFFPPPP'] = rec('WFFFFPPPP', '..<>..', '*1 @P4 @$D *3 *2', ding='to', ydek='subject + object + infinitive + verb')
W['WEEFFPPPP'] = rec('WEEFFPPPP', '..<>..', '*1 @A=4 @P4 @$. *3 *2 @A=4 *1', yed='to', ydek='pronoun + object + infinitive + verb')
W['WVVPPPP'] = rec('WVVPPPP', '..<>..', '@A=3 @P3 @$D *2 *1', ding='to', ydek='want to be happy')
W['WFOPPPP'] = rec('WFOPPPP', '..<>..', '@A=3 @P3 @$D *2 @F1t', ding='to', ydek='object + infinitive + verb')
W['WPPPP'] = rec('WPPPP', '..<>..', '@A=2 @P2 @$D *1', ding='to', ydek='infinitive + verb: want to go')
W['WFFPPPP'] = rec('WFFPPPP', '..<>..', '*1 @P3 @$D *2', ding='to', ydek='subject + infinitive + verb')
W['WEEPPPP'] = rec('WEEPPPP', '..<>..', '*1 @A=3 @P3 @$. *2 @A=3 *1', yed='to', ydek='pronoun + infinitive + verb')
W['WFEPPPP'] = rec('WFEPPPP', '..<>..', '@A=3 @P3 @$D *2 *1', ding='to', ydek='object + infinitive + verb')
W['WEEFEPPPP'] = rec('WEEFEPPPP', '..<>..', '*1 @A=4 @P4 @$. *3 *2 @A=4 *1', yed='to', ydek='pronoun + object + infinitive + verb')
W['WVV'] = rec('WVV', '..<>..', '@$D *1', ding='it is', ydek='adjective alone')
for a, b in [('EE', 'FI'), ('FF', 'FI'), ('EE', 'FZ'), ('EE', 'FN'), ('FF', 'FF'), ('FF', 'DD'), ('EE', 'DD'), ('FF', 'FN'), ('FF', 'FZ')]:
    W['W' + a + b] = rec('W' + a + b, '..<>..', '*1 @$D *2', ding='is', ydek='subject + place or noun, no verb')
W['WEEFF'] = rec('WEEFF', '..<>..', '@S12 *1 @Y2 *2', ydek='pronoun + noun, no verb')
W['WEEEEFF'] = rec('WEEEEFF', '..<>..', '*1 @$D *2 *3', ding='is', ydek='this + my + noun')
W['WFFEEFF'] = rec('WFFEEFF', '..<>..', '*1 @$D *2 *3', ding='is', ydek='name + my + noun')
W['WEEEE'] = rec('WEEEE', '..<>..', '*1 @$D *2', ding='is', ydek='this + mine')
W['WQIPP'] = rec('WQIPP', '..<>..', '*1 @D2 @A=2 *2', ydek='what + verb')
W['WQCPP'] = rec('WQCPP', '..<>..', '*1 @P2', ydek='who + verb')
W['WEEQCPP'] = rec('WEEQCPP', '..<>..', '*2 @P3 *1', ydek='object + who + verb')
W['WFFQCPP'] = rec('WFFQCPP', '..<>..', '*2 @P3 *1', ydek='object + who + verb')
W['WFFQIPP'] = rec('WFFQIPP', '..<>..', '*2 @D3 *1 *3', ydek='subject + what + verb')
W['WEEQIPP'] = rec('WEEQIPP', '..<>..', '*2 @D3 *1 *3', ydek='subject + what + verb')
W['WEEQI'] = rec('WEEQI', '..<>..', '*2 @$D *1', ding='is', ydek='this + what')
W['WFFQI'] = rec('WFFQI', '..<>..', '*2 @$D *1', ding='is', ydek='noun + what')
W['WEEQC'] = rec('WEEQC', '..<>..', '*2 @$D *1', ding='is', ydek='this + who')
W['WFFQC'] = rec('WFFQC', '..<>..', '*2 @$D *1', ding='is', ydek='noun + who')
W['WVB'] = rec('WVB', '..<>..', '@A=1 @Y1 *1', ydek='predicate + değil, dropped subject')
W['WEEVB'] = rec('WEEVB', '..<>..', '@S12 *1 @Y2 *2', ydek='pronoun subject + predicate + değil')
# "@Bn" writes am/is/are only for a question particle (its code holds a
# tense); "@Fn" writes the copula of a statement ending and the predicate
W['WVT'] = rec('WVT', '..<>..', '@B1 @A=1 @F1', ydek='predicate, dropped subject')
W['WEEVT'] = rec('WEEVT', '..<>..', '@S12 @B2 *1 @F2', ydek='pronoun subject + predicate')
W['WFFVT'] = rec('WFFVT', '..<>..', '@B2 *1 @F2', ydek='noun subject + predicate')
W['WFFVB'] = rec('WFFVB', '..<>..', '*1 @Y2 *2', ydek='noun subject + değil')
W['WEEVV'] = rec('WEEVV', '..<>..', '*1 @$D *2', ding='is', ydek='pronoun + bare adjective')
W['WFFVV'] = rec('WFFVV', '..<>..', '*1 @$D *2', ding='is', ydek='noun + bare adjective')
for adv in ['FI', 'FG', 'FJ', 'DD']:
    W['WFF%sVT' % adv] = rec('WFF%sVT' % adv, '..<>..', '@B3 *1 @F3 *2', ydek='noun subject + place + predicate')
    W['WEE%sVT' % adv] = rec('WEE%sVT' % adv, '..<>..', '@S13 @B3 *1 @F3 *2', ydek='pronoun subject + place + predicate')
    W['W%sVT' % adv] = rec('W%sVT' % adv, '..<>..', '@B2 @A=2 @F2 *1', ydek='place + predicate')

PLAN = ''.join('$(Z*)%d' % n for n in range(1, 5))
def W_fix(lines):
    out = []
    for l in lines:
        f = l.split(';')
        f[3] = PLAN + ' ' + f[3]
        out.append(';'.join(f))
    return out

for k in list(W):
    if k.startswith('WFF'):
        f = W[k].split(';')
        f[0] = 'WFO' + k[3:]
        W.setdefault(f[0], ';'.join(f))

def write(name, hdr, lines):
    with open(OUT + '/' + name, 'w', encoding='utf-8') as f:
        f.write(hdr)
        for l in sorted(set(lines)):
            f.write(l + '\n')

write('rules-verb-templates.txt', HDR_V, V)
write('rules-clauses.txt', HDR_R, R)
write('rules-modules.txt', HDR_W, W_fix(list(W.values())))

# ---------------------------------------------------------------- post-edit
HDR_P = """# Post-edit idioms: English word sequences replaced in the finished English
# of a sentence. The key is the words joined by ">>" (a single word is
# written "word>>"); a word that began the Turkish sentence carries a "*"
# mark and a capital ("*He"), so such words have their own keys.
# Fields: key;EK;KOD;ING;YAD;YED;DING;YING;YYING;YDEK
#  EK    "..??..": an idiom entry;  ING the replacement text
# Sections: progressive questions (the module writes "are you are coming",
# the second be goes); are/were after a plural noun subject; irregular plurals (foots -> feet); the comma word n9 and a
# question particle "?" left inside the sentence are dropped; contractions of a pronoun with am/is/are/will and of an
# auxiliary with not (everyday English writes them contracted); the article
# "a" before a word that begins with a vowel sound; English spelling of the
# -ing and third-person forms that the plain "+ing"/"+s" rule gets wrong,
# for the English verbs of lexicon-verbs.txt (dropped silent e: coming,
# doubled final consonant: running, ie -> ying: lying, multi-word verbs:
# getting_hungry, gets_hungry, has).
"""
P = {}
def pe(words, repl, note):
    key = '>>'.join(words) + ('>>' if len(words) == 1 else '')
    if ';' in key or len(key) > 50:
        return
    P.setdefault(key, rec(key, '..??..', repl, ydek=note))

def variants(w):
    out = [(w, w)]
    cap = w[0].upper() + w[1:]
    out.append(('*' + cap, '*' + cap))
    out.append((cap, cap))
    return out

for base, be in [('I', "'m"), ('you', "'re"), ('we', "'re"), ('they', "'re"),
                 ('he', "'s"), ('she', "'s"), ('it', "'s"), ('that', "'s"),
                 ('there', "'s"), ('what', "'s"), ('where', "'s"), ('who', "'s")]:
    verb = {"'m": 'am', "'re": 'are', "'s": 'is'}[be]
    for k, shown in variants(base) if base != 'I' else [('I', 'I'), ('*I', '*I')]:
        pe([k, verb], shown + be, 'contraction')
        pe([k, 'will', 'not'], shown + " won't", 'contraction')
        pe([k, 'will'], shown + "'ll", 'contraction')
pe(['it*', 'is'], "it's", 'contraction')
pe(['it*', 'will'], "it'll", 'contraction')
pe(['it*', 'will', 'not'], "it won't", 'contraction')
for aux, neg in [('do', "don't"), ('does', "doesn't"), ('did', "didn't"), ('is', "isn't"),
                 ('are', "aren't"), ('was', "wasn't"), ('were', "weren't"), ('will', "won't"),
                 ('can', "can't"), ('could', "couldn't"), ('would', "wouldn't"),
                 ('should', "shouldn't"), ('must', "mustn't"), ('have', "haven't"),
                 ('has', "hasn't"), ('had', "hadn't")]:
    pe([aux, 'not'], neg, 'contraction')
    pe(['*' + aux.capitalize(), 'not'], '*' + neg.capitalize(), 'contraction')
pe(['cannot'], "can't", 'contraction')
pe(['there_is_not'], "there isn't", 'contraction')
pe(['*There_is_not'], "*There isn't", 'contraction')
pe(['there_was_not'], "there wasn't", 'contraction')
pe(['*There_was_not'], "*There wasn't", 'contraction')

import os
def entries(name):
    for line in open(os.path.join(OUT, name), encoding='utf-8'):
        if line.startswith('#') or not line.strip():
            continue
        yield line.rstrip('\n').split(';')

def vowel_sound(w):
    w = w.lower()
    if w.startswith(('hour', 'honest', 'honor', 'honour', 'heir')):
        return True
    if w.startswith(('uni', 'use', 'usu', 'uti', 'eu', 'one', 'once')):
        return False
    return w[:1] in ('a', 'e', 'i', 'o') or w.startswith(('un', 'um', 'ug', 'up'))

# A sentence that begins with a pronoun is written "*Pronoun <person> verb
# ... *Pronoun": a subject keeps one plain copy in front, an object form
# (me, him, them ...) moves behind the verb.
STATIVE = ['want', 'like', 'love', 'hate', 'know', 'need', 'understand', 'believe', 'remember',
            'prefer', 'mean', 'own', 'belong', 'seem', 'recognize', 'forget', 'hope', 'wish', 'agree']
CONTR = {'am': "'m", 'are': "'re", 'is': "'s"}
MAIN = {'I', 'you', 'he', 'she', 'it', 'we', 'they', 'me', 'him', 'her', 'us', 'them', 'this', 'that'}
GENERIC = {'I': 'am', 'you': 'are', 'we': 'are', 'they': 'are', 'it*': 'is'}
def be_of(code):
    p = code[:1]
    if p == 'A':
        return 'am'
    if p == 'C' and code[1:2] != 'S':
        return 'is'
    return 'are'
def simple(v, be):
    return third(v) if be == 'is' else v
PLETTER = {'I': 'A', 'you': 'B', 'it*': 'C', 'we': 'D', 'they': 'E'}
def pron_rules():
    rows = [f for f in entries('pronouns-particles.txt')
            if f[1][2:4] == 'EE' and re.fullmatch(r"[a-zI][a-z_]*", f[3])]
    # everyone, something ... (no code): third-person subjects
    for f in entries('function-words.txt'):
        if f[1][2:4] == 'EE' and re.fullmatch(r"[a-z][a-z_]*", f[3]) and f[3] != 'own':
            f = list(f)
            f[7] = 'C000AO0'
            rows.append(f)
    def is_subject(f):
        return len(f[7]) >= 3 and f[7][2] == '0' and f[3] not in ('me', 'us', 'him', 'her', 'them')
    # persons of the subject forms that share one English word
    subj_persons, obj_word = {}, {}
    for f in rows:
        star = '*' + f[3][0].upper() + f[3][1:]
        if is_subject(f):
            ps = subj_persons.setdefault(star, set())
            ps.add(f[7][:1])
            if f[7][:1] == 'E' or f[7][1:2] == 'S':
                ps.add('C')  # onlar geliyor: a plural subject with a singular verb
        else:
            obj_word.setdefault(star, f[3])
    done = set()
    for f in rows:
        eng, code = f[3], f[7]
        star = '*' + eng[0].upper() + eng[1:]
        if star in done:
            continue
        done.add(star)
        for person, pbe in GENERIC.items():
            # the verb's person decides: the same person as a subject form of
            # this English word makes it the subject, any other its object
            subject = PLETTER[person] in subj_persons.get(star, set())
            if subject:
                sf = next(x for x in rows if is_subject(x) and '*' + x[3][0].upper() + x[3][1:] == star)
                r, rbe = sf[3], be_of(sf[7])
            else:
                r, rbe = person, pbe
            shown = r if r != 'it*' else 'it'
            note = 'pronoun subject' if subject else 'pronoun object'
            for v in (STATIVE if eng in MAIN else []):
                pe([star, person, pbe, engine_ing(v)], shown + ' ' + simple(v, rbe), note)
                pe([star, person, pbe, 'not', engine_ing(v)],
                   shown + (" doesn't " if rbe == 'is' else " don't ") + v, note)
            if shown in ('I', 'you', 'we', 'they', 'he', 'she', 'it', 'that', 'this', 'there', 'who', 'what'):
                pe([star, person, pbe], shown + CONTR[rbe], note)
                pe([star, person, 'will', 'not'], shown + " won't", note)
                pe([star, person, 'will'], shown + "'ll", note)
            else:
                pe([star, person, pbe], shown + ' ' + rbe, note)
            pe([star, person], shown, note)
            # progressive question: "are *You you are coming" -> "are you coming"
            pe([pbe, star, person, pbe], pbe + ' ' + shown, note + ', question')
            if eng in MAIN:
                for v in STATIVE:
                    do = 'does' if pbe == 'is' else 'do'
                    pe([pbe, star, person, pbe, engine_ing(v)], do + ' ' + shown + ' ' + v, note + ', question')
            # the copy behind the verb phrase, after the person word the
            # module template writes before it: dropped for a subject, kept
            # (as the object form) otherwise
            pe([person, star], '' if subject else obj_word.get(star, eng), note + ', copy')
        if star not in subj_persons:
            pe([star], eng, 'object pronoun that began the sentence')
        else:
            sf = next(x for x in rows if is_subject(x) and '*' + x[3][0].upper() + x[3][1:] == star)
            for be in ('am', 'is', 'are'):
                pe([star, be], (sf[3]) + (CONTR[be_of(sf[7])] if sf[3] in ('I', 'you', 'we', 'they', 'he', 'she', 'it', 'that') else ' ' + be_of(sf[7])),
                   'pronoun subject agreement')

seen = set()
for name in ('lexicon-nouns.txt', 'lexicon-adjectives.txt'):
    for f in entries(name):
        eng = f[3]
        if not eng or not re.fullmatch(r"[a-z][a-z_'-]*", eng) or eng in seen:
            continue
        seen.add(eng)
        if vowel_sound(eng):
            pe(['a', eng], 'an ' + eng, 'article before a vowel')
            pe(['*A', eng], '*An ' + eng, 'article before a vowel')

VOW = 'aeiou'
DOUBLE2 = {'begin', 'forget', 'admit', 'commit', 'occur', 'prefer', 'refer', 'permit',
           'regret', 'upset', 'control', 'submit', 'omit', 'forbid', 'equip', 'transfer', 'upset'}
def syllables(w):
    return len(re.findall(r'[aeiouy]+', w))
def ing(v):
    if v in ('be', 'see', 'flee', 'agree', 'free', 'dye', 'eye', 'hoe', 'toe', 'shoe', 'canoe'):
        return v + 'ing'
    if v.endswith('ie'):
        return v[:-2] + 'ying'
    if v.endswith('e') and not v.endswith(('ee', 'ye', 'oe')) and len(v) > 2:
        return v[:-1] + 'ing'
    if (len(v) >= 3 and v[-1] not in VOW + 'wxy' and v[-2] in VOW and v[-3] not in VOW
            and (syllables(v) == 1 or v in DOUBLE2)):
        return v + v[-1] + 'ing'
    return v + 'ing'
def third(v):
    if v == 'have':
        return 'has'
    if v == 'be':
        return 'is'
    if v.endswith('y') and len(v) > 1 and v[-2] not in VOW:
        return v[:-1] + 'ies'
    if v.endswith(('s', 'x', 'z', 'ch', 'sh', 'o')):
        return v + 'es'
    return v + 's'
def engine_ing(t):
    # The engine's own -ing: after the first word, a silent final "e" dropped
    # (come -> coming; see -> seeing, be -> being keep it).
    sp = t.find(' ')
    end = len(t) if sp < 0 else sp
    head = t[:end]
    if len(head) >= 3 and head[-1] == 'e' and head[-2] not in 'aeiou' and head[-2] != 'y':
        head = head[:-1]
    return head + 'ing' + t[end:]
def engine_third(t):
    head = t.split(' ')[0]
    tail = t[len(head):]
    if head.endswith('y') and len(head) > 1 and head[-2] not in VOW:
        head = head[:-1] + 'ies'
    elif head.endswith(('h', 'o', 's', 'x')):
        head += 'es'
    else:
        head += 's'
    return head + tail
seen = set()
for f in entries('lexicon-verbs.txt'):
    eng = f[3]
    if not eng or not re.fullmatch(r"[a-z][a-z_'-]*", eng) or eng in seen:
        continue
    seen.add(eng)
    head, _, rest = eng.partition('_')
    good_ing = ing(head) + ('_' + rest if rest else '')
    good_3 = third(head) + ('_' + rest if rest else '')
    for have, good in ((engine_ing(eng), good_ing), (engine_third(eng), good_3)):
        if have != good:
            pe([have], good, 'verb form spelling')
            pe(['*' + have[0].upper() + have[1:]], '*' + good[0].upper() + good[1:], 'verb form spelling')

for v in STATIVE:
    vi = engine_ing(v)
    for subj, be, form in [('I', 'am', v), ('you', 'are', v), ('we', 'are', v), ('they', 'are', v),
                           ('he', 'is', third(v)), ('she', 'is', third(v)), ('it', 'is', third(v)),
                           ('it*', 'is', third(v)), ('that', 'is', third(v))]:
        neg = {'am': "don't", 'are': "don't", 'is': "doesn't"}[be]
        for k, shown in ([(subj, subj)] + ([('*' + subj.capitalize(), '*' + subj.capitalize())] if subj not in ('I', 'it*') else [])):
            pe([k, be, vi], shown + ' ' + form, 'simple present of a state verb')
            pe([k, be, 'not', vi], shown + ' ' + neg + ' ' + v, 'simple present of a state verb')
    pe(['is', vi], third(v), 'simple present of a state verb')
    pe(['are', vi], v, 'simple present of a state verb')
    pe(['am', vi], v, 'simple present of a state verb')

pron_rules()
# a plural noun subject takes are/were (the Turkish verb is singular)
seen = set()
for f in entries('lexicon-nouns.txt'):
    eng, ying = f[3], f[7]
    if 'wordnet' in f[9] or not re.fullmatch(r"[a-z]+", eng) or eng in seen or ying[:1] not in ('1', '2'):
        continue
    seen.add(eng)
    pl = eng + ('s' if ying[0] == '1' else 'es')
    for k in (pl, '*' + pl.capitalize()):
        pe([k, 'is', 'not'], k + " aren't", 'plural subject')
        pe([k, 'was', 'not'], k + " weren't", 'plural subject')
        pe([k, 'is'], k + ' are', 'plural subject')
        pe([k, 'was'], k + ' were', 'plural subject')
for p, be in GENERIC.items():
    shown = 'it' if p == 'it*' else p
    neg = {'am': 'am', 'is': "isn't", 'are': "aren't"}[be]
    pe([be, p, be], be + ' ' + shown, 'progressive question')
    pe([be, 'not', p, be, 'not'], (neg + ' ' + shown) if be != 'am' else 'am I not', 'progressive question')
    for v in STATIVE:
        do = 'does' if be == 'is' else 'do'
        for vi in (engine_ing(v), '*' + engine_ing(v).capitalize()):
            pe([be, p, be, vi], do + ' ' + shown + ' ' + v, 'question with a state verb')
            pe([be, 'not', p, be, 'not', vi], do + "n't " + shown + ' ' + v, 'question with a state verb')
names = set()
for f in entries('proper-names.txt'):
    if re.fullmatch(r"[A-Z][a-z]+", f[3]):
        names.add(f[3])
for n in sorted(names):
    pe(['is', '*' + n, 'is'], 'is *' + n, 'progressive question after a name')
    pe(['is', 'not', '*' + n, 'is', 'not'], "isn't *" + n, 'progressive question after a name')
pe(['n9'], '', 'comma word that did not stay in place')
pe(['?'], '', 'question particle written as a word (the sentence keeps its own ?)')
for sg, pl in [('man', 'men'), ('woman', 'women'), ('child', 'children'), ('foot', 'feet'), ('tooth', 'teeth'),
               ('mouse', 'mice'), ('person', 'people'), ('sheep', 'sheep'), ('fish', 'fish'), ('goose', 'geese'),
               ('knife', 'knives'), ('wife', 'wives'), ('life', 'lives'), ('leaf', 'leaves'), ('wolf', 'wolves'),
               ('half', 'halves'), ('shelf', 'shelves'), ('thief', 'thieves'), ('deer', 'deer'), ('policeman', 'policemen')]:
    for bad in (sg + 's', sg + 'es'):
        pe([bad], pl, 'irregular plural')
        pe(['*' + bad.capitalize()], '*' + pl.capitalize(), 'irregular plural')
write('rules-postedit.txt', HDR_P, list(P.values()))
