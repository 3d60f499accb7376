#include "core/engine_en_tr/analysis/pipeline/pipeline_stages.h"

#include <algorithm>

#include "core/engine_en_tr/generation/assemble_sentence.h"
#include "core/engine_en_tr/generation/inflection.h"
#include "core/text/search.h"
#include "core/text/turkish_case.h"

namespace zelmor::en_tr {

GenerationRecord ToGenerationRecord(const WordRecord& rec) {
    GenerationRecord g;
    g.Key = rec.key.str();
    g.Code = rec.code.str();
    g.Field2 = rec.field2.str();
    g.Meaning = rec.meaning.str();
    g.Field4 = rec.field4.str();
    g.Field5 = rec.field5.str();
    g.Field6 = rec.field6.str();
    g.Field7 = rec.field7.str();
    g.Field8 = rec.field8.str();
    return g;
}

void FromGenerationRecord(const GenerationRecord& rec, WordRecord& out) {
    out.key = rec.Key;
    out.code = rec.Code;
    out.field2 = rec.Field2;
    out.meaning = rec.Meaning;
    out.field4 = rec.Field4;
    out.field5 = rec.Field5;
    out.field6 = rec.Field6;
    out.field7 = rec.Field7;
    out.field8 = rec.Field8;
}

namespace {

template <std::size_t N, std::size_t M>
void ToTable(const std::array<WordRecord, N>& from, std::array<GenerationRecord, M>& to) {
    for (std::size_t i = 0; i < std::min(N, M); ++i) to[i] = ToGenerationRecord(from[i]);
}

template <std::size_t N, std::size_t M>
void FromTable(const std::array<GenerationRecord, N>& from, std::array<WordRecord, M>& to) {
    for (std::size_t i = 0; i < std::min(N, M); ++i) FromGenerationRecord(from[i], to[i]);
}

/// The inflection results every call hands back.
void CopyInflectionResults(const InflectionState& g, EnTrState& s) {
    s.SuffixText = g.SuffixText;
    s.ParticipleText = g.ParticipleText;
    s.ParticipleCaseText = g.ParticipleCaseText;
    s.InflectionCode = g.InflectionCode.Text();
    s.ComplementCode = g.ComplementCode.Text();
    for (std::size_t i = 0; i < kVerbCodeSlotCount && i < s.VerbCodeSlots.size(); ++i)
        s.VerbCodeSlots[i] = g.VerbCodeSlots[i];
}

void CopyInflectionInputs(const EnTrState& s, InflectionState& g) {
    g.InflectionCode.Assign(s.InflectionCode.view());
    g.ComplementCode.Assign(s.ComplementCode.view());
    g.ClauseText = s.ClauseText.str();
    g.SuffixText = s.SuffixText.str();
    g.ParticipleText = s.ParticipleText.str();
    g.ParticipleCaseText = s.ParticipleCaseText.str();
    // The engine's "no state yet" is the neutral state of generation.
    g.SentenceState = s.SentenceState == '\0' ? '0' : s.SentenceState;
    for (std::size_t i = 0; i < kVerbCodeSlotCount && i < s.VerbCodeSlots.size(); ++i)
        g.VerbCodeSlots[i] = s.VerbCodeSlots[i].str();
}

}  // namespace

void CopyToGeneration(const EnTrState& s, GenerationState& g) {
    CopyInflectionInputs(s, g);
    ToTable(s.OrderedTable, g.OrderedTable);
    ToTable(s.SavedOrderedTable, g.SavedOrderedTable);
    ToTable(s.ModuleRecords, g.ModuleRecords);
    g.CurrentRecord = ToGenerationRecord(s.CurrentRecord);
    g.TransferSavedRule = ToGenerationRecord(s.SavedClauseTable[0]);
    g.ClauseTemplate = s.ClauseTemplate.str();
    for (std::size_t i = 0; i < kOrderedSlots && i < s.WordCodes.size(); ++i) {
        g.WordCodes[i].Assign(s.WordCodes[i].view());
        g.QuestionCodes[i] = s.QuestionCodes[i].str();
    }
    g.QuestionWordText = s.QuestionWordText.str();
    g.PredicateField = s.PredicateField.str();
    g.ModuleKinds = s.ModuleKinds.str();
    g.CurrentWord = s.TemplateWord;
    g.TransferCode = s.TransferCode.str();
    g.TransferDone = s.TransferDone;
    g.TurkishBufferA = s.TurkishBufferA.str();
    g.TurkishBufferB = s.TurkishBufferB.str();
    g.ResultPrefix = s.ResultPrefix.str();
    g.ResultSuffix = s.ResultSuffix.str();
}

void CopyFromGeneration(const GenerationState& g, EnTrState& s, CopyBack what) {
    CopyInflectionResults(g, s);
    s.ClauseText = g.ClauseText;
    s.SentenceState = g.SentenceState;
    s.TurkishBufferA = g.TurkishBufferA;
    s.TurkishBufferB = g.TurkishBufferB;
    s.ResultPrefix = g.ResultPrefix;
    s.ResultSuffix = g.ResultSuffix;
    s.QuestionWordText = g.QuestionWordText;
    s.PredicateField = g.PredicateField;
    if (what == CopyBack::Texts) return;
    FromTable(g.OrderedTable, s.OrderedTable);
    FromTable(g.SavedOrderedTable, s.SavedOrderedTable);
    FromTable(g.ModuleRecords, s.ModuleRecords);
    FromGenerationRecord(g.CurrentRecord, s.CurrentRecord);
    s.ClauseTemplate = g.ClauseTemplate;
    for (std::size_t i = 0; i < kOrderedSlots && i < s.WordCodes.size(); ++i) {
        s.WordCodes[i] = g.WordCodes[i].Text();
        s.QuestionCodes[i] = g.QuestionCodes[i];
    }
    s.ModuleKinds = g.ModuleKinds;
    s.TransferCode = g.TransferCode;
}

// ---- EngineGenerationServices ----

const GenerationRecord* EngineGenerationServices::LookUpEnglish(std::string_view key) {
    if (engine_.LookUpEnglish(key) <= 0) return nullptr;
    record_ = ToGenerationRecord(engine_.State().LookupRecord);
    return &record_;
}

std::string EngineGenerationServices::LookUpUserSentence(std::string_view text) {
    return engine_.LookUpUserSentence(text, 0);
}

std::string EngineGenerationServices::NounEnding(char letter, std::string_view text) {
    return engine_.NounEnding(std::string(1, letter), text);
}

std::string EngineGenerationServices::OrderedSlotKey(int slot) {
    if (slot < 0 || slot >= static_cast<int>(kOrderedSlots)) return {};
    const auto i = static_cast<std::size_t>(slot);
    if (generation_) return generation_->OrderedTable[i].Key;
    if (i >= engine_.State().OrderedTable.size()) return {};
    return engine_.State().OrderedTable[i].key.str();
}

void EngineGenerationServices::SetWordMark(char mark) {
    const int word = generation_ ? generation_->CurrentWord : current_word_;
    std::string& marks = engine_.State().InflectionMarks;
    if (word >= 1 && static_cast<std::size_t>(word) < marks.size()) marks[static_cast<std::size_t>(word)] = mark;
}

long EngineGenerationServices::TraceCounter() const {
    return engine_.State().TraceCounter;
}

std::vector<std::string>& EngineGenerationServices::Log(TraceSection section) {
    EnTrState& s = engine_.State();
    switch (section) {
        case TraceSection::Log1: return s.TraceLog1;
        case TraceSection::Log2: return s.TraceLog2;
        case TraceSection::Log3: return s.TraceLog3;
        default: return s.TraceLog4;
    }
}

void EngineGenerationServices::Trace(TraceSection section, std::string line) {
    if (!Tracing()) return;
    Log(section).push_back(std::move(line));
}

void EngineGenerationServices::SortTrace(TraceSection section) {
    auto& log = Log(section);
    std::stable_sort(log.begin(), log.end(), [](const std::string& a, const std::string& b) {
        return text::OrdinalCompare(text::TurkishLowerCase(a), text::TurkishLowerCase(b)) < 0;
    });
}

// ---- GenerationStages ----

void GenerationStages::AssembleSentence(EnTrServices& engine, std::string_view text, int mode) {
    EnTrState& s = engine.State();
    auto g = std::make_unique<GenerationState>();
    CopyToGeneration(s, *g);
    // The text argument is the class pattern the caller wants assembled
    // (normally TransferCode itself).
    g->TransferCode = std::string(text);
    EngineGenerationServices services(engine, g.get());
    en_tr::AssembleSentence(*g, services, mode);
    // A clause group assembled during the transfer (mode 3) hands back its
    // text only: the transfer goes on with its own clause records. The text
    // becomes part of a clause and is followed by ", ", so the blank that
    // assembly leaves after its last word goes.
    if (mode == 3) {
        while (!g->TurkishBufferB.empty() && g->TurkishBufferB.back() == ' ') g->TurkishBufferB.pop_back();
        CopyFromGeneration(*g, s, CopyBack::Texts);
    } else {
        CopyFromGeneration(*g, s, CopyBack::All);
    }
}

void GenerationStages::InflectVerb(EnTrServices& engine, int slot) {
    EnTrState& s = engine.State();
    InflectionState st;
    CopyInflectionInputs(s, st);
    // The stem decides the voicing of the suffix (t after k, p, s, t, ç, ş):
    // the verb's meaning in the word table (English-order templates), or in
    // the ordered table when the word table has nothing there.
    st.ClauseText.clear();
    if (slot >= 1 && slot < kTableSlots) {
        const auto i = static_cast<std::size_t>(slot);
        st.ClauseText = !s.WordTable[i].meaning.empty() ? s.WordTable[i].meaning.str() : s.OrderedTable[i].meaning.str();
    }
    EngineGenerationServices services(engine);
    services.SetCurrentWord(slot);
    en_tr::InflectVerb(st, services, slot);
    CopyInflectionResults(st, s);
}

std::unique_ptr<FullEnTrEngine> MakeFullEnTrEngine(const store::DictionaryStore& store, EngineMessages* messages) {
    return std::make_unique<FullEnTrEngine>(store, messages);
}

void PipelineStages::TransferSentence(EnTrServices& engine) {
    word_by_word_ = false;
    TransferStages::TransferSentence(engine);
    EnTrState& s = engine.State();
    if (s.TurkishBufferA.view().empty() && s.TransferCode.view().size() <= 1) {
        DefaultStages().TransferSentence(engine);
        word_by_word_ = true;
    }
}

void PipelineStages::AssembleSentence(EnTrServices& engine, std::string_view text, int mode) {
    if (word_by_word_ && mode == 0) return;
    TransferStages::AssembleSentence(engine, text, mode);
}

}  // namespace zelmor::en_tr
