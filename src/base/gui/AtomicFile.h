#pragma once
// Saving a file so that a failure never damages the file it replaces: the
// bytes go to a temporary file beside it, which takes the file's name only
// when every byte is written. Only a regular file is replaced: a path that
// is, or links to, a device, FIFO, socket or folder is refused untouched.

#include <QByteArray>
#include <QString>

namespace quorvale {

class AtomicFile {
public:
    // True when saved; otherwise `reason` says why, and any earlier file of
    // that name is as it was.
    static bool save(const QString& path, const QByteArray& bytes, QString* reason);
};

}  // namespace quorvale
