// Renders the program's SVG icon to a square PNG of the given size, so the
// package's bitmap icons are made from the one drawing at build time.
// Usage: quorvale_render_icon ICON.svg SIZE OUT.png
// Paths and fills only, painted into an image: no application object or
// display is needed.

#include <QImage>
#include <QPainter>
#include <QSvgRenderer>
#include <cstdio>
#include <cstdlib>

int main(int argc, char** argv) {
    if (argc != 4) {
        std::fputs("usage: quorvale_render_icon ICON.svg SIZE OUT.png\n", stderr);
        return 2;
    }
    const int size = std::atoi(argv[2]);
    QSvgRenderer svg(QString::fromLocal8Bit(argv[1]));
    if (!svg.isValid() || size <= 0) {
        std::fprintf(stderr, "quorvale_render_icon: cannot render %s at size %s\n", argv[1], argv[2]);
        return 1;
    }
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    svg.render(&painter);
    painter.end();
    if (!image.save(QString::fromLocal8Bit(argv[3]), "PNG")) {
        std::fprintf(stderr, "quorvale_render_icon: cannot write %s\n", argv[3]);
        return 1;
    }
    return 0;
}
