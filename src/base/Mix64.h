#pragma once
// The finaliser of splitmix64: every input bit moves every output bit. It
// turns seeds, counters and hashes into independent-looking 64-bit numbers
// (a decision block's seed, a batch unit's seed).

#include <cstdint>

namespace quorvale {

constexpr std::uint64_t mix64(std::uint64_t z) {
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
    return z ^ (z >> 31);
}

}  // namespace quorvale
