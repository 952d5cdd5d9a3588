#include "inputs/gui/SpinButton.h"

#include <QToolButton>
#include <QVBoxLayout>
#include <algorithm>

namespace quorvale {
namespace {

QToolButton* arrowButton(Qt::ArrowType arrow, const char* name, QWidget* parent) {
    auto* button = new QToolButton(parent);
    button->setObjectName(QLatin1String(name));
    button->setArrowType(arrow);
    button->setAutoRepeat(true);
    // The field keeps the keyboard focus; Up and Down in the field spin it.
    button->setFocusPolicy(Qt::NoFocus);
    button->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Expanding);
    button->setFixedWidth(16);
    return button;
}

}  // namespace

SpinButton::SpinButton(QWidget* parent)
    : QWidget(parent), m_up(arrowButton(Qt::UpArrow, "up", this)), m_down(arrowButton(Qt::DownArrow, "down", this)) {
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(m_up);
    layout->addWidget(m_down);
    setFocusPolicy(Qt::NoFocus);
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Preferred);
    connect(m_up, &QToolButton::clicked, this, [this] { emit stepRequested(+1); });
    connect(m_down, &QToolButton::clicked, this, [this] { emit stepRequested(-1); });
}

void SpinButton::setRange(int minimum, int maximum) {
    m_minimum = minimum;
    m_maximum = std::max(minimum, maximum);
    m_value = std::clamp(m_value, m_minimum, m_maximum);
}

void SpinButton::setValue(int value) { m_value = std::clamp(value, m_minimum, m_maximum); }

QSize SpinButton::sizeHint() const { return {16, 20}; }

}  // namespace quorvale
