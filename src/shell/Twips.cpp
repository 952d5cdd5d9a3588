#include "shell/Twips.h"

#include <QGuiApplication>
#include <QScreen>
#include <algorithm>
#include <cmath>

namespace quorvale {
namespace {
constexpr double kTwipsPerInch = 1440;
constexpr double kPixelLimit = 1e6;
}  // namespace

double Twips::screenDpi() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    const double dpi = screen ? screen->logicalDotsPerInch() : 96.0;
    return std::isfinite(dpi) && dpi > 0 ? dpi : 96.0;
}

int Twips::toPixels(double twips, double dpi) {
    const double pixels = twips * dpi / kTwipsPerInch;
    if (!std::isfinite(pixels)) {
        return 0;
    }
    return static_cast<int>(std::lround(std::clamp(pixels, -kPixelLimit, kPixelLimit)));
}

double Twips::fromPixels(int pixels, double dpi) { return pixels * kTwipsPerInch / dpi; }

QSize Twips::size(double widthTwips, double heightTwips, double dpi) {
    return {toPixels(widthTwips, dpi), toPixels(heightTwips, dpi)};
}

}  // namespace quorvale
