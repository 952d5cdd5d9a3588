#include "cli/CommandLine.h"

#include <CLI/CLI.hpp>
#include <fmt/format.h>

#include <algorithm>
#include <charconv>
#include <cmath>
#include <clocale>
#include <map>

#include "base/Texts.h"
#include "base/Utf8.h"
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

// --unit FILE: every entry and the pattern. The file's fixed-form numbers
// become texts in the user's locale, which read back as the same numbers.
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

}  // namespace

CommandLine::CommandLine(std::string command, std::string synopsis)
    : m_command(std::move(command)),
      m_app(std::make_unique<CLI::App>(std::move(synopsis) + "\n", fmt::format(texts::cli::kProgramName, m_command))) {
    // Unknown options and stray words are collected and named by parse(),
    // in the wording the tool has always used.
    m_app->allow_extras();
    m_app->set_help_flag("--help", texts::cli::kHelpOption);
    m_app->get_formatter()->column_width(40);
}

CommandLine::~CommandLine() = default;

void CommandLine::addOption(const std::string& name, const std::string& valueName, const std::string& description) {
    // Given twice, the later one wins; parse() hands on every occurrence in
    // order.
    m_app->add_option(name, CLI::callback_t{}, description)
        ->type_name(valueName)
        ->multi_option_policy(CLI::MultiOptionPolicy::TakeAll);
}

void CommandLine::addFlag(const std::string& name, const std::string& description) {
    m_app->add_flag(name)->description(description);
}

void CommandLine::addPatternOption() { addOption("--pattern", "parallel|fan", texts::cli::kPatternOption); }

void CommandLine::addFormatOption() { addOption("--format", "table|csv|json", texts::cli::kFormatOption); }

void CommandLine::addVariableOptions() {
    addOption("--unit", "FILE", texts::cli::kUnitOption);
    for (int k = 0; k < kVariableCount; ++k) {
        const VariableRule& rule = variableRule(k);
        addOption(fmt::format("--{}", rule.option), "LOW[:HIGH]",
                  fmt::format(texts::cli::kVariableOption, rule.unit, rule.low.defaultValue));
        m_app->get_option(fmt::format("--{}", rule.option))->group(texts::cli::kVariablesGroup);
    }
    m_app->add_flag("--strict")->description(texts::cli::kStrictOption);
    m_app->footer(texts::cli::kVariablesFooter);
}

void CommandLine::parse(const std::vector<std::string>& args) {
    // CLI11 reads "--name=" as "--name" and takes the next argument as its
    // value; an empty value is meant, so it is passed as one.
    std::vector<std::string> prepared;
    for (size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (arg == "--") {
            throw UsageError(fmt::format(texts::cli::kUnexpectedArgument, arg));
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
    try {
        m_app->parse(prepared);
    } catch (const CLI::ParseError& e) {
        std::string message = e.what();
        std::replace(message.begin(), message.end(), '\n', ' ');
        throw UsageError(message);
    }

    std::map<const CLI::Option*, size_t> next;
    for (const CLI::Option* option : m_app->parse_order()) {
        m_given.emplace_back("--" + option->get_lnames().front(), option->results().at(next[option]++));
    }
    for (const std::string& extra : m_app->remaining()) {
        if (startsWithDashes(extra) && extra.size() > 2) {
            throw UsageError(
                fmt::format(texts::cli::kUnknownOption, extra.substr(0, extra.find('=')), m_command, m_command));
        }
        throw UsageError(fmt::format(texts::cli::kUnexpectedArgument, extra));
    }
}

std::string CommandLine::help() const { return m_app->help() + texts::cli::kExitStatus; }

bool readCommonOption(const std::string& option, const std::string& value, CommonOptions& options) {
    if (option == "--pattern") {
        if (value == "parallel") {
            options.pattern = CorridorPattern::Parallel;
        } else if (value == "fan") {
            options.pattern = CorridorPattern::FanShaped;
        } else {
            throw UsageError(fmt::format(texts::cli::kUnknownPattern, value));
        }
        return true;
    }
    if (option == "--format") {
        if (value == "table") {
            options.format = OutputFormat::Table;
        } else if (value == "csv") {
            options.format = OutputFormat::Csv;
        } else if (value == "json") {
            options.format = OutputFormat::Json;
        } else {
            throw UsageError(fmt::format(texts::cli::kUnknownFormat, value));
        }
        return true;
    }
    if (option == "--strict") {
        options.strict = true;
        return true;
    }
    if (option == "--unit") {
        readUnitOption(value, options);
        return true;
    }
    for (int k = 0; k < kVariableCount; ++k) {
        const VariableRule& rule = variableRule(k);
        if (!startsWithDashes(option) || option.compare(2, std::string::npos, rule.option) != 0) {
            continue;
        }
        // LOW, LOW:HIGH or LOW:MODE:HIGH; a single value sets both entries.
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
        return true;
    }
    return false;
}

void applyEntries(const CommonOptions& options, InMemoryInputs& inputs) {
    formatEntries(inputs);
    for (int i = 0; i < kEntryCount; ++i) {
        if (const auto& text = options.entries[static_cast<size_t>(i)]) {
            inputs.setEntryText(i, *text);
        }
    }
    inputs.setPattern(options.pattern);
}

double readPositiveNumber(const std::string& option, const std::string& text) {
    double value = 0;
    const char* end = text.data() + text.size();
    const auto [ptr, ec] = std::from_chars(text.data(), end, value);
    if (text.empty() || ec != std::errc{} || ptr != end || !std::isfinite(value) || !(value > 0)) {
        throw UsageError(fmt::format(texts::cli::kNotPositive, option, text));
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
