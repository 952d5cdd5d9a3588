#include "GuiTestSupport.h"

#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>

#include "base/gui/SettingsStore.h"
#include "charts/gui/DataGridChart.h"
#include "charts/gui/SingleChartWindow.h"
#include "inputs/gui/FrmData.h"
#include "simulator/gui/FrmStats.h"
#include "base/gui/DialogHooks.h"
#include "app/gui/WindowPlacement.h"
#include "base/gui/WindowRegistry.h"

namespace quorvale::testing {

void failMissing(const char* kind, const QString& name, Where where) {
    const QByteArray message = QStringLiteral("no %1 named %2").arg(QLatin1String(kind), name).toUtf8();
    QTest::qFail(message.constData(), where.file_name(), static_cast<int>(where.line()));
}

QString fieldText(QWidget& window, const char* name, Where where) {
    auto* field = namedChild<QLineEdit>(window, name, where);
    return field ? field->text() : QString();
}

namespace {

// The open window of `id` as a T; a closed one fails the test.
template <class T>
T* openWindow(FrmMain& main, WindowId id, Where where) {
    auto* window = qobject_cast<T*>(main.windows().window(id));
    if (window == nullptr) {
        failMissing("open window", QString::fromLatin1(windowName(id)), where);
    }
    return window;
}

QTemporaryDir& settingsDir() {
    static QTemporaryDir dir;
    return dir;
}

}  // namespace

void prepareEnvironment() {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QStandardPaths::setTestModeEnabled(true);
    SettingsStore::setFolder(settingsDir().path());
}

QString settingsFile() { return SettingsStore::fileName(); }

void clearSettings() {
    std::unique_ptr<QSettings> store = SettingsStore::open();
    store->clear();
    store->sync();
    QFile::remove(store->fileName());
    QFile::remove(settingsFile());
}

void settle() {
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents();
}

MainWindowFixture::MainWindowFixture(bool keepSettings) {
    if (!keepSettings) {
        clearSettings();
    }
    m_main = std::make_unique<FrmMain>();
    m_main->load();
    m_main->showMaximized();
    // Keyboard focus needs an active window; on a real display without a
    // window manager nobody else activates it.
    m_main->activateWindow();
    if (!QTest::qWaitForWindowActive(m_main.get(), 2000)) {
        qWarning("the main window did not become active");
    }
    settle();
}

MainWindowFixture::~MainWindowFixture() {
    m_main.reset();
    settle();
}

FrmMain* MainWindowFixture::release() { return m_main.release(); }

QAction* MainWindowFixture::action(const QString& name, Where where) const {
    auto* a = m_main->findChild<QAction*>(name);
    if (a == nullptr) {
        failMissing("action", name, where);
        // A fresh one each time: nothing a test did to the last carries over.
        m_missingAction = std::make_unique<QAction>();
        return m_missingAction.get();
    }
    return a;
}

void MainWindowFixture::trigger(const QString& name, Where where) { action(name, where)->trigger(); }

bool MainWindowFixture::isChecked(const QString& name, Where where) const { return action(name, where)->isChecked(); }

QWidget* MainWindowFixture::window(WindowId id) const { return m_main->windows().window(id); }

FrmData* MainWindowFixture::data(Where where) const { return openWindow<FrmData>(*m_main, WindowId::FrmData, where); }

FrmStats* MainWindowFixture::simulator(Where where) const {
    return openWindow<FrmStats>(*m_main, WindowId::FrmStats, where);
}

QString MainWindowFixture::simulatorText(const char* name, Where where) const {
    FrmStats* window = simulator(where);
    QWidget* control = window ? window->findChild<QWidget*>(QString::fromLatin1(name)) : nullptr;
    if (auto* field = qobject_cast<QLineEdit*>(control)) {
        return field->text();
    }
    if (auto* label = qobject_cast<QLabel*>(control)) {
        return label->text();
    }
    if (window != nullptr) {
        failMissing("Simulator field", QString::fromLatin1(name), where);
    }
    return {};
}

SingleChartWindow* MainWindowFixture::chartWindow(WindowId id, Where where) const {
    return openWindow<SingleChartWindow>(*m_main, id, where);
}

DataGridChart* MainWindowFixture::chart(WindowId id, Where where) const {
    SingleChartWindow* w = chartWindow(id, where);
    return w ? w->chart() : nullptr;
}

QMdiSubWindow* MainWindowFixture::frame(WindowId id, Where where) const {
    QMdiSubWindow* frame = m_main->windows().frame(id);
    if (frame == nullptr) {
        failMissing("open window", QString::fromLatin1(windowName(id)), where);
    }
    return frame;
}

void checkChartFillsItsWindow(SingleChartWindow& window, QMdiSubWindow& frame) {
    for (const QSize size : {QSize(640, 420), QSize(200, 120), QSize(900, 300)}) {
        frame.resize(size);
        QTRY_COMPARE(window.chart()->geometry(), window.rect());
    }
    frame.showMinimized();
    QTRY_VERIFY(frame.isMinimized());
    frame.showNormal();
    QTRY_COMPARE(window.chart()->geometry(), window.rect());
    QVERIFY(window.rect().width() > 100);
}

YieldWatch::YieldWatch(std::function<void()> check) {
    QObject::connect(&m_timer, &QTimer::timeout, std::move(check));
    m_timer.start(0);
}

DialogAnswers::DialogAnswers() {
    DialogHooks::setSaveFileName([this](QWidget*, const QString& caption, const QString& suggested, const QString&) {
        saveCaptions.append(caption);
        suggestedNames.append(suggested);
        return saveAs;
    });
    DialogHooks::setOpenFileName([this](QWidget*, const QString& caption, const QString&, const QString&) {
        openCaptions.append(caption);
        return openAs;
    });
    DialogHooks::setMessage([this](QWidget*, const QString& text) { messages.append(text); });
    DialogHooks::setQuestion([this](QWidget*, const QString& text) {
        questions.append(text);
        return answerYes;
    });
    DialogHooks::setModal([this](QDialog& dialog) {
        modals.append(dialog.objectName());
        if (modal) {
            modal(dialog);
        } else {
            dialog.close();
        }
    });
    DialogHooks::setExit([this](int code) { exits.append(code); });
}

DialogAnswers::~DialogAnswers() {
    DialogHooks::setSaveFileName({});
    DialogHooks::setOpenFileName({});
    DialogHooks::setMessage({});
    DialogHooks::setQuestion({});
    DialogHooks::setModal({});
    DialogHooks::setExit({});
}

}  // namespace quorvale::testing
