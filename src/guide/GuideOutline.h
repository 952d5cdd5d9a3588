#pragma once
// The outline of the user guide: its headings with the anchors that links
// to them use, and the links within it. Anchors follow the rule the common
// Markdown hosts use, so "[Costs](#costs)" reaches the same heading in the
// program's guide window and on a project page.

#include <string>
#include <string_view>
#include <vector>

namespace quorvale {

struct GuideHeading {
    int level = 0;       // 1 for "#", 2 for "##", ...
    std::string title;   // as written, inline marks included
    std::string anchor;  // unique within the guide
};

// The anchor of one heading title: lower case, inline marks and punctuation
// dropped (letters, digits, '-' and '_' stay, as do the bytes of non-ASCII
// letters), each blank a '-'.
std::string headingAnchor(std::string_view title);

// The headings in order, code blocks skipped. A title that repeats an
// earlier anchor gets "-1", "-2", ... appended.
std::vector<GuideHeading> guideHeadings(std::string_view markdown);

// The targets of the links within the guide ("](#anchor)"), without the '#',
// in order of appearance, code blocks skipped.
std::vector<std::string> guideLinks(std::string_view markdown);

}  // namespace quorvale
