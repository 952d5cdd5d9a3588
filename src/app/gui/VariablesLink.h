#pragma once
// The inputs of the one Variables window, as the simulation run holds them.
// A run keeps its inputs for its whole length and reads the corridor pattern
// after every sample, while the user may close the Variables window during
// any of the run's yields. Every read therefore goes to the window open at
// that moment, loading it again when it was closed (it is referred to, so it
// comes back in its design state). When no window may be loaded, because the
// main window is closing, reads fall back to the design defaults.
//
// The window found is kept until the main window reports it closed, so that
// the read after every sample costs no more than the read itself.

#include <QPointer>
#include <functional>

#include "inputs/InputVariables.h"

namespace quorvale {

class FrmData;

class VariablesLink final : public InputVariables {
public:
    // The Variables window, loaded when it is closed; nullptr when none may
    // be loaded.
    using Window = std::function<FrmData*()>;

    explicit VariablesLink(Window window);
    ~VariablesLink() override;

    // The Variables window has closed; the next read finds the window anew.
    void windowClosed();

    std::string entryText(int entry) override { return current().entryText(entry); }
    void setEntryText(int entry, const std::string& text) override { current().setEntryText(entry, text); }
    int spinValue(int entry) override { return current().spinValue(entry); }
    CorridorPattern pattern() override { return current().pattern(); }
    // Every Variables window reads numbers alike, so asking for the rule
    // loads nothing.
    const ValueRule& valueRule() override { return m_rule; }

private:
    InputVariables& current();

    Window m_window;
    QPointer<FrmData> m_open;
    ValueRule m_rule;
    InMemoryInputs m_defaults;
};

}  // namespace quorvale
