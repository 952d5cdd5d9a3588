#pragma once
// What the commands of the Tools menu (unit files, the report) need of the
// main window: the window that owns their dialogs, toolbar and drops, the
// Tools menu they add to, and the registry through which they reach the
// other windows. They depend on this, never on the main window's class.

class QMainWindow;
class QMenu;

namespace quorvale {

class WindowRegistry;

class ToolsHost {
public:
    virtual QMainWindow& mainWindow() = 0;
    virtual QMenu* toolsMenu() const = 0;
    virtual WindowRegistry& windows() = 0;

protected:
    ~ToolsHost() = default;
};

}  // namespace quorvale
