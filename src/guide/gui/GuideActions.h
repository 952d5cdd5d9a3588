#pragma once
// Tools > "User Guide" (F1): opens the guide window, one instance, through
// the window registry.

#include <QObject>

class QAction;

namespace quorvale {

class ToolsHost;

class GuideActions : public QObject {
    Q_OBJECT

public:
    explicit GuideActions(ToolsHost& host);

    QAction* showGuide() const { return m_show; }

private:
    ToolsHost& m_host;
    QAction* m_show = nullptr;
};

}  // namespace quorvale
