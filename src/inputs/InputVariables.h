#pragma once
// The one set of inputs both analyses work from: thirty entry texts, each with
// a whole-number spin value, and the corridor pattern. The Variables window
// holds them; the command-line tool and the tests use InMemoryInputs.

#include <array>
#include <string>

#include "inputs/InputRules.h"
#include "inputs/ValueRule.h"

namespace quorvale {

class InputVariables {
public:
    virtual ~InputVariables() = default;

    virtual std::string entryText(int entry) = 0;
    virtual void setEntryText(int entry, const std::string& text) = 0;
    virtual int spinValue(int entry) = 0;
    virtual CorridorPattern pattern() = 0;
    // The locale the entries are typed and shown in.
    virtual const ValueRule& valueRule() = 0;

    // The entry's numeric value by the value rule.
    double value(int entry) { return valueRule().value(entryText(entry)); }
};

// Replaces every entry that is not a positive number by its spin value,
// written as a whole number; entries 0 to 29 in order.
void Repair_Variables(InputVariables& inputs);

// Rewrites every entry in the one-decimal display form.
void formatEntries(InputVariables& inputs);

// The multiple corridor correction rule on one side's entries (the Low
// entries when `high` is false): a correction time not below the fixed
// corridor time becomes half of it, written back into the correction entry
// as plain text that reads back as exactly that half. True when it wrote.
bool correctCorridorEntry(InputVariables& inputs, bool high);

// What the Variables window holds once it has taken a set of entries in (a
// unit opened, entries typed, the defaults at start-up): the Low analysis
// that follows has repaired them and written back the corrected Low
// correction time, and the window has rewritten them in the one-decimal
// form. The command-line tool and unit files go through the same steps, so
// every analysis but that first Low sweep reads the same numbers wherever
// it runs. True when the correction entry was rewritten.
bool takeInEntries(InputVariables& inputs);

class InMemoryInputs final : public InputVariables {
public:
    // Every entry starts as its spin default written as a whole number.
    explicit InMemoryInputs(NumberLocale locale = NumberLocale::english());

    std::string entryText(int entry) override { return m_texts.at(static_cast<size_t>(entry)); }
    void setEntryText(int entry, const std::string& text) override { m_texts.at(static_cast<size_t>(entry)) = text; }
    int spinValue(int entry) override { return m_spins.at(static_cast<size_t>(entry)); }
    CorridorPattern pattern() override { return m_pattern; }
    const ValueRule& valueRule() override { return m_rule; }

    void setSpinValue(int entry, int value) { m_spins.at(static_cast<size_t>(entry)) = value; }
    void setPattern(CorridorPattern pattern) { m_pattern = pattern; }

private:
    ValueRule m_rule;
    std::array<std::string, kEntryCount> m_texts;
    std::array<int, kEntryCount> m_spins{};
    CorridorPattern m_pattern = CorridorPattern::Parallel;
};

}  // namespace quorvale
