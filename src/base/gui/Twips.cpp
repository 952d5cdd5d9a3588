#include "base/gui/Twips.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>
#include <algorithm>
#include <cmath>

namespace quorvale {
namespace {
constexpr double kDefaultDpi = 96.0;

double usableDpi(double dpi) { return std::isfinite(dpi) && dpi > 0 ? dpi : kDefaultDpi; }
}  // namespace

Twips::Twips(double dpiX, double dpiY) : m_dpiX(usableDpi(dpiX)), m_dpiY(usableDpi(dpiY)) {}

Twips::Twips(const QWidget& widget) : Twips(widget.logicalDpiX(), widget.logicalDpiY()) {}

double Twips::screenDpi() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    return usableDpi(screen ? screen->logicalDotsPerInch() : kDefaultDpi);
}

Twips Twips::screen() { return Twips(screenDpi()); }

int Twips::toPixels(double twips, double dpi) {
    const double pixels = twips * dpi / kPerInch;
    if (!std::isfinite(pixels)) {
        return 0;
    }
    return static_cast<int>(std::lround(std::clamp(pixels, -kPixelLimit, kPixelLimit)));
}

QRect Twips::rect(double left, double top, double width, double height) const {
    return QRect(QPoint(x(left), y(top)), QPoint(x(left + width) - 1, y(top + height) - 1));
}

}  // namespace quorvale
