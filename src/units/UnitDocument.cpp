#include "units/UnitDocument.h"

#include <fmt/format.h>

#include <algorithm>
#include <cerrno>
#include <cmath>
#include <cstring>
#include <nlohmann/json.hpp>
#include <vector>

#include "base/FileKind.h"
#include "base/Texts.h"
#include "base/Utf8.h"
#include "units/UnitJson.h"
#include "inputs/InputValues.h"
#include "inputs/InputVariables.h"

namespace quorvale {
namespace {

using namespace texts::units;
using namespace unitjson;

// A value quoted in a message: its JSON text, cut short.
std::string shown(const json& value) {
    constexpr std::size_t kLongest = 40;
    std::string text = value.dump(-1, ' ', false, json::error_handler_t::replace);
    if (cutAtCharacter(text, kLongest)) {
        text += "...";
    }
    return text;
}

std::string kindOf(const json& value) {
    switch (value.type()) {
        case json::value_t::object:
            return kAnObject;
        case json::value_t::array:
            return kAList;
        case json::value_t::string:
            return kAText;
        case json::value_t::boolean:
            return kTrueFalse;
        case json::value_t::null:
            return kNull;
        default:
            return kANumber;
    }
}

// A drawn variable by its option name; -1 for any other name.
int drawnVariableByOption(std::string_view name);

// Notes may run over several lines and hold tabs, nothing else below blank.
bool isNoteText(std::string_view text) {
    for (const char c : text) {
        if ((static_cast<unsigned char>(c) < 0x20 && c != '\n' && c != '\r' && c != '\t') || c == 0x7f) {
            return false;
        }
    }
    return true;
}

// The Simulator's default target, standing in for a target that is no
// usable number, as "Go" puts it in.
int defaultTarget() { return static_cast<int>(leadingNumber(texts::simulator::kDefaultTarget)); }

class Reader {
public:
    Reader(std::string_view fileName, UnitReadResult& result) : m_file(fileName), m_result(result) {}

    bool refuse(std::string message) {
        m_result.error = std::move(message);
        return false;
    }

    bool wrongType(const std::string& place, std::string_view wanted, const json& found) {
        return refuse(fmt::format(kWrongType, m_file, place, wanted, kindOf(found)));
    }

    void warnUnknown(const std::string& place) { m_result.warnings.push_back(fmt::format(kUnknownKey, m_file, place)); }

    // A one-line text at `key` of `object`; absent optional texts stay empty.
    bool text(const json& object, const char* key, bool required, bool multiLine, std::string& out) {
        const std::string place = std::string("/") + key;
        const auto it = object.find(key);
        if (it == object.end()) {
            return required ? refuse(fmt::format(kMissing, m_file, place)) : true;
        }
        if (!it->is_string()) {
            return wrongType(place, kAText, *it);
        }
        out = it->get<std::string>();
        if (!(multiLine ? isNoteText(out) : isOneLine(out))) {
            return refuse(fmt::format(kControlCharacter, m_file, place));
        }
        const std::size_t limit = multiLine ? kUnitNotesLimit : kUnitNameLimit;
        if (cutAtCharacter(out, limit)) {
            m_result.warnings.push_back(fmt::format(kTextCut, m_file, place, std::to_string(limit)));
        }
        return true;
    }

    // A number at `place`: a text or a JSON number, read in the fixed form;
    // its fixed-form text goes to `out`, and a note when it is not read as
    // the file writes it.
    bool number(const json& value, const std::string& place, int entry, std::string notePlace, int fallback,
                std::string& out) {
        std::string text;
        if (value.is_string()) {
            text = value.get<std::string>();
            if (!isOneLine(text)) {
                return refuse(fmt::format(kControlCharacter, m_file, place));
            }
        } else if (value.is_number()) {
            text = fixedNumberText(value.get<double>());
        } else {
            return wrongType(place, kATextOrNumber, value);
        }
        UnitNumber read = readUnitNumber(text, fallback);
        UnitEntryNote note{entry, std::move(notePlace), std::move(text), std::move(read), {}};
        out = note.number.text;
        if (note.number.difference != UnitNumber::Difference::None) {
            note.line = unitNoteLine(m_file, note, note.number.text);
            m_result.notes.push_back(std::move(note));
        }
        return true;
    }

