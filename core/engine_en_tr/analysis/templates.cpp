// The word-order template interpreter: builds a Turkish clause from the
// template held in the meaning of a rule entry (CurrentRecord), in English
// word order (WordTable, from the clause base) or Turkish order
// (OrderedTable).
//
// Template characters that are no item of the interpreter (lower-case "u",
// "v", "x", "z", other punctuation, bytes above 127) are skipped, and word
// digits that point past the 30 table slots read as empty words.
#include <algorithm>

#include "core/engine_en_tr/analysis/char_classes.h"
#include "core/engine_en_tr/analysis/en_tr_engine.h"
#include "core/text/split.h"

namespace zelmor::en_tr {

using namespace zelmor::text::literals;
using namespace detail;

namespace {

constexpr std::string_view kLetterWords[26] = {
    "saat ",  "var ",  "geçiyor"_cp, "kala ", "geçe "_cp, "da ",    "kaç "_cp, "önünde "_cp, "kadar ",
    ".",      "benim ", "sizin ",    "onun ",  "bizim ",   "onlar ", "do ",     "does ",       "can ",
    "could ", "time ", "to ",        "past ",  "o.clock",  "as",     "while ",  "what "};

void TrimRightIn(std::string& s) {
    while (!s.empty() && s.back() == ' ') s.pop_back();
}

bool IsEndingLetter(char c) { return (c >= 'a' && c <= 't' && c != 'q') || c == 'w'; }

}  // namespace

WordRecord* EnTrEngine::TemplateWordRecord(bool turkish_order, int digit) {
    EnTrState& s = state_;
    int slot = turkish_order ? digit + 1 : s.ClauseBase + digit + 1;
    if (slot < 1 || slot >= kTableSlots) return nullptr;
    return turkish_order ? &s.OrderedTable[static_cast<std::size_t>(slot)]
                         : &s.WordTable[static_cast<std::size_t>(slot)];
}

void EnTrEngine::ApplyTemplateEnding(bool turkish_order, char letter, std::string& out) {
    EnTrState& s = state_;
    WordRecord* rec = TemplateWordRecord(turkish_order, s.TemplateWord);
    if (letter == 'b' && rec && !rec->field7.empty()) return;
    TrimRightIn(out);
    std::string r = NounEnding(std::string(1, letter), out);
    s.SentenceState = r.empty() ? letter : r[0];
    std::string ending = r.size() > 1 ? r.substr(1) : std::string();
    // When no ending could be chosen the operation hands back the word
    // itself; the output already holds it.
    if (!out.empty() && ending == text::Trim(text::TurkishLowerCase(out))) ending.clear();
    if (rec) {
        const std::string_view f7 = rec->field7.view();
        if ((f7 == "su" || f7 == "sü"_cp || f7 == "sı"_cp || f7 == "si") && !ending.empty() && ending[0] == 'y')
            ending[0] = 'n';
    }
    if (turkish_order && !ending.empty() && ending[0] == 'y') {
        SplitClauseWords(out, '0');
        const std::string& last = s.ClauseWords.back();
        if (last != "su" && !last.empty() && (last.back() == 'u' || last.back() == "ı"_cp[0])) ending[0] = 'n';
    }
    if (turkish_order && ending == "de" && (out.ends_with(" de") || out.ends_with(" içinde"_cp))) ending.clear();
    if (letter == 'b' && rec) rec->field7 = ending;
    if (rec && !ending.empty() && rec->meaning.starts_with("*")) {
        const bool f9 = rec->code.At(3) == 'F' && rec->code.At(4) == '9';
        if (turkish_order || f9) out += '\'';
    } else if (rec && !ending.empty() && turkish_order && rec->code.At(3) == 'F' && rec->code.At(4) == '9') {
        out += '\'';
    }
    out += ending;
}

std::string EnTrEngine::RunTemplate(bool turkish_order) {
    EnTrState& s = state_;
    s.ClauseTemplate = s.CurrentRecord.meaning;
    const std::string tpl = s.CurrentRecord.meaning.str();
    s.SuffixText.clear();
    std::string out;
    std::size_t i = 0;
    auto digit_at = [&](std::size_t k) { return k < tpl.size() && IsDigit(tpl[k]) ? tpl[k] - '0' : -1; };
    while (i < tpl.size()) {
        const char c = tpl[i];
        std::size_t next = i + 1;
        if (c == '#' || c == '*' || c == 'y') {
        } else if (IsDigit(c)) {
            s.TemplateWord = c - '0';
            if (WordRecord* rec = TemplateWordRecord(turkish_order, s.TemplateWord)) out += rec->meaning.view();
        } else if (IsEndingLetter(c)) {
            ApplyTemplateEnding(turkish_order, c, out);
        } else if (c == 'q') {
            switch (s.InflectionCode.At(1)) {
                case 'A': out += "m"; break;
                case 'B': out += "niz"; break;
                case 'D': out += "k"; break;
                default: break;
            }
        } else if (c == '"') {
            std::size_t end = tpl.find('"', i + 1);
            if (end == std::string::npos) end = tpl.size();
            out += tpl.substr(i + 1, end - i - 1);
            next = end + 1;
        } else if (c == '<' && digit_at(i + 1) >= 0) {
            s.TemplateWord = digit_at(i + 1);
            next = i + 2;
        } else if (c == '@' && i + 1 < tpl.size() && (tpl[i + 1] == '/' || tpl[i + 1] == 'r')) {
            TrimRightIn(out);
            if (tpl[i + 1] == 'r') {
                const bool demonstrative = Contains(out, "bunlar") || Contains(out, "şunlar"_cp);
                if (turkish_order && demonstrative && out.size() >= 4)
                    out.resize(out.size() - 4);
                else if (out.ends_with("ler") || out.ends_with("lar"))
                    out.resize(out.size() - 3);
                out = text::ReplaceAll(out + " ", "bunlar ", "bu ");
                out = text::ReplaceAll(out, "şunlar "_cp, "şu "_cp);
                TrimRightIn(out);
            }
            WordRecord* rec = TemplateWordRecord(turkish_order, s.TemplateWord);
            if (rec && (rec->key.starts_with("*") || (rec->code.At(4) == '*' && rec->code.At(6) == '*')))
                out += '\'';
            const char x = i + 2 < tpl.size() ? tpl[i + 2] : '\0';
            if (x >= 'a' && x <= 't') {
                s.SentenceState = x;
                s.SuffixText = out;
            }
            next = i + 3;
        } else if (c == 'P' && i + 2 < tpl.size() && tpl[i + 1] == '2' && digit_at(i + 2) >= 0) {
            s.TemplateWord = digit_at(i + 2);
            next = i + 3;
            if (WordRecord* rec = TemplateWordRecord(turkish_order, s.TemplateWord)) {
                if (rec->field5.empty() && LookUpEnglish(text::AsciiLowerCase(rec->key.view()) + "(2)")) {
                    DecodeLast();
                    WordRecord alt = s.CurrentRecord;
                    s.CurrentRecord.meaning = tpl;  // the template stays in CurrentRecord
                    *rec = alt;
                    out += rec->meaning.view();
                } else if (!rec->field5.empty()) {
                    rec->meaning = rec->field4;
                    out += rec->meaning.view();
                } else {
                    s.InflectionCode = "C000AO";
                    s.InflectionCode.SetAt(4, rec->field6.empty() ? '0' : rec->field6.At(1));
                    const int slot = turkish_order ? s.TemplateWord + 1 : s.ClauseBase + s.TemplateWord + 1;
                    stages_->InflectVerb(*this, slot);
                    rec->meaning = rec->meaning.str() + s.SuffixText.str();
                    out += rec->meaning.view();
                }
            }
        } else if (c == 'V' && digit_at(i + 2) >= 0) {
            s.TemplateWord = digit_at(i + 2);
            next = i + 3;
            if (WordRecord* rec = TemplateWordRecord(turkish_order, s.TemplateWord)) {
                if (rec->key == "old") rec->meaning = "yaşlı"_cp;
                out += rec->meaning.view();
            }
        } else if (c == '!' && !turkish_order) {
            if (WordRecord* rec = TemplateWordRecord(false, s.TemplateWord)) rec->field6.SetAt(3, 'b');
            s.ClauseBase = std::max(0, s.ClauseBase - 1);
            next = i + 2;
        } else if (c == 'L' && turkish_order && digit_at(i + 1) >= 0 && digit_at(i + 2) >= 0) {
            const int d1 = digit_at(i + 1), d2 = digit_at(i + 2);
            next = i + 3;
            WordRecord* w1 = TemplateWordRecord(true, d1);
            WordRecord* w2 = TemplateWordRecord(true, d2);
            if (w1 && w2 && LookUpEnglish("LL+" + w2->key.str())) {
                DecodeLast();
                const WordRecord& r = s.CurrentRecord;
                std::string fields = r.field4.str() + r.field5.str() + r.field8.str();
                if (Contains(fields, "," + w1->key.str() + ",")) w2->meaning = r.meaning;
                s.CurrentRecord.meaning = tpl;
            }
        } else if (c >= 'A' && c <= 'Z') {
            out += ' ';
            out += kLetterWords[c - 'A'];
        }
        i = next;
        if (out.size() > 255) out.resize(255);
        // "*", a digit or "@" next asks for a blank; one blank is enough
        // ("0*1" reads as two words, not two blanks).
        if (i < tpl.size() && (tpl[i] == '*' || IsDigit(tpl[i]) || tpl[i] == '@') && !out.ends_with(' '))
            out += ' ';
    }
    if (turkish_order) {
        std::string probe(text::Trim(out));
        std::replace(probe.begin(), probe.end(), ' ', '_');
        if (!probe.empty() && LookUpEnglish("ZT_" + probe)) {
            DecodeLast();
            out = s.CurrentRecord.meaning.str();
            s.CurrentRecord.meaning = tpl;
        }
    }
    s.ClauseText = out;
    return s.ClauseText.str();
}

std::string EnTrEngine::ApplyTemplate() {
    EnTrState& s = state_;
    const WordRecord& rule = s.CurrentRecord;
    // Field-8 items of the rule, each followed by the digit of its word.
    struct Fix {
        std::string_view item, word, meaning;
    };
    static constexpr Fix kFixes[] = {{"?(these)", "these", "bu"},   {"?(these)", "those", "şu"_cp},
                                     {"?(old)", "old", "yaşlı"_cp}, {"?(last)", "last", "son"}};
    const std::string f8 = rule.field8.str();
    for (const Fix& fix : kFixes) {
        std::size_t p = f8.find(fix.item);
        if (p == std::string::npos || p + fix.item.size() >= f8.size()) continue;
        char d = f8[p + fix.item.size()];
        if (!IsDigit(d)) continue;
        if (WordRecord* rec = TemplateWordRecord(false, d - '0'); rec && rec->key == fix.word) rec->meaning = fix.meaning;
    }
    s.ClauseFlags = rule.field6;
    return RunTemplate(false);
}

std::string EnTrEngine::ApplyOrderedTemplate() { return RunTemplate(true); }

}  // namespace zelmor::en_tr
