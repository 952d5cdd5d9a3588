#include "units/gui/UnitActions.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QDropEvent>
#include <QFile>
#include <QFileInfo>
#include <QMainWindow>
#include <QMenu>
#include <QMimeData>
#include <QSettings>
#include <QStandardPaths>
#include <QStyle>
#include <QToolBar>
#include <QUrl>

#include "base/Texts.h"
#include "base/gui/AtomicFile.h"
#include "base/gui/DialogHooks.h"
#include "base/gui/QtText.h"
#include "base/gui/ToolsHost.h"
#include "decision/gui/FrmDecision.h"
#include "base/gui/WindowRegistry.h"
#include "base/gui/SettingsStore.h"
#include "base/gui/ShownPath.h"
#include "inputs/gui/FrmData.h"
#include "simulator/gui/FrmStats.h"

namespace quorvale {
namespace {

using namespace texts::units;

QString groupKey(const char* group, const char* key) {
    return QString::fromLatin1(group) + QLatin1Char('/') + QString::fromLatin1(key);
}

const char kRecentFilesKey[] = "Files";
const char kDocumentKey[] = "Document";

bool isUnitFile(const QString& path) {
    return path.endsWith(QString::fromLatin1(kUnitFileSuffix), Qt::CaseInsensitive);
}

// Theme icons where the desktop has them, the style's own otherwise.
QIcon icon(const char* themeName, QStyle::StandardPixmap fallback) {
    return QIcon::fromTheme(QString::fromLatin1(themeName), QApplication::style()->standardIcon(fallback));
}

int defaultTarget() { return QString::fromUtf8(texts::simulator::kDefaultTarget).toInt(); }

// Numbers are shown in the user's locale, as the windows read them.
ValueRule userRule() { return ValueRule(FrmData::userNumberLocale()); }

// The target a unit keeps: the number the Simulator reads from its field,
// or the one "Go" puts in; a closed Simulator window holds no target and
// opens again with the default one.
std::string targetOf(FrmStats* simulator) {
    if (!simulator) {
        return texts::simulator::kDefaultTarget;
    }
    return fixedNumberText(userRule().readEntry(simulator->targetText().toStdString(), defaultTarget()).value);
}

}  // namespace

UnitActions::UnitActions(ToolsHost& host) : QObject(&host.mainWindow()), m_host(host), m_main(host.mainWindow()) {
    setObjectName(QStringLiteral("unitActions"));
    buildActions();
    updateRecentActions();

    // The Variables window is created again whenever it was closed and is
    // referred to; each one hands over its inputs as it closes.
    connect(&m_host.windows(), &WindowRegistry::windowLoaded, this, [this](WindowId id) {
        if (id == WindowId::FrmData) {
            watchVariablesWindow(qobject_cast<FrmData*>(m_host.windows().window(WindowId::FrmData)));
        }
        if (auto* decision = qobject_cast<FrmDecision*>(m_host.windows().window(WindowId::FrmDecision));
            decision && id == WindowId::FrmDecision) {
            decision->setBeliefs(m_beliefs);
            connect(decision, &FrmDecision::beliefsChanged, this,
                    [this, decision] { m_beliefs = decision->beliefsToKeep(); });
        }
    });
    watchVariablesWindow(qobject_cast<FrmData*>(m_host.windows().window(WindowId::FrmData)));

    // Drops are taken wherever in the main window they land, also on an
    // entry field, which would otherwise paste the file's address as text.
    m_main.setAcceptDrops(true);
    qApp->installEventFilter(this);
}

void UnitActions::buildActions() {
    QMenu* tools = m_host.toolsMenu();
    m_toolBar = m_main.addToolBar(qtext(kToolBar));
    m_toolBar->setObjectName(QStringLiteral("tbTools"));
    m_toolBar->setMovable(false);

    m_open = tools->addAction(icon("document-open", QStyle::SP_DialogOpenButton), qtext(kOpenUnit));
    m_open->setObjectName(QStringLiteral("mnuToolsOpenUnit"));
    m_open->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_O));
    m_open->setToolTip(qtext(kOpenUnitTip));
    connect(m_open, &QAction::triggered, this, &UnitActions::chooseAndOpen);

    m_saveAs = tools->addAction(icon("document-save-as", QStyle::SP_DialogSaveButton), qtext(kSaveUnitAs));
    m_saveAs->setObjectName(QStringLiteral("mnuToolsSaveUnitAs"));
    m_saveAs->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S));
    m_saveAs->setToolTip(qtext(kSaveUnitTip));
    connect(m_saveAs, &QAction::triggered, this, &UnitActions::chooseAndSave);

    m_restore = tools->addAction(icon("document-revert", QStyle::SP_BrowserReload), qtext(kRestoreLastInputs));
    m_restore->setObjectName(QStringLiteral("mnuToolsRestoreLastInputs"));
    m_restore->setToolTip(qtext(kRestoreTip));
    connect(m_restore, &QAction::triggered, this, &UnitActions::restoreLastInputs);

    m_recentSeparator = tools->addSeparator();
    m_recentSeparator->setObjectName(QStringLiteral("mnuToolsRecentBar"));
    for (int i = 0; i < kRecentCount; ++i) {
        QAction* recent = tools->addAction(QString());
        recent->setObjectName(QStringLiteral("mnuToolsRecentUnit_%1").arg(i + 1));
        connect(recent, &QAction::triggered, this, [this, i] { openRecent(i); });
        m_recent.append(recent);
    }
    tools->addSeparator()->setObjectName(QStringLiteral("mnuToolsUnitBar"));

    m_toolBar->addAction(m_open);
    m_toolBar->addAction(m_saveAs);
    m_toolBar->addAction(m_restore);
}

