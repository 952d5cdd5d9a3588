// Where the tiles of the Window menu put windows, as plain geometry: every
// frame inside the area, none over another, fixed sizes kept, one line of
// tiles while it gives each window its room, more lines where it does not.

#include <QtTest>

#include "GuiTestSupport.h"
#include "app/gui/TilePlanner.h"

using namespace quorvale;
using Direction = TilePlanner::Direction;

namespace {

const TileWindow kChart{{}, {QSize(270, 170)}};
// Wide with its charts side by side, or tall with one above the other.
const TileWindow kDecision{{}, {QSize(770, 460), QSize(440, 670)}};
const TileWindow kVariables{QSize(438, 603), {}};
const TileWindow kSimulator{QSize(363, 398), {}};

std::vector<TileWindow> everyWindow() {
    return {kDecision, kChart, kChart, kChart, kVariables, kChart, kSimulator, kChart, kChart};
}

// Inside the area, apart from each other, fixed sizes kept; the worst
// legibility of the windows the tiles size.
double checkFrames(const QRect& area, const std::vector<TileWindow>& windows, const std::vector<QRect>& frames) {
    double worst = 1;
    if (frames.size() != windows.size()) {
        qWarning("%zu frames for %zu windows", frames.size(), windows.size());
        return -1;
    }
    for (size_t i = 0; i < frames.size(); ++i) {
        if (!area.contains(frames[i]) || frames[i].isEmpty()) {
            qWarning("frame %zu outside the area", i);
            return -1;
        }
        if (windows[i].isFixed() && frames[i].size() != windows[i].fixedSize) {
            qWarning("fixed window %zu resized", i);
            return -1;
        }
        for (size_t j = 0; j < i; ++j) {
            if (frames[i].intersects(frames[j])) {
                qWarning("frames %zu and %zu overlap", j, i);
                return -1;
            }
        }
        if (!windows[i].isFixed()) {
            worst = std::min(worst, TilePlanner::legibility(windows[i], frames[i].size()));
        }
    }
    return worst;
}

}  // namespace

class TilePlannerTest : public QObject {
    Q_OBJECT

private slots:
    void oneLineOfTilesWhileItGivesEveryWindowItsRoom() {
        const QRect area(0, 0, 1600, 900);
        const std::vector<TileWindow> charts(5, kChart);
        const std::vector<QRect> stacked = TilePlanner::plan(area, charts, Direction::Stacked);
        QCOMPARE(checkFrames(area, charts, stacked), 1.0);
        int height = 0;
        for (const QRect& r : stacked) {
            QCOMPARE(r.left(), 0);
            QCOMPARE(r.width(), 1600);
            height += r.height();
        }
        QCOMPARE(height, 900);
        const std::vector<QRect> side = TilePlanner::plan(area, charts, Direction::SideBySide);
        QCOMPARE(checkFrames(area, charts, side), 1.0);
        for (const QRect& r : side) {
            QCOMPARE(r.top(), 0);
            QCOMPARE(r.height(), 900);
        }
    }

    void moreLinesWhereOneLineWouldCrampTheWindows() {
        const QRect area(0, 0, 820, 560);
        const std::vector<TileWindow> charts(6, kChart);
        for (Direction direction : {Direction::Stacked, Direction::SideBySide}) {
            const std::vector<QRect> frames = TilePlanner::plan(area, charts, direction);
            QCOMPARE(checkFrames(area, charts, frames), 1.0);
            // Stacked tiles stay as wide as their column; side by side, as
            // high as their row.
            QSet<int> lines;
            for (const QRect& r : frames) {
                lines.insert(direction == Direction::Stacked ? r.left() : r.top());
            }
            QVERIFY(lines.size() > 1);
        }
    }

    void windowsOfFixedSizeStandAlongTheEdgeOfTheTilesDirection() {
        const QRect area(0, 0, 1600, 900);
        const std::vector<TileWindow> windows{kSimulator, kChart};
        // Stacked, the Simulator ends the stack at the bottom; side by
        // side, it ends the row at the right. The chart has the rest.
        const std::vector<QRect> stacked = TilePlanner::plan(area, windows, Direction::Stacked);
        QCOMPARE(checkFrames(area, windows, stacked), 1.0);
        QCOMPARE(stacked[0].bottom(), area.bottom());
        QCOMPARE(stacked[1], QRect(0, 0, 1600, 900 - 398));
        const std::vector<QRect> side = TilePlanner::plan(area, windows, Direction::SideBySide);
        QCOMPARE(checkFrames(area, windows, side), 1.0);
        QCOMPARE(side[0].right(), area.right());
        QCOMPARE(side[1], QRect(0, 0, 1600 - 363, 900));
    }

    void everyWindowOpenStaysOnTheScreenAndLegibleWhereTheScreenAllows() {
        // The client areas of a 1600x1000 and a 1280x800 screen.
        for (const QRect& area : {QRect(0, 0, 1600, 906), QRect(0, 0, 1280, 706)}) {
            for (Direction direction : {Direction::Stacked, Direction::SideBySide}) {
                const std::vector<TileWindow> windows = everyWindow();
                const double worst = checkFrames(area, windows, TilePlanner::plan(area, windows, direction));
                QVERIFY2(worst >= (area.width() == 1600 ? 1.0 : 0.5), qPrintable(QString::number(worst)));
            }
        }
        // The fixed windows alone stand from the top left.
        const std::vector<TileWindow> fixed{kVariables, kSimulator};
        const std::vector<QRect> frames = TilePlanner::plan(QRect(0, 0, 1600, 906), fixed, Direction::SideBySide);
        QCOMPARE(checkFrames(QRect(0, 0, 1600, 906), fixed, frames), 1.0);
        QCOMPARE(frames[0].topLeft(), QPoint(0, 0));
    }
};

QUORVALE_GUI_TEST_MAIN(TilePlannerTest)
#include "TilePlannerTest.moc"
