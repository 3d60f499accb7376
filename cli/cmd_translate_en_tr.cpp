// translate en-tr: the English-to-Turkish engine on the command line.
//
// Input and output are UTF-8; the engine works in code page 1254, so text is
// converted at this edge. Malformed UTF-8 is an error naming the line and
// byte. A well-formed character that code page 1254 cannot hold (e.g. CJK or
// emoji) is replaced by "?" and counted in a note on stderr.
#include <iostream>
#include <iterator>
#include <sstream>
#include <stdexcept>

#include "cli/command.h"
#include "core/engine_en_tr/analysis/en_tr_engine.h"
#include "core/engine_en_tr/analysis/pipeline/pipeline_stages.h"
#include "core/text/cp1254.h"

namespace zelmor::cli {
namespace {

class StderrMessages : public en_tr::EngineMessages {
public:
    void Show(std::string_view cp1254) override { std::cerr << text::Cp1254ToUtf8(cp1254) << '\n'; }
};

// UTF-8 line -> code page 1254, or throws naming the line.
std::string ToEngine(std::string_view utf8, std::size_t line_no, std::size_t& replaced) {
    std::size_t bad = 0;
    if (!text::IsValidUtf8(utf8, &bad))
        throw std::runtime_error("line " + std::to_string(line_no) + ": invalid UTF-8 at byte " +
                                 std::to_string(bad + 1));
    std::size_t n = 0;
    std::string out = text::Utf8ToCp1254Lossy(utf8, '?', &n);
    replaced += n;
    return out;
}

std::vector<std::string> SplitInputLines(const std::string& all) {
    std::vector<std::string> lines;
    std::string cur;
    for (char c : all) {
        if (c == '\n') {
            if (!cur.empty() && cur.back() == '\r') cur.pop_back();
            lines.push_back(cur);
            cur.clear();
        } else {
            cur += c;
        }
    }
    if (!cur.empty()) lines.push_back(cur);
    return lines;
}

int TranslateEnTr(const std::vector<std::string>& in) {
    auto args = in;
    const bool trace = TakeFlag(args, "--trace");
    const bool by_lines = TakeFlag(args, "--lines");
    const std::string data = TakeOption(args, "--data");
    for (const auto& a : args)
        if (a.size() > 2 && a.starts_with("--")) throw std::runtime_error("unknown option '" + a + "'");

    std::string input;
    if (args.empty()) {
        input.assign(std::istreambuf_iterator<char>(std::cin), std::istreambuf_iterator<char>());
    } else {
        for (std::size_t i = 0; i < args.size(); ++i) input += (i ? " " : "") + args[i];
    }
    std::vector<std::string> lines = SplitInputLines(input);
    std::size_t replaced = 0;
    std::vector<std::string> converted;
    converted.reserve(lines.size());
    for (std::size_t i = 0; i < lines.size(); ++i) converted.push_back(ToEngine(lines[i], i + 1, replaced));
    if (replaced)
        std::cerr << "note: " << replaced << " character(s) without a code page 1254 form were replaced by '?'\n";

    store::DictionaryStore store;
    if (!LoadStore(store, data.empty() ? ProgramDir() : std::filesystem::path(data))) return 1;
    StderrMessages messages;
    // The whole pipeline: analysis, transfer and Turkish generation.
    auto full = en_tr::MakeFullEnTrEngine(store, &messages);
    en_tr::EnTrEngine& engine = full->Engine();
    engine.EngineMode = trace ? "Q47" : "M47";

    if (by_lines) {
        for (const std::string& line : converted) {
            std::string out = line.empty() ? std::string() : engine.TranslateEnToTr(line);
            for (char& c : out)
                if (c == '\r' || c == '\n') c = ' ';
            std::cout << text::Cp1254ToUtf8(out) << '\n';
        }
        return 0;
    }
    std::string text;
    for (std::size_t i = 0; i < converted.size(); ++i) text += (i ? "\r\n" : "") + converted[i];
    std::string out = engine.TranslateEnToTr(text);
    std::string printable;
    for (std::size_t i = 0; i < out.size(); ++i) {
        if (out[i] == '\r') {
            if (i + 1 < out.size() && out[i + 1] == '\n') continue;
            printable += '\n';
        } else {
            printable += out[i];
        }
    }
    std::cout << text::Cp1254ToUtf8(printable) << '\n';
    return 0;
}

}  // namespace

ZELMOR_CLI_COMMAND("translate en-tr", "translate en-tr [--trace] [--lines] [--data DIR] [TEXT...]",
                   "translate English text (TEXT or standard input) into Turkish", TranslateEnTr);

}  // namespace zelmor::cli
