#include "about/gui/ProgramLauncher.h"

#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>

namespace quorvale {

bool DesktopLauncher::fileExists(const QString& path) { return QFileInfo(path).isFile(); }

QString DesktopLauncher::findOnPath(const QString& program) { return QStandardPaths::findExecutable(program); }

bool DesktopLauncher::start(const QString& path) { return QProcess::startDetached(path, {}); }

}  // namespace quorvale
