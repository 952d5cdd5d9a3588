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
    const int shown = static_cast<int>(std::lround(fraction * kResolution));
    if (shown == value()) {
        return true;
    }
    // A progress bar repaints itself, and puts its window on screen, at once
    // on every visible change of its value; this one joins the window's next
    // repaint instead, with the fields written beside it. While the window
    // holds its repaints, the bar's own repaint waits with them.
    if (updatesEnabled()) {
        setUpdatesEnabled(false);
        setValue(shown);
        setUpdatesEnabled(true);
    } else {
        setValue(shown);
    }
    return true;
}

}  // namespace quorvale
