#pragma once
// The Decision Analysis window's beliefs and comparison: per drawn variable
// its Low and High as the Variables window holds them, a "Most likely" value
// and a "Shape"; the linked pairs with their rank correlations; and what to
// compare the unit with (nothing, the other corridor pattern, or a unit
// file).
//
// The panel holds texts as the user typed them; beliefs() reads them once,
// when a run or a save asks, and says what is wrong with one that cannot be
// used.

#include <QString>
#include <QWidget>
#include <optional>

#include "inputs/Beliefs.h"
#include "inputs/InputVariables.h"

class QComboBox;
class QLabel;
class QPushButton;
class QTableWidget;

namespace quorvale {

class BeliefsPanel final : public QWidget {
    Q_OBJECT

public:
    enum class CompareWith { Nothing, OtherPattern, UnitFile };

    // Columns of the beliefs table.
    enum Column { ColVariable, ColLow, ColMode, ColHigh, ColShape, ColumnCount };

    explicit BeliefsPanel(InputVariables& inputs, QWidget* parent = nullptr);

    // The Low and High columns anew from the Variables window.
    void refreshRanges();

    // The beliefs to run with: every Most likely value read by the value
    // rule, within its Low and High, and pairs that can hold together. A
    // problem names the variable or the pairs and says what to do.
    struct Reading {
        Beliefs beliefs;
        QString problem;  // empty when the beliefs can be used
    };
    Reading read();
    // The beliefs to keep in a unit file: the values that read as numbers,
    // whether or not they lie within the range now.
    Beliefs beliefsToKeep() const;
    // Shows a unit's beliefs (modes in the Variables window's units).
    void setBeliefs(const Beliefs& beliefs);

    CompareWith compareWith() const;
    // The unit file compared with, once one was chosen.
    const QString& compareFile() const { return m_compareFile; }
    // Sets the choice; a unit file is given by its path (no dialog).
    void setCompareWith(CompareWith with, const QString& file = QString());

    // Adds a linked pair with the first two variables no pair links yet
    // (or the given ones).
    void addLink(int a = -1, int b = -1, double rho = 0.5);

signals:
    // A belief, a pair or the comparison changed.
    void changed();

private:
    void buildTable();
    void removeLink();
    void compareChosen(int index);
    int rowOfVariable(int variable) const;

    InputVariables& m_inputs;
    QTableWidget* m_table = nullptr;
    QTableWidget* m_links = nullptr;
    QPushButton* m_addLink = nullptr;
    QPushButton* m_removeLink = nullptr;
    QComboBox* m_compare = nullptr;
    QLabel* m_compareLabel = nullptr;
    QString m_compareFile;
    int m_lastCompare = 0;
};

}  // namespace quorvale
