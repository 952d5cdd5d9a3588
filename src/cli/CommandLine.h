#pragma once
// The arguments of one quorvale-cli command, read with CLI11, and the options
// every command shares: the fifteen variable options, the corridor pattern
// and the output format. Each command builds a CommandLine, adds its own
// options, parses, then walks the options in the order they were given, so
// that a later option overrides an earlier one.

#include <array>
#include <memory>
#include <optional>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

#include "inputs/InputVariables.h"

namespace CLI {
class App;
}

namespace quorvale::cli {

// A usage error: the tool prints the message on one line and exits with 2.
class UsageError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

enum class OutputFormat { Table, Csv, Json };

// Options every command shares.
struct CommonOptions {
    CorridorPattern pattern = CorridorPattern::Parallel;
    OutputFormat format = OutputFormat::Table;
    // Entry texts given on the command line; unset entries keep their default.
    std::array<std::optional<std::string>, kEntryCount> entries;
};

class CommandLine {
public:
    // `command` is the command's name ("sweep"); `synopsis` the text shown
    // under the usage line of its help.
    CommandLine(std::string command, std::string synopsis);
    ~CommandLine();
    CommandLine(const CommandLine&) = delete;
    CommandLine& operator=(const CommandLine&) = delete;

    // The shared options, in the order the help lists them.
    void addPatternOption();
    void addFormatOption();
    // The fifteen variables, with the help's note on how their texts are read.
    void addVariableOptions();
    // A command's own option taking one value ("--case", "low|average|high").
    void addOption(const std::string& name, const std::string& valueName, const std::string& description);

    // Reads the arguments (without the program and command names). Both
    // "--name value" and "--name=value" are accepted; a value may be empty
    // or start with a single minus sign, never with "--". Throws UsageError.
    void parse(const std::vector<std::string>& args);
    // The options as given, in order: the name with its dashes, and the value.
    const std::vector<std::pair<std::string, std::string>>& given() const { return m_given; }

    std::string help() const;
    const std::string& command() const { return m_command; }

private:
    std::string m_command;
    std::unique_ptr<CLI::App> m_app;
    std::vector<std::pair<std::string, std::string>> m_given;
};

// Applies one given option if it is a shared one; false when it is not.
// Throws UsageError for a value the option does not take.
bool readCommonOption(const std::string& option, const std::string& value, CommonOptions& options);

// Fills the entries as the Variables window holds them before an analysis:
// given texts as typed, the others at their defaults in display form.
void applyEntries(const CommonOptions& options, InMemoryInputs& inputs);

// The user's number locale, from the environment.
NumberLocale environmentLocale();

const char* patternName(CorridorPattern pattern);

}  // namespace quorvale::cli
