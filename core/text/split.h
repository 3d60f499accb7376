// Splitting and small string helpers shared by the store, both engines and
// the windows.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace zelmor::text {

/// Clears `list`, then cuts `text` + one trailing `delimiter` at every
/// delimiter; empty pieces are kept. "a;;b" gives {"a", "", "b"}, "" gives
/// {""}, "a;" gives {"a", ""}.
void SplitToList(std::vector<std::string>& list, std::string_view text, char delimiter);

/// The same pieces as views into `text` (valid as long as `text` is).
std::vector<std::string_view> SplitViews(std::string_view text, char delimiter);

/// Number of pieces SplitToList would give: count of `delimiter` + 1.
std::size_t CountFields(std::string_view text, char delimiter);

/// Blanks (space only) removed at both ends / at the end / at the start.
std::string_view Trim(std::string_view s);
std::string_view TrimRight(std::string_view s);
std::string_view TrimLeft(std::string_view s);

/// Every occurrence of `from` replaced by `to`, left to right, without
/// rescanning the replacement.
std::string ReplaceAll(std::string_view text, std::string_view from, std::string_view to);

}  // namespace zelmor::text
