#include "core/engine_en_tr/generation/generate_clause.h"

#include <algorithm>
#include <cctype>

#include "core/engine_en_tr/generation/inflection.h"
#include "core/text/cp1254.h"
#include "core/text/split.h"
#include "core/text/turkish_case.h"

namespace zelmor::en_tr {

using namespace zelmor::text::literals;

namespace {

constexpr char kCommandMark = '@';
constexpr char kShapeDigit = '\xE9';  // "é" stands for any slot digit in a shape

bool Has(std::string_view text, std::string_view what) { return text.find(what) != std::string_view::npos; }

std::string TrimmedRight(std::string_view s) { return std::string(text::TrimRight(s)); }

char CharAt(std::string_view s, std::size_t i) { return i < s.size() ? s[i] : '\0'; }

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

class Interpreter {
public:
    Interpreter(GenerationState& st, GenerationServices& sv, GenerationRecord& pattern)
        : st_(st), sv_(sv), pattern_(pattern) {}

    void Run();

private:
    GenerationRecord& Slot(char c) { return DigitSlot(st_.OrderedTable, c, dummy_); }
    WordCodeBuffer& Codes(char c) { return DigitSlot(st_.WordCodes, c, dummy_code_); }
    bool Tag(std::string_view tag) const { return Has(pattern_.Field8, tag); }

    void Append(std::string_view s) {
        st_.ClauseText += s;
        if (st_.ClauseText.size() > kClauseTextCapacity) st_.ClauseText.resize(kClauseTextCapacity);
    }
    void Attach() { AttachSuffix(st_.ClauseText, st_.SuffixText); }
    void Trace(const std::string& line) {
        if (sv_.Tracing()) sv_.Trace(TraceSection::Log4, std::to_string(sv_.TraceCounter()) + line);
    }
    /// The class character of slot a, also written into position 4 of its
    /// word code and of the inflection code.
    char ClassOf(char a) {
        const char cls = CharAt(Slot(a).Field6, 0);
        Codes(a).Set(4, cls);
        st_.InflectionCode.Set(4, cls);
        return cls;
    }
    /// A code carrying only a class, for the selectors that take a code.
    static std::string ClassCode(char cls) { return std::string("000") + cls; }
    /// The text between the first "<" after "z*" in field 8 and the next ">".
    static std::string ZStarText(const GenerationRecord& r) {
        if (r.Field8.find("z*", 1) == std::string::npos) return {};
        const auto lt = r.Field8.find('<');
        if (lt == std::string::npos) return {};
        const auto gt = r.Field8.find('>', lt + 1);
        return r.Field8.substr(lt + 1, gt == std::string::npos ? std::string::npos : gt - lt - 1);
    }
    /// The noun ending of `text` for `letter`: sets SentenceState to the
    /// letter used and returns the ending.
    std::string Ending(char letter, std::string_view text) {
        const std::string r = sv_.NounEnding(letter, text);
        if (r.empty()) return {};
        st_.SentenceState = r[0];
        return std::string(text::TrimLeft(" " + r.substr(1)));
    }
    const GenerationRecord* LookUp(const std::string& key) { return sv_.LookUpEnglish(key); }
    /// A hit decoded into CurrentRecord as well.
    const GenerationRecord* LookUpDecode(const std::string& key) {
        const GenerationRecord* r = sv_.LookUpEnglish(key);
        if (r) st_.CurrentRecord = *r;
        return r;
    }
    void AppendMeaningWithSelector(char a, void (*selector)(InflectionState&)) {
        Append(Slot(a).Meaning);
        ClassOf(a);
        selector(st_);
        Attach();
        Append(" ");
    }

    void Insert(int n);
    void Command(char letter, std::string_view p, std::size_t& next);

    void PhraseLookUp(std::string_view p);
    void Object(std::string_view p);
    void NounPhrase(std::string_view p);
    void Existential(std::string_view p);
    void SubjectClause(std::string_view p);
    void Comitative(std::string_view p);
    void VerbalNoun(std::string_view p);

