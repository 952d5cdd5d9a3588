#include "decision/gui/BeliefsPanel.h"

#include <QComboBox>
#include <QDoubleSpinBox>
#include <QFileInfo>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>
#include <algorithm>

#include "base/Texts.h"
#include "base/gui/DialogHooks.h"
#include "base/gui/QtText.h"
#include "decision/ScenarioDraw.h"
#include "units/UnitDocument.h"

namespace quorvale {
namespace {

namespace tx = texts::decision;

// The drawn variables in the Variables window's order: the rows.
std::vector<int> drawnVariables() {
    std::vector<int> v;
    for (int k = 0; k < kVariableCount; ++k) {
        if (isDrawnVariable(k)) {
            v.push_back(k);
        }
    }
    return v;
}

QString caption(int variable) { return qtext(variableRule(variable).caption).trimmed(); }

QComboBox* variableChoice(QWidget* parent, int variable) {
    auto* box = new QComboBox(parent);
    for (int k : drawnVariables()) {
        box->addItem(caption(k), k);
    }
    box->setCurrentIndex(std::max(0, box->findData(variable)));
    return box;
}

}  // namespace

BeliefsPanel::BeliefsPanel(InputVariables& inputs, QWidget* parent) : QWidget(parent), m_inputs(inputs) {
    setObjectName(QStringLiteral("panelBeliefs"));
    buildTable();

    m_links = new QTableWidget(0, 3, this);
    m_links->setObjectName(QStringLiteral("tblLinks"));
    m_links->setHorizontalHeaderLabels(
        {qtext(tx::kLinkColumns[0]), qtext(tx::kLinkColumns[1]), qtext(tx::kLinkColumns[2])});
    m_links->horizontalHeader()->setSectionResizeMode(0, QHeaderView::Stretch);
    m_links->horizontalHeader()->setSectionResizeMode(1, QHeaderView::Stretch);
    m_links->verticalHeader()->hide();
    m_links->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_addLink = new QPushButton(qtext(tx::kAddLink), this);
    m_addLink->setObjectName(QStringLiteral("cmdAddLink"));
    m_removeLink = new QPushButton(qtext(tx::kRemoveLink), this);
    m_removeLink->setObjectName(QStringLiteral("cmdRemoveLink"));
    connect(m_addLink, &QPushButton::clicked, this, [this] { addLink(); });
    connect(m_removeLink, &QPushButton::clicked, this, &BeliefsPanel::removeLink);

    m_compare = new QComboBox(this);
    m_compare->setObjectName(QStringLiteral("cboCompare"));
    m_compare->addItems({qtext(tx::kCompareNothing), qtext(tx::kCompareWithOtherPattern), qtext(tx::kCompareUnitFile)});
    m_compareLabel = new QLabel(this);
    m_compareLabel->setObjectName(QStringLiteral("lblCompareFile"));
    connect(m_compare, &QComboBox::activated, this, &BeliefsPanel::compareChosen);

    auto* beliefs = new QGroupBox(qtext(tx::kBeliefsTitle), this);
    auto* beliefsLayout = new QVBoxLayout(beliefs);
    beliefsLayout->addWidget(m_table);
    auto* links = new QGroupBox(qtext(tx::kLinksTitle), this);
    auto* linksLayout = new QVBoxLayout(links);
    linksLayout->addWidget(m_links);
    auto* linkButtons = new QHBoxLayout;
    linkButtons->addWidget(m_addLink);
    linkButtons->addWidget(m_removeLink);
    linkButtons->addStretch(1);
    linksLayout->addLayout(linkButtons);
    auto* compare = new QHBoxLayout;
    compare->addWidget(new QLabel(qtext(tx::kCompareWith), this));
    compare->addWidget(m_compare);
    compare->addWidget(m_compareLabel, 1);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(compare);
    layout->addWidget(beliefs, 3);
    layout->addWidget(links, 1);
}

void BeliefsPanel::buildTable() {
    const std::vector<int> rows = drawnVariables();
    m_table = new QTableWidget(static_cast<int>(rows.size()), ColumnCount, this);
    m_table->setObjectName(QStringLiteral("tblBeliefs"));
    QStringList headings;
    for (const char* h : tx::kBeliefColumns) {
        headings << qtext(h);
    }
    m_table->setHorizontalHeaderLabels(headings);
    m_table->verticalHeader()->hide();
    m_table->horizontalHeader()->setSectionResizeMode(ColVariable, QHeaderView::Stretch);
    for (int row = 0; row < static_cast<int>(rows.size()); ++row) {
        auto* name = new QTableWidgetItem(caption(rows[static_cast<size_t>(row)]));
        name->setFlags(Qt::ItemIsEnabled);
        name->setData(Qt::UserRole, rows[static_cast<size_t>(row)]);
        m_table->setItem(row, ColVariable, name);
        for (int column : {ColLow, ColHigh}) {
            auto* item = new QTableWidgetItem;
            item->setFlags(Qt::ItemIsEnabled);
            item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            m_table->setItem(row, column, item);
        }
        auto* mode = new QTableWidgetItem;
        mode->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
        m_table->setItem(row, ColMode, mode);
        auto* shape = new QComboBox(m_table);
        shape->addItems({qtext(tx::kShapeTriangular), qtext(tx::kShapePert)});
        connect(shape, &QComboBox::currentIndexChanged, this, &BeliefsPanel::changed);
        m_table->setCellWidget(row, ColShape, shape);
    }
    connect(m_table, &QTableWidget::itemChanged, this, [this](QTableWidgetItem* item) {
        if (item->column() == ColMode) {
            emit changed();
        }
    });
    refreshRanges();
}

int BeliefsPanel::rowOfVariable(int variable) const {
    for (int row = 0; row < m_table->rowCount(); ++row) {
        if (m_table->item(row, ColVariable)->data(Qt::UserRole).toInt() == variable) {
            return row;
        }
    }
    return -1;
}

void BeliefsPanel::refreshRanges() {
    const ValueRule& rule = m_inputs.valueRule();
    const QSignalBlocker block(m_table);
    for (int row = 0; row < m_table->rowCount(); ++row) {
        const int k = m_table->item(row, ColVariable)->data(Qt::UserRole).toInt();
        for (const auto& [column, entry] : {std::pair{ColLow, lowEntry(k)}, std::pair{ColHigh, highEntry(k)}}) {
            const double value = rule.readEntry(m_inputs.entryText(entry), m_inputs.spinValue(entry)).value;
            m_table->item(row, column)->setText(QString::fromStdString(rule.plain(value)));
        }
    }
}

BeliefsPanel::Reading BeliefsPanel::read() {
    refreshRanges();
    Reading reading;
    const ValueRule& rule = m_inputs.valueRule();
    for (int row = 0; row < m_table->rowCount(); ++row) {
        const int k = m_table->item(row, ColVariable)->data(Qt::UserRole).toInt();
        const QString text = m_table->item(row, ColMode)->text().trimmed();
        if (text.isEmpty()) {
            continue;
        }
        const ValueReading mode = rule.readEntry(text.toStdString(), 0);
        if (!mode.exact || mode.repaired) {
            reading.problem = qtext(tx::kModeNotNumber).arg(caption(k), text);
            return reading;
        }
        const double low = rule.readEntry(m_inputs.entryText(lowEntry(k)), m_inputs.spinValue(lowEntry(k))).value;
        const double high = rule.readEntry(m_inputs.entryText(highEntry(k)), m_inputs.spinValue(highEntry(k))).value;
        if (mode.value < std::min(low, high) || mode.value > std::max(low, high)) {
            reading.problem = qtext(tx::kModeOutside)
                                  .arg(caption(k), text, QString::fromStdString(rule.plain(low)),
                                       QString::fromStdString(rule.plain(high)));
            return reading;
        }
        const auto* shape = qobject_cast<QComboBox*>(m_table->cellWidget(row, ColShape));
        reading.beliefs.variables[static_cast<size_t>(k)] = {
            mode.value, shape->currentIndex() == 1 ? BeliefShape::Pert : BeliefShape::Triangular};
    }
    for (int row = 0; row < m_links->rowCount(); ++row) {
        const int a = qobject_cast<QComboBox*>(m_links->cellWidget(row, 0))->currentData().toInt();
        const int b = qobject_cast<QComboBox*>(m_links->cellWidget(row, 1))->currentData().toInt();
        if (a == b) {
            reading.problem = qtext(tx::kLinkSelf).arg(caption(a));
            return reading;
        }
        reading.beliefs.correlate(a, b, qobject_cast<QDoubleSpinBox*>(m_links->cellWidget(row, 2))->value());
    }
    const GaussianCopula copula(ScenarioDraw::copulaPairs(reading.beliefs));
    if (!copula.valid()) {
        QStringList pairs;
        for (const GaussianCopula::Pair& p : copula.notPositiveDefinite()) {
            pairs << QStringLiteral("%1 \u2013 %2 (%3)")
                         .arg(caption(RunInputs::drawnVariable(p.a)), caption(RunInputs::drawnVariable(p.b)),
                              QString::number(p.rho));
        }
        reading.problem = qtext(tx::kLinksImpossible).arg(pairs.join(QStringLiteral("; ")));
    }
    return reading;
}

Beliefs BeliefsPanel::beliefsToKeep() const {
    Beliefs beliefs;
    const ValueRule& rule = m_inputs.valueRule();
    for (int row = 0; row < m_table->rowCount(); ++row) {
        const int k = m_table->item(row, ColVariable)->data(Qt::UserRole).toInt();
        const ValueReading mode = rule.readEntry(m_table->item(row, ColMode)->text().trimmed().toStdString(), 0);
        if (mode.exact && !mode.repaired) {
            const auto* shape = qobject_cast<QComboBox*>(m_table->cellWidget(row, ColShape));
            beliefs.variables[static_cast<size_t>(k)] = {
                mode.value, shape->currentIndex() == 1 ? BeliefShape::Pert : BeliefShape::Triangular};
        }
    }
    for (int row = 0; row < m_links->rowCount(); ++row) {
        const int a = qobject_cast<QComboBox*>(m_links->cellWidget(row, 0))->currentData().toInt();
        const int b = qobject_cast<QComboBox*>(m_links->cellWidget(row, 1))->currentData().toInt();
        if (a != b) {
            beliefs.correlate(a, b, qobject_cast<QDoubleSpinBox*>(m_links->cellWidget(row, 2))->value());
        }
    }
    return beliefs;
}

void BeliefsPanel::setBeliefs(const Beliefs& beliefs) {
    {
        const QSignalBlocker block(m_table);
        for (int row = 0; row < m_table->rowCount(); ++row) {
            const int k = m_table->item(row, ColVariable)->data(Qt::UserRole).toInt();
            const VariableBelief& b = beliefs.variables[static_cast<size_t>(k)];
            m_table->item(row, ColMode)
                ->setText(b.hasMode() ? QString::fromStdString(m_inputs.valueRule().plain(b.mode)) : QString());
            auto* shape = qobject_cast<QComboBox*>(m_table->cellWidget(row, ColShape));
            const QSignalBlocker blockShape(shape);
            shape->setCurrentIndex(b.shape == BeliefShape::Pert ? 1 : 0);
        }
        m_links->setRowCount(0);
    }
    for (const RankCorrelation& c : beliefs.correlations) {
        addLink(c.a, c.b, c.rho);
    }
    emit changed();
}

void BeliefsPanel::addLink(int a, int b, double rho) {
    if (a < 0 || b < 0) {
        // The first two inputs no link names yet, for a start.
        std::vector<int> free;
        for (int k : drawnVariables()) {
            bool linked = false;
            for (int row = 0; row < m_links->rowCount(); ++row) {
                for (int column : {0, 1}) {
                    linked = linked || qobject_cast<QComboBox*>(m_links->cellWidget(row, column))->currentData() == k;
                }
            }
            if (!linked) {
                free.push_back(k);
            }
        }
        const std::vector<int> all = drawnVariables();
        a = free.size() > 0 ? free[0] : all[0];
        b = free.size() > 1 ? free[1] : all[1];
    }
    const int row = m_links->rowCount();
    m_links->insertRow(row);
    auto* first = variableChoice(m_links, a);
    auto* second = variableChoice(m_links, b);
    auto* rhoBox = new QDoubleSpinBox(m_links);
    rhoBox->setRange(-0.99, 0.99);
    rhoBox->setDecimals(2);
    rhoBox->setSingleStep(0.05);
    rhoBox->setValue(rho);
    m_links->setCellWidget(row, 0, first);
    m_links->setCellWidget(row, 1, second);
    m_links->setCellWidget(row, 2, rhoBox);
    for (QComboBox* box : {first, second}) {
        connect(box, &QComboBox::currentIndexChanged, this, &BeliefsPanel::changed);
    }
    connect(rhoBox, &QDoubleSpinBox::valueChanged, this, &BeliefsPanel::changed);
    emit changed();
}

void BeliefsPanel::removeLink() {
    const int row = m_links->currentRow() >= 0 ? m_links->currentRow() : m_links->rowCount() - 1;
    if (row >= 0) {
        m_links->removeRow(row);
        emit changed();
    }
}

BeliefsPanel::CompareWith BeliefsPanel::compareWith() const {
    return static_cast<CompareWith>(m_compare->currentIndex());
}

void BeliefsPanel::setCompareWith(CompareWith with, const QString& file) {
    m_compare->setCurrentIndex(static_cast<int>(with));
    m_lastCompare = m_compare->currentIndex();
    m_compareFile = with == CompareWith::UnitFile ? file : QString();
    m_compareLabel->setText(m_compareFile.isEmpty() ? QString() : QFileInfo(m_compareFile).fileName());
    m_compareLabel->setToolTip(m_compareFile);
    emit changed();
}

void BeliefsPanel::compareChosen(int index) {
    if (static_cast<CompareWith>(index) != CompareWith::UnitFile) {
        setCompareWith(static_cast<CompareWith>(index));
        return;
    }
    const QString path =
        DialogHooks::openFileName(this, qtext(tx::kCompareOpenCaption), QString(), qtext(texts::units::kFilter));
    if (path.isEmpty()) {
        // Cancelled: the choice before stays.
        m_compare->setCurrentIndex(m_lastCompare);
        return;
    }
    setCompareWith(CompareWith::UnitFile, path);
}

}  // namespace quorvale
