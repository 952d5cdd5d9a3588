// The Units Overview in the real main window: it lists a folder's units,
// runs them as quorvale-cli batch does, cancels, sorts, saves the table and
// opens a unit in the Variables window on a double-click.

#include <QDir>
#include <QFile>
#include <QHeaderView>
#include <QMenu>
#include <QProgressBar>
#include <QPushButton>
#include <QSignalSpy>
#include <QStandardItemModel>
#include <QTableView>
#include <QTemporaryDir>
#include <sstream>

#include "GuiTestSupport.h"
#include "batch/gui/FrmUnitsOverview.h"
#include "cli/Cli.h"
#include "inputs/gui/EntryField.h"
#include "inputs/gui/FrmData.h"
#include "units/gui/UnitActions.h"

using namespace quorvale;
using namespace quorvale::testing;

namespace {

std::string tool(const std::vector<std::string>& args) {
    std::ostringstream out, err;
    cli::runCli(args, out, err);
    return out.str();
}

QStringList column(const QTableView& table, int c) {
    QStringList texts;
    for (int r = 0; r < table.model()->rowCount(); ++r) {
        texts.append(table.model()->index(r, c).data().toString());
    }
    return texts;
}

}  // namespace

class FrmUnitsOverviewTest : public QObject {
    Q_OBJECT

    std::unique_ptr<MainWindowFixture> m_f;
    QTemporaryDir m_dir;

    FrmUnitsOverview* overview() {
        m_f->trigger(QStringLiteral("mnuToolsUnitsOverview"));
        return qobject_cast<FrmUnitsOverview*>(m_f->window(WindowId::FrmUnitsOverview));
    }

    // Unit files whose harvest volumes differ, and one that is broken.
    QString unitFolder() {
        const QString folder = m_dir.filePath(QStringLiteral("units"));
        QDir().mkpath(folder);
        for (const auto& [name, volume] : {std::pair{"creek", "14:18"}, {"ridge", "30:40"}, {"bench", "20:26"}}) {
            QFile file(folder + QLatin1Char('/') + QString::fromUtf8(name) + QStringLiteral(".qvunit"));
            file.open(QIODevice::WriteOnly);
            file.write(QByteArray::fromStdString(tool({"unit", "--name", name, "--harvest-volume", volume})));
        }
        QFile broken(folder + QStringLiteral("/broken.qvunit"));
        broken.open(QIODevice::WriteOnly);
        broken.write("{\"format\"");
        return folder;
    }

private slots:
    void init() { m_f = std::make_unique<MainWindowFixture>(); }
    void cleanup() { m_f.reset(); }

    void runsTheUnitsAsTheToolDoesSortsAndSavesTheTable() {
        QAction* item = m_f->action(QStringLiteral("mnuToolsUnitsOverview"));
        QCOMPARE(item->text(), QStringLiteral("Units Overview..."));
        QVERIFY(m_f->main().toolsMenu()->actions().contains(item));
        FrmUnitsOverview* w = overview();
        QVERIFY(w);
        const QString folder = unitFolder();
        QVERIFY(w->openPaths({folder}));
        QCOMPARE(column(*w->table(), FrmUnitsOverview::Name), QStringList({"bench", "broken", "creek", "ridge"}));
        QCOMPARE(column(*w->table(), FrmUnitsOverview::Status), QStringList(4, QStringLiteral("waiting")));

        w->setSeed(9);
        QSignalSpy ended(w, &FrmUnitsOverview::runEnded);
        QTest::mouseClick(w->runButton(), Qt::LeftButton);
        QVERIFY(w->isRunning());
        QVERIFY(w->cancelButton()->isEnabled());
        QVERIFY(ended.wait(120000));
        QCOMPARE(w->progress()->value(), 4);

        // Each row as the tool's batch row of the same seed.
        std::istringstream rows(tool({"batch", folder.toStdString(), "--seed", "9", "--format", "jsonl"}));
        int r = 0;
        for (std::string line; std::getline(rows, line); ++r) {
            const auto at = [&](const char* key) { return line.find(key); };
            const QString status = column(*w->table(), FrmUnitsOverview::Status)[r];
            QCOMPARE(status == QStringLiteral("ok"), at("\"status\":\"ok\"") != std::string::npos);
            if (status != QStringLiteral("ok")) {
                QCOMPARE(column(*w->table(), FrmUnitsOverview::Cost)[r], QString());
                continue;
            }
            const double eyd = std::stod(line.substr(at("\"eyd\":") + 6));
            const double cost = std::stod(line.substr(at("\"meanCost\":") + 11));
            QCOMPARE(column(*w->table(), FrmUnitsOverview::Eyd)[r], QString::number(eyd / 100, 'f', 0));
            QCOMPARE(column(*w->table(), FrmUnitsOverview::Cost)[r], QString::number(cost, 'f', 2));
        }
        QCOMPARE(r, 4);

        // A click on the cost heading sorts by cost as a number, the unit
        // without one last; the saved table follows the view.
        QHeaderView* header = w->table()->horizontalHeader();
        QTest::mouseClick(header->viewport(), Qt::LeftButton, {},
                          QPoint(header->sectionViewportPosition(FrmUnitsOverview::Cost) + 5, header->height() / 2));
        const QStringList costs = column(*w->table(), FrmUnitsOverview::Cost);
        QCOMPARE(costs.last(), QString());
        QVERIFY(costs[0].toDouble() < costs[1].toDouble() && costs[1].toDouble() < costs[2].toDouble());
        QCOMPARE(column(*w->table(), FrmUnitsOverview::Name)[0], QStringLiteral("ridge"));

        const QString saved = m_dir.filePath(QStringLiteral("overview.csv"));
        DialogAnswers answers;
        answers.saveAs = saved;
        QTest::mouseClick(namedChild<QPushButton>(*w, "cmdSaveUnits"), Qt::LeftButton);
        QFile file(saved);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QStringList lines = QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
        QCOMPARE(lines.size(), 5);
        QCOMPARE(lines[0], QStringLiteral("name,pattern,recommendedEyd,meanCost,bandFromEyd,bandToEyd,status"));
        QVERIFY(lines[1].startsWith(QStringLiteral("ridge,parallel,")));
        QVERIFY(lines[4].startsWith(QStringLiteral("broken,,,,,,")));
    }

