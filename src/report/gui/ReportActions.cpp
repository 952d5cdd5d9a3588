#include "report/gui/ReportActions.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QMainWindow>
#include <QMenu>
#include <QStyle>
#include <QToolBar>
#include <memory>

#include "base/Texts.h"
#include "base/gui/AtomicFile.h"
#include "base/gui/DialogHooks.h"
#include "base/gui/QtText.h"
#include "base/gui/ShownPath.h"
#include "base/gui/WindowRegistry.h"
#include "decision/gui/FrmDecision.h"
#include "inputs/gui/FrmData.h"
#include "report/gui/ReportHost.h"
#include "units/gui/UnitActions.h"

namespace quorvale {
namespace {

using namespace texts::report;

// The unit file last opened or saved, if it holds these very entries,
// pattern and beliefs: a command line that names it repeats the run.
std::string savedUnitHolding(const QString& path, const UnitDocument& unit, const Beliefs& beliefs) {
    if (path.isEmpty()) {
        return {};
    }
    const UnitReadResult read = readUnitFile(path.toStdString());
    if (!read || read.document->entries != unit.entries || read.document->pattern != unit.pattern ||
        read.document->beliefs != beliefs) {
        return {};
    }
    return path.toStdString();
}

}  // namespace

ReportActions::ReportActions(ReportHost& host) : QObject(&host.mainWindow()), m_host(host), m_main(host.mainWindow()) {
    setObjectName(QStringLiteral("reportActions"));
    const QIcon icon = QIcon::fromTheme(QStringLiteral("x-office-document"),
                                        QApplication::style()->standardIcon(QStyle::SP_FileDialogContentsView));
    m_save = m_host.toolsMenu()->addAction(icon, qtext(kSaveReport));
    m_save->setObjectName(QStringLiteral("mnuToolsSaveReport"));
    m_save->setToolTip(qtext(kSaveReportTip));
    connect(m_save, &QAction::triggered, this, &ReportActions::chooseAndSave);
    if (QToolBar* bar = m_host.units().toolBar()) {
        bar->addAction(m_save);
    }
}

// A closed decision window has discarded its result: none is reported, and
// none is opened for it.
FrmDecision* ReportActions::openDecision() const {
    return qobject_cast<FrmDecision*>(m_host.windows().window(WindowId::FrmDecision));
}

ReportContent ReportActions::content() const {
    ReportContent c;
    c.unit = m_host.units().currentUnit();
    c.unitName = m_host.units().unitName();
    c.locale = FrmData::userNumberLocale();
    c.rangeCase = rangeCaseOf(m_host.graphMarks());
    c.sweep = reportSweep(c.unit, c.rangeCase, c.locale);
    // Each result is compared with the inputs the report shows: the last
    // run with the values and pattern it read, the decision analysis with
    // its captured ranges.
    InMemoryInputs shown(c.locale);
    applyUnit(c.unit, shown);
    if (m_host.lastRun()) {
        if (m_host.lastRunMatches(shown)) {
            c.lastRun = m_host.lastRun();
        } else {
            c.noRunNote = qtext(kRunLeftOut);
        }
    }
    if (FrmDecision* decision = openDecision(); decision && decision->result()) {
        decision->inputsMayHaveChanged();
        if (decision->isOutOfDate()) {
            c.noDecisionNote = qtext(kDecisionLeftOutNote);
        } else {
            c.decision = decision->result();
            c.beliefs = decision->resultBeliefs();
            c.comparison = decision->comparison();
            c.againstFile = decision->resultAgainstFile().toStdString();
            c.unitFile = savedUnitHolding(m_host.units().unitPath(), c.unit, c.beliefs);
        }
    }
    c.written = QDateTime::currentDateTime();
    c.version = QStringLiteral(QUORVALE_VERSION);
    return c;
}

void ReportActions::chooseAndSave() {
    if (isWaiting()) {
        return;
    }
    QString base = m_host.units().unitName();
    if (base.isEmpty()) {
        base = QStringLiteral("unit");
    }
    const QString suggested = QDir(QDir::homePath()).filePath(base + QStringLiteral("-report.pdf"));
    QString path = DialogHooks::saveFileName(&m_main, qtext(kSaveCaption), suggested, qtext(kFilter));
    if (path.isEmpty()) {
        return;
    }
    if (QFileInfo(path).suffix().isEmpty()) {
        path += QStringLiteral(".pdf");
    }
    FrmDecision* decision = openDecision();
    if (decision && decision->isRunning()) {
        // Whatever the run gives is judged once it has ended.
        saveAfterRun(decision, path);
        return;
    }
    if (decision && decision->result()) {
        decision->inputsMayHaveChanged();
        if (decision->isOutOfDate() && DialogHooks::question(&m_main, qtext(kRerunDecision))) {
            decision->run();
            if (decision->isRunning()) {
                saveAfterRun(decision, path);
                return;
            }
        }
    }
    saveReport(path);
}

void ReportActions::saveAfterRun(FrmDecision* decision, const QString& path) {
    m_waitingFor = path;
    m_save->setEnabled(false);
    struct Wait {
        bool done = false;
        QMetaObject::Connection finished;
        QMetaObject::Connection destroyed;
    };
    auto wait = std::make_shared<Wait>();
    auto finish = [this, wait] {
        if (wait->done) {
            return;
        }
        wait->done = true;
        disconnect(wait->finished);
        disconnect(wait->destroyed);
        const QString waited = m_waitingFor;
        m_waitingFor.clear();
        m_save->setEnabled(true);
        saveReport(waited);
    };
    // Queued, so that a window being destroyed is gone from the registry
    // when the content is taken.
    wait->finished = connect(decision, &FrmDecision::runFinished, this, finish, Qt::QueuedConnection);
    wait->destroyed = connect(decision, &QObject::destroyed, this, finish, Qt::QueuedConnection);
}

bool ReportActions::saveReport(const QString& path) {
    QString reason;
    if (!AtomicFile::save(path, UnitReport::pdf(content()), &reason)) {
        DialogHooks::message(&m_main, qtext(kSaveFailed).arg(shownPath(path), reason));
        return false;
    }
    return true;
}

}  // namespace quorvale