    bool document(const json& root, UnitDocument& unit) {
        if (!root.is_object()) {
            return wrongType("/", kAnObject, root);
        }
        const auto format = root.find("format");
        if (format == root.end()) {
            return refuse(fmt::format(kMissing, m_file, "/format"));
        }
        if (!format->is_string() || format->get<std::string>() != kUnitFormatName) {
            return refuse(fmt::format(kWrongFormat, m_file, shown(*format)));
        }
        const auto version = root.find("version");
        if (version == root.end()) {
            return refuse(fmt::format(kMissing, m_file, "/version"));
        }
        if (!version->is_number_integer()) {
            return wrongType("/version", kAWholeNumber, *version);
        }
        const long long versionNumber = version->get<long long>();
        if (versionNumber != kUnitFormatVersion && versionNumber != kUnitBeliefsVersion) {
            return refuse(fmt::format(kWrongVersion, m_file, shown(*version)));
        }

        std::string pattern;
        if (!text(root, "name", false, false, unit.name) || !text(root, "notes", false, true, unit.notes) ||
            !text(root, "pattern", true, false, pattern)) {
            return false;
        }
        const auto target = root.find("target");
        if (target == root.end()) {
            return refuse(fmt::format(kMissing, m_file, "/target"));
        }
        if (!number(*target, "/target", UnitEntryNote::kTarget, kTargetPlace, defaultTarget(), unit.target)) {
            return false;
        }
        const std::optional<CorridorPattern> parsed = patternFromKey(pattern);
        if (!parsed) {
            return refuse(fmt::format(kUnknownPattern, m_file, shown(root["pattern"])));
        }
        unit.pattern = *parsed;

        for (const auto& [key, value] : root.items()) {
            const bool belief = versionNumber == kUnitBeliefsVersion && (key == "beliefs" || key == "correlations");
            if (key != "format" && key != "version" && key != "name" && key != "notes" && key != "pattern" &&
                key != "target" && key != "variables" && !belief) {
                warnUnknown("/" + pointerToken(key));
            }
        }
        return variables(root, unit) && (versionNumber != kUnitBeliefsVersion || beliefs(root, unit.beliefs));
    }

    // "beliefs": {option: {"mode": number, "shape": "triangular" | "pert"}}
    // and "correlations": [{"a": option, "b": option, "rho": number}], in a
    // document of version 2. The values are checked for what they are; whether
    // a mode lies within its range is for the analysis to say, as the range
    // may change after the file is read.
    bool beliefs(const json& root, Beliefs& out) {
        if (const auto it = root.find("beliefs"); it != root.end()) {
            if (!it->is_object()) {
                return wrongType("/beliefs", kAnObject, *it);
            }
            for (const auto& [key, value] : it->items()) {
                const std::string place = "/beliefs/" + pointerToken(key);
                const int k = drawnVariableByOption(key);
                if (k < 0) {
                    return refuse(fmt::format(kNotDrawnVariable, m_file, place));
                }
                if (!value.is_object()) {
                    return wrongType(place, kAnObject, value);
                }
                const auto mode = value.find("mode");
                if (mode == value.end()) {
                    return refuse(fmt::format(kMissing, m_file, place + "/mode"));
                }
                if (!mode->is_number() || !std::isfinite(mode->get<double>()) || !(mode->get<double>() > 0)) {
                    return refuse(fmt::format(kNotPositiveNumber, m_file, place + "/mode", shown(*mode)));
                }
                const auto shape = value.find("shape");
                std::optional<BeliefShape> parsed = BeliefShape::Triangular;
                if (shape != value.end()) {
                    parsed = shape->is_string() ? shapeFromKey(shape->get<std::string>()) : std::nullopt;
                    if (!parsed) {
                        return refuse(fmt::format(kUnknownShape, m_file, place + "/shape", shown(*shape)));
                    }
                }
                for (const auto& [inner, ignored] : value.items()) {
                    if (inner != "mode" && inner != "shape") {
                        warnUnknown(place + "/" + pointerToken(inner));
                    }
                }
                out.variables[static_cast<std::size_t>(k)] = {mode->get<double>(), *parsed};
            }
        }
        const auto list = root.find("correlations");
        if (list == root.end()) {
            return true;
        }
        if (!list->is_array()) {
            return wrongType("/correlations", kAList, *list);
        }
        for (std::size_t i = 0; i < list->size(); ++i) {
            const json& pair = (*list)[i];
            const std::string place = "/correlations/" + std::to_string(i);
            if (!pair.is_object()) {
                return wrongType(place, kAnObject, pair);
            }
            int ends[2] = {-1, -1};
            for (int side = 0; side < 2; ++side) {
                const char* key = side == 0 ? "a" : "b";
                const auto it = pair.find(key);
                if (it == pair.end()) {
                    return refuse(fmt::format(kMissing, m_file, place + "/" + key));
                }
                ends[side] = it->is_string() ? drawnVariableByOption(it->get<std::string>()) : -1;
                if (ends[side] < 0) {
                    return refuse(fmt::format(kNotDrawnVariable, m_file, place + "/" + key));
                }
            }
            const auto rho = pair.find("rho");
            if (rho == pair.end()) {
                return refuse(fmt::format(kMissing, m_file, place + "/rho"));
            }
            const bool again =
                std::any_of(out.correlations.begin(), out.correlations.end(), [&](const RankCorrelation& c) {
                    return (c.a == ends[0] && c.b == ends[1]) || (c.a == ends[1] && c.b == ends[0]);
                });
            if (ends[0] == ends[1] || again || !rho->is_number() ||
                !(rho->get<double>() > -1 && rho->get<double>() < 1)) {
                return refuse(fmt::format(kBadCorrelation, m_file, place));
            }
            out.correlate(ends[0], ends[1], rho->get<double>());
        }
        return true;
    }

private:
    // Every variable present as two one-line texts; copied into the unit.
    bool variables(const json& root, UnitDocument& unit) {
        const auto it = root.find("variables");
        if (it == root.end()) {
            return refuse(fmt::format(kMissing, m_file, "/variables"));
        }
        if (!it->is_object()) {
            return wrongType("/variables", kAnObject, *it);
        }
        for (int k = 0; k < kVariableCount; ++k) {
            const VariableRule& rule = variableRule(k);
            const std::string place = "/variables/" + std::string(rule.option);
            const auto pair = it->find(std::string(rule.option));
            if (pair == it->end()) {
                return refuse(fmt::format(kMissing, m_file, place));
            }
            if (!pair->is_array()) {
                return wrongType(place, kAListOfTwoTexts, *pair);
            }
            if (pair->size() != 2) {
                return refuse(fmt::format(kWrongCount, m_file, place, fmt::format(kItems, pair->size())));
            }
            for (std::size_t side = 0; side < 2; ++side) {
                const int entry = side == 0 ? lowEntry(k) : highEntry(k);
                if (!number((*pair)[side], place + "/" + std::to_string(side), entry, unitEntryPlace(entry),
                            spinRule(entry).defaultValue, unit.entryText(entry))) {
                    return false;
                }
            }
        }
        for (const auto& [key, value] : it->items()) {
            bool known = false;
            for (const VariableRule& rule : variableRules()) {
                known = known || key == rule.option;
            }
            if (!known) {
                warnUnknown("/variables/" + pointerToken(key));
            }
        }
        return true;
    }

