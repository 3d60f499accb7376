#include "cli/command.h"

#include <iostream>
#include <stdexcept>
#include <unistd.h>

#include "core/text/cp1254.h"

namespace zelmor::cli {

std::vector<Command>& Commands() {
    static std::vector<Command> commands;
    return commands;
}

bool RegisterCommand(Command c) {
    Commands().push_back(std::move(c));
    return true;
}

std::filesystem::path ProgramDir() {
    std::error_code ec;
    auto exe = std::filesystem::read_symlink("/proc/self/exe", ec);
    if (ec) return std::filesystem::current_path();
    return exe.parent_path();
}

void ConsoleLoadUi::Warning(std::string_view text) {
    std::cerr << text::Cp1254ToUtf8(text) << "\n";
}

std::optional<std::filesystem::path> ConsoleLoadUi::ChooseFile(std::string_view) {
    return std::nullopt;
}

void ConsoleLoadUi::ReadError(std::string_view text) {
    std::cerr << "read error: " << text << "\n";
}

bool LoadStore(store::DictionaryStore& store, const std::filesystem::path& dir) {
    ConsoleLoadUi ui;
    auto outcome = store::LoadDictionaryStore(store, dir.empty() ? ProgramDir() : dir, ui);
    return !outcome.StoppedOnReadError;
}

std::string TakeOption(std::vector<std::string>& args, const std::string& name,
                       const std::string& fallback) {
    for (std::size_t i = 0; i < args.size(); ++i) {
        if (args[i] == name) {
            if (i + 1 >= args.size()) throw std::runtime_error(name + " needs a value");
            std::string v = args[i + 1];
            args.erase(args.begin() + static_cast<std::ptrdiff_t>(i),
                       args.begin() + static_cast<std::ptrdiff_t>(i) + 2);
            return v;
        }
        if (args[i].rfind(name + "=", 0) == 0) {
            std::string v = args[i].substr(name.size() + 1);
            args.erase(args.begin() + static_cast<std::ptrdiff_t>(i));
            return v;
        }
    }
    return fallback;
}

bool TakeFlag(std::vector<std::string>& args, const std::string& name) {
    for (std::size_t i = 0; i < args.size(); ++i)
        if (args[i] == name) {
            args.erase(args.begin() + static_cast<std::ptrdiff_t>(i));
            return true;
        }
    return false;
}

}  // namespace zelmor::cli
