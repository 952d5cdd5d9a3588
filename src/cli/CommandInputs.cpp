// The inputs a command runs on, and what it says of entries that are not
// read as they are written.

#include <fmt/format.h>

#include "base/Texts.h"
#include "base/Utf8.h"
#include "cli/CommandLine.h"
#include "inputs/NumberText.h"

namespace quorvale::cli {
namespace {

namespace t = texts::cli;

// The line for one source whose text the analysis does not read as the
// number it says; nothing when it does. `entry` is an entry it set, `used`
// the inputs as the analysis reads them.
std::optional<std::string> readingLine(const EntrySource& source, int entry, InMemoryInputs& used) {
    // Repaired as the analysis will: "0.04" held as "0.0" is used as the default.
    const double value = used.valueRule().readEntry(used.entryText(entry), used.spinValue(entry)).value;
    if (source.note) {
        const UnitEntryNote& note = *source.note;
        const bool asWritten = note.number.difference == UnitNumber::Difference::None;
        if (asWritten && note.number.value == value) {
            return std::nullopt;
        }
        std::string line = unitNoteLine(source.file, note, fixedNumberText(value));
        if (asWritten) {
            line += t::kWhyOneDecimal;
        }
        return fmt::format(t::kToolLine, line);
    }
    const ValueReading typed = used.valueRule().readEntry(source.text, used.spinValue(entry));
    if (typed.exact && typed.value == value) {
        return std::nullopt;
    }
    const char* why = typed.repaired ? texts::units::kWhyRepaired : typed.exact ? t::kWhyOneDecimal : "";
    return fmt::format(t::kReadAsLine, source.option, quotedText(source.text),
                       shortestText(value, used.valueRule().locale()), why);
}

}  // namespace

int sayUsageError(const std::string& command, const UsageError& error, std::ostream& err) {
    err << fmt::format(t::kCommandError, command, error.what()) << '\n';
    return error.status();
}

bool takeCommandInputs(CommonOptions& options, Intake intake, const std::string& command, InMemoryInputs& inputs,
                       std::ostream& err) {
    printWarnings(options, command, err);
    applyEntries(options, inputs);
    // The entries as the analysis reads them: taken in, or (for the first
    // Low sweep, which repairs and corrects them itself) a copy so treated.
    InMemoryInputs asRead = inputs;
    bool corrected = false;
    if (intake == Intake::TakenIn) {
        corrected = takeInEntries(inputs);
        asRead = inputs;
    } else {
        Repair_Variables(asRead);
        corrected = correctCorridorEntry(asRead, false);
    }

    std::vector<std::string> lines;
    for (std::size_t s = 0; s < options.sources.size(); ++s) {
        const EntrySource& source = options.sources[s];
        if (source.note && source.note->entry == UnitEntryNote::kTarget) {
            lines.push_back(fmt::format(t::kToolLine, source.note->line));
            continue;
        }
        // The first entry it still sets; the corrected correction entry
        // holds the rule's value, not a reading of the text.
        for (int i = 0; i < kEntryCount; ++i) {
            if (options.sourceOf[static_cast<std::size_t>(i)] != s ||
                (corrected && i == lowEntry(MultipleCorridorCorrection))) {
                continue;
            }
            if (auto line = readingLine(source, i, asRead)) {
                lines.push_back(std::move(*line));
            }
            break;
        }
    }
    for (const std::string& line : lines) {
        err << line << '\n';
    }
    if (options.strict && !lines.empty()) {
        err << fmt::format(t::kCommandError, command, t::kStrictRefused) << '\n';
        return false;
    }
    warnLowAboveHigh(inputs, command, err);
    return true;
}

}  // namespace quorvale::cli
