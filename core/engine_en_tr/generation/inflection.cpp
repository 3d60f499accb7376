#include "core/engine_en_tr/generation/inflection.h"

#include "core/engine_en_tr/generation/inflection_tables.h"
#include "core/text/cp1254.h"

namespace zelmor::en_tr {

using namespace zelmor::text::literals;
namespace t = tables;

namespace {

/// Entry number of an index string for class + offset, or -1 when the index
/// has no entry there.
int IndexEntry(std::string_view index, int cls, int offset) {
    const int i = cls + offset;
    if (i < 0 || static_cast<std::size_t>(i) >= index.size()) return -1;
    return index[static_cast<std::size_t>(i)] - '0';
}

template <std::size_t N>
std::string_view ListAt(const std::array<std::string_view, N>& list, int entry) {
    if (entry < 0 || static_cast<std::size_t>(entry) >= N) return {};
    return list[static_cast<std::size_t>(entry)];
}

/// Row 0-4 of a person letter, or -1.
int PersonRow(char person) { return person >= 'A' && person <= 'E' ? person - 'A' : -1; }

template <std::size_t N>
std::string_view PersonAt(const t::PersonTable<N>& table, int row, int entry) {
    if (row < 0 || row > 4) return {};
    return ListAt(table[static_cast<std::size_t>(row)], entry);
}

char CodeAt(std::string_view code, std::size_t pos) { return pos >= 1 && pos <= code.size() ? code[pos - 1] : '\0'; }

int ClassOfCode(std::string_view code) { return StemClassOf(CodeAt(code, 4)); }

/// A suffix whose first letter is the dental d/t: written t after a
/// voiceless stem, d otherwise.
std::string Dental(std::string_view form, bool voiceless) {
    std::string s(form);
    if (!s.empty() && (s[0] == 'd' || s[0] == 't')) s[0] = voiceless ? 't' : 'd';
    return s;
}

std::string ByClass(const t::ClassList& list, std::string_view code) {
    return std::string(list[static_cast<std::size_t>(ClassOfCode(code))]);
}

std::string Cut(std::string_view s, std::size_t n) { return std::string(s.substr(0, n)); }

/// Participle part "é" + participle + "\" + case ending (or without the
/// case part when `case_table` is null).
template <std::size_t N>
std::string ParticiplePart(std::string_view index, const t::PersonTable<N>& participle,
                           const t::PersonTable<N>* case_table, int cls, int offset, int row, bool voiceless) {
    const int e = IndexEntry(index, cls, offset);
    std::string out(1, kParticipleMark);
    out += Dental(PersonAt(participle, row, e), voiceless);
    if (case_table) {
        out += kCaseMark;
        out += PersonAt(*case_table, row, e);
    }
    return out;
}

template <std::size_t L, std::size_t P>
std::string ListPlusPerson(std::string_view index1, const std::array<std::string_view, L>& list,
                           std::string_view index2, const t::PersonTable<P>& person, int cls, int offset,
                           int row) {
    std::string out(ListAt(list, IndexEntry(index1, cls, offset)));
    out += PersonAt(person, row, IndexEntry(index2, cls, offset));
    return out;
}

std::string AoristSuffix(int offset, std::string_view code, bool voiceless) {
    const int cls = ClassOfCode(code);
    const int row = PersonRow(CodeAt(code, 1));
    const bool irregular = CodeAt(code, 7) == 'K';
    std::string out = ListPlusPerson(irregular ? t::kAoristIndex1K : t::kAoristIndex1, t::kAoristList,
                                     irregular ? t::kAoristIndex2K : t::kAoristIndex2, t::kAoristPerson, cls,
                                     offset, row);
    out += ParticiplePart(t::kPastParticipleIndex, t::kPastParticiple, &t::kParticipleCase, cls, offset, row,
                          voiceless);
    return out;
}

std::string AoristPastSuffix(int offset, std::string_view code) {
    return ListPlusPerson(t::kAoristPastIndex1, t::kAoristPastList, t::kAoristPastIndex2, t::kAoristPastPerson,
                          ClassOfCode(code), offset, PersonRow(CodeAt(code, 1)));
}

std::string PastSuffix(int offset, std::string_view code, bool voiceless) {
    const int cls = ClassOfCode(code);
    int row = PersonRow(CodeAt(code, 1));
    if (row < 0) row = 2;  // no person: third person singular
    std::string out = Dental(ListAt(t::kPastList, IndexEntry(t::kPastIndex1, cls, offset)), voiceless);
    out += PersonAt(t::kPastPerson, row, IndexEntry(t::kPastIndex2, cls, offset));
    out += ParticiplePart(t::kPastParticipleIndex, t::kPastParticiple, &t::kParticipleCase, cls, offset, row,
                          voiceless);
    return out;
}

template <std::size_t P>
std::string ProgressiveWith(const t::PersonTable<P>& person, int offset, std::string_view code) {
    return ListPlusPerson(t::kProgressiveIndex1, t::kProgressiveList, t::kProgressiveIndex2, person,
                          ClassOfCode(code), offset, PersonRow(CodeAt(code, 1)));
}

std::string FutureSuffix(int offset, std::string_view code, char sentence_state) {
    const int cls = ClassOfCode(code);
    const int row = PersonRow(CodeAt(code, 1));
    std::string out = ListPlusPerson(t::kFutureIndex1, t::kFutureList, t::kFutureIndex2, t::kFuturePerson, cls,
                                     offset, row);
    if (sentence_state == 'R') out += PersonAt(t::kFutureCopula, row, IndexEntry(t::kFutureIndex2, cls, offset));
    out += ParticiplePart(t::kFutureParticipleIndex, t::kFutureParticiple, &t::kFutureParticipleCase, cls, offset,
                          row, false);
    return out;
}

std::string AbilitySuffix(int offset, std::string_view code) {
    const int cls = ClassOfCode(code);
    const int row = PersonRow(CodeAt(code, 1));
    std::string out = ListPlusPerson(t::kAbilityIndex1, t::kAbilityList, t::kAbilityIndex2, t::kAbilityPerson,
                                     cls, offset, row);
    out += ParticiplePart<8>(t::kAbilityParticipleIndex, t::kAbilityParticiple, nullptr, cls, offset, row, false);
    return out;
}

std::string RelativeSuffix(int offset, std::string_view code, bool voiceless) {
    const int cls = ClassOfCode(code);
    const int row = PersonRow(CodeAt(code, 1));
    std::string out = Dental(ListAt(t::kRelativeList, IndexEntry(t::kRelativeIndex1, cls, offset)), voiceless);
    out += PersonAt(t::kRelativePerson, row, IndexEntry(t::kRelativeIndex2, cls, offset));
    switch (CodeAt(code, 7)) {
        case 'W': out += " zaman"; break;
        case 'S': out += " gibi"; break;
        case 'I': out += " yer"; break;
        case 'K': out += " için"_cp; break;
        default: break;
    }
    return out;
}

void WriteSuffix(InflectionState& state, std::string_view text) { state.SuffixText = Cut(text, kSuffixTextCapacity); }

/// Reads the class at InflectionCode position 4, writing ";" for "=".
int ClassOfInflectionCode(InflectionState& state) {
    if (state.InflectionCode.At(4) == '=') state.InflectionCode.Set(4, ';');
    return StemClassOf(state.InflectionCode.At(4));
}

void WriteByClass(InflectionState& state, const t::ClassList& list) {
    WriteSuffix(state, list[static_cast<std::size_t>(ClassOfInflectionCode(state))]);
}

}  // namespace

int PolarityOffset(char p5, char p6) {
    const bool negative = p5 == 'B' || p5 == 'b';
    if (negative && p6 == 'O') return 12;
    if (p5 == 'A' && p6 == '?') return 24;
    if (negative && p6 == '?') return 36;
    return 0;
}

int StemClassOf(char c) {
    if (c == '=') c = ';';
    return c >= '0' && c <= ';' ? c - '0' : 0;
}

bool EndsVoiceless(std::string_view stem) {
    if (stem.empty()) return false;
    const char c = stem.back();
    return c == 'k' || c == 'p' || c == 's' || c == 't' || c == "ç"_cp[0] || c == "ş"_cp[0];
}

void TrimClauseRight(std::string& text) {
    while (!text.empty() && static_cast<unsigned char>(text.back()) <= ' ') text.pop_back();
}

void AttachSuffix(std::string& text, std::string_view suffix) {
    TrimClauseRight(text);
    // A vowel stem narrows its last e/a to i/ı before -yor.
    if (suffix.substr(0, 3) == "yor" && !text.empty()) {
        if (text.back() == 'e') text.back() = 'i';
        else if (text.back() == 'a') text.back() = "ı"_cp[0];
    }
    text += suffix;
    if (text.size() > kClauseTextCapacity) text.resize(kClauseTextCapacity);
}

std::string TenseSuffix(char letter, int offset, std::string_view code_in, bool voiceless, char sentence_state) {
    std::string code(code_in);
    if (code.size() >= 4 && code[3] == '=') code[3] = ';';
    const int cls = ClassOfCode(code);
    const int row = PersonRow(CodeAt(code, 1));
    switch (letter) {
        case 'A': return AoristSuffix(offset, code, voiceless);
        case 'U': return AoristPastSuffix(offset, code);
        case 'C': return PastSuffix(offset, code, voiceless);
        case 'B':
            return ProgressiveWith(t::kProgressivePerson, offset, code) +
                   ParticiplePart(t::kPastParticipleIndex, t::kPastParticiple, &t::kParticipleCase, cls, offset,
                                  row, voiceless);
        case 'E':
            return ProgressiveWith(t::kProgressivePastPerson, offset, code) +
                   ParticiplePart(t::kPastParticipleIndex, t::kPastParticiple, &t::kParticipleCase, cls, offset,
                                  row, voiceless);
        case 'F': return FutureSuffix(offset, code, sentence_state);
        case 'W':
            return ListPlusPerson(t::kFutureIndex1, t::kFuturePastList, t::kFutureIndex2, t::kFuturePastPerson,
                                  cls, offset, row);
        case 'G': return AbilitySuffix(offset, code);
        case 'H':
            return ListPlusPerson(t::kNecessityIndex1, t::kNecessityList, t::kNecessityIndex2, t::kNecessityPerson,
                                  cls, offset, row);
        case 'N':
            return ListPlusPerson(t::kNecessityIndex1, t::kNecessityList, t::kNecessityIndex2,
                                  t::kNecessityPastPerson, cls, offset, row);
        case 'I':
            return ListPlusPerson(t::kAbilityPastIndex1, t::kAbilityPastList, t::kAbilityPastIndex2,
                                  t::kAbilityPastPerson, cls, offset, row);
        case 'J':
            return ListPlusPerson(t::kAoristConditionalIndex1, t::kAoristConditionalList,
                                  t::kAoristConditionalIndex2, t::kAoristConditionalPerson, cls, offset, row);
        case 'Z':
            return ListPlusPerson(t::kAbilityConditionalIndex1, t::kAbilityConditionalList,
                                  t::kAbilityConditionalIndex2, t::kAbilityConditionalPerson, cls, offset, row);
        case 'K': return RelativeSuffix(offset, code, voiceless);
        case 'L': return AlthoughSuffix(offset, code, voiceless);
        case 'M': return AfterSuffix(offset, code, voiceless);
        case 'S': return BeforeSuffix(code);
        case 'T': return UntilSuffix(code);
        default: return {};
    }
}

std::string ConditionalSuffix(int offset, std::string_view code, bool voiceless) {
    const int cls = ClassOfCode(code);
    const int row = PersonRow(CodeAt(code, 1));
    const char kind = CodeAt(code, 2);
    if (kind == '1' && CodeAt(code, 3) == 'D')
        return ListPlusPerson(t::kAbilityConditionalIndex1, t::kAbilityConditionalList,
                              t::kAbilityConditionalIndex2, t::kAbilityConditionalPerson, cls, offset, row);
    if (kind == '1')
        return ListPlusPerson(t::kAoristConditionalIndex1, t::kAoristConditionalList, t::kAoristConditionalIndex2,
                              t::kAoristConditionalPerson, cls, offset, row);
    if (kind == '2') {
        std::string out =
            Dental(ListAt(t::kPastConditionalList, IndexEntry(t::kPastConditionalIndex1, cls, offset)), voiceless);
        out += PersonAt(t::kPastConditionalPerson, row, IndexEntry(t::kPastConditionalIndex2, cls, offset));
        return out;
    }
    return "***";
}

std::string ProgressiveConditionalSuffix(int offset, std::string_view code) {
    return ProgressiveWith(t::kProgressiveConditionalPerson, offset, code);
}

std::string AfterSuffix(int offset, std::string_view code, bool voiceless) {
    if (offset == 12) return ByClass(t::kAfterNegative, code) + " sonra";
    return Dental(ByClass(t::kAfter, code), voiceless) + " sonra";
}
std::string BeforeSuffix(std::string_view code) { return ByClass(t::kBefore, code) + std::string(" önce"_cp); }
std::string UntilSuffix(std::string_view code) { return ByClass(t::kUntil, code) + " kadar"; }
std::string WhileSuffix(std::string_view code) { return ByClass(t::kWhile, code); }
std::string AsSoonAsSuffix(std::string_view code) { return ByClass(t::kAsSoonAs, code) + " hemen"; }
std::string AlthoughSuffix(int offset, std::string_view code, bool voiceless) {
    if (offset == 12) return ByClass(t::kAlthoughNegative, code) + " halde";
    return Dental(ByClass(t::kAlthough, code), voiceless) + " halde";
}
std::string UnlessSuffix(std::string_view code) { return ByClass(t::kUnless, code); }
std::string AccusativeNounSuffix(char letter, std::string_view code) {
    return ByClass(letter == 'A' ? t::kAccusativeNoun : t::kAccusativeNounNegative, code);
}
std::string DativeNounSuffix(std::string_view code) { return ByClass(t::kDativeNoun, code); }

void NegationSuffix(InflectionState& state) { WriteByClass(state, t::kNegation); }
void InfinitiveSuffix(InflectionState& state) { WriteByClass(state, t::kInfinitive); }
void NegativeInfinitiveSuffix(InflectionState& state) { WriteByClass(state, t::kNegativeInfinitive); }
void ParticipleEnSuffix(InflectionState& state) {
    WriteByClass(state, state.InflectionCode.At(5) == 'A' ? t::kParticipleEn : t::kParticipleEnNegative);
}
void FutureParticipleSuffix(InflectionState& state) { WriteByClass(state, t::kFutureParticipleByClass); }

void OptativeSuffix(InflectionState& state) {
    const char person = state.InflectionCode.At(1);
    const int cls = ClassOfInflectionCode(state);
    const t::ClassList* list = nullptr;
    if (person == 'A') list = &t::kOptativeFirst;
    else if (person == 'C' || person == 'E') list = &t::kOptativeThird;
    else if (person == 'D') list = &t::kOptativeFirstPlural;
    if (list) WriteSuffix(state, (*list)[static_cast<std::size_t>(cls)]);
}

void NegativeNounPossessiveSuffix(InflectionState& state) {
    int row = PersonRow(state.ComplementCode.At(2));
    if (row < 0) row = 2;
    const int cls = StemClassOf(state.ComplementCode.At(3));
    WriteSuffix(state, t::kNegativeNounPossessive[static_cast<std::size_t>(row)]
                                                 [static_cast<std::size_t>(t::kClassBackness[static_cast<std::size_t>(cls)])]);
}

void VerbalNounCaseSuffix(InflectionState& state, std::string& field6) {
    char r = state.ComplementCode.At(4);
    if (r < '0' || r > '5') {
        r = '5';
        state.ComplementCode.Set(4, r);
    }
    if (field6.empty()) field6 = "0";
    if (field6[0] == '=') field6[0] = ';';
    if (field6[0] < '0' || field6[0] > ';') field6[0] = '0';
    const auto cls = static_cast<std::size_t>(field6[0] - '0');
    const auto row = static_cast<std::size_t>(r - '0');
    if (row == 4)
        WriteSuffix(state, t::kConverbErek[cls]);
    else
        WriteSuffix(state, t::kVerbalNounCase[row][static_cast<std::size_t>(t::kClassBackness[cls])]);
}

void NominalPredicateSuffix(InflectionState& state, GenerationServices& services) {
    // 1. Harmony digit of the predicate word.
    state.SuffixText = Cut(state.SuffixText, 74);
    state.SentenceState = 'J';
    std::string word = state.SuffixText;
    while (!word.empty() && word.back() == ' ') word.pop_back();
    const std::string ending = services.NounEnding('J', word);
    if (!ending.empty()) state.SentenceState = ending[0];
    const int h = state.SentenceState - '0';

    // 2-3. Person and polarity.
    state.SuffixText.clear();
    state.PossessiveText.clear();
    char person = state.InflectionCode.At(1);
    if (person != 'A' && person != 'B' && person != 'D' && person != 'E') person = 'C';
    const char p5 = state.InflectionCode.At(5), p6 = state.InflectionCode.At(6);
    const bool negative = p5 == 'B' || p5 == 'b';
    int offset = 0;
    if (negative && p6 == 'O') offset = 8;
    else if (p5 == 'A' && p6 == '?') offset = 16;
    else if (negative && p6 == '?') {
        offset = 16;
        state.PossessiveText = " değil"_cp;
    }

    // 4. Column.
    services.SetWordMark('0');
    if (h >= 0 && h <= 7) {
        int column = t::kNominalColumnIndex[static_cast<std::size_t>(h + offset)] - '0';
        // After "değil" the question particle follows değil's own front
        // vowels: "değil miyim", whatever the noun's harmony.
        if (negative && p6 == '?') column = 11;
        // 5. A word break before değil and the question particle.
        if (column > 7) state.SuffixText = "_";
        // 6. Present or past copula.
        const char tense = state.InflectionCode.At(3);
        const bool conditional = state.InflectionCode.At(7) == 'F';
        const t::PersonTable<13>* table = nullptr;
        if (tense == '4' || tense == '1') table = conditional ? &t::kNominalPresentConditional : &t::kNominalPresent;
        else if (tense == '6' || tense == '5') table = conditional ? &t::kNominalPastConditional : &t::kNominalPast;
        if (table) {
            state.SuffixText += PersonAt(*table, PersonRow(person), column);
            services.SetWordMark('P');
            if (state.SuffixText.empty())
                state.PossessiveText.clear();
            else
                state.PossessiveText = Cut(state.PossessiveText + state.SuffixText, kPossessiveTextCapacity);
        }
    }
    // 7.
    state.SentenceState = '0';
}

std::string TenseKey(std::string_view code) {
    std::string key(code);
    if (key.size() >= 1 && key[0] >= 'A' && key[0] <= 'E') key[0] = 'P';
    if (key.size() >= 5 && (key[4] == 'A' || key[4] == 'B' || key[4] == 'b')) key[4] = kParticipleMark;
    if (key.size() >= 6 && (key[5] == '?' || key[5] == 'O')) key[5] = kParticipleMark;
    if (key.size() >= 3 && key[2] == 'e') key[2] = 'E';
    return key;
}

void InflectVerb(InflectionState& state, GenerationServices& services, int verb_word) {
    std::string code = state.InflectionCode.Text();
    auto trace = [&](std::string_view body) {
        if (services.Tracing())
            services.Trace(TraceSection::Log1, std::to_string(services.TraceCounter()) + "3-->" + std::string(body));
    };
    auto finish = [&] {
        state.SuffixText = Cut(state.SuffixText, kSuffixTextCapacity);
        trace("+" + state.SuffixText + "--" + (code.empty() ? std::string("*****") : code));
        state.InflectionCode.ClearFront(8);
    };
    auto at = [&](std::size_t pos) { return CodeAt(code, pos); };
    auto set = [&](std::size_t pos, char c) {
        if (pos >= 1 && pos <= code.size()) code[pos - 1] = c;
    };

    // 1.
    if (code.size() < 5) {
        state.SuffixText.clear();
        finish();
        return;
    }
    // 2-4. Normalise polarity and the person.
    if (at(5) == 'b') set(5, 'B');
    const std::string_view tail = std::string_view(code).substr(code.size() - 3);
    if (tail == "AOG" || tail == "AOJ" || tail == "AOH") set(1, 'A');
    if (at(8) == 'I' || at(8) == 'J') set(1, 'R');
    // 5. The verb's code slot keeps 15 characters.
    if (verb_word >= 0 && static_cast<std::size_t>(verb_word) < kVerbCodeSlotCount)
        state.VerbCodeSlots[static_cast<std::size_t>(verb_word)] = code.substr(0, kVerbCodeSlotChars);

    // 6-8. Exception entries.
    const std::string key = "MP_" + code;
    trace("PCT_E(ara)--" + key);
    if (at(8) == 'Y' || at(8) == 'Z') {
        if (const GenerationRecord* r = services.LookUpEnglish(key)) {
            state.SuffixText = r->Meaning;
            finish();
            return;
        }
        std::string wildcard = key;
        wildcard[7] = kParticipleMark;  // code positions 5 and 6
        wildcard[8] = kParticipleMark;
        if (const GenerationRecord* r = services.LookUpEnglish(wildcard)) {
            const char p5 = at(5), p6 = at(6);
            const bool negative = p5 == 'B' || p5 == 'b';
            if (p5 == 'A' && p6 == 'O') state.SuffixText = r->Meaning;
            else if (negative && p6 == 'O') state.SuffixText = r->Field4;
            else if (p5 == 'A' && p6 == '?') state.SuffixText = r->Field5;
            else if (negative && p6 == '?') state.SuffixText = r->Field6;
            trace("PCT_E(var)--" + wildcard);
            finish();
            return;
        }
        trace("PCT_E(yok)--" + wildcard);
    }
    if (const GenerationRecord* r = services.LookUpEnglish(key)) {
        state.SuffixText = r->Meaning;
        trace("PCT_E(var)--" + key);
        finish();
        return;
    }
    trace("PCT_E(yok)--" + key);

    // 9. Verbs without a person of their own ("M").
    if (at(7) == 'M') {
        if (at(2) == '1' && verb_word == 1) {
            const std::string word = services.OrderedSlotKey(1);
            std::size_t p = word.find('_') == std::string::npos ? 0 : word.find('_') + 1;
            if (p < 2) p = word.find(' ') == std::string::npos ? 0 : word.find(' ') + 1;
            char test = '\0';
            if (p >= 3) test = word[p - 2];
            else if (!word.empty()) test = word.back();
            if (test != 's') set(1, '0');
        } else {
            set(1, '0');
        }
        if (code.size() > 6) code.resize(6);
    }
    // 10.
    if (at(1) == '0' && code.size() == 6) {
        const GenerationRecord* r = services.LookUpEnglish("MP_" + code);
        state.SuffixText = r ? r->Meaning : std::string();
        finish();
        return;
    }

    // 11. The regular selection.
    const int offset = PolarityOffset(at(5), at(6));
    TrimClauseRight(state.ClauseText);
    // The dental of past forms follows the stem's last consonant in every
    // polarity; negative forms start with m and are not affected.
    const bool voiceless = EndsVoiceless(state.ClauseText);
    if (at(1) == '0') set(1, 'R');
    char letter = '?';
    if (const GenerationRecord* r = services.LookUpEnglish(TenseKey(code)); r && !r->Meaning.empty())
        letter = r->Meaning[0];
    trace(std::string("PCT_E(MYYCEVAP)->") + letter + "-->" + code);

    // 12. Dispatch.
    const std::string result = TenseSuffix(letter, offset, code, voiceless, state.SentenceState);
    switch (letter) {
        case 'A':
        case 'B':
        case 'C':
        case 'E':
        case 'F': {
            const auto mark = result.find(kParticipleMark);
            if (mark == std::string::npos) {
                state.SuffixText = result;
                break;
            }
            state.SuffixText = result.substr(0, mark);
            const auto slash = result.find(kCaseMark, mark + 1);
            if (slash == std::string::npos) {
                state.ParticipleText = Cut(std::string_view(result).substr(mark + 1), kParticipleCapacity);
            } else {
                state.ParticipleText =
                    Cut(std::string_view(result).substr(mark + 1, slash - mark - 1), kParticipleCapacity);
                state.ParticipleCaseText = Cut(std::string_view(result).substr(slash + 1), kParticipleCapacity);
            }
            break;
        }
        case 'G': {
            const auto mark = result.find(kParticipleMark);
            state.SuffixText = result.substr(0, mark);
            if (mark != std::string::npos)
                state.ParticipleText = Cut(std::string_view(result).substr(mark + 1), kParticipleCapacity);
            break;
        }
        case 'H':
        case 'I':
        case 'J':
        case 'K':
        case 'L':
        case 'M':
        case 'N':
        case 'S':
        case 'T':
        case 'U':
        case 'W':
        case 'Z': state.SuffixText = result; break;
        default:
            if (at(7) == 'H' || (at(2) == 'I' && at(7) == 'S')) state.SuffixText = WhileSuffix(code);
            else if (at(7) == 'N') state.SuffixText = AsSoonAsSuffix(code);
            else if (at(7) == 'T') state.SuffixText = AlthoughSuffix(offset, code, voiceless);
            else if (at(7) == 'Z') state.SuffixText = UnlessSuffix(code);
            break;
    }
    // 13.
    finish();
}

}  // namespace zelmor::en_tr
