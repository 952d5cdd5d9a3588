// The chart control on its own: grid operations, drawing, and its additions
// (point tool tips, copying and saving).

#include <QElapsedTimer>
#include <QApplication>
#include <QClipboard>
#include <QFile>
#include <QImage>
#include <QLegend>
#include <QLegendMarker>
#include <QLineSeries>
#include <QScatterSeries>
#include <QMenu>
#include <QTemporaryDir>
#include <QValueAxis>
#include <cmath>
#include <limits>

#include "GuiTestSupport.h"
#include "charts/ChartLook.h"
#include "charts/gui/DataGridChart.h"

using namespace quorvale;
using namespace quorvale::testing;

namespace {

void writeRow(DataGrid& grid, int row, double x, std::initializer_list<double> values) {
    grid.setRow(row);
    grid.setRowX(x);
    int column = 0;
    for (double v : values) {
        grid.setColumn(++column);
        grid.setData(v);
    }
    grid.refresh();
}

bool inLegend(DataGridChart& chart, int column) {
    const QList<QLegendMarker*> markers = chart.chart()->legend()->markers(chart.series(column));
    return !markers.isEmpty() && markers.first()->isVisible();
}

QAction* menuItem(QMenu* menu, const char* name) { return menu->findChild<QAction*>(QString::fromLatin1(name)); }

}  // namespace

class DataGridChartTest : public QObject {
    Q_OBJECT

    std::unique_ptr<DataGridChart> m_chart;

private slots:
    void init() {
        m_chart = std::make_unique<DataGridChart>(QStringList{"Total", "Logging", "Road"});
        m_chart->resize(480, 320);
        m_chart->show();
    }
    void cleanup() { m_chart.reset(); }

    void startsWithTwentyThreePlaceholderRowsAndItsSeries() {
        QCOMPARE(m_chart->rowCount(), 23);
        QCOMPARE(m_chart->columnCount(), 3);
        QCOMPARE(m_chart->rowLabel(1), QStringLiteral("R1"));
        QCOMPARE(m_chart->rowLabel(23), QStringLiteral("R23"));
        QCOMPARE(m_chart->value(23, 3), 0.0);
        QCOMPARE(m_chart->series(2)->name(), QStringLiteral("Logging"));
        QCOMPARE(m_chart->series(1)->count(), 23);
        QCOMPARE(m_chart->series(1)->at(0).x(), 1.0);  // placeholders stand at their row number
    }

    void gridOperationsKeepWhatTheyDoNotTouch() {
        m_chart->setColumnCount(3);
        m_chart->setRowCount(40);
        for (int r = 1; r <= 40; ++r) {
            writeRow(*m_chart, r, r, {r * 1.0, r * 2.0, r * 3.0});
        }
        QCOMPARE(m_chart->rowCount(), 40);
        // A shorter sweep: the rows that stay keep their values until written.
        m_chart->setRowCount(30);
        QCOMPARE(m_chart->rowCount(), 30);
        QCOMPARE(m_chart->value(30, 3), 90.0);
        QCOMPARE(m_chart->rowLabel(30), QStringLiteral("30"));
        QVERIFY(std::isnan(m_chart->value(31, 1)));
        // Growing adds placeholder-like rows.
        m_chart->setRowCount(32);
        QCOMPARE(m_chart->rowLabel(32), QStringLiteral("R32"));
        QCOMPARE(m_chart->value(32, 1), 0.0);
        // Fewer columns drop series; the labels still follow the columns.
        m_chart->setColumnCount(2);
        QCOMPARE(m_chart->seriesLabels(), (QStringList{"Total", "Logging"}));
        m_chart->setColumnCount(4);
        QCOMPARE(m_chart->seriesLabel(4), QStringLiteral("C4"));
        QCOMPARE(m_chart->value(5, 3), 0.0);  // a dropped column comes back empty
        // Rows and columns outside the grid select nothing; writes are dropped.
        m_chart->setRow(99);
        m_chart->setColumn(1);
        m_chart->setData(7);
        m_chart->setRowX(5);
        QCOMPARE(m_chart->currentRow(), 0);
        m_chart->setRow(2);
        m_chart->setColumn(0);
        m_chart->setData(7);
        QCOMPARE(m_chart->value(2, 1), 2.0);
        m_chart->setRowCount(-5);
        QCOMPARE(m_chart->rowCount(), 0);
        m_chart->setRowCount(std::numeric_limits<int>::max());
        QCOMPARE(m_chart->rowCount(), DataGridChart::kMaxRows);
    }

