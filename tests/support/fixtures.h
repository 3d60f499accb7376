// Helpers every test program shares: tiny dictionary stores written as
// readable UTF-8 source lines, temporary folders, and encoding shortcuts.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "core/store/dictionary_store.h"

namespace zelmor::testing {

/// UTF-8 -> code page 1254 (throws on characters the code page lacks).
std::string Cp(std::string_view utf8);
/// Code page 1254 -> UTF-8.
std::string Utf8(std::string_view cp1254);

/// Source lines of a store, in the data/ formats ("key;record" for the main
/// dictionaries, "key=translation" for user dictionaries), UTF-8.
struct StoreSource {
    std::vector<std::string> en_tr;
    std::vector<std::string> tr_en;
    std::vector<std::string> en_user;
    std::vector<std::string> tr_user;
    std::vector<std::string> abbreviations;
    std::vector<std::string> syllables;  // empty: SyllableList = {"???"}
};

/// Builds a store exactly as compiling the sources and loading the files
/// would: keys sorted in ordinal order, header line 0, closing line last.
/// Malformed lines fail the calling test (ADD_FAILURE) and are left out.
store::DictionaryStore MakeStore(const StoreSource& source);

/// A fresh folder under the system's temporary folder, removed with the object.
class TempDir {
public:
    TempDir();
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;
    const std::filesystem::path& path() const { return path_; }
    /// Writes raw bytes to path()/name and returns the full path.
    std::filesystem::path Write(const std::string& name, std::string_view bytes) const;

private:
    std::filesystem::path path_;
};

/// The source tree and build tree (set by ctest; fall back to the cwd).
std::filesystem::path SourceDir();
std::filesystem::path BinaryDir();

}  // namespace zelmor::testing
