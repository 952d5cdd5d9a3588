#include "shell/ChildWindow.h"

#include <QCloseEvent>

namespace quorvale {

ChildWindow::ChildWindow(QWidget* parent) : QWidget(parent) {}

void ChildWindow::closeEvent(QCloseEvent* event) {
    if (!m_unloading) {
        m_unloading = true;
        unloadWindow();
    }
    event->accept();
}

}  // namespace quorvale
