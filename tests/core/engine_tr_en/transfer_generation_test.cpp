// Multi-word expressions, clause transfer, templates, verb phrases and the
// English post-edit.
#include <gtest/gtest.h>

#include "tests/core/engine_tr_en/tr_en_test_support.h"

namespace zelmor::tr_en::test {
namespace {

TEST(TrExpressions, TurkishIdiomsAndCompoundsAreJoined) {
    auto store = DemoStore({"güzel<<gün;..??..;;nice day;;;;;;", "hava_durumu;..FF..;;weather forecast;;;;;;",
                            "tamam<<;..??..;;okay;;;;;;"});
    TrEnEngine e(store);
    EXPECT_EQ(Translate(e, "güzel gün"), "nice day");
    EXPECT_EQ(Translate(e, "hava durumu"), "weather forecast");
    EXPECT_EQ(Translate(e, "tamam"), "okay");
    // A one-word idiom is not applied when the word occurs again.
    EXPECT_EQ(Translate(e, "tamam tamam"), "tamam tamam");
}

TEST(TrExpressions, SelfRepeatingIdiomStopsAtTheIterationLimit) {
    // The replacement holds the idiom again, one word further on.
    auto store = DemoStore({"çok<<güzel;..??..;;pek çok güzel;;;;;;"});
    RecordingUi ui;
    TrEnEngine e(store, &ui);
    EXPECT_FALSE(Translate(e, "çok güzel").empty());
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_NE(ui.messages[0].find("--> tekrarlama olayı"), std::string::npos) << ui.messages[0];
}

TEST(TrTransfer, RuleScriptsAndVerbPatternsFormClauses) {
    auto store = DemoStore({"bir;01FF..;;one;;;;;;", "elma;..FF..;;apple;apples;;;;;",
                            "R1_FFFF;..//..;;;;;;;;1?(bir)", "V_FFFF;..<<..;;0 1;FF;;;;;"});
    TrEnEngine e(store);
    EXPECT_EQ(Translate(e, "bir elma"), "an apple");
    EXPECT_EQ(Translate(e, "bir kitap"), "a book");
    EXPECT_EQ(e.ClauseCount(), 1u);
    EXPECT_EQ(e.ClauseCode(1), "FF");
    EXPECT_EQ(e.Clause(1).EK, "..FF..1");
    EXPECT_EQ(e.Clause(1).YDEK, "bir kitap,");
}

TEST(TrTransfer, ClauseTextFromUserDictionaryAndNominalPredicate) {
    auto store = DemoStore({"güzel;..FP..;;beautiful;;;;;;"}, {"kitabı=it"});
    TrEnEngine e(store);
    // Clause 2 ("kitabı okudu" under the pattern FEPP) is in the user dictionary.
    EXPECT_EQ(Translate(e, "Ali kitabı okudu"), "Ali read it");
    // A noun predicate gets the copula "dir#" after it.
    Translate(e, "ev güzel");
    EXPECT_EQ(e.WordCount(), 3u);
    EXPECT_EQ(e.ClassPattern(), " FFFFT?");
    EXPECT_EQ(e.WordEntry(3).key, "dir#");
}

TEST(TrTransfer, WholePatternBoundariesAndTailClauses) {
    auto store = DemoStore({"Z__FaFEPP;..XX..;;230;;;;;;", "V_FaFE;..<<..;;0 !1t 1;FE;;;;;",
                            "ve;..ZZ..;;and;;;;;;"});
    TrEnEngine e(store);
    Translate(e, "Ali kitabı okudu");
    ASSERT_EQ(e.ClauseCount(), 2u);
    EXPECT_EQ(e.Clause(1).ING, "*Ali the book");
    EXPECT_EQ(e.Clause(2).ING, "read");
    // A clause of code "ZZ" leaves the clause table for the sentence's tail.
    EXPECT_EQ(Translate(e, "ve"), "and,");
}

TEST(TrGeneration, VerbPhrasesFollowTheClauseCode) {
    struct Case {
        std::string sentence, code, english;
    } cases[] = {
        {"Ali okuyor", "CA1SAO", "Ali reads"},
        {"Ali deniyor", "CA1SAO", "Ali tries"},
        {"Ali gidiyor", "CA1SAO", "Ali goes"},
        {"Ali izliyor", "CA1SAO", "Ali watches"},
        {"Ali okuyor", "DA1.AO", "Ali read"},
        {"Ali okuyor", "CG2.BO.", "Ali did not read"},
        {"Ali okuyor", "CA1SBO", "Ali does not read"},
        {"Ali okuyor", "CA2x.O", "Ali was going to read"},
        {"Ali okuyor", "CA17AO", "Ali is able to read"},
        {"Ali okuyor", "CAII.O", "Ali is reading"},
        {"Ali okuyor", "AO1.AO", "Ali can read"},
        {"Ali okuyor", "CA1SAOh", "Ali have to read"},
    };
    for (auto& c : cases) {
        auto store = DemoStore({"Z+yor_;..<P..;;;;;;" + c.code + ";;", "Z+iyor_;..<P..;;;;;;" + c.code + ";;",
                                "deni;..PP..;;try;tried;;;;;", "gid;..PP..;;go;went;;;;;",
                                "izli;..PP..;;watch;watched;;;;;"});
        TrEnEngine e(store);
        EXPECT_EQ(Translate(e, c.sentence), c.english) << c.sentence << " " << c.code;
    }
}

TEST(TrGeneration, ModuleTemplateElements) {
    struct Case {
        std::string tmpl, english;
    } cases[] = {
        {"*2 @P3 *1", "Book reads Ali"},
        {"@A=3 @P3 *2", "It reads book"},
        {"@H3", "Has"},
        {"@q3@h3 @H3", "Does have"},
        {"*1 @,*2", "Ali, book"},
        {"@I31 @b3", "Who it"},
        {"@G3", "Reading"},
        {"@c3", "Read"},
        {"@$W4*1", "When Ali"},
        {"@$1*1", "Ali"},
        {"@R3", "TPP"},
    };
    // The sentence begins with a capitalised word: so does the English.
    for (auto& c : cases) {
        auto store = DemoStore({"Z+ar_;..<P..;;;;;;CA1SAO;;", "Z+tan_;..<F..;;;;;;00J;;",
                                "TPP;..XX..;;TPP;;;;;;", "WFaFJPP;..<>..;;" + c.tmpl + ";;;;;;"});
        TrEnEngine e(store);
        EXPECT_EQ(Translate(e, "Ali kitaptan okuar"), c.english) << c.tmpl;
    }
}

TEST(TrGeneration, HaveFormsForStatementsAndQuestions) {
    struct Case {
        std::string code, tmpl, english;
    } cases[] = {
        {"C.1.b?", "@h1 @H1", "does not have"},
        {"C.1.bO", "@H1", "does not have"},
        {"C.1.AO", "@H1", "has"},
        {"B.2.AO", "@H1", "had"},
        {"B.2.A?", "@h1 @H1", "did have"},
    };
    for (auto& c : cases) {
        auto store = DemoStore({"Z+maz_;..<P..;;;;;;" + c.code + ";;", "WPP;..<>..;;" + c.tmpl + ";;;;;;"});
        TrEnEngine e(store);
        EXPECT_EQ(Translate(e, "okumaz"), c.english) << c.code << " " << c.tmpl;
    }
}

TEST(TrGeneration, VerbTemplateElements) {
    struct Case {
        std::string tmpl, english;
    } cases[] = {
        {"!0t 0 !1B1", "the house came"},
        {"!G1 0", "coming house"},
        {"!G0 !1G", "housing coming"},
        {"D 0 f", "am house my"},
        {"!1d", "gel"},
        {"!y0 0", "to house"},
        {"!\"", "extra"},
    };
    for (auto& c : cases) {
        auto store = DemoStore({"V_FGPP;..<<..;;" + c.tmpl + ";FG;extra;;;;"});
        TrEnEngine e(store);
        EXPECT_EQ(Translate(e, "eve geldi"), c.english) << c.tmpl;
    }
}

TEST(TrPostEdit, EnglishIdiomsReplaceTheirFirstOccurrence) {
    auto store = DemoStore({"read>>the>>book;..??..;;studied;;;;;;", "so>>;..??..;;thus;;;;;;"});
    TrEnEngine e(store);
    EXPECT_EQ(Utf8(e.PostEditTrEnglish("i read the book and read the book")), "I studied and studied ");
    EXPECT_EQ(Utf8(e.PostEditTrEnglish("so  it  goes")), "thus it goes ");
    // Through the whole engine: the generated sentence is post-edited.
    EXPECT_EQ(Translate(e, "Ali kitabı okudu"), "Ali studied");
}

}  // namespace
}  // namespace zelmor::tr_en::test
