#pragma once
// The Variables window: thirty entry fields (Low and High of fifteen input
// variables), each with a spin button, and the corridor pattern. It holds the
// one input set both analyses read. Every edit it notices (leaving a field, a
// spin step, a corridor option click) runs the static analysis and then
// rewrites all thirty fields in the one-decimal form; typing alone starts
// nothing.

#include <QString>
#include <array>
#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "inputs/InputVariables.h"
#include "units/UnitDocument.h"
#include "base/gui/ChildWindow.h"

class QRadioButton;

namespace quorvale {

class EntryField;
class SpinButton;

class FrmData : public ChildWindow, public InputVariables {
    Q_OBJECT

public:
    // The static analysis of the main window (graph_itmain).
    using Analysis = std::function<void()>;

    explicit FrmData(Analysis graphItmain, QWidget* parent = nullptr);

    // The locale every Variables window types and shows its numbers in.
    static NumberLocale userNumberLocale();

    // The input set.
    std::string entryText(int entry) override;
    void setEntryText(int entry, const std::string& text) override;
    int spinValue(int entry) override;
    CorridorPattern pattern() override;
    const ValueRule& valueRule() override { return m_rule; }

    // Load handler: top-left of the main window's client area, the defaults,
    // Parallel Corridors selected as if clicked (so the analysis runs once).
    void loadWindow() override;

    // Every field := its spin value as a whole number, then Format_Variables.
    void Default_Variables();
    // Every field := its own text in the "0.0" form.
    void Format_Variables();

    // A whole input set put in at once (a unit file, the kept inputs): all
    // thirty texts and the pattern, then one analysis and one reformat, as
    // a single edit would.
    void fillInputs(const UnitDocument& unit);

    EntryField* field(int entry) const { return m_fields.at(static_cast<size_t>(entry)); }
    SpinButton* spin(int entry) const { return m_spins.at(static_cast<size_t>(entry)); }
    QRadioButton* option1() const { return m_option1; }
    QRadioButton* option2() const { return m_option2; }

signals:
    // The window is closing: the last moment its inputs can be read.
    void unloading();
    // An edit was noticed and the analysis has run on it.
    void edited();

protected:
    void unloadWindow() override;

private:
    void buildRows();
    void noticeEdit();
    void showFeedback(const std::vector<std::pair<int, std::string>>& misread);
    void stepSpin(int entry, int direction);
    void clickOption(bool parallel);

    Analysis m_graphItmain;
    ValueRule m_rule;
    std::array<EntryField*, kEntryCount> m_fields{};
    std::array<SpinButton*, kEntryCount> m_spins{};
    QRadioButton* m_option1 = nullptr;
    QRadioButton* m_option2 = nullptr;
};

}  // namespace quorvale
