#include "cli/JsonOutput.h"

#include <string>

#include "base/Utf8.h"
#include "inputs/NumberText.h"

namespace quorvale::cli {
namespace {

void writeString(std::ostream& out, const std::string& text) {
    out << Json(validUtf8(text)).dump(-1, ' ', false, Json::error_handler_t::replace);
}

// `depth` below 0: the whole value on one line, without spaces.
void writeValue(std::ostream& out, const Json& value, int depth) {
    const auto indent = [&](int level) {
        if (depth >= 0) {
            out << '\n' << std::string(static_cast<size_t>(level) * 2, ' ');
        }
    };
    const int inner = depth >= 0 ? depth + 1 : depth;
    switch (value.type()) {
        case Json::value_t::object: {
            if (value.empty()) {
                out << "{}";
                return;
            }
            out << '{';
            bool first = true;
            for (const auto& [key, member] : value.items()) {
                out << (first ? "" : ",");
                first = false;
                indent(depth + 1);
                writeString(out, key);
                out << (depth >= 0 ? ": " : ":");
                writeValue(out, member, inner);
            }
            indent(depth);
            out << '}';
            return;
        }
        case Json::value_t::array: {
            if (value.empty()) {
                out << "[]";
                return;
            }
            out << '[';
            bool first = true;
            for (const Json& element : value) {
                out << (first ? "" : ",");
                first = false;
                indent(depth + 1);
                writeValue(out, element, inner);
            }
            indent(depth);
            out << ']';
            return;
        }
        case Json::value_t::string:
            writeString(out, value.get_ref<const std::string&>());
            return;
        case Json::value_t::number_float:
            // Not finite: "null", as JSON has no such numbers.
            out << roundTripText(value.get<double>());
            return;
        default:
            // Integers, booleans and null as nlohmann writes them.
            out << value.dump();
            return;
    }
}

}  // namespace

void writeJson(std::ostream& out, const Json& document) {
    writeValue(out, document, 0);
    out << '\n';
}

}  // namespace quorvale::cli

namespace quorvale::cli {

void writeJsonLine(std::ostream& out, const Json& document) {
    writeValue(out, document, -1);
    out << '\n';
}

}  // namespace quorvale::cli
