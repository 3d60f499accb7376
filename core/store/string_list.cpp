#include "core/store/string_list.h"

#include <stdexcept>

namespace zelmor::store {

StringList::StringList(std::initializer_list<std::string_view> items) {
    for (auto s : items) push_back(s);
}

std::string_view StringList::at(std::size_t i) const {
    if (i >= spans_.size()) throw std::out_of_range("StringList index " + std::to_string(i));
    return (*this)[i];
}

StringList::Span StringList::Append(std::string_view s) {
    // The text may be a view into our own arena (list.push_back(list[3]));
    // copy it out before the arena can move.
    if (!s.empty() && s.data() >= arena_.data() && s.data() < arena_.data() + arena_.size()) {
        std::string copy(s);
        return Append(copy);
    }
    if (arena_.size() + s.size() >= kShared) throw std::length_error("StringList arena over 2 GiB");
    // Compact when more than half of the arena is dead text.
    if (garbage_ > 4096 && garbage_ * 2 > arena_.size()) {
        std::string fresh;
        fresh.reserve(arena_.size() - garbage_ + s.size());
        for (Span& sp : spans_) {
            if (sp.offset & kShared) continue;
            std::uint32_t off = static_cast<std::uint32_t>(fresh.size());
            fresh.append(arena_, sp.offset, sp.size);
            sp.offset = off;
        }
        arena_.swap(fresh);
        garbage_ = 0;
    }
    Span sp{static_cast<std::uint32_t>(arena_.size()), static_cast<std::uint32_t>(s.size())};
    arena_.append(s);
    return sp;
}

void StringList::push_back(std::string_view s) { spans_.push_back(Append(s)); }

void StringList::insert(std::size_t pos, std::string_view s) {
    if (pos > spans_.size()) throw std::out_of_range("StringList insert at " + std::to_string(pos));
    Span sp = Append(s);
    spans_.insert(spans_.begin() + static_cast<std::ptrdiff_t>(pos), sp);
}

void StringList::set(std::size_t i, std::string_view s) {
    if (i >= spans_.size()) throw std::out_of_range("StringList set at " + std::to_string(i));
    Span sp = Append(s);
    if (!(spans_[i].offset & kShared)) garbage_ += spans_[i].size;
    spans_[i] = sp;
}

void StringList::erase(std::size_t pos) {
    if (pos >= spans_.size()) throw std::out_of_range("StringList erase at " + std::to_string(pos));
    if (!(spans_[pos].offset & kShared)) garbage_ += spans_[pos].size;
    spans_.erase(spans_.begin() + static_cast<std::ptrdiff_t>(pos));
}

void StringList::clear() {
    arena_.clear();
    shared_.reset();
    spans_.clear();
    garbage_ = 0;
}

void StringList::reserve(std::size_t entries, std::size_t bytes) {
    spans_.reserve(entries);
    arena_.reserve(bytes);
}

void StringList::AdoptShared(std::shared_ptr<const std::string> buffer, std::vector<Span>&& spans) {
    if (!buffer) throw std::invalid_argument("StringList::AdoptShared without a buffer");
    if (buffer->size() >= kShared) throw std::length_error("StringList buffer over 2 GiB");
    for (Span& sp : spans) {
        if (std::size_t{sp.offset} + sp.size > buffer->size())
            throw std::out_of_range("StringList::AdoptShared span outside the buffer");
        sp.offset |= kShared;
    }
    clear();
    shared_ = std::move(buffer);
    spans_ = std::move(spans);
}

std::vector<std::string> StringList::ToVector() const {
    std::vector<std::string> out;
    out.reserve(size());
    for (auto s : *this) out.emplace_back(s);
    return out;
}

std::size_t StringList::MemoryBytes() const {
    // A shared buffer is counted in equal parts by the lists sharing it.
    std::size_t shared = shared_ ? shared_->capacity() / static_cast<std::size_t>(shared_.use_count()) : 0;
    return arena_.capacity() + shared + spans_.capacity() * sizeof(Span) + sizeof(*this);
}

bool operator==(const StringList& a, const StringList& b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (a[i] != b[i]) return false;
    return true;
}

}  // namespace zelmor::store
