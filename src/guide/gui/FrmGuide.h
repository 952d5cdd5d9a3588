#pragma once
// The user guide in a child window: the contents on the left, the guide on
// the right, rendered from the Markdown that also ships as a file. Every
// heading carries its anchor, so the guide's own links ("#costs") and a
// click in the contents scroll the text to that heading.

#include <QString>
#include <vector>

#include "base/gui/ChildWindow.h"
#include "guide/GuideOutline.h"

class QTextBrowser;
class QTreeWidget;
class QTreeWidgetItem;
class QUrl;

namespace quorvale {

class FrmGuide final : public ChildWindow {
    Q_OBJECT

public:
    // Where the guide's Markdown is compiled in.
    static QString resourcePath();

    // Shows `markdown`, by default the guide compiled into the program.
    explicit FrmGuide(const QString& markdown = QString(), QWidget* parent = nullptr);

    QSize sizeHint() const override;

    QTextBrowser* text() const { return m_text; }
    QTreeWidget* contents() const { return m_contents; }
    const std::vector<GuideHeading>& headings() const { return m_headings; }

    // Scrolls the text to the heading of this anchor; false when there is
    // none.
    bool showHeading(const QString& anchor);

private:
    void load(const QString& markdown);
    void markHeadings();
    void fillContents();
    void followLink(const QUrl& url);
    // The contents list marks the heading the text has scrolled to.
    void markCurrentHeading();

    QTextBrowser* m_text;
    QTreeWidget* m_contents;
    std::vector<GuideHeading> m_headings;
    std::vector<QTreeWidgetItem*> m_items;  // one per heading, or nullptr
};

}  // namespace quorvale
