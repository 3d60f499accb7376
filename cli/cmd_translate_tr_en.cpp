// translate tr-en: Turkish text (arguments or stdin, UTF-8) to English.
#include <iostream>
#include <iterator>
#include <stdexcept>
#include <string>

#include "cli/command.h"
#include "core/engine_tr_en/tr_en_engine.h"
#include "core/store/file_io.h"
#include "core/text/cp1254.h"
#include "core/text/split.h"

namespace zelmor::cli {
namespace {

// Engine messages go to stderr; they never stop the translation.
class ConsoleTrEnUi : public tr_en::TrEnUi {
public:
    void Message(std::string_view t) override { std::cerr << text::Cp1254ToUtf8(t) << "\n"; }
    void StepMessage(std::string_view t, std::string_view title) override {
        std::cerr << text::Cp1254ToUtf8(title) << text::Cp1254ToUtf8(t) << "\n";
    }
};

// Input lines: the TEXT arguments joined by blanks as one line, or stdin.
std::vector<std::string> InputLines(const std::vector<std::string>& args) {
    std::string all;
    if (!args.empty()) {
        for (std::size_t i = 0; i < args.size(); ++i) all += (i ? " " : "") + args[i];
    } else {
        all.assign(std::istreambuf_iterator<char>(std::cin), std::istreambuf_iterator<char>());
    }
    std::vector<std::string> lines;
    for (std::string_view l : store::SplitLines(all)) lines.emplace_back(l);
    if (!all.empty() && lines.empty()) lines.emplace_back();
    return lines;
}

// Checks and converts every line; invalid UTF-8 is an error naming its line.
std::vector<std::string> ToCp1254(const std::vector<std::string>& lines) {
    std::vector<std::string> out;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        std::size_t bad = 0;
        if (!text::IsValidUtf8(lines[i], &bad))
            throw std::runtime_error("line " + std::to_string(i + 1) + ": invalid UTF-8 at byte " +
                                     std::to_string(bad + 1));
        out.push_back(text::Utf8ToCp1254Lossy(lines[i], '?'));
    }
    return out;
}

std::string ToOutput(const std::string& cp, bool one_line) {
    std::string t = text::ReplaceAll(cp, "\r\n", one_line ? " " : "\n");
    t = text::ReplaceAll(t, "\r", one_line ? " " : "\n");
    if (one_line) t = text::ReplaceAll(t, "\n", " ");
    return text::Cp1254ToUtf8(t);
}

int TranslateTrEn(const std::vector<std::string>& in) {
    auto args = in;
    bool trace = TakeFlag(args, "--trace");
    bool per_line = TakeFlag(args, "--lines");
    std::string dir = TakeOption(args, "--data", "");
    auto lines = ToCp1254(InputLines(args));
    store::DictionaryStore store;
    LoadStore(store, dir);
    ConsoleTrEnUi ui;
    tr_en::TrEnEngine engine(store, &ui);
    if (trace) engine.EngineMode = "Q47";
    if (per_line) {
        for (auto& l : lines) std::cout << ToOutput(l.empty() ? std::string() : engine.TranslateTrToEn(l), true) << "\n";
        return 0;
    }
    std::string text;
    for (std::size_t i = 0; i < lines.size(); ++i) text += (i ? "\r\n" : "") + lines[i];
    std::cout << ToOutput(engine.TranslateTrToEn(text), false) << "\n";
    return 0;
}

}  // namespace

ZELMOR_CLI_COMMAND("translate tr-en", "translate tr-en [--trace] [--lines] [--data DIR] [TEXT...]",
                   "translate Turkish text (TEXT or stdin) into English; --lines gives one output "
                   "line per input line, --trace shows each sentence's analysis",
                   TranslateTrEn);

}  // namespace zelmor::cli
