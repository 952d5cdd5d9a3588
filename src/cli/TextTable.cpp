#include "cli/TextTable.h"

#include <algorithm>
#include <iomanip>

namespace quorvale::cli {

void TextTable::addColumn(std::string name, std::string unit) {
    m_names.push_back(std::move(name));
    m_units.push_back(std::move(unit));
}

void TextTable::addRow(std::vector<std::string> cells) { m_rows.push_back(std::move(cells)); }

void TextTable::print(std::ostream& out) const {
    std::vector<size_t> widths(m_names.size());
    for (size_t c = 0; c < m_names.size(); ++c) {
        widths[c] = std::max(m_names[c].size(), m_units[c].size());
        for (const auto& row : m_rows) {
            if (c < row.size()) {
                widths[c] = std::max(widths[c], row[c].size());
            }
        }
    }
    auto line = [&](const std::vector<std::string>& cells) {
        for (size_t c = 0; c < widths.size(); ++c) {
            out << (c == 0 ? "" : "  ") << std::setw(static_cast<int>(widths[c])) << (c < cells.size() ? cells[c] : "");
        }
        out << '\n';
    };
    line(m_names);
    line(m_units);
    for (const auto& row : m_rows) {
        line(row);
    }
}

}  // namespace quorvale::cli
