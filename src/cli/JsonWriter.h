#pragma once
// A small streaming JSON writer: objects, arrays, strings and numbers that
// read back as the same double.

#include <ostream>
#include <string>
#include <string_view>
#include <vector>

namespace quorvale::cli {

class JsonWriter {
public:
    explicit JsonWriter(std::ostream& out) : m_out(out) {}

    void beginObject();
    void endObject();
    void beginArray();
    void endArray();
    void key(std::string_view name);
    void value(std::string_view text);
    void value(const char* text) { value(std::string_view(text)); }
    void value(double number);
    void value(int number);
    void value(long long number);
    void value(unsigned long long number);
    void value(bool flag);
    void null();

    template <typename T>
    void field(std::string_view name, const T& v) {
        key(name);
        value(v);
    }

private:
    void separate();
    void newline();

    std::ostream& m_out;
    // Per open container: whether it already holds an element.
    std::vector<bool> m_hasElement;
    bool m_afterKey = false;
};

std::string jsonEscape(std::string_view text);

}  // namespace quorvale::cli
