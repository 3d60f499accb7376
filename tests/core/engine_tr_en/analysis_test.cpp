// Morphological analysis: stems and suffixes through "Z+" entries, suffix
// pairs, proper names, numbers, constructions over two and three words and
// tense constructions with an auxiliary.
#include <gtest/gtest.h>

#include "tests/core/engine_tr_en/tr_en_test_support.h"

namespace zelmor::tr_en::test {
namespace {

std::vector<TrWordAnalysis> Analyse(TrEnEngine& e, const std::string& utf8) { return e.AnalyseTrText(Cp(utf8)); }

TEST(TrMorphology, InflectedWordReducesToStemAndSuffixCodes) {
    auto store = DemoStore();
    TrEnEngine e(store);
    auto w = Analyse(e, "kitaplarımızda");
    ASSERT_EQ(w.size(), 1u);
    EXPECT_EQ(w[0].stem, "kitap");
    EXPECT_EQ(Utf8(w[0].suffix), "larımızda");
    EXPECT_EQ(w[0].entry.ING, "book");
    EXPECT_EQ(w[0].katek, "00I...D");
    EXPECT_EQ(w[0].katek2, "S");
    // Locative case: sub-class "I", preposition "in" and the possessive "our".
    EXPECT_EQ(w[0].entry.EK, "..FI..");
    EXPECT_EQ(w[0].entry.YED, "*in our ");

    w = Analyse(e, "okudu");
    ASSERT_EQ(w.size(), 1u);
    EXPECT_EQ(w[0].stem, "oku");
    EXPECT_EQ(w[0].suffix, "du");
    EXPECT_EQ(w[0].katek, "CG2.AOs");
    EXPECT_EQ(w[0].entry.EK, "..PP..");
    EXPECT_NE(w[0].entry.YDEK.find("TSRT="), std::string::npos);

    // A word found whole keeps itself as its stem and has no suffix.
    w = Analyse(e, "kitap");
    ASSERT_EQ(w.size(), 1u);
    EXPECT_EQ(w[0].stem, "kitap");
    EXPECT_EQ(w[0].suffix, "");
}

TEST(TrMorphology, SuffixPairsDecideWhichSplitsAreAccepted) {
    struct Case {
        std::vector<std::string> extra;
        std::string word, stem, key;
    } cases[] = {
        // A verb stem with a noun suffix needs the noun sense "(F)".
        {{}, "okuı", "", "*okuı"},
        {{"oku(F);..FF..;;reading;;;;;;"}, "okuı", "oku", "oku(F)"},
        // "lerdi" after a noun counts as the pair FF<FP.
        {{"Z+lerdi_;..<P..;;;;;;CG2.AOs;;"}, "evlerdi", "ev", "ev"},
        // Any other verb suffix on a noun needs the second sense "ev*".
        {{"Z+lerse_;..<P..;;;;;;CG2.AOs;;"}, "evlerse", "", "*evlerse"},
        {{"Z+lerse_;..<P..;;;;;;CG2.AOs;;", "ev*;..FF..;;home;;;;;;"}, "evlerse", "ev", "ev*"},
    };
    for (auto& c : cases) {
        auto store = DemoStore(c.extra);
        TrEnEngine e(store);
        auto w = Analyse(e, c.word);
        ASSERT_EQ(w.size(), 1u) << c.word;
        EXPECT_EQ(w[0].stem, c.stem) << c.word;
        EXPECT_EQ(Utf8(w[0].entry.key), c.key) << c.word;
    }
}

TEST(TrMorphology, UnknownWordsBecomeProperNames) {
    auto store = DemoStore();
    TrEnEngine e(store);
    auto w = Analyse(e, "zzq");
    ASSERT_EQ(w.size(), 1u);
    EXPECT_EQ(w[0].entry.key, "*zzq");
    EXPECT_EQ(w[0].entry.ING, "zzq");
    EXPECT_EQ(w[0].entry.EK.substr(2, 2), "F*");
    EXPECT_EQ(w[0].entry.YING, "tC");
    // A capitalised name with an apostrophe splits at the apostrophe.
    w = Analyse(e, "Ankara'da");
    ASSERT_EQ(w.size(), 1u);
    EXPECT_EQ(w[0].entry.EK.substr(2, 2), "F*");
    EXPECT_EQ(w[0].entry.ING, "*ankara");
    EXPECT_EQ(w[0].suffix, "da");
    EXPECT_EQ(Translate(e, "Ankara'da"), "Ankara");
    // A known name keeps its entry.
    w = Analyse(e, "Ali");
    ASSERT_EQ(w.size(), 1u);
    EXPECT_EQ(w[0].entry.key, "*Ali");
    EXPECT_EQ(w[0].entry.ING, "Ali");
}

TEST(TrMorphology, NumberJoinsASeparateCaseEnding) {
    auto store = DemoStore();
    TrEnEngine e(store);
    auto w = Analyse(e, "5 de");
    ASSERT_EQ(w.size(), 1u);
    EXPECT_EQ(w[0].word, "5de");
    EXPECT_EQ(w[0].stem, "5");
    EXPECT_EQ(w[0].suffix, "de");
    // A number in the locative: class X, sub-class from the case table.
    EXPECT_EQ(w[0].entry.EK, "..XAX");
}

TEST(TrMorphology, ConstructionsFoldFollowingWordsIntoTheFirst) {
    auto store = DemoStore({"için;..OO..;;for;;;;;;", "Z2_ı_için;..FF..;;_için;;;;;;",
                            "Z2_e_doğru_olarak;..FF..;;_doğru;;;;;;", "doğru;..FF..;;right;;;;;;",
                            "olarak;..OO..;;as;;;;;;", "Z2_de_zaman;..FF..;;_zaman;;;;;;"});
    TrEnEngine e(store);
    auto w = Analyse(e, "kitabı için okudu");
    ASSERT_EQ(w.size(), 2u);
    EXPECT_EQ(Utf8(w[0].word), "kitab_için");
    EXPECT_EQ(w[1].stem, "oku");
    w = Analyse(e, "eve doğru olarak okudu");
    ASSERT_EQ(w.size(), 2u);
    EXPECT_EQ(Utf8(w[0].word), "ev_doğru");
    // A time word is read as "zaman" when the construction has that form.
    w = Analyse(e, "evde vakit");
    ASSERT_EQ(w.size(), 1u);
    EXPECT_EQ(w[0].word, "ev_zaman");
}

TEST(TrMorphology, TenseConstructionsWithAnAuxiliary) {
    auto store = DemoStore({"Z+mak_;..<P..;;;;;;;;", "Z+ZQ_mek_istiyor_;..<PWA..;;;;;;CA1SAOw;;",
                            "istiyor;..PP..;;want;;;;;;"});
    TrEnEngine e(store);
    // "mak" is looked up as "mek"; the auxiliary is taken into the verb.
    auto w = Analyse(e, "okumak istiyor");
    ASSERT_EQ(w.size(), 1u);
    EXPECT_EQ(w[0].stem, "oku");
    EXPECT_EQ(w[0].entry.EK.substr(2, 2), "WA");
    EXPECT_EQ(w[0].katek, "C");
}

TEST(TrMorphology, VerbOlTakesItsSuffixEntry) {
    auto store = DemoStore({"ol(1);..PP..;;be;was;;;;;"});
    TrEnEngine e(store);
    e.TranslateTrToEn(Cp("oldu"));
    auto w = Analyse(e, "oldu");
    ASSERT_EQ(w.size(), 1u);
    EXPECT_EQ(w[0].stem, "ol(1)");
    EXPECT_EQ(w[0].word, "ol(1)du");
    EXPECT_EQ(w[0].entry.ING, "be");
    EXPECT_EQ(w[0].katek, "CG2.AOs");
}

}  // namespace
}  // namespace zelmor::tr_en::test
