#include "units/UnitDocument.h"

#include <cerrno>
#include <cstring>
#include <initializer_list>
#include <nlohmann/json.hpp>

#include "base/FileKind.h"
#include "base/Texts.h"
#include "base/Utf8.h"
#include "inputs/InputVariables.h"

namespace quorvale {
namespace {

using nlohmann::json;
using namespace texts::units;

// The message template with %1, %2, ... replaced in one pass, so an
// argument that itself holds "%2" stays as it is.
std::string fill(std::string_view pattern, std::initializer_list<std::string_view> args) {
    std::string out;
    out.reserve(pattern.size() + 64);
    for (std::size_t i = 0; i < pattern.size(); ++i) {
        if (pattern[i] == '%' && i + 1 < pattern.size() && pattern[i + 1] >= '1' && pattern[i + 1] <= '9') {
            const auto index = static_cast<std::size_t>(pattern[i + 1] - '1');
            if (index < args.size()) {
                out += *(args.begin() + index);
                ++i;
                continue;
            }
        }
        out += pattern[i];
    }
    return out;
}

// A JSON pointer token: "~" and "/" escaped as the pointer syntax wants,
// control characters shown as \uXXXX so a message stays on one line.
std::string pointerToken(std::string_view key) {
    std::string out;
    for (const char c : key) {
        if (c == '~') {
            out += "~0";
        } else if (c == '/') {
            out += "~1";
        } else if (static_cast<unsigned char>(c) < 0x20 || c == 0x7f) {
            static constexpr char kHex[] = "0123456789abcdef";
            out += "\\u00";
            out += kHex[(static_cast<unsigned char>(c) >> 4) & 0xf];
            out += kHex[static_cast<unsigned char>(c) & 0xf];
        } else {
            out += c;
        }
    }
    return out;
}

// A value quoted in a message: its JSON text, cut short.
std::string shown(const json& value) {
    constexpr std::size_t kLongest = 40;
    std::string text = value.dump(-1, ' ', false, json::error_handler_t::replace);
    if (text.size() > kLongest) {
        text.resize(kLongest);
        // Never end inside a UTF-8 sequence.
        while (!text.empty() && (static_cast<unsigned char>(text.back()) & 0xc0) == 0x80) {
            text.pop_back();
        }
        if (!text.empty() && static_cast<unsigned char>(text.back()) >= 0xc0) {
            text.pop_back();
        }
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

bool isOneLine(std::string_view text) {
    for (const char c : text) {
        if (static_cast<unsigned char>(c) < 0x20 || c == 0x7f) {
            return false;
        }
    }
    return true;
}

// Notes may run over several lines and hold tabs, nothing else below blank.
bool isNoteText(std::string_view text) {
    for (const char c : text) {
        if ((static_cast<unsigned char>(c) < 0x20 && c != '\n' && c != '\r' && c != '\t') || c == 0x7f) {
            return false;
        }
    }
    return true;
}

// "line:column" of a byte offset, both counted from 1.
std::string lineColumn(std::string_view bytes, std::size_t offset) {
    offset = std::min(offset, bytes.size());
    std::size_t line = 1;
    std::size_t column = 1;
    for (std::size_t i = 0; i < offset; ++i) {
        if (bytes[i] == '\n') {
            ++line;
            column = 1;
        } else if ((static_cast<unsigned char>(bytes[i]) & 0xc0) != 0x80) {
            ++column;  // a UTF-8 character counts once
        }
    }
    return std::to_string(line) + ":" + std::to_string(column);
}

bool isUtf8(std::string_view text) {
    std::size_t i = 0;
    while (i < text.size()) {
        const auto c = static_cast<unsigned char>(text[i]);
        const std::size_t length = c < 0x80 ? 1 : (c >> 5) == 0x6 ? 2 : (c >> 4) == 0xe ? 3 : (c >> 3) == 0x1e ? 4 : 0;
        if (length == 0 || i + length > text.size()) {
            return false;
        }
        for (std::size_t j = 1; j < length; ++j) {
            if ((static_cast<unsigned char>(text[i + j]) & 0xc0) != 0x80) {
                return false;
            }
        }
        i += length;
    }
    return true;
}

// The library's own explanation without its prefix and position, which the
// message gives in the usual line:column form.
std::string parseDetail(const json::parse_error& error) {
    std::string what = error.what();
    const std::size_t column = what.find("column ");
    const std::size_t start = what.find(": ", column == std::string::npos ? 0 : column);
    if (start != std::string::npos) {
        what = what.substr(start + 2);
    }
    // The bytes it last read are quoted as they are; bytes that are no text
    // would spoil the message, and the place says enough.
    if (!isUtf8(what)) {
        what = what.substr(0, what.find("; last read"));
    }
    return isOneLine(what) ? what : pointerToken(what);
}

class Reader {
public:
    Reader(std::string_view fileName, UnitReadResult& result) : m_file(fileName), m_result(result) {}

    bool refuse(std::string message) {
        m_result.error = std::move(message);
        return false;
    }

    bool wrongType(const std::string& place, std::string_view wanted, const json& found) {
        return refuse(fill(kWrongType, {m_file, place, wanted, kindOf(found)}));
    }

    void warnUnknown(const std::string& place) { m_result.warnings.push_back(fill(kUnknownKey, {m_file, place})); }

    // A one-line text at `key` of `object`; absent optional texts stay empty.
    bool text(const json& object, const char* key, bool required, bool multiLine, std::string& out) {
        const std::string place = std::string("/") + key;
        const auto it = object.find(key);
        if (it == object.end()) {
            return required ? refuse(fill(kMissing, {m_file, place})) : true;
        }
        if (!it->is_string()) {
            return wrongType(place, kAText, *it);
        }
        out = it->get<std::string>();
        if (!(multiLine ? isNoteText(out) : isOneLine(out))) {
            return refuse(fill(kControlCharacter, {m_file, place}));
        }
        return true;
    }

    bool document(const json& root, UnitDocument& unit) {
        if (!root.is_object()) {
            return wrongType("/", kAnObject, root);
        }
        const auto format = root.find("format");
        if (format == root.end()) {
            return refuse(fill(kMissing, {m_file, "/format"}));
        }
        if (!format->is_string() || format->get<std::string>() != kUnitFormatName) {
            return refuse(fill(kWrongFormat, {m_file, shown(*format)}));
        }
        const auto version = root.find("version");
        if (version == root.end()) {
            return refuse(fill(kMissing, {m_file, "/version"}));
        }
        if (!version->is_number_integer()) {
            return wrongType("/version", kAWholeNumber, *version);
        }
        if (version->get<long long>() != kUnitFormatVersion) {
            return refuse(fill(kWrongVersion, {m_file, shown(*version)}));
        }

        std::string pattern;
        if (!text(root, "name", false, false, unit.name) || !text(root, "notes", false, true, unit.notes) ||
            !text(root, "pattern", true, false, pattern) || !text(root, "target", true, false, unit.target)) {
            return false;
        }
        const std::optional<CorridorPattern> parsed = patternFromKey(pattern);
        if (!parsed) {
            return refuse(fill(kUnknownPattern, {m_file, shown(root["pattern"])}));
        }
        unit.pattern = *parsed;

        for (const auto& [key, value] : root.items()) {
            if (key != "format" && key != "version" && key != "name" && key != "notes" && key != "pattern" &&
                key != "target" && key != "variables") {
                warnUnknown("/" + pointerToken(key));
            }
        }
        return variables(root, unit);
    }

private:
    // Every variable present as two one-line texts; copied into the unit.
    bool variables(const json& root, UnitDocument& unit) {
        const auto it = root.find("variables");
        if (it == root.end()) {
            return refuse(fill(kMissing, {m_file, "/variables"}));
        }
        if (!it->is_object()) {
            return wrongType("/variables", kAnObject, *it);
        }
        for (int k = 0; k < kVariableCount; ++k) {
            const VariableRule& rule = variableRule(k);
            const std::string place = "/variables/" + std::string(rule.option);
            const auto pair = it->find(std::string(rule.option));
            if (pair == it->end()) {
                return refuse(fill(kMissing, {m_file, place}));
            }
            if (!pair->is_array()) {
                return wrongType(place, kAListOfTwoTexts, *pair);
            }
            if (pair->size() != 2) {
                return refuse(fill(kWrongCount, {m_file, place, fill(kItems, {std::to_string(pair->size())})}));
            }
            for (std::size_t side = 0; side < 2; ++side) {
                const json& entry = (*pair)[side];
                const std::string entryPlace = place + "/" + std::to_string(side);
                if (!entry.is_string()) {
                    return wrongType(entryPlace, kAText, entry);
                }
                const auto& text = entry.get_ref<const std::string&>();
                if (!isOneLine(text)) {
                    return refuse(fill(kControlCharacter, {m_file, entryPlace}));
                }
                unit.entries.at(static_cast<std::size_t>(k)).at(side) = text;
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

}  // namespace

UnitDocument defaultUnitDocument() {
    InMemoryInputs defaults;
    return unitFromInputs(defaults, texts::simulator::kDefaultTarget);
}

UnitDocument unitFromInputs(InputVariables& inputs, std::string target) {
    UnitDocument unit;
    for (int i = 0; i < kEntryCount; ++i) {
        unit.entryText(i) = inputs.entryText(i);
    }
    unit.pattern = inputs.pattern();
    unit.target = std::move(target);
    return unit;
}

void applyUnit(const UnitDocument& unit, InMemoryInputs& inputs) {
    for (int i = 0; i < kEntryCount; ++i) {
        inputs.setEntryText(i, unit.entryText(i));
    }
    inputs.setPattern(unit.pattern);
}

UnitReadResult readUnitDocument(std::string_view fileName, std::string_view bytes) {
    UnitReadResult result;
    if (bytes.size() > kUnitFileLimit) {
        result.error = fill(kTooLarge, {fileName, std::to_string(bytes.size())});
        return result;
    }
    json root;
    try {
        root = json::parse(bytes.begin(), bytes.end());
    } catch (const json::parse_error& error) {
        result.error =
            fill(kNotJson, {fileName, lineColumn(bytes, error.byte == 0 ? 0 : error.byte - 1), parseDetail(error)});
        return result;
    } catch (const json::out_of_range& error) {
        // A number too large for any type ("5E0888..."): the parser names
        // the number, which places it in the file.
        const std::string what = error.what();
        const size_t open = what.find('\'');
        const size_t close = what.rfind('\'');
        const size_t at = open < close ? bytes.find(what.substr(open + 1, close - open - 1)) : std::string_view::npos;
        result.error = fill(
            kNotJson, {fileName, lineColumn(bytes, at == std::string_view::npos ? 0 : at), "a number out of range"});
        return result;
    }
    UnitDocument unit;
    Reader reader(fileName, result);
    if (reader.document(root, unit)) {
        result.document = std::move(unit);
    } else {
        result.warnings.clear();  // the error says all there is to say
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
        result.error = fill(kIsFolder, {name});
    } else if (file.kind != FileKind::Regular && file.kind != FileKind::Missing) {
        result.error = fill(kNotRegular, {name, fileKindName(file.kind)});
    } else if (file.error != 0) {
        result.error = fill(kCannotRead, {name, std::strerror(file.error)});
    } else if (file.tooLarge) {
        result.error =
            fill(kTooLarge, {name, file.size > kUnitFileLimit ? std::to_string(file.size)
                                                              : "more than " + std::to_string(kUnitFileLimit)});
    } else {
        return readUnitDocument(name, file.bytes);
    }
    return result;
}

std::string writeUnitDocument(const UnitDocument& unit) {
    nlohmann::ordered_json root;
    root["format"] = kUnitFormatName;
    root["version"] = kUnitFormatVersion;
    if (!unit.name.empty()) {
        root["name"] = unit.name;
    }
    if (!unit.notes.empty()) {
        root["notes"] = unit.notes;
    }
    root["pattern"] = std::string(patternKey(unit.pattern));
    root["target"] = unit.target;
    nlohmann::ordered_json variables = nlohmann::ordered_json::object();
    for (int k = 0; k < kVariableCount; ++k) {
        const auto& pair = unit.entries.at(static_cast<std::size_t>(k));
        variables[std::string(variableRule(k).option)] = {pair[0], pair[1]};
    }
    root["variables"] = std::move(variables);
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
