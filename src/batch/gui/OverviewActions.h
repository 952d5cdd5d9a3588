#pragma once
// Tools > "Units Overview...": opens the Units Overview window, one
// instance, through the window registry.

#include <QObject>

class QAction;

namespace quorvale {

class ToolsHost;
class UnitActions;

class OverviewActions : public QObject {
    Q_OBJECT

public:
    OverviewActions(ToolsHost& host, UnitActions& units);

    QAction* showOverview() const { return m_show; }

private:
    ToolsHost& m_host;
    QAction* m_show = nullptr;
};

}  // namespace quorvale
