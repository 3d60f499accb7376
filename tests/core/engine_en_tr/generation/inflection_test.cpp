// Tense selectors, conditionals and InflectVerb: the index arithmetic, the
// exception entries, the tense keys and the consumption of the code.
#include <gtest/gtest.h>

#include "tests/core/engine_en_tr/generation/verb_fixture.h"

namespace zelmor::en_tr {
namespace {

using namespace testing_support;
using zelmor::testing::Cp;
using zelmor::testing::MakeStore;
using zelmor::testing::Utf8;

struct Parts {
    std::string finite, participle, participle_case;
    bool has_participle = false, has_case = false;
};

Parts Split(const std::string& cp) {
    Parts p;
    const auto mark = cp.find(kParticipleMark);
    p.finite = Utf8(cp.substr(0, mark));
    if (mark == std::string::npos) return p;
    p.has_participle = true;
    const auto slash = cp.find(kCaseMark, mark + 1);
    p.participle = Utf8(cp.substr(mark + 1, slash == std::string::npos ? std::string::npos : slash - mark - 1));
    if (slash != std::string::npos) {
        p.has_case = true;
        p.participle_case = Utf8(cp.substr(slash + 1));
    }
    return p;
}

TEST(TenseSuffix, IndexArithmeticOfTheTables) {
    struct Case {
        char letter;
        int offset;
        const char* code;
        bool voiceless;
        char state;
        const char* finite;
        const char* participle;  // nullptr: no participle part
        const char* participle_case;  // nullptr: no case part
    } cases[] = {
        // Aorist, class 9 (bul-ur), first person, every polarity group.
        {'A', 0, "A009AO", false, '0', "urum", "duğum", "u"},
        {'A', 12, "A009BO", false, '0', "mam", "madığım", "ı"},
        {'A', 24, "A009A?", false, '0', "ur muyum", "", ""},
        {'A', 36, "A009B?", false, '0', "maz mıyım", "", ""},
        // The -Ir aorist changes the list and, for classes 10/11, the person.
        {'A', 0, "A00:AOK", false, '0', "ürüm", "düğüm", "ü"},
        {'A', 0, "A002AOK", false, '0', "irim", "diğim", "i"},
        // Class "=" is class 11.
        {'A', 0, "E00=AO", false, '0', "arlar", "dukları", "nı"},
        // Past: a voiceless stem makes the dental t, in questions too.
        {'C', 0, "A000AO", true, '0', "tim", "tiğim", "i"},
        {'C', 0, "A000AO", false, '0', "dim", "diğim", "i"},
        {'C', 24, "A001A?", true, '0', "tım mı", "", ""},
        {'C', 12, "A001BO", true, '0', "madım", "madığım", "ı"},
        {'C', 24, "C006A?", false, '0', "du mu", "", ""},
        {'C', 0, "R000AO", false, '0', "di ", "diği", "ni"},  // no person reads as C
        {'C', 12, "B006BO", false, '0', "madınız", "madığınız", "ı"},
        // Future: -dir only in state "R"; its participle takes its own case ending.
        {'F', 0, "C001AO", false, 'R', "acaktır", "acağı", "nı"},
        {'F', 0, "C001AO", false, 'J', "acak", "acağı", "nı"},
        {'F', 0, "A007AO", false, '0', "yeceğim", "yeceğim", "i"},
        {'W', 24, "E000A?", false, '0', "ecekler miydi", nullptr, nullptr},
        {'B', 12, "A006BO", false, '0', "muyorum", "madığım", "ı"},
        {'B', 0, "R000AO", false, '0', "iyor", "", ""},  // no person: no person ending
        {'E', 24, "E009A?", false, '0', "uyorlar mıydı", "", ""},
        {'U', 0, "E009AO", false, '0', "urlardı", nullptr, nullptr},
        {'G', 36, "E004B?", false, '0', "yemezler mi", "", nullptr},
        {'G', 12, "A005BO", false, '0', "yamam", "yamayabileceğim", nullptr},
        {'H', 24, "B001A?", false, '0', "malı mısınız", nullptr, nullptr},
        {'H', 36, "A000B?", false, '0', "memeli miyim", nullptr, nullptr},
        {'N', 0, "E001AO", false, '0', "malılardı", nullptr, nullptr},
        {'I', 12, "B001BO", false, '0', "amadınız", nullptr, nullptr},
        {'I', 36, "A009B?", false, '0', "amadım mı", nullptr, nullptr},
        {'J', 0, "A005AO", false, '0', "rsam", nullptr, nullptr},
        {'J', 24, "A005A?", false, '0', "", nullptr, nullptr},  // no question group
        {'Z', 12, "C004BO", false, '0', "yemezse", nullptr, nullptr},
        {'K', 0, "D002AOW", false, '0', "diğimiz zaman", nullptr, nullptr},
        {'K', 0, "A000AOK", false, '0', "diğim için", nullptr, nullptr},
        {'K', 0, "A001AOS", true, '0', "tığım gibi", nullptr, nullptr},
        {'K', 12, "E006BOI", false, '0', "madıkları yer", nullptr, nullptr},
        {'L', 12, "A000BO", false, '0', "mediği halde", nullptr, nullptr},
        {'M', 0, "A001AO", true, '0', "tıktan sonra", nullptr, nullptr},
        {'S', 0, "A006AO", false, '0', "madan önce", nullptr, nullptr},
        {'T', 0, "A007AO", false, '0', "yünceye kadar", nullptr, nullptr},
        {'X', 0, "A000AO", false, '0', "", nullptr, nullptr},
    };
    for (const auto& c : cases) {
        const Parts p = Split(TenseSuffix(c.letter, c.offset, c.code, c.voiceless, c.state));
        const std::string where = std::string(1, c.letter) + " " + std::to_string(c.offset) + " " + c.code;
        EXPECT_EQ(p.finite, c.finite) << where;
        EXPECT_EQ(p.has_participle, c.participle != nullptr) << where;
        if (c.participle) {
            EXPECT_EQ(p.participle, c.participle) << where;
        }
        EXPECT_EQ(p.has_case, c.participle_case != nullptr) << where;
        if (c.participle_case) {
            EXPECT_EQ(p.participle_case, c.participle_case) << where;
        }
    }
}

TEST(Conditionals, KindOfConditionalByCodePosition2) {
    struct Case {
        int offset;
        const char* code;
        bool voiceless;
        const char* expected;
    } cases[] = {
        {0, "A100AO", false, "ersem"},        {12, "E109BO", false, "mazlarsa"},
        {0, "A1D0AO", false, "ebilirsem"},    {12, "C1D6BO", false, "yamazsa"},
        {0, "A200AO", false, "diysem"},       {0, "A201AO", true, "tıysam"},
        {12, "D201BO", true, "madıysak"},     {0, "A300AO", false, "***"},
    };
    for (const auto& c : cases) EXPECT_EQ(Utf8(ConditionalSuffix(c.offset, c.code, c.voiceless)), c.expected) << c.code;
    EXPECT_EQ(Utf8(ProgressiveConditionalSuffix(0, "B006AO")), "yorsanız");
    EXPECT_EQ(Utf8(ProgressiveConditionalSuffix(12, "A001BO")), "mıyorsam");
}

TEST(AttachSuffix, TrimsTheWordAndNarrowsAVowelStemBeforeYor) {
    struct Case {
        const char* text;
        const char* suffix;
        const char* expected;
    } cases[] = {
        {"kitap iste  ", "yorum", "kitap istiyorum"},
        {"anla\t", "yor", "anlıyor"},
        {"oku ", "yoruz", "okuyoruz"},
        {"iste ", "meyecek", "istemeyecek"},
        {"gel ", "diğim", "geldiğim"},
    };
    for (const auto& c : cases) {
        std::string text = Cp(c.text);
        AttachSuffix(text, Cp(c.suffix));
        EXPECT_EQ(Utf8(text), c.expected);
    }
}

TEST(PolarityOffset, FromPositionsFiveAndSix) {
    EXPECT_EQ(PolarityOffset('A', 'O'), 0);
    EXPECT_EQ(PolarityOffset('B', 'O'), 12);
    EXPECT_EQ(PolarityOffset('b', 'O'), 12);
    EXPECT_EQ(PolarityOffset('A', '?'), 24);
    EXPECT_EQ(PolarityOffset('b', '?'), 36);
    EXPECT_EQ(PolarityOffset('X', '?'), 0);
    EXPECT_EQ(PolarityOffset('A', '\0'), 0);
}

class InflectVerbTest : public ::testing::Test {
protected:
    void Build(std::vector<std::string> lines) {
        store_ = MakeStore({.en_tr = std::move(lines)});
        services_ = std::make_unique<StoreGenerationServices>(store_);
        services_->TraceOn = true;
    }
    /// Runs InflectVerb for `code` after `stem` and returns the suffix (UTF-8).
    std::string Run(const std::string& code, const std::string& stem = "gel", int verb = 2) {
        state_.ClauseText = Cp(stem) + " ";
        state_.InflectionCode.Assign(Cp(code));
        InflectVerb(state_, *services_, verb);
        return Utf8(state_.SuffixText);
    }
    std::vector<std::string> Trace() {
        std::vector<std::string> out;
        for (auto& l : services_->Logs[0]) out.push_back(Utf8(l));
        return out;
    }

