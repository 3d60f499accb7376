#include <gtest/gtest.h>

#include "core/speech/number_words.h"
#include "tests/support/fixtures.h"

namespace zelmor::speech {
namespace {

using testing::Cp;
using testing::Utf8;

TEST(NumberWords, Table) {
    struct Case {
        long long n;
        const char* words;
    } cases[] = {
        {0, "SIFIR"},
        {7, "YEDİ"},
        {10, "ON"},
        {11, "ONBİR"},
        {19, "ONDOKUZ"},
        {20, "YİRMİ "},  // the exact multiples 20 and 30 keep their blank
        {30, "OTUZ "},
        {21, "YİRMİ BİR"},
        {40, "KIRK"},
        {45, "KIRK BEŞ"},
        {99, "DOKSAN DOKUZ"},
        {100, "BİR YÜZ"},
        {101, "BİR YÜZ BİR"},
        {120, "BİR YÜZ YİRMİ "},
        {1000, "BİR BİN"},
        {1999, "BİR BİN DOKUZ YÜZ DOKSAN DOKUZ"},
        {2005, "İKİ BİN BEŞ"},
        {1000000, "BİR MİLYON"},
        {1234567, "BİR MİLYON İKİ YÜZ OTUZ DÖRT BİN BEŞ YÜZ ALTMIŞ YEDİ"},
        {3000000000LL, "ÜÇ MİLYAR"},
        {2147483647,
         "İKİ MİLYAR BİR YÜZ KIRK YEDİ MİLYON DÖRT YÜZ SEKSEN ÜÇ BİN ALTI YÜZ KIRK YEDİ"},
    };
    for (const auto& c : cases) EXPECT_EQ(Utf8(NumberWords(c.n)), c.words) << c.n;
}

TEST(NumberToWords, IntegerPartReplacesAndFractionAppends) {
    struct Case {
        double x;
        const char* before;
        const char* after;
    } cases[] = {
        {12, "old", "ONİKİ "},
        {3.25, "old", "ÜÇ 250/1000"},
        {0.5, "old", "old500/1000"},  // no integer part: the fraction is appended
        {0, "old", "old"},            // neither: left as it was
        {0.0004, "old", "old"},       // rounds to 0 thousandths
        {7.9996, "", "YEDİ 1000/1000"},
    };
    for (const auto& c : cases) {
        std::string result = Cp(c.before);
        NumberToWords(c.x, result);
        EXPECT_EQ(Utf8(result), c.after) << c.x;
    }
}

TEST(SpokenNumber, DigitWordsAsTheSpeechReadsThem) {
    struct Case {
        const char* word;
        const char* spoken;  // nullptr: stays as written
    } cases[] = {
        {"100", "YÜZ "},
        {"1000", "BİN "},
        {"1999", "BİN DOKUZ YÜZ DOKSAN DOKUZ "},
        {"1100", "BİN BİR YÜZ "},
        {"101", "YÜZ BİR "},
        {"2000", "İKİ BİN "},
        {"007", "YEDİ "},
        {"0", "SIFIR"},
        {"000", "SIFIR"},
        {"999999999", "DOKUZ YÜZ DOKSAN DOKUZ MİLYON DOKUZ YÜZ DOKSAN DOKUZ BİN DOKUZ YÜZ "
                      "DOKSAN DOKUZ "},
        {"1999999999", "BİR MİLYAR DOKUZ YÜZ DOKSAN DOKUZ MİLYON DOKUZ YÜZ DOKSAN DOKUZ BİN "
                       "DOKUZ YÜZ DOKSAN DOKUZ "},
        {"2000000000", nullptr},  // 10 digits not beginning with 1
        {"10000000000", nullptr},
        {"12a", nullptr},
        {"3.14", nullptr},
        {"", nullptr},
    };
    for (const auto& c : cases) {
        auto spoken = SpokenNumber(c.word);
        if (c.spoken == nullptr) {
            EXPECT_FALSE(spoken.has_value()) << c.word;
        } else {
            ASSERT_TRUE(spoken.has_value()) << c.word;
            EXPECT_EQ(Utf8(*spoken), c.spoken) << c.word;
        }
    }
}

}  // namespace
}  // namespace zelmor::speech
