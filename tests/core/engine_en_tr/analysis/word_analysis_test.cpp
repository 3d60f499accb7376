// Word analysis: inflected forms, numbers, possessives, names and unknown
// words, the word passes and the class pattern.
#include "tests/core/engine_en_tr/analysis/engine_fixture.h"

namespace zelmor::en_tr::test {
namespace {

zelmor::testing::StoreSource Dictionary() {
    zelmor::testing::StoreSource src;
    src.en_tr = {"walk;..PP..;*;yürü;;;1;;",    "love;..PP..;*;sev;;;0;;",       "cat;..FF..;*;kedi;;;;;",
                 "boy;..FF..;*;oğlan;;;;;",      "sing;..PP..;*;şarkı söyle;;;4;;", "bad;..???.;*;kötü;;;;;",
                 "please(1);..U8..;*;lütfen;;;;;", "dark;..VV..;*;koyu;;;;;",       "blue;..VV..;*;mavi;;;;;",
                 "paris;..FF.*;*;paris;;;;;",     "can't;..99..;*;can;not;;;;",    "child;..FF.N;*;çocuğun;;;;;",
                 "book;..FF..;*;kitap;;;;;",      "the;..TT..;*;;;;;;",            "red;..VV..;*;kırmızı;;;;;"};
    src.en_user = {"Smith=Smith"};
    return src;
}

struct Analysed {
    std::string key, code, meaning;
    char mark;
};

std::vector<Analysed> Analyse(EngineFixture& f, const std::string& utf8) {
    EnTrEngine& e = f.engine;
    e.SplitWords(Cp(utf8), '1');
    e.ResetSentenceTables();
    e.FillWordTable();
    std::vector<Analysed> out;
    for (int j = 1; j <= e.State().WordCount; ++j) {
        const WordRecord& r = e.State().WordTable[static_cast<std::size_t>(j)];
        out.push_back({Utf8(r.key.view()), std::string(r.code.view()), Utf8(r.meaning.view()),
                       e.State().InflectionMarks[static_cast<std::size_t>(j)]});
    }
    return out;
}

struct WordCase {
    const char* name;
    const char* word;
    const char* key;
    const char* code;
    const char* meaning;
    char mark;
};

class AnalyseWordTest : public ::testing::TestWithParam<WordCase> {};

TEST_P(AnalyseWordTest, FillsTheSlot) {
    const WordCase& c = GetParam();
    EngineFixture f(Dictionary());
    auto words = Analyse(f, c.word);
    ASSERT_EQ(words.size(), 1u);
    EXPECT_EQ(words[0].key, c.key);
    EXPECT_EQ(words[0].code, c.code);
    EXPECT_EQ(words[0].meaning, c.meaning);
    EXPECT_EQ(words[0].mark, c.mark);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, AnalyseWordTest,
    ::testing::Values(
        WordCase{"Ordinal", "2nd", "2.", "..XX", "2.", '.'},
        WordCase{"OrdinalLong", "21st", "21.", "..XX", "21.", '.'},
        WordCase{"Thousands", "1,000", "1,000", "..XX", "1,000", '.'},
        WordCase{"Decimal", "3.5", "3.5", "..XX", "3.5", '.'},
        WordCase{"PastEd", "walked", "walk(ed)", "..PP5.", "yürü", '5'},
        WordCase{"PastD", "loved", "love(d)", "..PP4.", "sev", '4'},
        WordCase{"PluralNoun", "cats", "cat(s)", "..FF1.", "kediler", 'F'},
        WordCase{"PluralShortensStem", "childs", "child(s)", "..FF1N", "çocukları", 'F'},
        WordCase{"VerbS", "walks", "walk(s)", "..PP..", "yürü", 'P'},
        WordCase{"Ing", "singing", "sing(ing)", "..PI..", "şarkı söyle", 'I'},
        WordCase{"PossessiveUnknown", "John's", "John", "..F9..", "John", '.'},
        WordCase{"PluralPossessiveKnown", "boys'", "boys'", "..F9..", "oğlan", '.'},
        WordCase{"Hyphenated", "dark-blue", "dark-blue", "..VV..", "koyu-mavi", '.'},
        WordCase{"UnusableCodeIsUnknown", "bad", "*bad", "..F*.*", "*bad", '.'},
        WordCase{"UnknownWord", "zork", "*zork", "..F*.*", "*zork", '.'},
        WordCase{"MarkedName", "*Zork", "Zork", "..F*..", "Zork", '.'},
        WordCase{"MarkedNameWithApostrophe", "*Zork's", "*Zork", "..F9..", "*Zork", '.'},
        WordCase{"ParagraphMarker", "e-o-p", "*e-o-p", "..F*.*", "*e-o-p", '.'},
        WordCase{"NameEntryGetsStar", "paris", "*paris", "..FF.*", "*paris", '.'},
        WordCase{"CapitalsLowerCased", "CATS", "cat(s)", "..FF1.", "kediler", 'F'},
        WordCase{"PleaseFirst", "please", "please(1)", "..U8..", "lütfen", '.'}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(FillWordTable, BuildsTheClassPattern) {
    EngineFixture f(Dictionary());
    Analyse(f, "the boy walked zork 2nd");
    EXPECT_EQ(f.engine.State().ClassPattern, " TTFFPPF*XX");
    EXPECT_EQ(f.engine.State().WordCount, 5);
}

TEST(FillWordTable, NeverWritesPastThirtySlots) {
    EngineFixture f(Dictionary());
    std::string text;
    for (int i = 0; i < 45; ++i) text += "cat n9 ";
    auto words = Analyse(f, text);
    EXPECT_EQ(words.size(), 30u);
    EXPECT_EQ(f.engine.State().ClassPattern.size(), 61u);
}

TEST(FillWordTable, KnownUserNameAtTheStartBecomesAName) {
    EngineFixture f(Dictionary());
    auto words = Analyse(f, "Smith walked");
    EXPECT_EQ(words[0].key, "*Smith");
    EXPECT_EQ(words[0].code, "..F*..");
    EXPECT_EQ(words[1].key, "walk(ed)");
}

TEST(IsKnownWord, AcceptsNumbersOrdinalsAndInflectedForms) {
    EngineFixture f(Dictionary());
    for (const char* w : {"12", "1,5", "10:30", "4th", "walk", "walks", "walked", "loved", "singing", "cat's"})
        EXPECT_TRUE(f.engine.IsKnownWord(w)) << w;
    for (const char* w : {"zork", "", "1a2"}) EXPECT_FALSE(f.engine.IsKnownWord(w)) << w;
}

TEST(WordPass, ContractionsAreWrittenOut) {
    EngineFixture f(Dictionary());
    EXPECT_EQ(f.engine.WordPass("I can't go", 'A'), "I can not go ");
}

TEST(WordPass, CapitalsMarkNamesAndLowerKnownFirstWords) {
    EngineFixture f(Dictionary());
    EnTrEngine& e = f.engine;
    EXPECT_EQ(e.WordPass("The Boy met Zork and I", 'B'), "the *Boy met *Zork and I ");
    EXPECT_EQ(e.WordPass("Cats met Jack", 'B'), "cats met *Jack ");
    EXPECT_EQ(e.WordPass("Can I", 'B'), "can(p) I ");
    EXPECT_EQ(e.WordPass("met Smith", 'B'), "met *Smith ");
    // A noun found only in lower case is a name when capitalised inside.
    EXPECT_EQ(e.WordPass("met Book", 'B'), "met *Book ");
    EXPECT_EQ(e.WordPass("met Red", 'B'), "met red ");
}

}  // namespace
}  // namespace zelmor::en_tr::test
