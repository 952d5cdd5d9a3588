#include "simulator/gui/TargetUpDown.h"

#include <QToolButton>
#include <algorithm>

namespace quorvale {

TargetUpDown::TargetUpDown(int value, int lower, int upper, int step, QWidget* parent)
    : QWidget(parent), m_value(std::clamp(value, lower, upper)), m_lower(lower), m_upper(upper), m_step(step) {
    m_up = new QToolButton(this);
    m_up->setObjectName(QStringLiteral("up"));
    m_up->setArrowType(Qt::UpArrow);
    m_down = new QToolButton(this);
    m_down->setObjectName(QStringLiteral("down"));
    m_down->setArrowType(Qt::DownArrow);
    for (QToolButton* button : {m_up, m_down}) {
        button->setAutoRepeat(true);
        button->setFocusPolicy(Qt::NoFocus);
    }
    connect(m_up, &QToolButton::clicked, this, [this] { emit stepRequested(1); });
    connect(m_down, &QToolButton::clicked, this, [this] { emit stepRequested(-1); });
}

void TargetUpDown::setValue(int value) { m_value = std::clamp(value, m_lower, m_upper); }

void TargetUpDown::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    const int half = height() / 2;
    m_up->setGeometry(0, 0, width(), half);
    m_down->setGeometry(0, half, width(), height() - half);
}

}  // namespace quorvale
