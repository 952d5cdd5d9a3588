#pragma once
// A headless run view whose target, stop flag and menu mark follow a script,
// and which can yield after every sample and remember what the window
// showed at each yield.

#include <array>
#include <functional>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

#include "simulator/HeadlessRunView.h"

namespace quorvale::test {

struct Shown {
    long long samples = 0;  // samples drawn when the run yielded
    std::array<std::string, kRunFieldCount> fields;
    std::string stepPercent;
    std::string runPercent;
    bool chartVisible = false;

    const std::string& field(RunField f) const { return fields[static_cast<size_t>(f)]; }
};

class ScriptedRunView : public HeadlessRunView {
public:
    // The target read after the n-th sample of the run (counted from 1).
    std::function<double(long long n)> targetAfter;
    // Runs inside every yield, like user input between two samples.
    std::function<void(ScriptedRunView&)> onYield;
    bool yieldAfterEverySample = true;
    bool keepShown = true;

    std::vector<Shown> shown;
    int visibilityChanges = 0;
    // What setStepOverSampleCount() was told, with the sample of the run
    // (counted from 1) during which it was told.
    std::vector<std::pair<long long, bool>> overSampleCount;

    double target() override { return targetAfter ? targetAfter(samplesSeen() + 1) : HeadlessRunView::target(); }
    bool yieldDue() override {
        const bool due = HeadlessRunView::yieldDue();
        return yieldAfterEverySample || due;
    }
    void yieldToEvents() override {
        HeadlessRunView::yieldToEvents();
        if (keepShown) {
            Shown s;
            s.samples = samplesSeen();
            for (int i = 0; i < kRunFieldCount; ++i) {
                s.fields[static_cast<size_t>(i)] = field(static_cast<RunField>(i));
            }
            s.stepPercent = barPercent(RunBar::Step);
            s.runPercent = barPercent(RunBar::Run);
            s.chartVisible = chartVisible();
            shown.push_back(std::move(s));
        }
        if (onYield) {
            onYield(*this);
        }
    }
    void setStepOverSampleCount(bool over) override { overSampleCount.emplace_back(samplesSeen() + 1, over); }
    void setChartVisible(bool visible) override {
        ++visibilityChanges;
        HeadlessRunView::setChartVisible(visible);
    }

    // What the window showed right after the n-th sample of the run.
    const Shown& afterSample(long long n) const {
        for (const Shown& s : shown) {
            if (s.samples == n) {
                return s;
            }
        }
        throw std::out_of_range("no yield after that sample");
    }
};

}  // namespace quorvale::test
