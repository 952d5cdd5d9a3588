#pragma once
// Window layouts are laid out in twips (1440 to the inch): 15 twips make a
// pixel at 96 dpi, and the scale follows the screen's logical dpi so that a
// window keeps its proportions on a high-dpi screen.

#include <QRect>
#include <QSize>
#include <QWidget>
#include <QtMath>

namespace quorvale {

class TwipGeometry {
public:
    static constexpr double kTwipsPerInch = 1440.0;

    TwipGeometry(double dpiX, double dpiY) : m_dpiX(dpiX), m_dpiY(dpiY) {}
    explicit TwipGeometry(const QWidget& widget)
        : TwipGeometry(widget.logicalDpiX(), widget.logicalDpiY()) {}

    int x(int twips) const { return qRound(twips * m_dpiX / kTwipsPerInch); }
    int y(int twips) const { return qRound(twips * m_dpiY / kTwipsPerInch); }

    QSize size(int width, int height) const { return {x(width), y(height)}; }

    // Both edges are rounded, not the width, so that controls that touch in
    // twips still touch in pixels.
    QRect rect(int left, int top, int width, int height) const {
        return QRect(QPoint(x(left), y(top)), QPoint(x(left + width) - 1, y(top + height) - 1));
    }

private:
    double m_dpiX;
    double m_dpiY;
};

}  // namespace quorvale
