#include "base/gui/AtomicFile.h"

#include <QFile>
#include <QSaveFile>

#include "base/FileKind.h"
#include "base/Texts.h"
#include "base/gui/QtText.h"

namespace quorvale {
namespace {

// Why nothing may be written at `path`, or an empty text. A device, FIFO or
// socket (or a link to one) is never replaced: the save would rename its
// file over the device, or block on the FIFO.
QString refusal(const QString& path) {
    const FileKind kind = fileKind(QFile::encodeName(path).toStdString());
    if (replaceable(kind)) {
        return {};
    }
    return qtext(texts::units::kNotReplaceable).arg(qtext(fileKindName(kind)));
}

// Why the bytes could not be written, or an empty text.
QString write(const QString& path, const QByteArray& bytes) {
    // Unbuffered, so that a short write (a full disk, a file size limit) is
    // seen here: a buffered one is flushed inside commit(), which then
    // reports success for a cut-off file and renames it over the old one.
    QSaveFile file(path);
    const auto size = static_cast<qint64>(bytes.size());
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) {
        return file.errorString();
    }
    if (const qint64 written = file.write(bytes); written != size) {
        const QString why = written < 0 ? file.errorString() : qtext(texts::units::kShortWrite).arg(written).arg(size);
        file.cancelWriting();
        return why;
    }
    // Looked at again just before the rename: what stands at the name may
    // have changed while the bytes were written.
    if (QString why = refusal(path); !why.isEmpty()) {
        file.cancelWriting();
        return why;
    }
    return file.commit() ? QString() : file.errorString();
}

}  // namespace

bool AtomicFile::save(const QString& path, const QByteArray& bytes, QString* reason) {
    QString why = refusal(path);
    if (why.isEmpty()) {
        why = write(path, bytes);
    }
    if (reason) {
        *reason = why;
    }
    return why.isEmpty();
}

}  // namespace quorvale
