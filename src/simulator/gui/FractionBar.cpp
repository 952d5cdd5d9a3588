#include "simulator/gui/FractionBar.h"

#include <cmath>

namespace quorvale {

FractionBar::FractionBar(QWidget* parent) : QProgressBar(parent) {
    setRange(0, kResolution);
    setValue(0);
    // The percentage stands in its own label beside the bar.
    setTextVisible(false);
}

bool FractionBar::setFraction(float fraction) {
    if (!(fraction >= 0.0F && fraction <= 1.0F)) {
        return false;
    }
    m_fraction = fraction;
    setValue(static_cast<int>(std::lround(fraction * kResolution)));
    return true;
}

}  // namespace quorvale
