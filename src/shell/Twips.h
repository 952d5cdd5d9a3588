#pragma once
// Window geometry is designed in twips (1440 to the inch); the toolkit works
// in its own device-independent pixels. At 96 dots per inch a pixel is 15
// twips; other screens scale with their logical resolution.

#include <QSize>

namespace quorvale {

class Twips {
public:
    // The primary screen's logical resolution, 96 when there is no screen.
    static double screenDpi();
    // Pixels for a twip length, rounded; absurd lengths are held to a
    // million pixels either way so they never overflow.
    static int toPixels(double twips, double dpi = screenDpi());
    static double fromPixels(int pixels, double dpi = screenDpi());
    static QSize size(double widthTwips, double heightTwips, double dpi = screenDpi());
};

}  // namespace quorvale
