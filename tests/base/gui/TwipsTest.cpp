// Twips to pixels: the scale at a screen's resolution, edges that touch in
// twips touching in pixels, and absurd lengths held within bounds.

#include <limits>

#include "GuiTestSupport.h"
#include "base/gui/Twips.h"

using namespace quorvale;

class TwipsTest : public QObject {
    Q_OBJECT

private slots:
    void fifteenTwipsMakeAPixelAt96Dpi() {
        const Twips twips(96);
        QCOMPARE(twips.x(1440), 96);
        QCOMPARE(twips.y(15), 1);
        QCOMPARE(twips.size(6345, 3465), QSize(423, 231));
        QCOMPARE(twips.fromX(433), 6495.0);
        // 22 twips is 1.47 pixels; 23 is 1.53.
        QCOMPARE(twips.x(22), 1);
        QCOMPARE(twips.x(23), 2);
        QCOMPARE(twips.x(-120), -8);
        const Twips wide(144, 96);
        QCOMPARE(wide.size(1440, 1440), QSize(144, 96));
        QCOMPARE(wide.fromY(96), 1440.0);
    }

    void controlsThatTouchInTwipsTouchInPixels() {
        const Twips twips(120);
        const QRect left = twips.rect(100, 100, 505, 250);
        const QRect right = twips.rect(605, 100, 505, 250);
        QCOMPARE(right.left(), left.right() + 1);
        QCOMPARE(left.top(), right.top());
    }

    void absurdLengthsAndResolutionsStayWithinBounds() {
        const Twips twips(96);
        QCOMPARE(twips.x(1e300), 1000000);
        QCOMPARE(twips.y(-1e300), -1000000);
        QCOMPARE(twips.x(std::numeric_limits<double>::infinity()), 0);
        QCOMPARE(twips.x(std::numeric_limits<double>::quiet_NaN()), 0);
        // A resolution that is no number counts as 96.
        QCOMPARE(Twips(0.0).x(1440), 96);
        QCOMPARE(Twips(-5, std::numeric_limits<double>::quiet_NaN()).size(1440, 1440), QSize(96, 96));
        QVERIFY(Twips::screenDpi() > 0);
    }
};

QUORVALE_GUI_TEST_MAIN(TwipsTest)
#include "TwipsTest.moc"
