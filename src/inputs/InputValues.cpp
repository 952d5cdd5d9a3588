#include "inputs/InputValues.h"

#include "inputs/InputVariables.h"

namespace quorvale {

InputValues InputValues::read(InputVariables& inputs) {
    const ValueRule& rule = inputs.valueRule();
    InputValues values;
    for (int i = 0; i < kEntryCount; ++i) {
        const EntryReading reading = rule.reading(inputs.entryText(i));
        values.entries.at(static_cast<size_t>(i)) =
            reading.usable ? reading.value : rule.value(rule.wholeNumber(inputs.spinValue(i)));
    }
    return values;
}

}  // namespace quorvale
