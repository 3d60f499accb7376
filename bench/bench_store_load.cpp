// Loading a 200,000-line shifted dictionary, against the floor of reading
// the same file and cutting it into lines. Reports the store's memory as a
// multiple of the file size.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <malloc.h>
#include <filesystem>
#include <fstream>
#include <random>

#include "core/store/dictionary_store.h"
#include "core/store/file_io.h"

namespace {

namespace fs = std::filesystem;
using namespace zelmor::store;

// The program loads its dictionaries once; in a loop of loads the
// allocator would hand each fresh 7 MB buffer back to the system and fault
// it in again, which measures the allocator rather than the load. Keep
// freed memory in the process for both benchmarks alike.
const bool kKeepMemory = [] {
    mallopt(M_MMAP_THRESHOLD, 1 << 30);
    mallopt(M_TRIM_THRESHOLD, 1 << 30);
    return true;
}();

const fs::path& DictionaryFile() {
    static const fs::path path = [] {
        fs::path p = fs::temp_directory_path() / "zelmor-bench-pavolkx.txt";
        std::mt19937 rng(47);
        const char* meanings[] = {"kitap", "okumak", "güzel_bir_ev", "araba", "hızlı", "öğretmen"};
        std::ofstream out(p, std::ios::binary);
        out << EncodeDictionaryLine("!!!!;..XX..;;sayılar;01.01.2026;VERSION;V9.03;;") << "\r\n";
        for (int i = 0; i < 200000; ++i) {
            char key[40];
            std::snprintf(key, sizeof key, "word%06d", i);
            std::string line = std::string(key) + ";..FF..;*;" + meanings[rng() % 6] + ";;;0;;";
            out << EncodeDictionaryLine(line) << "\r\n";
        }
        return p;
    }();
    return path;
}

void BM_Floor_ReadAndSplitLines(benchmark::State& state) {
    const fs::path& p = DictionaryFile();
    for (auto _ : state) {
        std::string bytes;
        ReadWholeFile(p, bytes, nullptr);
        auto lines = SplitLines(bytes);
        benchmark::DoNotOptimize(lines.data());
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * fs::file_size(p)));
}
BENCHMARK(BM_Floor_ReadAndSplitLines)->Unit(benchmark::kMillisecond);

void BM_LoadMainDictionary(benchmark::State& state) {
    const fs::path& p = DictionaryFile();
    std::size_t memory = 0;
    for (auto _ : state) {
        StringList keys, records;
        LoadMainDictionaryFile(p, keys, records, nullptr);
        memory = keys.MemoryBytes() + records.MemoryBytes();
        benchmark::DoNotOptimize(keys.size());
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * fs::file_size(p)));
    state.counters["memory_x_file"] = static_cast<double>(memory) / static_cast<double>(fs::file_size(p));
}
BENCHMARK(BM_LoadMainDictionary)->Unit(benchmark::kMillisecond);

}  // namespace
