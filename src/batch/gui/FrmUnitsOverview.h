#pragma once
// The Units Overview: the units of a folder or a batch CSV side by side,
// each with its recommended EYD, mean cost, band and status. "Run" runs
// their decision analyses on a worker thread, units side by side as
// quorvale-cli batch runs them, with progress and "Cancel"; a click on a
// heading sorts by that column; a double-click opens the unit in the
// Variables window as "Open Unit..." does; the table saves as CSV.

#include <QString>
#include <QStringList>
#include <cstdint>
#include <memory>
#include <optional>
#include <vector>

#include "base/gui/ChildWindow.h"
#include "batch/BatchInput.h"
#include "batch/BatchRunner.h"

class QLabel;
class QModelIndex;
class QProgressBar;
class QPushButton;
class QSortFilterProxyModel;
class QStandardItemModel;
class QTableView;
class QTimer;

namespace quorvale {

class OverviewRun;
class UnitActions;

class FrmUnitsOverview final : public ChildWindow {
    Q_OBJECT

public:
    enum Column { Name, Pattern, Eyd, Cost, Band, Status, ColumnCount };

    explicit FrmUnitsOverview(UnitActions& units, QWidget* parent = nullptr);
    ~FrmUnitsOverview() override;

    QSize sizeHint() const override;

    // Lists the units of the paths (a batch CSV, a unit file's folder or the
    // folder itself); false, after telling the user, when none can be read.
    bool openPaths(const QStringList& paths);
    void run();
    void cancel();
    bool isRunning() const { return m_run != nullptr; }
    // Writes the table as it is sorted; false, after telling the user, when
    // it cannot be saved.
    bool saveCsv(const QString& path);
    // Opens the unit of a row of the view in the Variables window.
    bool openUnitAt(const QModelIndex& index);

    // The batch seed of the next run; by default one from the clock.
    void setSeed(std::uint64_t seed) { m_seed = seed; }

    QTableView* table() const { return m_table; }
    QStandardItemModel* model() const { return m_model; }
    QProgressBar* progress() const { return m_progress; }
    QPushButton* runButton() const { return m_runButton; }
    QPushButton* cancelButton() const { return m_cancelButton; }

signals:
    // The run ended: finished or cancelled.
    void runEnded();

protected:
    void unloadWindow() override;

private:
    void chooseAndOpen();
    void chooseAndSave();
    void takeRows();
    void runFinished();
    void showRow(const BatchRow& row);
    void updateButtons();

    UnitActions& m_units;
    QStandardItemModel* m_model;
    QSortFilterProxyModel* m_sorted;
    QTableView* m_table;
    QProgressBar* m_progress;
    QLabel* m_state;
    QPushButton* m_openButton;
    QPushButton* m_runButton;
    QPushButton* m_cancelButton;
    QPushButton* m_saveButton;
    QTimer* m_poll;

    QStringList m_paths;
    std::vector<BatchUnit> m_listed;  // by index
    std::size_t m_failed = 0;
    std::optional<std::uint64_t> m_seed;
    std::unique_ptr<OverviewRun> m_run;
};

}  // namespace quorvale
