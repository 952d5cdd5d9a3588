#include <gtest/gtest.h>

#include "guide/GuideOutline.h"

using namespace quorvale;

TEST(GuideOutline, HeadingsOutsideCodeTakeUniqueAnchorsAndLinksNameThem) {
    EXPECT_EQ(headingAnchor("pOptimal, regret and EVPI"), "poptimal-regret-and-evpi");
    EXPECT_EQ(headingAnchor("`sweep` and `--case` (A_b)"), "sweep-and---case-a_b");

    const std::string markdown =
        "# Guide\n#hashtag\n## Notes ##\n"
        "```sh\n# a comment\n[fenced](#fenced)\n```\n"
        "   ### Deeper\r\n    # four blanks make code\n## Notes\n"
        "See [notes](#notes-1), [a site](https://example.org) and `[code](#code)` [too](#deeper).\n";
    const std::vector<GuideHeading> headings = guideHeadings(markdown);
    ASSERT_EQ(headings.size(), 4u);
    EXPECT_EQ(headings[1].title, "Notes");
    EXPECT_EQ(headings[2].level, 3);
    EXPECT_EQ(headings[2].anchor, "deeper");
    EXPECT_EQ(headings[3].anchor, "notes-1");
    EXPECT_EQ(guideLinks(markdown), (std::vector<std::string>{"notes-1", "deeper"}));
}
