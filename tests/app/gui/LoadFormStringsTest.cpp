// The string table and the caption loader, on a window of its own and on
// the main window.

#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QTabBar>
#include <QToolBar>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "GuiTestSupport.h"
#include "app/gui/LoadFormStrings.h"
#include "app/gui/StringTable.h"

using namespace quorvale;
using namespace quorvale::testing;

namespace {

template <class T>
T* named(T* object, const char* name) {
    object->setObjectName(QString::fromLatin1(name));
    return object;
}

QLabel* taggedLabel(QWidget* parent, const char* name, const char* caption, const QVariant& tag) {
    auto* label = named(new QLabel(QString::fromLatin1(caption), parent), name);
    label->setProperty("Tag", tag);
    return label;
}

}  // namespace

class LoadFormStringsTest : public QObject {
    Q_OBJECT

private slots:
    void theTableHoldsTheMenuCaptionsExactly() {
        const QStringList captions{"&File",
                                   "&New",
                                   "&Open...",
                                   "&Close",
                                   "&Save",
                                   "Save &As...",
                                   "Save A&ll",
                                   "Propert&ies",
                                   "Page Set&up...",
                                   "Print Pre&view",
                                   "&Print...",
                                   "Sen&d...",
                                   "E&xit",
                                   "&Window",
                                   "&New Window",
                                   "&Cascade",
                                   "Tile &Horizontal",
                                   "Tile &Vertical",
                                   "&Arrange Icons",
                                   "&Help",
                                   "&Contents",
                                   "&Search For Help On...",
                                   "&About "};
        for (int i = 0; i < captions.size(); ++i) {
            QCOMPARE(StringTable::text(1000 + i).value_or(QString()), captions[i]);
        }
        QCOMPARE(StringTable::text(1032).value_or(QString()), QStringLiteral("&System Info..."));
        QCOMPARE(StringTable::text(1033).value_or(QString()), QStringLiteral("OK"));
        // Entries 1000 to 1037 and no others: none for the font the loader
        // asks for (20, 21), none below 1000.
        for (int number = 1000; number <= 1037; ++number) {
            QVERIFY2(StringTable::text(number), qPrintable(QString::number(number)));
        }
        for (int missing : {20, 21, 0, 999, 1038}) {
            QVERIFY(!StringTable::text(missing));
        }
    }

    void numbersAreReplacedAndEveryFailureIsSkipped() {
        QWidget form;
        form.setProperty("Tag", QStringLiteral("1019"));
        form.setWindowTitle(QStringLiteral("design"));
        auto* bar = named(new QMenuBar(&form), "menuBar");
        QMenu* numbered = named(bar->addMenu(QStringLiteral("1013")), "mnuA");
        QMenu* plain = named(bar->addMenu(QStringLiteral("View")), "mnuB");
        QAction* item = named(numbered->addAction(QStringLiteral(" 1015 ")), "mnuA1");
        QAction* missing = named(numbered->addAction(QStringLiteral("1500")), "mnuA2");
        QAction* separator = named(numbered->addSeparator(), "mnuABar");
        QAction* empty = named(plain->addAction(QString()), "mnuB1");
        QAction* huge = named(plain->addAction(QStringLiteral("99999")), "mnuB2");

        auto* layout = new QVBoxLayout(&form);
        QLabel* label = taggedLabel(&form, "lblA", "keep", QStringLiteral("1012"));
        QLabel* zero = taggedLabel(&form, "lblZero", "zero", QStringLiteral("0"));
        QLabel* blank = taggedLabel(&form, "lblBlank", "blank", QString());
        QLabel* words = taggedLabel(&form, "lblWords", "words", QStringLiteral("abc"));
        QLabel* absent = taggedLabel(&form, "lblAbsent", "absent", QStringLiteral("1700"));
        auto* button = named(new QPushButton(QStringLiteral("button"), &form), "cmdA");
        button->setProperty("Tag", QStringLiteral("1022 about"));  // leading number counts
        button->setToolTip(QStringLiteral("1033"));
        auto* other = named(new QPushButton(QStringLiteral("other"), &form), "cmdB");
        other->setProperty("Tag", QStringLiteral("-1020"));
        auto* tabs = named(new QTabBar(&form), "tabA");
        tabs->addTab(QStringLiteral("t0"));
        tabs->setTabData(0, QStringLiteral("1004"));
        tabs->setTabToolTip(0, QStringLiteral("1005"));
        auto* tools = named(new QToolBar(&form), "tbA");
        QAction* tool = tools->addAction(QStringLiteral("tool"));
        tool->setToolTip(QStringLiteral("1010"));
        auto* list = named(new QTreeWidget(&form), "lvA");
        list->setColumnCount(2);
        list->headerItem()->setData(1, Qt::UserRole, QStringLiteral("1007"));
        for (QWidget* w :
             std::initializer_list<QWidget*>{label, zero, blank, words, absent, button, other, tabs, tools, list}) {
            layout->addWidget(w);
        }

        LoadFormStrings(&form);
        QCOMPARE(form.windowTitle(), QStringLiteral("&Help"));
        QCOMPARE(numbered->title(), QStringLiteral("&Window"));
        QCOMPARE(plain->title(), QStringLiteral("View"));
        QCOMPARE(item->text(), QStringLiteral("&Cascade"));
        QCOMPARE(missing->text(), QStringLiteral("1500"));
        QVERIFY(separator->text().isEmpty());
        QVERIFY(empty->text().isEmpty());
        QCOMPARE(huge->text(), QStringLiteral("99999"));
        QCOMPARE(label->text(), QStringLiteral("E&xit"));
        QCOMPARE(zero->text(), QStringLiteral("zero"));
        QCOMPARE(blank->text(), QStringLiteral("blank"));
        QCOMPARE(words->text(), QStringLiteral("words"));
        QCOMPARE(absent->text(), QStringLiteral("absent"));
        QCOMPARE(button->text(), QStringLiteral("&About "));
        QCOMPARE(button->toolTip(), QStringLiteral("OK"));
        QCOMPARE(other->text(), QStringLiteral("other"));
        QCOMPARE(tabs->tabText(0), QStringLiteral("&Save"));
        QCOMPARE(tabs->tabToolTip(0), QStringLiteral("Save &As..."));
        QCOMPARE(tool->toolTip(), QStringLiteral("&Print..."));
        QCOMPARE(list->headerItem()->text(1), QStringLiteral("Propert&ies"));
        QCOMPARE(button->font(), form.font());  // no font entries: the window's own face
    }

    void theMainWindowGetsItsMenuCaptionsAndKeepsItsOwn() {
        MainWindowFixture f;
        QCOMPARE(f.main().windowTitle(), QStringLiteral("Quorvale_2000  1.0_Beta"));
        QCOMPARE(f.find<QMenu>(QStringLiteral("mnuWindow"))->title(), QStringLiteral("&Window"));
        QCOMPARE(f.find<QMenu>(QStringLiteral("MnuView"))->title(), QStringLiteral("View"));
        QCOMPARE(f.action(QStringLiteral("mnuWindowTileVertical"))->text(), QStringLiteral("Tile &Vertical"));
        QCOMPARE(f.action(QStringLiteral("mnuFileMRU_2"))->text(), QString());
        // No caption anywhere still holds a bare number.
        for (QAction* a : f.main().findChildren<QAction*>()) {
            bool isNumber = false;
            a->text().toInt(&isNumber);
            QVERIFY2(!isNumber, qPrintable(a->objectName()));
        }
    }
};

QUORVALE_GUI_TEST_MAIN(LoadFormStringsTest)
#include "LoadFormStringsTest.moc"
