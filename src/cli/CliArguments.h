#pragma once
// Command-line arguments shared by the quorvale-cli commands: the fifteen
// variable options, the corridor pattern and the output format.

#include <array>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

#include "inputs/InputVariables.h"

namespace quorvale::cli {

// A usage error: the tool prints the message on one line and exits with 2.
class UsageError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

enum class OutputFormat { Table, Csv, Json };

// Walks the arguments of one command. Both "--name value" and "--name=value"
// are accepted; a value may be empty or start with a single minus sign.
class ArgReader {
public:
    explicit ArgReader(std::vector<std::string> args) : m_args(std::move(args)) {}

    bool atEnd() const { return m_pos >= m_args.size(); }
    // The next option's name (without its "=value" part); throws on a
    // positional argument.
    std::string nextOption();
    // The value of the option just read.
    std::string value(const std::string& option);

private:
    std::vector<std::string> m_args;
    size_t m_pos = 0;
    std::optional<std::string> m_inlineValue;
};

// Options every command shares.
struct CommonOptions {
    CorridorPattern pattern = CorridorPattern::Parallel;
    OutputFormat format = OutputFormat::Table;
    // Entry texts given on the command line; unset entries keep their default.
    std::array<std::optional<std::string>, kEntryCount> entries;
};

// Consumes the option if it is a common one; false when it is not.
bool readCommonOption(ArgReader& args, const std::string& option, CommonOptions& options);

// Fills the entries as the Variables window holds them before an analysis:
// given texts as typed, the others at their defaults in display form.
void applyEntries(const CommonOptions& options, InMemoryInputs& inputs);

// The user's number locale, from the environment.
NumberLocale environmentLocale();

const char* patternName(CorridorPattern pattern);
const char* formatName(OutputFormat format);

// Help lines for the shared options.
std::string commonOptionsHelp();

}  // namespace quorvale::cli
