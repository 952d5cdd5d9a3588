#include "base/gui/ChildFrame.h"

#include <QCloseEvent>

namespace quorvale {

ChildFrame::ChildFrame(QWidget* parent) : QMdiSubWindow(parent) { setAttribute(Qt::WA_DeleteOnClose); }

void ChildFrame::closeEvent(QCloseEvent* event) {
    // The base class closes the inner window first, which runs its unload
    // handler, and refuses the close only if that window does.
    m_closing = true;
    QMdiSubWindow::closeEvent(event);
    if (event->isAccepted()) {
        emit unloaded();
    } else {
        m_closing = false;
    }
}

}  // namespace quorvale