void UnitActions::chooseAndOpen() {
    const QString directory = m_path.isEmpty() ? QDir::homePath() : QFileInfo(m_path).absolutePath();
    const QString path = DialogHooks::openFileName(&m_main, qtext(kOpenCaption), directory, qtext(kFilter));
    if (!path.isEmpty()) {
        openUnit(path);
    }
}

void UnitActions::chooseAndSave() {
    const QString suggested = m_path.isEmpty() ? QDir(QDir::homePath()).filePath(qtext(kUntitled)) : m_path;
    QString path = DialogHooks::saveFileName(&m_main, qtext(kSaveCaption), suggested, qtext(kFilter));
    if (path.isEmpty()) {
        return;
    }
    if (QFileInfo(path).suffix().isEmpty()) {
        path += QString::fromLatin1(kUnitFileSuffix);
    }
    saveUnit(path);
}

bool UnitActions::openUnit(const QString& path) {
    const QString absolute = QFileInfo(path).absoluteFilePath();
    const UnitReadResult read = readUnitFile(QFile::encodeName(QDir::toNativeSeparators(absolute)).toStdString());
    if (!read) {
        DialogHooks::message(&m_main, qtext(kOpenFailed).arg(QString::fromStdString(read.error)));
        return false;
    }
    if (!fill(*read.document)) {
        return false;
    }
    m_path = absolute;
    rememberRecent(absolute);
    // One message after opening: the numbers not read as the file writes
    // them, then the parts of it that were not used.
    QStringList parts;
    if (!read.notes.empty()) {
        QStringList lines;
        for (const UnitEntryNote& note : read.notes) {
            lines.append(QString::fromStdString(note.line));
        }
        parts.append(qtext(kOpenedWithNotes).arg(lines.join(QLatin1Char('\n'))));
    }
    if (!read.warnings.empty()) {
        QStringList lines;
        for (const std::string& warning : read.warnings) {
            lines.append(QString::fromStdString(warning));
        }
        parts.append(qtext(kOpenedWithWarnings).arg(lines.join(QLatin1Char('\n'))));
    }
    if (!parts.isEmpty()) {
        DialogHooks::message(&m_main, parts.join(QStringLiteral("\n\n")));
    }
    return true;
}

