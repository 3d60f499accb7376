// Segmentation of English text into sentences, separators and markers, and
// the abbreviation and number rules of the token scanner.
#include "tests/core/engine_en_tr/analysis/engine_fixture.h"

namespace zelmor::en_tr::test {
namespace {

using Segments = std::vector<std::string>;

Segments SegmentsOf(const std::string& utf8, zelmor::testing::StoreSource src = {}) {
    EngineFixture f(src);
    f.engine.FillAbbreviationSet();
    Segments out;
    for (const auto& s : f.engine.Segment(Cp(utf8))) out.push_back(Utf8(s));
    return out;
}

struct SegmentCase {
    const char* name;
    std::string text;
    Segments expected;
};

class SegmentationTest : public ::testing::TestWithParam<SegmentCase> {};

TEST_P(SegmentationTest, CutsTextIntoSegments) {
    EXPECT_EQ(SegmentsOf(GetParam().text), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, SegmentationTest,
    ::testing::Values(
        SegmentCase{"BuiltInTitleRejoined", "Mr. Smith came.", {"Mr. Smith came ", "."}},
        SegmentCase{"AbbreviationInside", "He lives in the U.S. now.", {"He lives in the U.S. now ", "."}},
        SegmentCase{"AbbreviationAtVeryEndNotRejoined", "in the U.S.", {"in the U ", ".", "S ", "."}},
        SegmentCase{"DecimalNumberOneToken", "It costs 3.50 dollars.", {"It costs 3.50 dollars ", "."}},
        SegmentCase{"NumbersJoinOnce", "1.000.000", {"1.000 ", ".", "000 "}},
        SegmentCase{"TimeAndThousands", "At 10:30 pay 1,000 now", {"At 10:30 pay 1,000 now "}},
        SegmentCase{"LineBreakAfterSentence", "Hello.\r\nNext", {"Hello ", ".e-o-s", "Next "}},
        SegmentCase{"BlankLineIsParagraph", "Hello.\r\n\r\nNext", {"Hello ", ".e-o-s", "e-o-p", "Next "}},
        SegmentCase{"CommaStaysInSentence", "Yes, I do.", {"Yes n9 I do ", "."}},
        SegmentCase{"QuestionAndExclamation", "Why? Go!", {"Why ", "? ", "Go ", "!"}},
        SegmentCase{"NoWordCharacters", "... ?! ", {}},
        SegmentCase{"TurkishLettersAreWordCharacters", "çiçek güzel", {"çiçek güzel "}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(Segmentation, MoreThan25WordsStartsANewSegmentWithTheMessage) {
    std::string text;
    for (int i = 1; i <= 26; ++i) text += "w" + std::to_string(i) + " ";
    Segments s = SegmentsOf(text + ".");
    ASSERT_EQ(s.size(), 3u);
    EXPECT_EQ(s[0], "*Uzun*Cümle,*20*den*fazla*kelime*var ,kısaltınız");
    EXPECT_EQ(s[1], "w26 ");
    EXPECT_EQ(s[2], " .");
}

TEST(Segmentation, TwentyFiveWordsStayOneSegment) {
    std::string text;
    for (int i = 1; i <= 25; ++i) text += "w ";
    EXPECT_EQ(SegmentsOf(text).size(), 1u);
}

TEST(Segmentation, AbbreviationFileRejoinsWithoutEndingTheSentence) {
    zelmor::testing::StoreSource src;
    src.abbreviations = {"Prof."};
    EXPECT_EQ(SegmentsOf("Ask Prof. Brown.", src), (Segments{"Ask Prof. Brown ", "."}));
    EXPECT_EQ(SegmentsOf("Ask Prof. Brown."), (Segments{"Ask Prof ", ". ", "Brown ", "."}));
}

TEST(Abbreviations, FindAbbreviationNeverFindsTheHeaderLine) {
    zelmor::testing::StoreSource src;
    src.abbreviations = {"Dr.", "Mr."};
    EngineFixture f(src);
    EXPECT_GT(f.engine.FindAbbreviation("Dr"), 0);
    EXPECT_GT(f.engine.FindAbbreviation("Mr"), 0);
    EXPECT_EQ(f.engine.FindAbbreviation("Xx"), 0);
    EXPECT_EQ(f.engine.FindAbbreviation(""), 0);
}

TEST(Abbreviations, SetHoldsBuiltInsSortedAndIgnoresCaseDuplicatesFromTheFile) {
    zelmor::testing::StoreSource src;
    src.abbreviations = {"mr.", "Zz."};
    EngineFixture f(src);
    f.engine.FillAbbreviationSet();
    const auto& set = f.engine.State().AbbreviationSet;
    EXPECT_EQ(set.size(), 37u);  // 36 built in ("U.S." twice) + "Zz."
    EXPECT_EQ(set.front(), "A.D.");
    EXPECT_EQ(set.back(), "Zz.");
    EXPECT_EQ(std::count(set.begin(), set.end(), "U.S."), 2);
}

TEST(ScanToken, ReportsTokenSeparatorAndFlags) {
    EngineFixture f({});
    std::string text = "Hi, there.\r\n\r\nx";
    std::size_t pos = 1;
    TokenScan a = f.engine.ScanToken(text, pos);
    EXPECT_TRUE(a.found);
    EXPECT_EQ(a.token, "Hi");
    EXPECT_EQ(a.separator, ", ");
    EXPECT_FALSE(a.sentenceEnd);
    TokenScan b = f.engine.ScanToken(text, pos);
    EXPECT_EQ(b.token, "there");
    EXPECT_EQ(b.separator, ".e-o-s");
    EXPECT_TRUE(b.sentenceEnd);
    EXPECT_TRUE(b.paragraphEnd);
    TokenScan c = f.engine.ScanToken(text, pos);
    EXPECT_EQ(c.token, "x");
    EXPECT_FALSE(f.engine.ScanToken(text, pos).found);
    EXPECT_FALSE(f.engine.ScanToken(text, pos).found);  // stays at the end
}

TEST(Capitals, AllCapitalsSentenceLooksAtTheLastLongWord) {
    EngineFixture f({});
    EXPECT_TRUE(f.engine.AllCapitalsSentence(Cp("HELLO WORLD")));
    EXPECT_TRUE(f.engine.AllCapitalsSentence(Cp("hello *WORLD a")));
    EXPECT_TRUE(f.engine.AllCapitalsSentence(Cp("GÜZEL ÇİÇEK")));
    EXPECT_FALSE(f.engine.AllCapitalsSentence(Cp("HELLO World")));
    EXPECT_FALSE(f.engine.AllCapitalsSentence(Cp("HELLO 123")));
    EXPECT_FALSE(f.engine.AllCapitalsSentence(Cp("A I")));
    EXPECT_FALSE(f.engine.AllCapitalsSentence(""));
}

}  // namespace
}  // namespace zelmor::en_tr::test
