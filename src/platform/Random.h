#pragma once
#include <cstdint>
#include <random>

namespace velorin {

// The program's random numbers: seedable, so that a run can be repeated, and
// uniform over the whole range asked for.
class RandomSource {
public:
    explicit RandomSource(std::uint64_t seed = 0) : engine_(seed) {}
    void Seed(std::uint64_t seed) { engine_.seed(seed); }
    // A whole number between the two bounds, both included.
    long long Between(long long low, long long high);

private:
    std::mt19937_64 engine_;
};

}  // namespace velorin
