// The whole English-to-Turkish road: analysis, transfer, sentence assembly,
// clause generation and verb inflection joined by PipelineStages, over a
// small store of words and rule entries.
#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <vector>

#include "core/engine_en_tr/analysis/pipeline/pipeline_stages.h"
#include "core/text/split.h"
#include "tests/support/fixtures.h"

namespace zelmor::en_tr {
namespace {

using zelmor::testing::Cp;
using zelmor::testing::MakeStore;
using zelmor::testing::StoreSource;
using zelmor::testing::Utf8;

class CollectMessages : public EngineMessages {
public:
    void Show(std::string_view cp1254) override { shown.push_back(Utf8(cp1254)); }
    std::vector<std::string> shown;
};

/// Words of "I read a book", one clause rule a word group ("i" F9, "read"
/// PP, "a book" FF), the construction shapes of the predicate command and
/// the aorist of stem class 6.
StoreSource BookSentence(std::vector<std::string> extra) {
    StoreSource src;
    src.en_tr = {"i;..FA..;*;ben;;;0A;;",   "read;..PP..;*;oku;;;60;;",  "a;..ZZ..;*;bir;;;;;",
                 "book;..FF..;*;kitap;;;;;", "V_FA;..<<..;*;0;F9;;;;",   "V_PP;..<<..;*;0;PP;;;;",
                 "V_ZZFF;..<<..;*;0*1;FF;;;;", "Pé;V;;H;;;;;",           "Péé;V;;H;;;;;",
                 "P006éé;V;;A;;;;;"};
    src.en_tr.insert(src.en_tr.end(), extra.begin(), extra.end());
    // A user entry that sorts first, so the fixture also covers index 0.
    src.en_user.insert(src.en_user.begin(), "+placeholder=x");
    return src;
}

/// The sentence as one ready module: subject, object, inflected verb.
const char* kReadyModule = "WF9PPFF;..<>..;;*1*3@P21;;;;;";
/// The sentence as two modules, the subject-verb module (kind "M*", the
/// pronoun dropped) and the object (kind "NO"), arranged object first.
const std::vector<std::string> kModules = {"WF9PP;..<>.M*;;@P21;;;;;", "WFF;..<>.NO;;*1;;;;;",
                                           "XM*NO;..XX..;;$(Z*)2+$(M*)1+;;;;;"};

struct Pipeline {
    explicit Pipeline(const StoreSource& src) : store(MakeStore(src)), full(MakeFullEnTrEngine(store, &messages)) {}
    std::string Text(std::string_view utf8) { return Utf8(full->Engine().TranslateEnToTr(Cp(utf8))); }
    EnTrState& S() { return full->Engine().State(); }
    static bool Has(const std::vector<std::string>& log, std::string_view part) {
        for (const auto& l : log)
            if (Utf8(l).find(part) != std::string::npos) return true;
        return false;
    }

