#pragma once
// A child window of the main window with the two handlers every window of the
// program has: load (run once, after the window has been created in its
// design state and registered, before it becomes visible) and unload (run
// when it closes, whoever closes it).

#include <QWidget>

namespace quorvale {

class ChildWindow : public QWidget {
    Q_OBJECT

public:
    explicit ChildWindow(QWidget* parent = nullptr);

    // The load handler; the window registry calls it once.
    virtual void loadWindow() {}

    // True from the unload handler on: the window is on its way out and must
    // not start anything that would bring it back.
    bool isUnloading() const { return m_unloading; }

    // The least sizes at which the window reads well, one for each way it
    // can lay itself out; the tiles of the Window menu try to give it one.
    // None: any size the window takes will do.
    virtual QList<QSize> legibleSizes() const { return {}; }

protected:
    // The unload handler. Closing is never refused.
    virtual void unloadWindow() {}

    void closeEvent(QCloseEvent* event) override;

private:
    bool m_unloading = false;
};

}  // namespace quorvale
