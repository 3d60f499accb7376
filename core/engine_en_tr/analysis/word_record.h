// WordRecord: the English-Turkish engine's decoded dictionary entry.
//
// Every field is a length-limited text. Assigning or appending a longer text
// cuts it silently at the field's capacity, so a record can never grow past
// its fixed size whatever the dictionary or the sentence holds.
#pragma once

#include <algorithm>
#include <cstddef>
#include <string>
#include <string_view>

namespace zelmor::en_tr {

/// A text of at most N characters (code page 1254 bytes). Positions used by
/// the engine's code tests count from 1, as the dictionary codes are written.
template <std::size_t N>
class FixedText {
public:
    static constexpr std::size_t kCapacity = N;

    FixedText() = default;
    FixedText(std::string_view s) { assign(s); }  // NOLINT: cutting conversion is the point
    FixedText& operator=(std::string_view s) {
        assign(s);
        return *this;
    }
    FixedText& operator=(const std::string& s) { return *this = std::string_view(s); }
    FixedText& operator=(const char* s) { return *this = std::string_view(s); }

    void assign(std::string_view s) { s_.assign(s.substr(0, std::min(s.size(), N))); }
    void append(std::string_view s) {
        if (s_.size() >= N) return;
        s_.append(s.substr(0, std::min(s.size(), N - s_.size())));
    }
    FixedText& operator+=(std::string_view s) {
        append(s);
        return *this;
    }
    void clear() { s_.clear(); }

    const std::string& str() const { return s_; }
    std::string_view view() const { return s_; }
    operator std::string_view() const { return s_; }  // NOLINT
    std::size_t size() const { return s_.size(); }
    bool empty() const { return s_.empty(); }

    /// Character at 1-based position `pos`, or '\0' beyond the text.
    char At(std::size_t pos) const { return pos >= 1 && pos <= s_.size() ? s_[pos - 1] : '\0'; }
    /// Sets the character at 1-based position `pos`. A shorter text is first
    /// padded with "." (the "nothing" mark of the dictionary codes); a
    /// position beyond the capacity is ignored.
    void SetAt(std::size_t pos, char c) {
        if (pos < 1 || pos > N) return;
        if (s_.size() < pos) s_.resize(pos, '.');
        s_[pos - 1] = c;
    }
    bool contains(std::string_view x) const { return s_.find(x) != std::string::npos; }
    bool starts_with(std::string_view x) const { return view().starts_with(x); }

    friend bool operator==(const FixedText& a, std::string_view b) { return a.view() == b; }
    friend bool operator==(const FixedText& a, const FixedText& b) { return a.s_ == b.s_; }

private:
    std::string s_;
};

/// One decoded entry: the key and eight fields, in dictionary order.
struct WordRecord {
    FixedText<75> key;      // head word; in a WordTable slot the word as written
    FixedText<8> code;      // feature code (class letters at positions 3-4)
    FixedText<2> field2;    // second code
    FixedText<75> meaning;  // Turkish meaning or rule text
    FixedText<25> field4;   // extra text (second word of a contraction, verb stem)
    FixedText<25> field5;
    FixedText<10> field6;   // extra code ("*C" for names)
    FixedText<10> field7;
    FixedText<55> field8;   // rule parameters; "dSRT=<index>>" in a WordTable slot

    void Clear() { *this = WordRecord{}; }
    bool IsEmpty() const { return key.empty() && code.empty() && meaning.empty(); }
};

}  // namespace zelmor::en_tr
