// The forms chosen by the stem class alone, for a verb of every class,
// checked as whole Turkish words.
#include <gtest/gtest.h>

#include <functional>
#include <sstream>

#include "tests/core/engine_en_tr/generation/verb_fixture.h"

namespace zelmor::en_tr {
namespace {

using namespace testing_support;
using zelmor::testing::Cp;
using zelmor::testing::Utf8;

std::vector<std::string> SplitBars(const std::string& s) {
    std::vector<std::string> out;
    std::istringstream in(s);
    for (std::string w; std::getline(in, w, '|');) out.push_back(w);
    return out;
}

struct FixedFormCase {
    const char* name;
    // The suffix for the code of class `cls` (affirmative statement, person A).
    std::function<std::string(const std::string& code, bool voiceless)> suffix;
    const char* words;  // the 12 expected words, "|"-separated
};

std::string ViaState(void (*selector)(InflectionState&), const std::string& code) {
    InflectionState st;
    st.InflectionCode.Assign(code);
    selector(st);
    return st.SuffixText;
}

std::string WithPerson(void (*selector)(InflectionState&), char person, const std::string& code) {
    std::string c = code;
    c[0] = person;
    return ViaState(selector, c);
}

std::string NegativeCode(const std::string& code) {
    std::string c = code;
    c[4] = 'B';
    return c;
}

const std::vector<FixedFormCase>& Cases() {
    static const std::vector<FixedFormCase> cases = {
        {"AfterSuffix", [](auto& c, bool v) { return AfterSuffix(0, c, v); },
         "sevdikten sonra|baktıktan sonra|geldikten sonra|kaldıktan sonra|istedikten sonra|anladıktan sonra|"
         "okuduktan sonra|yürüdükten sonra|gördükten sonra|bulduktan sonra|döndükten sonra|tuttuktan sonra"},
        {"AfterSuffix negative", [](auto& c, bool v) { return AfterSuffix(12, c, v); },
         "sevmedikten sonra|bakmadıktan sonra|gelmedikten sonra|kalmadıktan sonra|istemedikten sonra|"
         "anlamadıktan sonra|okumadıktan sonra|yürümedikten sonra|görmedikten sonra|bulmadıktan sonra|"
         "dönmedikten sonra|tutmadıktan sonra"},
        {"BeforeSuffix", [](auto& c, bool) { return BeforeSuffix(c); },
         "sevmeden önce|bakmadan önce|gelmeden önce|kalmadan önce|istemeden önce|anlamadan önce|okumadan önce|"
         "yürümeden önce|görmeden önce|bulmadan önce|dönmeden önce|tutmadan önce"},
        {"UntilSuffix", [](auto& c, bool) { return UntilSuffix(c); },
         "sevinceye kadar|bakıncaya kadar|gelinceye kadar|kalıncaya kadar|isteyinceye kadar|anlayıncaya kadar|"
         "okuyuncaya kadar|yürüyünceye kadar|görünceye kadar|buluncaya kadar|dönünceye kadar|tutuncaya kadar"},
        {"WhileSuffix", [](auto& c, bool) { return WhileSuffix(c); },
         "severken|bakarken|gelirken|kalırken|isterken|anlarken|okurken|yürürken|görürken|bulurken|dönerken|"
         "tutarken"},
        {"AsSoonAsSuffix", [](auto& c, bool) { return AsSoonAsSuffix(c); },
         "sevince hemen|bakınca hemen|gelince hemen|kalınca hemen|isteyince hemen|anlayınca hemen|"
         "okuyunca hemen|yürüyünce hemen|görünce hemen|bulunca hemen|dönünce hemen|tutunca hemen"},
        {"AlthoughSuffix", [](auto& c, bool v) { return AlthoughSuffix(0, c, v); },
         "sevdiği halde|baktığı halde|geldiği halde|kaldığı halde|istediği halde|anladığı halde|okuduğu halde|"
         "yürüdüğü halde|gördüğü halde|bulduğu halde|döndüğü halde|tuttuğu halde"},
        {"AlthoughSuffix negative", [](auto& c, bool v) { return AlthoughSuffix(12, c, v); },
         "sevmediği halde|bakmadığı halde|gelmediği halde|kalmadığı halde|istemediği halde|anlamadığı halde|"
         "okumadığı halde|yürümediği halde|görmediği halde|bulmadığı halde|dönmediği halde|tutmadığı halde"},
        {"UnlessSuffix", [](auto& c, bool) { return UnlessSuffix(c); },
         "sevmedikçe|bakmadıkça|gelmedikçe|kalmadıkça|istemedikçe|anlamadıkça|okumadıkça|yürümedikçe|"
         "görmedikçe|bulmadıkça|dönmedikçe|tutmadıkça"},
        {"AccusativeNounSuffix A", [](auto& c, bool) { return AccusativeNounSuffix('A', c); },
         "sevmeyi|bakmayı|gelmeyi|kalmayı|istemeyi|anlamayı|okumayı|yürümeyi|görmeyi|bulmayı|dönmeyi|tutmayı"},
        {"AccusativeNounSuffix B", [](auto& c, bool) { return AccusativeNounSuffix('B', c); },
         "sevmemeyi|bakmamayı|gelmemeyi|kalmamayı|istememeyi|anlamamayı|okumamayı|yürümemeyi|görmemeyi|"
         "bulmamayı|dönmemeyi|tutmamayı"},
        {"DativeNounSuffix", [](auto& c, bool) { return DativeNounSuffix(c); },
         "sevmeye|bakmaya|gelmeye|kalmaya|istemeye|anlamaya|okumaya|yürümeye|görmeye|bulmaya|dönmeye|tutmaya"},
        {"NegationSuffix", [](auto& c, bool) { return ViaState(NegationSuffix, c); },
         "sevme|bakma|gelme|kalma|isteme|anlama|okuma|yürüme|görme|bulma|dönme|tutma"},
        {"InfinitiveSuffix", [](auto& c, bool) { return ViaState(InfinitiveSuffix, c); },
         "sevmek|bakmak|gelmek|kalmak|istemek|anlamak|okumak|yürümek|görmek|bulmak|dönmek|tutmak"},
        {"NegativeInfinitiveSuffix", [](auto& c, bool) { return ViaState(NegativeInfinitiveSuffix, c); },
         "sevmemek|bakmamak|gelmemek|kalmamak|istememek|anlamamak|okumamak|yürümemek|görmemek|bulmamak|"
         "dönmemek|tutmamak"},
        {"ParticipleEnSuffix", [](auto& c, bool) { return ViaState(ParticipleEnSuffix, c); },
         "seven|bakan|gelen|kalan|isteyen|anlayan|okuyan|yürüyen|gören|bulan|dönen|tutan"},
        {"ParticipleEnSuffix negative", [](auto& c, bool) { return ViaState(ParticipleEnSuffix, NegativeCode(c)); },
         "sevmeyen|bakmayan|gelmeyen|kalmayan|istemeyen|anlamayan|okumayan|yürümeyen|görmeyen|bulmayan|"
         "dönmeyen|tutmayan"},
        {"FutureParticipleSuffix", [](auto& c, bool) { return ViaState(FutureParticipleSuffix, c); },
         "sevecek|bakacak|gelecek|kalacak|isteyecek|anlayacak|okuyacak|yürüyecek|görecek|bulacak|dönecek|tutacak"},
        {"OptativeSuffix A", [](auto& c, bool) { return WithPerson(OptativeSuffix, 'A', c); },
         "seveyim|bakayım|geleyim|kalayım|isteyeyim|anlayayım|okuyayım|yürüyeyim|göreyim|bulayım|döneyim|"
         "tutayım"},
        {"OptativeSuffix C", [](auto& c, bool) { return WithPerson(OptativeSuffix, 'C', c); },
         "sevsin|baksın|gelsin|kalsın|istesin|anlasın|okusun|yürüsün|görsün|bulsun|dönsün|tutsun"},
        {"OptativeSuffix E", [](auto& c, bool) { return WithPerson(OptativeSuffix, 'E', c); },
         "sevsin|baksın|gelsin|kalsın|istesin|anlasın|okusun|yürüsün|görsün|bulsun|dönsün|tutsun"},
        {"OptativeSuffix D", [](auto& c, bool) { return WithPerson(OptativeSuffix, 'D', c); },
         "sevelim|bakalım|gelelim|kalalım|isteyelim|anlayalım|okuyalım|yürüyelim|görelim|bulalım|dönelim|"
         "tutalım"},
    };
    return cases;
}

TEST(FixedForms, EverySelectorGivesTheRightWordForEveryStemClass) {
    for (const auto& c : Cases()) {
        const auto expected = SplitBars(c.words);
        ASSERT_EQ(expected.size(), 12u) << c.name;
        for (int cls = 0; cls < 12; ++cls) {
            const std::string stem = Cp(kStems[static_cast<std::size_t>(cls)]);
            const std::string code = Code('A', '0', cls, 'A', 'O');
            std::string word = stem;
            AttachSuffix(word, c.suffix(code, EndsVoiceless(stem)));
            EXPECT_EQ(Utf8(word), expected[static_cast<std::size_t>(cls)]) << c.name << ", class " << cls;
        }
    }
}

TEST(FixedForms, OptativeForTheSecondPersonKeepsTheBareStem) {
    InflectionState st;
    st.SuffixText = "unchanged";
    st.InflectionCode.Assign("B002AO");
    OptativeSuffix(st);
    EXPECT_EQ(st.SuffixText, "unchanged");
}

TEST(FixedForms, SelectorsReadingTheInflectionCodeWriteSemicolonForEquals) {
    InflectionState st;
    st.InflectionCode.Assign("A00=AO");
    InfinitiveSuffix(st);
    EXPECT_EQ(st.SuffixText, "mak");
    EXPECT_EQ(st.InflectionCode.Text(), "A00;AO");
}

TEST(FixedForms, NegativeNounPossessiveByPersonAndClass) {
    struct Case {
        std::string complement;
        const char* expected;
    } cases[] = {
        {"*A0", "memi"},      {"*B1", "manızı"},  {"*C2", "mesini"}, {"*D;", "mamızı"},
        {"*E9", "malarını"},  {"*R5", "masını"},    // no person: third person singular
        {"*Ax", "memi"},                             // no class: class 0
    };
    for (const auto& c : cases) {
        InflectionState st;
        st.ComplementCode.Assign(c.complement);
        NegativeNounPossessiveSuffix(st);
        EXPECT_EQ(Utf8(st.SuffixText), c.expected) << c.complement;
    }
}

TEST(FixedForms, VerbalNounCaseRowsAndClassNormalisation) {
    struct Case {
        char row;
        std::string field6;
        const char* expected;
        const char* field6_after;
    } cases[] = {
        {'0', "2", "mek", "2"},     {'1', "3", "maya", "3"},   {'2', "7", "meyi", "7"},
        {'3', "9", "maktan", "9"},  {'4', "5AC", "yarak", "5AC"}, {'4', "8", "erek", "8"},
        {'5', "1", "mak", "1"},     {'x', "1", "mak", "1"},      // any other row reads as row 5
        {'1', "=", "maya", ";"},    {'1', "Q", "meye", "0"},     {'2', "", "meyi", "0"},
    };
    for (const auto& c : cases) {
        InflectionState st;
        st.ComplementCode.Assign(std::string("***") + c.row);
        std::string field6 = c.field6;
        VerbalNounCaseSuffix(st, field6);
        EXPECT_EQ(Utf8(st.SuffixText), c.expected) << "row " << c.row << " field 6 " << c.field6;
        EXPECT_EQ(field6, c.field6_after);
        if (c.row == 'x') {
            EXPECT_EQ(st.ComplementCode.At(4), '5');
        }
    }
}

}  // namespace
}  // namespace zelmor::en_tr
