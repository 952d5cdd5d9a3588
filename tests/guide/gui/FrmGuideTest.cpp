// The user guide window in the real main window: F1 opens it once, and its
// links and its contents scroll the text to their headings.

#include <QAbstractTextDocumentLayout>
#include <QMenu>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextBrowser>
#include <QTreeWidget>

#include "GuiTestSupport.h"
#include "guide/gui/FrmGuide.h"

using namespace quorvale;
using namespace quorvale::testing;

namespace {

// The top of the heading block `title` in document coordinates; -1: none.
qreal headingTop(QTextBrowser& text, const QString& title) {
    for (QTextBlock block = text.document()->begin(); block.isValid(); block = block.next()) {
        if (block.blockFormat().headingLevel() > 0 && block.text() == title) {
            return text.document()->documentLayout()->blockBoundingRect(block).top();
        }
    }
    return -1;
}

// Where in the viewport the first link to `href` stands; null when none.
QPoint linkPosition(QTextBrowser& text, const QString& href) {
    for (QTextBlock block = text.document()->begin(); block.isValid(); block = block.next()) {
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            if (it.fragment().charFormat().anchorHref() == href) {
                QTextCursor cursor(text.document());
                cursor.setPosition(it.fragment().position() + it.fragment().length() / 2);
                return text.cursorRect(cursor).center();
            }
        }
    }
    return {};
}

}  // namespace

class FrmGuideTest : public QObject {
    Q_OBJECT

    std::unique_ptr<MainWindowFixture> m_f;

    FrmGuide* guide() const { return qobject_cast<FrmGuide*>(m_f->window(WindowId::FrmGuide)); }

private slots:
    void init() { m_f = std::make_unique<MainWindowFixture>(); }
    void cleanup() { m_f.reset(); }

    void f1OpensOneGuideWindowAndTheHelpMenuStaysAsItWas() {
        QAction* item = m_f->action(QStringLiteral("mnuToolsUserGuide"));
        QCOMPARE(item->text(), QStringLiteral("User Guide"));
        QVERIFY(m_f->main().toolsMenu()->actions().contains(item));
        QVERIFY(!m_f->action(QStringLiteral("mnuHelpContents"))->isEnabled());

        QTest::keyClick(&m_f->main(), Qt::Key_F1);
        QTRY_VERIFY(guide());
        FrmGuide* first = guide();
        QCOMPARE(m_f->frame(WindowId::FrmGuide)->windowTitle(), QStringLiteral("User Guide"));
        QVERIFY(headingTop(*first->text(), QStringLiteral("Quorvale User Guide")) >= 0);
        QTest::keyClick(&m_f->main(), Qt::Key_F1);
        QCOMPARE(guide(), first);
    }

    void aLinkAndAContentsItemScrollToTheirHeadings() {
        m_f->trigger(QStringLiteral("mnuToolsUserGuide"));
        QTextBrowser& text = *guide()->text();
        QTreeWidget& contents = *guide()->contents();
        auto scrolledTo = [&](qreal top) { return std::abs(text.verticalScrollBar()->value() - top) <= 1; };

        // A link of the guide's own contents, near its beginning.
        const qreal charts = headingTop(text, QStringLiteral("Reading the charts"));
        QVERIFY(charts > text.viewport()->height());
        QCOMPARE(text.verticalScrollBar()->value(), 0);
        const QPoint link = linkPosition(text, QStringLiteral("#reading-the-charts"));
        QVERIFY(!link.isNull());
        QTest::mouseClick(text.viewport(), Qt::LeftButton, {}, link);
        QTRY_VERIFY(scrolledTo(charts));
        QCOMPARE(contents.currentItem()->text(0), QStringLiteral("Reading the charts"));

        // The contents list every section, their parts below them.
        int sections = 0;
        for (const GuideHeading& heading : guide()->headings()) {
            sections += heading.level == 2 ? 1 : 0;
        }
        QCOMPARE(contents.topLevelItemCount(), sections);
        QTreeWidgetItem* item =
            contents.findItems(QStringLiteral("The corridor pattern"), Qt::MatchExactly | Qt::MatchRecursive).value(0);
        QVERIFY(item && item->parent());
        contents.scrollToItem(item);
        QTest::mouseClick(contents.viewport(), Qt::LeftButton, {}, contents.visualItemRect(item).center());
        QTRY_VERIFY(scrolledTo(headingTop(text, QStringLiteral("The corridor pattern"))));
    }
};

QUORVALE_GUI_TEST_MAIN(FrmGuideTest)
#include "FrmGuideTest.moc"
