#pragma once
// A spin button bound to an entry field: two arrow buttons and a whole-number
// value between a lower and an upper bound. It moves only when asked to step;
// setting the value from code raises nothing.

#include <QWidget>

class QToolButton;

namespace quorvale {

class SpinButton : public QWidget {
    Q_OBJECT

public:
    explicit SpinButton(QWidget* parent = nullptr);

    int value() const { return m_value; }
    int minimum() const { return m_minimum; }
    int maximum() const { return m_maximum; }
    int singleStep() const { return m_step; }

    void setRange(int minimum, int maximum);
    void setSingleStep(int step) { m_step = step; }
    // Held within the bounds; no signal.
    void setValue(int value);

    QToolButton* upButton() const { return m_up; }
    QToolButton* downButton() const { return m_down; }

    QSize sizeHint() const override;

signals:
    // +1 for the up arrow, -1 for the down arrow. The owner works out the new
    // value (it may start from what is typed in the bound field).
    void stepRequested(int direction);

private:
    int m_value = 0;
    int m_minimum = 0;
    int m_maximum = 100;
    int m_step = 1;
    QToolButton* m_up;
    QToolButton* m_down;
};

}  // namespace quorvale
