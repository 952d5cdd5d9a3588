#pragma once
// A file name as the program's messages show it: with the platform's
// separators, and with control characters escaped ("\n", "\x1b"), so that
// a name cannot break a message into lines or act on a terminal.

#include <QString>

namespace quorvale {

QString shownPath(const QString& path);

}  // namespace quorvale
