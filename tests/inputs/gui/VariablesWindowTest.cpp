// The Variables window driven through its fields, spin buttons, keys and
// option buttons, with the real main window and charts around it.

#include <QClipboard>
#include <QLabel>
#include <QLineSeries>
#include <QLineEdit>
#include <QLocale>
#include <QPointer>
#include <QRadioButton>
#include <QToolButton>
#include <cmath>

#include "GuiTestSupport.h"
#include "charts/gui/DataGridChart.h"
#include "inputs/gui/EntryField.h"
#include "inputs/gui/FrmData.h"
#include "inputs/InputRules.h"
#include "inputs/gui/SpinButton.h"
#include "base/gui/WindowRegistry.h"

using namespace quorvale;
using namespace quorvale::testing;

class VariablesWindowTest : public QObject {
    Q_OBJECT

    std::unique_ptr<MainWindowFixture> m_f;

    EntryField* field(int entry) const { return m_f->data()->field(entry); }
    QString text(int entry) const { return field(entry)->text(); }
    int runs() const { return m_f->main().analysisRuns(); }

    // Gives the field the keyboard focus as a click would.
    void focus(int entry) {
        field(entry)->setFocus(Qt::MouseFocusReason);
        QTRY_VERIFY(field(entry)->hasFocus());
    }
    void typeInto(int entry, const QString& typed) {
        focus(entry);
        field(entry)->selectAll();
        QTest::keyClick(field(entry), Qt::Key_Delete);
        QTest::keyClicks(field(entry), typed);
    }
    void leaveWithTab(int entry) { QTest::keyClick(field(entry), Qt::Key_Tab); }

private slots:
    void init() { m_f = std::make_unique<MainWindowFixture>(); }
    void cleanup() { m_f.reset(); }

    void repairsAndALowAboveItsHighAreFlaggedWithoutChangingATextOrAnEvent() {
        QVERIFY(!field(0)->isFlashing() && !field(0)->isInverted() && field(0)->toolTip().isEmpty());
        // "abc" in the Low harvest volume: repaired to its spin value as
        // ever, now flagged; 35 is above the High of 30 typed next.
        typeInto(1, QStringLiteral("30"));
        leaveWithTab(1);
        typeInto(0, QStringLiteral("abc"));
        leaveWithTab(0);
        QCOMPARE(text(0), QStringLiteral("35.0"));
        QVERIFY(field(0)->isFlashing());
        QVERIFY(field(0)->toolTip().contains(QStringLiteral("\"abc\" is not a usable number")));
        QVERIFY(field(0)->toolTip().contains(QStringLiteral("35")));
        QVERIFY(field(0)->isInverted() && field(1)->isInverted());
        QVERIFY(field(1)->toolTip().contains(QStringLiteral("Low is above High")));
        QVERIFY(!field(2)->isInverted() && !field(2)->isFlashing());
        // The flash is brief; the tool tip and the inverted mark stay.
        QTRY_VERIFY_WITH_TIMEOUT(!field(0)->isFlashing(), EntryField::kFlashMs * 3);
        QVERIFY(field(0)->isInverted() && !field(0)->toolTip().isEmpty());
        QVERIFY(field(0)->palette().color(QPalette::Base) != field(2)->palette().color(QPalette::Base));
        // Put right, every mark goes.
        typeInto(1, QStringLiteral("40"));
        leaveWithTab(1);
        QVERIFY(!field(0)->isInverted() && !field(1)->isInverted());
        QVERIFY(field(0)->toolTip().isEmpty());
        QCOMPARE(field(0)->palette().color(QPalette::Base), field(2)->palette().color(QPalette::Base));
    }

