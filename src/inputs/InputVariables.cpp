#include "inputs/InputVariables.h"

namespace quorvale {

void Repair_Variables(InputVariables& inputs) {
    const ValueRule& rule = inputs.valueRule();
    for (int i = 0; i < kEntryCount; ++i) {
        if (!rule.isUsable(inputs.entryText(i))) {
            inputs.setEntryText(i, rule.wholeNumber(inputs.spinValue(i)));
        }
    }
}

void formatEntries(InputVariables& inputs) {
    const ValueRule& rule = inputs.valueRule();
    for (int i = 0; i < kEntryCount; ++i) {
        inputs.setEntryText(i, rule.display(inputs.entryText(i)));
    }
}

bool correctCorridorEntry(InputVariables& inputs, bool high) {
    const auto entry = [high](int variable) { return high ? highEntry(variable) : lowEntry(variable); };
    const double fixed = inputs.value(entry(FixedCorridorTime));
    if (!(inputs.value(entry(MultipleCorridorCorrection)) >= fixed)) {
        return false;
    }
    inputs.setEntryText(entry(MultipleCorridorCorrection), inputs.valueRule().plain(fixed / 2));
    return true;
}

bool takeInEntries(InputVariables& inputs) {
    Repair_Variables(inputs);
    const bool corrected = correctCorridorEntry(inputs, false);
    formatEntries(inputs);
    return corrected;
}

InMemoryInputs::InMemoryInputs(NumberLocale locale) : m_rule(std::move(locale)) {
    for (int i = 0; i < kEntryCount; ++i) {
        m_spins.at(static_cast<size_t>(i)) = spinRule(i).defaultValue;
        m_texts.at(static_cast<size_t>(i)) = m_rule.wholeNumber(spinRule(i).defaultValue);
    }
}

}  // namespace quorvale
