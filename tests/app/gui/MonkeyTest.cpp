// A seeded monkey on the real main window: a few thousand random actions
// (menu items, odd texts in the entry fields, spins, the corridor pattern,
// "Go", "Pause 5 Sec." and "End", closing windows, arrangements, resizes),
// each followed by the checks that must always hold: no field shows "nan" or
// "inf", the Variables window takes edits whenever no run is on, and the
// event loop keeps turning (within 200 ms of the thread's processor time,
// a pause aside).
//
// The actions come from the event loop, so they also arrive in the middle of
// a run or a pause, as the user's do. The seed fixes the actions; where a
// run stands when each arrives depends on the clock. The seed is printed;
// QUORVALE_MONKEY_SEED replays a run, QUORVALE_MONKEY_ACTIONS sets its length.

#include <QAbstractButton>
#include <QApplication>
#include <QDialog>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QHash>
#include <QSet>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QToolButton>
#include <algorithm>
#include <cmath>
#include <ctime>
#include <deque>

#include "GuiTestSupport.h"
#include "base/gui/WindowRegistry.h"
#include "inputs/gui/EntryField.h"
#include "inputs/gui/FrmData.h"
#include "inputs/gui/SpinButton.h"
#include "simulator/gui/FrmStats.h"

using namespace quorvale;
using namespace quorvale::testing;

namespace {

constexpr quint32 kDefaultSeed = 20261207;
constexpr int kDefaultActions = 3000;
constexpr qint64 kMaxTurnMs = 200;
constexpr qint64 kPauseAllowanceMs = FrmStats::kPauseMs + 500;

// Texts a user may type or paste, or that a program may have written.
const QStringList kOddTexts{
    QString(),
    QStringLiteral("0"),
    QStringLiteral("-1"),
    QStringLiteral("1e400"),
    QStringLiteral("-1e400"),
    QStringLiteral("1e-400"),
    QStringLiteral("5,5e-400"),
    QStringLiteral("1.5e308"),
    QStringLiteral("12,5 %"),
    QStringLiteral("0,3,0001"),
    QStringLiteral(",5/"),
    QStringLiteral("7,5 t"),
    QStringLiteral("abc"),
    QStringLiteral(" 7 "),
    QStringLiteral("1,500.25"),
    QStringLiteral("0.0000001"),
    QStringLiteral("99999999999"),
    QString(400, QLatin1Char('9')),
    QStringLiteral("\u00e9\u4e2d\U0001F332"),
    QStringLiteral("1e"),
    QStringLiteral("--5"),
    QStringLiteral("0x1p9999"),
    QStringLiteral("3.7"),
};

bool showsNanOrInf(const QString& text) {
    static const QRegularExpression word(QStringLiteral("\\b(nan|inf|infinity)\\b"),
                                         QRegularExpression::CaseInsensitiveOption);
    return word.match(text).hasMatch();
}

// Milliseconds of processor time this thread has used. The turns of the
// event loop are measured in it, so that other programs on a busy machine
// do not count as the window standing still.
qint64 threadMs() {
    timespec t{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return static_cast<qint64>(t.tv_sec) * 1000 + t.tv_nsec / 1000000;
}

quint32 envNumber(const char* name, quint32 fallback) {
    bool ok = false;
    const quint32 value = qEnvironmentVariable(name).toUInt(&ok);
    return ok ? value : fallback;
}

// Counts the events each object receives between two actions, so that a
// turn of the event loop that takes too long names what kept it busy (a
// layout answering its own relayout shows as one object's thousands).
class EventTally : public QObject {
public:
    EventTally() { qApp->installEventFilter(this); }
    bool eventFilter(QObject* watched, QEvent*) override {
        ++m_counts[watched];
        return false;
    }
    void reset() { m_counts.clear(); }
    QString busiest() const {
        QList<std::pair<int, QObject*>> ranked;
        for (auto it = m_counts.begin(); it != m_counts.end(); ++it) {
            ranked.append({it.value(), it.key()});
        }
        std::sort(ranked.begin(), ranked.end(), [](const auto& a, const auto& b) { return a.first > b.first; });
        // An object counted may be gone since: only the widgets that still
        // live are looked into, matched by address.
        QSet<QObject*> widgets;
        for (QWidget* w : QApplication::allWidgets()) {
            widgets.insert(w);
        }
        QStringList out;
        for (qsizetype i = 0; i < std::min<qsizetype>(3, ranked.size()); ++i) {
            QObject* o = ranked[i].second;
            out << QStringLiteral("%1 events to %2")
                       .arg(ranked[i].first)
                       .arg(widgets.contains(o)
                                ? QStringLiteral("%1 \"%2\"").arg(o->metaObject()->className(), o->objectName())
                                : QStringLiteral("an object that is no widget, or is gone"));
        }
        return out.join(QStringLiteral(", "));
    }

private:
    QHash<QObject*, int> m_counts;
};

}  // namespace

class MonkeyTest : public QObject {
    Q_OBJECT

