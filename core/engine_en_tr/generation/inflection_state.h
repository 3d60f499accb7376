// Engine state that Turkish verb inflection reads and writes.
//
// The English-to-Turkish engine owns one InflectionState for the sentence it
// is translating; clause generation writes the inflection code before every
// call and reads the suffix texts after it. All texts are code page 1254.
#pragma once

#include <array>
#include <cstddef>
#include <string>
#include <string_view>

namespace zelmor::en_tr {

/// A fixed, NUL-padded code buffer with 1-based positions. The code text is
/// the buffer up to its first NUL, so clearing position 1 empties the text
/// even when later positions still hold characters; writing a position past
/// the text leaves the text as it was until the gap is filled.
template <std::size_t Capacity>
class CodeBuffer {
public:
    static constexpr std::size_t kCapacity = Capacity;

    CodeBuffer() { buf_.fill('\0'); }
    explicit CodeBuffer(std::string_view text) { Assign(text); }

    /// Replaces the whole buffer; text longer than the capacity is cut.
    void Assign(std::string_view text) {
        buf_.fill('\0');
        for (std::size_t i = 0; i < text.size() && i < Capacity; ++i) buf_[i] = text[i];
    }
    /// The code text: the characters before the first NUL.
    std::string Text() const {
        std::size_t n = 0;
        while (n < Capacity && buf_[n] != '\0') ++n;
        return std::string(buf_.data(), n);
    }
    /// Character at 1-based position `pos` of the buffer ('\0' when empty or
    /// out of range).
    char At(std::size_t pos) const { return pos >= 1 && pos <= Capacity ? buf_[pos - 1] : '\0'; }
    /// Writes one position; positions outside the buffer are ignored.
    void Set(std::size_t pos, char c) {
        if (pos >= 1 && pos <= Capacity) buf_[pos - 1] = c;
    }
    /// Clears positions 1..n.
    void ClearFront(std::size_t n) {
        for (std::size_t i = 0; i < n && i < Capacity; ++i) buf_[i] = '\0';
    }
    bool Empty() const { return buf_[0] == '\0'; }

private:
    std::array<char, Capacity> buf_{};
};

/// Thirty characters of code and the terminator.
using InflectionCodeBuffer = CodeBuffer<30>;

/// Number of verb code slots and the characters each keeps.
inline constexpr std::size_t kVerbCodeSlotCount = 16;
inline constexpr std::size_t kVerbCodeSlotChars = 15;

/// Capacities of the result texts.
inline constexpr std::size_t kSuffixTextCapacity = 100;
inline constexpr std::size_t kParticipleCapacity = 31;
inline constexpr std::size_t kClauseTextCapacity = 255;
inline constexpr std::size_t kPossessiveTextCapacity = 31;

struct InflectionState {
    /// Inflection code of the verb being inflected (see inflection.h for
    /// the meaning of each position). Consumed by InflectVerb.
    InflectionCodeBuffer InflectionCode;
    /// Person, class and case row for the verbal-noun selectors.
    InflectionCodeBuffer ComplementCode;

    /// The Turkish text of the clause so far; ends with the verb's stem when
    /// a verb is inflected. InflectVerb trims it on the right; the caller
    /// joins the suffix with AttachSuffix.
    std::string ClauseText;

    /// Results: the finite suffix, the participle for relative and noun
    /// clauses, and the case ending that follows the participle.
    std::string SuffixText;
    std::string ParticipleText;
    std::string ParticipleCaseText;
    /// Copula text a noun predicate appends after its word.
    std::string PossessiveText;

    /// One-letter sentence state; "R" asks the future for its -dir ending,
    /// and it carries the harmony digit of a noun predicate.
    char SentenceState = '0';

    /// The adjusted code of every verb of the sentence, by word number.
    std::array<std::string, kVerbCodeSlotCount> VerbCodeSlots{};

    /// Clears the per-sentence parts.
    void Reset() { *this = InflectionState{}; }
};

}  // namespace zelmor::en_tr
