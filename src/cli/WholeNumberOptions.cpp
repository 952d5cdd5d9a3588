#include "cli/WholeNumberOptions.h"

#include <charconv>

#include <fmt/format.h>

#include "base/Texts.h"

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

std::string wholeNumberRefusal(const std::string& option, const std::string& text, std::uint64_t least,
                               std::uint64_t most) {
    const auto value = readWhole(text);
    if (value && *value >= least && *value <= most) {
        return {};
    }
    return fmt::format(texts::cli::kNotWholeNumber, option, text, least, most);
}

}  // namespace quorvale::cli
