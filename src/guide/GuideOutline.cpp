#include "guide/GuideOutline.h"

#include <map>

namespace quorvale {
namespace {

// The lines of a text outside fenced code blocks ("```" or "~~~", indented
// by three blanks at most), which hold neither headings nor links.
template <class Visit>
void forEachProseLine(std::string_view text, Visit visit) {
    std::string_view fence;
    size_t start = 0;
    while (start < text.size()) {
        size_t end = text.find('\n', start);
        if (end == std::string_view::npos) {
            end = text.size();
        }
        std::string_view line = text.substr(start, end - start);
        start = end + 1;
        if (!line.empty() && line.back() == '\r') {
            line.remove_suffix(1);
        }
        const size_t indent = line.find_first_not_of(' ');
        const std::string_view body = indent == std::string_view::npos || indent > 3 ? "" : line.substr(indent);
        if (body.rfind("```", 0) == 0 || body.rfind("~~~", 0) == 0) {
            if (fence.empty()) {
                fence = body.substr(0, 3);
                continue;
            }
            if (body.substr(0, 3) == fence) {
                fence = {};
                continue;
            }
        }
        if (fence.empty()) {
            visit(line);
        }
    }
}

// "## Title ##" -> level 2, "Title"; level 0 when the line is no heading.
int headingLevel(std::string_view line, std::string_view& title) {
    const size_t indent = line.find_first_not_of(' ');
    if (indent == std::string_view::npos || indent > 3) {
        return 0;
    }
    line.remove_prefix(indent);
    const size_t hashes = line.find_first_not_of('#');
    const size_t level = hashes == std::string_view::npos ? line.size() : hashes;
    if (level < 1 || level > 6 || (level < line.size() && line[level] != ' ' && line[level] != '\t')) {
        return 0;
    }
    std::string_view rest = line.substr(level);
    auto trim = [](std::string_view s) {
        const size_t first = s.find_first_not_of(" \t");
        if (first == std::string_view::npos) {
            return std::string_view{};
        }
        return s.substr(first, s.find_last_not_of(" \t") - first + 1);
    };
    rest = trim(rest);
    // A closing run of '#' preceded by a blank is no part of the title.
    const size_t closing = rest.find_last_not_of('#');
    if (closing == std::string_view::npos) {
        rest = {};
    } else if (closing + 1 < rest.size() && (rest[closing] == ' ' || rest[closing] == '\t')) {
        rest = trim(rest.substr(0, closing + 1));
    }
    title = rest;
    return static_cast<int>(level);
}

}  // namespace

std::string headingAnchor(std::string_view title) {
    std::string anchor;
    for (const char c : title) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte >= 0x80 || (c >= '0' && c <= '9') || (c >= 'a' && c <= 'z') || c == '-' || c == '_') {
            anchor += c;
        } else if (c >= 'A' && c <= 'Z') {
            anchor += static_cast<char>(c - 'A' + 'a');
        } else if (c == ' ') {
            anchor += '-';
        }
    }
    return anchor;
}

std::vector<GuideHeading> guideHeadings(std::string_view markdown) {
    std::vector<GuideHeading> headings;
    std::map<std::string, int> seen;
    forEachProseLine(markdown, [&](std::string_view line) {
        std::string_view title;
        const int level = headingLevel(line, title);
        if (level == 0) {
            return;
        }
        std::string anchor = headingAnchor(title);
        const int repeats = seen[anchor]++;
        if (repeats > 0) {
            anchor += '-' + std::to_string(repeats);
        }
        headings.push_back({level, std::string(title), std::move(anchor)});
    });
    return headings;
}

std::vector<std::string> guideLinks(std::string_view markdown) {
    std::vector<std::string> links;
    forEachProseLine(markdown, [&](std::string_view line) {
        bool inCode = false;
        for (size_t i = 0; i < line.size(); ++i) {
            if (line[i] == '`') {
                inCode = !inCode;
            } else if (!inCode && line.compare(i, 3, "](#") == 0) {
                const size_t end = line.find(')', i + 3);
                if (end != std::string_view::npos) {
                    links.emplace_back(line.substr(i + 3, end - i - 3));
                    i = end;
                }
            }
        }
    });
    return links;
}

}  // namespace quorvale