bool UnitActions::openUnitDocument(const UnitDocument& unit) {
    if (!fill(unit)) {
        return false;
    }
    m_path.clear();
    return true;
}

bool UnitActions::fill(const UnitDocument& unit) {
    FrmData* data = m_host.windows().loadAs<FrmData>(WindowId::FrmData);
    if (!data) {
        return false;
    }
    // While a run reads the inputs the Variables window is disabled, and the
    // inputs must not change under the run.
    if (!data->isEnabled()) {
        DialogHooks::message(&m_main, qtext(kBusy));
        return false;
    }
    m_name = unit.name;
    m_notes = unit.notes;
    m_beliefs = unit.beliefs;
    if (auto* decision = qobject_cast<FrmDecision*>(m_host.windows().window(WindowId::FrmDecision))) {
        decision->setBeliefs(unit.beliefs);
    }
    // The target first: the analysis that the inputs start reads nothing of
    // it, but the Simulator window is then complete when the charts redraw.
    if (auto* simulator = m_host.windows().loadAs<FrmStats>(WindowId::FrmStats)) {
        simulator->setTargetText(QString::fromStdString(unitNumberIn(unit.target, defaultTarget(), userRule())));
    }
    data->fillInputs(unit);
    m_inputsPutIn = true;
    return true;
}

bool UnitActions::saveUnit(const QString& path) {
    UnitDocument unit = currentUnit();
    if (unit.name.empty()) {
        unit.name = QFileInfo(path).completeBaseName().toStdString();
    }
    const std::string bytes = writeUnitDocument(unit);

    QString reason;
    if (!AtomicFile::save(path, QByteArray::fromStdString(bytes), &reason)) {
        DialogHooks::message(&m_main, qtext(kSaveFailed).arg(shownPath(path), reason));
        return false;
    }
    m_path = QFileInfo(path).absoluteFilePath();
    m_name = unit.name;
    rememberRecent(m_path);
    return true;
}

UnitDocument UnitActions::currentUnit() const {
    // Asking for the inputs of a closed Variables window opens it with the
    // defaults, as any other reference to it would.
    FrmData* data = m_host.windows().loadAs<FrmData>(WindowId::FrmData);
    auto* simulator = qobject_cast<FrmStats*>(m_host.windows().window(WindowId::FrmStats));
    const std::string target = targetOf(simulator);
    UnitDocument unit = data ? unitFromInputs(*data, target) : defaultUnitDocument();
    unit.target = target;
    unit.name = m_name;
    unit.notes = m_notes;
    unit.beliefs = m_beliefs;
    return unit;
}

QString UnitActions::unitName() const {
    if (!m_name.empty()) {
        return QString::fromStdString(m_name);
    }
    return m_path.isEmpty() ? QString() : QFileInfo(m_path).completeBaseName();
}

// ---- Kept inputs -----------------------------------------------------------

void UnitActions::watchVariablesWindow(FrmData* data) {
    if (data) {
        // What a new window starts with is not the user's: until they edit
        // it or put a unit in, closing it keeps nothing, so the inputs kept
        // last survive a start that only looked.
        m_startInputs = inputsToKeep(*data);
        m_inputsPutIn = false;
        connect(data, &FrmData::unloading, this, [this, data] { keepInputs(*data); });
    }
}

UnitDocument UnitActions::inputsToKeep(FrmData& data) const {
    UnitDocument unit =
        unitFromInputs(data, targetOf(qobject_cast<FrmStats*>(m_host.windows().window(WindowId::FrmStats))));
    unit.name = m_name;
    unit.notes = m_notes;
    return unit;
}

void UnitActions::keepInputs(FrmData& data) {
    const UnitDocument unit = inputsToKeep(data);
    if (!m_inputsPutIn && unit == m_startInputs) {
        return;
    }
    std::unique_ptr<QSettings> store = SettingsStore::open();
    store->setValue(groupKey(kLastInputsGroup, kDocumentKey), QString::fromStdString(writeUnitDocument(unit)));
    store->sync();
    m_restore->setEnabled(true);
}

