#include "tests/support/fixtures.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <random>

#include "core/store/data_compiler.h"
#include "core/store/file_io.h"
#include "core/text/cp1254.h"

namespace zelmor::testing {

namespace fs = std::filesystem;

std::string Cp(std::string_view utf8) { return text::Utf8ToCp1254(utf8); }
std::string Utf8(std::string_view cp1254) { return text::Cp1254ToUtf8(cp1254); }

namespace {

std::vector<store::SourceLine> ToSource(const std::vector<std::string>& lines) {
    std::vector<store::SourceLine> out;
    for (std::size_t i = 0; i < lines.size(); ++i) out.push_back({"fixture", i + 1, Cp(lines[i])});
    return out;
}

void Report(const std::vector<store::Diagnostic>& errors) {
    for (auto& e : errors) ADD_FAILURE() << "fixture line rejected: " << e.ToString();
}

}  // namespace

store::DictionaryStore MakeStore(const StoreSource& src) {
    std::vector<store::Diagnostic> errors;
    TempDir dir;
    const std::string date = "01.01.2026";
    dir.Write(std::string(store::kEnTrFile),
              store::CompileMainDictionary(ToSource(src.en_tr), store::kEnTrFieldCount, date, errors));
    dir.Write(std::string(store::kTrEnFile),
              store::CompileMainDictionary(ToSource(src.tr_en), store::kTrEnFieldCount, date, errors));
    dir.Write(std::string(store::kEnUserFile), store::CompileUserDictionary(ToSource(src.en_user), date, errors));
    dir.Write(std::string(store::kTrUserFile), store::CompileUserDictionary(ToSource(src.tr_user), date, errors));
    dir.Write(std::string(store::kAbbreviationFile), store::CompileAbbreviations(ToSource(src.abbreviations), errors));
    if (!src.syllables.empty()) {
        std::string text;
        for (auto& l : src.syllables) text += Cp(l) + "\r\n";
        fs::create_directories(dir.path() / "trwav");
        dir.Write(std::string(store::kSyllableIndexFile), text);
    }
    Report(errors);

    struct SilentUi : store::LoadUi {
        void Warning(std::string_view t) override { ADD_FAILURE() << "load warning: " << Utf8(t); }
        std::optional<fs::path> ChooseFile(std::string_view) override { return std::nullopt; }
        void ReadError(std::string_view t) override { ADD_FAILURE() << "read error: " << t; }
    } ui;
    store::DictionaryStore s;
    store::LoadDictionaryStore(s, dir.path(), ui);
    return s;
}

TempDir::TempDir() {
    std::random_device rd;
    path_ = fs::temp_directory_path() / ("zelmor-test-" + std::to_string(rd()) + std::to_string(rd()));
    fs::create_directories(path_);
}

TempDir::~TempDir() {
    std::error_code ec;
    fs::remove_all(path_, ec);
}

fs::path TempDir::Write(const std::string& name, std::string_view bytes) const {
    fs::path p = path_ / name;
    fs::create_directories(p.parent_path());
    std::ofstream out(p, std::ios::binary);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    return p;
}

fs::path SourceDir() {
    const char* s = std::getenv("ZELMOR_SOURCE_DIR");
    return s ? fs::path(s) : fs::current_path();
}

fs::path BinaryDir() {
    const char* s = std::getenv("ZELMOR_BINARY_DIR");
    return s ? fs::path(s) : fs::current_path();
}

}  // namespace zelmor::testing