    GenerationState& st_;
    GenerationServices& sv_;
    GenerationRecord& pattern_;
    GenerationRecord dummy_;
    WordCodeBuffer dummy_code_;
};

std::string Shape(char letter, std::string_view params) {
    std::string s(1, letter);
    for (char c : params) s += IsDigit(c) ? kShapeDigit : c;
    return s;
}

void Interpreter::Run() {
    std::size_t i = 0;
    int n = 0;
    while (i < st_.ClauseTemplate.size()) {
        const char c = st_.ClauseTemplate[i];
        if (c == '*') {
            const char d = CharAt(st_.ClauseTemplate, i + 1);
            if (d >= '1' && d <= '9') n = d - '0';
            else if (d >= 'A' && d <= 'F') n = d - 'A' + 10;
            Insert(n);
            ++i;
            continue;
        }
        if (c != kCommandMark) {
            ++i;
            continue;
        }
        while (i < st_.ClauseTemplate.size() && st_.ClauseTemplate[i] == kCommandMark) ++i;
        if (i >= st_.ClauseTemplate.size()) break;
        const char letter = st_.ClauseTemplate[i++];
        std::size_t end = i;
        while (end < st_.ClauseTemplate.size() && st_.ClauseTemplate[end] != '*' &&
               st_.ClauseTemplate[end] != kCommandMark)
            ++end;
        const std::string params = st_.ClauseTemplate.substr(i, end - i);
        std::size_t next = end;
        Command(letter, params, next);
        i = next;
    }
}

void Interpreter::Insert(int n) {
    const GenerationRecord& r = st_.OrderedTable[static_cast<std::size_t>(n)];
    if (r.Code.find("N1", 1) != std::string::npos) Append(" ");
    Append(r.Meaning);
    Append(" ");
    const std::string z = ZStarText(r);
    if (r.Field8.find("z*", 1) != std::string::npos) Append(" " + z + " ");
}

void Interpreter::Command(char letter, std::string_view p, std::size_t& next) {
    const char a = CharAt(p, 0);
    switch (letter) {
        case '!': {
            std::string key = "Y" + text::ReplaceAll(st_.ClauseText, " ", "_");
            if (const GenerationRecord* r = LookUp(key)) st_.ClauseText = r->Meaning;
            Append(" ");
            break;
        }
        case '"': {
            switch (a) {
                case 'A': {
                    const char b = CharAt(p, 1);
                    if (b == '\0' || Slot(b).Key == "in-order-to") Append("için "_cp);
                    else Append(" ");
                    break;
                }
                case 'B': Append("diye "); break;
                case 'C': Append("ise "); break;
                case 'D': Append("si "); break;
                case 'G': Append("gibi "); break;
                case 'H': Append("hiçbir "_cp); break;
                case 'K': Append("ki "); break;
                case 'N': Append("yoksa "); break;
                case 'O': Append("olarak "); break;
                case 'Z': Append("zaman "); break;
                default: Append(" "); break;
            }
            break;
        }
        case ',': Append(", "); break;
        case '?': PhraseLookUp(p); break;
        case 'A': {
            const std::string& f6 = Slot(a).Field6;
            char person = f6.empty() ? 'C' : CharAt(f6, 1);
            if (person != 'A' && person != 'B' && person != 'D' && person != 'E') person = 'C';
            st_.InflectionCode.Set(1, person);
            break;
        }
        case 'B': Object(p); break;
        case 'C': {
            const char person = CharAt(Slot(CharAt(p, 1)).Field6, 1);
            if (person >= 'A' && person <= 'E') {
                const auto at = st_.ClauseTemplate.find("@FM");
                if (at != std::string::npos) {
                    st_.ClauseTemplate[at + 1] = kCommandMark;
                    st_.ClauseTemplate[at + 2] = 'P';
                    if (at + 6 < st_.ClauseTemplate.size()) st_.ClauseTemplate[at + 6] = 'D';
                }
            }
            break;
        }
        case 'D': st_.InflectionCode.Set(3, CharAt(Slot(a).Field6, 0)); break;
        case 'F': NounPhrase(p); break;
        case 'G': Existential(p); break;
        case 'H':
        case 'K': {
            const char kind = CharAt(Slot(a).Code, 4);
            if (letter == 'H' && kind == 'F') {
                Append("eğer "_cp);
                break;
            }
            if (letter == 'K' && kind == 'S') {
                Append("olarak ");
                break;
            }
            char case_letter = '\0';
            std::string_view word;
            if (kind == 'G') case_letter = 'w', word = "sonra ";
            else if (kind == 'J') case_letter = 'w', word = "önce "_cp;
            else if (kind == 'L') case_letter = 'e', word = "kadar ";
            else if (kind == 'K' && letter == 'K') case_letter = 'w', word = "beri ";
            if (!case_letter) break;
            const std::string trimmed = TrimmedRight(st_.ClauseText);
            const auto blank = trimmed.rfind(' ');
            const std::string last = blank == std::string::npos ? trimmed : trimmed.substr(blank + 1);
            st_.SuffixText = Ending(case_letter, last);
            Attach();
            Append(" ");
            Append(word);
            break;
        }
        case 'J': {
            GenerationRecord& s = Slot(a);
            st_.CurrentWord = a - '0';
            const std::string meaning = TrimmedRight(s.Meaning);
            Append(meaning);
            const std::string lower = text::TurkishLowerCase(meaning);
            const std::string ending = (lower == "ben" || lower == "biz") ? std::string("im") : Ending('a', lower);
            if (s.Code.size() > 2 && s.Code.compare(2, 2, "F*") == 0) Append(" ");
            Append(ending + " ");
            if (s.Field8.find("z*", 1) != std::string::npos) Append(ZStarText(s) + " ");
            st_.PossessiveText = ending;
            break;
        }
        case 'L':
            if (st_.ModuleKinds.size() > 3 && st_.ModuleKinds.find("W*", 3) != std::string::npos) {
                st_.SuffixText = Ending('l', st_.ClauseText);
                Attach();
            }
            break;
        case 'M': {
            GenerationRecord& s = Slot(a);
            char case_letter = CharAt(s.Field6, 3);
            if (case_letter && Has("efglst", std::string_view(&case_letter, 1))) {
                TrimClauseRight(st_.ClauseText);
                const char last = st_.ClauseText.empty() ? '\0' : st_.ClauseText.back();
                if (case_letter == 'l' && (last == 'I' || last == 'U' || last == "Ü"_cp[0] || last == "İ"_cp[0]))
                    case_letter = 'j';
                if (CharAt(s.Code, 5) == 'k' && (case_letter == 'e' || case_letter == 'l') && !st_.ClauseText.empty())
                    st_.ClauseText.back() = "Ğ"_cp[0];
                st_.SuffixText = Ending(case_letter, st_.ClauseText);
                Attach();
            }
            Append(" ");
            break;
        }
        case 'N': {
            Codes(a).Set(5, 'B');
            st_.InflectionCode.Assign(Codes(a).Text());
            InflectVerb(st_, sv_, a - '0');
            st_.SuffixText = " " + st_.PredicateVerbText + st_.SuffixText;
            Attach();
            break;
        }
        case 'O': {
            const std::string& f6 = Slot(a).Field6;
            st_.ComplementCode.Assign("*****");
            st_.ComplementCode.Set(2, CharAt(f6, 2));
            st_.ComplementCode.Set(3, CharAt(f6, 3));
            st_.ComplementCode.Set(6, CharAt(f6, 5));
            break;
        }
        case 'P': BuildPredicate(st_, sv_, pattern_, p); break;
        case 'Q': Comitative(p); break;
        case 'S': SubjectClause(p); break;
        case 'U': break;
        case 'W': {
            const std::string& key = Slot(a).Key;
            if (key == "where") Append(" yer ");
            else if (key == "when" || key == "what_time") Append(" zaman ");
            else if (key == "what") Append(" şey "_cp);
            else if (key == "who") Append(" olan ");
            break;
        }
        case 'Y': {
            const char b = CharAt(p, 2);
            st_.ComplementCode.Assign("*");
            st_.ComplementCode.Set(2, CharAt(Slot(b).Field6, 1));
            st_.ComplementCode.Set(3, ClassOf(a));
            Append(Slot(a).Meaning);
            NegativeNounPossessiveSuffix(st_);
            Attach();
            Append(" ");
            break;
        }
        case 'Z': Append(Slot(a).Field4 + " "); break;
        case '[': {
            const auto gt = p.find('>');
            std::string key = "Y";
            for (char c : p.substr(0, gt)) key += "_" + Slot(c).Key;
            if (LookUpDecode(key)) {
                Append(st_.CurrentRecord.Meaning + " ");
                if (gt != std::string_view::npos && gt + 1 < p.size()) {
                    const int skip = p[gt + 1] - 'a' + 1;
                    if (skip > 0) next = std::min(st_.ClauseTemplate.size(), next + static_cast<std::size_t>(skip));
                }
            }
            break;
        }
        case 'd': VerbalNoun(p); break;
        case 'e': {
            Append(Slot(a).Meaning);
            st_.SuffixText = DativeNounSuffix(ClassCode(ClassOf(a)));
            Attach();
            Append(" ");
            break;
        }
        case 'f': {
            const char f = CharAt(Slot(a).Field5, 0);
            if (f == 'F' || f == 'V') Append(Slot(a).Field4 + " ");
            break;
        }
        case 'h': {
            const std::string& key = Slot(a).Key;
            if (key == "no*" || key == "no(F)" || key == "no(2)") Append("hiç "_cp);
            break;
        }
        case 'i': {
            if (CharAt(Slot(a).Key, 0) == 'G') {
                GenerationRecord& b = Slot(CharAt(p, 1));
                if (b.Field6.empty()) b.Field6 = "B";
                else b.Field6[0] = 'B';
                st_.ClauseTemplate = st_.ClauseTemplate.substr(0, next) + st_.ExistentialText1;
                next = st_.ClauseTemplate.size();
            }
            break;
        }
        case 'j': {
            Append(Slot(a).Meaning);
            st_.SuffixText = AccusativeNounSuffix(CharAt(p, 1) == 'n' ? 'B' : 'A', ClassCode(ClassOf(a)));
            Attach();
            Append(" ");
            break;
        }
        case 'k': AppendMeaningWithSelector(a, NegationSuffix); break;
        case 'm': {
            GenerationRecord& s = Slot(a);
            if (s.Field4 == std::string("x") + a) {
                Append(s.Meaning);
            } else {
                Append(s.Meaning);
                ClassOf(a);
                InfinitiveSuffix(st_);
                Attach();
            }
            Append(" ");
            break;
        }
        case 'n': AppendMeaningWithSelector(a, NegativeInfinitiveSuffix); break;
        case 'p': {
            Append(Slot(a).Meaning);
            ClassOf(a);
            if (CharAt(p, 1) == 'n') st_.InflectionCode.Set(5, 'b');
            ParticipleEnSuffix(st_);
            Attach();
            Append(" ");
            break;
        }
        case 'q': {
            const std::string& f6 = Slot(CharAt(p, 2)).Field6;
            char person = f6.empty() ? 'C' : CharAt(f6, 1);
            if (!Has("0ABDE", std::string_view(&person, 1)) || person == '\0') person = 'C';
            Codes(a).Assign(std::string{person, '1', 'B', CharAt(Slot(a).Field6, 0)});
            st_.InflectionCode.Assign(Codes(a).Text());
            InflectVerb(st_, sv_, a - '0');
            st_.SuffixText = " " + Slot(a).Meaning + st_.SuffixText + ",";
            Attach();
            break;
        }
        case 'r': {
            Append(" ");
            static const std::pair<std::string_view, std::string_view> kRewrites[] = {
                {"acağım "_cp, "acağımı "_cp},     {"eceğim "_cp, "eceğimi "_cp},
                {"acaksınız "_cp, "acağınızı "_cp}, {"eceksiniz "_cp, "eceğinizi "_cp},
                {"acak "_cp, "acağını "_cp},       {"ecek "_cp, "eceğini "_cp},
                {"acağız "_cp, "acağımızı "_cp},   {"eceğiz "_cp, "eceğimizi "_cp},
                {"acaklar "_cp, "acaklarını "_cp}, {"eceklar "_cp, "eceklerini "_cp},
                {"bilir "_cp, "bileceğini "_cp},   {"bilirim "_cp, "bileceğimi "_cp},
                {"bilirsiniz "_cp, "bileceğinizi "_cp}, {"biliriz "_cp, "bileceğimizi "_cp},
                {"bilirler "_cp, "bileceklerini "_cp},
            };
            for (const auto& [from, to] : kRewrites) {
                const auto at = st_.ClauseText.find(from);
                if (at != std::string::npos) st_.ClauseText.replace(at, from.size(), to);
            }
            Append(",");
            break;
        }
        case 's': {
            const char b = CharAt(p, 1);
            if (IsDigit(b)) {
                if (const GenerationRecord* r = LookUp("S_" + Slot(b).Key + "++" + Slot(a).Key)) {
                    Append(r->Meaning + " ");
                    break;
                }
            }
            Append(Slot(a).Meaning);
            st_.SuffixText = WhileSuffix(ClassCode(ClassOf(a)));
            Attach();
            Append(" ");
            break;
        }
        case 't': AppendMeaningWithSelector(a, FutureParticipleSuffix); break;
        case 'u': AppendMeaningWithSelector(a, OptativeSuffix); break;
        case 'w':
            st_.SuffixText = Ending('w', Slot(a).Meaning) + " ";
            Attach();
            break;
        case 'x': {
            GenerationRecord& s = Slot(a);
            if (s.Key == "it") {
                Append(s.Meaning + " ");
                break;
            }
            GenerationRecord& b = Slot(CharAt(p, 1));
            if (CharAt(b.Code, 2) == 'V') s.Meaning = " ";
            if (b.Meaning == "zaman") b.Meaning = "zamanı"_cp;
            break;
        }
        case 'y':
            if (const GenerationRecord* r = LookUp(Slot(a).Key + "+" + Slot(CharAt(p, 2)).Key))
                Slot(a).Meaning = r->Meaning;
            break;
        case 'z': {
            const char person = st_.InflectionCode.At(1);
            if (person == 'C') Append("o");
            else if (person == 'E') Append("onlar");
            Append(" ");
            AppendMeaningWithSelector(a, OptativeSuffix);
            break;
        }
        case '{': {
            std::string key = "N";
            for (char c : p) {
                if (!IsDigit(c)) break;
                key += "_" + Slot(c).Key;
            }
            if (LookUpDecode(key)) Append(st_.CurrentRecord.Meaning + " ");
            break;
        }
        default: break;  // unknown command letters are skipped
    }
}

void Interpreter::PhraseLookUp(std::string_view p) {
    const char a = CharAt(p, 0), b = CharAt(p, 1), c = CharAt(p, 2), d = CharAt(p, 3);
    GenerationRecord& sa = Slot(a);
    const std::string part = sa.Key == "it" ? std::string("it") : sa.Code.substr(std::min<std::size_t>(2, sa.Code.size()), 2);
    const GenerationRecord* hit = nullptr;
    if (IsDigit(c) && IsDigit(d)) {
        const std::string key = part + "+" + Slot(c).Code.substr(std::min<std::size_t>(2, Slot(c).Code.size()), 2) +
                                "+" + Slot(b).Key + "+" + Slot(d).Code.substr(std::min<std::size_t>(2, Slot(d).Code.size()), 2);
        hit = LookUp(key);
        Trace(std::string("4-->") + (hit ? "..@?1234.A*+PY+POSTED.true.." : "..@?1234.A*+PY+POSTED.false..") + key);
    } else if (IsDigit(c)) {
        const std::string key =
            part + "+" + Slot(c).Code.substr(std::min<std::size_t>(2, Slot(c).Code.size()), 2) + "+" + Slot(b).Key;
        hit = LookUp(key);
        Trace(std::string("4-->") + (hit ? "..@?123.A*+PY+POSTED.true.." : "..@?123.A*+PY+POSTED.false..") + key);
        if (hit && CharAt(Slot(b).Code, 2) == 'V') {
            const auto at = st_.ClauseTemplate.find("PE");
            if (at != std::string::npos) st_.ClauseTemplate[at] = 'F';
        }
    }
    if (hit) {
        GenerationRecord replacement = *hit;
        replacement.Key = Slot(b).Key + "(1)";
        Slot(b) = replacement;
        Append(sa.Meaning + " ");
        return;
    }
    Append(sa.Meaning + " ");
    if (sa.Field8.find("z*", 1) != std::string::npos) Append(ZStarText(sa) + " ");
}

void Interpreter::Object(std::string_view p) {
    const char a = CharAt(p, 0), x = CharAt(p, 1), b = CharAt(p, 2);
    const std::string shape = Shape('B', p);
    if (x == 'O') {
        GenerationRecord& sb = Slot(b);
        if (const GenerationRecord* r = LookUp(sb.Key + "++" + Slot(a).Code.substr(std::min<std::size_t>(2, Slot(a).Code.size()), 2))) {
            GenerationRecord found = *r;
            if (found.Field6.size() < 4) found.Field6.resize(4, ' ');
            found.Field6[1] = CharAt(sb.Field6, 1);
            found.Field6[3] = CharAt(sb.Field6, 3);
            sb = found;
        }
    }
    if (shape.rfind(std::string("B") + kShapeDigit + "O" + kShapeDigit, 0) == 0) {
        const char letter = CharAt(Slot(b).Field6, 2);
        const std::string* meaning = &Slot(a).Meaning;
        std::string found;
        if (std::isalpha(static_cast<unsigned char>(letter))) {
            const std::string key = std::string("Y") + static_cast<char>(std::toupper(static_cast<unsigned char>(letter))) +
                                    "_" + Slot(a).Key;
            const GenerationRecord* r = LookUp(key);
            Trace(std::string("4-->") + (r ? "..B\xE9O\xE9.true.." : "..B\xE9O\xE9.false..") + key);
            if (r) {
                found = r->Meaning;
                meaning = &found;
            }
        }
        Append(*meaning + " ");
        return;
    }
    Append(Slot(a).Meaning);
}

void Interpreter::NounPhrase(std::string_view p) {
    const std::string shape = Shape('F', p);
    const std::string e(1, kShapeDigit);
    if (shape == "F" + e + "O" + e || shape == "F" + e + "G" + e) {
        const char a = CharAt(p, 0), b = CharAt(p, 2);
        const char cls = CharAt(Slot(a).Field6, 0);
        if (cls == 'n' || cls == 'N') Codes(b).Set(5, 'b');
        Slot(a).Meaning = TrimmedRight(Slot(a).Meaning);
        Append(Slot(a).Meaning);
        st_.SentenceState = '0';
        Append(" ");
        return;
    }
    if (shape == "FM" + e + "A" + e + "P" + e) {
        const char a = CharAt(p, 1);
        st_.InflectionCode.Assign("C000AO");
        ClassOf(a);
        InfinitiveSuffix(st_);
        GenerationRecord& s = Slot(a);
        s.Meaning += st_.SuffixText + (st_.SuffixText == "mek" ? "te" : "ta");
        s.Key = "to+" + s.Key;
        return;
    }
    if (shape != "F" + e + "A" + e + "P" + e && shape != "F" + e + "A" + e + "P" + e + "H" + e) return;

    const char a = CharAt(p, 0), b = CharAt(p, 2), c = CharAt(p, 4);
    GenerationRecord& sa = Slot(a);
    GenerationRecord& sb = Slot(b);
    st_.InflectionCode.Assign("C000AO");
    Codes(b).Assign("C000AO");
    if (sb.Field6.empty()) sb.Field6 = "1C";
    if (sb.Field6.size() < 2) sb.Field6.resize(2, 'C');
    if (sb.Field6[1] < 'A' || sb.Field6[1] > 'E') sb.Field6[1] = 'C';
    Codes(c).Set(1, sb.Field6[1]);
    Codes(c).Set(3, CharAt(Slot(c).Field6, 0));

    // Vowel class of the possessed noun.
    const std::string noun = TrimmedRight(sa.Meaning);
    auto group = [](char ch) -> int {
        const std::string s(1, ch);
        if (s == "a" || s == "ı"_cp) return 1;
        if (s == "o" || s == "u") return 2;
        if (s == "e" || s == "i") return 3;
        if (s == "ö"_cp || s == "ü"_cp) return 4;
        return 0;
    };
    char vowel_class = '0';
    if (!noun.empty()) {
        if (int g = group(noun.back())) vowel_class = static_cast<char>('0' + g);
        else if (noun.size() >= 2 && group(noun[noun.size() - 2]))
            vowel_class = static_cast<char>('4' + group(noun[noun.size() - 2]));
    }
    if (vowel_class != '0') {
        Codes(c).Set(4, vowel_class);
        Codes(c).Set(2, 'Y');
        if (Codes(c).At(5) == 'b') Codes(c).Set(5, 'B');
        const GenerationRecord* hit = nullptr;
        if (pattern_.Field8.find('<') == std::string::npos) {
            hit = LookUp("MY_" + Codes(c).Text());
            Trace(std::string("4-->") + (hit ? "..MY_.true.." : "..MY_.false.."));
        }
        if (!hit && Tag("<HF>")) hit = LookUp("HF_" + Codes(c).Text());
        if (hit) {
            Append(sa.Meaning + hit->Meaning);
            return;
        }
    }
    st_.SuffixText = sa.Meaning;
    if (Tag("<MQ>")) {
        st_.SuffixText = sa.Meaning + " " + st_.QuestionWordText;
        sa.Meaning = st_.SuffixText;
    }
    st_.InflectionCode.Assign(Codes(c).Text());
    if (Tag("<?=O>")) st_.InflectionCode.Set(6, 'O');
    if (Tag("<O=?>")) st_.InflectionCode.Set(6, '?');
    NominalPredicateSuffix(st_, sv_);
    const std::pair<const char*, const char*> tags[] = {
        {"<FQ>", "MFQ_"}, {"<MY>", "MF_"}, {"<HF>", "HF_"}, {"<QE>", "QE_"}, {"<HH>", "HH_"}};
    for (const auto& [tag, prefix] : tags) {
        if (!Tag(tag)) continue;
        if (const GenerationRecord* r = LookUp(prefix + st_.SuffixText)) {
            const bool blank = std::string_view(tag) == "<FQ>" || std::string_view(tag) == "<MY>";
            st_.PossessiveText = (blank ? " " : "") + r->Meaning;
        }
    }
    if (!Tag("<FQ>")) {
        Append(sa.Meaning);
        TrimClauseRight(st_.ClauseText);
    }
    if (CharAt(sa.Key, 0) == '*' && CharAt(st_.PossessiveText, 0) != '_') Append("'");
    Append(st_.PossessiveText);
}

void Interpreter::Existential(std::string_view p) {
    const char a = CharAt(p, 0);
    Codes(a).Set(3, CharAt(Slot(a).Field5, 0));
    for (std::size_t i = 1; i + 1 < p.size(); ++i) {
        if (p[i] == 'D' && CharAt(Slot(p[i + 1]).Field6, 0) == '5') Codes(a).Set(3, '5');
        if (p[i] == 'N' && CharAt(Slot(p[i + 1]).Field6, 0) == 'n') {
            st_.ExistentialText1 = "YOK";
            st_.ExistentialText2 = "YOKTU";
        }
    }
    const std::string middle = Tag("<MQ>") ? st_.QuestionWordText + " " : std::string(" ");
    if (Codes(a).At(3) == '1') Append(middle + st_.ExistentialText1);
    else if (Codes(a).At(3) == '5') Append(middle + st_.ExistentialText2);
    if (Tag("<?=O>")) {
        auto at = st_.ClauseText.find("varmı "_cp);
        if (at != std::string::npos) st_.ClauseText.replace(at, 6, "var ");
        at = st_.ClauseText.find("varmıydı "_cp);
        if (at != std::string::npos) st_.ClauseText.replace(at, 9, "vardı "_cp);
    }
    if (Tag("<HF>")) Append(" ise");
}

void Interpreter::SubjectClause(std::string_view p) {
    const char a = CharAt(p, 2);
    GenerationRecord& s = Slot(a);
    WordCodeBuffer& code = Codes(a);
    code.Set(2, CharAt(s.Field6, 1));
    code.Set(3, CharAt(s.Field5, 0));
    code.Set(4, CharAt(s.Field6, 0));
    code.Set(5, CharAt(pattern_.Field5, 2));
    code.Set(6, CharAt(pattern_.Field5, 3));
    if (Tag("<?=O>")) code.Set(6, 'O');
    if (Tag("<O=?>")) code.Set(6, '?');
    if (Tag("<HF>")) code.Set(7, 'F');
    if (const GenerationRecord* r = LookUp("SY_" + code.Text())) {
        if (Tag("<MQ>") && !st_.QuestionWordText.empty()) Append(" " + st_.QuestionWordText + " ");
        Append(r->Meaning + " ");
        return;
    }
    if (pattern_.Field4.empty() || pattern_.Field6.empty()) return;
    if (Tag("<MQ>") && !st_.QuestionWordText.empty()) Append(" " + st_.QuestionWordText + " ");
    if (code.At(3) == '1') Append(st_.ExistentialText1);
    else if (code.At(3) == '5') Append(st_.ExistentialText2);
    if (code.At(7) == 'F') Append(" İSE"_cp);
}

void Interpreter::Comitative(std::string_view p) {
    const char first = CharAt(p, 0);
    if (first == 'A') {
        const char a = CharAt(p, 1), b = CharAt(p, 2), c = CharAt(p, 3);
        const std::string key = Slot(a).Key + "+" + Slot(b).Code.substr(std::min<std::size_t>(2, Slot(b).Code.size()), 2) +
                                "+" + Slot(c).Key;
        if (LookUpDecode(key)) Append(st_.CurrentRecord.Meaning);
        else Append(Slot(a).Meaning + "le");
        Append(" ");
        return;
    }
    const char a = first;
    GenerationRecord& sa = Slot(a);
    if (CharAt(p, 1) == 'O') {
        const char b = CharAt(p, 2);
        if (CharAt(sa.Code, 5) == 'F') {
            if (CharAt(p, 3) == 'E') {
                Codes(CharAt(p, 4)).Set(7, 'F');
            } else {
                Codes(b).Set(7, 'F');
                if (sa.Code.size() < 5) sa.Code.resize(5, '.');
                sa.Code[4] = 'F';
            }
            Append(sa.Meaning);
        } else {
            const GenerationRecord* r = LookUp(sa.Key + "+" + Slot(b).Key);
            std::string meaning = r ? r->Meaning : std::string();
            if (!r) {
                const char case_letter = CharAt(Slot(b).Field6, 3);
                r = LookUp(std::string("Y") + static_cast<char>(std::toupper(static_cast<unsigned char>(case_letter))) +
                           "_" + sa.Key);
                if (r) meaning = r->Meaning;
            }
            Append(r ? meaning : sa.Meaning);
        }
        Append(" ");
        return;
    }
    Append(sa.Meaning + " ");
}

void Interpreter::VerbalNoun(std::string_view p) {
    const char a = CharAt(p, 0), x = CharAt(p, 1), b = CharAt(p, 2);
    GenerationRecord& sa = Slot(a);
    GenerationRecord& sb = Slot(b);
    if (x == 'P') {
        st_.ComplementCode.Set(2, CharAt(sb.Field6, 2));
        st_.ComplementCode.Set(3, CharAt(sb.Field6, 3));
        const char case_letter = CharAt(sb.Field6, 3);
        st_.SentenceState = case_letter;
        if (case_letter && Has("efglst", std::string_view(&case_letter, 1))) {
            if (sa.Field4.empty()) {
                ClassOf(a);
                NegationSuffix(st_);
                sa.Field4 = sa.Meaning + st_.SuffixText;
            }
            const std::string ending = Ending(case_letter, sa.Field4);
            Append(sa.Field4 + ending + " ");
        } else {
            Append(sa.Meaning + " ");
        }
        return;
    }
    const bool next_slot = a - b == 1;
    if (const GenerationRecord* r = LookUp(next_slot ? sb.Key + "++PI" : sb.Key + "+TO+PP")) sb.Field6 = r->Field6;
    if (Tag("<MQ>")) {
        const auto at = pattern_.Field8.find("<MQ>");
        pattern_.Field8[at + 2] = 'q';  // used: later commands no longer see it
        Append(st_.QuestionWordText + " ");
    }
    Append(sa.Meaning);
    char row = CharAt(sb.Field6, 4);
    if (row < '0' || row > '5') row = next_slot ? '4' : '*';
    st_.ComplementCode.Assign("*");
    st_.ComplementCode.Set(4, row);
    st_.CurrentWord = a - '0';
    VerbalNounCaseSuffix(st_, sa.Field6);
    Attach();
    if (st_.ComplementCode.At(4) == '0') Append(" için"_cp);
    Append(" ");
}

}  // namespace

void InterpretTemplate(GenerationState& state, GenerationServices& services, GenerationRecord& pattern) {
    Interpreter(state, services, pattern).Run();
}

void GenerateClause(GenerationState& state, GenerationServices& services, std::string_view text) {
    auto trace = [&](const std::string& line) {
        if (services.Tracing()) services.Trace(TraceSection::Log4, std::to_string(services.TraceCounter()) + line);
    };
    // 1. Reset the clause.
    state.ClauseText.clear();
    state.ClauseTemplate.clear();
    state.SuffixText.clear();
    state.PredicateField.clear();
    state.PossessiveText.clear();
    state.ExistentialText1.clear();
    state.ExistentialText2.clear();
    state.CurrentWord = 0;

    // 2-3. A whole-clause idiom.
    std::string idiom = "Z";
    for (std::size_t i = 1; i < kOrderedSlots && !state.OrderedTable[i].Key.empty(); ++i)
        idiom += "_" + state.OrderedTable[i].Key;
    idiom = text::ReplaceAll(idiom, " ", "_");
    if (Has(text, "<?=O>")) idiom.clear();
    if (!idiom.empty()) {
        if (const GenerationRecord* r = services.LookUpEnglish(idiom)) {
            state.CurrentRecord = *r;
            state.ClauseText = r->Meaning;
            return;
        }
    }
    // 4-5. The user's own translation of the plain sentence.
    std::string plain = idiom;
    if (const auto z = plain.find("Z_"); z != std::string::npos) plain.replace(z, 2, " ");
    plain = text::ReplaceAll(plain, "_", " ");
    plain = text::ReplaceAll(plain, "*", "");
    plain = std::string(text::Trim(plain));
    const std::string user = services.LookUpUserSentence(plain);
    trace("4-->INGTR_OKU.." + plain + "---->" + user);
    if (user != "***") {
        state.ClauseText = user;
        return;
    }

    // 6. Run the template.
    for (std::size_t i = 0; i < 15; ++i) state.WordCodes[i].Assign("C000AO");
    state.InflectionCode.Assign("C000AO");
    state.ClauseTemplate = state.CurrentRecord.Meaning.substr(0, kClauseTemplateCapacity);
    GenerationRecord pattern = state.CurrentRecord;
    auto shown = [](const std::string& f) { return f.empty() ? std::string(" ") : f; };
    trace("0--->" + pattern.Key + pattern.Code + ";" + pattern.Field2 + ";" + pattern.Meaning + ";" +
          shown(pattern.Field4) + ";" + shown(pattern.Field5) + ";" + shown(pattern.Field6) + ";" +
          shown(pattern.Field7) + ";" + shown(pattern.Field8));

    const std::string& tpl = state.ClauseTemplate;
    if (tpl.size() >= 4 && tpl[0] == kCommandMark && tpl[1] == '$') {
        const int a = tpl[2] - '0', b = tpl[3] - '0';
        if (a >= 0 && a < static_cast<int>(kOrderedSlots) && b >= 0 && b < static_cast<int>(kOrderedSlots)) {
            auto& sa = state.OrderedTable[static_cast<std::size_t>(a)];
            if (const GenerationRecord* r =
                    services.LookUpEnglish(sa.Key + "+" + "BE_" + state.OrderedTable[static_cast<std::size_t>(b)].Key))
                sa.Meaning = r->Meaning;
        }
    }

    // Verb pairs of field 5: slot, optional "I"/"H", polarity, mood.
    if (!pattern.Field5.empty() && (pattern.Field5[0] == 'G' || pattern.Field5[0] == 'P')) {
        const std::string padded = " " + plain + " ";
        bool negative = padded.find("nothing", 1) != std::string::npos;
        if (Has(padded, "for nothing")) negative = false;
        if (Has(padded, "nobody") || Has(padded, "none")) negative = true;
        const bool y_codes = Has(pattern.Field8, "6=Y");
        std::string& f5 = pattern.Field5;
        std::size_t i = 1;
        while (i < f5.size()) {
            const char c = f5[i++];
            const int slot = c - '0';
            if (slot < 0 || slot >= static_cast<int>(kOrderedSlots)) break;
            WordCodeBuffer& code = state.WordCodes[static_cast<std::size_t>(slot)];
            if (CharAt(f5, i) == 'I') {
                auto& rec = state.OrderedTable[static_cast<std::size_t>(slot)];
                if (rec.Code.size() < 4) rec.Code.resize(4, '.');
                rec.Code[3] = 'I';
                ++i;
            }
            if (CharAt(f5, i) == 'H') {
                if (state.WordCodes[2].At(2) == 'F') code.Set(3, 'G');
                ++i;
            }
            if (i >= f5.size()) break;
            if (negative) f5[i] = 'B';
            code.Set(5, f5[i++]);
            code.Set(6, CharAt(f5, i));
            ++i;
            code.Set(7, y_codes ? '-' : '\0');
            code.Set(8, y_codes ? 'Y' : '\0');
            if (pattern.Field6 == "QCF" || pattern.Field6 == "QIF") state.QuestionCodes[static_cast<std::size_t>(slot)] = "QCF";
            else if (pattern.Field6 == "QC" || pattern.Field6 == "QI") state.QuestionCodes[static_cast<std::size_t>(slot)] = "QC";
        }
    }
    InterpretTemplate(state, services, pattern);
}

}  // namespace zelmor::en_tr
