#include "batch/gui/OverviewActions.h"

#include <QAction>
#include <QMainWindow>
#include <QMenu>

#include "base/Texts.h"
#include "base/gui/QtText.h"
#include "base/gui/ToolsHost.h"
#include "base/gui/WindowRegistry.h"
#include "batch/gui/FrmUnitsOverview.h"

namespace quorvale {

OverviewActions::OverviewActions(ToolsHost& host, UnitActions& units) : QObject(&host.mainWindow()), m_host(host) {
    setObjectName(QStringLiteral("overviewActions"));
    m_show = m_host.toolsMenu()->addAction(qtext(texts::batch::kMenuItem));
    m_show->setObjectName(QStringLiteral("mnuToolsUnitsOverview"));
    m_show->setToolTip(qtext(texts::batch::kMenuTip));
    connect(m_show, &QAction::triggered, this, [this] { m_host.windows().show(WindowId::FrmUnitsOverview); });
    m_host.windows().setFactory(WindowId::FrmUnitsOverview, [&units] { return new FrmUnitsOverview(units); });
}

}  // namespace quorvale
