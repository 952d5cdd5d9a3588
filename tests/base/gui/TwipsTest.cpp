// Twips to pixels, as properties over many lengths and resolutions: an inch
// is the resolution, a pixel length goes there and back unchanged, rounding
// is to the nearest pixel, edges that touch in twips touch in pixels, and
// absurd lengths and resolutions stay within bounds.

#include <cmath>
#include <limits>

#include "GuiTestSupport.h"
#include "base/gui/Twips.h"

using namespace quorvale;

namespace {

// Ordinary screens, a fractional one and one with unequal axes.
const QList<QPair<double, double>> kScreens{{96, 96}, {120, 120}, {144, 144}, {192, 192}, {110.5, 110.5}, {144, 96}};

}  // namespace

class TwipsTest : public QObject {
    Q_OBJECT

private slots:
    void pixelsAreTheNearestToTheTwipsAtTheResolution() {
        for (const auto& [dpiX, dpiY] : kScreens) {
            const Twips twips(dpiX, dpiY);
            for (int inches = -3; inches <= 20; ++inches) {
                QCOMPARE(twips.x(1440.0 * inches), static_cast<int>(std::lround(dpiX * inches)));
                QCOMPARE(twips.y(1440.0 * inches), static_cast<int>(std::lround(dpiY * inches)));
            }
            for (int t = -3000; t <= 30000; t += 7) {
                QVERIFY2(std::abs(twips.x(t) - t * dpiX / 1440.0) <= 0.5, qPrintable(QString::number(t)));
                QVERIFY2(std::abs(twips.y(t) - t * dpiY / 1440.0) <= 0.5, qPrintable(QString::number(t)));
                QCOMPARE(twips.size(t, t + 7), QSize(twips.x(t), twips.y(t + 7)));
            }
            for (int pixels = -200; pixels <= 2000; ++pixels) {
                QCOMPARE(twips.x(twips.fromX(pixels)), pixels);
                QCOMPARE(twips.y(twips.fromY(pixels)), pixels);
            }
        }
    }

    void controlsThatTouchInTwipsTouchInPixels() {
        for (const auto& [dpiX, dpiY] : kScreens) {
            const Twips twips(dpiX, dpiY);
            for (int left = -120; left <= 6000; left += 37) {
                for (int width : {15, 22, 240, 495, 1335}) {
                    const QRect first = twips.rect(left, left / 2, width, width);
                    const QRect beside = twips.rect(left + width, left / 2, 600, width);
                    const QRect below = twips.rect(left, left / 2 + width, width, 300);
                    QCOMPARE(beside.left(), first.right() + 1);
                    QCOMPARE(below.top(), first.bottom() + 1);
                    QCOMPARE(first.left(), twips.x(left));
                }
            }
        }
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
