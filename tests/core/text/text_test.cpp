#include <gtest/gtest.h>

#include "core/text/cp1254.h"
#include "core/text/search.h"
#include "core/text/split.h"
#include "core/text/turkish_case.h"

namespace zelmor::text {
namespace {

using namespace literals;

TEST(Cp1254, EveryByteSurvivesARoundTripThroughUtf8) {
    std::string all;
    for (int b = 0; b < 256; ++b) all += static_cast<char>(b);
    EXPECT_EQ(Utf8ToCp1254(Cp1254ToUtf8(all)), all);
}

TEST(Cp1254, TurkishLettersHaveTheirCodePagePositions) {
    EXPECT_EQ(Utf8ToCp1254("ÇçĞğİıÖöŞşÜü€"),
              "\xC7\xE7\xD0\xF0\xDD\xFD\xD6\xF6\xDE\xFE\xDC\xFC\x80");
    EXPECT_EQ(Cp1254ToUtf8("\xD0\xDD\xDE\xF0\xFD\xFE"), "ĞİŞğış");
}

TEST(Cp1254, CompileTimeLiteralMatchesRuntimeConversion) {
    EXPECT_EQ("kayıt hatası var="_cp, Utf8ToCp1254("kayıt hatası var="));
    EXPECT_EQ("şşşş"_cp, "\xFE\xFE\xFE\xFE");
}

TEST(Cp1254, BadInputIsReportedWithItsOffsetNeverReplacedSilently) {
    struct Case {
        std::string input;
        std::size_t offset;
    } cases[] = {
        {"ab\xC3", 2},               // truncated sequence
        {"a\xC0\xAF", 1},            // overlong '/'
        {"xy\xED\xA0\x80", 2},       // surrogate
        {"kedi 中", 5},              // no code page form
        {"\xFF", 0},
    };
    for (const auto& c : cases) {
        try {
            Utf8ToCp1254(c.input);
            ADD_FAILURE() << "accepted: " << c.input;
        } catch (const EncodingError& e) {
            EXPECT_EQ(e.offset(), c.offset) << e.what();
        }
    }
    std::size_t replaced = 0;
    EXPECT_EQ(Utf8ToCp1254Lossy("a中b\xC3", '?', &replaced), "a?b?");
    EXPECT_EQ(replaced, 2u);
}

TEST(TurkishCase, TurkishPairsBeforeAsciiRules) {
    const std::pair<const char*, const char*> cases[] = {
        {"istanbul", "İSTANBUL"}, {"ılık", "ILIK"}, {"çğıöşü", "ÇĞIÖŞÜ"}, {"café", "CAFé"}};
    for (auto& [lower, upper] : cases) {
        EXPECT_EQ(Cp1254ToUtf8(TurkishUpperCase(Utf8ToCp1254(lower))), upper);
    }
    EXPECT_EQ(Cp1254ToUtf8(TurkishLowerCase(Utf8ToCp1254("IŞIK İZMİR ÇÖĞÜ"))), "ışık izmir çöğü");
    EXPECT_TRUE(IsTurkishUpper("Ş"_cp[0]));
    EXPECT_TRUE(IsTurkishLower("ı"_cp[0]));
    EXPECT_FALSE(IsTurkishUpper('1'));
}

TEST(SplitToList, KeepsEmptyPieces) {
    const std::pair<const char*, std::vector<std::string>> cases[] = {
        {"a;;b", {"a", "", "b"}},
        {"", {""}},
        {"a;", {"a", ""}},
        {";", {"", ""}},
        {"..FF..;;kitap;;;;;", {"..FF..", "", "kitap", "", "", "", "", ""}},
    };
    std::vector<std::string> list = {"left over"};
    for (auto& [in, want] : cases) {
        SplitToList(list, in, ';');
        EXPECT_EQ(list, want) << in;
        EXPECT_EQ(CountFields(in, ';'), want.size());
    }
}

TEST(Trim, RemovesBlanksOnly) {
    EXPECT_EQ(Trim("  a b  "), "a b");
    EXPECT_EQ(Trim("\ta\t"), "\ta\t");
    EXPECT_EQ(TrimRight("car  "), "car");
    EXPECT_EQ(ReplaceAll("a  b  c", "  ", " "), "a b c");
}

TEST(OrdinalCompare, ByteOrderCaseSensitivePrefixFirst) {
    EXPECT_LT(OrdinalCompare("B", "a"), 0);
    EXPECT_LT(OrdinalCompare("car", "cars"), 0);
    EXPECT_LT(OrdinalCompare("zzz", "şşşş"_cp), 0);  // 0xFE after ASCII
    EXPECT_LT(OrdinalCompare("!!!!", "a"), 0);
    EXPECT_EQ(OrdinalCompare("kitap", "kitap"), 0);
}

TEST(BinarySearch, ClassicSearchWithHeaderRules) {
    const std::vector<std::string> keys = {"!!!!", "apple", "book", "car", "dog", std::string("şşşş"_cp)};
    EXPECT_EQ(BinarySearch(keys, "book", 2).index, 2);
    EXPECT_EQ(BinarySearch(keys, "dog", 2).index, 4);
    EXPECT_FALSE(BinarySearch(keys, "cat", 2).found());
    EXPECT_GE(BinarySearch(keys, "cat", 2).last_probe, 0);
    // A list with fewer than two entries is never searched.
    const std::vector<std::string> one = {"book"};
    EXPECT_FALSE(BinarySearch(one, "book", 2).found());
    EXPECT_TRUE(BinarySearch(one, "book").found());
    EXPECT_FALSE(BinarySearch(std::vector<std::string>{}, "x").found());
}

}  // namespace
}  // namespace zelmor::text
