#include "guide/gui/FrmGuide.h"

#include <QAbstractTextDocumentLayout>
#include <QDesktopServices>
#include <QFile>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QSplitter>
#include <QTextBlock>
#include <QTextBrowser>
#include <QTextCursor>
#include <QTextDocument>
#include <QTreeWidget>
#include <QUrl>

#include "base/Texts.h"
#include "base/gui/QtText.h"

namespace quorvale {
namespace {

// The guide's title ("#") heads the text; the contents list its sections
// and their parts.
constexpr int kDeepestListed = 3;

QString readGuide() {
    QFile file(FrmGuide::resourcePath());
    if (!file.open(QIODevice::ReadOnly)) {
        return qtext(texts::guide::kMissing);
    }
    return QString::fromUtf8(file.readAll());
}

}  // namespace

QString FrmGuide::resourcePath() { return QStringLiteral(":/guide/guide.md"); }

FrmGuide::FrmGuide(const QString& markdown, QWidget* parent)
    : ChildWindow(parent), m_text(new QTextBrowser(this)), m_contents(new QTreeWidget(this)) {
    setWindowTitle(qtext(texts::guide::kCaption));

    m_contents->setObjectName(QStringLiteral("guideContents"));
    m_contents->setHeaderLabel(qtext(texts::guide::kContents));
    m_contents->setRootIsDecorated(false);
    m_contents->setIndentation(14);
    m_text->setObjectName(QStringLiteral("guideText"));
    // Links are followed here: those within the guide scroll to their
    // heading, others go to the desktop's browser.
    m_text->setOpenLinks(false);
    connect(m_text, &QTextBrowser::anchorClicked, this, &FrmGuide::followLink);

    auto* splitter = new QSplitter(this);
    splitter->addWidget(m_contents);
    splitter->addWidget(m_text);
    splitter->setStretchFactor(0, 0);
    splitter->setStretchFactor(1, 1);
    splitter->setSizes({240, 740});
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(splitter);

    load(markdown.isEmpty() ? readGuide() : markdown);

    connect(m_contents, &QTreeWidget::itemClicked, this,
            [this](QTreeWidgetItem* item) { showHeading(item->data(0, Qt::UserRole).toString()); });
    connect(m_contents, &QTreeWidget::itemActivated, this,
            [this](QTreeWidgetItem* item) { showHeading(item->data(0, Qt::UserRole).toString()); });
    connect(m_text->verticalScrollBar(), &QScrollBar::valueChanged, this, &FrmGuide::markCurrentHeading);
}

QSize FrmGuide::sizeHint() const { return {980, 700}; }

void FrmGuide::load(const QString& markdown) {
    const QByteArray utf8 = markdown.toUtf8();
    m_headings = guideHeadings(std::string_view(utf8.constData(), static_cast<size_t>(utf8.size())));
    m_text->setMarkdown(markdown);
    markHeadings();
    fillContents();
    // The guide opens at its beginning.
    m_text->moveCursor(QTextCursor::Start);
}

// The rendered headings stand in the order of the Markdown's, so the n-th
// heading block takes the n-th anchor.
void FrmGuide::markHeadings() {
    size_t next = 0;
    for (QTextBlock block = m_text->document()->begin(); block.isValid() && next < m_headings.size();
         block = block.next()) {
        if (block.blockFormat().headingLevel() == 0) {
            continue;
        }
        QTextCursor cursor(block);
        cursor.movePosition(QTextCursor::EndOfBlock, QTextCursor::KeepAnchor);
        QTextCharFormat anchor;
        anchor.setAnchor(true);
        anchor.setAnchorNames({QString::fromStdString(m_headings[next].anchor)});
        cursor.mergeCharFormat(anchor);
        ++next;
    }
}

void FrmGuide::fillContents() {
    m_items.assign(m_headings.size(), nullptr);
    QTreeWidgetItem* section = nullptr;
    for (size_t i = 0; i < m_headings.size(); ++i) {
        const GuideHeading& heading = m_headings[i];
        if (heading.level < 2 || heading.level > kDeepestListed) {
            continue;
        }
        QString title = QString::fromStdString(heading.title);
        title.remove(QLatin1Char('`'));
        QTreeWidgetItem* item =
            heading.level == 2 || !section ? new QTreeWidgetItem(m_contents) : new QTreeWidgetItem(section);
        if (heading.level == 2) {
            section = item;
        }
        item->setText(0, title);
        item->setToolTip(0, title);
        item->setData(0, Qt::UserRole, QString::fromStdString(heading.anchor));
        m_items[i] = item;
    }
    m_contents->expandAll();
}

bool FrmGuide::showHeading(const QString& anchor) {
    for (const GuideHeading& heading : m_headings) {
        if (QString::fromStdString(heading.anchor) == anchor) {
            m_text->scrollToAnchor(anchor);
            return true;
        }
    }
    return false;
}

void FrmGuide::followLink(const QUrl& url) {
    if (url.isRelative() && url.path().isEmpty() && url.hasFragment()) {
        showHeading(url.fragment());
    } else if (url.scheme() == QLatin1String("https") || url.scheme() == QLatin1String("http") ||
               url.scheme() == QLatin1String("mailto")) {
        QDesktopServices::openUrl(url);
    }
}

void FrmGuide::markCurrentHeading() {
    // The last listed heading whose top the text has scrolled to or past.
    const int top = m_text->verticalScrollBar()->value();
    QAbstractTextDocumentLayout* layout = m_text->document()->documentLayout();
    QTreeWidgetItem* current = nullptr;
    size_t next = 0;
    for (QTextBlock block = m_text->document()->begin(); block.isValid() && next < m_headings.size();
         block = block.next()) {
        if (block.blockFormat().headingLevel() == 0) {
            continue;
        }
        if (layout->blockBoundingRect(block).top() > top + 1) {
            break;
        }
        if (m_items[next]) {
            current = m_items[next];
        }
        ++next;
    }
    const QSignalBlocker quiet(m_contents);
    m_contents->setCurrentItem(current);
}

}  // namespace quorvale