    // A text the analysis reads as another number than it says: the value
    // rule decides as ever, the field says what it is read as. No message.
    void aFieldNotReadAsItsTextSaysCarriesTheMarkAndWhatItIsReadAs() {
        DialogAnswers answers;
        const QColor plain = field(2)->palette().color(QPalette::Base);
        typeInto(4, QStringLiteral("8O"));
        leaveWithTab(4);
        QCOMPARE(m_f->main().lastSweep().inputs.unitSize, 8.0);
        QCOMPARE(text(4), QStringLiteral("8O"));  // the text stays as typed
        QVERIFY(field(4)->isReadOtherwise());
        QCOMPARE(field(4)->toolTip(), QStringLiteral("\"8O\" read as 8"));
        // A grouping mark outside groups of three: shown as read once
        // reformatted, and flagged with what was typed.
        typeInto(1, QStringLiteral("80,5"));
        leaveWithTab(1);
        QCOMPARE(m_f->data()->value(1), 805.0);
        QCOMPARE(text(1), QStringLiteral("805.0"));
        QVERIFY(field(1)->isFlashing() && !field(1)->isReadOtherwise());
        QCOMPARE(field(1)->toolTip(), QStringLiteral("\"80,5\" read as 805"));
        // Numbers written as numbers, grouped or not, carry no mark.
        typeInto(28, QStringLiteral("1,500"));
        leaveWithTab(28);
        QVERIFY(!field(28)->isFlashing() && !field(28)->isReadOtherwise() && field(28)->toolTip().isEmpty());
        // The "8O" mark outlasts the flash and every later edit, until the
        // text says its number.
        QTRY_VERIFY_WITH_TIMEOUT(!field(1)->isFlashing(), EntryField::kFlashMs * 3);
        QVERIFY(field(4)->isReadOtherwise());
        QVERIFY(field(4)->palette().color(QPalette::Base) != plain);
        QCOMPARE(field(1)->palette().color(QPalette::Base), plain);
        typeInto(4, QStringLiteral("8"));
        leaveWithTab(4);
        QVERIFY(!field(4)->isReadOtherwise() && field(4)->toolTip().isEmpty());
        QCOMPARE(field(4)->palette().color(QPalette::Base), plain);
        QVERIFY(answers.messages.isEmpty());
    }

    void openingShowsDefaultsInOneDecimalFormAndHasRunTheAnalysisOnce() {
        FrmData* data = m_f->data();
        QVERIFY(data);
        QCOMPARE(data->windowTitle(), QStringLiteral("Variables"));
        QCOMPARE(text(0), QStringLiteral("35.0"));
        QCOMPARE(text(2), QStringLiteral("400.0"));
        QCOMPARE(text(4), QStringLiteral("60.0"));
        QCOMPARE(text(10), QStringLiteral("3000.0"));
        // The Low analysis halved the Low correction time; the High one
        // stays as it was.
        QCOMPARE(text(26), QStringLiteral("0.5"));
        QCOMPARE(text(27), QStringLiteral("1.0"));
        for (int k = 0; k < kVariableCount; ++k) {
            if (k != MultipleCorridorCorrection) {
                QCOMPARE(text(lowEntry(k)), text(highEntry(k)));
            }
        }
        QVERIFY(data->option1()->isChecked());
        QVERIFY(!data->option2()->isChecked());
        QCOMPARE(runs(), 1);
        QCOMPARE(m_f->main().lastSweep().rangeCase, RangeCase::Low);
        QCOMPARE(m_f->main().lastSweep().steps, 30);
        // Top-left of the client area, fixed border.
        QCOMPARE(m_f->frame(WindowId::FrmData)->pos(), QPoint(0, 0));
        QCOMPARE(data->minimumSize(), data->maximumSize());
    }

    void everyControlCarriesItsName() {
        for (int i = 0; i < kEntryCount; ++i) {
            QVERIFY(m_f->find<QLineEdit>(QStringLiteral("data_%1").arg(i)));
            auto* spin = m_f->find<SpinButton>(QStringLiteral("UpDown_%1").arg(i));
            QVERIFY(spin);
            QCOMPARE(spin->maximum(), spinRule(i).upper);
            QCOMPARE(spin->minimum(), spinRule(i).lower);
            QCOMPARE(spin->singleStep(), spinRule(i).step);
            QVERIFY(spin->minimum() >= 1);
        }
        QVERIFY(m_f->find<QRadioButton>(QStringLiteral("Option1")));
        QCOMPARE(m_f->find<QRadioButton>(QStringLiteral("Option2"))->text(), QStringLiteral("Fan-Shaped Corridors"));
        // Headings in a bold 12-point face, the operator's cost caption
        // larger than the other row captions.
        auto* yarding = m_f->find<QLabel>(QStringLiteral("lblYardingTime"));
        QCOMPARE(yarding->text(), QStringLiteral("Yarding Time "));
        QVERIFY(yarding->font().bold());
        QCOMPARE(yarding->font().pointSizeF(), 12.0);
        QCOMPARE(m_f->find<QLabel>(QStringLiteral("lblCrewHrs"))->text(), QStringLiteral("(crew hrs)"));
        const double operatorCost = m_f->find<QLabel>(QStringLiteral("lblVariable_5"))->font().pointSizeF();
        QVERIFY(operatorCost >= 9.75);
        QVERIFY(operatorCost > m_f->find<QLabel>(QStringLiteral("lblVariable_4"))->font().pointSizeF());
        QCOMPARE(m_f->find<QLabel>(QStringLiteral("lblVariable_8"))->text(),
                 QStringLiteral("Lateral Speed  (feet/min-lyd)"));
    }

