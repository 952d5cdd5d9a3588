#pragma once
// The unit commands of the main window: "Open Unit...", "Save Unit As...",
// the four most recent units and "Restore Last Inputs" in the Tools menu and
// on the main window's toolbar, unit files dropped on the main window, and
// the inputs kept in the settings store when the Variables window closes with
// inputs the user set or opened.
//
// A unit goes into the Variables window as one edit (thirty texts and the
// pattern, one analysis); a file that is refused changes nothing.

#include <QObject>
#include <QString>
#include <QStringList>
#include <optional>

#include "units/UnitDocument.h"

class QAction;
class QMainWindow;
class QMenu;
class QMimeData;
class QToolBar;

namespace quorvale {

class FrmData;
class ToolsHost;

class UnitActions : public QObject {
    Q_OBJECT

public:
    // Adds the commands to the main window's Tools menu and toolbar.
    explicit UnitActions(ToolsHost& host);

    // Reads the file and fills the inputs; tells the user and returns false
    // when the file is refused or the inputs are busy.
    bool openUnit(const QString& path);
    // Fills the inputs with a unit that comes from no file of its own (a
    // row of a batch CSV); false when the inputs are busy.
    bool openUnitDocument(const UnitDocument& unit);
    // Writes the current inputs atomically; on failure tells the user and
    // leaves any earlier file of that name as it was.
    bool saveUnit(const QString& path);
    // The inputs kept when the Variables window last closed, put back.
    bool restoreLastInputs();

    // The unit as it stands: the Variables window's texts and pattern, the
    // Simulator's target, the name and notes of the unit last opened.
    UnitDocument currentUnit() const;
    // The name to show for the current unit: its own or its file's.
    QString unitName() const;
    // The unit file last opened or saved; empty when there is none.
    const QString& unitPath() const { return m_path; }

    QStringList recentUnits() const;
    QToolBar* toolBar() const { return m_toolBar; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildActions();
    void chooseAndOpen();
    void chooseAndSave();
    void openRecent(int index);
    void rememberRecent(const QString& path);
    void forgetRecent(const QString& path);
    void updateRecentActions();
    void watchVariablesWindow(FrmData* data);
    // The Variables window's inputs with the Simulator's target and the
    // unit's name and notes: what closing the window keeps.
    UnitDocument inputsToKeep(FrmData& data) const;
    void keepInputs(FrmData& data);
    std::optional<UnitDocument> keptInputs() const;
    // Puts a unit into the windows; false when a run holds the inputs.
    bool fill(const UnitDocument& unit);
    QString unitFileIn(const QMimeData* mime) const;

    ToolsHost& m_host;
    QMainWindow& m_main;
    QToolBar* m_toolBar = nullptr;
    QAction* m_open = nullptr;
    QAction* m_saveAs = nullptr;
    QAction* m_restore = nullptr;
    QAction* m_recentSeparator = nullptr;
    QList<QAction*> m_recent;
    QString m_path;  // the unit file last opened or saved
    std::string m_name;
    std::string m_notes;
    // The unit's beliefs as the Decision Analysis window last held them, or
    // as the unit opened gave them while that window is closed.
    Beliefs m_beliefs;
    // The inputs the Variables window opened with, and whether a unit or the
    // kept inputs were put into it since.
    UnitDocument m_startInputs;
    bool m_inputsPutIn = false;
};

}  // namespace quorvale
