// Turkish-to-English translation throughput on 100 KB and 1 MB of text; the
// complexity fit should come out linear (each sentence is translated on its
// own, with binary-search look-ups only).
#include <benchmark/benchmark.h>

#include <algorithm>
#include <string>
#include <vector>

#include "core/engine_tr_en/tr_en_engine.h"
#include "core/text/cp1254.h"
#include "core/text/search.h"

namespace {

using namespace zelmor;

const store::DictionaryStore& Store() {
    static const store::DictionaryStore s = [] {
        store::DictionaryStore d;
        const char* lines[][2] = {
            {"!!!!", "..XX..;;;;;;;;"},           {"*Ali", "..F*..;;Ali;;;;tC;;"},
            {"V_FE", "..<<..;;!0t 0;FE;;;;;"},     {"V_FG", "..<<..;;!0t 0;FG;;;;;"},
            {"WFaFEPP", "..<>..;;*1 @P3 *2;;;;;;"}, {"WFaFGPP", "..<>..;;*1 @P3 *2;;;;;;"},
            {"Z+de_", "..<F..;;;;;;00I;;"},         {"Z+di_", "..<P..;;;;;;CG2.AOs;;"},
            {"Z+du_", "..<P..;;;;;;CG2.AOs;;"},     {"Z+e_", "..<F..;;;;;;00G;;"},
            {"Z+ı_", "..<F..;;;;;;00E;;"},          {"ev", "..FF..;;house;houses;;;;;"},
            {"gel", "..PP..;;come;came;;;;;"},      {"kitab", "..FF..;;book;books;;;;;"},
            {"oku", "..PP..;;read;read;;;;;"},      {"şşşş", "..XX..;;;;;;;;"},
        };
        std::vector<std::pair<std::string, std::string>> v;
        for (auto& l : lines) v.emplace_back(text::Utf8ToCp1254(l[0]), text::Utf8ToCp1254(l[1]));
        std::sort(v.begin(), v.end(),
                  [](auto& a, auto& b) { return text::OrdinalCompare(a.first, b.first) < 0; });
        for (auto& [k, r] : v) {
            d.TrEnKeys.push_back(k);
            d.TrEnRecords.push_back(r);
        }
        return d;
    }();
    return s;
}

std::string Text(std::size_t bytes) {
    const std::string sentences[] = {
        text::Utf8ToCp1254("Ali kitabı okudu. "), text::Utf8ToCp1254("Ali eve geldi, kitabı okudu. "),
        text::Utf8ToCp1254("Ayşe'nin evinde yirmi kitap var ve hepsi güzel görünüyor.\r\n\r\n")};
    std::string t;
    for (std::size_t k = 0; t.size() < bytes; ++k) t += sentences[k % 3];
    t.resize(bytes);
    return t;
}

void BM_TranslateTrToEn(benchmark::State& state) {
    std::string input = Text(static_cast<std::size_t>(state.range(0)));
    tr_en::TrEnEngine engine(Store());
    for (auto _ : state) benchmark::DoNotOptimize(engine.TranslateTrToEn(input));
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) * state.range(0));
    state.SetComplexityN(state.range(0));
}
BENCHMARK(BM_TranslateTrToEn)->Arg(100 * 1024)->Arg(1024 * 1024)->Complexity(benchmark::oN)->Unit(benchmark::kMillisecond);

}  // namespace
