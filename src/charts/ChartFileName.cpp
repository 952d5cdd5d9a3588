#include "charts/ChartFileName.h"

namespace quorvale {
namespace {

// Long enough for every caption the program writes, short enough for any
// file system.
constexpr size_t kLongestStem = 96;

bool isWordCharacter(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9'); }

}  // namespace

std::string chartFileName(std::string_view caption, std::string_view suffix) {
    std::string stem;
    bool gap = false;
    for (char c : caption) {
        if (!isWordCharacter(c)) {
            gap = true;
            continue;
        }
        if (stem.size() >= kLongestStem) {
            break;
        }
        if (gap && !stem.empty()) {
            stem += '-';
        }
        gap = false;
        stem += c;
    }
    if (stem.empty()) {
        stem = "chart";
    }
    std::string name = stem;
    if (!suffix.empty()) {
        name += '.';
        name += suffix;
    }
    return name;
}

}  // namespace quorvale
