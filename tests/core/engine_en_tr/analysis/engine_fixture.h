// Shared helpers of the English-Turkish analysis tests: an engine over a tiny
// store written as readable source lines, with its messages collected.
#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "core/engine_en_tr/analysis/en_tr_engine.h"
#include "tests/support/fixtures.h"

namespace zelmor::en_tr::test {

using zelmor::testing::Cp;
using zelmor::testing::Utf8;

class CollectMessages : public EngineMessages {
public:
    void Show(std::string_view cp1254) override { shown.push_back(Utf8(cp1254)); }
    std::vector<std::string> shown;
};

/// The user dictionary's first entry is never found (index 0 counts as
/// absent), so every fixture starts its user list with a placeholder.
inline zelmor::testing::StoreSource WithUserPlaceholder(zelmor::testing::StoreSource src) {
    src.en_user.insert(src.en_user.begin(), "+placeholder=x");
    return src;
}

struct EngineFixture {
    explicit EngineFixture(const zelmor::testing::StoreSource& src)
        : store(zelmor::testing::MakeStore(WithUserPlaceholder(src))), engine(store, &messages) {}
    /// UTF-8 in, UTF-8 out.
    std::string Translate(std::string_view utf8) { return Utf8(engine.TranslateEnToTr(Cp(utf8))); }
    store::DictionaryStore store;
    CollectMessages messages;
    EnTrEngine engine;
};

}  // namespace zelmor::en_tr::test
