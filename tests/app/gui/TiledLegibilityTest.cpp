// Every window open (Variables, Simulator, the five static charts, the
// simulation chart, the Decision Analysis window with a result and the User
// Guide), tiled
// either way on a large and a small screen: every window stays inside the
// area, and no chart draws a text that Qt Charts has cut short.

#include <QAbstractAxis>
#include <QChartView>
#include <QCategoryAxis>
#include <QGraphicsScene>
#include <QGraphicsSimpleTextItem>
#include <QGraphicsTextItem>
#include <QLegend>
#include <QLegendMarker>
#include <QMdiArea>

#include "GuiTestSupport.h"
#include "base/gui/WindowRegistry.h"
#include "decision/gui/DecisionTornadoChart.h"
#include "decision/gui/FrmDecision.h"
#include "inputs/gui/FrmData.h"

using namespace quorvale;
using namespace quorvale::testing;

namespace {

// Qt Charts ends a text it cuts with three dots; a text of our own never
// holds them, nor the ellipsis character.
bool looksCut(const QString& text) { return text.contains(QStringLiteral("...")) || text.contains(QChar(0x2026)); }

// The texts the chart was given, whole.
QSet<QString> sourceTexts(QChart& chart) {
    QSet<QString> texts{chart.title()};
    for (QAbstractAxis* axis : chart.axes()) {
        texts.insert(axis->titleText());
        if (auto* categories = qobject_cast<QCategoryAxis*>(axis)) {
            for (const QString& label : categories->categoriesLabels()) {
                texts.insert(label);
            }
        }
    }
    for (QLegendMarker* marker : chart.legend()->markers()) {
        texts.insert(marker->label());
    }
    return texts;
}

QString drawnText(QGraphicsItem* item) {
    if (auto* text = dynamic_cast<QGraphicsTextItem*>(item)) {
        return text->toPlainText();
    }
    if (auto* simple = dynamic_cast<QGraphicsSimpleTextItem*>(item)) {
        return simple->text();
    }
    return {};
}

// Each text of each chart on the screen that was cut, named by its chart.
QStringList cutTexts(FrmMain& main) {
    QStringList cut;
    for (QChartView* view : main.findChildren<QChartView*>()) {
        if (!view->isVisible() || !view->scene()) {
            continue;
        }
        const QSet<QString> whole = sourceTexts(*view->chart());
        for (QGraphicsItem* item : view->scene()->items()) {
            const QString drawn = drawnText(item);
            if (item->isVisible() && looksCut(drawn) && !whole.contains(drawn)) {
                cut.append(
                    QStringLiteral("%1/%2: \"%3\"").arg(view->window()->objectName(), view->objectName(), drawn));
            }
        }
    }
    return cut;
}

// Each window that reaches out of the area, where scroll bars would hide it.
QStringList framesOutside(FrmMain& main) {
    const QRect area = main.mdiArea()->viewport()->rect();
    QStringList outside;
    for (QMdiSubWindow* frame : main.mdiArea()->subWindowList()) {
        if (frame->isVisible() && !area.contains(frame->geometry())) {
            outside.append(QStringLiteral("%1 at %2,%3 %4x%5 in %6x%7")
                               .arg(frame->widget()->objectName())
                               .arg(frame->x())
                               .arg(frame->y())
                               .arg(frame->width())
                               .arg(frame->height())
                               .arg(area.width())
                               .arg(area.height()));
        }
    }
    return outside;
}

}  // namespace

class TiledLegibilityTest : public QObject {
    Q_OBJECT

private slots:
    void everyWindowTiledStaysOnScreenWithEveryChartTextWhole_data() {
        QTest::addColumn<QSize>("screen");
        QTest::addColumn<QString>("arrangement");
        for (const QSize screen : {QSize(1600, 1000), QSize(1280, 800)}) {
            for (const char* arrangement : {"mnuWindowTileHorizontal", "mnuWindowTileVertical"}) {
                const QByteArray name = QByteArray(arrangement) + ' ' + QByteArray::number(screen.width()) + 'x' +
                                        QByteArray::number(screen.height());
                QTest::newRow(name.constData()) << screen << QString::fromLatin1(arrangement);
            }
        }
    }

    void everyWindowTiledStaysOnScreenWithEveryChartTextWhole() {
        QFETCH(QSize, screen);
        QFETCH(QString, arrangement);
        MainWindowFixture f;
        FrmMain& main = f.main();
        main.showNormal();
        main.setGeometry(QRect(QPoint(0, 0), screen));
        // A unit with spread inputs, so that the decision analysis has
        // bars and a band to draw.
        const std::pair<int, const char*> entries[] = {{0, "20"},    {1, "30"},    {4, "80"},    {5, "80"},
                                                       {10, "2500"}, {11, "3500"}, {28, "1200"}, {29, "2000"}};
        for (const auto& [entry, text] : entries) {
            f.data()->setEntryText(entry, text);
        }
        for (const char* item :
             {"MnuTotalCost", "MnuLoggingCost", "MnuRoadCost", "MnuTonsDay", "MnuTotalDays", "MnuCycleTime",
              "MnuRiggingTime", "MnuRoadDensity", "MnuLandingSpacing", "MnuCorridors"}) {
            f.trigger(QString::fromLatin1(item));
        }
        main.windows().show(WindowId::FrmGraphStats);
        f.trigger(QStringLiteral("mnuToolsUserGuide"));
        f.trigger(QStringLiteral("mnuToolsUnitsOverview"));
        f.trigger(QStringLiteral("mnuToolsDecision"));
        auto* decision = qobject_cast<FrmDecision*>(f.window(WindowId::FrmDecision));
        QVERIFY(decision);
        decision->setScenarioCount(2000);
        decision->setSeed(5);
        decision->run();
        QTRY_VERIFY_WITH_TIMEOUT(decision->result().has_value(), 60000);
        for (WindowId id : kAllWindows) {
            QVERIFY2(f.frame(id) && f.frame(id)->isVisible(), windowName(id));
        }

        f.trigger(arrangement);
        // Charts lay themselves out at the next turns of the event loop.
        QTest::qWait(50);
        settle();
        const QStringList faults = framesOutside(main) + cutTexts(main);
        QVERIFY2(faults.isEmpty(), qPrintable(faults.join(QStringLiteral("; "))));
        // On the large screen each tornado bar still carries its cost and
        // EYD; on the small one the figures with no room go, as they may.
        if (screen.width() >= 1600) {
            DecisionTornadoChart* tornado = decision->tornadoChart();
            QCOMPARE(tornado->shownBarEnds().size(), 2 * int(tornado->bars().size()));
        }
    }
};

QUORVALE_GUI_TEST_MAIN(TiledLegibilityTest)
#include "TiledLegibilityTest.moc"
