#pragma once
// The run's pseudo-random numbers: xoshiro256** seeded once per run through
// splitmix64. Seeding once matters: reseeding from a clock before every draw
// would hand all draws within one clock tick the same number, which ties the
// inputs of a sample together and narrows the spread of the costs.

#include <cstdint>

namespace quorvale {

class RandomSource {
public:
    explicit RandomSource(std::uint64_t seed) {
        std::uint64_t x = seed;
        for (auto& word : m_state) {
            word = splitMix(x);
        }
    }

    std::uint64_t next() {
        const std::uint64_t result = rotate(m_state[1] * 5, 7) * 9;
        const std::uint64_t t = m_state[1] << 17;
        m_state[2] ^= m_state[0];
        m_state[3] ^= m_state[1];
        m_state[1] ^= m_state[2];
        m_state[0] ^= m_state[3];
        m_state[2] ^= t;
        m_state[3] = rotate(m_state[3], 45);
        return result;
    }

    // A single-precision uniform number in [0, 1): the top 24 bits over
    // 2^24, every value exact in a float and 1.0 never reached.
    float nextUnit() { return static_cast<float>(next() >> 40) * 0x1p-24f; }

private:
    static std::uint64_t rotate(std::uint64_t x, int k) { return (x << k) | (x >> (64 - k)); }

    static std::uint64_t splitMix(std::uint64_t& x) {
        std::uint64_t z = (x += 0x9e3779b97f4a7c15ULL);
        z = (z ^ (z >> 30)) * 0xbf58476d1ce4e5b9ULL;
        z = (z ^ (z >> 27)) * 0x94d049bb133111ebULL;
        return z ^ (z >> 31);
    }

    std::uint64_t m_state[4];
};

}  // namespace quorvale
