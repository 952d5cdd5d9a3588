#pragma once
// The spin button beside the target field: two arrow buttons that ask for a
// step up or down. The field itself takes any typed value, so the window
// steps from what the field holds and keeps the button's value in step.

#include <QWidget>

class QToolButton;

namespace quorvale {

class TargetUpDown final : public QWidget {
    Q_OBJECT
public:
    TargetUpDown(int value, int lower, int upper, int step, QWidget* parent = nullptr);

    int value() const { return m_value; }
    // Takes the value, held within the limits.
    void setValue(int value);
    int step() const { return m_step; }

    int lower() const { return m_lower; }
    int upper() const { return m_upper; }

    QToolButton* upButton() const { return m_up; }
    QToolButton* downButton() const { return m_down; }

signals:
    // +1 for the up arrow, -1 for the down arrow.
    void stepRequested(int direction);

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    int m_value;
    int m_lower;
    int m_upper;
    int m_step;
    QToolButton* m_up;
    QToolButton* m_down;
};

}  // namespace quorvale