    std::unique_ptr<MainWindowFixture> m_f;
    QRandomGenerator m_random;
    std::deque<QString> m_recent;  // the last actions, for a failure's report
    QString m_failure;
    int m_done = 0;
    int m_actions = 0;
    qint64 m_pauseUntil = -1;
    qint64 m_lastTurn = 0;
    qint64 m_lastTurnCpu = 0;
    qint64 m_longestTurn = 0;
    qint64 m_longestAction = 0;
    qint64 m_longestRunTurn = 0;
    bool m_wasRunning = false;
    QElapsedTimer m_clock;
    QEventLoop* m_loop = nullptr;
    EventTally m_tally;

    int pick(int n) { return static_cast<int>(m_random.bounded(static_cast<quint32>(n))); }

    void note(const QString& action) {
        m_recent.push_back(QStringLiteral("#%1 %2").arg(m_done).arg(action));
        if (m_recent.size() > 25) {
            m_recent.pop_front();
        }
    }

    void fail(const QString& what) {
        if (m_failure.isEmpty()) {
            m_failure =
                what + QStringLiteral("\nlast actions:\n") + QStringList(m_recent.begin(), m_recent.end()).join('\n');
        }
        finish();
    }

    void finish() {
        if (FrmStats* sim = qobject_cast<FrmStats*>(m_f->window(WindowId::FrmStats))) {
            sim->requestStop();
        }
        if (m_loop) {
            m_loop->quit();
        }
    }

    // "Go" and "Pause 5 Sec." are clicked through the event queue, so that
    // the run or the pause holds the event loop below this action and the
    // next actions arrive during it; other buttons are clicked at once.
    void click(QAbstractButton* b, bool queued = false) {
        if (b && b->isVisible() && b->isEnabled()) {
            if (queued) {
                QMetaObject::invokeMethod(b, &QAbstractButton::click, Qt::QueuedConnection);
            } else {
                b->click();
            }
        }
    }

    QList<QAction*> menuItems() const {
        QList<QAction*> items;
        std::function<void(QMenu*)> walk = [&](QMenu* menu) {
            for (QAction* a : menu->actions()) {
                if (a->menu()) {
                    walk(a->menu());
                } else if (!a->isSeparator() && a->isEnabled() && a->objectName() != QLatin1String("mnuFileExit")) {
                    items.append(a);
                }
            }
        };
        for (QAction* top : m_f->main().menuBar()->actions()) {
            if (top->menu()) {
                walk(top->menu());
            }
        }
        return items;
    }

    void editField(FrmData& data) {
        EntryField* field = data.field(pick(kEntryCount));
        if (!field->isVisible() || !field->isEnabled()) {
            return;
        }
        QString text = kOddTexts.at(pick(kOddTexts.size()));
        if (pick(3) == 0) {
            text = QString::number(m_random.generateDouble() * std::pow(10.0, pick(12) - 4), 'g', 1 + pick(17));
        }
        note(QStringLiteral("type \"%1\" into %2").arg(text.left(40), field->objectName()));
        field->setFocus();
        field->selectAll();
        const bool typable = std::all_of(text.begin(), text.end(), [](QChar c) { return c.unicode() < 128; });
        if (text.size() > 40 || !typable) {
            field->insert(text);  // a paste
        } else {
            QTest::keyClicks(field, text);
        }
        QTest::keyClick(field, pick(2) ? Qt::Key_Tab : Qt::Key_Return);
    }

