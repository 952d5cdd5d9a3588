#include "charts/gui/ResultsMenu.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>

#include "base/gui/WindowRegistry.h"

namespace quorvale {

ResultsMenu::ResultsMenu(ResultsHost& host, QObject* parent) : QObject(parent), m_host(host) {}

void ResultsMenu::addTo(QMenuBar* bar) {
    QMenu* top = nullptr;
    QMenu* sub = nullptr;
    for (const ResultsMenuItem& item : kResultsMenuItems) {
        const QString name = QString::fromLatin1(item.name);
        const QString caption = QString::fromUtf8(item.caption);
        if (item.kind == ResultsItemKind::Menu) {
            top = bar->addMenu(caption);
            top->setObjectName(name);
            m_menus[name] = top;
            sub = nullptr;
            continue;
        }
        if (item.kind == ResultsItemKind::Submenu) {
            sub = top->addMenu(caption);
            sub->setObjectName(name);
            m_menus[name] = sub;
            continue;
        }
        QMenu* owner = item.level == 2 ? sub : top;
        auto* action = new QAction(caption, owner);
        action->setObjectName(name);
        owner->addAction(action);
        m_actions[name] = action;
        if (item.kind == ResultsItemKind::CheckItem) {
            action->setCheckable(true);
            m_groups[action] = item.group;
            const MarkGroup group = item.group;
            connect(action, &QAction::triggered, this, [this, action, group] { onTriggered(action, group); });
        }
    }

    connect(action(QStringLiteral("MnuVariables")), &QAction::triggered, this,
            [this] { m_host.windows().load(WindowId::FrmData); });
    connect(action(QStringLiteral("MnuSimulator")), &QAction::triggered, this,
            [this] { m_host.windows().load(WindowId::FrmStats); });
}

QAction* ResultsMenu::action(const QString& name) const {
    auto it = m_actions.find(name);
    return it == m_actions.end() ? nullptr : it->second;
}

QMenu* ResultsMenu::menu(const QString& name) const {
    auto it = m_menus.find(name);
    return it == m_menus.end() ? nullptr : it->second;
}

bool ResultsMenu::isChecked(const QString& name) const {
    QAction* a = action(name);
    return a && a->isChecked();
}

void ResultsMenu::setChecked(const QString& name, bool checked) {
    if (QAction* a = action(name)) {
        a->setChecked(checked);
    }
}

GraphMarks ResultsMenu::marks() const {
    auto on = [this](const char* name) { return isChecked(QString::fromLatin1(name)); };
    GraphMarks m;
    m.low = on("MnuGraphLow");
    m.average = on("MnuGraphAverage");
    m.high = on("MnuGraphHigh");
    m.roadCost = on("MnuRoadCost");
    m.loggingCost = on("MnuLoggingCost");
    m.totalCost = on("MnuTotalCost");
    m.tonsDay = on("MnuTonsDay");
    m.mbfDay = on("MnuMbfDay");
    m.loadsDay = on("MnuLoadsDay");
    m.totalDays = on("MnuTotalDays");
    m.riggingTime = on("MnuRiggingTime");
    m.cycleTime = on("MnuCycleTime");
    m.roadDensity = on("MnuRoadDensity");
    m.landingSpacing = on("MnuLandingSpacing");
    m.ayd = on("MnuAyd");
    m.lyd = on("MnuLyd");
    m.alyd = on("MnuAlyd");
    m.aeyd = on("MnuAeyd");
    m.landings = on("MnuLandings");
    m.corridors = on("MnuCorridors");
    m.simulation = on("MnuSimulation");
    return m;
}

std::vector<QAction*> ResultsMenu::groupActions(MarkGroup group) const {
    std::vector<QAction*> out;
    for (const ResultsMenuItem& item : kResultsMenuItems) {
        if (item.group == group) {
            out.push_back(action(QString::fromLatin1(item.name)));
        }
    }
    return out;
}

bool ResultsMenu::anyChecked(MarkGroup group) const {
    for (QAction* a : groupActions(group)) {
        if (a->isChecked()) {
            return true;
        }
    }
    return false;
}

void ResultsMenu::uncheckOthers(MarkGroup group, QAction* clicked) {
    for (QAction* a : groupActions(group)) {
        if (a != clicked) {
            a->setChecked(false);
        }
    }
}

// The clicked item's own mark has already been inverted by the toolkit
// (it is checkable); every test below reads the marks as they now stand.
void ResultsMenu::onTriggered(QAction* clicked, MarkGroup group) {
    WindowRegistry& windows = m_host.windows();
    const bool nowChecked = clicked->isChecked();
    switch (group) {
        case MarkGroup::Range:
            uncheckOthers(group, clicked);
            if (nowChecked) {
                m_host.SetCostChartTitle();
                m_host.graph_itmain();
            }
            break;
        case MarkGroup::Cost:
            if (anyChecked(group)) {
                m_host.SetCostChartTitle();
                m_host.graph_itmain();
                // Only "Road Cost" brings the cost chart to the front.
                if (clicked == action(QStringLiteral("MnuRoadCost"))) {
                    windows.show(WindowId::FrmGraph);
                }
            } else {
                windows.close(WindowId::FrmGraph);
            }
            break;
        case MarkGroup::Production:
            // Unchecking the production item leaves its chart open with
            // what it last showed.
            uncheckOthers(group, clicked);
            if (nowChecked) {
                m_host.graph_itmain();
                windows.show(WindowId::FrmGraphLoads);
            }
            break;
        case MarkGroup::LoggingTime:
            if (anyChecked(group)) {
                m_host.graph_itmain();
            } else {
                windows.close(WindowId::FrmGraphLogging);
            }
            break;
        case MarkGroup::Roads:
            if (anyChecked(group)) {
                m_host.graph_itmain();
            } else {
                windows.close(WindowId::FrmGraphRoad);
            }
            break;
        case MarkGroup::Layout:
            if (nowChecked) {
                uncheckOthers(group, clicked);
                m_host.graph_itmain();
            } else {
                windows.close(WindowId::FrmGraphSettings);
            }
            break;
        case MarkGroup::Simulation:
            // Checking shows nothing by itself; the simulation run decides.
            if (!nowChecked) {
                windows.hide(WindowId::FrmGraphStats);
            }
            break;
        case MarkGroup::None:
            break;
    }
}

}  // namespace quorvale
