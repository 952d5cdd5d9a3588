#pragma once
// What the run last wanted to show in the Simulator window. The run updates
// it after every sample at the cost of a few stores; the texts are formatted
// and the step's bar computed, and handed to the view, only when the run is
// about to yield, since nothing can look at the window in between.

#include <string>

#include "inputs/NumberText.h"
#include "simulator/MonteCarloRun.h"
#include "simulator/RunView.h"
#include "simulator/StepStatistics.h"

namespace quorvale {

class RunDisplay {
public:
    explicit RunDisplay(NumberLocale locale) : m_locale(std::move(locale)) {}

    // TextEYD: the step's EYD in feet.
    void showEyd(double eydFeet) {
        m_eyd = eydFeet;
        m_eydDirty = true;
    }
    // The sample fields after a sample with cost x. The statistics are read
    // at the next flush, so they must stay in place until then, changed only
    // by samples that are shown as well.
    void showSample(double x, const StepStatistics& statistics) {
        m_cost = x;
        m_statistics = &statistics;
        m_sampleZero = false;
        m_sampleDirty = true;
    }
    // "0" in every sample field.
    void showNoSample() {
        m_sampleZero = true;
        m_sampleDirty = true;
    }
    // A bar value in [0, 1]; any other value is refused and leaves the bar
    // as it was (a negative target gives one).
    void showBar(RunBar bar, float value) {
        if (!(value >= 0.0f && value <= 1.0f)) {
            return;
        }
        Bar& b = bar == RunBar::Step ? m_stepBar : m_runBar;
        b.value = value;
        b.dirty = true;
        if (bar == RunBar::Step) {
            m_stepBarPending = false;
        }
    }
    // ProgressBar1 after a sample: 1 when the target is at or above the
    // half-width, otherwise their ratio. A target and half-width that are
    // not negative always give a value in [0, 1], so the ratio waits for the
    // flush; any other pair is tried at once, as the bar may refuse it.
    void showStepProgress(double target, double halfWidth) {
        if (target >= 0 && halfWidth >= 0) {
            m_stepTarget = target;
            m_stepHalfWidth = halfWidth;
            m_stepBarPending = true;
        } else {
            showBar(RunBar::Step, stepBarValue(target, halfWidth));
        }
    }
    static float stepBarValue(double target, double halfWidth) {
        return target >= halfWidth ? 1.0f : static_cast<float>(target / halfWidth);
    }

    void showOptimum(const SimulationOptimum& optimum) {
        m_optimum = optimum;
        m_optimumDirty = true;
    }

    // Writes every field and bar changed since the last flush.
    void flush(RunView& view);
    // Forgets what is pending (the stop path resets the window instead).
    void discard();

    // The stated text forms.
    std::string plain(double x) const { return plainDecimal(x, m_locale); }
    std::string rounded(double x, int decimals) const { return plainDecimal(roundHalfEven(x, decimals), m_locale); }

private:
    struct Bar {
        float value = 0;
        bool dirty = false;
    };

    NumberLocale m_locale;
    double m_eyd = 0;
    bool m_eydDirty = false;
    double m_cost = 0;
    const StepStatistics* m_statistics = nullptr;
    bool m_sampleZero = false;
    bool m_sampleDirty = false;
    Bar m_stepBar;
    Bar m_runBar;
    // The step bar's target and half-width of the latest sample, when its
    // value is yet to be worked out.
    double m_stepTarget = 0;
    double m_stepHalfWidth = 0;
    bool m_stepBarPending = false;
    SimulationOptimum m_optimum;
    bool m_optimumDirty = false;
};

}  // namespace quorvale
