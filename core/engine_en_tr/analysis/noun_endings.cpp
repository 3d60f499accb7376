// Turkish noun endings by vowel harmony, the plural of analysed nouns and the
// clause word list.
#include <array>

#include "core/engine_en_tr/analysis/char_classes.h"
#include "core/engine_en_tr/analysis/en_tr_engine.h"
#include "core/text/split.h"

namespace zelmor::en_tr {

using namespace zelmor::text::literals;
using namespace detail;

namespace {

// Harmony vowels: a word ending in vowel k has index k, a word ending in
// consonants after vowel k has index 8 + k.
constexpr std::string_view kVowels = "aıoueiöü"_cp;

struct EndingRow {
    char letter;
    std::array<std::string_view, 8> forms;  // column = harmony index / 2
};

constexpr EndingRow kEndings[] = {
    {'a', {"nın"_cp, "nun"_cp, "nin"_cp, "nün"_cp, "ın"_cp, "un"_cp, "in"_cp, "ün"_cp}},
    {'b', {"sı"_cp, "su"_cp, "si"_cp, "sü"_cp, "ı"_cp, "u"_cp, "i"_cp, "ü"_cp}},
    {'c', {"mak", "mak", "mek", "mek", "mak", "mak", "mek", "mek"}},
    {'d', {"maya", "maya", "meye", "meye", "maya", "maya", "meye", "meye"}},
    {'e', {"ya", "ya", "ye", "ye", "a", "a", "e", "e"}},
    {'f', {"da", "da", "de", "de", "da", "da", "de", "de"}},
    {'g', {"dan", "dan", "den", "den", "dan", "dan", "den", "den"}},
    {'h', {"mayı"_cp, "mayı"_cp, "meyi", "meyi", "mayı"_cp, "mayı"_cp, "meyi", "meyi"}},
    {'i', {"ma", "ma", "me", "me", "ma", "ma", "me", "me"}},
    {'j', {"nı"_cp, "nu", "ni", "nü"_cp, "ı"_cp, "u", "i", "ü"_cp}},
    {'l', {"yı"_cp, "yu", "yi", "yü"_cp, "ı"_cp, "u", "i", "ü"_cp}},
    {'m', {"sına"_cp, "suna", "sine", "süne"_cp, "ına"_cp, "una", "ine", "üne"_cp}},
    {'n', {"sında"_cp, "sunda", "sinde", "sünde"_cp, "ında"_cp, "unda", "inde", "ünde"_cp}},
    {'o', {"sını"_cp, "sunu", "sini", "sünü"_cp, "ını"_cp, "unu", "ini", "ünü"_cp}},
    {'p', {"sından"_cp, "sundan", "sinden", "sünden"_cp, "ından"_cp, "undan", "inden", "ünden"_cp}},
    {'q', {"sının"_cp, "sunun", "sinin", "sünün"_cp, "ının"_cp, "unun", "inin", "ünün"_cp}},
    {'r', {"maktan", "maktan", "mekten", "mekten", "maktan", "maktan", "mekten", "mekten"}},
};

// Locative particle "k": by single index.
constexpr std::array<std::string_view, 16> kParticle = {" ",  "da", " ",  " ",  " ",  "de", " ",  " ",
                                                        " ",  "da", "da", "da", "de", "de", " ",  "de"};

char NormaliseVowel(char c) {
    if (c == "î"_cp[0]) return "ı"_cp[0];
    if (c == "ï"_cp[0]) return 'i';
    return c;
}

int VowelIndex(char c) {
    std::size_t p = kVowels.find(NormaliseVowel(c));
    return p == std::string_view::npos ? -1 : static_cast<int>(p);
}

}  // namespace

std::string EnTrEngine::NounEnding(std::string_view letter_text, std::string_view input) {
    std::string letter(letter_text);
    if (input.empty()) return letter;
    const char l = letter.empty() ? '\0' : letter[0];
    std::string word(text::Trim(text::TurkishLowerCase(input)));

    // Exceptions stored in the dictionary: "EK(" + letter + ")=" + last word.
    std::size_t blank = word.rfind(' ');
    std::string last = blank == std::string::npos ? word : word.substr(blank + 1);
    if (LookUpEnglish("EK(" + letter + ")=" + last)) {
        DecodeLast();
        return letter + state_.CurrentRecord.meaning.str();
    }
    if (l == 's') return letter + " ile ";
    if (l == 't') return letter + std::string(" için "_cp);

    while (!word.empty() && word.back() == ' ') word.pop_back();
    while (!word.empty() && word.back() == '\'') word.pop_back();
    while (!word.empty() && word.back() == ',') word.pop_back();
    if (word.empty()) return letter;

    int index = -1;
    bool digit = false;
    const char c = word.back();
    if (c == '0' || c == '6' || c == '9') {
        index = 0;
        digit = true;
    } else if (IsDigit(c)) {
        index = 5;
        digit = true;
    } else if ((index = VowelIndex(c)) < 0) {
        // Consonant: the vowel before it, or the one before that.
        if (word.size() < 2) return letter + word;
        int v = VowelIndex(word[word.size() - 2]);
        if (v < 0) {
            if (word.size() < 3) return letter + word;
            v = VowelIndex(word[word.size() - 3]);
            if (v < 0) return "0";
        }
        index = 8 + v;
    }

    std::string ending;
    std::string out_letter = letter;
    const std::size_t column = static_cast<std::size_t>(index / 2);
    const bool back = index <= 3 || (index >= 8 && index <= 11);
    if (l == 'F') {
        ending = back ? "lar" : "ler";
    } else if (l == 'H') {
        ending = back ? std::string("ları"_cp) : std::string("leri");
    } else if (l == 'J') {
        return std::string(1, static_cast<char>('0' + index / 2)) + word;
    } else if (l == 'k') {
        ending = kParticle[static_cast<std::size_t>(index)];
    } else {
        char table_letter = l == 'w' ? 'g' : l;
        if (l == 'w') out_letter = "g";
        const EndingRow* row = nullptr;
        for (const auto& r : kEndings)
            if (r.letter == table_letter) row = &r;
        if (!row) return letter + word;
        ending = row->forms[column];
    }
    return out_letter + (digit ? " " : "") + ending;
}

void EnTrEngine::PluraliseNoun(int j) {
    EnTrState& s = state_;
    if (j < 1 || j > kMaxWords) return;
    WordRecord& slot = s.WordTable[static_cast<std::size_t>(j)];
    if (s.InflectionMarks.at(static_cast<std::size_t>(j)) != 'F' || slot.code.At(4) == '2') {
        s.SentenceState = '0';
        return;
    }
    s.SentenceState = 'F';
    std::string meaning = slot.meaning.str();
    const char shorten = slot.code.At(6);
    if (shorten == 'N' || shorten == 'n') {
        // Stems that change before the plural are stored with the longer
        // form: "N" drops two characters (and a final ğ returns to k), "n"
        // drops three.
        meaning.resize(meaning.size() >= (shorten == 'N' ? 2u : 3u) ? meaning.size() - (shorten == 'N' ? 2 : 3) : 0);
        if (shorten == 'N' && !meaning.empty() && meaning.back() == "ğ"_cp[0]) meaning.back() = 'k';
        s.SentenceState = 'H';
    }
    std::string r = NounEnding(std::string(1, s.SentenceState), meaning);
    s.SentenceState = r.empty() ? '0' : r[0];
    if (!r.empty()) meaning += std::string(text::TrimLeft(std::string_view(r).substr(1)));
    slot.meaning = meaning;
    s.SentenceState = 'F';
    s.FoundFlag = true;
}

void EnTrEngine::SplitClauseWords(std::string_view input, char mode) {
    std::string t(input);
    if (mode == '0') std::replace(t.begin(), t.end(), '_', ' ');
    auto& words = state_.ClauseWords;
    words.assign(1, " ");
    for (std::string_view piece : text::SplitViews(t, ' '))
        if (!piece.empty()) words.emplace_back(piece);
}

}  // namespace zelmor::en_tr
