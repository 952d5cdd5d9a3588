#include <gtest/gtest.h>

#include "guide/GuideOutline.h"

using namespace quorvale;

TEST(GuideOutline, AnchorsDropMarksAndPunctuationAndJoinWordsWithDashes) {
    EXPECT_EQ(headingAnchor("Getting started"), "getting-started");
    EXPECT_EQ(headingAnchor("pOptimal, regret and EVPI"), "poptimal-regret-and-evpi");
    EXPECT_EQ(headingAnchor("`sweep` and `--case`"), "sweep-and---case");
    EXPECT_EQ(headingAnchor("Step 1 (EYD = 100 ft)"), "step-1-eyd--100-ft");
    EXPECT_EQ(headingAnchor("snake_case & more"), "snake_case--more");
}

TEST(GuideOutline, HeadingsOutsideCodeBlocksInOrderWithUniqueAnchors) {
    const std::vector<GuideHeading> headings = guideHeadings(
        "# Guide\n"
        "#hashtag is no heading\n"
        "## Notes ##\n"
        "```sh\n"
        "# a comment in a code block\n"
        "```\n"
        "   ### Deeper\r\n"
        "    # four blanks make code\n"
        "~~~\n"
        "## fenced\n"
        "~~~\n"
        "## Notes\n"
        "####### seven is too many\n");
    ASSERT_EQ(headings.size(), 4u);
    EXPECT_EQ(headings[0].level, 1);
    EXPECT_EQ(headings[0].anchor, "guide");
    EXPECT_EQ(headings[1].title, "Notes");
    EXPECT_EQ(headings[1].anchor, "notes");
    EXPECT_EQ(headings[2].level, 3);
    EXPECT_EQ(headings[2].title, "Deeper");
    EXPECT_EQ(headings[3].anchor, "notes-1");
}

TEST(GuideOutline, LinksWithinTheGuideOnly) {
    const std::vector<std::string> links = guideLinks(
        "See [costs](#costs) and [the site](https://example.org), not `[code](#code)`.\n"
        "```\n[fenced](#fenced)\n```\n"
        "[two](#a) [on one line](#b)\n");
    EXPECT_EQ(links, (std::vector<std::string>{"costs", "a", "b"}));
}
