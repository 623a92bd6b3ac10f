#pragma once

#include <cstdint>
#include <span>
#include <vector>

namespace tarn {

// The arrangement that the pairwise exchange sort leaves (for each position p, and each later
// position q, exchange their values when q's value beats p's). `ranks[i]` is the rank of the value
// at position i, dense from 0 to `rank_count` - 1; a smaller rank beats a larger one and equal
// ranks never exchange. Returns, for every final position, the original position of the value
// that ends there. Runs in O(N log N) plus the rotations of tied values, never pairwise.
std::vector<int32_t> ExchangeSortOrder(std::span<const uint32_t> ranks, uint32_t rank_count);

}  // namespace tarn
