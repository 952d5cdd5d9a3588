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

QString fieldText(QWidget& window, const char* name) {
    auto* field = namedChild<QLineEdit>(window, name);
    return field ? field->text() : QString();
}
namespace {

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
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, settingsDir().path());
}

QString settingsFile() { return SettingsStore::open()->fileName(); }

void clearSettings() {
    std::unique_ptr<QSettings> store = SettingsStore::open();
    store->clear();
    store->sync();
    QFile::remove(store->fileName());
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

QAction* MainWindowFixture::action(const QString& name) const {
    auto* a = m_main->findChild<QAction*>(name);
    if (!a) {
        qWarning("no action %s", qPrintable(name));
    }
    return a;
}

void MainWindowFixture::trigger(const QString& name) {
    if (QAction* a = action(name)) {
        a->trigger();
    }
}

bool MainWindowFixture::isChecked(const QString& name) const {
    QAction* a = action(name);
    return a && a->isChecked();
}

QWidget* MainWindowFixture::window(WindowId id) const { return m_main->windows().window(id); }

FrmData* MainWindowFixture::data() const { return qobject_cast<FrmData*>(window(WindowId::FrmData)); }

FrmStats* MainWindowFixture::simulator() const { return qobject_cast<FrmStats*>(window(WindowId::FrmStats)); }

QString MainWindowFixture::simulatorText(const char* name) const {
    FrmStats* window = simulator();
    QWidget* control = window ? window->findChild<QWidget*>(QString::fromLatin1(name)) : nullptr;
    if (auto* field = qobject_cast<QLineEdit*>(control)) {
        return field->text();
    }
    if (auto* label = qobject_cast<QLabel*>(control)) {
        return label->text();
    }
    qWarning("no Simulator field %s", name);
    return {};
}

SingleChartWindow* MainWindowFixture::chartWindow(WindowId id) const {
    return qobject_cast<SingleChartWindow*>(window(id));
}

DataGridChart* MainWindowFixture::chart(WindowId id) const {
    SingleChartWindow* w = chartWindow(id);
    return w ? w->chart() : nullptr;
}

QMdiSubWindow* MainWindowFixture::frame(WindowId id) const { return m_main->windows().frame(id); }

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
}

DialogAnswers::~DialogAnswers() {
    DialogHooks::setSaveFileName({});
    DialogHooks::setOpenFileName({});
    DialogHooks::setMessage({});
    DialogHooks::setQuestion({});
}

}  // namespace quorvale::testing