    void clearingAFieldAndTabbingAwayPutsItsSpinValueBack() {
        typeInto(0, QString());
        QCOMPARE(text(0), QString());
        leaveWithTab(0);
        QCOMPARE(text(0), QStringLiteral("35.0"));
        QVERIFY(field(1)->hasFocus());
        // Non-numbers, zero and negatives are repaired the same way.
        for (const char* bad : {"abc", "0", "-3"}) {
            typeInto(2, QString::fromLatin1(bad));
            leaveWithTab(2);
            QCOMPARE(text(2), QStringLiteral("400.0"));
        }
        // A leading number is read and kept.
        typeInto(4, QStringLiteral("12abc"));
        leaveWithTab(4);
        QCOMPARE(m_f->main().lastSweep().inputs.unitSize, 12.0);
        QCOMPARE(text(4), QStringLiteral("12abc"));
    }

    void aTypedValueIsUsedInFullOnceAndThenAsShown() {
        typeInto(14, QStringLiteral("2.27"));
        const int before = runs();
        leaveWithTab(14);
        QCOMPARE(runs(), before + 1);
        QCOMPARE(m_f->main().lastSweep().inputs.fixedTime, 2.27);
        QCOMPARE(text(14), QStringLiteral("2.3"));
        leaveWithTab(15);
        QCOMPARE(m_f->main().lastSweep().inputs.fixedTime, 2.3);
    }

    void typingAloneStartsNothingAndEveryFieldLeftRunsTheAnalysisOnce() {
        const int before = runs();
        focus(0);
        QTest::keyClicks(field(0), QStringLiteral("12"));
        QCOMPARE(runs(), before);
        QCOMPARE(text(0), QStringLiteral("35.012"));
        // Tab goes Low, High, next Low, ...; each field left is one run.
        const QStringList order{"data_1", "data_2", "data_3", "data_4"};
        for (int i = 0; i < order.size(); ++i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            QCOMPARE(QApplication::focusWidget()->objectName(), order[i]);
            QCOMPARE(runs(), before + i + 1);
        }
        QCOMPARE(text(0), QStringLiteral("35.0"));  // "35.012" reformatted
    }

    void aSpinStepWritesTheWholeNumberAndChangesOnlyItsField() {
        const int before = runs();
        SpinButton* high = m_f->data()->spin(1);
        QTest::mouseClick(high->upButton(), Qt::LeftButton);
        QCOMPARE(text(1), QStringLiteral("40.0"));  // step 5
        QCOMPARE(text(0), QStringLiteral("35.0"));
        QCOMPARE(high->value(), 40);
        QCOMPARE(runs(), before + 1);
        QTest::mouseClick(high->downButton(), Qt::LeftButton);
        QCOMPARE(text(1), QStringLiteral("35.0"));
        // A step starts from the number typed in the field.
        field(1)->setText(QStringLiteral("52.4"));
        QTest::mouseClick(high->upButton(), Qt::LeftButton);
        QCOMPARE(text(1), QStringLiteral("57.0"));
    }

    void spinButtonsStopAtTheirBounds() {
        // High of "Fixed Corridor Time (hrs)" goes to 10000, its Low to 5.
        field(24)->setText(QStringLiteral("4"));
        QTest::mouseClick(m_f->data()->spin(24)->upButton(), Qt::LeftButton);
        QCOMPARE(text(24), QStringLiteral("5.0"));
        const int atBound = runs();
        QTest::mouseClick(m_f->data()->spin(24)->upButton(), Qt::LeftButton);
        QCOMPARE(text(24), QStringLiteral("5.0"));
        QCOMPARE(runs(), atBound);  // nothing happens at a bound
        field(25)->setText(QStringLiteral("9999"));
        QTest::mouseClick(m_f->data()->spin(25)->upButton(), Qt::LeftButton);
        QCOMPARE(text(25), QStringLiteral("10000.0"));
        QTest::mouseClick(m_f->data()->spin(25)->upButton(), Qt::LeftButton);
        QCOMPARE(text(25), QStringLiteral("10000.0"));
        // The lower bound holds too; it is never below 1.
        field(0)->setText(QStringLiteral("1"));
        const int atLower = runs();
        QTest::mouseClick(m_f->data()->spin(0)->downButton(), Qt::LeftButton);
        QCOMPARE(text(0), QStringLiteral("1"));
        QCOMPARE(runs(), atLower);
    }

