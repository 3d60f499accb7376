// Clause generation from templates: the short-cuts, insertions, commands
// and the predicate command on small fixtures.
#include <gtest/gtest.h>

#include "core/engine_en_tr/generation/generate_clause.h"
#include "tests/core/engine_en_tr/generation/verb_fixture.h"

namespace zelmor::en_tr {
namespace {

using zelmor::testing::Cp;
using zelmor::testing::MakeStore;
using zelmor::testing::StoreSource;
using zelmor::testing::Utf8;

/// A slot from UTF-8 text: key, code, meaning, field 4, field 6, field 8.
GenerationRecord Word(const std::string& key, const std::string& code, const std::string& meaning,
                      const std::string& field6 = "", const std::string& field4 = "", const std::string& field8 = "") {
    GenerationRecord r;
    r.Key = Cp(key);
    r.Code = code;
    r.Meaning = Cp(meaning);
    r.Field4 = Cp(field4);
    r.Field6 = Cp(field6);
    r.Field8 = Cp(field8);
    return r;
}

class GenerateClauseTest : public ::testing::Test {
protected:
    void Build(StoreSource source) {
        store_ = MakeStore(source);
        services_ = std::make_unique<StoreGenerationServices>(store_);
        services_->TraceOn = true;
    }
    void Slots(std::vector<GenerationRecord> words) {
        for (std::size_t i = 0; i < words.size(); ++i) state_.OrderedTable[i + 1] = words[i];
    }
    /// Runs GenerateClause with `template_utf8` as the pattern's template.
    std::string Generate(const std::string& template_utf8, const std::string& field8 = "",
                         const std::string& field5 = "", const std::string& text = "") {
        state_.CurrentRecord = GenerationRecord{};
        state_.CurrentRecord.Key = "WFFPP";
        state_.CurrentRecord.Code = "..<>..";
        state_.CurrentRecord.Meaning = Cp(template_utf8);
        state_.CurrentRecord.Field5 = field5;
        state_.CurrentRecord.Field8 = Cp(field8);
        GenerateClause(state_, *services_, Cp(text));
        return Utf8(state_.ClauseText);
    }
    std::vector<std::string> Trace4() {
        std::vector<std::string> out;
        for (auto& l : services_->Logs[3]) out.push_back(Utf8(l));
        return out;
    }