    store::DictionaryStore store_;
    std::unique_ptr<StoreGenerationServices> services_;
    InflectionState state_;
};

TEST_F(InflectVerbTest, TenseKeyChoosesTheTablesAndTheTraceShowsEveryStep) {
    Build({"P0A2éé;V;;A;;;;;"});
    EXPECT_EQ(Run("A0A2AO"), "irim");
    EXPECT_EQ(Utf8(state_.ParticipleText), "diğim");
    EXPECT_EQ(Utf8(state_.ParticipleCaseText), "i");
    EXPECT_EQ(Trace(), (std::vector<std::string>{"13-->PCT_E(ara)--MP_A0A2AO", "13-->PCT_E(yok)--MP_A0A2AO",
                                                 "13-->PCT_E(MYYCEVAP)->A-->A0A2AO", "13-->+irim--A0A2AO"}));
    // The same tense key serves every person and polarity.
    EXPECT_EQ(Run("E0A2B?"), "mezler mi");
}

TEST_F(InflectVerbTest, CodeIsConsumedSoASecondCallYieldsNothing) {
    Build({"P0A2ééxxTAIL;V;;A;;;;;"});
    state_.InflectionCode.Assign("A0A2AOxxTAIL");
    state_.ClauseText = "gel";
    InflectVerb(state_, *services_, 2);
    EXPECT_EQ(Utf8(state_.SuffixText), "irim");
    EXPECT_TRUE(state_.InflectionCode.Empty());
    EXPECT_EQ(state_.InflectionCode.At(9), 'T');  // only positions 1-8 are cleared
    InflectVerb(state_, *services_, 2);
    EXPECT_EQ(state_.SuffixText, "");
    EXPECT_EQ(Trace().back(), "13-->+--*****");
}

TEST_F(InflectVerbTest, CodeShorterThanFiveCharactersGivesAnEmptySuffix) {
    Build({"MP_A0A2;V;;nope;;;;;"});
    state_.SuffixText = "old";
    EXPECT_EQ(Run("A0A2"), "");
    EXPECT_EQ(Trace(), (std::vector<std::string>{"13-->+--A0A2"}));
    EXPECT_TRUE(state_.InflectionCode.Empty());
}

TEST_F(InflectVerbTest, ExceptionEntryWinsOverTheTables) {
    Build({"P0A2éé;V;;A;;;;;", "MP_A0A2AO;V;;ebilirim;;;;;"});
    EXPECT_EQ(Run("A0A2AO"), "ebilirim");
    EXPECT_EQ(Trace().at(1), "13-->PCT_E(var)--MP_A0A2AO");
}

TEST_F(InflectVerbTest, WildcardEntrySuppliesAllFourPolarityForms) {
    Build({"MP_A0A2éé-Y;V;;olur;olmaz;olur mu;olmaz mı;;"});
    EXPECT_EQ(Run("A0A2AO-Y"), "olur");
    EXPECT_EQ(Run("A0A2BO-Y"), "olmaz");
    EXPECT_EQ(Run("A0A2bO-Y"), "olmaz");
    EXPECT_EQ(Run("A0A2A?-Y"), "olur mu");
    EXPECT_EQ(Run("A0A2B?-Y"), "olmaz mı");
    EXPECT_EQ(Trace().at(Trace().size() - 2), "13-->PCT_E(var)--MP_A0A2éé-Y");
}

TEST_F(InflectVerbTest, ExactEntryIsTriedBeforeTheWildcard) {
    Build({"MP_A0A2éé-Z;V;;olur;olmaz;olur mu;olmaz mı;;", "MP_A0A2AO-Z;V;;olsun;;;;;"});
    EXPECT_EQ(Run("A0A2AO-Z"), "olsun");
    EXPECT_EQ(Run("A0A2BO-Z"), "olmaz");
}

TEST_F(InflectVerbTest, MissingWildcardFallsBackToTheTables) {
    Build({"P0A2éé-Y;V;;C;;;;;"});
    EXPECT_EQ(Run("A0A2AO-Y"), "dim");
    EXPECT_EQ(Trace().at(1), "13-->PCT_E(yok)--MP_A0A2éé-Y");
}

TEST_F(InflectVerbTest, CodeNormalisationIsStoredInTheVerbSlot) {
    Build({});
    Run("C0A2bO", "gel", 3);
    EXPECT_EQ(state_.VerbCodeSlots[3], "C0A2BO");
    Run("C0A2AOG", "gel", 4);
    EXPECT_EQ(state_.VerbCodeSlots[4], "A0A2AOG");
    Run("C0A2AOxI", "gel", 5);
    EXPECT_EQ(state_.VerbCodeSlots[5], "R0A2AOxI");
    Run("C0A2AOxx1234567890", "gel", 6);
    EXPECT_EQ(state_.VerbCodeSlots[6], "C0A2AOxx1234567");  // 15 characters
    Run("C0A2AO", "gel", 40);  // no slot for word 40: nothing stored, nothing broken
}

TEST_F(InflectVerbTest, UnknownTenseLetterFallsBackOnPosition7) {
    Build({});
    struct Case {
        const char* code;
        const char* expected;
    } cases[] = {
        {"A0A2AOH", "irken"},         {"AIA2AOS", "irken"},      {"A0A2AON", "ince hemen"},
        {"A0A2BOT", "mediği halde"},  {"A0A2AOZ", "medikçe"},
    };
    for (const auto& c : cases) EXPECT_EQ(Run(c.code), c.expected) << c.code;
    state_.SuffixText = Cp("önceki");
    EXPECT_EQ(Run("A0A2AOQ"), "önceki");  // nothing written
    EXPECT_EQ(Trace().at(Trace().size() - 2), "13-->PCT_E(MYYCEVAP)->?-->A0A2AOQ");
}

TEST_F(InflectVerbTest, VoicelessStemGivesTheDentalT) {
    Build({"P0C1éé;V;;C;;;;;", "P0K1ééW;V;;K;;;;;"});
    EXPECT_EQ(Run("A0C1AO", "bak \t"), "tım");
    EXPECT_EQ(Utf8(state_.ClauseText), "bak");  // trimmed in place
    EXPECT_EQ(Utf8(state_.ParticipleText), "tığım");
    EXPECT_EQ(Run("A0C1A?", "bak"), "tım mı");
    EXPECT_EQ(Run("A0C1AO", "kal"), "dım");
    EXPECT_EQ(Run("C0K1AOW", "kal"), "dığı zaman");
    EXPECT_EQ(Run("C0K1AOW", "bak"), "tığı zaman");
}

TEST_F(InflectVerbTest, ParticiplesAreKeptByTensesWithoutThem) {
    Build({"P0C2éé;V;;C;;;;;", "P0H2éé;V;;H;;;;;", "P0G2éé;V;;G;;;;;"});
    Run("A0C2AO");
    EXPECT_EQ(Run("A0H2AO"), "meliyim");
    EXPECT_EQ(Utf8(state_.ParticipleText), "diğim");
    EXPECT_EQ(Utf8(state_.ParticipleCaseText), "i");
    EXPECT_EQ(Run("A0G2AO"), "ebilirim");
    EXPECT_EQ(Utf8(state_.ParticipleText), "ebileceğim");
    EXPECT_EQ(Utf8(state_.ParticipleCaseText), "i");  // G writes no case ending
}

TEST_F(InflectVerbTest, FutureReadsTheSentenceState) {
    Build({"P0F1éé;V;;F;;;;;"});
    state_.SentenceState = 'R';
    EXPECT_EQ(Run("C0F1AO", "bak"), "acaktır");
    state_.SentenceState = '0';
    EXPECT_EQ(Run("C0F1AO", "bak"), "acak");
}

TEST_F(InflectVerbTest, TenseKeyWritesPersonPolarityMoodAndCapitalE) {
    EXPECT_EQ(Utf8(TenseKey("A1e2B?KS")), "P1E2ééKS");
    EXPECT_EQ(Utf8(TenseKey("R0A2bO")), "R0A2éé");
    Build({"P0E2éé;V;;B;;;;;"});
    EXPECT_EQ(Run("D0e2AO"), "iyoruz");
}

TEST_F(InflectVerbTest, PersonlessAuxiliaryUsesItsOwnExceptionEntry) {
    // Position 7 "M": the person becomes "0" unless the sentence's first
    // word (for clause kind "1" and verb word 1) ends in "s" before its
    // first "_" or blank; the code then ends after position 6.
    Build({"MP_01A2AO;V;;mesi;;;;;", "P1A2éé;V;;A;;;;;"});
    services_->OrderedKeys = {"", "go"};
    EXPECT_EQ(Run("C1A2AOM", "gel", 1), "mesi");
    services_->OrderedKeys = {"", "does_not"};
    EXPECT_EQ(Run("C1A2AOM", "gel", 1), "ir ");
    services_->OrderedKeys = {"", "goes"};
    EXPECT_EQ(Run("C1A2AOMxx", "gel", 1), "ir ");
    EXPECT_EQ(Trace().back(), "13-->+ir --C1A2AO");
    EXPECT_EQ(Run("C1A2AOM", "gel", 2), "mesi");  // not verb word 1: always personless
    EXPECT_EQ(Run("C0A2AOM", "gel", 2), "");     // no entry: empty suffix
}

TEST(NominalPredicate, CopulaByHarmonyPersonTenseAndPolarity) {
    auto store = MakeStore({});
    StoreGenerationServices services(store);
    // Harmony digit: 0-3 vowel-final a/ı, o/u, e/i, ö/ü; 4-7 consonant-final.
    services.NounEndingRule = [](char, std::string_view text) -> std::string {
        const std::string t(text);
        if (t == Cp("öğretmen")) return "6";
        if (t == Cp("okul")) return "5";
        if (t == Cp("hasta")) return "0";
        return "";
    };
    struct Case {
        const char* word;
        const char* code;
        const char* suffix;
        const char* possessive;
    } cases[] = {
        {"öğretmen", "A04.AO", "im", "im"},
        {"öğretmen", "D04.AO", "iz", "iz"},
        {"hasta", "A04.AO", "yım", "yım"},
        {"hasta", "C06.AO", "ydı", "ydı"},
        {"hasta", "D06.AO", "ydık", "ydık"},
        {"okul", "B01.BO", "_değilsiniz", "_değilsiniz"},
        {"okul", "A04.A?", "_muyum", "_muyum"},
        {"okul", "A04.B?", "_miyim", " değil_miyim"},  // the particle follows değil
        {"okul", "C04.AOF", "ise", "ise"},
        {"okul", "E05.BOF", "_olmasaydı", "_olmasaydı"},
        {"okul", "C02.AO", "", ""},  // no present or past: no copula
    };
    for (const auto& c : cases) {
        InflectionState st;
        st.SuffixText = Cp(c.word) + "  ";
        st.InflectionCode.Assign(c.code);
        NominalPredicateSuffix(st, services);
        EXPECT_EQ(Utf8(st.SuffixText), c.suffix) << c.word << " " << c.code;
        EXPECT_EQ(Utf8(st.PossessiveText), c.possessive) << c.word << " " << c.code;
        EXPECT_EQ(st.SentenceState, '0');
    }
    EXPECT_EQ(services.LastWordMark, '0');  // the last case appended nothing
}

}  // namespace
}  // namespace zelmor::en_tr