    void clickingALabelOrASpinArrowIsNotLeavingTheField() {
        focus(6);
        QTest::keyClicks(field(6), QStringLiteral("1"));
        const int before = runs();
        QTest::mouseClick(m_f->find<QLabel>(QStringLiteral("lblVariable_0")), Qt::LeftButton);
        QVERIFY(field(6)->hasFocus());
        QCOMPARE(runs(), before);
        // The spin arrow of another field runs its own step only, reading
        // what is typed here in full.
        QTest::mouseClick(m_f->data()->spin(0)->upButton(), Qt::LeftButton);
        QCOMPARE(runs(), before + 1);
        QCOMPARE(m_f->main().lastSweep().inputs.roadDensityFactor, 100.01);
        QCOMPARE(text(6), QStringLiteral("100.0"));
    }

    void upAndDownKeysInAFieldSpinIt() {
        focus(8);  // EYD Low: 30, step 10
        QTest::keyClick(field(8), Qt::Key_Up);
        QCOMPARE(text(8), QStringLiteral("40.0"));
        QCOMPARE(m_f->main().lastSweep().steps, 40);
        QTest::keyClick(field(8), Qt::Key_Down);
        QTest::keyClick(field(8), Qt::Key_Down);
        QCOMPARE(text(8), QStringLiteral("20.0"));
        QVERIFY(field(8)->hasFocus());
    }

    void optionClicksSwitchThePatternAndRunTheAnalysis() {
        m_f->trigger(QStringLiteral("MnuTotalCost"));
        DataGridChart* cost = m_f->chart(WindowId::FrmGraph);
        QVERIFY(cost);
        const double parallel = cost->value(1, 1);
        QVERIFY(std::fabs(parallel - 340) < 5);
        const int before = runs();
        QTest::mouseClick(m_f->data()->option2(), Qt::LeftButton);
        QCOMPARE(m_f->data()->pattern(), CorridorPattern::FanShaped);
        QVERIFY(!m_f->data()->option1()->isChecked());
        QCOMPARE(runs(), before + 1);
        QVERIFY(std::fabs(cost->value(1, 1) - 316) < 5);
        QTest::mouseClick(m_f->data()->option1(), Qt::LeftButton);
        QCOMPARE(cost->value(1, 1), parallel);
    }

    void closingAndReopeningStartsAgainFromTheDefaults() {
        typeInto(0, QStringLiteral("50"));
        leaveWithTab(0);
        QTest::mouseClick(m_f->data()->option2(), Qt::LeftButton);
        typeInto(5, QStringLiteral("77"));  // still in the field when it closes
        QPointer<FrmData> first = m_f->data();
        const int before = runs();
        m_f->frame(WindowId::FrmData)->close();
        settle();
        QVERIFY(!m_f->window(WindowId::FrmData));
        QVERIFY(first.isNull());   // discarded with its inputs
        QCOMPARE(runs(), before);  // leaving a field of a closing window is no edit
        m_f->trigger(QStringLiteral("MnuVariables"));
        QVERIFY(m_f->data());
        QCOMPARE(text(0), QStringLiteral("35.0"));
        QVERIFY(m_f->data()->option1()->isChecked());
        QCOMPARE(runs(), before + 1);
        // "Variables" on an open window does nothing.
        m_f->trigger(QStringLiteral("MnuVariables"));
        QCOMPARE(runs(), before + 1);
    }

    void anAnalysisAfterClosingReopensTheWindowWithItsDefaults() {
        typeInto(8, QStringLiteral("40"));
        leaveWithTab(8);
        m_f->main().windows().close(WindowId::FrmData);
        settle();
        QVERIFY(!m_f->window(WindowId::FrmData));
        m_f->trigger(QStringLiteral("MnuTotalCost"));
        QVERIFY(m_f->data());
        QCOMPARE(text(8), QStringLiteral("30.0"));
        QCOMPARE(m_f->chart(WindowId::FrmGraph)->rowCount(), 30);
    }

