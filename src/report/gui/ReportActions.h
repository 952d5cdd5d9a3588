#pragma once
// "Save Report..." in the Tools menu and on the toolbar: the unit report
// (UnitReport) of what the windows hold now, written atomically to a PDF.
//
// A decision analysis whose inputs or pattern are no longer the Variables
// window's is offered a new run first; the report is written once that run
// ends (or without it, when the user declines, the run is cancelled or its
// window closed). A stale simulation is left out with a line saying why.

#include <QObject>
#include <QPointer>
#include <QString>

#include "report/gui/UnitReport.h"

class QAction;
class QMainWindow;

namespace quorvale {

class FrmDecision;
class ReportHost;

class ReportActions : public QObject {
    Q_OBJECT

public:
    explicit ReportActions(ReportHost& host);

    // The report's content as the windows stand now: a simulation or a
    // decision analysis only when it was run on these inputs and pattern.
    ReportContent content() const;
    // Writes the report; on failure tells the user and returns false.
    bool saveReport(const QString& path);
    // Whether a report waits for a decision run to end.
    bool isWaiting() const { return !m_waitingFor.isEmpty(); }

private:
    void chooseAndSave();
    // Saves to `path` once `decision` has ended its run (or is gone).
    void saveAfterRun(FrmDecision* decision, const QString& path);
    FrmDecision* openDecision() const;

    ReportHost& m_host;
    QMainWindow& m_main;
    QAction* m_save = nullptr;
    QString m_waitingFor;  // the path of a report waiting for a run
};

}  // namespace quorvale
