#pragma once
// The File, Window and Help menus. Their captions are string numbers that
// LoadFormStrings replaces when the main window loads; most File and Help
// items stay disabled for the whole run, the hidden recent-file items stay
// hidden. The Window menu ends with the list of open child windows.

#include <QObject>
#include <QString>
#include <map>

class QAction;
class QMdiArea;
class QMenu;
class QMenuBar;

namespace quorvale {

class ShellMenus : public QObject {
    Q_OBJECT

public:
    explicit ShellMenus(QMdiArea* area, QObject* parent = nullptr);

    void addFileMenu(QMenuBar* bar);
    // The program's own commands beyond the designed menus (analyses, unit
    // files, reports), between "Show Results" and Window.
    QMenu* addToolsMenu(QMenuBar* bar);
    void addWindowMenu(QMenuBar* bar);
    void addHelpMenu(QMenuBar* bar);

    QAction* action(const QString& name) const;
    QMenu* menu(const QString& name) const;

    // Rebuilds the window list at the end of the Window menu: one numbered
    // item per visible child window, the active one checked.
    void updateWindowList();
    QList<QAction*> windowListActions() const { return m_windowList; }

signals:
    void exitRequested();
    void aboutRequested();

private:
    QAction* addItem(QMenu* menu, const char* name, const char* caption);
    QAction* addSeparator(QMenu* menu, const char* name);
    QMenu* addMenu(QMenuBar* bar, const char* name, const char* caption);

    QMdiArea* m_area;
    std::map<QString, QAction*> m_actions;
    std::map<QString, QMenu*> m_menus;
    QList<QAction*> m_windowList;
};

}  // namespace quorvale