    store::DictionaryStore store;
    CollectMessages messages;
    std::unique_ptr<FullEnTrEngine> full;
};

TEST(Pipeline, ReadyModuleMakesTheSentence) {
    Pipeline p(BookSentence({kReadyModule}));
    EXPECT_EQ(p.Text("I read a book."), "Ben bir kitap okurum .");
    EXPECT_EQ(p.S().SentenceState, 'W');
    EXPECT_TRUE(p.S().TurkishOutput);
    // The verb's code slot and the transfer's clause code survive the copy
    // back into the engine.
    EXPECT_EQ(p.S().TransferCode.str(), "WF9PPFF");
    EXPECT_TRUE(p.messages.shown.empty());
}

TEST(Pipeline, ModulesAreArrangedInTurkishOrder) {
    Pipeline p(BookSentence(kModules));
    EXPECT_EQ(p.Text("I read a book."), "Bir kitap okurum .");
    EXPECT_EQ(Utf8(p.S().ModuleKinds.view()), "XM*NO");
}

TEST(Pipeline, WithoutGenerationTheClauseTextsComeBack) {
    // The same store with the transfer alone: no assembly, the clause texts
    // joined by commas.
    const store::DictionaryStore store = MakeStore(BookSentence({kReadyModule}));
    TransferStages transfer;
    EnTrEngine engine(store, nullptr, &transfer);
    EXPECT_EQ(Utf8(engine.TranslateEnToTr(Cp("I read a book."))), "Ben,oku,bir kitap, .");
}

TEST(Pipeline, VerbItemOfAClauseRuleIsInflectedByGeneration) {
    // "P21" in a clause template asks for the third-person aorist of word 1
    // of the clause.
    StoreSource src = BookSentence({"he;..FA..;*;o;;;;;", "V_FAPPZZFF;..<<..;*;0*2*3*P21;FP;;;;",
                                    "WFP;..<>..;;*1;;;;;"});
    Pipeline p(src);
    EXPECT_EQ(p.Text("He read a book."), "O bir kitap okur .");
    // The transfer alone leaves the verb bare.
    const store::DictionaryStore store = MakeStore(src);
    TransferStages transfer;
    EnTrEngine bare(store, nullptr, &transfer);
    EXPECT_EQ(Utf8(bare.TranslateEnToTr(Cp("He read a book."))), "O bir kitap oku, .");
}

TEST(Pipeline, TraceShowsEveryStage) {
    Pipeline p(BookSentence({kReadyModule}));
    p.full->Engine().EngineMode = "Q47";
    const std::string out = Utf8(p.full->Engine().TranslateEnToTr(Cp("I read a book.")));
    const auto block2 = out.find("-----------2-----------");
    const auto block3 = out.find("-----------3-----------");
    const auto block4 = out.find("-----------4-----------");
    const auto end = out.find(";Q47;");
    ASSERT_NE(block2, std::string::npos);
    ASSERT_NE(block3, std::string::npos);
    ASSERT_NE(block4, std::string::npos);
    ASSERT_NE(end, std::string::npos);
    // Each line must turn up in its own section.
    auto in = [&](std::string_view part, std::size_t from, std::size_t to) {
        const auto at = out.find(part, from);
        return at != std::string::npos && at < to;
    };
    // ("_" of the keys reads as a blank in the returned text.)
    // 1: clause records of the transfer and the verb's inflection, which
    // reaches the engine's log through the generation services.
    EXPECT_TRUE(in("=KAYIT=V FA;", 0, block2));
    EXPECT_TRUE(in("3-->+rum--A006AO", 0, block2));
    // 2: clause-level windows of the transfer; 3: sentence assembly; 4: the
    // predicate command of clause generation.
    EXPECT_TRUE(in("R1 F9PPFF", block2, block3));
    EXPECT_TRUE(in("1=WF9PPFF-->True(hazır modul)", block3, block4));
    EXPECT_TRUE(in("sfiil-->oku", block4, end));
    EXPECT_NE(out.find(";Q47;\n\rben bir kitap okurum"), std::string::npos);
}

/// Generation with a fault for one class pattern, as a fault inside sentence
/// assembly would raise it.
class FaultyGeneration : public GenerationStages {
public:
    void AssembleSentence(EnTrServices& engine, std::string_view text, int mode) override {
        if (text == "WF*") throw std::out_of_range("generation fault");
        GenerationStages::AssembleSentence(engine, text, mode);
    }
};

TEST(Pipeline, FaultInGenerationSpoilsOnlyItsSentence) {
    const store::DictionaryStore store = MakeStore(BookSentence({kReadyModule, "V_FF;..<<..;*;0;F*;;;;"}));
    CollectMessages messages;
    FaultyGeneration generation;
    TransferStages transfer(&generation);
    EnTrEngine engine(store, &messages, &transfer);
    EXPECT_EQ(Utf8(engine.TranslateEnToTr(Cp("Book. I read a book."))), "Uzun cümleler . Ben bir kitap okurum .");
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0], "W2 karışık cümle  !..");
}

TEST(Pipeline, LoneNounClauseIsAssembledWithoutFault) {
    // A single "F*" clause once made assembly read the classes of a second
    // item that does not exist.
    Pipeline p(BookSentence({kReadyModule, "V_FF;..<<..;*;0;F*;;;;"}));
    EXPECT_EQ(p.Text("I read a book. Book."), "Ben bir kitap okurum . Kitap, .");
    EXPECT_TRUE(p.messages.shown.empty());
}

