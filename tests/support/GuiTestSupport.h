#pragma once
// Shared pieces of the window tests: a main function that defaults to the
// offscreen platform and keeps the settings store in a private folder, a
// fixture that builds a fresh, loaded main window, widget lookup by object
// name, and answers for the program's modal dialogs.
//
// Every lookup by name, and every accessor of one window, fails the running
// test (at the caller's line) when it finds nothing: a renamed action or
// field never turns a check into one that passes by default. Only window(id)
// may find nothing; it is how a test asks whether a window is closed.

#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QMdiSubWindow>
#include <QString>
#include <QStringList>
#include <QTest>
#include <QTimer>
#include <functional>
#include <memory>
#include <source_location>

#include "app/gui/FrmMain.h"
#include "base/gui/WindowId.h"

namespace quorvale {
class DataGridChart;
class FrmData;
class FrmStats;
class SingleChartWindow;
}  // namespace quorvale

namespace quorvale::testing {

using Where = std::source_location;

// Records a failure of the running test at `where`: nothing of `kind` is
// named `name`.
void failMissing(const char* kind, const QString& name, Where where);

// A child of a window found by its object name.
template <class T>
T* namedChild(QWidget& window, const char* name, Where where = Where::current()) {
    T* child = window.findChild<T*>(QString::fromUtf8(name));
    if (child == nullptr) {
        failMissing("child", window.objectName() + QLatin1Char('.') + QString::fromUtf8(name), where);
    }
    return child;
}

// The text of a window's entry field, found by its object name.
QString fieldText(QWidget& window, const char* name, Where where = Where::current());

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

    // A missing action fails the test and yields a stand-in that belongs to
    // no menu, so that the test goes on to its end without crashing.
    QAction* action(const QString& name, Where where = Where::current()) const;
    // Triggers a menu item as a click on it would.
    void trigger(const QString& name, Where where = Where::current());
    bool isChecked(const QString& name, Where where = Where::current()) const;

    // The open window, without loading it, or nullptr when it is closed.
    QWidget* window(WindowId id) const;
    // The open window; one that is closed fails the test.
    FrmData* data(Where where = Where::current()) const;
    FrmStats* simulator(Where where = Where::current()) const;
    SingleChartWindow* chartWindow(WindowId id, Where where = Where::current()) const;
    DataGridChart* chart(WindowId id, Where where = Where::current()) const;
    QMdiSubWindow* frame(WindowId id, Where where = Where::current()) const;
    // The text of one of the Simulator window's fields or labels.
    QString simulatorText(const char* name, Where where = Where::current()) const;

    template <class T>
    T* find(const QString& name, Where where = Where::current()) const {
        settle();
        T* found = m_main->findChild<T*>(name);
        if (found == nullptr) {
            failMissing("child", name, where);
        }
        return found;
    }

private:
    std::unique_ptr<FrmMain> m_main;
    mutable std::unique_ptr<QAction> m_missingAction;
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

// Records what the program would have asked or told the user, and that it
// asked to end; answers its dialogs without a modal loop.
class DialogAnswers {
public:
    DialogAnswers();
    ~DialogAnswers();

    QString saveAs;          // the file name chosen in the next save dialog
    QString openAs;          // the file chosen in the next open dialog
    bool answerYes = false;  // the answer to every question
    // What the user does with a modal dialog while it is shown; by default
    // it is closed at once.
    std::function<void(QDialog& dialog)> modal;
    QStringList messages;
    QStringList questions;
    QStringList saveCaptions;
    QStringList openCaptions;
    QStringList suggestedNames;  // the file names the save dialogs offered
    QStringList modals;          // the object names of the modal dialogs shown
    QList<int> exits;            // the codes the program asked to end with
};

}  // namespace quorvale::testing

#define QUORVALE_GUI_TEST_MAIN(TestObject)       \
    int main(int argc, char** argv) {            \
        quorvale::testing::prepareEnvironment(); \
        QApplication app(argc, argv);            \
        TestObject test;                         \
        return QTest::qExec(&test, argc, argv);  \
    }
