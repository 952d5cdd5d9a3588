#pragma once
// Options that take a whole number: a seed, a count of scenarios, a number
// of threads. A text is read in decimal, all of it, with no sign or blank.

#include <cstdint>
#include <limits>
#include <optional>
#include <string>

namespace quorvale::cli {

// A run of more scenarios than this takes days.
inline constexpr std::uint64_t kLargestCount = 1'000'000'000'000;
// The range of a seed, and of a count of scenarios.
inline constexpr std::uint64_t kLargestSeed = std::numeric_limits<std::uint64_t>::max();

// The whole number the text is, all of it; none otherwise.
std::optional<std::uint64_t> readWhole(const std::string& text);
// What is wrong with the text as the value of `option`, which takes a whole
// number from `least` to `most`, naming the option and the range; empty
// when it is such a number.
std::string wholeNumberRefusal(const std::string& option, const std::string& text, std::uint64_t least,
                               std::uint64_t most);

}  // namespace quorvale::cli
