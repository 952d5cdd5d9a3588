#include "app/gui/AppIcon.h"

#include <QPainter>
#include <QPainterPath>

namespace quorvale {

QPixmap AppIcon::pixmap(int size) {
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    const double s = size / 100.0;
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0xd8, 0xe8, 0xf0));
    p.drawRoundedRect(QRectF(0, 0, size, size), 8 * s, 8 * s);
    QPainterPath slope;
    slope.moveTo(0, 100 * s);
    slope.lineTo(0, 70 * s);
    slope.lineTo(100 * s, 35 * s);
    slope.lineTo(100 * s, 100 * s);
    slope.closeSubpath();
    p.setBrush(QColor(0x4a, 0x7a, 0x3a));
    p.drawPath(slope);
    p.setPen(QPen(QColor(0x5a, 0x3a, 0x1a), std::max(1.5, 5 * s)));
    p.drawLine(QPointF(14 * s, 68 * s), QPointF(14 * s, 18 * s));
    p.drawLine(QPointF(86 * s, 42 * s), QPointF(86 * s, 10 * s));
    p.setPen(QPen(Qt::black, std::max(1.0, 2 * s)));
    p.drawLine(QPointF(14 * s, 18 * s), QPointF(86 * s, 10 * s));
    p.drawLine(QPointF(50 * s, 14 * s), QPointF(50 * s, 32 * s));
    p.setPen(QPen(QColor(0x8a, 0x5a, 0x2a), std::max(2.0, 8 * s), Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(40 * s, 36 * s), QPointF(60 * s, 31 * s));
    return pixmap;
}

QIcon AppIcon::icon() {
    QIcon icon;
    for (int size : {16, 24, 32, 48, 64, 128}) {
        icon.addPixmap(pixmap(size));
    }
    return icon;
}

}  // namespace quorvale
