#pragma once
// The arguments of one quorvale-cli command, read with CLI11, and the options
// every command shares: the fifteen variable options, the corridor pattern
// and the output format. Each command declares its options on a
// CommandLine, each with the check of its value and what the command keeps
// of it; CLI11 checks and hands on every value as it reads it, in the order
// the options are given, so that a later option overrides an earlier one.

#include <array>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <deque>
#include <initializer_list>
#include <map>
#include <memory>
#include <optional>
#include <ostream>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

#include "inputs/Beliefs.h"
#include "inputs/InputVariables.h"
#include "units/UnitDocument.h"

namespace CLI {
class App;
}

namespace quorvale::cli {

// An error in what the command was given: the tool prints the message on
// one line, writes nothing on the output and exits with the status, 2 for a
// command line it cannot read, 1 for a unit file it refuses.
class UsageError : public std::runtime_error {
public:
    explicit UsageError(const std::string& message, int status = 2) : std::runtime_error(message), m_status(status) {}
    int status() const { return m_status; }

private:
    int m_status;
};

enum class OutputFormat { Table, Csv, Json };

// The user's number locale, from the environment.
NumberLocale environmentLocale();

// Where an entry's text came from, to name it when it is not read as it is
// written: a variable option, or an entry of a unit file.
struct EntrySource {
    std::string option;  // "--unit-size"; empty for a unit file's entry
    std::string text;    // the option's text as given
    // A unit file's entry: the file and how the reader took it.
    std::string file;
    std::optional<UnitEntryNote> note;
};

// A most-likely value given as LOW:MODE:HIGH, or by a unit file.
struct GivenMode {
    std::string source;  // "--harvest-volume", or the unit file's place
    bool fromOption = true;
    std::string text;                  // an option's, as typed
    double value = 0;                  // a unit file's
    std::optional<BeliefShape> shape;  // a unit file's
};

// Options every command shares.
struct CommonOptions {
    CorridorPattern pattern = CorridorPattern::Parallel;
    OutputFormat format = OutputFormat::Table;
    // Variable texts are read in the user's locale, as the window reads its
    // fields; a unit file's numbers are written into them in that locale.
    NumberLocale locale = environmentLocale();
    // Entry texts given on the command line; unset entries keep their default.
    std::array<std::optional<std::string>, kEntryCount> entries;
    // For each entry, the index in `sources` of what set it last.
    std::array<std::optional<std::size_t>, kEntryCount> sourceOf;
    std::vector<EntrySource> sources;
    // The last unit file read with --unit: it set every entry and the
    // pattern where it stood among the options; its name, notes and target
    // are kept for the commands that use them.
    std::optional<UnitDocument> unit;
    // Lines for stderr, such as a unit file's unknown keys.
    std::vector<std::string> warnings;
    // --strict: an entry not read as it is written is an error.
    bool strict = false;
    // What decide, compare and unit draw from beyond Low and High: they
    // take LOW:MODE:HIGH (the other commands refuse it), --shape and
    // --correlate; a unit file gives its own.
    bool takesBeliefs = false;
    std::array<std::optional<GivenMode>, kVariableCount> modes;
    std::optional<BeliefShape> shape;
    std::vector<RankCorrelation> correlations;
};

// A refusal's text with its one field, the text refused, filled in.
std::string formatRefusal(const char* refusal, const std::string& text);

class CommandLine {
public:
    // What a command keeps of an option's text.
    using Take = std::function<void(const std::string& text)>;
    // The tool's own words for a text an option does not take; empty for one
    // it takes.
    using Refusal = std::function<std::string(const std::string& text)>;

    // `command` is the command's name ("sweep"); `synopsis` the text shown
    // under the usage line of its help.
    CommandLine(std::string command, std::string synopsis);
    ~CommandLine();
    CommandLine(const CommandLine&) = delete;
    CommandLine& operator=(const CommandLine&) = delete;

    // A command's own option taking one value ("--case", "low|average|high"):
    // a text `refuse` has words for is an error; any other goes to `take`.
    void addOption(const std::string& name, const std::string& valueName, const std::string& description, Take take,
                   Refusal refuse = {});
    // An option taking a whole number from `least` to `most`.
    void addWholeOption(const std::string& name, const std::string& valueName, const std::string& description,
                        std::uint64_t least, std::uint64_t most, std::function<void(std::uint64_t)> take);
    // An option taking a positive number, written plainly ("2.5", "1e3").
    void addPositiveOption(const std::string& name, const std::string& valueName, const std::string& description,
                           std::function<void(double)> take);
    // An option taking one of a few names; `refusal` has one field, the text.
    template <class T>
    void addChoiceOption(const std::string& name, const std::string& valueName, const std::string& description,
                         std::initializer_list<std::pair<const char*, T>> choices, const char* refusal, T& target);
    // An option taking no value; one given a value ("--strict=0") is an
    // error in its turn among the options' values.
    void addFlag(const std::string& name, const std::string& description, std::function<void()> take);

    // The shared options, in the order the help lists them, read into
    // `options`.
    void addPatternOption(CommonOptions& options);
    void addFormatOption(CommonOptions& options);
    // --unit FILE, the fifteen variables and --strict, with the help's note
    // on how their texts are read; `atUnit` runs once a unit file is read.
    void addVariableOptions(CommonOptions& options, std::function<void()> atUnit = {});

