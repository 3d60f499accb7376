// Clause-level stages: directives that re-class, join, insert, remove and
// reorder clauses, the pass limit, group directives and re-coding.
#include "tests/core/engine_en_tr/transfer/transfer_fixture.h"

namespace zelmor::en_tr::test {
namespace {

using zelmor::testing::StoreSource;

/// "I read a book today": clauses "i read" (SV), "a book" (OB), "today" (TD).
StoreSource ThreeClauses(std::vector<std::string> extra) {
    StoreSource src;
    src.en_tr = {"i;..FA..;*;ben;;;;;",        "read;..PP..;*;oku;;;;;",     "a;..ZZ..;*;bir;;;;;",
                 "book;..FF..;*;kitap;;;;;",   "today;..ZA..;*;bugün;;;;;",  "V_FAPP;..<<..;*;0*1;SV;;;;",
                 "V_ZZFF;..<<..;*;0*1;OB;;;;", "V_ZA;..<<..;*;0;TD;;;;"};
    for (auto& line : extra) src.en_tr.push_back(line);  // UTF-8 source lines
    return src;
}

const char* kSentence = "I read a book today";

TEST(ClauseStages, FormationGivesThreeClauses) {
    TransferFixture f(ThreeClauses({}));
    f.Sentence(kSentence);
    EXPECT_EQ(f.Code(), "WSVOBTD");
    EXPECT_EQ(f.BufferA(), "ben oku,bir kitap,bugün,");
}

struct DirectiveCase {
    const char* name;
    std::vector<std::string> rules;
    const char* code;                // TransferCode afterwards
    std::vector<const char*> keys;   // clause keys afterwards
};

void PrintTo(const DirectiveCase& c, std::ostream* os) { *os << c.name; }

class ClauseDirective : public ::testing::TestWithParam<DirectiveCase> {};

TEST_P(ClauseDirective, ChangesTheClauses) {
    const DirectiveCase& c = GetParam();
    TransferFixture f(ThreeClauses(c.rules));
    f.Sentence(kSentence);
    EXPECT_EQ(f.Code(), c.code);
    for (std::size_t i = 0; i < c.keys.size(); ++i) EXPECT_EQ(f.Key(static_cast<int>(i) + 1), c.keys[i]) << i;
    // One record a clause code, none after them.
    const std::size_t clauses = (std::string_view(c.code).size() - 1) / 2;
    EXPECT_FALSE(f.S().OrderedTable[clauses].IsEmpty());
    EXPECT_TRUE(f.S().OrderedTable[clauses + 1].IsEmpty());
}

INSTANTIATE_TEST_SUITE_P(
    Stage2, ClauseDirective,
    ::testing::Values(
        DirectiveCase{"Join", {"R1_SVOBTD;..//..;*;*;;;;;1<A*>2"}, "WA*TD", {"i read a book", "today"}},
        DirectiveCase{"Reorder", {"R1_SVOBTD;..//..;*;*;;;;;1<x>x312"}, "WTDSVOB", {"today", "i read", "a book"}},
        DirectiveCase{"InsertThat", {"R1_SVOBTD;..//..;*;*;;;;;1<th>"}, "WSVXWOBTD", {"i read", "that", "a book"}},
        DirectiveCase{"InsertComma", {"R1_SVOBTD;..//..;*;*;;;;;2<n9>"}, "WSVOBn9TD", {"i read", "a book", "n9"}},
        DirectiveCase{"RemoveIntoNext", {"R1_SVOBTD;..//..;*;*;;;;;1<z>2"}, "WOBTD", {"a book", "today"}},
        DirectiveCase{"PairEntry",
                      {"R1_SVOBTD;..//..;*;*;;;;;1_2", "i read__a book;..YR..;*;kitabı okudum;;;;;"},
                      "WYRTD",
                      {"i read__a book", "today"}},
        DirectiveCase{"NameOnlyForTheFirstClause", {"R1_SVOBTD;..//..;*;*;;;;;3?(FF)"}, "WSVOBTD", {"i read"}},
        DirectiveCase{"Field5Recodes", {"R1_SVOBTD;..//..;*;*;X1;Q2;;;*"}, "WQ2OBTD", {"i read"}},
        DirectiveCase{"Recode4", {"R4_SVOBTD;..//..;*;*;;;;;2=QQ,3=RR"}, "WSVQQRR", {"i read", "a book"}}),
    [](const auto& info) { return std::string(info.param.name); });

/// "I hope so": one clause a word, "i" (SB), "hope" (VB), "so" (AD).
struct WordClauseCase {
    const char* name;
    const char* rule;
    const char* code;
    int clause;           // clause to look at afterwards
    const char* key;
    const char* meaning;
    const char* extra = nullptr;          // a further entry
    const char* sentence = "I hope so";
};

void PrintTo(const WordClauseCase& c, std::ostream* os) { *os << c.name; }

class WordClauseDirective : public ::testing::TestWithParam<WordClauseCase> {};

TEST_P(WordClauseDirective, RereadsTheClause) {
    const WordClauseCase& c = GetParam();
    StoreSource src;
    src.en_tr = {"i;..FA..;*;ben;;;;;", "hope;..PP..;*;um;;;;;", "so;..ZS..;*;öyle;;;;;",
                 "V_FA;..<<..;*;0;SB;;;;", "V_PP;..<<..;*;0;VB;;;;", "V_ZS;..<<..;*;0;AD;;;;", c.rule,
                 "it;..FA..;*;o;;;;;"};
    if (c.extra) src.en_tr.push_back(c.extra);
    TransferFixture f(src);
    f.Sentence(c.sentence);
    EXPECT_EQ(f.Code(), c.code);
    EXPECT_EQ(f.Key(c.clause), c.key);
    EXPECT_EQ(f.Meaning(c.clause), c.meaning);
}

INSTANTIATE_TEST_SUITE_P(
    Stage2, WordClauseDirective,
    ::testing::Values(
        WordClauseCase{"HopeIdiom", "R1_SBVBAD;..//..;*;*;;;;;1<hp2", "WYYAD", 1, "i_hope", "inşallah"},
        WordClauseCase{"SoInPlace", "R1_SBVBAD;..//..;*;*;;;;;3?(so)", "WSBVBYS", 3, "so(2)", "de"},
        WordClauseCase{"SoOnlyForSo", "R1_SBVBAD;..//..;*;*;;;;;2?(so)", "WSBVBAD", 2, "hope", "um"},
        WordClauseCase{"UnitePrefix", "R1_SBVBAD;..//..;*;*;;;;;2<U+>3", "WSBVB", 2, "so hope", "um"},
        WordClauseCase{"FutureAuxiliary", "R1_SBVBAD;..//..;*;*;;;;;1<BQ>23", "WSBVBPC", 3, "will", "*"},
        WordClauseCase{"VerbReading", "R1_SBVBAD;..//..;*;*;;;;;2?(fiiller)", "WSBPZAD", 2, "hope(3)", "umut et",
                       "hope(3);..PZ..;*;umut et;;;;;"},
        WordClauseCase{"ItWithoutVerbReading", "R1_SBVBAD;..//..;*;*;;;;;12?(fiiller)", "WSBVBAD", 1, "it", "*",
                       nullptr, "it hope so"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(ClauseStages, PairItemsAreTraced) {
    TransferFixture f(ThreeClauses({"R1_SVOBTD;..//..;*;*;;;;;1_2"}));
    f.engine.EngineMode = "Q47";
    f.Sentence(kSentence);
    EXPECT_TRUE(f.TraceHas(f.S().TraceLog2, "T==2..2_3.left__open..i read__a book-->False"));
    EXPECT_TRUE(f.TraceHas(f.S().TraceLog2, "T=2R1_SVOBTD-->1_2"));
    EXPECT_EQ(f.Code(), "WSVOBTD");
}

TEST(ClauseStages, JoinedRuleReadsStarsAndDoesNotFireAgain) {
    // After the join the rule's field 8 reads "<**>"; the same window comes
    // back with the rule for "A*TD" and must not be joined again.
    TransferFixture f(ThreeClauses({"R1_SVOBTD;..//..;*;*;;;;;1<A*>2", "R1_A*TD;..//..;*;*;;;;;1<A*>2"}));
    f.engine.EngineMode = "Q47";
    f.Sentence(kSentence);
    EXPECT_EQ(f.Code(), "WA*");
    EXPECT_EQ(f.Key(1), "i read a book today");
    EXPECT_EQ(f.Meaning(1), "ben oku bir kitap bugün");
}

TEST(ClauseStages, StageTwoEndsAfterFivePasses) {
    // Two rules that swap the first two clauses back and forth for ever.
    TransferFixture f(ThreeClauses({"R1_SVOBTD;..//..;*;*;;;;;1<x>x21", "R1_OBSVTD;..//..;*;*;;;;;1<x>x21"}));
    f.engine.EngineMode = "Q47";
    f.Sentence(kSentence);
    EXPECT_EQ(f.stages.LastFigures().stage2Passes, 5);
    EXPECT_EQ(f.Code(), "WOBSVTD");  // five swaps
    int fired = 0;
    for (const auto& l : f.S().TraceLog2)
        if (l.starts_with("T=2R1_") && l.find("<x>") != std::string::npos) ++fired;
    EXPECT_GE(fired, 5);
}

TEST(ClauseStages, UnchangedPatternEndsTheStage) {
    TransferFixture f(ThreeClauses({}));
    f.engine.EngineMode = "Q47";
    f.Sentence(kSentence);
    EXPECT_EQ(f.stages.LastFigures().stage2Passes, 1);
    EXPECT_TRUE(f.TraceHas(f.S().TraceLog2, "T==2R1_SVOBTD"));
}

// ---------------------------------------------------------------- groups

const std::string kGroupRule = "R1_SVOBTD;..//..;*;*;;;;;12<F+>21";

TEST(GroupDirectives, UserTranslationWinsOverIdiomAndTemplate) {
    StoreSource src = ThreeClauses({kGroupRule, "Z_i_read_a_book;..ZZ..;*;deyim;;;;;", "V_SVOB;..ZZ..;*;1*0;;;;;"});
    src.en_user = {"i read a book=kitabı okudum"};
    TransferFixture f(src);
    f.Sentence(kSentence);
    EXPECT_EQ(f.Code(), "WFITD");
    EXPECT_EQ(f.Key(1), "i read a book");
    EXPECT_EQ(f.Meaning(1), "kitabı okudum");
    EXPECT_EQ(f.Key(2), "today");  // restored after the group and moved forward
    EXPECT_EQ(f.Meaning(2), "bugün");
}

TEST(GroupDirectives, IdiomThenTemplateThenClauseMeanings) {
    {
        TransferFixture f(ThreeClauses({kGroupRule, "Z_i_read_a_book;..ZZ..;*;deyim;;;;;", "V_SVOB;..ZZ..;*;1*0;;;;;"}));
        f.Sentence(kSentence);
        EXPECT_EQ(f.Meaning(1), "deyim");
    }
    {
        // The template over the codes in sentence order runs on the group's
        // clauses in ordered slots.
        TransferFixture f(ThreeClauses({kGroupRule, "V_SVOB;..ZZ..;*;1*0;;;;;"}));
        f.Sentence(kSentence);
        EXPECT_EQ(f.Meaning(1), "bir kitap ben oku");
    }
    {
        // Nothing known: the meanings in the second order, each after a blank.
        TransferFixture f(ThreeClauses({"R1_SVOBTD;..//..;*;*;;;;QQFF;12<F+>21"}));
        f.Sentence(kSentence);
        EXPECT_EQ(f.Meaning(1), " bir kitap ben oku");
        EXPECT_EQ(f.Code(), "WFFTD");  // code from field 7
    }
}

TEST(GroupDirectives, SentenceGroupIsAssembledInModeThree) {
    TransferFixture f(ThreeClauses({"R1_SVOBTD;..//..;*;*;;;;;12<FQ>21"}));
    f.Sentence(kSentence);
    ASSERT_FALSE(f.assembly.calls.empty());
    EXPECT_EQ(f.assembly.calls.front(), "ZOBSV/3");
    EXPECT_EQ(f.Meaning(1), "grup cümlesi, ");
    EXPECT_EQ(Utf8(f.Clause(1).field8.view()), "i read a book");
    EXPECT_EQ(f.Code(), "WFITD");
    EXPECT_EQ(f.Key(2), "today");
}

TEST(GroupDirectives, ConditionalSentenceGroupNeedsItsZEntry) {
    {
        TransferFixture f(ThreeClauses({"R1_SVOBTD;..//..;*;*;;;;;12<FQ/21"}));
        f.Sentence(kSentence);
        EXPECT_EQ(f.Code(), "WSVOBTD");
        EXPECT_TRUE(f.assembly.calls.empty() || f.assembly.calls.back().ends_with("/0"));
    }
    {
        TransferFixture f(ThreeClauses({"R1_SVOBTD;..//..;*;*;;;;;12<FQ/21", "Z_i read_a book;..ZZ..;*;x;;;;;"}));
        f.Sentence(kSentence);
        EXPECT_EQ(f.Code(), "WFITD");
        EXPECT_EQ(f.Meaning(1), "grup cümlesi, ");
    }
}

StoreSource TwoVerbs(std::vector<std::string> extra) {
    StoreSource src;
    src.en_tr = {"want;..PP..;*;iste;;;;;",     "wants;..PP..;*;istiyor;;;;;", "swim;..PQ..;*;yüz;;;;;",
                 "V_PP;..<<..;*;0;PA;;;;",      "V_PQ;..<<..;*;0;PB;;;;",      "R1_PAPB;..//..;*;*;;;;;12<P+>12"};
    for (auto& line : extra) src.en_tr.push_back(line);  // UTF-8 source lines
    return src;
}

TEST(GroupDirectives, VerbToVerbWithoutPairTakesTheInfinitive) {
    TransferFixture f(TwoVerbs({}));
    f.Sentence("want swim");
    EXPECT_EQ(f.Code(), "WPP");
    EXPECT_EQ(f.Meaning(1), "yüzmek iste");
    EXPECT_EQ(Utf8(f.Clause(1).field8.view()), "want swim");
}

TEST(GroupDirectives, VerbToVerbDativeWhenTheFirstVerbAsksForIt) {
    StoreSource src = TwoVerbs({});
    src.en_tr[0] = "want;..PP..;*;iste;;;..e;;";
    TransferFixture f(src);
    f.Sentence("want swim");
    EXPECT_EQ(f.Meaning(1), "yüzmeye iste");
}

TEST(GroupDirectives, VerbToVerbPairEntry) {
    TransferFixture f(TwoVerbs({"want_to_swim;..PP..;*;yüzmek istiyor;;;;;"}));
    f.Sentence("wants swim");
    EXPECT_EQ(f.Meaning(1), "yüzmek istiyor");
}

}  // namespace
}  // namespace zelmor::en_tr::test

namespace zelmor::en_tr::test {
namespace {

TEST(TransferFailure, ClauseTableOverflowIsACaughtSentenceFailure) {
    // Thirty one-word clauses fill the clause table; a directive that
    // inserts one more must fail the sentence, not write past the table.
    StoreSource src;
    std::string rule = "R1_";
    for (int i = 0; i < 22; ++i) rule += "AA";  // the longest window a key can hold
    src.en_tr = {"w;..FF..;*;su;;;;;", "V_FF;..<<..;*;0;AA;;;;", rule + ";..//..;*;*;;;;;1<th>"};
    TransferFixture f(src);
    std::string sentence;
    for (int i = 0; i < 30; ++i) sentence += "w ";
    EXPECT_EQ(f.Sentence(sentence), "uzun cümleler");
    ASSERT_FALSE(f.messages.shown.empty());
    EXPECT_EQ(f.messages.shown.back(), "W1 karışık cümle  !..");
    EXPECT_EQ(f.stages.LastFigures().clausesFormed, 30);
}

}  // namespace
}  // namespace zelmor::en_tr::test

namespace zelmor::en_tr::test {
namespace {

TEST(TransferRobustness, AnyDigitsInAnyDirectiveStayInsideTheTables) {
    // Every directive with every digit pair, including digits naming clauses
    // that do not exist, on the longest window and on a later one.
    const char* directives[] = {"<U+>", "<x>x", "<h>",  "<z>",  "<d>",  "<f9>", "<BQ>", "<th>", "<n9>",
                                "<pf",  "<pBB", "<A*>", "<F+>", "<IA>", "<wh>", "<hp",  "<P+>", "<FQ>",
                                "<FQ/", "?(fiiller)", "?(going)", "?(been)", "?(may)", "_", "+BB", "="};
    int runs = 0;
    for (const char* d : directives) {
        for (const char* digits : {"0", "1", "9", "12", "31", "99", "123"}) {
            for (const char* window : {"R1_SVOBTD", "R1_OBTD", "R4_SVOBTD"}) {
                std::string f8 = std::string(digits) + d + digits;
                TransferFixture f(ThreeClauses({std::string(window) + ";..//..;*;*;;;;;" + f8}));
                const std::string out = f.Sentence(kSentence);
                EXPECT_NE(out, "uzun cümleler") << window << " " << f8;
                EXPECT_TRUE(f.messages.shown.empty()) << window << " " << f8;
                ++runs;
            }
        }
    }
    EXPECT_EQ(runs, 26 * 7 * 3);
}

}  // namespace
}  // namespace zelmor::en_tr::test
