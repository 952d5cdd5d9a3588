// The chart export on a chart of its own: the picture carries the caption and
// the axis titles, and the save dialogs offer a name made from the caption.

#include <QChart>
#include <QChartView>
#include <QFile>
#include <QImage>
#include <QLineSeries>
#include <QMenu>
#include <QTemporaryDir>
#include <QValueAxis>

#include "GuiTestSupport.h"
#include "charts/gui/ChartExport.h"

using namespace quorvale;
using namespace quorvale::testing;

class ChartExportTest : public QObject {
    Q_OBJECT

private slots:
    void picturesCarryCaptionAndAxisTitlesAndAreNamedAfterTheCaption() {
        QChartView view;
        view.setWindowTitle(QStringLiteral("Tornado of total cost"));
        auto* line = new QLineSeries;
        line->append(1, 100);
        line->append(2, 80);
        view.chart()->addSeries(line);
        view.chart()->createDefaultAxes();
        view.chart()->axes(Qt::Horizontal).first()->setTitleText(QStringLiteral("Swing axis"));
        view.chart()->axes(Qt::Vertical).first()->setTitleText(QStringLiteral("Cost axis"));
        view.resize(400, 300);
        view.show();
        int prepared = 0;
        ChartExport exporter(&view, [] {
            return ChartExport::Table{{"EYD (stat)", "Total"}, {{"1", "100"}, {"2", ""}}};
        });
        exporter.setBeforePicture([&prepared] { ++prepared; });

        QCOMPARE(exporter.caption(), QStringLiteral("Tornado of total cost"));
        const QImage picture = exporter.image();
        QCOMPARE(picture.width(), 400);
        QVERIFY(picture.height() > 300);
        QCOMPARE(prepared, 1);

        QTemporaryDir dir;
        DialogAnswers answers;
        std::unique_ptr<QMenu> menu(exporter.createContextMenu(nullptr));
        answers.saveAs = dir.filePath(QStringLiteral("tornado.svg"));
        menu->findChild<QAction*>(QStringLiteral("actSaveImage"))->trigger();
        QFile svg(answers.saveAs);
        QVERIFY(svg.open(QIODevice::ReadOnly));
        const QByteArray drawing = svg.readAll();
        QVERIFY(drawing.contains("Tornado of total cost"));
        QVERIFY(drawing.contains("Swing axis"));
        QVERIFY(drawing.contains("Cost axis"));

        answers.saveAs = dir.filePath(QStringLiteral("tornado"));  // no suffix: CSV
        menu->findChild<QAction*>(QStringLiteral("actSaveData"))->trigger();
        QFile csv(answers.saveAs + QStringLiteral(".csv"));
        QVERIFY(csv.open(QIODevice::ReadOnly | QIODevice::Text));
        QCOMPARE(csv.readAll(), QByteArray("EYD (stat),Total\n1,100\n2,\n"));
        QCOMPARE(answers.suggestedNames, (QStringList{"Tornado-of-total-cost.png", "Tornado-of-total-cost.csv"}));

        // A caption of the caller's own wins over the window's.
        exporter.setCaptionSource([] { return QStringLiteral("Spread"); });
        QCOMPARE(exporter.suggestedImageName(), QStringLiteral("Spread.png"));
        QVERIFY(answers.messages.isEmpty());
    }
};

QUORVALE_GUI_TEST_MAIN(ChartExportTest)
#include "ChartExportTest.moc"