    void act() {
        FrmMain& main = m_f->main();
        FrmData* data = qobject_cast<FrmData*>(m_f->window(WindowId::FrmData));
        FrmStats* sim = qobject_cast<FrmStats*>(m_f->window(WindowId::FrmStats));
        switch (pick(12)) {
            case 0:
            case 1:
            case 2: {
                const QList<QAction*> items = menuItems();
                QAction* a = items.at(pick(items.size()));
                note(QStringLiteral("menu %1").arg(a->objectName()));
                a->trigger();
                break;
            }
            case 3:
            case 4:
                if (data && data->isEnabled()) {
                    editField(*data);
                }
                break;
            case 5:
                if (data && data->isEnabled()) {
                    SpinButton* spin = data->spin(pick(kEntryCount));
                    note(QStringLiteral("spin %1").arg(spin->objectName()));
                    click(pick(2) ? spin->upButton() : spin->downButton());
                }
                break;
            case 6:
                if (data && data->isEnabled()) {
                    note(QStringLiteral("pattern"));
                    click(pick(2) ? data->option1() : data->option2());
                }
                break;
            case 7:
            case 8:
                if (sim) {
                    const char* names[] = {"Command3", "Command2", "Command1"};  // Go, Pause, End
                    const int which = pick(3);
                    if (which == 1 && m_clock.elapsed() < m_pauseUntil) {
                        break;  // one pause at a time, or they would nest without end
                    }
                    auto* b = sim->findChild<QPushButton*>(QString::fromLatin1(names[which]));
                    note(QStringLiteral("click %1").arg(QString::fromLatin1(names[which])));
                    if (which == 1 && b && b->isVisible() && b->isEnabled()) {
                        m_pauseUntil = m_clock.elapsed() + kPauseAllowanceMs;
                    }
                    click(b, which != 2);
                }
                break;
            case 9: {
                const QList<QMdiSubWindow*> frames = main.mdiArea()->subWindowList();
                if (!frames.isEmpty()) {
                    QMdiSubWindow* frame = frames.at(pick(frames.size()));
                    note(QStringLiteral("close %1").arg(frame->widget() ? frame->widget()->objectName() : QString()));
                    frame->close();
                }
                break;
            }
            case 10: {
                const QList<QMdiSubWindow*> frames = main.mdiArea()->subWindowList();
                if (!frames.isEmpty()) {
                    QMdiSubWindow* frame = frames.at(pick(frames.size()));
                    const QSize size(pick(900), pick(700));
                    note(QStringLiteral("resize %1 to %2x%3")
                             .arg(frame->widget() ? frame->widget()->objectName() : QString())
                             .arg(size.width())
                             .arg(size.height()));
                    frame->resize(size);
                }
                break;
            }
            case 11:
                switch (pick(4)) {
                    case 0:
                        note(QStringLiteral("main window normal"));
                        main.showNormal();
                        main.resize(200 + pick(1000), 150 + pick(800));
                        break;
                    case 1:
                        note(QStringLiteral("main window maximized"));
                        main.showMaximized();
                        break;
                    case 2:
                        note(QStringLiteral("main window minimized"));
                        main.showMinimized();
                        break;
                    default:
                        note(QStringLiteral("main window restored"));
                        main.showNormal();
                        break;
                }
                break;
        }
    }

