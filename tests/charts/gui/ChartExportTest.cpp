// The chart export on a chart of its own: the picture carries the caption and
// the axis titles, the save dialogs offer a name made from the caption, and
// nothing but a regular file is saved over.

#include <QChart>
#include <QChartView>
#include <QFile>
#include <QImage>
#include <QLineSeries>
#include <QMenu>
#include <QTemporaryDir>
#include <QValueAxis>
#include <sys/stat.h>

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

        // Nothing is written into a FIFO (a picture writer would wait for
        // a reader for good) or put in its place, also through a link.
        const QString fifo = dir.filePath(QStringLiteral("pipe"));
        QCOMPARE(mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
        for (const char* name : {"pipe.png", "pipe.svg", "pipe.csv"}) {
            QVERIFY(QFile::link(fifo, dir.filePath(QString::fromLatin1(name))));
        }
        for (const auto& [action, name] : {std::pair{"actSaveImage", "pipe.png"}, std::pair{"actSaveImage", "pipe.svg"},
                                           std::pair{"actSaveData", "pipe.csv"}}) {
            answers.saveAs = dir.filePath(QString::fromLatin1(name));
            menu->findChild<QAction*>(QString::fromLatin1(action))->trigger();
            QVERIFY(QFileInfo(answers.saveAs).isSymLink());
            QVERIFY2(answers.messages.last().endsWith(answers.saveAs + QStringLiteral(": a FIFO (named pipe) stands "
                                                                                      "there, not a file, and is left "
                                                                                      "alone; choose another name")),
                     qPrintable(answers.messages.last()));
        }
        QCOMPARE(answers.messages.size(), 3);
        struct stat status {};
        QVERIFY(lstat(QFile::encodeName(fifo).constData(), &status) == 0 && S_ISFIFO(status.st_mode));
    }
};

QUORVALE_GUI_TEST_MAIN(ChartExportTest)
#include "ChartExportTest.moc"
