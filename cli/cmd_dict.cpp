// dict build / dict decode / dict lookup
#include <cstdlib>
#include <iostream>
#include <stdexcept>

#include "cli/command.h"
#include "core/store/data_compiler.h"
#include "core/store/dictionary_store.h"
#include "core/store/file_io.h"
#include "core/text/cp1254.h"
#include "core/text/search.h"

namespace zelmor::cli {
namespace {

namespace fs = std::filesystem;

// The date written into generated headers: SOURCE_DATE_EPOCH when set, so
// that a build can be reproduced byte for byte, else today.
std::string HeaderDate() {
    if (const char* epoch = std::getenv("SOURCE_DATE_EPOCH")) {
        std::time_t t = static_cast<std::time_t>(std::strtoll(epoch, nullptr, 10));
        std::tm tm{};
        gmtime_r(&t, &tm);
        char buf[16];
        std::strftime(buf, sizeof buf, "%d.%m.%Y", &tm);
        return buf;
    }
    return store::ShortDate();
}

int DictBuild(const std::vector<std::string>& in) {
    auto args = in;
    fs::path data = TakeOption(args, "--data", "data");
    fs::path out = TakeOption(args, "--out", ProgramDir().string());
    bool quiet = TakeFlag(args, "--quiet");
    if (!args.empty()) throw std::runtime_error("unexpected argument '" + args[0] + "'");
    if (!fs::is_directory(data)) throw std::runtime_error("no data folder " + data.string());
    store::BuildReport report;
    bool ok = store::BuildAllDictionaries(data, out, HeaderDate(), report);
    for (auto& e : report.errors) std::cerr << e.ToString() << "\n";
    if (!ok) {
        std::cerr << "dict build: " << report.errors.size()
                  << " error(s); no dictionary file was written\n";
        return 1;
    }
    if (!quiet)
        for (auto& w : report.written) std::cout << (out / w).string() << "\n";
    return 0;
}

bool IsShiftedName(const fs::path& p) {
    auto name = p.filename().string();
    for (auto& c : name) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return name == store::kEnTrFile || name == store::kTrEnFile;
}

int DictDecode(const std::vector<std::string>& in) {
    auto args = in;
    bool shifted = TakeFlag(args, "--shifted");
    bool plain = TakeFlag(args, "--plain");
    if (args.size() != 1) throw std::runtime_error("give exactly one FILE");
    fs::path path = args[0];
    if (!shifted && !plain) shifted = IsShiftedName(path);
    std::string bytes, error;
    if (!store::ReadWholeFile(path, bytes, &error))
        throw std::runtime_error(path.string() + ": " + error);
    for (std::string_view line : store::SplitLines(bytes)) {
        std::string plain_line = shifted ? store::DecodeDictionaryLine(line) : std::string(line);
        std::cout << text::Cp1254ToUtf8(plain_line) << "\n";
    }
    return 0;
}

int DictLookup(const std::vector<std::string>& in) {
    auto args = in;
    fs::path dir = TakeOption(args, "--data", "");
    if (args.size() != 2 || (args[0] != "en-tr" && args[0] != "tr-en"))
        throw std::runtime_error("usage: dict lookup en-tr|tr-en KEY");
    store::DictionaryStore s;
    LoadStore(s, dir);
    const bool en = args[0] == "en-tr";
    const auto& keys = en ? s.EnTrKeys : s.TrEnKeys;
    const auto& records = en ? s.EnTrRecords : s.TrEnRecords;
    std::string key = text::Utf8ToCp1254(args[1]);
    // The engines' own search: lists under two entries are never searched,
    // and a hit at the header (index 0) counts as not found.
    auto r = text::BinarySearch(keys, key, 2);
    if (!r.found() || r.index == 0) {
        std::cerr << "not found: " << args[1] << "\n";
        return 1;
    }
    std::size_t i = static_cast<std::size_t>(r.index);
    std::cout << i << "\t" << text::Cp1254ToUtf8(keys[i]) << ";" << text::Cp1254ToUtf8(records[i])
              << "\n";
    return 0;
}

}  // namespace

ZELMOR_CLI_COMMAND("dict build", "dict build [--data DIR] [--out DIR] [--quiet]",
                   "compile the UTF-8 data sources into the program's dictionary files "
                   "(default: ./data into the program folder)",
                   DictBuild);
ZELMOR_CLI_COMMAND("dict decode", "dict decode [--shifted|--plain] FILE",
                   "print a stored dictionary file as UTF-8 lines (pavolkx.txt and zelmorx.txt "
                   "are un-shifted)",
                   DictDecode);
ZELMOR_CLI_COMMAND("dict lookup", "dict lookup [--data DIR] en-tr|tr-en KEY",
                   "print the main-dictionary entry the engines' binary search finds for KEY",
                   DictLookup);

}  // namespace zelmor::cli
