#pragma once
// "Save Report..." in the Tools menu and on the toolbar: the unit report
// (UnitReport) of what the windows hold now, written atomically to a PDF.

#include <QObject>
#include <QString>
#include <functional>
#include <optional>
#include <string>

#include "shell/gui/UnitReport.h"

class QAction;

namespace quorvale {

class FrmMain;

class ReportActions : public QObject {
    Q_OBJECT

public:
    // The last decision analysis and its summary, if one has run.
    struct Decision {
        DecisionResult result;
        std::string summary;
    };
    using DecisionSource = std::function<std::optional<Decision>()>;

    explicit ReportActions(FrmMain& main);

    // Where the report finds the last decision analysis (the decision
    // window sets it); without one the report says none has run.
    void setDecisionSource(DecisionSource source) { m_decision = std::move(source); }

    // The report's content as the windows stand now.
    ReportContent content() const;
    // Writes the report; on failure tells the user and returns false.
    bool saveReport(const QString& path);

private:
    void chooseAndSave();

    FrmMain& m_main;
    QAction* m_save = nullptr;
    DecisionSource m_decision;
};

}  // namespace quorvale
