#pragma once
// The full names listed so far in a run, for the repeat test. A run tests
// every name it makes against all names listed before, so the test must
// stay cheap beside scoring a name: an open-addressing table of hashes next
// to the names takes about one memory access per test, where a node-based
// set takes two cache misses and two divisions.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace velorin {

class ListedNames {
public:
    explicit ListedNames(std::size_t expected = 0);

    // Lists the name unless it is listed already; true when it was new.
    bool Add(std::string_view name);

    std::size_t Count() const { return names_.size(); }

private:
    void Place(std::uint64_t hash, std::size_t index);
    void Grow();

    std::vector<std::string> names_;
    // 0 for a free slot, otherwise the upper half of the name's hash and its
    // index in names_ plus 1 in the lower half.
    std::vector<std::uint64_t> slots_;
};

}  // namespace velorin
