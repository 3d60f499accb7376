// Whole-file reading and crash-safe writing.
#pragma once

#include <filesystem>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace zelmor::store {

/// Reads the whole file. Returns false and sets *error to the system's error
/// text (e.g. "Permission denied") when it cannot be opened or read.
bool ReadWholeFile(const std::filesystem::path& path, std::string& bytes, std::string* error);

/// Cuts `bytes` into lines at LF; one CR right before the LF is dropped.
/// A last line without LF is kept; an empty text gives no lines. Lone CR
/// and NUL bytes stay inside the line.
std::vector<std::string_view> SplitLines(std::string_view bytes);

/// Joins lines with CR LF after each one.
std::string JoinLinesCrLf(const std::vector<std::string>& lines);

/// Test hook: called with the number of bytes written so far; returning
/// false makes the write fail at that point as a full disk would.
using WriteFaultHook = std::function<bool(std::size_t written)>;

/// Writes `bytes` to a temporary file in the same folder, flushes it to disk
/// and renames it over `path`. The previous file, if any, is kept as
/// `path` + ".bak". On any failure the old file is untouched, the temporary
/// file is removed, false is returned and *error says why.
bool WriteFileAtomically(const std::filesystem::path& path, std::string_view bytes,
                         std::string* error, bool keep_backup = true,
                         const WriteFaultHook& fault = nullptr);

}  // namespace zelmor::store
