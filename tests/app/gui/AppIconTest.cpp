// The packaged icon (an SVG for the desktop's menus and file managers) shows
// the same picture the program draws for its own windows.

#include <QImage>
#include <QPainter>
#include <QSvgRenderer>
#include <QtTest>
#include <cstdlib>

#include "GuiTestSupport.h"
#include "app/gui/AppIcon.h"

using namespace quorvale;

class AppIconTest : public QObject {
    Q_OBJECT

private slots:
    void packagedIconDrawsTheProgramsPicture() {
        QSvgRenderer svg(QStringLiteral(QUORVALE_PACKAGED_ICON));
        QVERIFY2(svg.isValid(), QUORVALE_PACKAGED_ICON);
        // From 64 px up: below that the program thickens its thinnest lines.
        for (int size : {64, 128}) {
            QImage packaged(size, size, QImage::Format_ARGB32);
            packaged.fill(Qt::transparent);
            QPainter painter(&packaged);
            svg.render(&painter);
            painter.end();
            const QImage drawn = AppIcon::pixmap(size).toImage().convertToFormat(QImage::Format_ARGB32);

            // Antialiased edges may differ by a shade; a changed colour or shape
            // moves many pixels by far more.
            int farApart = 0;
            for (int y = 0; y < size; ++y) {
                for (int x = 0; x < size; ++x) {
                    const QRgb a = packaged.pixel(x, y);
                    const QRgb b = drawn.pixel(x, y);
                    const int gap = std::abs(qRed(a) - qRed(b)) + std::abs(qGreen(a) - qGreen(b)) +
                                    std::abs(qBlue(a) - qBlue(b)) + std::abs(qAlpha(a) - qAlpha(b));
                    farApart += gap > 96 ? 1 : 0;
                }
            }
            QVERIFY2(
                farApart <= size * size / 100,
                qPrintable(QStringLiteral("%1 of %2 pixels differ at %3 px").arg(farApart).arg(size * size).arg(size)));
        }
    }
};

QUORVALE_GUI_TEST_MAIN(AppIconTest)
#include "AppIconTest.moc"