    void refreshesMergeIntoOneRedraw() {
        const int before = m_chart->redrawCount();
        m_chart->setRowCount(70);
        for (int r = 1; r <= 70; ++r) {
            writeRow(*m_chart, r, r, {100.0 + r, 50.0, 5.0});
        }
        QVERIFY(m_chart->redrawPending());
        QCOMPARE(m_chart->redrawCount(), before);
        QTRY_VERIFY(!m_chart->redrawPending());
        QCOMPARE(m_chart->redrawCount(), before + 1);
        QCOMPARE(m_chart->series(1)->count(), 70);
        QCOMPARE(m_chart->series(1)->at(69), QPointF(70, 170));

        // A refresh right after a redraw (the next step of a simulation)
        // waits for the gap; the event loop running meanwhile does not
        // bring it forward, and it comes all the same.
        QElapsedTimer waited;
        waited.start();
        writeRow(*m_chart, 1, 1, {99.0, 50.0, 5.0});
        QCoreApplication::processEvents();
        QVERIFY(m_chart->redrawPending() || waited.elapsed() >= DataGridChart::kRedrawGapMs);
        QTRY_VERIFY(!m_chart->redrawPending());
        QCOMPARE(m_chart->series(1)->at(0), QPointF(1, 99));
    }

    void axesFollowTheDataAndNothingNonFiniteIsDrawn() {
        m_chart->setRowCount(4);
        writeRow(*m_chart, 1, 1, {340.12, 150, 187.5});
        writeRow(*m_chart, 2, 2, {std::numeric_limits<double>::quiet_NaN(), 120, 93});
        writeRow(*m_chart, 3, 3, {std::numeric_limits<double>::infinity(), 110, 62});
        writeRow(*m_chart, 4, 4, {-std::numeric_limits<double>::infinity(), 100, 47});
        m_chart->redrawNow();
        QCOMPARE(m_chart->series(1)->count(), 1);
        QCOMPARE(m_chart->series(2)->count(), 4);
        QVERIFY(m_chart->yAxis()->max() >= 340.12);
        QCOMPARE(m_chart->yAxis()->min(), 0.0);
        QVERIFY(m_chart->xAxis()->min() <= 1 && m_chart->xAxis()->max() >= 4);
        // Smaller data: the axis comes down with it.
        for (int r = 1; r <= 4; ++r) {
            writeRow(*m_chart, r, r, {1, 2, 3});
        }
        m_chart->redrawNow();
        QVERIFY(m_chart->yAxis()->max() < 10);
        // Extreme but finite values still give finite axes.
        writeRow(*m_chart, 1, 1, {1e300, -1e300, 1e-300});
        m_chart->redrawNow();
        QVERIFY(std::isfinite(m_chart->yAxis()->min()) && std::isfinite(m_chart->yAxis()->max()));
        QVERIFY(m_chart->yAxis()->min() < m_chart->yAxis()->max());
        QVERIFY((m_chart->yAxis()->max() - m_chart->yAxis()->min()) / m_chart->yAxis()->tickInterval() < 20);
        // And back again, without passing through a state of countless ticks.
        writeRow(*m_chart, 1, 1, {1, 2, 3});
        m_chart->redrawNow();
        QVERIFY(m_chart->yAxis()->max() < 10);
    }

    void hoveringAPointNamesSeriesEydAndValue() {
        m_chart->setRowCount(12);
        for (int r = 1; r <= 12; ++r) {
            writeRow(*m_chart, r, r, {100.0 + r / 4.0, 0, 0});
        }
        m_chart->redrawNow();
        QCOMPARE(m_chart->pointText(1, QPointF(9.7, 0)), QStringLiteral("Total\nEYD: 10 stat\nValue: 102.5"));
        emit m_chart->series(1)->hovered(QPointF(3.2, 101), true);
        QCOMPARE(m_chart->lastHoverText(), QStringLiteral("Total\nEYD: 3 stat\nValue: 100.75"));
        emit m_chart->series(1)->hovered(QPointF(3.2, 101), false);
        QVERIFY(m_chart->lastHoverText().isEmpty());
        QVERIFY(m_chart->pointText(9, QPointF(1, 1)).isEmpty());
        // The mouse itself, over the drawn point of row 6.
        const QPointF at = m_chart->chart()->mapToPosition(QPointF(6, 101.5), m_chart->series(1));
        const QPoint onView = m_chart->mapFromScene(at);
        QTest::mouseMove(m_chart->viewport(), onView + QPoint(0, 5));
        QTest::mouseMove(m_chart->viewport(), onView);
        QTRY_COMPARE(m_chart->lastHoverText(), QStringLiteral("Total\nEYD: 6 stat\nValue: 101.5"));
    }

