// analyse tr: how each Turkish word is built - the stem found, its
// dictionary entry and the suffix codes.
#include <iostream>
#include <stdexcept>
#include <string>

#include "cli/command.h"
#include "core/engine_tr_en/tr_en_engine.h"
#include "core/text/cp1254.h"

namespace zelmor::cli {
namespace {

int AnalyseTr(const std::vector<std::string>& in) {
    auto args = in;
    std::string dir = TakeOption(args, "--data", "");
    std::string all;
    if (!args.empty()) {
        for (std::size_t i = 0; i < args.size(); ++i) all += (i ? " " : "") + args[i];
    } else {
        for (std::string line; std::getline(std::cin, line);) all += line + " ";
    }
    std::size_t bad = 0;
    if (!text::IsValidUtf8(all, &bad))
        throw std::runtime_error("invalid UTF-8 at byte " + std::to_string(bad + 1));
    store::DictionaryStore store;
    LoadStore(store, dir);
    tr_en::TrEnEngine engine(store);
    auto u = [](std::string_view s) { return text::Cp1254ToUtf8(s); };
    for (const auto& w : engine.AnalyseTrText(text::Utf8ToCp1254Lossy(all, '?'))) {
        std::cout << u(w.word) << "\n"
                  << "  stem:   " << u(w.stem.empty() ? w.entry.key : w.stem) << "\n"
                  << "  suffix: " << u(w.suffix) << "\n"
                  << "  entry:  " << u(w.entry.key) << ";" << u(w.entry.EK) << ";" << u(w.entry.KOD) << ";"
                  << u(w.entry.ING) << ";" << u(w.entry.YAD) << ";" << u(w.entry.YED) << "\n"
                  << "  codes:  " << u(w.katek) << " / " << u(w.katek2) << " / " << u(w.katek3) << "\n";
    }
    return 0;
}

}  // namespace

ZELMOR_CLI_COMMAND("analyse tr", "analyse tr [--data DIR] [TEXT...]",
                   "show how each Turkish word is built: stem, dictionary entry and suffix codes",
                   AnalyseTr);

}  // namespace zelmor::cli
