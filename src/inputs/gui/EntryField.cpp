#include "inputs/gui/EntryField.h"

#include <QApplication>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QMdiSubWindow>

namespace quorvale {

EntryField::EntryField(QWidget* parent) : QLineEdit(parent) {}

void EntryField::focusOutEvent(QFocusEvent* event) {
    QLineEdit::focusOutEvent(event);
    const Qt::FocusReason reason = event->reason();
    if (reason == Qt::PopupFocusReason || reason == Qt::ActiveWindowFocusReason) {
        return;
    }
    // A click on a part of the window that takes no focus (a label, a spin
    // arrow) hands the focus to the window's frame, which gives it straight
    // back: the field has not been left.
    QWidget* next = QApplication::focusWidget();
    if (next && next != this && qobject_cast<QMdiSubWindow*>(next) && next->isAncestorOf(this)) {
        return;
    }
    emit lostFocus();
}

void EntryField::keyPressEvent(QKeyEvent* event) {
    if (event->modifiers() == Qt::NoModifier || event->modifiers() == Qt::KeypadModifier) {
        if (event->key() == Qt::Key_Up) {
            emit stepKey(+1);
            event->accept();
            return;
        }
        if (event->key() == Qt::Key_Down) {
            emit stepKey(-1);
            event->accept();
            return;
        }
    }
    QLineEdit::keyPressEvent(event);
}

}  // namespace quorvale
