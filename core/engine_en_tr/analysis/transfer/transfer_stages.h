// TransferStages: the transfer of an analysed English sentence into Turkish
// clauses, plugged into EnTrEngine as its SentenceStages.
//
// TransferSentence matches rule entries of the main dictionary against the
// sentence's class pattern, forms clauses (OrderedTable, one record a clause,
// each with its Turkish text from the clause rule's template), runs the
// clause-level rule passes over the clause codes and writes TransferCode and
// TurkishBufferA for sentence assembly. Sentence assembly and verb inflection
// are not done here: they are forwarded to the generation stages handed to
// the constructor (the clause-group directive "<FQ>" calls AssembleSentence
// in mode 3 through this object, so it reaches the same generation).
#pragma once

#include <stdexcept>
#include <string>

#include "core/engine_en_tr/analysis/engine_state.h"

namespace zelmor::en_tr {

/// Raised for an internal fault of the transfer (a rule naming a slot that
/// cannot exist, a clause table overflow). It derives from std::exception so
/// TranslateSentence's guard reports "W1 karışık cümle  !.." and the sentence
/// becomes "uzun cümleler".
class TransferError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

/// Figures of the last TransferSentence call (for tests and diagnostics).
struct TransferFigures {
    int stage1Windows = 0;   // windows tried in clause formation
    int clausesFormed = 0;   // clauses made by clause formation
    int stage2Passes = 0;    // passes made by the clause-directive stage
    int stage3Passes = 0;
    int stage4Passes = 0;
};

class TransferStages : public DefaultStages {
public:
    /// `generation` receives AssembleSentence and InflectVerb; nullptr keeps
    /// the defaults (no assembly, empty verb forms).
    explicit TransferStages(SentenceStages* generation = nullptr) : generation_(generation) {}
    void SetGeneration(SentenceStages* generation) { generation_ = generation; }

    void TransferSentence(EnTrServices& engine) override;
    void AssembleSentence(EnTrServices& engine, std::string_view text, int mode) override {
        if (generation_) generation_->AssembleSentence(engine, text, mode);
    }
    void InflectVerb(EnTrServices& engine, int slot) override {
        if (generation_)
            generation_->InflectVerb(engine, slot);
        else
            DefaultStages::InflectVerb(engine, slot);
    }

    const TransferFigures& LastFigures() const { return figures_; }

private:
    SentenceStages* generation_;
    TransferFigures figures_;
};

}  // namespace zelmor::en_tr
