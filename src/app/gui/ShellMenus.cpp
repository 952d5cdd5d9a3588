#include "app/gui/ShellMenus.h"

#include <QAction>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPointer>

#include "base/Texts.h"
#include "app/gui/MdiArrangement.h"

namespace quorvale {

ShellMenus::ShellMenus(QMdiArea* area, QObject* parent) : QObject(parent), m_area(area) {
    connect(m_area, &QMdiArea::subWindowActivated, this, &ShellMenus::updateWindowList);
}

QMenu* ShellMenus::addMenu(QMenuBar* bar, const char* name, const char* caption) {
    QMenu* menu = bar->addMenu(QString::fromLatin1(caption));
    menu->setObjectName(QString::fromLatin1(name));
    m_menus[menu->objectName()] = menu;
    return menu;
}

QAction* ShellMenus::addItem(QMenu* menu, const char* name, const char* caption) {
    auto* action = new QAction(QString::fromLatin1(caption), menu);
    action->setObjectName(QString::fromLatin1(name));
    menu->addAction(action);
    m_actions[action->objectName()] = action;
    return action;
}

QAction* ShellMenus::addSeparator(QMenu* menu, const char* name) {
    auto* action = new QAction(menu);
    action->setSeparator(true);
    action->setObjectName(QString::fromLatin1(name));
    menu->addAction(action);
    m_actions[action->objectName()] = action;
    return action;
}

// Captions are string-table numbers; LoadFormStrings gives them their texts.
void ShellMenus::addFileMenu(QMenuBar* bar) {
    QMenu* file = addMenu(bar, "mnuFile", "1000");
    auto disabled = [](QAction* a) { a->setEnabled(false); };

    QAction* fileNew = addItem(file, "mnuFileNew", "1001");
    fileNew->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_N));
    disabled(fileNew);
    QAction* fileOpen = addItem(file, "mnuFileOpen", "1002");
    fileOpen->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_O));
    disabled(fileOpen);
    disabled(addItem(file, "mnuFileClose", "1003"));
    addSeparator(file, "mnuFileBar0");
    disabled(addItem(file, "mnuFileSave", "1004"));
    disabled(addItem(file, "mnuFileSaveAs", "1005"));
    disabled(addItem(file, "mnuFileSaveAll", "1006"));
    addSeparator(file, "mnuFileBar1");
    disabled(addItem(file, "mnuFileProperties", "1007"));
    addSeparator(file, "mnuFileBar2");
    disabled(addItem(file, "mnuFilePageSetup", "1008"));
    disabled(addItem(file, "mnuFilePrintPreview", "1009"));
    disabled(addItem(file, "mnuFilePrint", "1010"));
    addSeparator(file, "mnuFileBar3");
    disabled(addItem(file, "mnuFileSend", "1011"));
    addSeparator(file, "mnuFileBar4");
    for (const char* name : {"mnuFileMRU_1", "mnuFileMRU_2", "mnuFileMRU_3"}) {
        addItem(file, name, "")->setVisible(false);
    }
    addSeparator(file, "mnuFileBar5")->setVisible(false);
    QAction* exit = addItem(file, "mnuFileExit", "1012");
    connect(exit, &QAction::triggered, this, &ShellMenus::exitRequested);
}

QMenu* ShellMenus::addToolsMenu(QMenuBar* bar) {
    QMenu* tools = bar->addMenu(QString::fromUtf8(texts::shell::kToolsMenu));
    tools->setObjectName(QStringLiteral("mnuTools"));
    m_menus[tools->objectName()] = tools;
    return tools;
}

void ShellMenus::addWindowMenu(QMenuBar* bar) {
    QMenu* window = addMenu(bar, "mnuWindow", "1013");
    addSeparator(window, "mnuWindowBar0");
    connect(addItem(window, "mnuWindowCascade", "1015"), &QAction::triggered, this,
            [this] { MdiArrangement::cascade(m_area); });
    connect(addItem(window, "mnuWindowTileHorizontal", "1016"), &QAction::triggered, this,
            [this] { MdiArrangement::tileHorizontal(m_area); });
    connect(addItem(window, "mnuWindowTileVertical", "1017"), &QAction::triggered, this,
            [this] { MdiArrangement::tileVertical(m_area); });
    connect(addItem(window, "mnuWindowArrangeIcons", "1018"), &QAction::triggered, this,
            [this] { MdiArrangement::arrangeIcons(m_area); });
    connect(window, &QMenu::aboutToShow, this, &ShellMenus::updateWindowList);
}

void ShellMenus::addHelpMenu(QMenuBar* bar) {
    QMenu* help = addMenu(bar, "mnuHelp", "1019");
    addItem(help, "mnuHelpContents", "1020")->setEnabled(false);
    addItem(help, "mnuHelpSearchForHelpOn", "1021")->setEnabled(false);
    addSeparator(help, "mnuHelpBar0");
    connect(addItem(help, "mnuHelpAbout", "1022"), &QAction::triggered, this, &ShellMenus::aboutRequested);
}

QAction* ShellMenus::action(const QString& name) const {
    auto it = m_actions.find(name);
    return it == m_actions.end() ? nullptr : it->second;
}

QMenu* ShellMenus::menu(const QString& name) const {
    auto it = m_menus.find(name);
    return it == m_menus.end() ? nullptr : it->second;
}

void ShellMenus::updateWindowList() {
    QMenu* window = menu(QStringLiteral("mnuWindow"));
    if (!window) {
        return;
    }
    for (QAction* a : m_windowList) {
        window->removeAction(a);
        a->deleteLater();
    }
    m_windowList.clear();

    QList<QMdiSubWindow*> listed;
    for (QMdiSubWindow* w : m_area->subWindowList(QMdiArea::CreationOrder)) {
        // Hidden windows (and closed ones awaiting deletion) are not listed.
        if (!w->isHidden()) {
            listed.append(w);
        }
    }
    if (listed.isEmpty()) {
        return;
    }
    auto* separator = new QAction(window);
    separator->setSeparator(true);
    window->addAction(separator);
    m_windowList.append(separator);
    int number = 0;
    for (QMdiSubWindow* w : listed) {
        ++number;
        const QString title = w->widget() ? w->widget()->windowTitle() : w->windowTitle();
        // Titles may hold "&", which would otherwise turn into an access key.
        QString caption = title;
        caption.replace(QLatin1Char('&'), QLatin1String("&&"));
        auto* item = new QAction(QStringLiteral("&%1 %2").arg(number).arg(caption), window);
        item->setObjectName(QStringLiteral("mnuWindowList_%1").arg(number));
        item->setCheckable(true);
        item->setChecked(w == m_area->activeSubWindow());
        connect(item, &QAction::triggered, this, [this, frame = QPointer<QMdiSubWindow>(w)] {
            if (!frame) {
                return;
            }
            if (frame->isMinimized()) {
                frame->showNormal();
            }
            m_area->setActiveSubWindow(frame);
            // The menu item shows whichever window is active, checked or not.
            updateWindowList();
        });
        window->addAction(item);
        m_windowList.append(item);
    }
}

}  // namespace quorvale
