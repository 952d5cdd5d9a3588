// The main window: its frame, status bar, the File, Window and Help menus,
// the window arrangements and list, the load order and the window registry.

#include <QDate>
#include <QLabel>
#include <QLocale>
#include <QMdiArea>
#include <QMenu>
#include <QMenuBar>
#include <QPointer>
#include <QSignalSpy>
#include <QStatusBar>
#include <QTime>

#include "GuiTestSupport.h"
#include "charts/gui/StaticChartWindow.h"
#include "inputs/gui/FrmData.h"
#include "about/gui/FrmAbout.h"
#include "app/gui/ShellMenus.h"
#include "base/gui/WindowRegistry.h"

using namespace quorvale;
using namespace quorvale::testing;

class MainWindowTest : public QObject {
    Q_OBJECT

    std::unique_ptr<MainWindowFixture> m_f;

    QList<QMdiSubWindow*> shownFrames() const {
        QList<QMdiSubWindow*> out;
        for (QMdiSubWindow* w : m_f->main().mdiArea()->subWindowList()) {
            if (!w->isHidden() && !w->isMinimized()) {
                out.append(w);
            }
        }
        return out;
    }
    void openAllCharts() {
        for (const char* item : {"MnuTotalCost", "MnuMbfDay", "MnuTotalDays", "MnuRoadDensity", "MnuAyd"}) {
            m_f->trigger(QString::fromLatin1(item));
        }
    }
    static bool isFixed(const QMdiSubWindow* w) { return w->widget()->minimumSize() == w->widget()->maximumSize(); }

private slots:
    void init() { m_f = std::make_unique<MainWindowFixture>(); }
    void cleanup() { m_f.reset(); }

    void theMainWindowOpensMaximizedWithItsCaptionAndStatusBar() {
        FrmMain& main = m_f->main();
        QCOMPARE(main.objectName(), QStringLiteral("frmMain"));
        QCOMPARE(main.windowTitle(), QStringLiteral("Quorvale_2000  1.0_Beta"));
        QVERIFY(main.isMaximized());
        QCOMPARE(main.centralWidget(), main.mdiArea());
        QStatusBar* bar = m_f->find<QStatusBar>(QStringLiteral("sbStatusBar"));
        QVERIFY(bar);
        auto* status = m_f->find<QLabel>(QStringLiteral("sbStatusBarPanel1"));
        QCOMPARE(status->text(), QStringLiteral("Status"));
        QCOMPARE(status->width(), 175);  // 2619 twips
        const QLocale locale;
        QTRY_COMPARE(m_f->find<QLabel>(QStringLiteral("sbStatusBarPanel2"))->text(),
                     locale.toString(QDate::currentDate(), QLocale::ShortFormat));
        QTRY_COMPARE(m_f->find<QLabel>(QStringLiteral("sbStatusBarPanel3"))->text(),
                     locale.toString(QTime::currentTime(), QLocale::ShortFormat));
    }

    void theFileMenuHasItsItemsMostlyDisabled() {
        auto* file = m_f->find<QMenu>(QStringLiteral("mnuFile"));
        QCOMPARE(file->title(), QStringLiteral("&File"));
        struct Item {
            const char* name;
            const char* caption;
            bool enabled;
            bool visible;
        };
        const QList<Item> expected{
            {"mnuFileNew", "&New", false, true},
            {"mnuFileOpen", "&Open...", false, true},
            {"mnuFileClose", "&Close", false, true},
            {"mnuFileBar0", "", true, true},
            {"mnuFileSave", "&Save", false, true},
            {"mnuFileSaveAs", "Save &As...", false, true},
            {"mnuFileSaveAll", "Save A&ll", false, true},
            {"mnuFileBar1", "", true, true},
            {"mnuFileProperties", "Propert&ies", false, true},
            {"mnuFileBar2", "", true, true},
            {"mnuFilePageSetup", "Page Set&up...", false, true},
            {"mnuFilePrintPreview", "Print Pre&view", false, true},
            {"mnuFilePrint", "&Print...", false, true},
            {"mnuFileBar3", "", true, true},
            {"mnuFileSend", "Sen&d...", false, true},
            {"mnuFileBar4", "", true, true},
            {"mnuFileMRU_1", "", true, false},
            {"mnuFileMRU_2", "", true, false},
            {"mnuFileMRU_3", "", true, false},
            {"mnuFileBar5", "", true, false},
            {"mnuFileExit", "E&xit", true, true},
        };
        const QList<QAction*> actions = file->actions();
        QCOMPARE(actions.size(), expected.size());
        for (int i = 0; i < actions.size(); ++i) {
            QCOMPARE(actions[i]->objectName(), QString::fromLatin1(expected[i].name));
            QCOMPARE(actions[i]->text(), QString::fromLatin1(expected[i].caption));
            QCOMPARE(actions[i]->isVisible(), expected[i].visible);
            if (expected[i].visible) {
                QCOMPARE(actions[i]->isEnabled(), expected[i].enabled);
            }
            QCOMPARE(actions[i]->isSeparator(), QByteArray(expected[i].name).contains("Bar"));
        }
    }