std::optional<UnitDocument> UnitActions::keptInputs() const {
    std::unique_ptr<QSettings> store = SettingsStore::open();
    const QString text = store->value(groupKey(kLastInputsGroup, kDocumentKey)).toString();
    if (text.isEmpty()) {
        return std::nullopt;
    }
    // The settings file can be edited by hand: what is kept goes through the
    // same checks as a unit file.
    UnitReadResult read = readUnitDocument(kLastInputsGroup, text.toStdString());
    return read.document;
}

bool UnitActions::restoreLastInputs() {
    const std::optional<UnitDocument> kept = keptInputs();
    if (!kept) {
        DialogHooks::message(&m_main, qtext(kNoLastInputs));
        return false;
    }
    return fill(*kept);
}

// ---- Recent units ----------------------------------------------------------

QStringList UnitActions::recentUnits() const {
    std::unique_ptr<QSettings> store = SettingsStore::open();
    QStringList files = store->value(groupKey(kRecentGroup, kRecentFilesKey)).toStringList();
    files.removeAll(QString());
    return files.mid(0, kRecentCount);
}

void UnitActions::rememberRecent(const QString& path) {
    QStringList files = recentUnits();
    files.removeAll(path);
    files.prepend(path);
    std::unique_ptr<QSettings> store = SettingsStore::open();
    store->setValue(groupKey(kRecentGroup, kRecentFilesKey), files.mid(0, kRecentCount));
    store->sync();
    updateRecentActions();
}

void UnitActions::forgetRecent(const QString& path) {
    QStringList files = recentUnits();
    files.removeAll(path);
    std::unique_ptr<QSettings> store = SettingsStore::open();
    store->setValue(groupKey(kRecentGroup, kRecentFilesKey), files);
    store->sync();
    updateRecentActions();
}

void UnitActions::updateRecentActions() {
    const QStringList files = recentUnits();
    for (int i = 0; i < m_recent.size(); ++i) {
        QAction* action = m_recent[i];
        if (i < files.size()) {
            QString shown = shownPath(files[i]);
            shown.replace(QLatin1Char('&'), QLatin1String("&&"));
            action->setText(qtext(kRecentUnit).arg(i + 1).arg(shown));
            action->setData(files[i]);
            action->setVisible(true);
        } else {
            action->setData(QString());
            action->setVisible(false);
        }
    }
    m_recentSeparator->setVisible(!files.isEmpty());
    m_restore->setEnabled(keptInputs().has_value());
}

void UnitActions::openRecent(int index) {
    const QString path = m_recent.value(index) ? m_recent[index]->data().toString() : QString();
    if (path.isEmpty()) {
        return;
    }
    if (!QFileInfo::exists(path)) {
        forgetRecent(path);
        DialogHooks::message(&m_main, qtext(kRecentMissing).arg(shownPath(path)));
        return;
    }
    openUnit(path);
}

// ---- Drops -----------------------------------------------------------------

QString UnitActions::unitFileIn(const QMimeData* mime) const {
    if (!mime || !mime->hasUrls()) {
        return {};
    }
    for (const QUrl& url : mime->urls()) {
        if (url.isLocalFile() && isUnitFile(url.toLocalFile())) {
            return url.toLocalFile();
        }
    }
    return {};
}

bool UnitActions::eventFilter(QObject* watched, QEvent* event) {
    const QEvent::Type type = event->type();
    if (type != QEvent::DragEnter && type != QEvent::DragMove && type != QEvent::Drop) {
        return false;
    }
    auto* widget = qobject_cast<QWidget*>(watched);
    if (!widget || widget->window() != &m_main) {
        return false;
    }
    auto* drop = static_cast<QDropEvent*>(event);
    const QString path = unitFileIn(drop->mimeData());
    if (path.isEmpty()) {
        return false;
    }
    drop->setDropAction(Qt::CopyAction);
    drop->accept();
    if (type == QEvent::Drop) {
        openUnit(path);
    }
    return true;
}

}  // namespace quorvale
