// Sentence assembly: ready modules, user sentences, lead and trail words,
// module search, default arrangements and their execution.
#include <gtest/gtest.h>

#include <sstream>

#include "core/engine_en_tr/generation/assemble_sentence.h"
#include "tests/core/engine_en_tr/generation/verb_fixture.h"

namespace zelmor::en_tr {
namespace {

using zelmor::testing::Cp;
using zelmor::testing::MakeStore;
using zelmor::testing::StoreSource;
using zelmor::testing::Utf8;

GenerationRecord Item(const std::string& key, const std::string& code, const std::string& meaning,
                      const std::string& field6 = "") {
    GenerationRecord r;
    r.Key = key;
    r.Code = code;
    r.Meaning = Cp(meaning);
    r.Field6 = field6;
    return r;
}

/// Blanks collapsed and trimmed: assembly leaves the spacing to the output
/// stage.
std::string Words(const std::string& cp) {
    std::istringstream in(Utf8(cp));
    std::string out, w;
    while (in >> w) out += (out.empty() ? "" : " ") + w;
    return out;
}

class AssembleTest : public ::testing::Test {
protected:
    void Build(StoreSource source) {
        store_ = MakeStore(source);
        services_ = std::make_unique<StoreGenerationServices>(store_);
        services_->TraceOn = true;
    }
    void Sentence(const std::string& transfer_code, std::vector<GenerationRecord> items) {
        state_ = GenerationState{};
        state_.TransferCode = transfer_code;
        for (std::size_t i = 0; i < items.size(); ++i) state_.OrderedTable[i + 1] = items[i];
    }
    std::vector<std::string> Trace3() {
        std::vector<std::string> out;
        for (auto& l : services_->Logs[2]) out.push_back(Utf8(l));
        return out;
    }
    // "I read a book": the subject, the object and the verb.
    std::vector<GenerationRecord> ReadABook() {
        return {Item("I", "..F9", "ben", "0A"), Item("book", "..FF", "kitap"), Item("read", "..PP", "oku", "60")};
    }
    // The predicate shape, and the aorist for class 6.
    static std::vector<std::string> Grammar(std::vector<std::string> more) {
        std::vector<std::string> lines = {"Pé;V;;H;;;;;", "Péé;V;;H;;;;;",
                                          "P006éé;V;;A;;;;;"};
        lines.insert(lines.end(), more.begin(), more.end());
        return lines;
    }

