// Sentence assembly: cuts the sentence's class pattern into modules that
// the dictionary knows, arranges them and generates each with its template.
#pragma once

#include "core/engine_en_tr/generation/clause_state.h"
#include "core/engine_en_tr/generation/generation_services.h"

namespace zelmor::en_tr {

/// Produces the Turkish sentence in state.TurkishBufferB from
/// state.TransferCode and state.OrderedTable. Mode 0: the call for a
/// sentence; 2 or 3: from the transfer (whole-pattern keys start with "Z";
/// mode 2 drops the finite suffix of the predicate).
void AssembleSentence(GenerationState& state, GenerationServices& services, int mode);

/// The default arrangement of module kinds ("X" + kinds without the "X"):
/// one element per module row; `kinds` may be changed by the "Q" rows.
std::string DefaultArrangement(std::string& kinds);

}  // namespace zelmor::en_tr