    void theContextMenuCopiesAndSavesPictureAndData() {
        m_chart->setColumnCount(2);
        m_chart->setRowCount(2);
        writeRow(*m_chart, 1, 1, {340.12, 0.1});
        writeRow(*m_chart, 2, 2, {std::numeric_limits<double>::quiet_NaN(), 1e-7});
        m_chart->setWindowTitle(QStringLiteral("Costs, low range"));
        std::unique_ptr<QMenu> menu(m_chart->exporter()->createContextMenu(nullptr));
        QStringList texts;
        for (QAction* a : menu->actions()) {
            texts.append(a->text());
        }
        QCOMPARE(texts, (QStringList{"Copy Image", QString::fromUtf8("Save Image\u2026"),
                                     QString::fromUtf8("Save Data\u2026")}));

        // The picture is the chart under its caption.
        QApplication::clipboard()->clear();
        menuItem(menu.get(), "actCopyImage")->trigger();
        const QImage copied = QApplication::clipboard()->image();
        QCOMPARE(copied.width(), m_chart->width());
        QVERIFY(copied.height() > m_chart->height());

        QTemporaryDir dir;
        DialogAnswers answers;
        answers.saveAs = dir.filePath(QStringLiteral("costs"));  // no suffix: PNG
        menuItem(menu.get(), "actSaveImage")->trigger();
        QCOMPARE(QImage(dir.filePath(QStringLiteral("costs.png"))).size(), copied.size());
        answers.saveAs = dir.filePath(QStringLiteral("costs.svg"));
        menuItem(menu.get(), "actSaveImage")->trigger();
        QFile svg(answers.saveAs);
        QVERIFY(svg.open(QIODevice::ReadOnly));
        QVERIFY(svg.readAll().contains("<svg"));
        // The dialogs offer names made from the caption.
        QCOMPARE(answers.suggestedNames, (QStringList{"Costs-low-range.png", "Costs-low-range.png"}));

        answers.saveAs = dir.filePath(QStringLiteral("costs.csv"));
        menuItem(menu.get(), "actSaveData")->trigger();
        QFile csv(answers.saveAs);
        QVERIFY(csv.open(QIODevice::ReadOnly | QIODevice::Text));
        QCOMPARE(QString::fromUtf8(csv.readAll()),
                 QStringLiteral("EYD (stat),Total,Logging\n1,340.12,0.1\n2,,1e-07\n"));
        QVERIFY(answers.messages.isEmpty());

        // A place that cannot be written is reported, not ignored.
        answers.saveAs = dir.filePath(QStringLiteral("missing/costs.csv"));
        menuItem(menu.get(), "actSaveData")->trigger();
        answers.saveAs = dir.filePath(QStringLiteral("missing/costs.svg"));
        menuItem(menu.get(), "actSaveImage")->trigger();
        QCOMPARE(answers.messages.size(), 2);
        QVERIFY(answers.messages[0].contains(QStringLiteral("missing/costs.csv")));
        QVERIFY(answers.messages[1].contains(QStringLiteral("missing/costs.svg")));
        // Cancelling the dialog does nothing.
        answers.saveAs.clear();
        menuItem(menu.get(), "actSaveData")->trigger();
        QCOMPARE(answers.messages.size(), 2);
    }

    void theLookTitlesAxesHidesUncheckedSeriesMarksTheLowestTotalAndNotesCaps() {
        GraphMarks marks;
        marks.totalCost = marks.roadCost = true;  // "Logging Cost" unchecked
        m_chart->setLook(staticChartLook(ChartGroup::Cost, marks));
        m_chart->setRowCount(12);
        // Total falls to 120 at 7 and again at 9 stations; unwritten rows hold 0.
        const double totals[] = {300, 250, 200, 150, 130, 125, 120, 121, 120, 140, 0, 0};
        for (int r = 1; r <= 12; ++r) {
            writeRow(*m_chart, r, r, {totals[r - 1], 0, 50.0 / r});
        }
        m_chart->redrawNow();
        QCOMPARE(m_chart->xAxis()->titleText(), QStringLiteral("EYD (stations)"));
        QCOMPARE(m_chart->yAxis()->titleText(), QStringLiteral("Cost ($/mbf)"));
        // Hidden from plot and legend, still 0 in the grid and the saved data.
        QVERIFY(!m_chart->series(2)->isVisible());
        QVERIFY(!inLegend(*m_chart, 2));
        QVERIFY(m_chart->series(1)->isVisible() && inLegend(*m_chart, 1) && inLegend(*m_chart, 3));
        QCOMPARE(m_chart->value(4, 2), 0.0);
        QVERIFY(m_chart->exporter()->csvText().contains(QStringLiteral("\n4,150,0,12.5\n")));
        // The lowest total above 0, the later of two equal ones, as the
        // simulation's optimum takes it.
        QCOMPARE(m_chart->minimumMark()->count(), 1);
        QCOMPARE(m_chart->minimumMark()->at(0), QPointF(9, 120));
        QCOMPARE(m_chart->minimumText(), QStringLiteral("Lowest: 120 $/mbf at EYD 9"));
        QVERIFY(!m_chart->chart()->legend()->markers(m_chart->minimumMark()).constFirst()->isVisible());
        QCOMPARE(m_chart->pointText(3, QPointF(2, 0)), QStringLiteral("Road\nEYD: 2 stat\nValue: 25 $/mbf"));
        QVERIFY(m_chart->capNote().isEmpty());

        // A capped cost is noted, but not on a hidden series.
        writeRow(*m_chart, 1, 1, {300, 400, 50});
        m_chart->redrawNow();
        QVERIFY(m_chart->capNote().isEmpty());
        writeRow(*m_chart, 1, 1, {400, 400, 50});
        m_chart->redrawNow();
        QCOMPARE(m_chart->capNote(), QStringLiteral("Costs capped at 400 $/mbf"));

        // Without "Total Cost" nothing is marked.
        marks.totalCost = false;
        m_chart->setLook(staticChartLook(ChartGroup::Cost, marks));
        m_chart->redrawNow();
        QCOMPARE(m_chart->minimumMark()->count(), 0);
        QVERIFY(m_chart->minimumText().isEmpty());
    }

