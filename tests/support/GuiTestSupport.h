#pragma once
// Shared pieces of the window tests: a main function that defaults to the
// offscreen platform and keeps the settings store in a private folder, a
// fixture that builds a fresh, loaded main window, widget lookup by object
// name, and answers for the program's modal dialogs.

#include <QAction>
#include <QApplication>
#include <QMdiSubWindow>
#include <QString>
#include <QStringList>
#include <QTest>
#include <QTimer>
#include <functional>
#include <memory>

#include "app/gui/FrmMain.h"
#include "base/gui/WindowId.h"

namespace quorvale {
class DataGridChart;
class FrmData;
class FrmStats;
class SingleChartWindow;
}  // namespace quorvale

namespace quorvale::testing {

// A child of a window found by its object name.
template <class T>
T* namedChild(QWidget& window, const char* name) {
    return window.findChild<T*>(QString::fromUtf8(name));
}

// The text of a window's entry field, found by its object name.
QString fieldText(QWidget& window, const char* name);

// Before QApplication: offscreen unless a platform is chosen; settings go
// to a folder of this process that is removed at exit.
void prepareEnvironment();
// The settings file the main window reads and writes.
QString settingsFile();
// Removes every stored setting.
void clearSettings();

// Deletes the windows closed so far (they go at the next event loop turn).
void settle();

class MainWindowFixture {
public:
    // A fresh main window, loaded and shown, on an empty settings store
    // unless `keepSettings`.
    explicit MainWindowFixture(bool keepSettings = false);
    ~MainWindowFixture();

    FrmMain& main() { return *m_main; }
    FrmMain* release();

    QAction* action(const QString& name) const;
    // Triggers a menu item as a click on it would.
    void trigger(const QString& name);
    bool isChecked(const QString& name) const;

    // The open window, without loading it.
    QWidget* window(WindowId id) const;
    FrmData* data() const;
    FrmStats* simulator() const;
    // The text of one of the Simulator window's fields or labels.
    QString simulatorText(const char* name) const;
    SingleChartWindow* chartWindow(WindowId id) const;
    DataGridChart* chart(WindowId id) const;
    QMdiSubWindow* frame(WindowId id) const;

    template <class T>
    T* find(const QString& name) const {
        settle();
        return m_main->findChild<T*>(name);
    }

private:
    std::unique_ptr<FrmMain> m_main;
};

// Resizes a chart window's frame through ordinary and small sizes, then
// minimizes and restores it, checking each time that the chart fills the
// window exactly. A failure is recorded in the running test.
void checkChartFillsItsWindow(SingleChartWindow& window, QMdiSubWindow& frame);

// Calls `check` at every turn of the event loop while it is alive: at every
// yield of a simulation run started meanwhile.
class YieldWatch {
public:
    explicit YieldWatch(std::function<void()> check);

private:
    QTimer m_timer;
};

// Records what the program would have asked or told the user.
class DialogAnswers {
public:
    DialogAnswers();
    ~DialogAnswers();

    QString saveAs;          // the file name chosen in the next save dialog
    QString openAs;          // the file chosen in the next open dialog
    bool answerYes = false;  // the answer to every question
    QStringList messages;
    QStringList questions;
    QStringList saveCaptions;
    QStringList openCaptions;
    QStringList suggestedNames;  // the file names the save dialogs offered
};

}  // namespace quorvale::testing

#define QUORVALE_GUI_TEST_MAIN(TestObject)       \
    int main(int argc, char** argv) {            \
        quorvale::testing::prepareEnvironment(); \
        QApplication app(argc, argv);            \
        TestObject test;                         \
        return QTest::qExec(&test, argc, argv);  \
    }
