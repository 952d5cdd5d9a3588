#include "base/gui/SettingsStore.h"

#include <QDebug>
#include <QFile>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <cstdio>

#include "base/FileKind.h"
#include "base/Texts.h"
#include "base/gui/QtText.h"
#include "base/gui/ShownPath.h"

namespace quorvale {
namespace {

struct StoreState {
    QString folder;
    // Where the settings live while the real file is left alone.
    std::unique_ptr<QTemporaryDir> scratch;
    bool movedAside = false;
};

StoreState& state() {
    static StoreState s;
    return s;
}

std::string nativeName(const QString& path) { return QFile::encodeName(path).toStdString(); }

std::unique_ptr<QSettings> scratchStore(const QString& path, FileKind kind) {
    StoreState& s = state();
    if (!s.scratch) {
        s.scratch = std::make_unique<QTemporaryDir>();
        qWarning().noquote() << qtext(texts::shell::kSettingsLeftAlone).arg(shownPath(path), qtext(fileKindName(kind)));
    }
    return std::make_unique<QSettings>(s.scratch->filePath(QStringLiteral("settings.conf")), QSettings::IniFormat);
}

// A file the store cannot read goes aside once, so that the next start finds
// a clean one instead of re-reading the damage (and keeping what it made of
// it) for good.
void moveAside(const QString& path) {
    StoreState& s = state();
    if (s.movedAside) {
        return;
    }
    s.movedAside = true;
    const QString aside = path + QStringLiteral(".damaged");
    if (std::rename(nativeName(path).c_str(), nativeName(aside).c_str()) == 0) {
        qWarning().noquote() << qtext(texts::shell::kSettingsMovedAside).arg(shownPath(path), shownPath(aside));
    }
}

}  // namespace

QString SettingsStore::fileName() {
    const QString folder = state().folder.isEmpty()
                               ? QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation)
                               : state().folder;
    return folder + QStringLiteral("/Quorvale/") + QString::fromLatin1(texts::shell::kSettingsApplication) +
           QStringLiteral(".conf");
}

void SettingsStore::setFolder(const QString& folder) { state().folder = folder; }

std::unique_ptr<QSettings> SettingsStore::open() {
    // Its own file only: the store reads the file as it opens, and no other
    // file (an organisation-wide or system-wide one) is to be read unchecked.
    // Its lock file is read too, when a save finds it left over.
    const QString path = fileName();
    for (const QString& file : {path, path + QStringLiteral(".lock")}) {
        if (const FileKind kind = fileKind(nativeName(file)); !replaceable(kind) && kind != FileKind::Folder) {
            return scratchStore(file, kind);
        }
    }
    auto store = std::make_unique<QSettings>(path, QSettings::IniFormat);
    if (store->status() == QSettings::FormatError && !state().movedAside) {
        store.reset();
        moveAside(path);
        store = std::make_unique<QSettings>(path, QSettings::IniFormat);
    }
    return store;
}

}  // namespace quorvale
