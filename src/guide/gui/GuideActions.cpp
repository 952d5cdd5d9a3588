#include "guide/gui/GuideActions.h"

#include <QAction>
#include <QApplication>
#include <QMainWindow>
#include <QMenu>
#include <QStyle>

#include "base/Texts.h"
#include "base/gui/ToolsHost.h"
#include "base/gui/WindowRegistry.h"
#include "guide/gui/FrmGuide.h"

namespace quorvale {

GuideActions::GuideActions(ToolsHost& host) : QObject(&host.mainWindow()), m_host(host) {
    setObjectName(QStringLiteral("guideActions"));
    QMenu* tools = m_host.toolsMenu();
    tools->addSeparator()->setObjectName(QStringLiteral("mnuToolsGuideBar"));
    const QIcon icon = QIcon::fromTheme(QStringLiteral("help-contents"),
                                        QApplication::style()->standardIcon(QStyle::SP_DialogHelpButton));
    m_show = tools->addAction(icon, QString::fromUtf8(texts::guide::kMenuItem));
    m_show->setObjectName(QStringLiteral("mnuToolsUserGuide"));
    m_show->setShortcut(QKeySequence(Qt::Key_F1));
    m_show->setToolTip(QString::fromUtf8(texts::guide::kMenuTip));
    connect(m_show, &QAction::triggered, this, [this] { m_host.windows().show(WindowId::FrmGuide); });
    m_host.windows().setFactory(WindowId::FrmGuide, [] { return new FrmGuide; });
}

}  // namespace quorvale