    void check() {
        QList<QWidget*> widgets = m_f->main().findChildren<QWidget*>();
        for (QWidget* w : widgets) {
            QString text;
            if (auto* edit = qobject_cast<QLineEdit*>(w)) {
                text = edit->text();
            } else if (auto* label = qobject_cast<QLabel*>(w)) {
                text = label->text();
            } else {
                continue;
            }
            if (showsNanOrInf(text)) {
                fail(QStringLiteral("%1 shows \"%2\"").arg(w->objectName(), text));
                return;
            }
        }
        FrmStats* sim = qobject_cast<FrmStats*>(m_f->window(WindowId::FrmStats));
        FrmData* data = qobject_cast<FrmData*>(m_f->window(WindowId::FrmData));
        if (data && !(sim && sim->isBusy()) && !data->isEnabled()) {
            fail(QStringLiteral("the Variables window is disabled with no run on"));
        }
    }

    void tick() {
        const qint64 now = m_clock.elapsed();
        const qint64 cpu = threadMs();
        const qint64 turn = cpu - m_lastTurnCpu;
        const bool paused = now < m_pauseUntil || m_lastTurn < m_pauseUntil;
        FrmStats* sim = qobject_cast<FrmStats*>(m_f->window(WindowId::FrmStats));
        const bool running = sim && sim->isRunning();
        if (!paused) {
            qint64& longest = running && m_wasRunning ? m_longestRunTurn : m_longestTurn;
            longest = std::max(longest, turn);
            if (turn > kMaxTurnMs) {
                fail(QStringLiteral("the event loop did not turn for %1 ms of processor time; busiest: %2")
                         .arg(turn)
                         .arg(m_tally.busiest()));
                return;
            }
        }
        m_wasRunning = running;
        if (m_done >= m_actions || !m_failure.isEmpty()) {
            finish();
            return;
        }
        ++m_done;
        act();
        check();
        // The wait measured is the event loop's own: a run's yields, a pause,
        // the repaints. What an action does at once (an analysis, a chart
        // opened) is the handler's time, not a loop that stopped turning.
        m_lastTurn = m_clock.elapsed();
        m_lastTurnCpu = threadMs();
        m_tally.reset();
        m_longestAction = std::max(m_longestAction, m_lastTurnCpu - cpu);
    }

private slots:
    void init() { m_f = std::make_unique<MainWindowFixture>(); }

    void cleanup() { m_f.reset(); }

    void randomActionsLeaveTheWindowsSound() {
        const quint32 seed = envNumber("QUORVALE_MONKEY_SEED", kDefaultSeed);
        m_actions = static_cast<int>(envNumber("QUORVALE_MONKEY_ACTIONS", kDefaultActions));
        qInfo("monkey seed %u, %d actions (replay with QUORVALE_MONKEY_SEED=%u)", seed, m_actions, seed);
        m_random.seed(seed);
        m_f->main().setRunSeed(seed);
        DialogAnswers answers;  // message boxes and file dialogs answer at once
        // The About box: shown, the events of a moment, then its OK.
        answers.modal = [](QDialog& box) {
            QTest::qWait(5);
            box.close();
        };

        // Any other modal dialog is dismissed as soon as it shows.
        QTimer dismiss;
        connect(&dismiss, &QTimer::timeout, this, [] {
            if (auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget())) {
                dialog->reject();
            }
        });
        dismiss.start(50);

        QEventLoop loop;
        m_loop = &loop;
        QTimer ticker;
        connect(&ticker, &QTimer::timeout, this, &MonkeyTest::tick);
        m_clock.start();
        m_lastTurnCpu = threadMs();
        ticker.start(0);
        loop.exec();
        ticker.stop();
        m_loop = nullptr;
        if (FrmStats* sim = qobject_cast<FrmStats*>(m_f->window(WindowId::FrmStats))) {
            QTRY_VERIFY_WITH_TIMEOUT(!sim->isBusy(), 10000);
        }
        qInfo(
            "%d actions in %lld ms; longest turn of the event loop %lld ms during runs, %lld ms otherwise; "
            "longest action %lld ms",
            m_done, m_clock.elapsed(), m_longestRunTurn, m_longestTurn, m_longestAction);
        QVERIFY2(m_failure.isEmpty(), qPrintable(QStringLiteral("seed %1: ").arg(seed) + m_failure));
        QCOMPARE(m_done, m_actions);
    }
};

QUORVALE_GUI_TEST_MAIN(MonkeyTest)
#include "MonkeyTest.moc"
