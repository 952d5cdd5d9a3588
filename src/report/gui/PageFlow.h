#pragma once
// Lays blocks of text (HTML) and charts down the pages of a PDF, one after
// the other, with a footer on every page.

#include <QPainter>
#include <QRectF>
#include <QString>
#include <functional>

class QChart;
class QPdfWriter;

namespace quorvale {

class PageFlow {
public:
    // `footer` gives the footer text of a page by its number (from 1).
    PageFlow(QPdfWriter& writer, std::function<QString(int)> footer);
    ~PageFlow();
    PageFlow(const PageFlow&) = delete;
    PageFlow& operator=(const PageFlow&) = delete;

    void html(const QString& html);
    // The chart at the page's width, `ratio` of it high. A chart of its own
    // is put in a scene that deletes it; one shown by a chart view is drawn
    // in the view's scene.
    void chart(QChart* chart, qreal ratio);
    void space();
    void newPage();

private:
    // Starts a new page unless `height` fits below what is there.
    void room(qreal height);
    void drawFooter();

    QPdfWriter& m_writer;
    std::function<QString(int)> m_footer;
    QPainter m_painter;
    QRectF m_area;
    qreal m_y = 0;
    qreal m_footerHeight = 0;
    qreal m_gap = 0;
    int m_page = 1;
};

}  // namespace quorvale
