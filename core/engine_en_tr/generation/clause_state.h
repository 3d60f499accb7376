// State of clause generation: the ordered words of the clause, the pattern
// record whose template is interpreted, the per-word verb codes and the
// texts that sentence assembly hands over. Extends the inflection state.
#pragma once

#include <array>
#include <string>

#include "core/engine_en_tr/generation/generation_services.h"
#include "core/engine_en_tr/generation/inflection_state.h"

namespace zelmor::en_tr {

inline constexpr std::size_t kOrderedSlots = 31;
inline constexpr std::size_t kClauseTemplateCapacity = 100;

/// A word code slot: 15 characters and the terminator.
using WordCodeBuffer = CodeBuffer<15>;

struct GenerationState : InflectionState {
    /// The items of the sentence in Turkish order, from slot 1.
    std::array<GenerationRecord, kOrderedSlots> OrderedTable{};
    /// Copy of OrderedTable slots 0-15 taken by sentence assembly.
    std::array<GenerationRecord, 16> SavedOrderedTable{};
    /// The sentence-pattern entry; its meaning is the generation template.
    GenerationRecord CurrentRecord;
    /// The template being interpreted (at most 100 characters).
    std::string ClauseTemplate;

    /// Inflection code of every verb of the clause, by slot.
    std::array<WordCodeBuffer, kOrderedSlots> WordCodes{};
    /// "QCF" or "QC" for verbs of question patterns, by slot.
    std::array<std::string, kOrderedSlots> QuestionCodes{};

    /// Question word of a "<MQ>" element, set by sentence assembly.
    std::string QuestionWordText;
    /// Field 6 of the predicate slot, kept by the predicate command.
    std::string PredicateField;
    /// Kinds of the modules of the sentence (sentence assembly).
    std::string ModuleKinds;
    /// The verb's meaning taken by the last predicate command.
    std::string PredicateVerbText;
    /// The two negative existential texts ("YOK", "YOKTU") of the clause.
    std::string ExistentialText1, ExistentialText2;
    /// The current word number (possessive and verbal-noun commands).
    int CurrentWord = 0;
    /// Slot 0 of the transfer's saved rule table: a rule whose key has
    /// "R1_PPGGPP" and whose field 6 has "dwx=1" makes predicates personless.
    GenerationRecord TransferSavedRule;

    // Sentence assembly.
    /// The sentence's class pattern: "W" and two class letters per item.
    std::string TransferCode;
    /// Set by the transfer when it has produced the sentence itself.
    bool TransferDone = false;
    /// The transfer's own text and the assembled sentence.
    std::string TurkishBufferA, TurkishBufferB;
    /// Words put before and after the sentence.
    std::string ResultPrefix, ResultSuffix;
    /// First and last word number of each module (entry 0: word 0).
    std::array<std::pair<int, int>, kOrderedSlots> ModuleList{};
    /// The record of each module, from slot 1.
    std::array<GenerationRecord, kOrderedSlots> ModuleRecords{};
};

/// Entry `digit` ('0'-'9' and beyond) of a per-slot table. A digit outside
/// the table gives `spare`, emptied, so a bad template digit reads and writes
/// nothing real.
template <typename T, std::size_t N>
T& DigitSlot(std::array<T, N>& table, char digit, T& spare) {
    const int n = digit - '0';
    if (n < 0 || static_cast<std::size_t>(n) >= N) {
        spare = T{};
        return spare;
    }
    return table[static_cast<std::size_t>(n)];
}

}  // namespace zelmor::en_tr
