// Turkish noun endings by vowel harmony, dictionary exceptions and the
// plural of analysed nouns.
#include "tests/core/engine_en_tr/analysis/engine_fixture.h"

namespace zelmor::en_tr::test {
namespace {

struct EndingCase {
    const char* letter;
    const char* word;
    const char* expected;
};

class NounEndingTest : public ::testing::TestWithParam<EndingCase> {};

TEST_P(NounEndingTest, PicksTheEndingByHarmony) {
    EngineFixture f({});
    const EndingCase& c = GetParam();
    EXPECT_EQ(Utf8(f.engine.NounEnding(c.letter, Cp(c.word))), c.expected) << c.letter << " " << c.word;
}

INSTANTIATE_TEST_SUITE_P(
    Table, NounEndingTest,
    ::testing::Values(
        // Plural and plural + possessive, back and front vowels.
        EndingCase{"F", "kitap", "Flar"}, EndingCase{"F", "ev", "Fler"}, EndingCase{"F", "okul", "Flar"},
        EndingCase{"F", "göz", "Fler"}, EndingCase{"H", "kitap", "Hları"}, EndingCase{"H", "çiçek", "Hleri"},
        // After a vowel and after a consonant, all four vowel pairs.
        EndingCase{"a", "masa", "anın"}, EndingCase{"a", "kapı", "anın"}, EndingCase{"a", "koyu", "anun"},
        EndingCase{"a", "kedi", "anin"}, EndingCase{"a", "ütü", "anün"}, EndingCase{"a", "kitap", "aın"},
        EndingCase{"a", "okul", "aun"}, EndingCase{"a", "ev", "ain"}, EndingCase{"a", "göz", "aün"},
        EndingCase{"e", "ev", "ee"}, EndingCase{"e", "masa", "eya"}, EndingCase{"e", "kedi", "eye"},
        EndingCase{"f", "masa", "fda"}, EndingCase{"g", "ev", "gden"}, EndingCase{"l", "masa", "lyı"},
        EndingCase{"l", "süt", "lü"}, EndingCase{"b", "oda", "bsı"}, EndingCase{"m", "ev", "mine"},
        EndingCase{"n", "okul", "nunda"}, EndingCase{"o", "kedi", "osini"}, EndingCase{"p", "göz", "pünden"},
        EndingCase{"q", "masa", "qsının"}, EndingCase{"j", "kutu", "jnu"}, EndingCase{"c", "gel", "cmek"},
        EndingCase{"d", "al", "dmaya"}, EndingCase{"h", "gör", "hmeyi"}, EndingCase{"i", "yaz", "ima"},
        EndingCase{"r", "iç", "rmekten"},
        // Locative particle by single index.
        EndingCase{"k", "kapı", "kda"}, EndingCase{"k", "masa", "k "}, EndingCase{"k", "kedi", "kde"},
        EndingCase{"k", "ev", "kde"}, EndingCase{"k", "göz", "k "},
        // "w" is the ablative under the letter "g"; "J" gives the harmony digit.
        EndingCase{"w", "ev", "gden"}, EndingCase{"J", "kitap", "4kitap"}, EndingCase{"J", "ütü", "3ütü"},
        // Digits take the ending after a blank.
        EndingCase{"f", "2005", "f de"}, EndingCase{"f", "1990", "f da"}, EndingCase{"e", "3", "e ye"},
        // "s" and "t" are words of their own.
        EndingCase{"s", "masa", "s ile "}, EndingCase{"t", "ev", "t için "},
        // Phrases: the last word decides; case and trailing marks ignored.
        EndingCase{"e", "büyük ev", "ee"}, EndingCase{"a", "MASA", "anın"}, EndingCase{"e", "ev', ", "ee"},
        EndingCase{"a", "pîr", "aın"},
        // No vowel in the last three characters: letter "0", no ending.
        EndingCase{"a", "angstr", "0"},
        // Too short to find a vowel: the word itself after the letter.
        EndingCase{"a", "x", "ax"}, EndingCase{"a", "xy", "axy"},
        // Letters without a table and empty words.
        EndingCase{"z", "ev", "zev"}, EndingCase{"e", "", "e"}));

TEST(NounEnding, DictionaryExceptionOverridesTheTable) {
    zelmor::testing::StoreSource src;
    src.en_tr = {"EK(e)=su;..EK..;*;ya;;;;;"};
    EngineFixture f(src);
    EXPECT_EQ(Utf8(f.engine.NounEnding("e", "su")), "eya");
    EXPECT_EQ(Utf8(f.engine.NounEnding("e", Cp("soğuk su"))), "eya");
    EXPECT_EQ(Utf8(f.engine.NounEnding("a", "su")), "anun");
}

TEST(PluraliseNoun, AddsThePluralAndLeavesStateF) {
    zelmor::testing::StoreSource src;
    src.en_tr = {"book;..FF..;*;kitap;;;;;", "tree;..FF.n;*;ağacın;;;;;"};
    EngineFixture f(src);
    EnTrEngine& e = f.engine;
    e.SplitWords("books trees", '1');
    e.ResetSentenceTables();
    e.FillWordTable();
    EXPECT_EQ(Utf8(e.State().WordTable[1].meaning.view()), "kitaplar");
    EXPECT_EQ(Utf8(e.State().WordTable[2].meaning.view()), "ağaları");  // "n": three characters dropped
    EXPECT_EQ(e.State().SentenceState, 'F');
}

TEST(SplitClauseWords, ModeZeroReadsUnderscoresAsBlanks) {
    EngineFixture f({});
    f.engine.SplitClauseWords("a_b  c", '0');
    EXPECT_EQ(f.engine.State().ClauseWords, (std::vector<std::string>{" ", "a", "b", "c"}));
    f.engine.SplitClauseWords("a_b  c", '1');
    EXPECT_EQ(f.engine.State().ClauseWords, (std::vector<std::string>{" ", "a_b", "c"}));
}

}  // namespace
}  // namespace zelmor::en_tr::test
