#include "inputs/gui/EntryField.h"

#include <QApplication>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QMdiSubWindow>
#include <QTimer>

namespace quorvale {

namespace {
const QColor kRepairedColour(0xff, 0xf0, 0x9a);
const QColor kInvertedColour(0xff, 0xc8, 0xc0);
}  // namespace

EntryField::EntryField(QWidget* parent) : QLineEdit(parent) {}

void EntryField::showRepaired(const QString& tip) {
    m_repairedTip = tip;
    m_flashing = true;
    // Only the latest flash ends it.
    const int flash = ++m_flashes;
    QTimer::singleShot(kFlashMs, this, [this, flash] {
        if (flash == m_flashes) {
            m_flashing = false;
            applyHighlight();
        }
    });
    applyHighlight();
}

void EntryField::setReadAs(const QString& tip) {
    m_readAsTip = tip;
    applyHighlight();
}

void EntryField::setInverted(bool inverted, const QString& tip) {
    m_inverted = inverted;
    m_invertedTip = inverted ? tip : QString();
    applyHighlight();
}

void EntryField::clearFeedback() {
    m_repairedTip.clear();
    m_readAsTip.clear();
    ++m_flashes;
    m_flashing = false;
    setInverted(false, {});
}

void EntryField::applyHighlight() {
    QPalette colours = palette();
    const QPalette standard = QApplication::palette(this);
    colours.setColor(QPalette::Base, m_flashing || isReadOtherwise() ? kRepairedColour
                                     : m_inverted                    ? kInvertedColour
                                                                     : standard.color(QPalette::Base));
    setPalette(colours);
    QStringList tips;
    for (const QString& tip : {m_repairedTip, m_readAsTip, m_invertedTip}) {
        if (!tip.isEmpty()) {
            tips.append(tip);
        }
    }
    setToolTip(tips.join(QLatin1Char('\n')));
}

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
