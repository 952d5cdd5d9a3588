#include "charts/gui/ChartExport.h"

#include <QApplication>
#include <QBuffer>
#include <QChart>
#include <QChartView>
#include <QClipboard>
#include <QFileInfo>
#include <QFontMetrics>
#include <QImage>
#include <QMdiSubWindow>
#include <QMenu>
#include <QPainter>
#include <QSvgGenerator>
#include <sstream>

#include "base/CsvWriter.h"
#include "base/Texts.h"
#include "base/gui/AtomicFile.h"
#include "base/gui/DialogHooks.h"
#include "base/gui/QtText.h"
#include "base/gui/ShownPath.h"
#include "charts/ChartFileName.h"

namespace quorvale {
namespace {

constexpr int kCaptionPadding = 6;

QFont captionFont(const QWidget& view) {
    QFont face = view.font();
    face.setBold(true);
    return face;
}

// A name the user did not end with a suffix gets the one of the format.
QString withSuffix(QString path, const char* suffix) {
    if (QFileInfo(path).suffix().isEmpty()) {
        path += QLatin1Char('.') + QLatin1String(suffix);
    }
    return path;
}

}  // namespace

ChartExport::ChartExport(QChartView* view, TableSource table)
    : QObject(view), m_view(view), m_table(std::move(table)) {}

QString ChartExport::caption() const {
    if (m_caption) {
        return m_caption();
    }
    if (m_view->chart() && !m_view->chart()->title().isEmpty()) {
        return m_view->chart()->title();
    }
    // The caption of the child window the view sits in: the window title of
    // the widget a child frame holds.
    for (QWidget* w = m_view->parentWidget(); w; w = w->parentWidget()) {
        if (auto* frame = qobject_cast<QMdiSubWindow*>(w->parentWidget()); frame && frame->widget() == w) {
            return w->windowTitle();
        }
        if (w->isWindow()) {
            return w->windowTitle();
        }
    }
    return m_view->windowTitle();
}

void ChartExport::addActionsTo(QMenu* menu) {
    QAction* copy = menu->addAction(QString::fromUtf8(texts::charts::kCopyImage));
    copy->setObjectName(QStringLiteral("actCopyImage"));
    connect(copy, &QAction::triggered, this, &ChartExport::copyImage);
    QAction* image = menu->addAction(QString::fromUtf8(texts::charts::kSaveImage));
    image->setObjectName(QStringLiteral("actSaveImage"));
    connect(image, &QAction::triggered, this, &ChartExport::askSaveImage);
    QAction* data = menu->addAction(QString::fromUtf8(texts::charts::kSaveData));
    data->setObjectName(QStringLiteral("actSaveData"));
    connect(data, &QAction::triggered, this, &ChartExport::askSaveData);
}

QMenu* ChartExport::createContextMenu(QWidget* parent) {
    auto* menu = new QMenu(parent);
    menu->setObjectName(QStringLiteral("chartContextMenu"));
    addActionsTo(menu);
    return menu;
}

int ChartExport::captionHeight(int width) const {
    const QString text = caption().trimmed();
    if (text.isEmpty()) {
        return 0;
    }
    const QFontMetrics metrics(captionFont(*m_view));
    const QRect room(0, 0, std::max(1, width - 2 * kCaptionPadding), 1 << 16);
    return metrics.boundingRect(room, Qt::AlignHCenter | Qt::TextWordWrap, text).height() + 2 * kCaptionPadding;
}

void ChartExport::paint(QPainter& painter, int height) {
    const QSize chartSize = m_view->viewport()->size();
    painter.fillRect(QRect(0, 0, chartSize.width(), height), Qt::white);
    if (height > 0) {
        painter.setFont(captionFont(*m_view));
        painter.setPen(Qt::black);
        painter.drawText(QRect(kCaptionPadding, kCaptionPadding, chartSize.width() - 2 * kCaptionPadding,
                               height - 2 * kCaptionPadding),
                         Qt::AlignHCenter | Qt::TextWordWrap, caption().trimmed());
    }
    m_view->render(&painter, QRectF(0, height, chartSize.width(), chartSize.height()), m_view->viewport()->rect());
}

QImage ChartExport::image() {
    if (m_beforePicture) {
        m_beforePicture();
    }
    const QSize chartSize = m_view->viewport()->size();
    const int height = captionHeight(chartSize.width());
    const qreal ratio = m_view->devicePixelRatioF();
    QImage picture(QSize(chartSize.width(), chartSize.height() + height) * ratio, QImage::Format_ARGB32_Premultiplied);
    picture.setDevicePixelRatio(ratio);
    picture.fill(Qt::white);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    paint(painter, height);
    painter.end();
    return picture;
}

void ChartExport::copyImage() { QApplication::clipboard()->setImage(image()); }

bool ChartExport::saveImage(const QString& path, QString* reason) {
    // Drawn in memory and saved whole: the picture writers would open the
    // name themselves and write into whatever stands there.
    QBuffer bytes;
    bytes.open(QIODevice::WriteOnly);
    if (QFileInfo(path).suffix().compare(QLatin1String("svg"), Qt::CaseInsensitive) != 0) {
        if (!image().save(&bytes, "PNG")) {
            return false;
        }
    } else {
        if (m_beforePicture) {
            m_beforePicture();
        }
        const QSize chartSize = m_view->viewport()->size();
        const int height = captionHeight(chartSize.width());
        const QSize total(chartSize.width(), chartSize.height() + height);
        QSvgGenerator svg;
        svg.setOutputDevice(&bytes);
        svg.setSize(total);
        svg.setViewBox(QRect(QPoint(0, 0), total));
        svg.setTitle(caption().trimmed());
        QPainter painter(&svg);
        paint(painter, height);
    }
    return AtomicFile::save(path, bytes.data(), reason);
}

QString ChartExport::csvText() const {
    const Table table = m_table ? m_table() : Table{};
    std::ostringstream out;
    CsvWriter csv(out);
    const auto line = [&csv](const std::vector<std::string>& cells) {
        for (const std::string& cell : cells) {
            csv.text(cell);
        }
        csv.endRow();
    };
    line(table.header);
    for (const std::vector<std::string>& row : table.rows) {
        line(row);
    }
    return QString::fromStdString(out.str());
}

bool ChartExport::saveData(const QString& path, QString* reason) {
    return AtomicFile::save(path, csvText().toUtf8(), reason);
}

QString ChartExport::suggestedImageName() const {
    return QString::fromStdString(chartFileName(caption().toStdString(), "png"));
}

QString ChartExport::suggestedDataName() const {
    return QString::fromStdString(chartFileName(caption().toStdString(), "csv"));
}

void ChartExport::askSaveImage() {
    QString path = DialogHooks::saveFileName(m_view, QString::fromUtf8(texts::charts::kSaveImageCaption),
                                             suggestedImageName(), QString::fromUtf8(texts::charts::kImageFilter));
    if (path.isEmpty()) {
        return;
    }
    path = withSuffix(path, "png");
    if (QString reason; !saveImage(path, &reason)) {
        DialogHooks::message(m_view, qtext(texts::charts::kSaveImageFailed).arg(shownPath(path), reason));
    }
}

void ChartExport::askSaveData() {
    QString path = DialogHooks::saveFileName(m_view, QString::fromUtf8(texts::charts::kSaveDataCaption),
                                             suggestedDataName(), QString::fromUtf8(texts::charts::kDataFilter));
    if (path.isEmpty()) {
        return;
    }
    path = withSuffix(path, "csv");
    if (QString reason; !saveData(path, &reason)) {
        DialogHooks::message(m_view, qtext(texts::charts::kSaveDataFailed).arg(shownPath(path), reason));
    }
}

}  // namespace quorvale
