// Fuzzes the unit-file reader with arbitrary bytes.
//
// Properties: a document is either read whole or refused with one line (no
// line break); a document read holds every number in the fixed form, is
// written and read back unchanged, and its entries reach the inputs as the
// same numbers.

#include "FuzzCheck.h"
#include "inputs/InputVariables.h"
#include "units/UnitDocument.h"

using namespace quorvale;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const UnitReadResult result = readUnitDocument("fuzz.qvunit", bytes);
    if (!result) {
        FUZZ_CHECK(!result.error.empty());
        FUZZ_CHECK(result.error.find('\n') == std::string::npos);
        return 0;
    }
    for (const std::string& warning : result.warnings) {
        FUZZ_CHECK(warning.find('\n') == std::string::npos);
    }
    for (const UnitEntryNote& note : result.notes) {
        FUZZ_CHECK(note.line.find('\n') == std::string::npos);
    }
    const UnitDocument& unit = *result.document;
    const UnitReadResult again = readUnitDocument("again.qvunit", writeUnitDocument(unit));
    FUZZ_CHECK(again && *again.document == unit);

    InMemoryInputs inputs;
    applyUnit(unit, inputs);
    for (int e = 0; e < kEntryCount; ++e) {
        const UnitNumber number = readUnitNumber(unit.entryText(e), spinRule(e).defaultValue);
        FUZZ_CHECK(number.difference == UnitNumber::Difference::None);
        FUZZ_CHECK(inputs.value(e) == number.value);
    }
    FUZZ_CHECK(inputs.pattern() == unit.pattern);
    return 0;
}
