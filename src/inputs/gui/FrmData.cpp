#include "inputs/gui/FrmData.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLocale>
#include <QMdiSubWindow>
#include <QRadioButton>
#include <algorithm>
#include <cmath>

#include "inputs/gui/EntryField.h"
#include "inputs/gui/SpinButton.h"
#include "base/Texts.h"
#include "base/gui/QtText.h"
#include "base/gui/Twips.h"

namespace quorvale {
namespace {

using namespace texts::variables;

enum Column { CaptionColumn = 0, LowField, LowSpin, HighField, HighSpin, ColumnCount };

QLabel* label(const QString& caption, const QString& name, QWidget* parent) {
    auto* l = new QLabel(caption, parent);
    l->setObjectName(name);
    return l;
}

QFont headingFont(const QFont& normal) {
    QFont f = normal;
    f.setBold(true);
    f.setPointSizeF(kHeadingPoints);
    return f;
}

QLabel* heading(const QString& caption, const QString& name, QWidget* parent) {
    QLabel* l = label(caption, name, parent);
    l->setFont(headingFont(parent->font()));
    return l;
}

QString groupLabelName(std::string_view group) {
    QString name = qtext(group).simplified();
    name.remove(QLatin1Char(' '));
    return QStringLiteral("lbl") + name;
}

}  // namespace

FrmData::FrmData(Analysis graphItmain, QWidget* parent)
    : ChildWindow(parent), m_graphItmain(std::move(graphItmain)), m_rule(userNumberLocale()) {
    setObjectName(QStringLiteral("FrmData"));
    setWindowTitle(QString::fromUtf8(kCaption));
    buildRows();

    // Fixed border at the designed client size, unless the screen's fonts
    // need more room to show every caption whole.
    const QSize designed = Twips(*this).size(kClientWidthTwips, kClientHeightTwips);
    setFixedSize(designed.expandedTo(layout()->minimumSize()));
}

void FrmData::buildRows() {
    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(8, 6, 8, 6);
    grid->setHorizontalSpacing(3);
    grid->setVerticalSpacing(2);
    grid->setColumnStretch(CaptionColumn, 1);

    int row = 0;
    grid->addWidget(label(QString::fromUtf8(kLowHeading), QStringLiteral("lblLow"), this), row, LowField, 1, 2,
                    Qt::AlignCenter);
    grid->addWidget(label(QString::fromUtf8(kHighHeading), QStringLiteral("lblHigh"), this), row, HighField, 1, 2,
                    Qt::AlignCenter);
    ++row;

    std::string_view currentGroup;
    for (int k = 0; k < kVariableCount; ++k) {
        const VariableRule& rule = variableRule(k);
        if (rule.group != currentGroup) {
            currentGroup = rule.group;
            QLabel* head = heading(qtext(rule.group), groupLabelName(rule.group), this);
            if (k == FixedLandingTime) {
                // "Setup" shares its line with the unit and the corridor
                // pattern, which applies to the whole analysis.
                auto* line = new QHBoxLayout;
                line->setSpacing(6);
                line->addWidget(head);
                line->addWidget(label(QString::fromUtf8(kCrewHours), QStringLiteral("lblCrewHrs"), this));
                line->addStretch(1);
                m_option1 = new QRadioButton(qtext(patternCaption(CorridorPattern::Parallel)), this);
                m_option1->setObjectName(QStringLiteral("Option1"));
                m_option2 = new QRadioButton(qtext(patternCaption(CorridorPattern::FanShaped)), this);
                m_option2->setObjectName(QStringLiteral("Option2"));
                line->addWidget(m_option1);
                line->addWidget(m_option2);
                grid->addLayout(line, row, CaptionColumn, 1, ColumnCount);
            } else {
                grid->addWidget(head, row, CaptionColumn, 1, ColumnCount);
            }
            ++row;
        }

        QLabel* caption = label(qtext(rule.caption), QStringLiteral("lblVariable_%1").arg(k), this);
        caption->setWordWrap(true);
        if (k == OperatorCost) {
            QFont f = font();
            f.setPointSizeF(std::max(kOperatorCostPoints, f.pointSizeF() * kOperatorCostPoints / kDesignedFacePoints));
            caption->setFont(f);
        }
        grid->addWidget(caption, row, CaptionColumn);

        for (int side = 0; side < 2; ++side) {
            const int entry = side == 0 ? lowEntry(k) : highEntry(k);
            auto* field = new EntryField(this);
            field->setObjectName(QStringLiteral("data_%1").arg(entry));
            field->setFixedWidth(fontMetrics().horizontalAdvance(QStringLiteral("00000.0")) + 10);
            auto* spin = new SpinButton(this);
            spin->setObjectName(QStringLiteral("UpDown_%1").arg(entry));
            const SpinRule& spinRuleOfEntry = spinRule(entry);
            spin->setRange(spinRuleOfEntry.lower, spinRuleOfEntry.upper);
            spin->setSingleStep(spinRuleOfEntry.step);
            spin->setValue(spinRuleOfEntry.defaultValue);
            spin->setFixedHeight(field->sizeHint().height());
            grid->addWidget(field, row, side == 0 ? LowField : HighField);
            grid->addWidget(spin, row, side == 0 ? LowSpin : HighSpin);
            m_fields[static_cast<size_t>(entry)] = field;
            m_spins[static_cast<size_t>(entry)] = spin;

            connect(field, &EntryField::lostFocus, this, &FrmData::noticeEdit);
            connect(field, &EntryField::stepKey, this, [this, entry](int direction) { stepSpin(entry, direction); });
            connect(spin, &SpinButton::stepRequested, this,
                    [this, entry](int direction) { stepSpin(entry, direction); });
        }
        ++row;
    }
    grid->setRowStretch(row, 1);

    connect(m_option1, &QRadioButton::clicked, this, [this] { clickOption(true); });
    connect(m_option2, &QRadioButton::clicked, this, [this] { clickOption(false); });

    // Tab runs through the fields row by row, Low before High.
    for (int i = 0; i + 1 < kEntryCount; ++i) {
        setTabOrder(field(i), field(i + 1));
    }
    setTabOrder(field(kEntryCount - 1), m_option1);
    setTabOrder(m_option1, m_option2);
}

// Fields are typed and shown in the user's locale, so a German user types
// and reads "2,5" and the value rule reads it back as 2.5.
NumberLocale FrmData::userNumberLocale() {
    const QLocale locale;
    return NumberLocale{locale.decimalPoint().toStdString(), locale.groupSeparator().toStdString()};
}

std::string FrmData::entryText(int entry) { return field(entry)->text().toStdString(); }

void FrmData::setEntryText(int entry, const std::string& text) {
    EntryField* f = field(entry);
    const QString value = QString::fromStdString(text);
    if (f->text() != value) {
        f->setText(value);
    }
}

int FrmData::spinValue(int entry) { return spin(entry)->value(); }

CorridorPattern FrmData::pattern() {
    return m_option1->isChecked() ? CorridorPattern::Parallel : CorridorPattern::FanShaped;
}

void FrmData::loadWindow() {
    if (auto* frame = qobject_cast<QMdiSubWindow*>(parentWidget())) {
        frame->move(0, 0);
    }
    Default_Variables();
    clickOption(true);
}

void FrmData::fillInputs(const UnitDocument& unit) {
    // The document's numbers in the fixed form, shown in the user's locale.
    for (int i = 0; i < kEntryCount; ++i) {
        setEntryText(i, unitEntryIn(unit, i, m_rule));
    }
    const bool parallel = unit.pattern == CorridorPattern::Parallel;
    m_option1->setChecked(parallel);
    m_option2->setChecked(!parallel);
    noticeEdit();
}

void FrmData::unloadWindow() { emit unloading(); }

void FrmData::Default_Variables() {
    for (int i = 0; i < kEntryCount; ++i) {
        setEntryText(i, m_rule.wholeNumber(spinValue(i)));
    }
    Format_Variables();
}

void FrmData::Format_Variables() { formatEntries(*this); }

void FrmData::noticeEdit() {
    // A field that loses the focus because its window is closing is not an
    // edit: the inputs are being discarded, and an analysis would only
    // create the window again.
    if (isUnloading()) {
        return;
    }
    // The texts the analysis is about to read otherwise than they say, as
    // the user left them.
    std::vector<std::pair<int, std::string>> misread;
    for (int i = 0; i < kEntryCount; ++i) {
        std::string typed = entryText(i);
        if (!m_rule.readEntry(typed, spinValue(i)).exact) {
            misread.emplace_back(i, std::move(typed));
        }
    }
    // The analysis reads the texts as the user left them, so a value typed
    // with more decimals is used in full once; only then is it rounded.
    if (m_graphItmain) {
        m_graphItmain();
    }
    Format_Variables();
    showFeedback(misread);
    emit edited();
}

// Says where an entry was not read as its text said, and where a Low stands
// above its High; the texts and the rules stay as they are. A repair, and a
// text the reformat has since shown as the number read ("80,5" now shows
// 805.0), flash; a text that still says otherwise ("8O") keeps its mark.
void FrmData::showFeedback(const std::vector<std::pair<int, std::string>>& misread) {
    for (int i = 0; i < kEntryCount; ++i) {
        field(i)->clearFeedback();
    }
    for (const auto& [entry, typed] : misread) {
        const ValueReading reading = m_rule.readEntry(typed, spinValue(entry));
        const QString text = QString::fromStdString(typed);
        if (reading.repaired) {
            field(entry)->showRepaired(QString::fromUtf8(texts::variables::kRepairedTip)
                                           .arg(text, QString::fromStdString(m_rule.wholeNumber(spinValue(entry)))));
            continue;
        }
        const QString tip = qtext(texts::variables::kReadAsTip).arg(text, QString::fromStdString(reading.readAs));
        if (m_rule.readEntry(entryText(entry), spinValue(entry)).exact) {
            field(entry)->showRepaired(tip);
        } else {
            field(entry)->setReadAs(tip);
        }
    }
    const QString tip = QString::fromUtf8(texts::variables::kLowAboveHighTip);
    for (int k = 0; k < kVariableCount; ++k) {
        const bool inverted = value(lowEntry(k)) > value(highEntry(k));
        field(lowEntry(k))->setInverted(inverted, tip);
        field(highEntry(k))->setInverted(inverted, tip);
    }
}

void FrmData::stepSpin(int entry, int direction) {
    SpinButton* s = spin(entry);
    // A step starts from the number in the field, so that the arrows move
    // on from what the user sees; a field holding no usable number starts
    // from the spin button's own value.
    const std::string current = entryText(entry);
    double start = s->value();
    if (const EntryReading typed = m_rule.reading(current); typed.usable) {
        start = std::clamp(std::nearbyint(typed.value), static_cast<double>(s->minimum()),
                           static_cast<double>(s->maximum()));
    }
    const double next = std::clamp(start + static_cast<double>(direction) * s->singleStep(),
                                   static_cast<double>(s->minimum()), static_cast<double>(s->maximum()));
    if (next == start) {
        return;  // at its bound the arrow does nothing
    }
    s->setValue(static_cast<int>(next));
    setEntryText(entry, m_rule.wholeNumber(s->value()));
    noticeEdit();
}

void FrmData::clickOption(bool parallel) {
    m_option1->setChecked(parallel);
    m_option2->setChecked(!parallel);
    noticeEdit();
}

}  // namespace quorvale