    store::DictionaryStore store_;
    std::unique_ptr<StoreGenerationServices> services_;
    GenerationState state_;
};

TEST_F(AssembleTest, ReadyModuleGeneratesTheWholeSentenceAtOnce) {
    Build({.en_tr = Grammar({"WF9FFPP;..<>..;;*1*2@P31;;;;;"})});
    Sentence("WF9FFPP", ReadABook());
    AssembleSentence(state_, *services_, 0);
    EXPECT_EQ(state_.SentenceState, 'W');
    EXPECT_EQ(Words(state_.TurkishBufferB), "ben kitap okurum");
    EXPECT_EQ(Trace3().back(), "11=WF9FFPP-->True(hazır modul)");
}

TEST_F(AssembleTest, ModeTwoDropsTheFiniteSuffix) {
    Build({.en_tr = Grammar({"ZF9FFPP;..<>..;;*1*2@P31;;;;;"})});
    Sentence("WF9FFPP", ReadABook());
    AssembleSentence(state_, *services_, 2);
    EXPECT_EQ(Words(state_.TurkishBufferB), "ben kitap oku");
}

TEST_F(AssembleTest, UserTranslationOfTheSentenceWins) {
    Build({.en_tr = Grammar({"WF9FFPP;..<>..;;*1*2@P31;;;;;"}), .en_user = {"I book read=kitap okurum"}});
    Sentence("WF9FFPP", ReadABook());
    AssembleSentence(state_, *services_, 0);
    EXPECT_EQ(Utf8(state_.TurkishBufferB), "kitap okurum");
    EXPECT_EQ(state_.SentenceState, 'W');
}

TEST_F(AssembleTest, EmptyPatternGivesABlank) {
    Build({});
    Sentence("W", {});
    AssembleSentence(state_, *services_, 0);
    EXPECT_EQ(state_.TurkishBufferB, " ");
    EXPECT_EQ(state_.SentenceState, 'W');
}

TEST_F(AssembleTest, LeadingAdverbGoesToThePrefix) {
    Build({.en_tr = Grammar({"WF9FFPP;..<>..;;*1*2@P31;;;;;"})});
    auto items = ReadABook();
    items.insert(items.begin(), Item("today", "..YY", "bugün"));
    Sentence("WYYF9FFPP", items);
    AssembleSentence(state_, *services_, 0);
    EXPECT_EQ(Utf8(state_.ResultPrefix), "bugün,");
    EXPECT_EQ(Words(state_.TurkishBufferB), "ben kitap okurum");
    EXPECT_EQ(state_.TransferCode, "WF9FFPP");
}

TEST_F(AssembleTest, TrailingAdverbGoesToTheSuffix) {
    Build({.en_tr = Grammar({"WF9FFPP;..<>..;;*1*2@P31;;;;;"})});
    auto items = ReadABook();
    items.push_back(Item("now", "..YY", "şimdi"));
    Sentence("WF9FFPPYY", items);
    AssembleSentence(state_, *services_, 0);
    EXPECT_EQ(Utf8(state_.ResultSuffix), "şimdi");
    EXPECT_EQ(Words(state_.TurkishBufferB), "ben kitap okurum");
}

TEST_F(AssembleTest, NameModulesAtTheEdgesAllGoToThePrefix) {
    Build({});
    Sentence("WF*F*", {Item("*ali", "..F*", "Ali"), Item("*veli", "..F*", "Veli")});
    state_.TurkishBufferB = "unchanged";
    AssembleSentence(state_, *services_, 0);
    EXPECT_EQ(state_.SentenceState, 'W');
    EXPECT_EQ(state_.TurkishBufferB, "unchanged");
    EXPECT_EQ(state_.ResultPrefix, " Ali, Veli,");
}

TEST_F(AssembleTest, ModuleSearchTakesTheLongestKnownRunFromTheLeft) {
    // Pairs FF VV PP; only "W" + VV PP is a module: modules FF (N) and VVPP (E).
    Build({.en_tr = {"WVVPP;..<>.M*;;*1*2;;;;;"}});
    Sentence("WFFVVPP", {Item("house", "..FF", "ev"), Item("big", "..VV", "büyük"), Item("be", "..PP", "ol")});
    AssembleSentence(state_, *services_, 0);
    EXPECT_EQ(state_.ModuleList[1], (std::pair<int, int>{1, 1}));
    EXPECT_EQ(state_.ModuleList[2], (std::pair<int, int>{2, 3}));
    const auto trace = Trace3();
    EXPECT_NE(std::find(trace.begin(), trace.end(), "12=WFFVVPP--->MODLL-->0N0E-->modul-1"), trace.end());
}

TEST_F(AssembleTest, DefaultArrangementGeneratesEachModule) {
    Build({.en_tr = Grammar({"WF9;..<>.S1;;*1;;;;;", "WFFPP;..<>.M*;;*1@P2;;;;;"})});
    Sentence("WF9FFPP", ReadABook());
    AssembleSentence(state_, *services_, 0);
    EXPECT_EQ(Utf8(state_.ModuleKinds), "XS1M*");
    EXPECT_EQ(Words(state_.TurkishBufferB), "ben kitap okur");
    EXPECT_EQ(Utf8(state_.SavedOrderedTable[1].Meaning), "ben");
}

TEST_F(AssembleTest, ArrangementEntryReordersTheModules) {
    Build({.en_tr = Grammar({"WF9;..<>.S1;;*1;;;;;", "WFFPP;..<>.M*;;*1@P2;;;;;", "XS1M*;V;;$(M*)2+$(N1)1+;;;;;"})});
    Sentence("WF9FFPP", ReadABook());
    AssembleSentence(state_, *services_, 0);
    EXPECT_EQ(Words(state_.TurkishBufferB), "kitap okur ben");
}

TEST(DefaultArrangement, RowsByModuleKind) {
    struct Case {
        std::string kinds;
        const char* expected;
    } cases[] = {
        {"QAS*", "$(M*)2<?=O><MQ>1+"},
        {"N1M2", "$(Z*)1+$(M*)2+"},
        {"M?Y*H?", "$(M?)1+$(N1)2+$(H?)3+"},
        {"S?", "$(M?)1<O=?>+"},
        {"S1W*", "$(M*)1<?=O>+$(M*)2+"},
        {"Z*D1", ""},
        {"QBM?", "$(M*)2<?=O><MQ>1+"},
        {"QX", "$(N1)1+"},
    };
    for (auto& c : cases) {
        std::string kinds = c.kinds;
        EXPECT_EQ(DefaultArrangement(kinds), c.expected) << c.kinds;
    }
}

}  // namespace
}  // namespace zelmor::en_tr
