#pragma once
// "Save Report..." in the Tools menu and on the toolbar: the unit report
// (UnitReport) of what the windows hold now, written atomically to a PDF.

#include <QObject>
#include <QString>

#include "report/gui/UnitReport.h"

class QAction;
class QMainWindow;

namespace quorvale {

class ReportHost;

class ReportActions : public QObject {
    Q_OBJECT

public:
    explicit ReportActions(ReportHost& host);

    // The report's content as the windows stand now; the last decision
    // analysis is the one the Decision Analysis window shows, if open.
    ReportContent content() const;
    // Writes the report; on failure tells the user and returns false.
    bool saveReport(const QString& path);

private:
    void chooseAndSave();

    ReportHost& m_host;
    QMainWindow& m_main;
    QAction* m_save = nullptr;
};

}  // namespace quorvale
