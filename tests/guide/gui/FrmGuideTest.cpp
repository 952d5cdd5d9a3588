// The user guide window in the real main window: F1 opens it once, its
// links and its contents scroll the text to their headings, and the Help
// menu stays as it was.

#include <QAbstractTextDocumentLayout>
#include <QFile>
#include <QMenu>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextBrowser>
#include <QTextDocument>
#include <QTreeWidget>

#include "GuiTestSupport.h"
#include "guide/gui/FrmGuide.h"

using namespace quorvale;
using namespace quorvale::testing;

namespace {

// The top of the heading block whose text is `title`, in document
// coordinates; -1 when there is none.
qreal headingTop(QTextBrowser& text, const QString& title) {
    for (QTextBlock block = text.document()->begin(); block.isValid(); block = block.next()) {
        if (block.blockFormat().headingLevel() > 0 && block.text() == title) {
            return text.document()->documentLayout()->blockBoundingRect(block).top();
        }
    }
    return -1;
}

// Where on the screen the link to `href` stands; a null point when the
// document has no such link.
QPoint linkPosition(QTextBrowser& text, const QString& href) {
    for (QTextBlock block = text.document()->begin(); block.isValid(); block = block.next()) {
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextFragment fragment = it.fragment();
            if (fragment.charFormat().anchorHref() == href) {
                QTextCursor cursor(text.document());
                cursor.setPosition(fragment.position() + fragment.length() / 2);
                return text.cursorRect(cursor).center();
            }
        }
    }
    return {};
}

bool scrolledTo(QTextBrowser& text, qreal top) { return std::abs(text.verticalScrollBar()->value() - top) <= 1; }

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
        QVERIFY(item);
        QCOMPARE(item->text(), QStringLiteral("User Guide"));
        QVERIFY(m_f->main().toolsMenu()->actions().contains(item));
        QVERIFY(!m_f->action(QStringLiteral("mnuHelpContents"))->isEnabled());

        QVERIFY(!guide());
        QTest::keyClick(&m_f->main(), Qt::Key_F1);
        QTRY_VERIFY(guide());
        FrmGuide* first = guide();
        QVERIFY(!m_f->frame(WindowId::FrmGuide)->isHidden());
        QCOMPARE(m_f->frame(WindowId::FrmGuide)->windowTitle(), QStringLiteral("User Guide"));
        // The guide compiled in, rendered: its title heads the text.
        QVERIFY(headingTop(*first->text(), QStringLiteral("Quorvale User Guide")) >= 0);

        QTest::keyClick(&m_f->main(), Qt::Key_F1);
        QCOMPARE(guide(), first);

        m_f->frame(WindowId::FrmGuide)->close();
        QTRY_VERIFY(!guide());
        QTest::keyClick(&m_f->main(), Qt::Key_F1);
        QTRY_VERIFY(guide());
    }

    void aLinkInTheTextScrollsToItsHeading() {
        m_f->trigger(QStringLiteral("mnuToolsUserGuide"));
        FrmGuide* window = guide();
        QVERIFY(window);
        QTextBrowser& text = *window->text();
        QTRY_VERIFY(text.viewport()->isVisible());
        const qreal top = headingTop(text, QStringLiteral("Reading the charts"));
        QVERIFY(top > text.viewport()->height());
        QCOMPARE(text.verticalScrollBar()->value(), 0);

        const QPoint at = linkPosition(text, QStringLiteral("#reading-the-charts"));
        QVERIFY(!at.isNull());
        QTest::mouseClick(text.viewport(), Qt::LeftButton, {}, at);
        QTRY_VERIFY(scrolledTo(text, top));
        // The contents follow the text to the section it shows.
        QVERIFY(window->contents()->currentItem());
        QCOMPARE(window->contents()->currentItem()->text(0), QStringLiteral("Reading the charts"));
    }

    void theContentsListEverySectionAndScrollToIt() {
        m_f->trigger(QStringLiteral("mnuToolsUserGuide"));
        FrmGuide* window = guide();
        QVERIFY(window);
        QTreeWidget& contents = *window->contents();
        QTextBrowser& text = *window->text();

        int sections = 0;
        for (const GuideHeading& heading : window->headings()) {
            sections += heading.level == 2 ? 1 : 0;
        }
        QVERIFY(sections > 5);
        QCOMPARE(contents.topLevelItemCount(), sections);

        QList<QTreeWidgetItem*> found =
            contents.findItems(QStringLiteral("The corridor pattern"), Qt::MatchExactly | Qt::MatchRecursive);
        QCOMPARE(found.size(), 1);
        QVERIFY(found.front()->parent());
        const qreal top = headingTop(text, QStringLiteral("The corridor pattern"));
        QVERIFY(top > 0);
        contents.scrollToItem(found.front());
        QTest::mouseClick(contents.viewport(), Qt::LeftButton, {}, contents.visualItemRect(found.front()).center());
        QTRY_VERIFY(scrolledTo(text, top));

        QVERIFY(!window->showHeading(QStringLiteral("no-such-heading")));
    }
};

QUORVALE_GUI_TEST_MAIN(FrmGuideTest)
#include "FrmGuideTest.moc"