    void cancelStopsTheRunAndKeepsTheRowsFinished() {
        FrmUnitsOverview* w = overview();
        QFile csv(m_dir.filePath(QStringLiteral("many.csv")));
        QVERIFY(csv.open(QIODevice::WriteOnly));
        csv.write("name,harvest-volume\n");
        for (int i = 0; i < 60; ++i) {
            csv.write(QByteArray("u") + QByteArray::number(i) + ",10:40\n");
        }
        csv.close();
        QVERIFY(w->openPaths({csv.fileName()}));
        QSignalSpy ended(w, &FrmUnitsOverview::runEnded);
        w->run();
        QTest::mouseClick(w->cancelButton(), Qt::LeftButton);
        QVERIFY(!w->cancelButton()->isEnabled());
        QVERIFY(ended.wait(60000));
        QVERIFY(!w->isRunning());
        QVERIFY(w->runButton()->isEnabled());
        const QStringList statuses = column(*w->table(), FrmUnitsOverview::Status);
        QVERIFY(statuses.count(QStringLiteral("cancelled")) > 0);
        QCOMPARE(statuses.count(QStringLiteral("waiting")), 0);
        QCOMPARE(statuses.count(QStringLiteral("ok")) + statuses.count(QStringLiteral("cancelled")), 60);
    }

    void aDoubleClickOpensTheUnitInTheVariablesWindow() {
        FrmUnitsOverview* w = overview();
        QVERIFY(w->openPaths({unitFolder() + QStringLiteral("/ridge.qvunit")}));
        QCOMPARE(column(*w->table(), FrmUnitsOverview::Name).size(), 4);
        w->table()->sortByColumn(FrmUnitsOverview::Name, Qt::DescendingOrder);
        const QModelIndex ridge = w->table()->model()->index(0, FrmUnitsOverview::Name);
        QCOMPARE(ridge.data().toString(), QStringLiteral("ridge"));
        QSignalSpy opened(w->table(), &QTableView::doubleClicked);
        DialogAnswers answers;
        settle();
        QVERIFY(w->table()->visualRect(ridge).isValid());
        QTest::mouseClick(w->table()->viewport(), Qt::LeftButton, {}, w->table()->visualRect(ridge).center());
        QTest::mouseDClick(w->table()->viewport(), Qt::LeftButton, {}, w->table()->visualRect(ridge).center());
        QCOMPARE(opened.count(), 1);
        QCOMPARE(answers.messages, QStringList());
        QCOMPARE(m_f->data()->field(0)->text(), QStringLiteral("30.0"));
        QCOMPARE(m_f->data()->field(1)->text(), QStringLiteral("40.0"));
        QCOMPARE(m_f->main().units().unitName(), QStringLiteral("ridge"));

        // A batch CSV row opens as the unit its cells make, its most likely
        // value and shape too.
        QFile csv(m_dir.filePath(QStringLiteral("rows.csv")));
        QVERIFY(csv.open(QIODevice::WriteOnly));
        csv.write("name,harvest-volume,pattern,shape\nflat,11:12:13,fan,pert\n");
        csv.close();
        QVERIFY(w->openPaths({csv.fileName()}));
        QVERIFY(w->openUnitAt(w->table()->model()->index(0, 0)));
        QCOMPARE(m_f->data()->field(0)->text(), QStringLiteral("11.0"));
        QCOMPARE(m_f->data()->field(1)->text(), QStringLiteral("13.0"));
        QCOMPARE(m_f->main().units().unitName(), QStringLiteral("flat"));
        const VariableBelief belief = m_f->main().units().currentUnit().beliefs.variables[0];
        QCOMPARE(belief.mode, 12.0);
        QCOMPARE(belief.shape, BeliefShape::Pert);
    }
};

QUORVALE_GUI_TEST_MAIN(FrmUnitsOverviewTest)
#include "FrmUnitsOverviewTest.moc"
