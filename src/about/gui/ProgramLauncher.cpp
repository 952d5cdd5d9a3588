#include "about/gui/ProgramLauncher.h"

#include <QProcess>
#include <QStandardPaths>

namespace quorvale {

QString DesktopLauncher::findOnPath(const QString& program) { return QStandardPaths::findExecutable(program); }

bool DesktopLauncher::start(const QString& path) { return QProcess::startDetached(path, {}); }

}  // namespace quorvale