    store::DictionaryStore store_;
    std::unique_ptr<StoreGenerationServices> services_;
    GenerationState state_;
};

TEST_F(GenerateClauseTest, IdiomEntryForTheWholeClauseWinsUnlessDisabled) {
    Build({.en_tr = {"Z_big_house;I;;koca konak;;;;;"}});
    Slots({Word("big", "..VV", "büyük"), Word("house", "..FF", "ev")});
    EXPECT_EQ(Generate("*1*2"), "koca konak");
    EXPECT_EQ(Generate("*1*2", "", "", "<?=O>"), "büyük ev ");
}

TEST_F(GenerateClauseTest, UserTranslationOfThePlainSentenceIsTheWholeOutput) {
    Build({.en_user = {"big house=kocaman ev"}});
    Slots({Word("big", "..VV", "büyük"), Word("*house", "..FF", "ev")});
    EXPECT_EQ(Generate("*1*2"), "kocaman ev");
    EXPECT_EQ(Trace4().front(), "14-->INGTR_OKU..big house---->kocaman ev");
}

TEST_F(GenerateClauseTest, InsertionsAndSimpleCommands) {
    Build({});
    Slots({Word("house", "..FF", "ev"), Word("big", "..VV", "büyük"), Word("where", "..U8", "nerede"),
           Word("Ali", "..F*N1", "Ali"), Word("home", "..FF", "ev", "", "", "az*<evde>")});
    struct Case {
        const char* tpl;
        const char* expected;
    } cases[] = {
        {"*1*2", "ev büyük "},
        {"*4", " Ali "},          // "N1" in the code: a blank before the word
        {"*1*x", "ev ev "},       // not a slot character: the previous slot again
        {"*x", " "},              // ... and slot 0 (empty) when there was none
        {"*1@,*2", "ev , büyük "},
        {"*1@W3", "ev  yer "},
        {"*1@X12*2", "ev büyük "},  // unknown command letter: nothing
        {"*5", "ev  evde "},        // "z*" tag text after the word
        {"@@Z2", " "},              // empty field 4
        {"@\"A*1", "için ev "},
        {"@\"A1*1", " ev "},        // slot 1 is not "in-order-to"
        {"@\"Q", " "},
    };
    for (const auto& c : cases) EXPECT_EQ(Generate(c.tpl), c.expected) << c.tpl;
}

TEST_F(GenerateClauseTest, SuffixCommandsAttachToTheWordBefore) {
    Build({});
    Slots({Word("go", "..PP", "git", "1"), Word("read", "..PP", "oku", "6"), Word("look", "..PP", "bak", "1")});
    struct Case {
        const char* tpl;
        const char* expected;
    } cases[] = {
        {"@e2", "okumaya "},   {"@j2", "okumayı "},    {"@j2n", "okumamayı "}, {"@k3", "bakma "},
        {"@m2", "okumak "},    {"@n3", "bakmamak "},   {"@p2", "okuyan "},     {"@p2n", "okumayan "},
        {"@t3", "bakacak "},   {"@s2", "okurken "},    {"@u2", "okusun "},  // a template run starts with person C
    };
    for (const auto& c : cases) {
        state_.InflectionCode.Assign("A000AO");
        EXPECT_EQ(Generate(c.tpl), c.expected) << c.tpl;
    }
}

TEST_F(GenerateClauseTest, FutureRewriteTurnsTheVerbIntoANounClause) {
    Build({});
    Slots({Word("come", "..PP", "gelecek")});
    EXPECT_EQ(Generate("*1@r"), "geleceğini  ,");
    Slots({Word("see", "..PP", "göreceğiz gelecek bilir")});
    EXPECT_EQ(Generate("*1@r"), "göreceğimizi geleceğini bileceğini  ,");
}

TEST_F(GenerateClauseTest, ExistentialQuestionLosesItsParticleInAStatement) {
    Build({});
    Slots({Word("there", "..FF", "varmı varmıydı"), Word("water", "..FF", "su")});
    state_.OrderedTable[1].Field5 = "0";
    EXPECT_EQ(Generate("*1@G1", "<?=O>", "", "<?=O>"), "var vardı ");
}

TEST_F(GenerateClauseTest, PossessiveAndCaseEndingsComeFromTheNounEndingRule) {
    Build({});
    services_->NounEndingRule = [](char letter, std::string_view text) -> std::string {
        if (letter == 'a' && text == "kitap") return Cp("a ı");
        if (letter == 'e' && text == Cp("okula")) return "e ";
        if (letter == 'e') return "e ye";
        return "";
    };
    Slots({Word("book", "..FF", "kitap"), Word("I", "..F9", "ben"), Word("school", "..FF", "okul", "0Cxe")});
    EXPECT_EQ(Generate("@J1"), "kitapı ");
    EXPECT_EQ(Utf8(state_.PossessiveText), "ı");
    EXPECT_EQ(Generate("@J2"), "benim ");
    EXPECT_EQ(Generate("*3@M3"), "okulye ");
    EXPECT_EQ(state_.SentenceState, 'e');
}

TEST_F(GenerateClauseTest, PhraseLookUpReplacesTheSecondSlot) {
    Build({.en_tr = {"FF+PP+look;V;;bakmak;;;1;;"}});
    Slots({Word("child", "..FF", "çocuk"), Word("look", "..PP", "görünmek"), Word("walk", "..PP", "yürü")});
    EXPECT_EQ(Generate("@?123"), "çocuk ");
    EXPECT_EQ(Utf8(state_.OrderedTable[2].Meaning), "bakmak");
    EXPECT_EQ(state_.OrderedTable[2].Key, "look(1)");
    EXPECT_EQ(Trace4().back(), "14-->..@?123.A*+PY+POSTED.true..FF+PP+look");
}

// --- the predicate command ---------------------------------------------

class PredicateTest : public GenerateClauseTest {
protected:
    void SetUp() override {
        Build({.en_tr = {"Péé;V;;H;;;;;", "P006éé;V;;A;;;;;", "P0C6éé;V;;C;;;;;"}});
        Slots({Word("I", "..F9", "ben", "0A"), Word("read", "..PP", "oku", "60")});
    }
};

TEST_F(PredicateTest, FiniteVerbTakesPersonFromTheSubjectSlot) {
    EXPECT_EQ(Generate("*1@P21"), "ben okurum ");
    EXPECT_EQ(Utf8(state_.PredicateField), "60");
    EXPECT_EQ(Utf8(state_.PredicateVerbText), "oku");
}

TEST_F(PredicateTest, VerbPairsOfTheFieldFiveSetPolarityAndMood) {
    EXPECT_EQ(Generate("*1@P21", "", "G2BO"), "ben okumam ");
    EXPECT_EQ(Generate("*1@P21", "", "G2A?"), "ben okur muyum ");
    // "nothing" in the sentence makes every listed verb negative.
    Slots({Word("I", "..F9", "ben", "0A"), Word("read", "..PP", "oku", "60"), Word("nothing", "..XX", "hiçbir şey")});
    EXPECT_EQ(Generate("*1*3@P21", "", "G2AO"), "ben hiçbir şey okumam ");
}

TEST_F(PredicateTest, DtmTwoLeavesTheBareVerb) {
    EXPECT_EQ(Generate("*1@P21", "dtm=2"), "ben oku ");
}

TEST_F(PredicateTest, UnknownShapeAppendsNothingAndIsTraced) {
    EXPECT_EQ(Generate("*1@P2X"), "ben ");
    EXPECT_EQ(Trace4().back(), "10-- sfiil->PéX..yok");
}

TEST_F(PredicateTest, UnconsumedCodeIsDropped) {
    // No tense key for class 7: the suffix would stay the code itself.
    Slots({Word("I", "..F9", "ben", "0A"), Word("walk", "..PP", "yürü", "70")});
    EXPECT_EQ(Generate("*1@P21"), "ben yürü ");
}

TEST_F(PredicateTest, EverTagGivesAConditionalAfterHer) {
    // "<QY>3": without an "IF+" entry the verb is inflected again with
    // position 7 "F" (here the aorist conditional), after " her zaman".
    Build({.en_tr = {"Péé;V;;H;;;;;", "P006éé;V;;A;;;;;",
                     "P006ééF;V;;J;;;;;"}});
    EXPECT_EQ(Generate("*1@P21", "<QY>3"), " her zaman ben okursam ");
}

TEST_F(PredicateTest, ConditionalTagGivesTheConditional) {
    // Clause kind "1" (field 6 character 2) selects the aorist conditional.
    Slots({Word("I", "..F9", "ben", "0A"), Word("read", "..PP", "oku", "61")});
    EXPECT_EQ(Generate("*1@P21", "<HF>"), "ben okursam ");
}

}  // namespace
}  // namespace zelmor::en_tr

