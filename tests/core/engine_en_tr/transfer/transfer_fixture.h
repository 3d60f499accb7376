// Shared helpers of the transfer tests: an engine over a tiny store of rule
// entries with the transfer plugged in, and readers of its clause records.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/engine_en_tr/analysis/en_tr_engine.h"
#include "core/engine_en_tr/analysis/transfer/transfer_stages.h"
#include "tests/support/fixtures.h"

namespace zelmor::en_tr::test {

using zelmor::testing::Cp;
using zelmor::testing::Utf8;

class CollectMessages : public EngineMessages {
public:
    void Show(std::string_view cp1254) override { shown.push_back(Utf8(cp1254)); }
    std::vector<std::string> shown;
};

/// Stands in for sentence assembly: records the calls and answers mode 3
/// (a clause group assembled as a sentence) with a fixed text.
class RecordingAssembly : public DefaultStages {
public:
    void AssembleSentence(EnTrServices& engine, std::string_view text, int mode) override {
        calls.push_back(std::string(text) + "/" + std::to_string(mode));
        if (mode == 3) engine.State().TurkishBufferB = Cp(groupAnswer);
    }
    std::vector<std::string> calls;
    std::string groupAnswer = "grup cümlesi";
};

struct TransferFixture {
    explicit TransferFixture(zelmor::testing::StoreSource src)
        : store(zelmor::testing::MakeStore(WithPlaceholder(std::move(src)))),
          stages(&assembly),
          engine(store, &messages, &stages) {}

    static zelmor::testing::StoreSource WithPlaceholder(zelmor::testing::StoreSource src) {
        // The first user entry is never found (index 0 counts as absent).
        src.en_user.insert(src.en_user.begin(), "+placeholder=x");
        return src;
    }

    /// Translates one sentence (UTF-8 in and out).
    std::string Sentence(std::string_view utf8) { return Utf8(engine.TranslateSentence(Cp(utf8))); }
    std::string Text(std::string_view utf8) { return Utf8(engine.TranslateEnToTr(Cp(utf8))); }

    EnTrState& S() { return engine.State(); }
    const WordRecord& Clause(int c) { return S().OrderedTable[static_cast<std::size_t>(c)]; }
    std::string Meaning(int c) { return Utf8(Clause(c).meaning.view()); }
    std::string Key(int c) { return Utf8(Clause(c).key.view()); }
    std::string Code() { return Utf8(S().TransferCode.view()); }
    std::string BufferA() { return Utf8(S().TurkishBufferA.view()); }
    std::string BufferB() { return Utf8(S().TurkishBufferB.view()); }
    bool TraceHas(const std::vector<std::string>& log, std::string_view part) {
        for (const auto& l : log)
            if (Utf8(l).find(part) != std::string::npos) return true;
        return false;
    }
    int TraceCount(const std::vector<std::string>& log, std::string_view prefix) {
        int n = 0;
        for (const auto& l : log)
            if (Utf8(l).starts_with(prefix)) ++n;
        return n;
    }

    store::DictionaryStore store;
    CollectMessages messages;
    RecordingAssembly assembly;
    TransferStages stages;
    EnTrEngine engine;
};

}  // namespace zelmor::en_tr::test
