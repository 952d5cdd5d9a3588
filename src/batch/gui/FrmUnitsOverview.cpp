#include "batch/gui/FrmUnitsOverview.h"

#include <QFileInfo>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QSortFilterProxyModel>
#include <QStandardItemModel>
#include <QTableView>
#include <QTimer>
#include <QVBoxLayout>
#include <cmath>
#include <limits>
#include <sstream>
#include <thread>

#include "base/CsvWriter.h"
#include "base/Texts.h"
#include "base/gui/AtomicFile.h"
#include "base/gui/DialogHooks.h"
#include "base/gui/QtText.h"
#include "base/gui/ShownPath.h"
#include "batch/gui/OverviewRun.h"
#include "cli/BatchUnitRun.h"
#include "simulator/MonteCarloRun.h"
#include "units/gui/UnitActions.h"

namespace quorvale {
namespace {

namespace t = texts::batch;

// Where a row keeps what it sorts by, and the figures it saves.
constexpr int kSortRole = Qt::UserRole;
constexpr int kFigureRole = Qt::UserRole + 1;
// A figure a unit has none of sorts after every other.
constexpr double kNoneSorts = std::numeric_limits<double>::max();

QStandardItem* item(const QString& text, const QVariant& sortKey) {
    auto* cell = new QStandardItem(text);
    cell->setData(sortKey, kSortRole);
    cell->setEditable(false);
    return cell;
}

QString stations(double feet) { return QString::number(feet / 100, 'f', 0); }

}  // namespace

FrmUnitsOverview::FrmUnitsOverview(UnitActions& units, QWidget* parent)
    : ChildWindow(parent),
      m_units(units),
      m_model(new QStandardItemModel(0, ColumnCount, this)),
      m_sorted(new QSortFilterProxyModel(this)),
      m_table(new QTableView(this)),
      m_progress(new QProgressBar(this)),
      m_state(new QLabel(this)),
      m_openButton(new QPushButton(qtext(t::kOpen), this)),
      m_runButton(new QPushButton(qtext(t::kRun), this)),
      m_cancelButton(new QPushButton(qtext(t::kCancel), this)),
      m_saveButton(new QPushButton(qtext(t::kSaveCsv), this)),
      m_poll(new QTimer(this)) {
    setWindowTitle(qtext(t::kCaption));
    m_model->setHorizontalHeaderLabels({qtext(t::kColumnName), qtext(t::kColumnPattern), qtext(t::kColumnEyd),
                                        qtext(t::kColumnCost), qtext(t::kColumnBand), qtext(t::kColumnStatus)});
    m_sorted->setSourceModel(m_model);
    m_sorted->setSortRole(kSortRole);
    m_table->setObjectName(QStringLiteral("unitsTable"));
    m_table->setModel(m_sorted);
    m_table->setSortingEnabled(true);
    m_table->sortByColumn(-1, Qt::AscendingOrder);  // input order until a heading is clicked
    m_table->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_table->setSelectionMode(QAbstractItemView::SingleSelection);
    m_table->verticalHeader()->hide();
    m_table->horizontalHeader()->setStretchLastSection(true);
    connect(m_table, &QTableView::doubleClicked, this, &FrmUnitsOverview::openUnitAt);

    m_openButton->setObjectName(QStringLiteral("cmdOpenUnits"));
    m_runButton->setObjectName(QStringLiteral("cmdRunUnits"));
    m_cancelButton->setObjectName(QStringLiteral("cmdCancelUnits"));
    m_saveButton->setObjectName(QStringLiteral("cmdSaveUnits"));
    m_progress->setObjectName(QStringLiteral("unitsProgress"));
    connect(m_openButton, &QPushButton::clicked, this, &FrmUnitsOverview::chooseAndOpen);
    connect(m_runButton, &QPushButton::clicked, this, &FrmUnitsOverview::run);
    connect(m_cancelButton, &QPushButton::clicked, this, &FrmUnitsOverview::cancel);
    connect(m_saveButton, &QPushButton::clicked, this, &FrmUnitsOverview::chooseAndSave);
    m_poll->setInterval(100);
    connect(m_poll, &QTimer::timeout, this, &FrmUnitsOverview::takeRows);

    auto* buttons = new QHBoxLayout;
    for (QPushButton* button : {m_openButton, m_runButton, m_cancelButton, m_saveButton}) {
        buttons->addWidget(button);
    }
    buttons->addWidget(m_progress, 1);
    buttons->addWidget(m_state);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(buttons);
    layout->addWidget(m_table, 1);
    m_state->setText(qtext(t::kNoUnits));
    updateButtons();
}

FrmUnitsOverview::~FrmUnitsOverview() = default;

QSize FrmUnitsOverview::sizeHint() const { return {900, 520}; }

void FrmUnitsOverview::unloadWindow() { m_run.reset(); }

bool FrmUnitsOverview::openPaths(const QStringList& paths) {
    if (m_run) {
        return false;
    }
    // A unit file stands for the units of its folder.
    QStringList listed;
    std::vector<std::string> native;
    for (const QString& path : paths) {
        const QFileInfo info(path);
        const QString shown =
            info.isFile() && path.endsWith(QString::fromUtf8(kUnitFileSuffix)) ? info.absolutePath() : path;
        listed.append(shown);
        native.push_back(QFile::encodeName(shown).toStdString());
    }
    std::vector<BatchUnit> units;
    try {
        BatchInput input(native);
        while (auto unit = input.next()) {
            units.push_back(std::move(*unit));
        }
    } catch (const BatchInputError& e) {
        DialogHooks::message(this, qtext(t::kListFailed).arg(QString::fromStdString(e.what())));
        return false;
    }
    m_paths = listed;
    m_listed = std::move(units);
    m_model->removeRows(0, m_model->rowCount());
    m_table->sortByColumn(-1, Qt::AscendingOrder);
    for (const BatchUnit& unit : m_listed) {
        const QString name = QString::fromStdString(unit.file.empty() ? unit.name : BatchInput::fileStem(unit.file));
        const QList<QStandardItem*> row = {
            item(name, name.toLower()),  item(QString::fromStdString(unit.pattern), QString()),
            item(QString(), kNoneSorts), item(QString(), kNoneSorts),
            item(QString(), kNoneSorts), item(qtext(t::kStatusWaiting), qtext(t::kStatusWaiting))};
        m_model->appendRow(row);
    }
    m_failed = 0;
    m_progress->setRange(0, static_cast<int>(m_listed.size()));
    m_progress->setValue(0);
    m_state->setText(m_listed.empty() ? qtext(t::kNoUnits) : qtext(t::kProgressText).arg(0).arg(m_listed.size()));
    updateButtons();
    return !m_listed.empty();
}

void FrmUnitsOverview::run() {
    if (m_run || m_listed.empty()) {
        return;
    }
    for (int r = 0; r < m_model->rowCount(); ++r) {
        m_model->item(r, Status)->setText(qtext(t::kStatusWaiting));
    }
    m_failed = 0;
    m_progress->setValue(0);
    std::vector<std::string> native;
    for (const QString& path : m_paths) {
        native.push_back(QFile::encodeName(path).toStdString());
    }
    m_run = std::make_unique<OverviewRun>(native, m_seed ? *m_seed : seedFromClock(),
                                          std::max(1u, std::thread::hardware_concurrency()));
    connect(m_run.get(), &OverviewRun::finished, this, &FrmUnitsOverview::runFinished);
    m_run->start();
    m_poll->start();
    updateButtons();
}

void FrmUnitsOverview::cancel() {
    if (m_run) {
        m_run->cancel();
        updateButtons();
    }
}

void FrmUnitsOverview::takeRows() {
    if (!m_run) {
        return;
    }
    for (const BatchRow& row : m_run->takeRows()) {
        showRow(row);
    }
    m_progress->setValue(static_cast<int>(m_run->done()));
    m_state->setText(qtext(t::kProgressText).arg(m_run->done()).arg(m_listed.size()));
}

void FrmUnitsOverview::showRow(const BatchRow& row) {
    const int r = static_cast<int>(row.index);
    if (r >= m_model->rowCount()) {
        return;
    }
    const QString name = QString::fromStdString(row.name);
    m_model->setItem(r, Name, item(name, name.toLower()));
    m_model->setItem(r, Pattern, item(QString::fromStdString(row.pattern), QString::fromStdString(row.pattern)));
    const bool ok = row.error.empty() && row.result;
    const QString status = ok ? qtext(t::kStatusOk) : QString::fromStdString(row.error);
    m_model->setItem(r, Status, item(status, status.toLower()));
    m_failed += ok ? 0 : 1;
    if (!ok) {
        return;
    }
    const DecisionResult& d = *row.result;
    auto* eyd = item(stations(d.recommendedEyd), d.recommendedEyd);
    eyd->setData(d.recommendedEyd, kFigureRole);
    auto* cost = item(QString::number(d.recommendedMean, 'f', 2), d.recommendedMean);
    cost->setData(d.recommendedMean, kFigureRole);
    auto* band = item(QStringLiteral("%1\u2013%2").arg(stations(d.bandFromEyd), stations(d.bandToEyd)), d.bandFromEyd);
    band->setData(QVariantList{d.bandFromEyd, d.bandToEyd}, kFigureRole);
    for (QStandardItem* figure : {eyd, cost, band}) {
        figure->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
    }
    m_model->setItem(r, Eyd, eyd);
    m_model->setItem(r, Cost, cost);
    m_model->setItem(r, Band, band);
}

void FrmUnitsOverview::runFinished() {
    if (!m_run) {
        return;
    }
    m_poll->stop();
    takeRows();
    const bool cancelled = m_run->isCancelled();
    const std::size_t done = m_run->done();
    const QString error = QString::fromStdString(m_run->error());
    m_run.reset();
    for (int r = 0; r < m_model->rowCount(); ++r) {
        if (m_model->item(r, Status)->text() == qtext(t::kStatusWaiting)) {
            m_model->item(r, Status)->setText(qtext(t::kStatusCancelled));
        }
    }
    m_state->setText(cancelled ? qtext(t::kCancelledText).arg(done).arg(m_listed.size())
                               : qtext(t::kFinishedText).arg(m_failed).arg(done));
    updateButtons();
    if (!error.isEmpty()) {
        DialogHooks::message(this, qtext(t::kListFailed).arg(error));
    }
    emit runEnded();
}

bool FrmUnitsOverview::saveCsv(const QString& path) {
    std::ostringstream out;
    CsvWriter csv(out);
    for (const char* heading :
         {"name", "pattern", "recommendedEyd", "meanCost", "bandFromEyd", "bandToEyd", "status"}) {
        csv.text(heading);
    }
    csv.endRow();
    for (int v = 0; v < m_sorted->rowCount(); ++v) {
        const int r = m_sorted->mapToSource(m_sorted->index(v, 0)).row();
        csv.text(m_model->item(r, Name)->text().toStdString());
        csv.text(m_model->item(r, Pattern)->text().toStdString());
        const QVariant eyd = m_model->item(r, Eyd)->data(kFigureRole);
        const QVariantList band = m_model->item(r, Band)->data(kFigureRole).toList();
        const double none = std::nan("");
        csv.number(eyd.isValid() ? eyd.toDouble() : none);
        csv.number(eyd.isValid() ? m_model->item(r, Cost)->data(kFigureRole).toDouble() : none);
        csv.number(band.size() == 2 ? band[0].toDouble() : none);
        csv.number(band.size() == 2 ? band[1].toDouble() : none);
        csv.text(m_model->item(r, Status)->text().toStdString());
        csv.endRow();
    }
    QString reason;
    if (!AtomicFile::save(path, QByteArray::fromStdString(out.str()), &reason)) {
        DialogHooks::message(this, qtext(t::kSaveFailed).arg(shownPath(path), reason));
        return false;
    }
    return true;
}

bool FrmUnitsOverview::openUnitAt(const QModelIndex& index) {
    if (!index.isValid()) {
        return false;
    }
    const auto r = static_cast<std::size_t>(m_sorted->mapToSource(index).row());
    if (r >= m_listed.size()) {
        return false;
    }
    const BatchUnit& unit = m_listed[r];
    if (!unit.file.empty()) {
        return m_units.openUnit(QFile::decodeName(unit.file.c_str()));
    }
    const UnitReadResult read = cli::batchRowUnit(unit);
    if (!read) {
        DialogHooks::message(
            this, qtext(t::kOpenRowFailed).arg(QString::fromStdString(unit.name), QString::fromStdString(read.error)));
        return false;
    }
    return m_units.openUnitDocument(*read.document);
}

void FrmUnitsOverview::chooseAndOpen() {
    const QString path = DialogHooks::openFileName(this, qtext(t::kOpenCaption), QString(), qtext(t::kOpenFilter));
    if (!path.isEmpty()) {
        openPaths({path});
    }
}

void FrmUnitsOverview::chooseAndSave() {
    const QString path = DialogHooks::saveFileName(this, qtext(t::kSaveCaption), QString(), qtext(t::kCsvFilter));
    if (!path.isEmpty()) {
        saveCsv(path);
    }
}

void FrmUnitsOverview::updateButtons() {
    const bool running = m_run != nullptr;
    m_openButton->setEnabled(!running);
    m_runButton->setEnabled(!running && !m_listed.empty());
    m_cancelButton->setEnabled(running && !m_run->isCancelled());
    m_saveButton->setEnabled(!running && m_model->rowCount() > 0);
}

}  // namespace quorvale
