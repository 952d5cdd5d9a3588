#pragma once
// A plain text table with right-aligned columns, for people reading output
// in a terminal.

#include <ostream>
#include <string>
#include <vector>

namespace quorvale::cli {

class TextTable {
public:
    // Each heading may span two lines: "name" and "unit".
    void addColumn(std::string name, std::string unit);
    void addRow(std::vector<std::string> cells);
    void print(std::ostream& out) const;

private:
    std::vector<std::string> m_names;
    std::vector<std::string> m_units;
    std::vector<std::vector<std::string>> m_rows;
};

}  // namespace quorvale::cli
