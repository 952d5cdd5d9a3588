#include "base/gui/ChildWindow.h"

#include <QCloseEvent>

#include "base/gui/ChildFrame.h"

namespace quorvale {

ChildWindow::ChildWindow(QWidget* parent) : QWidget(parent) {}

void ChildWindow::closeEvent(QCloseEvent* event) {
    if (!m_unloading) {
        m_unloading = true;
        unloadWindow();
    }
    event->accept();
    // Closed by itself rather than through its frame: the frame goes too,
    // or it would stay behind empty and the window would count as open.
    if (auto* frame = qobject_cast<ChildFrame*>(parentWidget()); frame && !frame->isClosing()) {
        frame->close();
    }
}

}  // namespace quorvale
