// Lists the word tokens of a Turkish text column with the root and parse that
// the nlptoolkit morphological analyser gives them. Only a helper for choosing
// lexicon entries; the build never runs it.
// usage: NODE_PATH=<scratch>/node_modules node devstems.js <tsv> > out.tsv
//   (run from inside nlptoolkit-morphologicalanalysis so it finds its lexicon)
const fs = require('fs');
const {FsmMorphologicalAnalyzer} = require('nlptoolkit-morphologicalanalysis/dist/MorphologicalAnalysis/FsmMorphologicalAnalyzer');
const fsm = new FsmMorphologicalAnalyzer();
const lower = s => s.replace(/I/g, 'ı').replace(/İ/g, 'i').toLowerCase();
const wordRe = /[A-Za-zÇĞİIÖŞÜçğıöşüâîû0-9]+(?:'[A-Za-zÇĞİIÖŞÜçğıöşüâîû]+)?/g;
const counts = new Map();
for (const line of fs.readFileSync(process.argv[2], 'utf8').split('\n')) {
  const tr = line.split('\t')[0];
  if (!tr) continue;
  let first = true;
  for (const m of tr.matchAll(wordRe)) {
    const tok = m[0];
    const cap = /^[A-ZÇĞİIÖŞÜ]/.test(tok) && !first;
    first = false;
    const key = (cap ? '^' : '') + tok;
    counts.set(key, (counts.get(key) || 0) + 1);
  }
}
for (const [key, n] of counts) {
  const cap = key.startsWith('^');
  const tok = cap ? key.slice(1) : key;
  const apos = tok.indexOf("'");
  const w = lower(tok);
  const l = fsm.morphologicalAnalysis(apos > 0 ? w.replace("'", '') : w);
  let parses = [];
  for (let i = 0; i < l.size(); i++) parses.push(l.getFsmParse(i));
  // Prefer the parse with the longest root (the most lexicalised stem).
  parses.sort((a, b) => b.getWord().getName().length - a.getWord().getName().length);
  const p = parses[0];
  const name = cap || apos > 0 || (p && p.toString().includes('+PROP'));
  console.log([n, tok, w, p ? p.getWord().getName() : '?', name ? 'NAME' : '', p ? p.toString() : '',
    parses.slice(1, 4).map(x => x.toString()).join(' | ')].join('\t'));
}
