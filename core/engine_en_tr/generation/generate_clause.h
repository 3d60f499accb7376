// Clause generation: the Turkish text of one clause from the ordered words
// and the generation template of the pattern entry in CurrentRecord.
//
// A template is a short program: "*n" inserts slot n's meaning, "@" followed
// by a command letter and single-character parameters (mostly slot digits)
// runs a command that appends words, looks up entries built from the words
// and inflects nouns and verbs.
#pragma once

#include <string_view>

#include "core/engine_en_tr/generation/clause_state.h"
#include "core/engine_en_tr/generation/generation_services.h"

namespace zelmor::en_tr {

/// Writes the clause into state.ClauseText. `text` is the key or tag text
/// of the pattern; "<?=O>" in it disables the whole-clause idiom short-cut.
void GenerateClause(GenerationState& state, GenerationServices& services, std::string_view text);

/// Runs the template in state.ClauseTemplate from the start (the
/// interpreter of GenerateClause, without its short-cuts and set-up).
/// `pattern` is the private copy of the pattern record whose field 8 holds
/// the tags.
void InterpretTemplate(GenerationState& state, GenerationServices& services, GenerationRecord& pattern);

/// The predicate command: `params` are the parameter characters after "P".
/// Appends the finite verb to state.ClauseText.
void BuildPredicate(GenerationState& state, GenerationServices& services, GenerationRecord& pattern,
                    std::string_view params);

}  // namespace zelmor::en_tr
