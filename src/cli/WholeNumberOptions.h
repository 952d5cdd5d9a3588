#pragma once
// Options that take a whole number: a seed, a count of scenarios, a number
// of threads. Each throws UsageError naming the option and the range it
// takes when the text is not such a number.

#include <cstdint>
#include <optional>
#include <string>

namespace quorvale::cli {

// A run of more scenarios than this takes days.
inline constexpr std::uint64_t kLargestCount = 1'000'000'000'000;

// The whole number the text is, all of it; none otherwise.
std::optional<std::uint64_t> readWhole(const std::string& text);
// A seed: 0 to 2^64-1.
std::uint64_t readSeedOption(const std::string& option, const std::string& text);
// A whole number from `least` to `most`.
std::uint64_t readWholeOption(const std::string& option, const std::string& text, std::uint64_t least,
                              std::uint64_t most);
// A count of scenarios: 1 to kLargestCount.
inline std::uint64_t readCountOption(const std::string& option, const std::string& text) {
    return readWholeOption(option, text, 1, kLargestCount);
}

}  // namespace quorvale::cli