    std::string m_file;
    UnitReadResult& m_result;
};

// A drawn variable by its option name; -1 for any other name.
int drawnVariableByOption(std::string_view name) {
    for (int k = 0; k < kVariableCount; ++k) {
        if (name == variableRule(k).option) {
            return isDrawnVariable(k) ? k : -1;
        }
    }
    return -1;
}

// A text as a reader takes it: control characters (but line breaks and
// tabs in the notes) become blanks, and it is cut to its limit.
std::string writable(std::string text, bool multiLine, std::size_t limit) {
    for (char& c : text) {
        const bool control = static_cast<unsigned char>(c) < 0x20 || c == 0x7f;
        if (control && !(multiLine && (c == '\n' || c == '\r' || c == '\t'))) {
            c = ' ';
        }
    }
    cutAtCharacter(text, limit);
    return text;
}

}  // namespace

std::string unitEntryPlace(int entry) {
    return fmt::format(kEntryPlace, variableRule(entry / 2).option, entry % 2 == 0 ? kLow : kHigh);
}

std::string unitNoteLine(std::string_view fileName, const UnitEntryNote& note, std::string_view valueText) {
    std::string_view why;
    switch (note.number.difference) {
        case UnitNumber::Difference::OtherForm:
            why = kWhyOtherForm;
            break;
        case UnitNumber::Difference::Repaired:
            why = kWhyRepaired;
            break;
        default:
            break;
    }
    return fmt::format(kReadAs, fileName, note.place, quotedText(note.text), valueText, why);
}

UnitDocument defaultUnitDocument() {
    // As the window holds them after its start-up analysis.
    InMemoryInputs defaults;
    takeInEntries(defaults);
    return unitFromInputs(defaults, texts::simulator::kDefaultTarget);
}

UnitDocument unitFromInputs(InputVariables& inputs, std::string target) {
    UnitDocument unit;
    const InputValues values = InputValues::read(inputs);
    for (int i = 0; i < kEntryCount; ++i) {
        unit.entryText(i) = fixedNumberText(values.entry(i));
    }
    unit.pattern = inputs.pattern();
    unit.target = std::move(target);
    return unit;
}

std::string unitEntryIn(const UnitDocument& unit, int entry, const ValueRule& rule) {
    return unitNumberIn(unit.entryText(entry), spinRule(entry).defaultValue, rule);
}

void applyUnit(const UnitDocument& unit, InMemoryInputs& inputs) {
    for (int i = 0; i < kEntryCount; ++i) {
        inputs.setEntryText(i, unitEntryIn(unit, i, inputs.valueRule()));
    }
    inputs.setPattern(unit.pattern);
}

UnitReadResult readUnitDocument(std::string_view fileName, std::string_view bytes) {
    UnitReadResult result;
    if (bytes.size() > kUnitFileLimit) {
        result.error = fmt::format(kTooLarge, fileName, std::to_string(bytes.size()));
        return result;
    }
    json root;
    if (!parseUnitJson(fileName, bytes, root, result.error)) {
        return result;
    }
    UnitDocument unit;
    Reader reader(fileName, result);
    if (reader.document(root, unit)) {
        result.document = std::move(unit);
    } else {
        result.warnings.clear();  // the error says all there is to say
        result.notes.clear();
    }
    return result;
}

UnitReadResult readUnitFile(const std::string& path) {
    UnitReadResult result;
    // The name as messages print it: a name is any bytes, and a terminal
    // would act on the escapes and line breaks among them.
    const std::string name = escapedControls(path);
    const RegularFileRead file = readRegularFile(path, kUnitFileLimit);
    if (file.kind == FileKind::Folder) {
        result.error = fmt::format(kIsFolder, name);
    } else if (file.kind != FileKind::Regular && file.kind != FileKind::Missing) {
        result.error = fmt::format(kNotRegular, name, fileKindName(file.kind));
    } else if (file.error != 0) {
        result.error = fmt::format(kCannotRead, name, std::strerror(file.error));
    } else if (file.tooLarge) {
        result.error = fmt::format(
            kTooLarge, name,
            file.size > kUnitFileLimit ? std::to_string(file.size) : "more than " + std::to_string(kUnitFileLimit));
    } else {
        return readUnitDocument(name, file.bytes);
    }
    return result;
}

std::string writeUnitDocument(const UnitDocument& unit) {
    nlohmann::ordered_json root;
    root["format"] = kUnitFormatName;
    // Only what a reader takes: a mode above 0, a pair of two drawn
    // variables with rho inside (-1, 1).
    nlohmann::ordered_json beliefs = nlohmann::ordered_json::object();
    for (int k = 0; k < kVariableCount; ++k) {
        const VariableBelief& b = unit.beliefs.variables[static_cast<std::size_t>(k)];
        if (isDrawnVariable(k) && b.hasMode() && std::isfinite(b.mode) && b.mode > 0) {
            beliefs[std::string(variableRule(k).option)] = {{"mode", b.mode},
                                                            {"shape", std::string(shapeKey(b.shape))}};
        }
    }
    nlohmann::ordered_json correlations = nlohmann::ordered_json::array();
    for (const RankCorrelation& c : unit.beliefs.correlations) {
        if (isDrawnVariable(c.a) && isDrawnVariable(c.b) && c.a != c.b && c.rho > -1 && c.rho < 1) {
            correlations.push_back({{"a", std::string(variableRule(c.a).option)},
                                    {"b", std::string(variableRule(c.b).option)},
                                    {"rho", c.rho}});
        }
    }
    const bool believed = !beliefs.empty() || !correlations.empty();
    root["version"] = believed ? kUnitBeliefsVersion : kUnitFormatVersion;
    if (!unit.name.empty()) {
        root["name"] = writable(unit.name, false, kUnitNameLimit);
    }
    if (!unit.notes.empty()) {
        root["notes"] = writable(unit.notes, true, kUnitNotesLimit);
    }
    root["pattern"] = std::string(patternKey(unit.pattern));
    root["target"] = writable(unit.target, false, kUnitTextLimit);
    nlohmann::ordered_json variables = nlohmann::ordered_json::object();
    for (int k = 0; k < kVariableCount; ++k) {
        const auto& pair = unit.entries.at(static_cast<std::size_t>(k));
        variables[std::string(variableRule(k).option)] = {writable(pair[0], false, kUnitTextLimit),
                                                          writable(pair[1], false, kUnitTextLimit)};
    }
    root["variables"] = std::move(variables);
    if (!beliefs.empty()) {
        root["beliefs"] = std::move(beliefs);
    }
    if (!correlations.empty()) {
        root["correlations"] = std::move(correlations);
    }
    // Texts that are not valid UTF-8 are written with replacement
    // characters rather than failing the save.
    return root.dump(2, ' ', false, nlohmann::ordered_json::error_handler_t::replace) + "\n";
}

std::string_view patternKey(CorridorPattern pattern) {
    return pattern == CorridorPattern::Parallel ? "parallel" : "fan";
}

std::optional<CorridorPattern> patternFromKey(std::string_view key) {
    if (key == "parallel") {
        return CorridorPattern::Parallel;
    }
    if (key == "fan") {
        return CorridorPattern::FanShaped;
    }
    return std::nullopt;
}

}  // namespace quorvale
