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

InMemoryInputs::InMemoryInputs(NumberLocale locale) : m_rule(std::move(locale)) {
    for (int i = 0; i < kEntryCount; ++i) {
        m_spins.at(static_cast<size_t>(i)) = spinRule(i).defaultValue;
        m_texts.at(static_cast<size_t>(i)) = m_rule.wholeNumber(spinRule(i).defaultValue);
    }
}

}  // namespace quorvale
