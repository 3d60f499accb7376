// A learning-window context for tests: a store of the moment, frame
// switches, a fake clock the test moves by hand and a fixed seed.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "gui/windows/learning/learning_common.h"
#include "tests/gui/gui_test_support.h"
#include "tests/support/fixtures.h"

namespace zelmor::gui::testing {

struct LearningRig {
    std::shared_ptr<store::DictionaryStore> store = std::make_shared<store::DictionaryStore>();
    FrameSwitches switches;
    std::int64_t now = 0;
    std::vector<std::string> turkish_spoken;  // UTF-8

    LearningContext Context() {
        LearningContext c;
        c.store = [this] { return std::shared_ptr<const store::DictionaryStore>(store); };
        c.switches = &switches;
        c.clock = [this] { return now; };
        c.seed = 7;
        c.speak_turkish = [this](const std::string& cp) { turkish_spoken.push_back(zelmor::testing::Utf8(cp)); };
        return c;
    }
};

/// An English-Turkish store with `words` demo-marked entries from record
/// 12500 on (keys "w0000", ...; meanings "anlam0000", ...).
inline std::shared_ptr<store::DictionaryStore> DemoWordStore(int words) {
    auto s = std::make_shared<store::DictionaryStore>();
    s->EnTrKeys.push_back("!!!!");
    s->EnTrRecords.push_back("..XX..;;h;;;;;");
    for (int i = 1; i < 12500; ++i) {
        s->EnTrKeys.push_back("a" + std::to_string(100000 + i));
        s->EnTrRecords.push_back("..FF..;;x;;;;;");
    }
    for (int i = 0; i < words; ++i) {
        char key[16], rec[48];
        std::snprintf(key, sizeof key, "w%04d", i);
        std::snprintf(rec, sizeof rec, "..FF..;*;anlam%04d;;;;;", i);
        s->EnTrKeys.push_back(key);
        s->EnTrRecords.push_back(rec);
    }
    s->EnTrKeys.push_back("\xFE\xFE\xFE\xFE");
    s->EnTrRecords.push_back("???;*;;;;;;");
    return s;
}

}  // namespace zelmor::gui::testing
