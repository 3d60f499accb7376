// The predicate command of the generation templates: classifies the
// command by its construction shape and writes the inflected verb.
#include <cctype>

#include "core/engine_en_tr/generation/generate_clause.h"
#include "core/engine_en_tr/generation/inflection.h"
#include "core/text/cp1254.h"
#include "core/text/split.h"

namespace zelmor::en_tr {

using namespace zelmor::text::literals;

namespace {

constexpr char kShapeDigit = '\xE9';

bool Has(std::string_view text, std::string_view what) { return text.find(what) != std::string_view::npos; }
char CharAt(std::string_view s, std::size_t i) { return i < s.size() ? s[i] : '\0'; }
bool IsDigit(char c) { return c >= '0' && c <= '9'; }
bool IsSlotDigit(char c) { return c >= '1' && c <= '9'; }

class Predicate {
public:
    Predicate(GenerationState& st, GenerationServices& sv, GenerationRecord& pattern, std::string_view params)
        : st_(st), sv_(sv), pattern_(pattern), p_(params) {}
    void Run();

private:
    GenerationRecord& Slot(char c) { return DigitSlot(st_.OrderedTable, c, dummy_); }
    WordCodeBuffer& Codes(char c) { return DigitSlot(st_.WordCodes, c, dummy_code_); }
    bool Tag(std::string_view tag) const { return Has(pattern_.Field8, tag); }
    void Trace(const std::string& line) {
        if (sv_.Tracing()) sv_.Trace(TraceSection::Log4, std::to_string(sv_.TraceCounter()) + line);
    }
    void Append(std::string_view s) {
        st_.ClauseText += s;
        if (st_.ClauseText.size() > kClauseTextCapacity) st_.ClauseText.resize(kClauseTextCapacity);
    }
    void Attach() { AttachSuffix(st_.ClauseText, st_.SuffixText); }
    void Inflect() { InflectVerb(st_, sv_, a_ - '0'); }
    void LoadCode() { st_.InflectionCode.Assign(Codes(a_).Text()); }
    void Mood() {
        if (Tag("<?=O>")) st_.InflectionCode.Set(6, 'O');
        if (Tag("<O=?>")) st_.InflectionCode.Set(6, '?');
    }
    /// Person from the verb code slot of verb k named after "<AD>".
    void PersonFromAd() {
        const auto at = pattern_.Field8.find("<AD>");
        if (at == std::string::npos) return;
        const int k = CharAt(pattern_.Field8, at + 4) - '0';
        char person = 'C';
        if (k >= 0 && static_cast<std::size_t>(k) < kVerbCodeSlotCount) {
            const char c = CharAt(st_.VerbCodeSlots[static_cast<std::size_t>(k)], 0);
            if (c >= 'A' && c <= 'D') person = c;
        }
        st_.InflectionCode.Set(1, person);
    }
    void ParticipleTags() {
        if (Tag("<QE>") || Tag("<QC>") || Tag("<QI>") || Tag("<QA>")) st_.SuffixText = st_.ParticipleText;
    }
    /// A double quote + "W" + slot in the parameters: the relative word.
    void RelativeWord() {
        const auto q = p_.find("\"W");
        if (q == std::string_view::npos) return;
        const char r = IsDigit(CharAt(p_, q + 2)) ? CharAt(p_, q + 2) : '0';
        std::string key = Slot(r).Key;
        for (char& c : key) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
        if (key == "what" || key == "what_time" || key == "when" || key == "where" || key == "who") {
            st_.SuffixText = st_.ParticipleText;
            if (CharAt(p_, q + 3) == 'E') st_.SuffixText += st_.ParticipleCaseText;
        } else if (const GenerationRecord* hit =
                       sv_.LookUpEnglish(Slot(r).Key + CharAt(Slot(a_).Field6, 0) + st_.SuffixText)) {
            st_.SuffixText = hit->Meaning;
        }
    }
    void QuestionWord() {
        if (!Tag("<MQ>")) return;
        const GenerationRecord* r = sv_.LookUpEnglish(st_.QuestionWordText + "=" + verb_);
        const std::string word = r ? r->Meaning : st_.QuestionWordText;
        std::string before = st_.ClauseText;
        const auto at = before.rfind(verb_);
        if (at != std::string::npos) before.resize(at);
        st_.ClauseText = before + word + " " + verb_;
    }
    void Finish() {
        // A suffix that still holds a digit after its first character is an
        // unconsumed code, not Turkish.
        for (std::size_t i = 1; i < st_.SuffixText.size(); ++i)
            if (IsDigit(st_.SuffixText[i])) {
                st_.SuffixText.clear();
                break;
            }
        if (Tag("dtm=2")) st_.SuffixText.clear();
        Attach();
        Append(" ");
    }
    void Finite(bool general);
    void Subject(char letter);
    void Auxiliary(char letter);

