// Shared helpers of the Turkish-to-English engine tests: a small dictionary
// (the demonstration data under demo/ plus per-test lines) and a message
// recorder.
#pragma once

#include <fstream>
#include <string>
#include <vector>

#include "core/engine_tr_en/tr_en_engine.h"
#include "tests/support/fixtures.h"

namespace zelmor::tr_en::test {

using zelmor::testing::Cp;
using zelmor::testing::Utf8;

/// The lines of a source file under tests/core/engine_tr_en/demo (comments
/// and blank lines left out).
inline std::vector<std::string> DemoLines(const std::string& name) {
    std::ifstream in(zelmor::testing::SourceDir() / "tests/core/engine_tr_en/demo" / name);
    std::vector<std::string> out;
    for (std::string line; std::getline(in, line);)
        if (!line.empty() && line[0] != '#') out.push_back(line);
    return out;
}

/// A store with the demonstration lines plus `tr_en` and `tr_user` extras.
inline store::DictionaryStore DemoStore(std::vector<std::string> tr_en = {},
                                        std::vector<std::string> tr_user = {}) {
    zelmor::testing::StoreSource src;
    src.tr_en = DemoLines("tr-en/demo.txt");
    src.tr_en.insert(src.tr_en.end(), tr_en.begin(), tr_en.end());
    src.tr_user = DemoLines("user/usertur.txt");
    src.tr_user.insert(src.tr_user.end(), tr_user.begin(), tr_user.end());
    return zelmor::testing::MakeStore(src);
}

struct RecordingUi : TrEnUi {
    std::vector<std::string> messages, steps;
    void Message(std::string_view t) override { messages.push_back(Utf8(t)); }
    void StepMessage(std::string_view t, std::string_view title) override {
        steps.push_back(Utf8(title) + Utf8(t));  // title first, then the text
    }
};

/// Translates UTF-8 text and gives the UTF-8 result.
inline std::string Translate(TrEnEngine& e, const std::string& utf8) {
    return Utf8(e.TranslateTrToEn(Cp(utf8)));
}

}  // namespace zelmor::tr_en::test