namespace zelmor::en_tr {
namespace {

GenerationRecord WithField5(GenerationRecord r, const std::string& field5) {
    r.Field5 = field5;
    return r;
}

struct CommandCase {
    const char* name;
    std::vector<std::string> dictionary;  // en_tr source lines
    std::vector<GenerationRecord> slots;
    const char* tpl;
    const char* expected;
};

class CommandTest : public GenerateClauseTest, public ::testing::WithParamInterface<CommandCase> {};

TEST_P(CommandTest, AppendsTheExpectedText) {
    const CommandCase& c = GetParam();
    Build({.en_tr = c.dictionary});
    Slots(c.slots);
    EXPECT_EQ(Generate(c.tpl), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Commands, CommandTest,
    ::testing::Values(
        CommandCase{"LookUpTheClauseSoFar", {"Yev_;V;;yuva;;;;;"}, {Word("house", "..FF", "ev")}, "*1@!", "yuva "},
        CommandCase{"WordGroupWithSkip",
                    {"Y_in_morning;V;;sabahleyin;;;;;"},
                    {Word("in", "..XX", "içinde"), Word("morning", "..FF", "sabah"), Word("a", "..XX", "bir"),
                     Word("walk", "..FF", "yürüyüş")},
                    "@[12>b*3*4",
                    "sabahleyin yürüyüş "},
        CommandCase{"GroupEntry", {"N_big_house;V;;konak;;;;;"}, {Word("big", "..VV", "büyük"), Word("house", "..FF", "ev")},
                    "@{12", "konak "},
        CommandCase{"PairEntryRenamesTheSlot",
                    {"cat+house;V;;kedi evi;;;;;"},
                    {Word("cat", "..FF", "kedi"), Word("house", "..FF", "ev")},
                    "@y1x2*1",
                    "kedi evi "},
        CommandCase{"NoWordGivesHic", {}, {Word("no*", "..XX", "yok"), Word("money", "..FF", "para")}, "@h1*2",
                    "hiç para "},
        CommandCase{"ItKeepsItsMeaning", {}, {Word("it", "..F9", "o"), Word("time", "..FF", "zaman")}, "@x12*1*2",
                    "o o zaman "},
        CommandCase{"TimeTakesTheAccusative", {}, {Word("that", "..XX", "o"), Word("time", "..FF", "zaman")},
                    "@x12*1*2", "o zamanı "},
        CommandCase{"ComitativeWithoutEntry", {}, {Word("friend", "..FF", "arkadaş"), Word("with", "..XX", "ile"),
                    Word("go", "..PP", "git")}, "@QA123", "arkadaşle "},
        CommandCase{"ComitativeEntry",
                    {"friend+XX+go;V;;arkadaşımla;;;;;"},
                    {Word("friend", "..FF", "arkadaş"), Word("with", "..XX", "ile"), Word("go", "..PP", "git")},
                    "@QA123",
                    "arkadaşımla "},
        CommandCase{"ObjectByCaseLetter",
                    {"YA_book;V;;kitabı;;;;;"},
                    {Word("book", "..FF", "kitap"), Word("read", "..PP", "oku", "6Ca")},
                    "@B1O2",
                    "kitabı "},
        CommandCase{"ObjectWithoutEntry", {}, {Word("book", "..FF", "kitap"), Word("read", "..PP", "oku", "6Ca")},
                    "@B1O2", "kitap "},
        CommandCase{"NegativeVerbalNounWithPossessive",
                    {},
                    {Word("come", "..PP", "gel", "2"), Word("you", "..F9", "sen", "0B")},
                    "@Y1x2",
                    "gelmenizi "},
        CommandCase{"PersonFromSlotThenOptative", {}, {Word("go", "..PP", "gel", "2"), Word("we", "..F9", "biz", "0D")},
                    "@A2@u1", "gelelim "},
        CommandCase{"ThirdPersonOptativeWithPronoun", {}, {Word("go", "..PP", "gel", "2")}, "@z1", "o gelsin "},
        CommandCase{"WhileWithEntry",
                    {"S_when++wait;V;;beklerken;;;;;"},
                    {Word("wait", "..PP", "bekle", "4"), Word("when", "..XX", "iken")},
                    "@s12",
                    "beklerken "},
        CommandCase{"SubjectClauseEntry",
                    {"SY_C010;V;;olan;;;;;"},
                    {WithField5(Word("who", "..XX", "kim", "00"), "1")},
                    "@Sxy1",
                    "olan "},
        CommandCase{"VerbalNounDative",
                    {},
                    {Word("learn", "..PP", "öğren", "2"), Word("want", "..PP", "iste", "4xxx1")},
                    "@d1x2",
                    "öğrenmeye "},
        CommandCase{"VerbalNounForPurpose",
                    {},
                    {Word("learn", "..PP", "öğren", "2"), Word("go", "..PP", "git", "1xxx0")},
                    "@d1x2",
                    "öğrenmek için "},
        CommandCase{"ConverbAfterTheVerb",
                    {},
                    {Word("sing", "..PP", "şarkı söyle", "0"), Word("walk", "..PP", "yürü", "7")},
                    "@d2x1",
                    "yürüyerek "},
        CommandCase{"NounPhraseModeF", {}, {Word("water", "..FF", "su  "), Word("drink", "..PP", "iç")}, "@F1O2*2",
                    "su iç "},
        CommandCase{"InfinitiveWithLocative", {}, {Word("read", "..PP", "oku", "6")}, "@FM1A2P3*1", "okumakta "}),
    [](const ::testing::TestParamInfo<CommandCase>& info) { return std::string(info.param.name); });

TEST_F(GenerateClauseTest, CommandCTurnsTheFollowingNounPhraseIntoAPredicate) {
    Build({});
    Slots({Word("he", "..F9", "o", "0C")});
    Generate("@Cx1@FM1A2P3");
    EXPECT_EQ(state_.ClauseTemplate, "@Cx1@@P1A2D3");
}

TEST_F(GenerateClauseTest, CommandIReplacesTheRestOfTheTemplate) {
    Build({});
    Slots({Word("Gone", "..XX", "gitti"), Word("water", "..FF", "su", "1"), Word("tea", "..FF", "çay")});
    EXPECT_EQ(Generate("*1@i12*3"), "gitti ");
    EXPECT_EQ(state_.OrderedTable[2].Field6, "B");
}

TEST_F(GenerateClauseTest, PossessedNounWithCopula) {
    // "F" in mode P: the noun of slot 1 possessed by slot 2, with the copula
    // computed from the noun's harmony (consonant-final, e/i: digit 6).
    Build({});
    services_->NounEndingRule = [](char, std::string_view) { return std::string("6"); };
    Slots({Word("teacher", "..FF", "öğretmen"), Word("I", "..F9", "ben", "0A"), Word("be", "..PP", "", "4")});
    EXPECT_EQ(Generate("@F1A2P3", "<x>"), "öğretmenim");
}

}  // namespace
}  // namespace zelmor::en_tr
