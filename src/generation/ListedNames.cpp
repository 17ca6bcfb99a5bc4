#include "generation/ListedNames.h"

#include <bit>
#include <functional>

namespace velorin {

namespace {

constexpr std::uint64_t kHashPart = 0xFFFFFFFF00000000u;

std::uint64_t HashOf(std::string_view name) { return std::hash<std::string_view>{}(name); }

}  // namespace

ListedNames::ListedNames(std::size_t expected)
    : slots_(std::bit_ceil(std::max<std::size_t>(16, expected * 2)), 0) {
    names_.reserve(expected);
}

bool ListedNames::Add(std::string_view name) {
    const std::uint64_t hash = HashOf(name);
    const std::size_t mask = slots_.size() - 1;
    for (std::size_t i = hash & mask;; i = (i + 1) & mask) {
        const std::uint64_t slot = slots_[i];
        if (slot == 0) break;
        if ((slot & kHashPart) == (hash & kHashPart) && names_[(slot & ~kHashPart) - 1] == name) return false;
    }
    names_.emplace_back(name);
    // At most half full, so that a probe soon meets a free slot.
    if (names_.size() * 2 > slots_.size()) Grow();
    else Place(hash, names_.size() - 1);
    return true;
}

void ListedNames::Place(std::uint64_t hash, std::size_t index) {
    const std::size_t mask = slots_.size() - 1;
    std::size_t i = hash & mask;
    while (slots_[i] != 0) i = (i + 1) & mask;
    slots_[i] = (hash & kHashPart) | (index + 1);
}

void ListedNames::Grow() {
    slots_.assign(slots_.size() * 2, 0);
    for (std::size_t index = 0; index < names_.size(); ++index) Place(HashOf(names_[index]), index);
}

}  // namespace velorin
