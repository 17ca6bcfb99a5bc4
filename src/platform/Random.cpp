#include "platform/Random.h"

#include <utility>

namespace velorin {

long long RandomSource::Between(long long low, long long high) {
    if (low > high) std::swap(low, high);
    return std::uniform_int_distribution<long long>(low, high)(engine_);
}

}  // namespace velorin
