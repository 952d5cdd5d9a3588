#include "base/gui/ShownPath.h"

#include <QDir>

#include "base/Utf8.h"

namespace quorvale {

QString shownPath(const QString& path) {
    return QString::fromStdString(escapedControls(QDir::toNativeSeparators(path).toStdString()));
}

}  // namespace quorvale
