#pragma once
// The program's picture: a skyline between two spars carrying a log over a
// slope. Drawn in code, so it needs no image files.

#include <QIcon>
#include <QPixmap>

namespace quorvale {

class AppIcon {
public:
    static QPixmap pixmap(int size);
    static QIcon icon();
};

}  // namespace quorvale
