#include "cli/CommandLine.h"

#include <CLI/CLI.hpp>
#include <fmt/format.h>

#include <algorithm>
#include <charconv>
#include <cmath>
#include <clocale>

#include "base/Texts.h"
#include "base/Utf8.h"
#include "cli/WholeNumberOptions.h"
#include "inputs/NumberText.h"

namespace quorvale::cli {
namespace {

bool startsWithDashes(const std::string& text) { return text.rfind("--", 0) == 0; }

// Sets an entry's text and where it came from.
void setEntry(CommonOptions& options, int entry, std::string text, EntrySource source) {
    options.entries[static_cast<size_t>(entry)] = std::move(text);
    options.sourceOf[static_cast<size_t>(entry)] = options.sources.size();
    options.sources.push_back(std::move(source));
}

// --NAME LOW, LOW:HIGH or LOW:MODE:HIGH for the variable `k`; a single
// value sets both entries.
void readVariableOption(int k, const std::string& option, const std::string& value, CommonOptions& options) {
    auto colon = value.find(':');
    const auto last = value.rfind(':');
    std::optional<std::string> mode;
    if (colon != last) {
        if (!options.takesBeliefs) {
            throw UsageError(fmt::format(texts::cli::kModeNotHere, option));
        }
        if (k == ExternalYardingDistance) {
            throw UsageError(texts::cli::kModeForEyd);
        }
        mode = value.substr(colon + 1, last - colon - 1);
    }
    // A variable given anew is believed anew: uniform unless it says.
    options.modes[static_cast<size_t>(k)].reset();
    if (mode) {
        options.modes[static_cast<size_t>(k)] = GivenMode{option, true, *mode, 0, std::nullopt};
        colon = last;
    }
    const std::string low = value.substr(0, value.find(':'));
    setEntry(options, lowEntry(k), low, {option, low, {}, {}});
    if (colon == std::string::npos) {
        options.entries[static_cast<size_t>(highEntry(k))] = low;
        options.sourceOf[static_cast<size_t>(highEntry(k))] = options.sources.size() - 1;
    } else {
        const std::string high = value.substr(colon + 1);
        setEntry(options, highEntry(k), high, {option, high, {}, {}});
    }
}

// A CLI11 error as one line.
std::string oneLine(std::string message) {
    std::replace(message.begin(), message.end(), '\n', ' ');
    return message;
}

}  // namespace

void readUnitOption(const std::string& path, CommonOptions& options) {
    UnitReadResult read = readUnitFile(path);
    if (!read) {
        throw UsageError(read.error, 1);
    }
    for (std::string& warning : read.warnings) {
        options.warnings.push_back(std::move(warning));
    }
    const ValueRule rule(options.locale);
    for (int i = 0; i < kEntryCount; ++i) {
        // Entries the reader took as written get a note of their own, in
        // case taking them in changes them.
        const std::string& fixed = read.document->entryText(i);
        UnitEntryNote note{i, unitEntryPlace(i), fixed, readUnitNumber(fixed, spinRule(i).defaultValue), {}};
        for (const UnitEntryNote& given : read.notes) {
            if (given.entry == i) {
                note = given;
            }
        }
        setEntry(options, i, unitEntryIn(*read.document, i, rule), {{}, {}, escapedControls(path), std::move(note)});
    }
    for (const UnitEntryNote& note : read.notes) {
        if (note.entry == UnitEntryNote::kTarget) {
            options.sources.push_back({{}, {}, path, note});
        }
    }
    options.pattern = read.document->pattern;
    // The file's beliefs replace those given before it.
    const std::string file = escapedControls(path);
    for (int k = 0; k < kVariableCount; ++k) {
        const VariableBelief& belief = read.document->beliefs.variables[static_cast<size_t>(k)];
        options.modes[static_cast<size_t>(k)].reset();
        if (belief.hasMode()) {
            options.modes[static_cast<size_t>(k)] = GivenMode{
                fmt::format("{}: /beliefs/{}", file, variableRule(k).option), false, {}, belief.mode, belief.shape};
        }
    }
    options.correlations = read.document->beliefs.correlations;
    options.unit = std::move(read.document);
}

std::string formatRefusal(const char* refusal, const std::string& text) {
    return fmt::format(fmt::runtime(refusal), text);
}

CommandLine::CommandLine(std::string command, std::string synopsis)
    : m_command(std::move(command)),
      m_app(std::make_unique<CLI::App>(std::move(synopsis) + "\n", fmt::format(texts::cli::kProgramName, m_command))),
      m_shape(std::make_unique<CLI::App>()) {
    m_app->set_help_flag("--help", texts::cli::kHelpOption);
    m_app->get_formatter()->column_width(40);
    m_shape->set_help_flag("--help");
    m_shape->allow_extras();
}

CommandLine::~CommandLine() = default;

void CommandLine::addOption(const std::string& name, const std::string& valueName, const std::string& description,
                            Take take, Refusal refuse) {
    CLI::Option* option = m_app->add_option(name, CLI::callback_t{}, description)->type_name(valueName);
    if (refuse) {
        option->check(CLI::Validator([refuse](std::string& text) { return refuse(text); }, ""));
    }
    // Each value is checked and taken as it is read, so options take effect
    // in the order they are given.
    option->each(take)->trigger_on_parse();
    m_shape->add_option(name)->multi_option_policy(CLI::MultiOptionPolicy::TakeAll);
}

void CommandLine::addWholeOption(const std::string& name, const std::string& valueName, const std::string& description,
                                 std::uint64_t least, std::uint64_t most, std::function<void(std::uint64_t)> take) {
    addOption(
        name, valueName, description, [take](const std::string& text) { take(*readWhole(text)); },
        [name, least, most](const std::string& text) { return wholeNumberRefusal(name, text, least, most); });
}

void CommandLine::addPositiveOption(const std::string& name, const std::string& valueName,
                                    const std::string& description, std::function<void(double)> take) {
    addOption(
        name, valueName, description, [take](const std::string& text) { take(*readPositive(text)); },
        [name](const std::string& text) {
            return readPositive(text) ? std::string() : fmt::format(texts::cli::kNotPositive, name, text);
        });
}

void CommandLine::addFlag(const std::string& name, const std::string& description, std::function<void()> take) {
    // The line is read with the flag's value taken off, so that CLI11 neither
    // reads "0" as false nor takes "--strict=" for a flag and an argument;
    // each use says here whether it had one.
    std::deque<bool>& uses = m_flagUses[name];
    m_app->add_flag(name)
        ->description(description)
        ->each([take, name, &uses](const std::string&) {
            const bool withValue = !uses.empty() && uses.front();
            if (!uses.empty()) {
                uses.pop_front();
            }
            if (withValue) {
                throw UsageError(fmt::format(texts::cli::kTakesNoValue, name));
            }
            take();
        })
        ->trigger_on_parse();
    m_shape->add_flag(name)->multi_option_policy(CLI::MultiOptionPolicy::TakeAll);
}

void CommandLine::addPatternOption(CommonOptions& options) {
    addChoiceOption("--pattern", "parallel|fan", texts::cli::kPatternOption,
                    {{"parallel", CorridorPattern::Parallel}, {"fan", CorridorPattern::FanShaped}},
                    texts::cli::kUnknownPattern, options.pattern);
}

void CommandLine::addFormatOption(CommonOptions& options) {
    addChoiceOption("--format", "table|csv|json", texts::cli::kFormatOption,
                    {{"table", OutputFormat::Table}, {"csv", OutputFormat::Csv}, {"json", OutputFormat::Json}},
                    texts::cli::kUnknownFormat, options.format);
}

void CommandLine::addVariableOptions(CommonOptions& options, std::function<void()> atUnit) {
    addOption("--unit", "FILE", texts::cli::kUnitOption, [&options, atUnit](const std::string& path) {
        readUnitOption(path, options);
        if (atUnit) {
            atUnit();
        }
    });
    for (int k = 0; k < kVariableCount; ++k) {
        const VariableRule& rule = variableRule(k);
        const std::string name = fmt::format("--{}", rule.option);
        addOption(name, "LOW[:HIGH]", fmt::format(texts::cli::kVariableOption, rule.unit, rule.low.defaultValue),
                  [&options, k, name](const std::string& value) { readVariableOption(k, name, value, options); });
        m_app->get_option(name)->group(texts::cli::kVariablesGroup);
    }
    addFlag("--strict", texts::cli::kStrictOption, [&options] { options.strict = true; });
    m_app->footer(texts::cli::kVariablesFooter);
}

void CommandLine::parse(const std::vector<std::string>& args) {
    // CLI11 reads "--name=" as "--name" and takes the next argument as its
    // value; an empty value is meant, so it is passed as one.
    std::vector<std::string> prepared;
    forgetFlagUses();
    for (size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (arg == "--") {
            throw UsageError(fmt::format(texts::cli::kUnexpectedArgument, arg));
        }
        if (takeFlagUse(arg, prepared)) {
            continue;
        }
        const auto eq = arg.find('=');
        // CLI11 would take the next argument as the value even when it is
        // another option; a separate value never starts with "--".
        const CLI::Option* option =
            startsWithDashes(arg) && eq == std::string::npos ? m_app->get_option_no_throw(arg) : nullptr;
        if (option != nullptr && option->get_items_expected_max() > 0 &&
            (i + 1 == args.size() || startsWithDashes(args[i + 1]))) {
            throw UsageError(fmt::format(texts::cli::kNeedsValue, arg));
        }
        if (startsWithDashes(arg) && eq != std::string::npos && eq + 1 == arg.size()) {
            prepared.push_back(arg.substr(0, eq));
            prepared.emplace_back();
            continue;
        }
        prepared.push_back(arg);
    }
    std::reverse(prepared.begin(), prepared.end());

    // CLI11 names what is no option of the command only once every value is
    // read; the tool names it first, so the line is read once for that alone.
    try {
        std::vector<std::string> shape = prepared;
        m_shape->parse(shape);
    } catch (const CLI::CallForHelp&) {
        // Plain --help is answered before the line is read; one that got
        // here came with a value ("--help=x").
        throw UsageError(fmt::format(texts::cli::kTakesNoValue, "--help"));
    } catch (const CLI::ParseError& e) {
        throw UsageError(oneLine(e.what()));
    }
    for (const std::string& extra : m_shape->remaining()) {
        if (startsWithDashes(extra) && extra.size() > 2) {
            throw UsageError(
                fmt::format(texts::cli::kUnknownOption, extra.substr(0, extra.find('=')), m_command, m_command));
        }
        throw UsageError(fmt::format(texts::cli::kUnexpectedArgument, extra));
    }

    readLine(prepared);
}

void CommandLine::forgetFlagUses() {
    for (auto& [flag, uses] : m_flagUses) {
        uses.clear();
    }
}

bool CommandLine::takeFlagUse(const std::string& arg, std::vector<std::string>& prepared) {
    const auto eq = arg.find('=');
    const auto flag = startsWithDashes(arg) ? m_flagUses.find(arg.substr(0, eq)) : m_flagUses.end();
    if (flag == m_flagUses.end()) {
        return false;
    }
    flag->second.push_back(eq != std::string::npos);
    prepared.push_back(flag->first);
    return true;
}

void CommandLine::readLine(std::vector<std::string>& reversed) {
    try {
        m_app->parse(reversed);
    } catch (const CLI::ValidationError& e) {
        // CLI11 puts the option's name before a check's words; the tool's
        // words name it themselves.
        const std::string message = e.what();
        const auto colon = message.find(": ");
        throw UsageError(colon == std::string::npos ? message : message.substr(colon + 2));
    } catch (const CLI::ParseError& e) {
        throw UsageError(oneLine(e.what()));
    }
}

std::vector<std::string> CommandLine::parseOwnOptions(const std::vector<std::string>& args) {
    m_app->set_help_flag();
    m_app->allow_extras();
    // CLI11 would read every word after a "--" as no option and drop the
    // "--" itself: it goes through as a NUL, which no argument of a command
    // line can hold, and is given back as it was.
    const std::string passedDashes(1, '\0');
    std::vector<std::string> prepared;
    std::optional<std::string> lacksValue;
    forgetFlagUses();
    for (size_t i = 0; i < args.size() && !lacksValue; ++i) {
        const std::string& arg = args[i];
        if (takeFlagUse(arg, prepared)) {
            continue;
        }
        const auto eq = arg.find('=');
        const CLI::Option* own = startsWithDashes(arg) ? m_app->get_option_no_throw(arg.substr(0, eq)) : nullptr;
        if (own == nullptr) {
            prepared.push_back(arg == "--" ? passedDashes : arg);
        } else if (eq != std::string::npos) {
            // "--seed=" is an empty value, not a value still to come.
            prepared.push_back(arg.substr(0, eq));
            prepared.push_back(arg.substr(eq + 1));
        } else if (i + 1 < args.size() && !startsWithDashes(args[i + 1])) {
            prepared.push_back(arg);
            prepared.push_back(args[++i]);
        } else {
            // Nothing after it is read: the faults before it come first.
            lacksValue = arg;
        }
    }
    std::reverse(prepared.begin(), prepared.end());
    readLine(prepared);
    if (lacksValue) {
        throw UsageError(fmt::format(texts::cli::kNeedsValue, *lacksValue));
    }
    std::vector<std::string> others = m_app->remaining();
    std::replace(others.begin(), others.end(), passedDashes, std::string("--"));
    return others;
}

std::string CommandLine::help() const { return m_app->help() + texts::cli::kExitStatus; }

void applyEntries(const CommonOptions& options, InMemoryInputs& inputs) {
    formatEntries(inputs);
    for (int i = 0; i < kEntryCount; ++i) {
        if (const auto& text = options.entries[static_cast<size_t>(i)]) {
            inputs.setEntryText(i, *text);
        }
    }
    inputs.setPattern(options.pattern);
}

std::optional<double> readPositive(const std::string& text) {
    double value = 0;
    const char* end = text.data() + text.size();
    const auto [ptr, ec] = std::from_chars(text.data(), end, value);
    if (text.empty() || ec != std::errc{} || ptr != end || !std::isfinite(value) || !(value > 0)) {
        return std::nullopt;
    }
    return value;
}

void printWarnings(CommonOptions& options, const std::string& command, std::ostream& err) {
    for (const std::string& warning : options.warnings) {
        err << fmt::format(texts::cli::kCommandWarning, command, warning) << '\n';
    }
    options.warnings.clear();
}

void warnLowAboveHigh(const InMemoryInputs& inputs, const std::string& command, std::ostream& err) {
    InMemoryInputs repaired = inputs;
    Repair_Variables(repaired);
    for (int k = 0; k < kVariableCount; ++k) {
        const double low = repaired.value(lowEntry(k));
        const double high = repaired.value(highEntry(k));
        if (low > high) {
            err << fmt::format(texts::cli::kCommandWarning, command,
                               fmt::format(texts::cli::kLowAboveHigh, variableRule(k).option, plainDecimal(low),
                                           plainDecimal(high)))
                << '\n';
        }
    }
}

namespace {

NumberLocale readEnvironmentLocale() {
    NumberLocale locale;
    const char* previous = std::setlocale(LC_NUMERIC, nullptr);
    const std::string saved = previous ? previous : "C";
    if (std::setlocale(LC_NUMERIC, "")) {
        const std::lconv* conv = std::localeconv();
        if (conv->decimal_point && *conv->decimal_point) {
            locale.decimalPoint = conv->decimal_point;
        }
        if (conv->thousands_sep && *conv->thousands_sep) {
            locale.groupSeparator = conv->thousands_sep;
        } else {
            // The C locale has no grouping mark; take the usual partner of
            // the decimal point so "1,500" still reads as fifteen hundred.
            locale.groupSeparator = std::string(locale.decimalPoint == "." ? "," : ".");
        }
    }
    std::setlocale(LC_NUMERIC, saved.c_str());
    return locale;
}

}  // namespace

// Read once: setlocale is not safe while other threads run, and a batch
// reads its units' options on many.
NumberLocale environmentLocale() {
    static const NumberLocale locale = readEnvironmentLocale();
    return locale;
}

const char* patternName(CorridorPattern pattern) { return pattern == CorridorPattern::Parallel ? "parallel" : "fan"; }

}  // namespace quorvale::cli
