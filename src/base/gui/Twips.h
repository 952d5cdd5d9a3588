#pragma once
// Window geometry is designed in twips (1440 to the inch); the toolkit works
// in its own device-independent pixels. At 96 dots per inch a pixel is 15
// twips; other screens scale with their logical resolution, so a window keeps
// its proportions on a high-dpi screen.

#include <QRect>
#include <QSize>

class QWidget;

namespace quorvale {

class Twips {
public:
    static constexpr double kPerInch = 1440.0;
    // Absurd lengths (a corrupt stored placement, say) are held to a million
    // pixels either way so they never overflow.
    static constexpr double kPixelLimit = 1e6;

    Twips(double dpiX, double dpiY);
    explicit Twips(double dpi) : Twips(dpi, dpi) {}
    // At the logical resolution of the screen the widget is on.
    explicit Twips(const QWidget& widget);
    // At the primary screen's logical resolution.
    static Twips screen();
    // The primary screen's logical resolution, 96 when there is no screen.
    static double screenDpi();

    // Pixels for a twip length or position, rounded.
    int x(double twips) const { return toPixels(twips, m_dpiX); }
    int y(double twips) const { return toPixels(twips, m_dpiY); }
    QSize size(double width, double height) const { return {x(width), y(height)}; }
    // Both edges are rounded, not the width, so that controls that touch in
    // twips still touch in pixels.
    QRect rect(double left, double top, double width, double height) const;

    // Twips for a pixel length or position.
    double fromX(int pixels) const { return pixels * kPerInch / m_dpiX; }
    double fromY(int pixels) const { return pixels * kPerInch / m_dpiY; }

private:
    static int toPixels(double twips, double dpi);

    double m_dpiX;
    double m_dpiY;
};

}  // namespace quorvale
