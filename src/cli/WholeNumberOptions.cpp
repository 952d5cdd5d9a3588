#include "cli/WholeNumberOptions.h"

#include <charconv>
#include <limits>

#include <fmt/format.h>

#include "base/Texts.h"
#include "cli/CommandLine.h"

namespace quorvale::cli {

std::optional<std::uint64_t> readWhole(const std::string& text) {
    std::uint64_t value = 0;
    const char* end = text.data() + text.size();
    const auto [ptr, ec] = std::from_chars(text.data(), end, value);
    if (text.empty() || ec != std::errc{} || ptr != end) {
        return std::nullopt;
    }
    return value;
}

std::uint64_t readSeedOption(const std::string& option, const std::string& text) {
    return readWholeOption(option, text, 0, std::numeric_limits<std::uint64_t>::max());
}

std::uint64_t readWholeOption(const std::string& option, const std::string& text, std::uint64_t least,
                              std::uint64_t most) {
    const auto value = readWhole(text);
    if (!value || *value < least || *value > most) {
        throw UsageError(fmt::format(texts::cli::kNotWholeNumber, option, text, least, most));
    }
    return *value;
}

}  // namespace quorvale::cli
