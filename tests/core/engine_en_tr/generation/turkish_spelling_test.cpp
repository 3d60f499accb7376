// Every verb form the inflection tables produce must be correct Turkish:
// one verb of every stem class goes through every tense, person and
// polarity group, and hunspell with the Turkish dictionary checks each
// word of the results.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <map>
#include <set>
#include <sstream>

#include "tests/core/engine_en_tr/generation/verb_fixture.h"

namespace zelmor::en_tr {
namespace {

using namespace testing_support;
using zelmor::testing::Cp;
using zelmor::testing::Utf8;

/// Runs hunspell -l over `words` (UTF-8, one a line) and returns the words
/// it rejects. Sets *available to false when hunspell or tr_TR is missing.
std::set<std::string> Misspelled(const std::set<std::string>& words, bool* available) {
    zelmor::testing::TempDir dir;
    std::string text;
    for (const auto& w : words) text += w + "\n";
    const auto input = dir.Write("words.txt", text);
    const auto errors = dir.path() / "stderr.txt";
    const std::string command = "hunspell -d tr_TR -i UTF-8 -l < '" + input.string() + "' 2> '" + errors.string() + "'";
    std::set<std::string> rejected;
    FILE* pipe = popen(command.c_str(), "r");
    if (!pipe) {
        *available = false;
        return rejected;
    }
    char buffer[512];
    std::string out;
    while (fgets(buffer, sizeof buffer, pipe)) out += buffer;
    const int status = pclose(pipe);
    std::ifstream err(errors);
    std::string err_text((std::istreambuf_iterator<char>(err)), std::istreambuf_iterator<char>());
    if (status != 0 || err_text.find("Can't open") != std::string::npos) {
        *available = false;
        return rejected;
    }
    *available = true;
    std::istringstream lines(out);
    for (std::string line; std::getline(lines, line);)
        if (!line.empty()) rejected.insert(line);
    return rejected;
}

bool HunspellReady() {
    bool available = false;
    auto bad = Misspelled({"gelirim", "qqqxyzq"}, &available);
    return available && bad.count("qqqxyzq") == 1 && bad.count("gelirim") == 0;
}

/// Words checked by hand that the tr_TR dictionary lacks.
std::set<std::string> ReviewedForms() {
    std::ifstream in(zelmor::testing::SourceDir() / "tests/core/engine_en_tr/generation/hunspell_tr_reviewed_forms.txt");
    std::set<std::string> out;
    for (std::string line; std::getline(in, line);)
        if (!line.empty() && line[0] != '#') out.insert(line);
    return out;
}

/// Harmony group of the last vowel of a UTF-8 word: 'i' (e, i), 'ı' as 'I'
/// (a, ı), 'u' (o, u), 'ü' as 'U' (ö, ü); 0 when it has no vowel.
char LastVowelGroup(const std::string& word) {
    const std::string cp = Cp(word);
    for (auto it = cp.rbegin(); it != cp.rend(); ++it) {
        const std::string c(1, *it);
        if (c == "e" || c == "i") return 'i';
        if (c == "a" || c == Cp("ı")) return 'I';
        if (c == "o" || c == "u") return 'u';
        if (c == Cp("ö") || c == Cp("ü")) return 'U';
    }
    return 0;
}

/// A question particle is a word of its own ("gelir miyim"), never glued
/// to the verb, and takes the last vowel of the word before it.
void CheckQuestionParticles(const std::string& phrase, const std::string& origin, bool question) {
    std::istringstream in(phrase);
    std::vector<std::string> words;
    for (std::string w; in >> w;) words.push_back(w);
    bool found = false;
    for (std::size_t i = 1; i < words.size(); ++i) {
        const std::string& w = words[i];
        const bool particle = w.rfind("mi", 0) == 0 || w.rfind("mı", 0) == 0 || w.rfind("mu", 0) == 0 ||
                              w.rfind("mü", 0) == 0;
        if (!particle) continue;
        found = true;
        EXPECT_EQ(LastVowelGroup(words[i - 1]), LastVowelGroup(w.substr(0, 3)))
            << "question particle \"" << w << "\" does not follow the vowel of \"" << words[i - 1] << "\" in "
            << origin << " -> \"" << phrase << "\"";
    }
    EXPECT_EQ(found, question) << (question ? "no separate question particle in " : "a particle in a statement: ")
                               << origin << " -> \"" << phrase << "\"";
}

/// Splits a phrase into its words and remembers where each came from.
void AddWords(const std::string& phrase, const std::string& origin, std::map<std::string, std::string>& words,
              bool question = false) {
    CheckQuestionParticles(phrase, origin, question);
    std::istringstream in(phrase);
    for (std::string w; in >> w;) words.emplace(w, origin + " -> \"" + phrase + "\"");
}

std::string Describe(int cls, const std::string& code) {
    return std::string("class ") + std::to_string(cls) + " (" + kStems[static_cast<std::size_t>(cls)] + ") code " + code;
}

/// Collects every form of every class into word -> origin.
std::map<std::string, std::string> AllVerbForms() {
    auto store = zelmor::testing::MakeStore({.en_tr = AllTenseKeyLines()});
    StoreGenerationServices services(store);
    std::map<std::string, std::string> words;
    const std::string persons = "ABCDE";
    const std::array<std::pair<char, char>, 4> polarities = {{{'A', 'O'}, {'B', 'O'}, {'A', '?'}, {'B', '?'}}};

    for (int cls = 0; cls < 12; ++cls) {
        const std::string stem = kStems[static_cast<std::size_t>(cls)];
        for (char person : persons) {
            for (auto [pol, mood] : polarities) {
                const int offset = PolarityOffset(pol, mood);
                const bool question = mood == '?';
                // The tenses every polarity group has.
                for (char tense : std::string("AUCBEFWGHNI")) {
                    for (char state : std::string("0R")) {
                        if (state == 'R' && tense != 'F') continue;
                        const std::string code = Code(person, tense, cls, pol, mood);
                        Inflected r = Inflect(services, stem, code, state);
                        const std::string origin = Describe(cls, code) + (state == 'R' ? " state R" : "");
                        EXPECT_FALSE(r.suffix.empty()) << origin;
                        AddWords(r.word, origin, words, question);
                        // Participles exist for statements only.
                        if (!question && (tense == 'A' || tense == 'B' || tense == 'C' || tense == 'E' ||
                                          tense == 'F' || tense == 'G')) {
                            EXPECT_FALSE(r.participle.empty()) << origin;
                            AddWords(r.stem + r.participle, origin + " participle", words);
                            if (tense != 'G') AddWords(r.stem + r.participle + r.participle_case, origin + " +case", words);
                        }
                    }
                }
                // The -Ir aorist of verbs like öl-ür, ol-ur, kal-ır (consonant classes).
                if (cls != 4 && cls != 5 && cls != 6 && cls != 7) {
                    const std::string code = Code(person, 'A', cls, pol, mood, "K");
                    Inflected r = Inflect(services, cls == 10 ? "öl" : cls == 11 ? "ol" : cls == 0 ? "ver" : cls == 1 ? "san" : stem, code);
                    AddWords(r.word, Describe(cls, code), words, question);
                }
                if (question) continue;
                // Statement-only forms: conditionals and the participle with a word.
                for (char tense : std::string("JZ")) {
                    const std::string code = Code(person, tense, cls, pol, mood);
                    Inflected r = Inflect(services, stem, code);
                    AddWords(r.word, Describe(cls, code), words);
                }
                {
                    const std::string code = Code(person, 'K', cls, pol, mood, "W");
                    Inflected r = Inflect(services, stem, code);
                    AddWords(r.word, Describe(cls, code), words);
                }
                const std::string cp_stem = Cp(stem);
                const std::string code = Code(person, '0', cls, pol, mood);
                std::string past_cond = code;
                past_cond[1] = '2';
                AddWords(stem + Utf8(ConditionalSuffix(offset, past_cond, EndsVoiceless(cp_stem))),
                         Describe(cls, past_cond) + " past conditional", words);
                std::string progressive = cp_stem;
                AttachSuffix(progressive, ProgressiveConditionalSuffix(offset, code));
                AddWords(Utf8(progressive), Describe(cls, code) + " progressive conditional", words);
            }
        }
        // Forms chosen by the class alone.
        const std::string cp_stem = Cp(stem);
        const std::string code = Code('A', '0', cls, 'A', 'O');
        const bool voiceless = EndsVoiceless(cp_stem);
        for (const std::string& s :
             {AfterSuffix(0, code, voiceless), AfterSuffix(12, code), BeforeSuffix(code), UntilSuffix(code),
              WhileSuffix(code), AsSoonAsSuffix(code), AlthoughSuffix(0, code, voiceless), AlthoughSuffix(12, code),
              UnlessSuffix(code), AccusativeNounSuffix('A', code), AccusativeNounSuffix('B', code),
              DativeNounSuffix(code)})
            AddWords(Utf8(cp_stem + s), Describe(cls, code) + " fixed form", words);
        InflectionState st;
        for (auto fn : {&NegationSuffix, &InfinitiveSuffix, &NegativeInfinitiveSuffix, &FutureParticipleSuffix}) {
            st.InflectionCode.Assign(code);
            fn(st);
            // The bare negative stem (sev-me) is the imperative; the rest are words.
            AddWords(Utf8(cp_stem + st.SuffixText), Describe(cls, code) + " class form", words);
        }
        for (std::string pc : {code, Code('A', '0', cls, 'B', 'O')}) {
            st.InflectionCode.Assign(pc);
            ParticipleEnSuffix(st);
            AddWords(Utf8(cp_stem + st.SuffixText), Describe(cls, pc) + " -en participle", words);
        }
        for (char person : std::string("ACDE")) {
            st.InflectionCode.Assign(Code(person, '0', cls, 'A', 'O'));
            OptativeSuffix(st);
            AddWords(Utf8(cp_stem + st.SuffixText), Describe(cls, st.InflectionCode.Text()) + " optative", words);
        }
        for (char person : std::string("ABCDE")) {
            st.ComplementCode.Assign(std::string{'*', person, ClassChar(cls)});
            NegativeNounPossessiveSuffix(st);
            AddWords(Utf8(cp_stem + st.SuffixText), Describe(cls, code) + " negative noun", words);
        }
        for (char row : std::string("012345")) {
            st.ComplementCode.Assign(std::string("***") + row);
            std::string field6(1, ClassChar(cls));
            VerbalNounCaseSuffix(st, field6);
            AddWords(Utf8(cp_stem + st.SuffixText), Describe(cls, code) + " verbal noun row " + row, words);
        }
    }
    return words;
}

TEST(TurkishSpelling, EveryGeneratedVerbFormIsAcceptedByTheTurkishDictionary) {
    if (!HunspellReady())
        GTEST_SKIP() << "hunspell with the tr_TR dictionary is not installed (Debian: hunspell hunspell-tr); "
                        "the Turkish spelling check of the verb tables did not run";
    const auto words = AllVerbForms();
    ASSERT_GT(words.size(), 1000u);
    RecordProperty("distinct_words", static_cast<int>(words.size()));
    std::set<std::string> list;
    for (const auto& [w, origin] : words) list.insert(w);
    bool available = false;
    const auto rejected = Misspelled(list, &available);
    ASSERT_TRUE(available);
    const auto reviewed = ReviewedForms();
    ASSERT_FALSE(reviewed.empty()) << "list of reviewed forms not found";
    for (const auto& w : rejected)
        if (!reviewed.count(w)) ADD_FAILURE() << "hunspell rejects \"" << w << "\" from " << words.at(w);
}

}  // namespace
}  // namespace zelmor::en_tr
