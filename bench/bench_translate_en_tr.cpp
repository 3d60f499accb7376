// Translation time of the English-Turkish engine on 100 KB and 1 MB of text;
// the two sizes show that the time grows linearly with the length.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <string>
#include <utility>
#include <vector>

#include "core/engine_en_tr/analysis/en_tr_engine.h"
#include "core/text/search.h"

namespace {

using namespace zelmor;

const store::DictionaryStore& Store() {
    static const store::DictionaryStore store = [] {
        std::vector<std::pair<std::string, std::string>> en = {
            {"!!!!", "..XX..;;header;;;;;"}, {"the", "..TT..;*;bu;;;;;"},
            {"cat", "..FF..;*;kedi;;;;;"},   {"book", "..FF..;*;kitap;;;;;"},
            {"read", "..PP..;*;oku;;;0;;"},  {"walk", "..PP..;*;yuru;;;1;;"},
            {"in<<order<<to", "..<<..;*;to;;;;;"}, {"look_after", "..PP..;*;bak;;;0;;"},
        };
        std::sort(en.begin(), en.end(),
                  [](const auto& a, const auto& b) { return text::OrdinalCompare(a.first, b.first) < 0; });
        store::DictionaryStore s;
        for (const auto& [k, r] : en) {
            s.EnTrKeys.push_back(k);
            s.EnTrRecords.push_back(r);
        }
        s.EnUserKeys = {"+first", "good night"};
        s.EnUserRecords = {"x", "iyi geceler"};
        s.AbbreviationList = {"# header", "Dr.", "Mr."};
        return s;
    }();
    return store;
}

std::string MakeText(std::size_t bytes) {
    static const std::string kParagraph =
        "Mr. Smith walked to the U.S. embassy in order to read the books, and the cats walked 3.50 miles. "
        "Did he look after the cat? Yes, he did! The children read 1,000 books on the 2nd day.\r\n"
        "good night. An unknown zorkish word appears here.\r\n\r\n";
    std::string text;
    text.reserve(bytes + kParagraph.size());
    while (text.size() < bytes) text += kParagraph;
    text.resize(bytes);
    return text;
}

void BM_TranslateEnToTr(benchmark::State& state) {
    const std::string text = MakeText(static_cast<std::size_t>(state.range(0)));
    en_tr::EnTrEngine engine(Store());
    for (auto _ : state) benchmark::DoNotOptimize(engine.TranslateEnToTr(text));
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * state.range(0));
}
BENCHMARK(BM_TranslateEnToTr)->Arg(100 << 10)->Arg(1 << 20)->Unit(benchmark::kMillisecond);

}  // namespace
