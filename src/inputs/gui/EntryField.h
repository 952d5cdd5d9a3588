#pragma once
// An entry field of the Variables window. It reports leaving the field (the
// edit the window notices) and turns the Up and Down keys into spin steps.

#include <QLineEdit>

namespace quorvale {

class EntryField : public QLineEdit {
    Q_OBJECT

public:
    explicit EntryField(QWidget* parent = nullptr);

signals:
    // Focus moved on to another control or window of the program. A menu or
    // context menu opening over the field, or the whole program losing the
    // focus, is not leaving it.
    void lostFocus();
    void stepKey(int direction);

protected:
    void focusOutEvent(QFocusEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
};

}  // namespace quorvale