    GenerationState& st_;
    GenerationServices& sv_;
    GenerationRecord& pattern_;
    std::string_view p_;
    char a_ = '0';
    std::string verb_;
    std::string shape_;
    GenerationRecord dummy_;
    WordCodeBuffer dummy_code_;
};

void Predicate::Run() {
    a_ = CharAt(p_, 0);
    // 1. The verb.
    if (IsSlotDigit(a_)) {
        verb_ = std::string(text::TrimRight(Slot(a_).Meaning));
        st_.PredicateField = Slot(a_).Field6;
        st_.PredicateVerbText = verb_;
    }
    // 2. The construction shape.
    shape_ = "P";
    for (std::size_t i = 0; i < p_.size(); ++i) {
        const char c = p_[i];
        const char before = i > 0 ? p_[i - 1] : 'P';
        if (IsDigit(c)) shape_ += kShapeDigit;
        else if (shape_.size() >= 2 && c >= 'A' && c <= 'H' && (before == 'A' || before == 'D' || before == 'Y'))
            shape_ += kShapeDigit;
        else shape_ += c;
    }
    // 3. "PE": the named slot takes its "(4)" entry.
    if (const auto pe = p_.find("PE"); pe != std::string_view::npos && pe + 2 < p_.size()) {
        const char w = p_[pe + 2];
        GenerationRecord& sw = Slot(w);
        if (const GenerationRecord* r = sv_.LookUpEnglish(sw.Key + "(4)")) {
            const std::string key = sw.Key;
            sw = *r;
            sw.Key = key;
            Codes(w).Set(8, 'Z');
            pattern_.Field8 = "6=Z";
        }
    }
    // 4. The construction letter.
    char letter = '0';
    if (const GenerationRecord* r = sv_.LookUpEnglish(shape_); r && !r->Meaning.empty()) letter = r->Meaning[0];
    // 5. The verb stem.
    if (Has("HIJKLMOPQRSTVWZbcef", std::string_view(&letter, 1)) && letter != '\0') {
        GenerationRecord& sa = Slot(a_);
        Append(sa.Meaning);
        const char kind = CharAt(sa.Field6, 1), cls = CharAt(sa.Field6, 0);
        st_.InflectionCode.Set(2, kind);
        st_.InflectionCode.Set(4, cls);
        Codes(a_).Set(2, kind);
        Codes(a_).Set(4, cls);
        if (CharAt(sa.Code, 4) == 'N') Codes(a_).Set(5, 'b');
        if (!sa.Key.empty() && sa.Key.back() == 's') st_.InflectionCode.Set(8, 'S');
        Trace("0---> sfiil-->" + verb_ + "+" + Codes(a_).Text());
    } else {
        Trace("0-- sfiil->" + shape_ + "..yok");
    }
    // 6-7. Subject and auxiliary.
    Subject(letter);
    Auxiliary(letter);
    // 8. Normalise the construction letter.
    if (letter == 'I' || letter == 'K' || letter == 'L') letter = 'J';
    else if (letter == 'P' || letter == 'Q' || letter == 'R') letter = 'O';
    else if (letter == 'Z') letter = 'M';
    const std::string e(1, kShapeDigit);
    if (shape_ == "P" + e + "A" + e + "D" + e + "H" + e) {
        Codes(a_).Set(3, 'F');
        if (a_ - '0' >= 2 && Slot(static_cast<char>(a_ - 2)).Key == "had") Codes(a_).Set(2, '2');
    }
    // 9. The inflection.
    switch (letter) {
        case '0': break;
        case 'C':
            Append(Slot(CharAt(p_, 3)).Field4 + " ");
            break;
        case 'G': {
            const char q = CharAt(p_, 2);
            std::string text = Slot(q).Meaning;
            const char polarity = CharAt(pattern_.Field5, 2);
            if (polarity == 'b' || polarity == 'B') {
                st_.InflectionCode.Set(4, CharAt(Slot(q).Field6, 0));
                NegationSuffix(st_);
                text += st_.SuffixText;
            }
            Append(text + " ");
            break;
        }
        case 'J':
            LoadCode();
            Mood();
            Inflect();
            ParticipleTags();
            if (Has(p_, "\"R")) st_.SuffixText = st_.ParticipleText;
            RelativeWord();
            Attach();
            Append(" ");
            break;
        case 'S':
            LoadCode();
            st_.InflectionCode.Set(7, CharAt(Slot(CharAt(p_, 2)).Code, 4));
            Inflect();
            Finish();
            break;
        case 'V':
            Codes(a_).Set(3, 'U');
            LoadCode();
            if (Tag("<?=O>")) st_.InflectionCode.Set(6, 'O');
            Inflect();
            QuestionWord();
            Append(st_.SuffixText + " ");
            break;
        case 'T':
            LoadCode();
            st_.InflectionCode.Set(2, '2');
            Mood();
            PersonFromAd();
            Inflect();
            ParticipleTags();
            if (Tag("<HF>")) {
                if (const GenerationRecord* r = sv_.LookUpEnglish("IF+" + st_.SuffixText)) {
                    st_.SuffixText = r->Meaning;
                } else {
                    LoadCode();
                    st_.InflectionCode.Set(2, '2');
                    st_.InflectionCode.Set(7, 'F');
                    Inflect();
                }
            }
            if (Has(p_, "\"F")) {
                const GenerationRecord* r = sv_.LookUpEnglish("IF+" + st_.SuffixText);
                st_.SuffixText = r ? r->Meaning : st_.SuffixText + " ise";
            }
            QuestionWord();
            Finish();
            break;
        case 'W':
            if (Codes(a_).At(2) == '1') Codes(a_).Set(2, 'I');
            LoadCode();
            Mood();
            if (Tag("<Y=I>")) st_.InflectionCode.Set(3, '1');
            if (Tag("<HF>")) {
                st_.SuffixText = ProgressiveConditionalSuffix(st_.InflectionCode.At(5) == 'b' ? 12 : 0,
                                                              st_.InflectionCode.Text());
                Finish();
                break;
            }
            Finite(false);
            break;
        case 'b': {
            const char aux = CharAt(p_, 2);
            st_.InflectionCode.Set(4, CharAt(Slot(aux).Field6, 0));
            NegationSuffix(st_);
            Attach();
            break;
        }
        case 'c': {
            const char aux = CharAt(p_, 2);
            const char cls = CharAt(Slot(aux).Field6, 0);
            Codes(aux).Set(4, cls);
            st_.InflectionCode.Set(4, cls);
            InfinitiveSuffix(st_);
            if (CharAt(p_, 3) == 'I' || CharAt(Slot(aux).Code, 4) == 'N') Append(st_.SuffixText.substr(0, 2));
            TrimClauseRight(st_.ClauseText);
            Attach();
            Append(" ");
            break;
        }
        case 'e':
            LoadCode();
            Inflect();
            Attach();
            Append(" ");
            break;
        case 'f':
            InfinitiveSuffix(st_);
            st_.SuffixText += st_.SuffixText == "mek" ? "te" : "ta";
            Attach();
            break;
        case 'O': {
            if (Codes(a_).At(7) == '\0' && Codes(a_).At(8) != '\0') Codes(a_).Set(7, '0');
            std::string be_field4;
            if (Codes(a_).At(3) == '9' && Codes(a_).At(8) == '9') {
                if (const GenerationRecord* r = sv_.LookUpEnglish("be_" + Slot(a_).Key)) {
                    be_field4 = r->Field4;
                    Append(be_field4);
                }
            }
            if (const GenerationRecord* r = sv_.LookUpEnglish("P_" + Codes(a_).Text())) {
                st_.SuffixText = be_field4.empty() ? r->Meaning : r->Field4;
            } else {
                for (std::size_t i = 1; i + 1 < p_.size(); ++i) {
                    if (p_[i] == 'F') Codes(a_).Set(7, CharAt(Slot(p_[i + 1]).Code, 4));
                    if (p_[i] == 'G') {
                        const char f = CharAt(Slot(p_[i + 1]).Field5, 0);
                        if (f == '1') Codes(a_).Set(3, 'F');
                        else if (f == '5') Codes(a_).Set(3, 'G');
                    }
                }
                if (Has(p_.substr(1), "R")) Codes(a_).Set(7, 'R');
                LoadCode();
                Inflect();
            }
            Finish();
            break;
        }
        case 'H': Finite(false); break;
        case 'M': {
            LoadCode();
            const std::pair<const char*, char> tags[] = {{"<HF>", 'F'}, {"<HG>", 'G'}, {"<HJ>", 'J'}, {"<HK>", 'K'},
                                                         {"<HT>", 'T'}, {"<HL>", 'L'}, {"<HS>", 'S'}, {"<HH>", 'H'}};
            for (const auto& [tag, pos7] : tags)
                if (Tag(tag)) Codes(a_).Set(7, pos7);
            if (Tag("<MY>")) {
                Codes(a_).Set(1, 'C');
                Codes(a_).Set(7, 'M');
            }
            if (Tag("<MK>") && Codes(a_).At(2) == '1') Codes(a_).Set(7, 'M');
            if (Tag("<MX>")) Codes(a_).Set(1, 'C');
            Finite(false);
            break;
        }
        default: Finite(true); break;
    }
}

void Predicate::Subject(char letter) {
    if (!Has("HIJKLMOPQRSTVW", std::string_view(&letter, 1)) || letter == '\0') return;
    const char s = CharAt(p_, 1);
    if (IsDigit(s)) {
        const GenerationRecord& ss = Slot(s);
        char person = 'C';
        if (Has(st_.TransferSavedRule.Key, "R1_PPGGPP") && Has(st_.TransferSavedRule.Field6, "dwx=1")) person = '0';
        if (!ss.Field6.empty()) person = CharAt(ss.Field6, 1);
        if (!Has("0ABDE", std::string_view(&person, 1)) || person == '\0') person = 'C';
        if (ss.Key == "who") person = 'C';
        Codes(a_).Set(1, person);
        const char cls = CharAt(ss.Field6, 0);
        if (cls == 'n' || cls == 'N') Codes(a_).Set(5, 'b');
        if (CharAt(ss.Field6, 1) == '?') Codes(a_).Set(6, '?');
    } else if (s >= 'A' && s <= 'E') {
        const std::size_t slot = p_.size() + 1;
        if (slot < st_.SavedOrderedTable.size()) {
            const char person = CharAt(st_.SavedOrderedTable[slot].Field6, 1);
            if (person != '\0') Codes(a_).Set(1, person);
        }
    }
}

void Predicate::Auxiliary(char letter) {
    const char p = CharAt(p_, 2);
    if (p == '\0') return;
    if (Has("LMOPQRZ", std::string_view(&letter, 1)) && letter != '\0') {
        if (p >= 'A' && p <= 'E') {
            const char c = CharAt(st_.SavedOrderedTable[0].Field6, 0);
            if (c != '\0') Codes(a_).Set(3, c);
            return;
        }
        if (p == '0') return;
        const char cls = CharAt(Slot(p).Field6, 0);
        st_.InflectionCode.Set(3, cls);
        Codes(a_).Set(3, cls);
        if (CharAt(p_, 3) == 'R') Codes(a_).Set(7, 'R');
        else if (IsDigit(CharAt(p_, 3))) Codes(a_).Set(8, CharAt(Slot(CharAt(p_, 3)).Field6, 0));
    } else if (Has("IWXYe", std::string_view(&letter, 1)) && letter != '\0') {
        if (p >= 'A' && p <= 'E') {
            const char c = CharAt(st_.SavedOrderedTable[static_cast<std::size_t>(p - 'A')].Field6, 0);
            if (c != '\0') Codes(a_).Set(3, c);
        } else {
            char c = CharAt(Slot(p).Field5, 0);
            if (c == '0') c = '1';
            Codes(a_).Set(3, c);
        }
        if (CharAt(Slot(a_).Code, 3) == 'I') Codes(a_).Set(2, 'I');
    }
}

void Predicate::Finite(bool general) {
    LoadCode();
    // 1-2. Ready-made question answers.
    if (!st_.QuestionCodes[static_cast<std::size_t>(a_ - '0') % kOrderedSlots].empty() &&
        st_.QuestionCodes[static_cast<std::size_t>(a_ - '0') % kOrderedSlots][0] == 'Q') {
        if (const GenerationRecord* r = sv_.LookUpEnglish("QCF_" + Codes(a_).Text())) {
            st_.SuffixText = r->Meaning;
            Finish();
            return;
        }
    }
    if (Tag("<FQ>")) {
        std::string code = Codes(a_).Text();
        if (code.size() >= 5 && code[4] == 'b') code[4] = 'B';
        const std::string prefix = (Tag("<FQ>C") || Tag("<FQ>I")) ? "MQ*_" : "MQA_";
        if (const GenerationRecord* r = sv_.LookUpEnglish(prefix + code)) {
            st_.SuffixText = r->Meaning;
            Trace("4-->MQevet==" + r->Meaning);
            Finish();
            return;
        }
    }
    // 3. Mood, auxiliary and person tags.
    Mood();
    if (Tag("<MK>")) st_.InflectionCode.Set(7, 'M');
    if (Tag("<MX>") || Tag("<MY>")) st_.InflectionCode.Set(1, 'C');
    PersonFromAd();
    // The general path takes further groups after the verb.
    if (general) {
        for (std::size_t i = 1; i < p_.size(); ++i) {
            const char g = p_[i];
            const char s = CharAt(p_, i + 1);
            switch (g) {
                case 'A':
                    if (IsDigit(s)) {
                        const char person = CharAt(Slot(s).Field6, 1);
                        if (person >= 'A' && person <= 'E') st_.InflectionCode.Set(1, person);
                    }
                    break;
                case 'D':
                    if (IsDigit(s)) st_.InflectionCode.Set(3, CharAt(Slot(s).Field6, 0));
                    break;
                case 'R': st_.InflectionCode.Set(7, 'R'); break;
                case 'H': st_.InflectionCode.Set(2, '2'); break;
                case 'U': st_.InflectionCode.Set(3, 'U'); break;
                case 'u': st_.InflectionCode.Set(3, 'u'); break;
                case 'Y':
                    if (IsDigit(s)) st_.InflectionCode.Set(3, CharAt(Slot(s).Field5, 0));
                    break;
                case 'F':
                    if (IsDigit(s)) st_.InflectionCode.Set(7, CharAt(Slot(s).Code, 4));
                    break;
                case 'G':
                    if (IsDigit(s)) {
                        const char f = CharAt(Slot(s).Field5, 0);
                        if (f == '1') st_.InflectionCode.Set(3, 'F');
                        else if (f == '5') st_.InflectionCode.Set(3, 'G');
                    }
                    break;
                default: break;
            }
        }
    }
    // 4-5. The code itself, or a subordinate form.
    const std::string code = st_.InflectionCode.Text();
    st_.SuffixText = code;
    st_.ParticipleText.clear();
    st_.ParticipleCaseText.clear();
    const int offset = st_.InflectionCode.At(5) == 'b' ? 12 : 0;
    const bool voiceless = EndsVoiceless(std::string(text::TrimRight(st_.ClauseText)));
    if (Tag("<HF>")) {
        const std::string c = ConditionalSuffix(offset, code, voiceless);
        if (c != "***") {
            st_.SuffixText = c;
            Finish();
            return;
        }
    }
    if (Tag("<HG>")) st_.SuffixText = AfterSuffix(offset, code, voiceless);
    else if (Tag("<HJ>")) st_.SuffixText = BeforeSuffix(code);
    else if (Tag("<HL>")) st_.SuffixText = UntilSuffix(code);
    if (Tag("<HG>") || Tag("<HJ>") || Tag("<HL>")) {
        Finish();
        return;
    }
    // 6. The finite verb and its tags.
    Inflect();
    if (Tag("<QE>") || Tag("<QC>") || Tag("<QI>")) st_.SuffixText = st_.ParticipleText;
    QuestionWord();
    if (Tag("<MY>")) {
        if (const GenerationRecord* r = sv_.LookUpEnglish("MY_" + st_.SuffixText)) st_.SuffixText = " " + r->Meaning;
        else if (const GenerationRecord* r2 = sv_.LookUpEnglish("MY_" + code)) st_.SuffixText = r2->Meaning;
    }
    if (const auto at = pattern_.Field8.find("<QY>"); at != std::string::npos) {
        if (const GenerationRecord* r = sv_.LookUpEnglish("IF+" + st_.SuffixText)) {
            st_.SuffixText = r->Meaning;
        } else {
            st_.InflectionCode.Assign(code);
            st_.InflectionCode.Set(7, 'F');
            Inflect();
        }
        static constexpr std::string_view kEver[] = {"", " her ne", " her yerde", " her zaman", " her kim"};
        const int d = CharAt(pattern_.Field8, at + 4) - '0';
        if (d >= 1 && d <= 4) st_.ClauseText = std::string(kEver[d]) + " " + st_.ClauseText;
    }
    const std::pair<const char*, char> reinflect[] = {{"<HN>", 'N'}, {"<HK>", 'K'}, {"<HT>", 'T'},
                                                      {"<HS>", 'S'}, {"<HH>", 'H'}, {"<HZ>", 'Z'}};
    char last = '\0';
    for (const auto& [tag, pos7] : reinflect)
        if (Tag(tag)) last = pos7;
    if (last) {
        st_.InflectionCode.Assign(Codes(a_).Text());
        st_.InflectionCode.Set(7, last);
        Inflect();
    }
    if (general) {
        if (const GenerationRecord* r = sv_.LookUpEnglish("IF_" + st_.SuffixText)) st_.SuffixText = r->Meaning;
        if (Has(p_, "\"F")) {
            const GenerationRecord* r = sv_.LookUpEnglish("IF+" + st_.SuffixText);
            if (r) st_.SuffixText = r->Meaning;
            st_.SuffixText += " ise ";
        }
        if (const auto w = p_.find("\"W"); w != std::string_view::npos) {
            st_.SuffixText = st_.ParticipleText;
            if (CharAt(p_, w + 3) == 'E') st_.SuffixText += st_.ParticipleCaseText;
        }
    }
    Finish();
}

}  // namespace

void BuildPredicate(GenerationState& state, GenerationServices& services, GenerationRecord& pattern,
                    std::string_view params) {
    Predicate(state, services, pattern, params).Run();
}

}  // namespace zelmor::en_tr