    void fieldsRoundTripInACommaDecimalLocale() {
        m_f.reset();
        struct RestoreLocale {
            QLocale saved;
            ~RestoreLocale() { QLocale::setDefault(saved); }
        } restore;
        QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
        m_f = std::make_unique<MainWindowFixture>();
        QCOMPARE(text(0), QStringLiteral("35,0"));
        QCOMPARE(text(26), QStringLiteral("0,5"));
        QCOMPARE(m_f->main().lastSweep().inputs.multipleCorridorCorrection, 0.5);
        typeInto(14, QStringLiteral("2,27"));
        leaveWithTab(14);
        QCOMPARE(m_f->main().lastSweep().inputs.fixedTime, 2.27);
        QCOMPARE(text(14), QStringLiteral("2,3"));
        // Grouped thousands are read whole.
        typeInto(28, QStringLiteral("1.500"));
        leaveWithTab(28);
        QCOMPARE(m_f->main().lastSweep().inputs.roadCostPerStation, 1500.0);
        QCOMPARE(text(28), QStringLiteral("1500,0"));
        // Every field reads back as the value it shows.
        leaveWithTab(29);
        QCOMPARE(m_f->main().lastSweep().inputs.fixedTime, 2.3);
        QCOMPARE(text(14), QStringLiteral("2,3"));
        QCOMPARE(text(0), QStringLiteral("35,0"));
    }

    void absurdEntriesNeitherCrashNorReachTheCharts() {
        m_f->trigger(QStringLiteral("MnuTotalCost"));
        m_f->trigger(QStringLiteral("MnuMbfDay"));
        DataGridChart* cost = m_f->chart(WindowId::FrmGraph);
        // A huge EYD is held to the longest sweep.
        typeInto(8, QStringLiteral("1e300"));
        leaveWithTab(8);
        QCOMPARE(m_f->main().lastSweep().steps, 1000);
        QCOMPARE(cost->rowCount(), 1000);
        field(8)->setText(QStringLiteral("30"));
        // A tiny harvest volume, a pasted wall of digits, pasted garbage.
        typeInto(0, QStringLiteral("1e-300"));
        leaveWithTab(0);
        QCOMPARE(text(0), QStringLiteral("0.0"));
        QApplication::clipboard()->setText(QString(100000, QLatin1Char('9')));
        focus(2);
        field(2)->selectAll();
        field(2)->paste();
        QVERIFY(text(2).size() <= 32767);
        leaveWithTab(2);
        QCOMPARE(text(2), QStringLiteral("400.0"));  // no finite number: repaired
        QApplication::clipboard()->setText(QStringLiteral("\u20ac\t<x>\n;DROP"));
        focus(4);
        field(4)->selectAll();
        field(4)->paste();
        leaveWithTab(4);
        QCOMPARE(text(4), QStringLiteral("60.0"));
        QCOMPARE(text(0), QStringLiteral("35.0"));
        for (DataGridChart* chart : {cost, m_f->chart(WindowId::FrmGraphLoads)}) {
            chart->redrawNow();
            for (int r = 1; r <= chart->rowCount(); ++r) {
                for (int c = 1; c <= chart->columnCount(); ++c) {
                    QVERIFY(std::isfinite(chart->value(r, c)));
                }
            }
        }
    }

    void aSweepStoppedByANonFiniteStepKeepsOnlyTheRowsBeforeIt() {
        m_f->trigger(QStringLiteral("MnuTotalCost"));
        m_f->trigger(QStringLiteral("MnuTonsDay"));
        typeInto(2, QStringLiteral("1000000000"));  // turn volume
        leaveWithTab(2);
        DataGridChart* cost = m_f->chart(WindowId::FrmGraph);
        QCOMPARE(cost->rowCount(), 30);
        // An external speed so small that the cycle time overflows from
        // station 6 on.
        typeInto(12, QStringLiteral("2e-305"));
        leaveWithTab(12);
        const SweepOutcome& outcome = m_f->main().lastSweep();
        QVERIFY(outcome.failedStep.has_value());
        QCOMPARE(*outcome.failedStep, 6);
        for (WindowId id : {WindowId::FrmGraph, WindowId::FrmGraphLoads}) {
            DataGridChart* chart = m_f->chart(id);
            QCOMPARE(chart->rowCount(), 5);
            QCOMPARE(chart->rowLabel(5), QStringLiteral("5"));
            chart->redrawNow();
            for (int c = 1; c <= chart->columnCount(); ++c) {
                QVERIFY(chart->series(c)->count() <= 5);
                for (const QPointF& p : chart->series(c)->points()) {
                    QVERIFY(std::isfinite(p.x()) && std::isfinite(p.y()));
                }
            }
        }
        // The next edit repairs the field and draws whole curves again.
        QCOMPARE(text(12), QStringLiteral("0.0"));
        leaveWithTab(13);
        QCOMPARE(cost->rowCount(), 30);
    }
};

QUORVALE_GUI_TEST_MAIN(VariablesWindowTest)
#include "VariablesWindowTest.moc"
