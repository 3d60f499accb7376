import sys
OUT = sys.argv[1]
HDR = """# Constructions written as one word: "<possessed noun> var/yok" forms of
# ihtiyaç (need): ihtiyacım var -> I need. The compound scan joins the words
# with "_" when the joined key exists, and the joined word is then one verb.
# Fields: key;EK;KOD;ING;YAD;YED;DING;YING;YYING;YDEK
#  EK    "..HN..": a construction verb (its own class, so that the clause
#        templates V_..HN in rules-verb-templates.txt put its object after it)
#  ING   English verb, YAD its past form
#  YING  the verb code (person, auxiliary, tense, form, polarity, mood,
#        extra) as the suffix chains give it: AB10AO0 I need, CC1SAO0 he
#        needs, AG20AO0 I needed, AB10BO0 I don't need, BB10A?0 do you need
"""
persons = [('ihtiyacım', 'A'), ('ihtiyacın', 'B'), ('ihtiyacı', 'C'), ('ihtiyacımız', 'D'),
           ('ihtiyacınız', 'B'), ('ihtiyaçları', 'E')]
rows = []
def code(p, past, neg, q):
    if past:
        return p + 'G20' + ('B' if neg else 'A') + ('?' if q else 'O') + '0'
    aux, form = ('C', 'S') if p == 'C' else ('B', '0')
    return p + aux + '1' + form + ('B' if neg else 'A') + ('?' if q else 'O') + '0'
for noun, p in persons:
    for tail, past, neg in [('var', False, False), ('vardı', True, False), ('yok', False, True), ('yoktu', True, True)]:
        rows.append('%s_%s;..HN..;;need;needed;;;%s;;' % (noun, tail, code(p, past, neg, False)))
        for qp in (['mı'] if tail in ('var', 'vardı') else ['mu']):
            rows.append('%s_%s_%s;..HN..;;need;needed;;;%s;;' % (noun, tail, qp, code(p, past, neg, True)))
with open(OUT + '/rules-constructions.txt', 'w', encoding='utf-8') as f:
    f.write(HDR)
    for r in sorted(rows):
        f.write(r + '\n')
