#pragma once
// The spin button beside the target field: two arrow buttons that step a
// whole number between its limits. The field itself still takes any typed
// value; the window keeps the two in step.

#include <QWidget>

class QToolButton;

namespace quorvale {

class TargetUpDown final : public QWidget {
    Q_OBJECT
public:
    TargetUpDown(int value, int lower, int upper, int step, QWidget* parent = nullptr);

    int value() const { return m_value; }
    // Takes the value, held within the limits, without a signal.
    void setValue(int value);
    // Steps by `steps` increments and announces the new value when it moved.
    void stepBy(int steps);

    int lower() const { return m_lower; }
    int upper() const { return m_upper; }

    QToolButton* upButton() const { return m_up; }
    QToolButton* downButton() const { return m_down; }

signals:
    void stepped(int value);

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
