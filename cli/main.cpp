// zelmor-cli: translation, dictionary and speech tools on stdin/stdout.
#include <algorithm>
#include <iostream>
#include <sstream>
#include <stdexcept>

#include "cli/command.h"

namespace {

std::vector<std::string> Words(const std::string& s) {
    std::istringstream in(s);
    std::vector<std::string> w;
    for (std::string x; in >> x;) w.push_back(x);
    return w;
}

void PrintHelp(std::ostream& out) {
    out << "usage: zelmor-cli COMMAND [ARGS...]\n\n"
           "English-Turkish and Turkish-English translation, dictionary and speech tools.\n"
           "Text in and out is UTF-8. Dictionary files are read from the program folder\n"
           "(the folder of this executable) unless --data DIR is given.\n\ncommands:\n";
    auto cmds = zelmor::cli::Commands();
    std::sort(cmds.begin(), cmds.end(), [](auto& a, auto& b) { return a.words < b.words; });
    for (auto& c : cmds) out << "  " << c.usage << "\n      " << c.summary << "\n";
    out << "\n'zelmor-cli COMMAND --help' shows a command's usage.\n";
}

}  // namespace

int main(int argc, char** argv) {
    std::vector<std::string> args(argv + 1, argv + argc);
    if (args.empty() || args[0] == "--help" || args[0] == "-h" || args[0] == "help") {
        PrintHelp(args.empty() ? std::cerr : std::cout);
        return args.empty() ? 2 : 0;
    }
    // The command with the most matching words wins.
    const zelmor::cli::Command* best = nullptr;
    std::size_t best_len = 0;
    for (auto& c : zelmor::cli::Commands()) {
        auto w = Words(c.words);
        if (w.size() <= args.size() && std::equal(w.begin(), w.end(), args.begin()) &&
            w.size() > best_len) {
            best = &c;
            best_len = w.size();
        }
    }
    if (!best) {
        std::cerr << "zelmor-cli: unknown command '" << args[0] << "'\n\n";
        PrintHelp(std::cerr);
        return 2;
    }
    std::vector<std::string> rest(args.begin() + static_cast<std::ptrdiff_t>(best_len), args.end());
    if (std::find(rest.begin(), rest.end(), "--help") != rest.end()) {
        std::cout << "usage: zelmor-cli " << best->usage << "\n" << best->summary << "\n";
        return 0;
    }
    try {
        return best->run(rest);
    } catch (const std::exception& e) {
        std::cerr << "zelmor-cli " << best->words << ": " << e.what() << "\n";
        return 1;
    }
}
