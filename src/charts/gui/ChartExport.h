#pragma once
// The export of one chart view: "Copy Image", "Save Image..." (PNG or SVG)
// and "Save Data..." (CSV). Kept apart from drawing so every chart of the
// program, whatever draws it, is exported the same way.
//
// A picture carries the chart as drawn (axis titles included) under its
// caption, so a saved or pasted image says what it shows. The save dialogs
// offer a file name made from that caption.

#include <QObject>
#include <QString>
#include <functional>
#include <string>
#include <vector>

class QChartView;
class QImage;
class QMenu;
class QPainter;
class QWidget;

namespace quorvale {

class ChartExport final : public QObject {
    Q_OBJECT

public:
    // What "Save Data" writes: a header and one line per row, every cell in
    // its final text form (an empty text for a cell with no number).
    struct Table {
        std::vector<std::string> header;
        std::vector<std::vector<std::string>> rows;
    };
    using TableSource = std::function<Table()>;

    // The export belongs to the view and goes with it.
    ChartExport(QChartView* view, TableSource table);

    // Runs before every picture, so a redraw still pending lands in it.
    void setBeforePicture(std::function<void()> prepare) { m_beforePicture = std::move(prepare); }
    // The caption the picture carries. Unless set: the chart's own title,
    // else the caption of the child window that holds the view.
    void setCaptionSource(std::function<QString()> caption) { m_caption = std::move(caption); }
    QString caption() const;

    // The three actions, named actCopyImage, actSaveImage and actSaveData.
    void addActionsTo(QMenu* menu);
    QMenu* createContextMenu(QWidget* parent);

    // The picture: the caption above the chart as the view shows it.
    QImage image();
    void copyImage();
    // PNG, or SVG when the name ends in ".svg". Saved whole or not at all,
    // and never over anything but a regular file; `reason` says why not.
    bool saveImage(const QString& path, QString* reason = nullptr);
    bool saveData(const QString& path, QString* reason = nullptr);
    QString csvText() const;

    // The names the save dialogs offer.
    QString suggestedImageName() const;
    QString suggestedDataName() const;

    // The file dialogs, then the save; a failure is reported to the user.
    void askSaveImage();
    void askSaveData();

private:
    int captionHeight(int width) const;
    void paint(QPainter& painter, int captionHeight);

    QChartView* m_view;
    TableSource m_table;
    std::function<void()> m_beforePicture;
    std::function<QString()> m_caption;
};

}  // namespace quorvale
