// The complete English-to-Turkish pipeline: analysis (EnTrEngine), transfer
// (TransferStages) and Turkish generation (sentence assembly, clause
// generation, verb inflection) joined into one engine.
//
// Generation keeps its own state (GenerationState) and reaches the engine
// through GenerationServices. The pieces here bridge the two sides:
//   - EngineGenerationServices implements GenerationServices over an
//     EnTrServices (the engine's look-ups, noun endings and trace logs);
//   - CopyToGeneration / CopyFromGeneration move the sentence tables and
//     texts between EnTrState and GenerationState around every call;
//   - GenerationStages is the SentenceStages of generation alone;
//   - PipelineStages is the transfer with generation plugged in;
//   - FullEnTrEngine / MakeFullEnTrEngine give the programs a ready engine.
#pragma once

#include <memory>
#include <string>
#include <string_view>

#include "core/engine_en_tr/analysis/en_tr_engine.h"
#include "core/engine_en_tr/analysis/engine_state.h"
#include "core/engine_en_tr/analysis/transfer/transfer_stages.h"
#include "core/engine_en_tr/generation/clause_state.h"
#include "core/engine_en_tr/generation/generation_services.h"

namespace zelmor::en_tr {

/// Field-by-field copies between the two record types. Fields longer than a
/// WordRecord field are cut to its capacity.
GenerationRecord ToGenerationRecord(const WordRecord& rec);
void FromGenerationRecord(const GenerationRecord& rec, WordRecord& out);

/// What a copy back from generation brings into the engine state.
enum class CopyBack {
    /// Everything generation owns: tables, codes, texts and buffers (a
    /// sentence assembled for TranslateSentence).
    All,
    /// Only the produced texts and the inflection results; the ordered
    /// table, the transfer code and the pattern record stay as the caller
    /// left them (a clause group assembled in the middle of the transfer,
    /// whose clause records the transfer goes on working with).
    Texts,
};

/// Fills a fresh GenerationState from the engine state.
void CopyToGeneration(const EnTrState& s, GenerationState& g);
/// Writes the results of generation back into the engine state.
void CopyFromGeneration(const GenerationState& g, EnTrState& s, CopyBack what = CopyBack::All);

/// GenerationServices over the engine. `generation` (may be null) is the
/// state generation is working on; its ordered table answers OrderedSlotKey
/// and its current word receives the morphology marks. Without it the
/// engine's own tables are used.
class EngineGenerationServices : public GenerationServices {
public:
    explicit EngineGenerationServices(EnTrServices& engine, const GenerationState* generation = nullptr)
        : engine_(engine), generation_(generation) {}

    /// The engine's look-up: sets FoundFlag, LastIndex and LookupRecord and
    /// reports a malformed record ("kayıt hatası var=...") as the engine
    /// does; the hit comes back converted.
    const GenerationRecord* LookUpEnglish(std::string_view key) override;
    std::string LookUpUserSentence(std::string_view text) override;
    std::string NounEnding(char letter, std::string_view text) override;
    std::string OrderedSlotKey(int slot) override;
    void SetWordMark(char mark) override;
    bool Tracing() const override { return engine_.TraceMode(); }
    long TraceCounter() const override;
    void Trace(TraceSection section, std::string line) override;
    void SortTrace(TraceSection section) override;

    /// Word number whose morphology mark SetWordMark writes when no
    /// generation state is attached (the verb being inflected).
    void SetCurrentWord(int word) { current_word_ = word; }

private:
    std::vector<std::string>& Log(TraceSection section);

    EnTrServices& engine_;
    const GenerationState* generation_;
    GenerationRecord record_;
    int current_word_ = 0;
};

/// Generation as SentenceStages: sentence assembly in modes 0, 2 and 3 and
/// verb inflection, each on a GenerationState copied from the engine state
/// and copied back afterwards. TransferSentence is the default listing of
/// the words (generation alone forms no clauses). Faults of generation are
/// not caught here: they reach the sentence guard of the engine.
class GenerationStages : public DefaultStages {
public:
    void AssembleSentence(EnTrServices& engine, std::string_view text, int mode) override;
    void InflectVerb(EnTrServices& engine, int slot) override;
};

/// The transfer with generation plugged in: clause formation and the
/// clause-level rules of TransferStages, then sentence assembly and verb
/// inflection by GenerationStages. The transfer's clause-group assembly
/// ("<FQ>", mode 3) goes through the same generation.
class PipelineStages : public TransferStages {
public:
    PipelineStages() : TransferStages(&generation_) {}
    PipelineStages(const PipelineStages&) = delete;
    PipelineStages& operator=(const PipelineStages&) = delete;

    /// The transfer; when no rule formed any clause of the sentence (the
    /// dictionary holds no rule for it), the words' meanings in sentence
    /// order instead of an empty result.
    void TransferSentence(EnTrServices& engine) override;
    /// Sentence assembly, skipped for the word-by-word fallback.
    void AssembleSentence(EnTrServices& engine, std::string_view text, int mode) override;

private:
    GenerationStages generation_;
    bool word_by_word_ = false;
};

/// An EnTrEngine that runs the whole pipeline, together with the stages it
/// uses (the engine only points at them, so both live here).
class FullEnTrEngine {
public:
    explicit FullEnTrEngine(const store::DictionaryStore& store, EngineMessages* messages = nullptr)
        : engine_(store, messages, &stages_) {}
    FullEnTrEngine(const FullEnTrEngine&) = delete;
    FullEnTrEngine& operator=(const FullEnTrEngine&) = delete;

    EnTrEngine& Engine() { return engine_; }
    const EnTrEngine& Engine() const { return engine_; }
    EnTrEngine* operator->() { return &engine_; }
    PipelineStages& Stages() { return stages_; }

private:
    PipelineStages stages_;  // declared first: it outlives the engine
    EnTrEngine engine_;
};

/// The engine the command line and the GUI translate with.
std::unique_ptr<FullEnTrEngine> MakeFullEnTrEngine(const store::DictionaryStore& store,
                                                   EngineMessages* messages = nullptr);

}  // namespace zelmor::en_tr
