#include "simulator/RunDisplay.h"

namespace quorvale {

void RunDisplay::flush(RunView& view) {
    if (m_stepBarPending) {
        m_stepBar.value = stepBarValue(m_stepTarget, m_stepHalfWidth);
        m_stepBar.dirty = true;
        m_stepBarPending = false;
    }
    if (m_eydDirty) {
        view.setField(RunField::TextEYD, plain(m_eyd));
    }
    if (m_sampleDirty) {
        if (m_sampleZero) {
            for (RunField f : {RunField::TextRuns, RunField::TextCheck, RunField::TextAverage, RunField::TextVariance,
                               RunField::TextMin, RunField::TextMax}) {
                view.setField(f, "0");
            }
        } else {
            const StepStatistics& s = *m_statistics;
            view.setField(RunField::TextRuns, std::to_string(s.latestIndex()));
            view.setField(RunField::TextCheck, plain(m_cost));
            view.setField(RunField::TextAverage, rounded(s.mean(), 1));
            // The field beside "StdDev" shows the running standard deviation
            // of the step's costs; the half-width is what the bar measures.
            view.setField(RunField::TextVariance, rounded(s.stddev(), 1));
            view.setField(RunField::TextMin, rounded(s.minimum(), 1));
            view.setField(RunField::TextMax, rounded(s.maximum(), 1));
        }
    }
    if (m_stepBar.dirty) {
        view.setBar(RunBar::Step, m_stepBar.value, percentText(m_stepBar.value));
    }
    if (m_optimumDirty) {
        const YardingResult& r = m_optimum.result;
        view.setField(RunField::TextOptEYD, plain(m_optimum.eyd));
        view.setField(RunField::TextDensity, rounded(r.roadDensity, 1));
        view.setField(RunField::TextSpacing, rounded(r.landingSpacing, 0));
        view.setField(RunField::TextMinCost, rounded(m_optimum.minCost, 0));
        view.setField(RunField::TextAyd, rounded(r.ayd, 0));
        view.setField(RunField::TextAeyd, rounded(r.aeyd, 0));
        view.setField(RunField::TextLyd, rounded(r.lyd, 0));
        view.setField(RunField::TextAlyd, rounded(r.alyd, 0));
        view.setField(RunField::TextCorridors, rounded(r.corridorsPerLanding, 0));
        view.setField(RunField::TextLandings, rounded(r.landingsPerUnit, 0));
    }
    if (m_runBar.dirty) {
        view.setBar(RunBar::Run, m_runBar.value, percentText(m_runBar.value));
    }
    discard();
}

void RunDisplay::discard() {
    m_eydDirty = false;
    m_sampleDirty = false;
    m_stepBar.dirty = false;
    m_stepBarPending = false;
    m_runBar.dirty = false;
    m_optimumDirty = false;
}

}  // namespace quorvale
