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
//     "beliefs": { "harvest-volume": {"mode": 24, "shape": "pert"} },
//     "correlations": [ {"a": "harvest-volume", "b": "turn-volume", "rho": 0.5} ]
//   }
//
// The last two are the decision analysis's most likely values and linked
// inputs; a document that has any is version 2, one without them version 1.
//
// The variables are keyed by their command-line option names and hold the
// Low and High values, like the target, as texts in one fixed number form
// ("." as the decimal point, no grouping; see UnitNumbers.h), written and read
// the same in every locale. A reader also takes JSON numbers there.
//
// Reading never half-succeeds: a document is either complete and returned,
// or refused with one line naming the file and the place in it (a byte that
// follows the document, a key given twice, a wrong type). What it returns
// holds every number in the fixed form; an entry whose text said otherwise
// is named in a note with the value taken.

#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "inputs/Beliefs.h"
#include "inputs/InputRules.h"
#include "units/UnitNumbers.h"

namespace quorvale {

class InputVariables;
class InMemoryInputs;
class ValueRule;

inline constexpr char kUnitFormatName[] = "quorvale-unit";
inline constexpr int kUnitFormatVersion = 1;
// A document that holds beliefs is written as this version, so that a
// reader that knows only the first refuses it rather than drop them.
inline constexpr int kUnitBeliefsVersion = 2;
inline constexpr char kUnitFileSuffix[] = ".qvunit";
// Larger files are refused before they are read.
inline constexpr std::size_t kUnitFileLimit = 1024 * 1024;
// The longest name, notes, target and entry text a document keeps, in
// bytes. Far below the file limit even with every byte written escaped, so
// a document that is written can always be read again.
inline constexpr std::size_t kUnitNameLimit = 256;
inline constexpr std::size_t kUnitNotesLimit = 64 * 1024;
inline constexpr std::size_t kUnitTextLimit = 64;

struct UnitDocument {
    std::string name;
    std::string notes;
    CorridorPattern pattern = CorridorPattern::Parallel;
    std::string target;
    // entries[k] = {Low text, High text} of variable k.
    std::array<std::array<std::string, 2>, kVariableCount> entries;
    // What the decision analysis draws from beyond Low and High (version 2).
    Beliefs beliefs;

    const std::string& entryText(int entry) const {
        return entries.at(static_cast<std::size_t>(entry / 2)).at(static_cast<std::size_t>(entry % 2));
    }
    std::string& entryText(int entry) {
        return entries.at(static_cast<std::size_t>(entry / 2)).at(static_cast<std::size_t>(entry % 2));
    }

    bool operator==(const UnitDocument&) const = default;
};

// A number of the file that is not read as its text says it.
struct UnitEntryNote {
    static constexpr int kTarget = -1;
    int entry = 0;      // 0 to 29, or kTarget
    std::string place;  // "harvest-volume Low", "target"
    std::string text;   // as the file gives it
    UnitNumber number;  // what it is read as
    std::string line;   // one line naming the file, the place and the value
};

struct UnitReadResult {
    std::optional<UnitDocument> document;  // empty when refused
    std::string error;                     // one line, when refused
    std::vector<std::string> warnings;     // one line each (unknown keys, a cut text)
    std::vector<UnitEntryNote> notes;      // numbers not read as their texts say

    explicit operator bool() const { return document.has_value(); }
};

// An entry's place in a note: "harvest-volume Low".
std::string unitEntryPlace(int entry);

// The note's line with another value text: the value an entry ends up with
// once it is taken in.
std::string unitNoteLine(std::string_view fileName, const UnitEntryNote& note, std::string_view valueText);

// The unit a fresh start shows: every entry its spin default as a whole
// number, parallel corridors, the Simulator's default target.
UnitDocument defaultUnitDocument();

// The values the inputs' entries are read as (repair included), in the
// fixed form, and the pattern, with the given target.
UnitDocument unitFromInputs(InputVariables& inputs, std::string target);
// The document's entry as text in the inputs' own locale.
std::string unitEntryIn(const UnitDocument& unit, int entry, const ValueRule& rule);
// Puts the document's entries (each in the inputs' locale) and pattern
// into the inputs.
void applyUnit(const UnitDocument& unit, InMemoryInputs& inputs);

// Reads a document from its bytes; `fileName` only names it in messages.
UnitReadResult readUnitDocument(std::string_view fileName, std::string_view bytes);
// Reads a file: refuses one over kUnitFileLimit before reading it whole,
// then reads it as above. Messages name the file by `path` as given.
UnitReadResult readUnitFile(const std::string& path);

// The document as JSON text (two-space indent, variables in window order,
// ending with a newline). Texts are kept to what a reader takes: the name,
// target and entries to one line, the notes without control characters but
// line breaks and tabs, each cut to its limit at a whole character. Reading
// the text back gives the same document.
std::string writeUnitDocument(const UnitDocument& unit);

// The command-line names of the corridor patterns ("parallel", "fan").
std::string_view patternKey(CorridorPattern pattern);
std::optional<CorridorPattern> patternFromKey(std::string_view key);

}  // namespace quorvale