    // Reads the arguments (without the program and command names). Both
    // "--name value" and "--name=value" are accepted; a value may be empty
    // or start with a single minus sign, never with "--"; a flag takes none,
    // not even an empty one. A word that is no option of the command is
    // named before any value is checked. Throws UsageError.
    void parse(const std::vector<std::string>& args);
    // Reads the command's own options wherever they stand, each checked and
    // taken in the order given as parse does, and returns every other
    // argument as given, in order, for another command's line: options that
    // are not the command's, their values, stray words and "--" alike. An own
    // option with no value after it (none, or a word starting with "--") is
    // an error in its turn. There is no --help here: it goes on too. Throws
    // UsageError.
    std::vector<std::string> parseOwnOptions(const std::vector<std::string>& args);

    std::string help() const;
    const std::string& command() const { return m_command; }

private:
    // Reads the prepared arguments, last first, with the tool's words for a
    // fault.
    void readLine(std::vector<std::string>& reversed);
    // A flag's use goes to `prepared` without its value, and whether it had
    // one is kept for its turn; false for any other argument.
    bool takeFlagUse(const std::string& arg, std::vector<std::string>& prepared);
    void forgetFlagUses();

    std::string m_command;
    std::unique_ptr<CLI::App> m_app;
    // The same options without their checks: what is no option of the
    // command is found on it first.
    std::unique_ptr<CLI::App> m_shape;
    // Each flag's uses on the line being read, in order: whether it came
    // with a value.
    std::map<std::string, std::deque<bool>> m_flagUses;
};

template <class T>
void CommandLine::addChoiceOption(const std::string& name, const std::string& valueName, const std::string& description,
                                  std::initializer_list<std::pair<const char*, T>> choices, const char* refusal,
                                  T& target) {
    const std::vector<std::pair<const char*, T>> list(choices);
    const auto find = [list](const std::string& text) -> std::optional<T> {
        for (const auto& [choice, value] : list) {
            if (text == choice) {
                return value;
            }
        }
        return std::nullopt;
    };
    addOption(
        name, valueName, description, [find, &target](const std::string& text) { target = *find(text); },
        [find, refusal](const std::string& text) { return find(text) ? std::string() : formatRefusal(refusal, text); });
}

// --unit FILE: every entry, the pattern and the beliefs, as they stand in
// the file, in place of those given before it. The
// file's fixed-form numbers become texts in the user's locale, which read
// back as the same numbers. Throws UsageError (status 1) for a file the
// reader refuses.
void readUnitOption(const std::string& path, CommonOptions& options);

// Fills the entries as the Variables window holds them before an analysis:
// given texts as typed, the others at their defaults in display form.
void applyEntries(const CommonOptions& options, InMemoryInputs& inputs);

// Which analysis the entries are for. The command line gives the inputs
// the Variables window holds after it has taken them in at start-up, with
// "Low Range" checked: that Low analysis reads them as typed; every other
// one reads them repaired, with the corrected Low corridor correction time
// written back and in the one-decimal form (takeInEntries).
enum class Intake { FirstLowSweep, TakenIn };

// The shared prologue of every command that takes variables: prints the
// options' warnings, fills `inputs` for the intake, then prints one line
// for every variable or unit file entry the analysis does not read as it is
// written (quorvale-cli: --unit-size "8O" read as 8) and warns of a Low
// above its High. With --strict such an entry is an error: false, after
// saying so, and the command runs nothing (exit status 2).
bool takeCommandInputs(CommonOptions& options, Intake intake, const std::string& command, InMemoryInputs& inputs,
                       std::ostream& err);

// Says a usage error as the command's one error line; its exit status.
int sayUsageError(const std::string& command, const UsageError& error, std::ostream& err);

// The start every command that takes variables shares: reads its options
// with `parse` into `request` (a usage error is said on stderr and its
// status returned), then takes the inputs in for the intake `intakeOf`
// names, in the user's locale (2 when --strict refuses an entry). Nothing
// when the command goes on.
template <class Request, class Parse, class IntakeOf>
std::optional<int> startCommand(const std::string& command, const Parse& parse, Request& request,
                                InMemoryInputs& inputs, std::ostream& err, const IntakeOf& intakeOf) {
    try {
        request = parse();
    } catch (const UsageError& e) {
        return sayUsageError(command, e, err);
    }
    inputs = InMemoryInputs(request.common.locale);
    if (!takeCommandInputs(request.common, intakeOf(request), command, inputs, err)) {
        return 2;
    }
    return std::nullopt;
}

// The same for a command whose analyses read the inputs taken in.
template <class Request, class Parse>
std::optional<int> startCommand(const std::string& command, const Parse& parse, Request& request,
                                InMemoryInputs& inputs, std::ostream& err) {
    return startCommand(command, parse, request, inputs, err, [](const Request&) { return Intake::TakenIn; });
}

// The positive number a text is, written plainly ("2.5", "1e3"); none
// otherwise.
std::optional<double> readPositive(const std::string& text);

// Prints the warnings the options gave (prefixed "quorvale-cli COMMAND:
// warning: ") and clears them.
void printWarnings(CommonOptions& options, const std::string& command, std::ostream& err);

// Warns on `err` of every variable whose Low is above its High once the
// entries are repaired: the analyses run on them as given, as the window's
// do, but a swapped pair is more often a typing slip than a wish.
void warnLowAboveHigh(const InMemoryInputs& inputs, const std::string& command, std::ostream& err);

const char* patternName(CorridorPattern pattern);

}  // namespace quorvale::cli
