#include "base/gui/AtomicFile.h"

#include <QSaveFile>

#include "base/Texts.h"

namespace quorvale {

bool AtomicFile::save(const QString& path, const QByteArray& bytes, QString* reason) {
    // Unbuffered, so that a short write (a full disk, a file size limit) is
    // seen here: a buffered one is flushed inside commit(), which then
    // reports success for a cut-off file and renames it over the old one.
    QSaveFile file(path);
    const auto size = static_cast<qint64>(bytes.size());
    QString why;
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) {
        why = file.errorString();
    } else if (const qint64 written = file.write(bytes); written != size) {
        why = written < 0 ? file.errorString() : QString::fromUtf8(texts::units::kShortWrite).arg(written).arg(size);
        file.cancelWriting();
    } else if (!file.commit()) {
        why = file.errorString();
    }
    if (reason) {
        *reason = why;
    }
    return why.isEmpty();
}

}  // namespace quorvale
