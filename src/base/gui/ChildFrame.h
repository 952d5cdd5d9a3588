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

    // True from the start of the frame's own close on.
    bool isClosing() const { return m_closing; }

signals:
    // The window inside has run its unload handler and the frame is closing.
    void unloaded();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    bool m_closing = false;
};

}  // namespace quorvale