    void ticksAndLegendFollowTheRoomTheChartHas() {
        m_chart->setRowCount(30);
        for (int r = 1; r <= 30; ++r) {
            writeRow(*m_chart, r, r, {100.0 + r, 50, 5});
        }
        m_chart->redrawNow();
        auto intervals = [](QValueAxis* axis) { return (axis->max() - axis->min()) / axis->tickInterval(); };
        // Low and wide, as a tile of a stacked arrangement: the legend beside
        // the plot, few value ticks, many positions.
        m_chart->resize(1600, 130);
        QCOMPARE(m_chart->chart()->legend()->alignment(), Qt::AlignRight);
        QVERIFY(m_chart->chart()->legend()->isVisible());
        QVERIFY(intervals(m_chart->yAxis()) <= 3);
        QVERIFY(intervals(m_chart->xAxis()) >= 6);
        // Narrow and tall: the other way round, the legend below.
        m_chart->resize(260, 900);
        QCOMPARE(m_chart->chart()->legend()->alignment(), Qt::AlignBottom);
        QVERIFY(intervals(m_chart->xAxis()) <= 3.5);
        QVERIFY(intervals(m_chart->yAxis()) >= 6);
        // Too narrow for a row: a list below the plot; too small for that: none.
        m_chart->resize(130, 400);
        QVERIFY(m_chart->chart()->legend()->isVisible() && !m_chart->chart()->legend()->isAttachedToChart());
        m_chart->resize(80, 120);
        QVERIFY(!m_chart->chart()->legend()->isVisible());
    }

    void atAnySizeTitlesAreWholeShortOrGoneButNeverCut() {
        GraphMarks marks;
        marks.cycleTime = marks.riggingTime = marks.totalDays = true;
        const ChartLook look = staticChartLook(ChartGroup::LoggingTime, marks);
        m_chart->setLook(look);
        m_chart->setRowCount(50);
        for (int r = 1; r <= 50; ++r) {
            writeRow(*m_chart, r, r, {1000.0 * r, 7.5 + r, 0.25 * r});
        }
        m_chart->redrawNow();
        const QStringList yTitles{QString::fromStdString(look.yTitle), QString::fromStdString(look.yShortTitle)};
        QSet<QString> seen;
        for (int width = 1600; width >= 100; width -= 150) {
            for (const int height : {900, 300, 160, 90}) {
                m_chart->resize(width, height);
                const QString where = QStringLiteral("%1x%2").arg(width).arg(height);
                QVERIFY2(ChartFit::cutTexts(*m_chart->chart()).isEmpty(), qPrintable(where));
                const QString yTitle = m_chart->yAxis()->titleText();
                QVERIFY2(yTitles.contains(yTitle), qPrintable(where + QStringLiteral(": ") + yTitle));
                if (m_chart->yAxis()->isTitleVisible() || m_chart->isYTitleAbove()) {
                    seen.insert(yTitle);
                }
            }
        }
        // Each form showed somewhere, the whole one in the largest window.
        QCOMPARE(seen.size(), 2);
        m_chart->resize(1600, 900);
        QCOMPARE(m_chart->yAxis()->titleText(), yTitles.first());
        QCOMPARE(m_chart->detail().step, 0);
    }

    void savedDataQuotesLabelsThatNeedIt() {
        DataGridChart chart(QStringList{"Cost, total", "Say \"hi\""});
        chart.setRowCount(1);
        writeRow(chart, 1, 2.5, {1, 2});
        QCOMPARE(chart.exporter()->csvText(),
                 QStringLiteral("EYD (stat),\"Cost, total\",\"Say \"\"hi\"\"\"\n2.5,1,2\n"));
    }
};

QUORVALE_GUI_TEST_MAIN(DataGridChartTest)
#include "DataGridChartTest.moc"
