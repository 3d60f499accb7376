// StringList: an ordered list of byte strings kept in one arena.
//
// The dictionary store holds hundreds of thousands of short keys and records;
// one std::string each would cost more than twice the file size in headers
// and allocations. Here every entry is an (offset, size) pair into a single
// byte arena, so the store costs the text plus 8 bytes an entry. A loaded
// dictionary goes further: its keys and records both point into the one
// decoded file buffer, which the two lists share.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace zelmor::store {

class StringList {
public:
    StringList() = default;
    StringList(std::initializer_list<std::string_view> items);

    std::size_t size() const { return spans_.size(); }
    bool empty() const { return spans_.empty(); }

    /// Entry i. The view is valid until the list is next changed.
    std::string_view operator[](std::size_t i) const {
        const Span& s = spans_[i];
        const char* base = (s.offset & kShared) ? shared_->data() : arena_.data();
        return {base + (s.offset & ~kShared), s.size};
    }
    /// Entry i, or throws std::out_of_range.
    std::string_view at(std::size_t i) const;
    std::string_view back() const { return (*this)[size() - 1]; }

    void push_back(std::string_view s);
    void insert(std::size_t pos, std::string_view s);
    /// Replaces entry i.
    void set(std::size_t i, std::string_view s);
    void erase(std::size_t pos);
    void clear();
    /// Room for `entries` entries holding `bytes` bytes in all.
    void reserve(std::size_t entries, std::size_t bytes);

    /// Where an entry's text lies in the arena.
    struct Span {
        std::uint32_t offset;
        std::uint32_t size;
    };
    /// Replaces the whole list by entries that lie in `buffer` at `spans`,
    /// sharing the buffer instead of copying it (the loader's fast path: the
    /// decoded file is the text of both the keys and the records). Later
    /// changes go to the list's own arena; the buffer is never written.
    void AdoptShared(std::shared_ptr<const std::string> buffer, std::vector<Span>&& spans);

    std::vector<std::string> ToVector() const;
    /// Bytes held, arena and index together (for the memory benchmark).
    std::size_t MemoryBytes() const;

    class const_iterator {
    public:
        using iterator_category = std::random_access_iterator_tag;
        using value_type = std::string_view;
        using difference_type = std::ptrdiff_t;
        using pointer = void;
        using reference = std::string_view;
        const_iterator(const StringList* l, std::size_t i) : list_(l), i_(i) {}
        std::string_view operator*() const { return (*list_)[i_]; }
        const_iterator& operator++() { ++i_; return *this; }
        bool operator==(const const_iterator& o) const { return i_ == o.i_; }
        bool operator!=(const const_iterator& o) const { return i_ != o.i_; }
    private:
        const StringList* list_;
        std::size_t i_;
    };
    const_iterator begin() const { return {this, 0}; }
    const_iterator end() const { return {this, size()}; }

    friend bool operator==(const StringList& a, const StringList& b);

private:
    // Offsets with this bit set point into shared_, the others into arena_.
    static constexpr std::uint32_t kShared = 0x80000000u;
    Span Append(std::string_view s);

    std::string arena_;
    std::shared_ptr<const std::string> shared_;
    std::vector<Span> spans_;
    std::size_t garbage_ = 0;  // bytes of replaced or erased entries
};

}  // namespace zelmor::store
