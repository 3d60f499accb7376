// zelmor-cli's commands. Each command lives in its own cmd_*.cpp and
// registers itself with ZELMOR_CLI_COMMAND; main() picks the command whose
// words match the start of the arguments ("dict build", "translate en-tr").
#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "core/store/dictionary_store.h"

namespace zelmor::cli {

/// Runs a command with the arguments after its own words; returns the exit code.
using CommandFn = int (*)(const std::vector<std::string>& args);

struct Command {
    std::string words;    // "dict build"
    std::string usage;    // "dict build [--data DIR] [--out DIR]"
    std::string summary;  // one line for --help
    CommandFn run;
};

std::vector<Command>& Commands();
bool RegisterCommand(Command c);

#define ZELMOR_CLI_CAT2(a, b) a##b
#define ZELMOR_CLI_CAT(a, b) ZELMOR_CLI_CAT2(a, b)
/// ZELMOR_CLI_COMMAND("dict build", "usage", "summary", function)
#define ZELMOR_CLI_COMMAND(words, usage, summary, fn)                                 \
    static const bool ZELMOR_CLI_CAT(zelmor_cli_registered_, __LINE__) =              \
        ::zelmor::cli::RegisterCommand({words, usage, summary, fn})

/// The folder of the running executable: the program folder.
std::filesystem::path ProgramDir();

/// A LoadUi for the terminal: messages go to stderr in UTF-8, a missing file
/// is answered "not found".
class ConsoleLoadUi : public store::LoadUi {
public:
    void Warning(std::string_view text) override;
    std::optional<std::filesystem::path> ChooseFile(std::string_view filter) override;
    void ReadError(std::string_view text) override;
};

/// Loads the store from `dir` (the program folder when empty), printing the
/// load's messages to stderr. Returns false when a file could not be read.
bool LoadStore(store::DictionaryStore& store, const std::filesystem::path& dir);

/// Small argument helper: removes "--name VALUE" from args and returns
/// VALUE (or `fallback`). Throws std::runtime_error when VALUE is missing.
std::string TakeOption(std::vector<std::string>& args, const std::string& name,
                       const std::string& fallback = {});
/// Removes "--name" from args and returns whether it was there.
bool TakeFlag(std::vector<std::string>& args, const std::string& name);

}  // namespace zelmor::cli
