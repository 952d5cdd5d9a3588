// Fuzzes the static analysis: a sweep over fuzzed entry texts, spin values,
// corridor pattern, range case and number locale.
//
// Input: the first line holds the controls (byte 0: locale, 1: pattern,
// 2: range case, then one byte per spin value), each further line one entry
// text, entries 0 to 29 in order.
//
// Properties: after the sweep every entry is usable; the steps stay within
// the limit; every step written has finite figures, and the sweep stops
// exactly at the first step whose figures are not finite.

#include <cmath>

#include "FuzzCheck.h"
#include "inputs/InputVariables.h"
#include "model/RangeSweep.h"

using namespace quorvale;

namespace {

class CheckingSink final : public SweepSink {
public:
    void prepare(int steps) override {
        FUZZ_CHECK(steps >= 0 && steps <= kMaxSteps);
        m_steps = steps;
    }
    void writeStep(int step, const YardingResult& r) override {
        FUZZ_CHECK(step == m_written + 1 && step <= m_steps);
        FUZZ_CHECK(isFinite(r));
        m_written = step;
    }
    int written() const { return m_written; }

private:
    int m_steps = 0;
    int m_written = 0;
};

NumberLocale localeOf(unsigned char byte) {
    switch (byte % 3) {
        case 1:
            return NumberLocale::german();
        case 2:
            return NumberLocale::french();
        default:
            return NumberLocale::english();
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::vector<std::string> parts = fuzz::lines(data, size, kEntryCount + 1);
    const std::string controls = parts.empty() ? std::string() : parts[0];
    auto control = [&](size_t i) { return i < controls.size() ? static_cast<unsigned char>(controls[i]) : 0; };

    InMemoryInputs inputs(localeOf(control(0)));
    inputs.setPattern(control(1) % 2 ? CorridorPattern::FanShaped : CorridorPattern::Parallel);
    GraphMarks marks;
    marks.low = control(2) % 3 == 0;
    marks.high = control(2) % 3 == 2;
    marks.average = control(2) % 3 == 1;
    for (int e = 0; e < kEntryCount; ++e) {
        if (3 + static_cast<size_t>(e) < controls.size()) {
            // Anywhere in the spin button's range, as the window allows.
            const SpinRule& rule = spinRule(e);
            inputs.setSpinValue(e, rule.lower + control(3 + static_cast<size_t>(e)) % (rule.upper - rule.lower + 1));
        }
        if (static_cast<size_t>(e) + 1 < parts.size()) {
            inputs.setEntryText(e, parts[static_cast<size_t>(e) + 1]);
        }
    }

    CheckingSink sink;
    const SweepOutcome outcome = graph_itmain(inputs, marks, sink);
    FUZZ_CHECK(outcome.steps >= 0 && outcome.steps <= kMaxSteps);
    FUZZ_CHECK(outcome.stepsWritten == sink.written());
    if (outcome.failedStep) {
        FUZZ_CHECK(*outcome.failedStep == outcome.stepsWritten + 1);
    } else {
        FUZZ_CHECK(outcome.stepsWritten == outcome.steps);
    }
    for (int e = 0; e < kEntryCount; ++e) {
        const std::string text = inputs.entryText(e);
        FUZZ_CHECK(inputs.valueRule().isUsable(text));
    }
    return 0;
}
