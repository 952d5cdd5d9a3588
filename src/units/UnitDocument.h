#pragma once
// A unit document (.qvunit): one harvest unit's inputs kept in a file, so a
// unit can be reopened, handed to a colleague or run by the command-line
// tool. It is a JSON object:
//
//   {
//     "format": "quorvale-unit", "version": 1,
//     "name": "North slope", "notes": "cruise of May",      (both optional)
//     "pattern": "parallel",                                (or "fan")
//     "target": "5",                                        (Simulator target)
//     "variables": { "harvest-volume": ["20", "30"], ... }  (all fifteen)
//   }
//
// The variables are keyed by their command-line option names and hold the
// Low and High entry texts exactly as typed: they are entries, read later by
// the same value rule (and repaired by the same rule) as typed ones.
//
// Reading never half-succeeds: a document is either complete and returned,
// or refused with one line naming the file and the place in it.

#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "inputs/InputRules.h"

namespace quorvale {

class InputVariables;
class InMemoryInputs;

inline constexpr char kUnitFormatName[] = "quorvale-unit";
inline constexpr int kUnitFormatVersion = 1;
inline constexpr char kUnitFileSuffix[] = ".qvunit";
// Larger files are refused before they are read.
inline constexpr std::size_t kUnitFileLimit = 1024 * 1024;

struct UnitDocument {
    std::string name;
    std::string notes;
    CorridorPattern pattern = CorridorPattern::Parallel;
    std::string target;
    // entries[k] = {Low text, High text} of variable k.
    std::array<std::array<std::string, 2>, kVariableCount> entries;

    const std::string& entryText(int entry) const {
        return entries.at(static_cast<std::size_t>(entry / 2)).at(static_cast<std::size_t>(entry % 2));
    }
    std::string& entryText(int entry) {
        return entries.at(static_cast<std::size_t>(entry / 2)).at(static_cast<std::size_t>(entry % 2));
    }

    bool operator==(const UnitDocument&) const = default;
};

struct UnitReadResult {
    std::optional<UnitDocument> document;  // empty when refused
    std::string error;                     // one line, when refused
    std::vector<std::string> warnings;     // one line each (unknown keys)

    explicit operator bool() const { return document.has_value(); }
};

// The unit a fresh start shows: every entry its spin default as a whole
// number, parallel corridors, the Simulator's default target.
UnitDocument defaultUnitDocument();

// The inputs' entry texts and pattern, with the given target.
UnitDocument unitFromInputs(InputVariables& inputs, std::string target);
// Puts the document's entry texts and pattern into the inputs.
void applyUnit(const UnitDocument& unit, InMemoryInputs& inputs);

// Reads a document from its bytes; `fileName` only names it in messages.
UnitReadResult readUnitDocument(std::string_view fileName, std::string_view bytes);
// Reads a file: refuses one over kUnitFileLimit before reading it whole,
// then reads it as above. Messages name the file by `path` as given.
UnitReadResult readUnitFile(const std::string& path);

// The document as JSON text (two-space indent, variables in window order,
// ending with a newline). Reading it back gives the same document.
std::string writeUnitDocument(const UnitDocument& unit);

// The command-line names of the corridor patterns ("parallel", "fan").
std::string_view patternKey(CorridorPattern pattern);
std::optional<CorridorPattern> patternFromKey(std::string_view key);

}  // namespace quorvale
