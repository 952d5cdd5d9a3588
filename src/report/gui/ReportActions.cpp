#include "report/gui/ReportActions.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QMainWindow>
#include <QMenu>
#include <QStyle>
#include <QToolBar>

#include "base/Texts.h"
#include "base/gui/AtomicFile.h"
#include "base/gui/DialogHooks.h"
#include "base/gui/QtText.h"
#include "base/gui/ShownPath.h"
#include "inputs/gui/FrmData.h"
#include "report/gui/ReportHost.h"
#include "units/gui/UnitActions.h"
#include "base/gui/WindowRegistry.h"
#include "decision/gui/FrmDecision.h"

namespace quorvale {
namespace {

using namespace texts::report;

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

ReportContent ReportActions::content() const {
    ReportContent c;
    c.unit = m_host.units().currentUnit();
    c.unitName = m_host.units().unitName();
    c.locale = FrmData::userNumberLocale();
    c.rangeCase = rangeCaseOf(m_host.graphMarks());
    c.sweep = reportSweep(c.unit, c.rangeCase, c.locale);
    c.lastRun = m_host.lastRun();
    // A closed decision window has discarded its result: none is reported,
    // and none is opened for it.
    if (auto* decision = qobject_cast<FrmDecision*>(m_host.windows().window(WindowId::FrmDecision))) {
        c.decision = decision->result();
        c.decisionOutOfDate = decision->isOutOfDate();
    }
    c.written = QDateTime::currentDateTime();
    c.version = QStringLiteral(QUORVALE_VERSION);
    return c;
}

void ReportActions::chooseAndSave() {
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
    saveReport(path);
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
