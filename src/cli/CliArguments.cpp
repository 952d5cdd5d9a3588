#include "cli/CliArguments.h"

#include <clocale>
#include <sstream>

namespace quorvale::cli {

std::string ArgReader::nextOption() {
    const std::string& arg = m_args[m_pos++];
    m_inlineValue.reset();
    if (arg.rfind("--", 0) != 0 || arg.size() == 2) {
        throw UsageError("unexpected argument '" + arg + "' (options start with --; see --help)");
    }
    if (auto eq = arg.find('='); eq != std::string::npos) {
        m_inlineValue = arg.substr(eq + 1);
        return arg.substr(0, eq);
    }
    return arg;
}

std::string ArgReader::value(const std::string& option) {
    if (m_inlineValue) {
        std::string v = *m_inlineValue;
        m_inlineValue.reset();
        return v;
    }
    // The next argument is the value unless it is another option; a single
    // leading minus ("-3:40") is a value.
    if (atEnd() || m_args[m_pos].rfind("--", 0) == 0) {
        throw UsageError("option " + option + " needs a value");
    }
    return m_args[m_pos++];
}

bool readCommonOption(ArgReader& args, const std::string& option, CommonOptions& options) {
    if (option == "--pattern") {
        const std::string v = args.value(option);
        if (v == "parallel") {
            options.pattern = CorridorPattern::Parallel;
        } else if (v == "fan") {
            options.pattern = CorridorPattern::FanShaped;
        } else {
            throw UsageError("option --pattern: unknown pattern '" + v + "' (use parallel or fan)");
        }
        return true;
    }
    if (option == "--format") {
        const std::string v = args.value(option);
        if (v == "table") {
            options.format = OutputFormat::Table;
        } else if (v == "csv") {
            options.format = OutputFormat::Csv;
        } else if (v == "json") {
            options.format = OutputFormat::Json;
        } else {
            throw UsageError("option --format: unknown format '" + v + "' (use table, csv or json)");
        }
        return true;
    }
    for (int k = 0; k < kVariableCount; ++k) {
        const VariableRule& rule = variableRule(k);
        if (option != "--" + std::string(rule.option)) {
            continue;
        }
        // LOW or LOW:HIGH; a single value sets both entries.
        const std::string v = args.value(option);
        const auto colon = v.find(':');
        const std::string low = v.substr(0, colon);
        const std::string high = colon == std::string::npos ? low : v.substr(colon + 1);
        options.entries[static_cast<size_t>(lowEntry(k))] = low;
        options.entries[static_cast<size_t>(highEntry(k))] = high;
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

NumberLocale environmentLocale() {
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

const char* patternName(CorridorPattern pattern) {
    return pattern == CorridorPattern::Parallel ? "parallel" : "fan";
}

const char* formatName(OutputFormat format) {
    switch (format) {
        case OutputFormat::Table:
            return "table";
        case OutputFormat::Csv:
            return "csv";
        case OutputFormat::Json:
            return "json";
    }
    return "table";
}

std::string commonOptionsHelp() {
    std::ostringstream out;
    out << "  --pattern parallel|fan   corridor pattern (default: parallel)\n"
        << "  --format table|csv|json  output format (default: table)\n"
        << "\nVariables: each takes LOW or LOW:HIGH (one value sets both), in the units\n"
        << "of the Variables window. Texts go through the same rules as the window's\n"
        << "fields: a value that is not a positive number is replaced by the default.\n";
    for (int k = 0; k < kVariableCount; ++k) {
        const VariableRule& rule = variableRule(k);
        std::string name = "  --" + std::string(rule.option) + " LOW[:HIGH]";
        name.resize(std::max<size_t>(name.size() + 1, 44), ' ');
        out << name << rule.unit << ", default " << rule.low.defaultValue << "\n";
    }
    return out.str();
}

}  // namespace quorvale::cli
