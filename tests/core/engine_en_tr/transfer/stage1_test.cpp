// Clause formation over the word classes: clause records, the sentence-level
// short-cuts, names, the nine-word window, word-level rules and the output.
#include "tests/core/engine_en_tr/transfer/transfer_fixture.h"

namespace zelmor::en_tr::test {
namespace {

using zelmor::testing::StoreSource;

StoreSource BookWords() {
    StoreSource src;
    src.en_tr = {"i;..FA..;*;ben;;;;;", "read;..PP..;*;oku;;;;;", "a;..ZZ..;*;bir;;;;;",
                 "book;..FF..;*;kitap;;;;;"};
    return src;
}

TEST(ClauseFormation, OneClauseRuleMakesAClauseRecord) {
    StoreSource src = BookWords();
    src.en_tr.push_back("V_FAPPZZFF;..<<..;*;0*2*3*1;FPx;;1A;;");
    TransferFixture f(src);
    // The whole text road: segmentation, analysis, transfer; without sentence
    // assembly the clause texts come back from TurkishBufferA.
    EXPECT_EQ(f.Text("I read a book."), "Ben bir kitap oku, .");
    EXPECT_EQ(f.BufferA(), "ben bir kitap oku,");
    EXPECT_EQ(f.Code(), "WFP");
    const WordRecord& c = f.Clause(1);
    EXPECT_EQ(f.Key(1), "i read a book");
    EXPECT_EQ(f.Meaning(1), "ben bir kitap oku");
    // Positions 1-2 of the last word's code (the first replaced by the
    // clause number), the clause code, position 5 of the last word.
    EXPECT_EQ(c.code.str(), "1.FP.");
    EXPECT_EQ(c.field2.str(), "*");
    EXPECT_EQ(c.field4.str(), " ");
    EXPECT_EQ(c.field7.str(), "*");
    EXPECT_EQ(c.field8.str(), "i read a book");
    EXPECT_EQ(f.S().ClauseTable[1].key.str(), "V_FAPPZZFF");
    EXPECT_EQ(f.S().WordFlags[1].str(), "1A");
    EXPECT_TRUE(f.S().TransferDone);
    EXPECT_TRUE(f.S().OrderedTable[2].IsEmpty());
}

TEST(ClauseFormation, LongestWindowFirstThenTheRest) {
    StoreSource src = BookWords();
    src.en_tr.push_back("V_FAPP;..<<..;*;0*1;SV;;;;");
    src.en_tr.push_back("V_ZZFF;..<<..;*;0*1;OB;;2B;;");
    src.en_tr.push_back("V_FA;..<<..;*;0;XX;;;;");  // shorter: never reached for word 1
    TransferFixture f(src);
    f.Sentence("I read a book");
    EXPECT_EQ(f.Code(), "WSVOB");
    EXPECT_EQ(f.BufferA(), "ben oku,bir kitap,");
    EXPECT_EQ(f.Key(2), "a book");
    EXPECT_EQ(f.S().WordFlags[1].str(), "1C");  // empty field 6
    EXPECT_EQ(f.S().WordFlags[2].str(), "2B");
    EXPECT_EQ(f.stages.LastFigures().clausesFormed, 2);
}

TEST(ClauseFormation, WordsWithoutAClauseRuleStayUnconsumed) {
    StoreSource src = BookWords();
    src.en_tr.push_back("V_ZZFF;..<<..;*;0*1;OB;;;;");
    TransferFixture f(src);
    f.engine.EngineMode = "Q47";
    f.Sentence("I read a book");
    // The first word has no rule, so no window can start past it.
    EXPECT_EQ(f.Code(), "W");
    EXPECT_EQ(f.BufferA(), "");
    EXPECT_TRUE(f.TraceHas(f.S().TraceLog2, "R1_FAPPZZFF;..//..;;FAPPZZFF;;;;;  DDI"));
    EXPECT_TRUE(f.TraceHas(f.S().TraceLog2, "R1_FA;..//..;;FA;;;;;  DDI"));
}

TEST(ClauseFormation, ForeignCharacterInThePatternStopsTheTransfer) {
    for (const char* code : {"..F0..", "..Ff.."}) {
        StoreSource src = BookWords();
        src.en_tr[3] = std::string("book;") + code + ";*;kitap;;;;;";
        src.en_tr.push_back("V_FAPPZZFF;..<<..;*;0;FP;;;;");
        TransferFixture f(src);
        EXPECT_EQ(f.Sentence("I read a book"), "Karışık cümle...") << code;
        EXPECT_EQ(f.S().SentenceState, '$');
        EXPECT_TRUE(f.S().TransferDone);
        EXPECT_EQ(f.Code(), "");
    }
}

TEST(ClauseFormation, WholeSentenceEntryIsTakenWhole) {
    StoreSource src = BookWords();
    src.en_tr.push_back("i_read_a_book;..ZZ..;*;kitap okudum;;;;;");
    src.en_tr.push_back("V_FAPPZZFF;..<<..;*;0;FP;;;;");
    TransferFixture f(src);
    EXPECT_EQ(f.Sentence("I read a book"), "kitap okudum");
    EXPECT_EQ(f.S().SentenceState, '$');
    EXPECT_TRUE(f.S().OrderedTable[1].IsEmpty());
    // Two words are never looked up whole.
    StoreSource two = BookWords();
    two.en_tr.push_back("i_read;..ZZ..;*;okudum;;;;;");
    TransferFixture g(two);
    g.Sentence("I read");
    EXPECT_NE(g.S().SentenceState, '$');
}

TEST(ClauseFormation, SentencePatternRuleIsTraced) {
    StoreSource src = BookWords();
    src.en_tr.push_back("V_FAPPZZFF;..<<..;*;0*1;FP;;;;");
    TransferFixture f(src);
    f.engine.EngineMode = "Q47";
    const std::string out = f.Sentence("I read a book");
    EXPECT_TRUE(f.TraceHas(f.S().TraceLog1, "11-->0=V_FAPPZZFF"));
    EXPECT_TRUE(f.TraceHas(f.S().TraceLog1, "11-->1=KAYIT=V_FAPPZZFF;..<<..;*;0*1;FP;;;;"));
    EXPECT_TRUE(f.TraceHas(f.S().TraceLog1, "11--->1=ENG[1]=i read a book;1.FP.;*;ben oku"));
    // The trace leads the sentence's text in trace mode.
    EXPECT_NE(out.find("-----------2-----------"), std::string::npos);
    EXPECT_NE(out.find(";Q47;"), std::string::npos);
}

TEST(ClauseFormation, CapitalisedUnknownNounsMergeIntoOneName) {
    StoreSource src;
    src.en_tr = {"i;..FA..;*;ben;;;;;", "saw;..PP..;*;gör;;;;;", "V_FAPPF*;..<<..;*;0*2*1;FP;;;;"};
    TransferFixture f(src);
    f.Sentence("I saw John Smith");
    EXPECT_EQ(f.S().WordCount, 3);
    EXPECT_EQ(Utf8(f.S().WordTable[3].key.view()), "*John *Smith");
    EXPECT_TRUE(f.S().WordTable[4].IsEmpty());
    EXPECT_EQ(f.Code(), "WFP");
    EXPECT_EQ(f.Key(1), "i saw *John *Smith");
    EXPECT_EQ(f.Meaning(1), "ben *John *Smith gör");
}

TEST(ClauseFormation, TwelveWordsAreScannedNineAtATime) {
    StoreSource src;
    src.en_tr = {"w;..FF..;*;su;;;;;"};
    auto rule = [](int words, const char* code) {
        std::string key = "V_";
        for (int i = 0; i < words; ++i) key += "FF";
        return key + ";..<<..;*;0;" + code + ";;;;";
    };
    src.en_tr.push_back(rule(12, "TW"));
    src.en_tr.push_back(rule(10, "TE"));
    src.en_tr.push_back(rule(9, "NI"));
    src.en_tr.push_back(rule(3, "TH"));
    TransferFixture f(src);
    f.Sentence("w w w w w w w w w w w w");
    EXPECT_EQ(f.S().WordCount, 12);
    EXPECT_EQ(f.Code(), "WNITH");
    EXPECT_EQ(f.Key(1), "w w w w w w w w w");
    EXPECT_EQ(f.Key(2), "w w w");
}

TEST(WordRules, ReclassItemChangesTheWindowBeforeTheClauseRule) {
    StoreSource src = BookWords();
    // d counts from the word at which field 4's letters ("PP") stand.
    src.en_tr.push_back("R1_FAPPZZFF;..//..;*;*;PP;;;;1=PX");
    src.en_tr.push_back("V_FAPXZZFF;..<<..;*;0*1;RX;;;;");
    src.en_tr.push_back("V_FAPPZZFF;..<<..;*;0*1;NO;;;;");
    TransferFixture f(src);
    f.Sentence("I read a book");
    EXPECT_EQ(f.Code(), "WRX");
    EXPECT_EQ(f.S().ClassPattern.str(), " FAPXZZFF");
}

TEST(WordRules, ThatVanishesAndPairsRereadTheSecondWord) {
    StoreSource src;
    src.en_tr = {"i;..FA..;*;ben;;;;;",          "know;..PP..;*;bil;;;;;",
                 "that;..ZT..;*;şu;;;;;",         "it;..FA..;*;o;;;;;",
                 "R1_FAPPZTFA;..//..;*;*;;;;;3?(that),2++4", "know++it;..FB..;*;onu;;;;;",
                 "V_FAPPXWFB;..<<..;*;0*3*2*1;FP;;;;"};
    TransferFixture f(src);
    f.Sentence("I know that it");
    EXPECT_EQ(f.Code(), "WFP");
    EXPECT_EQ(f.S().ClassPattern.str(), " FAPPXWFB");
    EXPECT_EQ(Utf8(f.S().WordTable[3].code.view()), "..XW..");
    EXPECT_EQ(f.Meaning(1), "ben onu  bil");  // "that" left a blank
}

TEST(WordRules, IsimTakesTheNounReading) {
    StoreSource src;
    src.en_tr = {"i;..FA..;*;ben;;;;;", "like;..PP..;*;sev;;;;;", "swim;..PP..;*;yüz;yüzme;FF;;;",
                 "R1_FAPPPP;..//..;*;*;;;;;3?(isim)", "V_FAPPFF;..<<..;*;0*2l*1;FP;;;;"};
    TransferFixture f(src);
    f.Sentence("I like swim");
    EXPECT_EQ(f.Code(), "WFP");
    EXPECT_EQ(f.Meaning(1), "ben yüzmeyi sev");
}

TEST(Output, UserTranslationReplacesTheClauseTextAfterBufferA) {
    StoreSource src = BookWords();
    src.en_tr.push_back("V_FAPP;..<<..;*;0*1;SV;;;;");
    src.en_tr.push_back("V_ZZFF;..<<..;*;0*1;FF;;;;");
    src.en_user = {"a book=kitabı"};
    TransferFixture f(src);
    f.Sentence("I read a book");
    EXPECT_EQ(f.BufferA(), "ben oku,bir kitap,");
    EXPECT_EQ(f.Meaning(1), "ben oku");  // its code has no "F"
    EXPECT_EQ(f.Meaning(2), "kitabı");
}

}  // namespace
}  // namespace zelmor::en_tr::test