    void ctrlNAndCtrlODoNothing() {
        QAction* fileNew = m_f->action(QStringLiteral("mnuFileNew"));
        QAction* fileOpen = m_f->action(QStringLiteral("mnuFileOpen"));
        QCOMPARE(fileNew->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_N));
        QCOMPARE(fileOpen->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_O));
        QSignalSpy newSpy(fileNew, &QAction::triggered);
        QSignalSpy openSpy(fileOpen, &QAction::triggered);
        const int windows = static_cast<int>(m_f->main().mdiArea()->subWindowList().size());
        const int runs = m_f->main().analysisRuns();
        QTest::keyClick(&m_f->main(), Qt::Key_N, Qt::ControlModifier);
        QTest::keyClick(&m_f->main(), Qt::Key_O, Qt::ControlModifier);
        QCOMPARE(newSpy.count(), 0);
        QCOMPARE(openSpy.count(), 0);
        QCOMPARE(m_f->main().mdiArea()->subWindowList().size(), windows);
        QCOMPARE(m_f->main().analysisRuns(), runs);
        QVERIFY(m_f->main().isVisible());
    }

    void exitClosesTheMainWindowAndEveryChild() {
        m_f->trigger(QStringLiteral("MnuTotalCost"));
        QVERIFY(m_f->isChecked(QStringLiteral("MnuTotalCost")));
        m_f->trigger(QStringLiteral("mnuFileExit"));
        QVERIFY(!m_f->main().isVisible());
        QVERIFY(!m_f->window(WindowId::FrmData));
        QVERIFY(!m_f->window(WindowId::FrmGraph));
        QVERIFY(!m_f->isChecked(QStringLiteral("MnuTotalCost")));
    }

    void theToolsMenuSitsBetweenShowResultsAndWindow() {
        QStringList titles;
        for (QAction* a : m_f->main().menuBar()->actions()) {
            titles.append(a->menu() ? a->menu()->objectName() : QString());
        }
        const auto tools = titles.indexOf(QStringLiteral("mnuTools"));
        QVERIFY(tools > 0);
        QCOMPARE(titles.at(tools + 1), QStringLiteral("mnuWindow"));
        QCOMPARE(m_f->main().menuBar()->actions().at(tools - 1)->menu()->title(), QStringLiteral("Show Results"));
    }

    void theWindowAndHelpMenusHaveTheirItems() {
        QStringList window;
        for (QAction* a : m_f->find<QMenu>(QStringLiteral("mnuWindow"))->actions()) {
            window.append(a->objectName() + QLatin1Char('=') + a->text());
        }
        QCOMPARE(window.mid(0, 5),
                 (QStringList{"mnuWindowBar0=", "mnuWindowCascade=&Cascade", "mnuWindowTileHorizontal=Tile &Horizontal",
                              "mnuWindowTileVertical=Tile &Vertical", "mnuWindowArrangeIcons=&Arrange Icons"}));
        QCOMPARE(m_f->find<QMenu>(QStringLiteral("mnuHelp"))->title(), QStringLiteral("&Help"));
        QVERIFY(!m_f->action(QStringLiteral("mnuHelpContents"))->isEnabled());
        QCOMPARE(m_f->action(QStringLiteral("mnuHelpSearchForHelpOn"))->text(),
                 QStringLiteral("&Search For Help On..."));
        QVERIFY(!m_f->action(QStringLiteral("mnuHelpSearchForHelpOn"))->isEnabled());
        QVERIFY(m_f->action(QStringLiteral("mnuHelpBar0"))->isSeparator());
        QAction* about = m_f->action(QStringLiteral("mnuHelpAbout"));
        QCOMPARE(about->text(), QStringLiteral("&About "));
        QVERIFY(about->isEnabled());
    }

    void helpAboutOpensTheModalBoxOverTheMainWindowAndEscClosesIt() {
        QWidget* owner = nullptr;
        bool modal = false;
        bool shown = false;
        bool closedByEsc = false;
        QString caption;
        DialogAnswers answers;
        answers.modal = [&](QDialog& box) {
            owner = box.parentWidget();
            modal = box.isModal() && box.windowModality() == Qt::ApplicationModal;
            shown = box.isVisible();
            caption = box.windowTitle();
            QTest::keyClick(&box, Qt::Key_Escape);
            closedByEsc = !box.isVisible() && box.result() == QDialog::Accepted;
        };
        m_f->trigger(QStringLiteral("mnuHelpAbout"));
        QCOMPARE(answers.modals, QStringList{"frmAbout"});
        QCOMPARE(owner, &m_f->main());
        QVERIFY(modal);
        QVERIFY(shown);
        QCOMPARE(caption, QStringLiteral("About Quorvale_2000 !.0_Beta"));
        QVERIFY(closedByEsc);
        settle();
        QCOMPARE(m_f->main().findChild<FrmAbout*>(), nullptr);
    }

    void theWindowListNamesOpenWindowsAndActivatesTheChosenOne() {
        m_f->trigger(QStringLiteral("MnuTotalCost"));
        m_f->trigger(QStringLiteral("MnuMbfDay"));
        ShellMenus& menus = m_f->main().shellMenus();
        emit m_f->find<QMenu>(QStringLiteral("mnuWindow"))->aboutToShow();
        QStringList listed;
        for (QAction* a : menus.windowListActions()) {
            if (!a->isSeparator()) {
                listed.append(a->text());
            }
        }
        // The hidden simulation chart is not listed.
        const QString costTitle = m_f->window(WindowId::FrmGraph)->windowTitle();
        QCOMPARE(listed, (QStringList{"&1 Variables", "&2 Simulator", QStringLiteral("&3 ") + costTitle,
                                      "&4 Production (mbf/day) vs EYD (stat)"}));
        QVERIFY(menus.windowListActions().last()->isChecked());  // the active one
        m_f->frame(WindowId::FrmData)->showMinimized();
        m_f->action(QStringLiteral("mnuWindowList_1"))->trigger();
        QCOMPARE(m_f->main().mdiArea()->activeSubWindow(), m_f->frame(WindowId::FrmData));
        QVERIFY(!m_f->frame(WindowId::FrmData)->isMinimized());
        // A closed window leaves the list.
        m_f->main().windows().close(WindowId::FrmGraph);
        emit m_f->find<QMenu>(QStringLiteral("mnuWindow"))->aboutToShow();
        QCOMPARE(menus.windowListActions().size(), 4);  // separator and three windows
    }

    void tilesStackOrSideBySideWithinTheArea() {
        // On a screen where five charts in one line each have room to read.
        m_f->main().showNormal();
        m_f->main().setGeometry(0, 0, 1600, 1000);
        openAllCharts();
        // The Variables and Simulator windows wait as icons; the five charts
        // tile, and the hidden simulation chart takes no part.
        m_f->frame(WindowId::FrmData)->showMinimized();
        m_f->frame(WindowId::FrmStats)->showMinimized();
        m_f->trigger(QStringLiteral("mnuWindowArrangeIcons"));
        const QRect icon = m_f->frame(WindowId::FrmData)->geometry();
        QCOMPARE(m_f->frame(WindowId::FrmStats)->y(), icon.y());
        QRect area = m_f->main().mdiArea()->viewport()->rect();
        area.setBottom(icon.top() - 1);
        m_f->trigger(QStringLiteral("mnuWindowTileHorizontal"));
        QVERIFY(m_f->frame(WindowId::FrmGraphStats)->isHidden());
        QList<QMdiSubWindow*> frames = shownFrames();
        QCOMPARE(frames.size(), 5);
        std::sort(frames.begin(), frames.end(), [](auto* a, auto* b) { return a->y() < b->y(); });
        QCOMPARE(frames.first()->y(), area.top());
        QCOMPARE(frames.last()->geometry().bottom(), area.bottom());
        for (int i = 0; i < frames.size(); ++i) {
            QCOMPARE(frames[i]->x(), area.left());
            QCOMPARE(frames[i]->width(), area.width());
            if (i > 0) {
                QCOMPARE(frames[i]->y(), frames[i - 1]->geometry().bottom() + 1);
            }
        }
        m_f->trigger(QStringLiteral("mnuWindowTileVertical"));
        frames = shownFrames();
        std::sort(frames.begin(), frames.end(), [](auto* a, auto* b) { return a->x() < b->x(); });
        QCOMPARE(frames.first()->x(), area.left());
        QCOMPARE(frames.last()->geometry().right(), area.right());
        for (int i = 0; i < frames.size(); ++i) {
            QCOMPARE(frames[i]->y(), area.top());
            QCOMPARE(frames[i]->height(), area.height());
            if (i > 0) {
                QCOMPARE(frames[i]->x(), frames[i - 1]->geometry().right() + 1);
            }
        }
        m_f->trigger(QStringLiteral("mnuWindowCascade"));
        QSet<QPoint> corners;
        for (QMdiSubWindow* w : shownFrames()) {
            corners.insert(w->pos());
        }
        QCOMPARE(corners.size(), 5);  // each a step apart
    }

    void tilesMoveTheFixedSizeWindowsButKeepTheirSize() {
        openAllCharts();
        for (WindowId id : {WindowId::FrmData, WindowId::FrmStats}) {
            QMdiSubWindow* fixed = m_f->frame(id);
            QVERIFY(isFixed(fixed));
            const QSize size = fixed->size();
            for (const char* arrangement : {"mnuWindowTileHorizontal", "mnuWindowTileVertical", "mnuWindowCascade"}) {
                m_f->trigger(QString::fromLatin1(arrangement));
                QCOMPARE(fixed->size(), size);
                QCOMPARE(fixed->widget()->size(), fixed->widget()->minimumSize());
            }
        }
    }

    void theSimulatorTilesInLineWithAChart() {
        m_f->trigger(QStringLiteral("MnuTotalCost"));
        m_f->frame(WindowId::FrmData)->showMinimized();
        m_f->trigger(QStringLiteral("mnuWindowArrangeIcons"));
        QRect area = m_f->main().mdiArea()->viewport()->rect();
        area.setBottom(m_f->frame(WindowId::FrmData)->y() - 1);
        QMdiSubWindow* simulator = m_f->frame(WindowId::FrmStats);
        QMdiSubWindow* cost = m_f->frame(WindowId::FrmGraph);
        const QSize simulatorSize = simulator->size();
        for (bool stacked : {true, false}) {
            m_f->trigger(QString::fromLatin1(stacked ? "mnuWindowTileHorizontal" : "mnuWindowTileVertical"));
            QCOMPARE(shownFrames().size(), 2);
            QCOMPARE(simulator->size(), simulatorSize);
            QVERIFY(!simulator->geometry().intersects(cost->geometry()));
            QVERIFY(area.contains(simulator->geometry()));
            QVERIFY(area.contains(cost->geometry()));
            // The chart takes all the room the Simulator window leaves.
            if (stacked) {
                QCOMPARE(cost->width(), area.width());
                QCOMPARE(cost->height() + simulator->height(), area.height());
            } else {
                QCOMPARE(cost->height(), area.height());
                QCOMPARE(cost->width() + simulator->width(), area.width());
            }
        }
    }

    void arrangeIconsLinesMinimizedWindowsUpAlongTheBottom() {
        openAllCharts();
        QMdiSubWindow* cost = m_f->frame(WindowId::FrmGraph);
        QMdiSubWindow* roads = m_f->frame(WindowId::FrmGraphRoad);
        cost->showMinimized();
        roads->showMinimized();
        cost->move(300, 40);
        roads->move(10, 10);
        m_f->trigger(QStringLiteral("mnuWindowArrangeIcons"));
        const QRect area = m_f->main().mdiArea()->viewport()->rect();
        QCOMPARE(cost->geometry().bottom(), area.bottom());
        QCOMPARE(roads->geometry().bottom(), area.bottom());
        QVERIFY(!cost->geometry().intersects(roads->geometry()));
        QCOMPARE(std::min(cost->x(), roads->x()), area.left());
        // The tiles then leave the icon row free.
        m_f->trigger(QStringLiteral("mnuWindowTileHorizontal"));
        for (QMdiSubWindow* w : shownFrames()) {
            if (!isFixed(w)) {
                QVERIFY(!w->geometry().intersects(cost->geometry()));
            }
        }
    }

    void loadChecksLowRangeBeforeTheVariablesWindowThenShowsTheSimulator() {
        m_f.reset();
        clearSettings();
        FrmMain main;
        QStringList events;
        main.windows().setFactory(WindowId::FrmStats, [&main, &events] {
            events.append(QStringLiteral("FrmStats after %1 analyses").arg(main.analysisRuns()));
            return new QWidget;
        });
        QVERIFY(!main.results().isChecked(QStringLiteral("MnuGraphLow")));
        main.load();
        QCOMPARE(main.analysisRuns(), 1);
        QCOMPARE(main.lastSweep().rangeCase, RangeCase::Low);
        QCOMPARE(events, QStringList{"FrmStats after 1 analyses"});
        QCOMPARE(main.mdiArea()->activeSubWindow(), main.windows().frame(WindowId::FrmStats));
        QCOMPARE(main.findChild<QMenu*>(QStringLiteral("mnuFile"))->title(), QStringLiteral("&File"));
    }

    void theRegistryKeepsOneInstanceOfEachWindow() {
        WindowRegistry& windows = m_f->main().windows();
        QWidget* data = windows.load(WindowId::FrmData);
        QCOMPARE(windows.load(WindowId::FrmData), data);
        QCOMPARE(m_f->main().analysisRuns(), 1);  // loading an open window does nothing
        windows.close(WindowId::FrmGraph);        // closing a closed one neither
        QVERIFY(!windows.isLoaded(WindowId::FrmGraph));
        QWidget* hidden = windows.hide(WindowId::FrmGraph);
        QVERIFY(hidden && windows.frame(WindowId::FrmGraph)->isHidden());
        QCOMPARE(windows.load(WindowId::FrmGraph), hidden);
        QVERIFY(windows.frame(WindowId::FrmGraph)->isHidden());  // loading keeps it hidden
        windows.show(WindowId::FrmGraph);
        QVERIFY(!windows.frame(WindowId::FrmGraph)->isHidden());
        QCOMPARE(m_f->main().mdiArea()->activeSubWindow(), windows.frame(WindowId::FrmGraph));
        // A window that closes itself takes its frame along and counts as
        // closed at once.
        QPointer<QMdiSubWindow> frame = windows.frame(WindowId::FrmGraph);
        windows.window(WindowId::FrmGraph)->close();
        QVERIFY(!windows.isLoaded(WindowId::FrmGraph));
        settle();
        QVERIFY(frame.isNull());
        // Windows nobody registered are not made up.
        WindowRegistry bare(m_f->main().mdiArea());
        QCOMPARE(bare.load(WindowId::FrmStats), nullptr);
        QCOMPARE(bare.hide(WindowId::FrmGraphStats), nullptr);
        bare.close(WindowId::FrmStats);
    }
};

QUORVALE_GUI_TEST_MAIN(MainWindowTest)
#include "MainWindowTest.moc"