TEST(Pipeline, RecordsCrossBothWaysUnchanged) {
    WordRecord w;
    w.key = "book";
    w.code = "..FF..";
    w.field2 = "*";
    w.meaning = Cp("kitap");
    w.field4 = "a";
    w.field5 = "b";
    w.field6 = "60";
    w.field7 = "c";
    w.field8 = "dSRT=4>";
    const GenerationRecord g = ToGenerationRecord(w);
    EXPECT_EQ(g.Field6, "60");
    EXPECT_EQ(g.Field8, "dSRT=4>");
    WordRecord back;
    FromGenerationRecord(g, back);
    for (int n = 0; n < 9; ++n) EXPECT_EQ(ToGenerationRecord(back).FieldByNumber(n), g.FieldByNumber(n)) << n;
    // Generation texts longer than a field are cut to the field.
    GenerationRecord longer = g;
    longer.Code = "123456789ABC";
    FromGenerationRecord(longer, back);
    EXPECT_EQ(back.code.str(), "12345678");
}

TEST(Pipeline, ClauseGroupOfTheTransferIsAssembledByGeneration) {
    // "<FQ>" hands the three clauses, in the order 1 3 2, to sentence
    // assembly in mode 3 ("Z" keys); the group becomes one clause "FI",
    // which the sentence's own assembly then takes whole.
    Pipeline p(BookSentence({"R1_F9PPFF;..//..;*;*;;;;;123<FQ>132", "ZF9FFPP;..<>..;;*1*2@P31;;;;;",
                             "WFI;..<>..;;*1;;;;;"}));
    EXPECT_EQ(p.Text("I read a book."), "Ben bir kitap okurum, .");
    EXPECT_EQ(p.S().TransferCode.str(), "WFI");
    EXPECT_EQ(Utf8(p.S().OrderedTable[1].key.view()), "i read a book");
}

TEST(Pipeline, ModeTwoTakesTheZEntryAndDropsTheFiniteSuffix) {
    // Sentence assembly called directly on the engine's ordered table, as
    // the transfer does for a clause group without its finite verb.
    Pipeline p(BookSentence({"ZF9PPFF;..<>..;;*1*3@P21;;;;;"}));
    EnTrState& s = p.S();
    auto item = [&](int slot, const char* key, const char* code, const char* meaning, const char* field6) {
        WordRecord& r = s.OrderedTable[static_cast<std::size_t>(slot)];
        r.key = key;
        r.code = code;
        r.meaning = meaning;
        r.field6 = field6;
    };
    item(1, "i", "1.F9.", "ben", "0A");
    item(2, "read", "2.PP.", "oku", "60");
    item(3, "a book", "3.FF.", "bir kitap", "");
    s.TransferCode = "WF9PPFF";
    p.full->Stages().AssembleSentence(p.full->Engine(), s.TransferCode.view(), 2);
    EXPECT_EQ(s.SentenceState, 'W');
    EXPECT_EQ(std::string(text::Trim(s.TurkishBufferB.view())), "ben bir kitap oku");
    // The pattern record and the tables come back into the engine state.
    EXPECT_EQ(s.CurrentRecord.key.str(), "ZF9PPFF");
    EXPECT_EQ(s.OrderedTable[3].meaning.str(), "bir kitap");
}

}  // namespace
}  // namespace zelmor::en_tr

namespace zelmor::en_tr {
namespace {

// A sentence for which the dictionary holds no rule still shows the words'
// meanings in order, instead of an empty result.
TEST(PipelineFallback, NoRuleGivesTheMeaningsWordByWord) {
    zelmor::testing::StoreSource src;
    src.en_tr = {"book;..FF..;*;kitap;;;;;", "cat;..FF..;*;kedi;;;;;", "read;..PP..;*;oku;;;61ll;;"};
    auto store = zelmor::testing::MakeStore(src);
    auto full = MakeFullEnTrEngine(store, nullptr);
    EXPECT_EQ(zelmor::testing::Utf8(full->Engine().TranslateEnToTr(zelmor::testing::Cp("cat read book."))),
              "Kedi oku kitap .");
}

}  // namespace
}  // namespace zelmor::en_tr
