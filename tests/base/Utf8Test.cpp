#include "base/Utf8.h"

#include <gtest/gtest.h>

using quorvale::escapedControls;

TEST(Utf8, EscapedControlsKeepTextButEscapeWhatATerminalWouldActOn) {
    EXPECT_EQ(escapedControls("/home/ana/Förde östlich — 2.qvunit"), "/home/ana/Förde östlich — 2.qvunit");
    // C0 controls and DEL; the common ones by name.
    EXPECT_EQ(escapedControls("a\x1b[2J\nb\tc\rd\x7f"
                              "e\x07"),
              "a\\x1b[2J\\nb\\tc\\rd\\x7fe\\x07");
    // C1 controls (U+009B is a one-character CSI) but not the no-break space.
    EXPECT_EQ(escapedControls("x\xc2\x9b"
                              "31m\xc2\xa0y"),
              "x\\xc2\\x9b31m\xc2\xa0y");
    // Bytes that are not UTF-8, each on its own.
    EXPECT_EQ(escapedControls("\xff\xe2\x82z"), "\\xff\\xe2\\x82z");
}
