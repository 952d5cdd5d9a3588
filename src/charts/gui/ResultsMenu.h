#pragma once
// The "View" and "Show Results" menus. Their check marks are the only record
// of the chart selection; every handler toggles marks by its group's rule and
// then re-runs the static analysis, or closes the chart window of a group
// that has no checked item left. Marks changed by code (setChecked) run no
// handler: handlers hang on QAction::triggered, which only a user's choice
// (or QAction::trigger) emits.

#include <QObject>
#include <QString>
#include <map>
#include <vector>

#include "charts/gui/ResultsMenuItems.h"
#include "model/GraphMarks.h"

class QAction;
class QMenu;
class QMenuBar;

namespace quorvale {

class WindowRegistry;

// What the handlers need from the main window.
class ResultsHost {
public:
    virtual ~ResultsHost() = default;
    virtual void graph_itmain() = 0;
    virtual void SetCostChartTitle() = 0;
    virtual WindowRegistry& windows() = 0;
};

class ResultsMenu : public QObject {
    Q_OBJECT

public:
    ResultsMenu(ResultsHost& host, QObject* parent = nullptr);

    // Adds "View" and "Show Results" to the menu bar, in that order.
    void addTo(QMenuBar* bar);

    QAction* action(const QString& name) const;
    QMenu* menu(const QString& name) const;
    bool isChecked(const QString& name) const;
    // Sets a mark without running its handler.
    void setChecked(const QString& name, bool checked);

    // The marks as the static analysis reads them.
    GraphMarks marks() const;

private:
    void onTriggered(QAction* clicked, MarkGroup group);
    std::vector<QAction*> groupActions(MarkGroup group) const;
    bool anyChecked(MarkGroup group) const;
    void uncheckOthers(MarkGroup group, QAction* clicked);

    ResultsHost& m_host;
    std::map<QString, QAction*> m_actions;
    std::map<QString, QMenu*> m_menus;
    std::map<QAction*, MarkGroup> m_groups;
};

}  // namespace quorvale
