#pragma once
// The frame the multiple-document area draws around a child window. It tells
// the window registry when its window has been closed, so that the next
// reference creates the window again.

#include <QMdiSubWindow>

namespace quorvale {

class ChildFrame : public QMdiSubWindow {
    Q_OBJECT

public:
    explicit ChildFrame(QWidget* parent = nullptr);

signals:
    // The window inside has run its unload handler and the frame is closing.
    void unloaded();

protected:
    void closeEvent(QCloseEvent* event) override;
};

}  // namespace quorvale
