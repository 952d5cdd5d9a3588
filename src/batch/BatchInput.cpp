#include "batch/BatchInput.h"

#include <fmt/format.h>

#include <algorithm>
#include <filesystem>
#include <set>

#include "base/FileKind.h"
#include "base/Texts.h"
#include "batch/CsvRecords.h"
#include "inputs/InputRules.h"
#include "units/UnitDocument.h"

namespace quorvale {
namespace {

namespace fs = std::filesystem;
namespace t = texts::batch;

bool endsWith(const std::string& text, std::string_view end) {
    return text.size() >= end.size() && text.compare(text.size() - end.size(), end.size(), end) == 0;
}

bool isCsv(const std::string& path) {
    std::string lower = path;
    std::transform(lower.begin(), lower.end(), lower.begin(), [](unsigned char c) { return std::tolower(c); });
    return endsWith(lower, ".csv");
}

// The unit files of a folder, sorted by name so every run lists them alike.
std::vector<std::string> folderUnits(const std::string& folder) {
    std::vector<std::string> files;
    std::error_code error;
    for (const auto& entry : fs::directory_iterator(folder, error)) {
        const std::string path = entry.path().string();
        if (endsWith(path, kUnitFileSuffix)) {
            files.push_back(path);
        }
    }
    if (error) {
        throw BatchInputError(fmt::format(t::kFolderUnreadable, folder, error.message()));
    }
    std::sort(files.begin(), files.end());
    return files;
}

bool isVariableColumn(const std::string& name) {
    for (int k = 0; k < kVariableCount; ++k) {
        if (name == variableRule(k).option) {
            return true;
        }
    }
    return false;
}

std::string trimmed(const std::string& text) {
    const auto first = text.find_first_not_of(" \t");
    if (first == std::string::npos) {
        return {};
    }
    return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

}  // namespace

BatchInput::BatchInput(std::vector<std::string> paths) {
    for (std::string& path : paths) {
        if (fileKind(path) == FileKind::Folder) {
            for (std::string& file : folderUnits(path)) {
                m_paths.push_back(std::move(file));
            }
        } else {
            m_paths.push_back(std::move(path));
        }
    }
}

BatchInput::~BatchInput() = default;

std::optional<BatchUnit> BatchInput::next() {
    while (true) {
        if (m_csv) {
            if (auto row = nextRow()) {
                return row;
            }
            continue;
        }
        if (!openNext()) {
            return std::nullopt;
        }
        if (m_csv) {
            continue;
        }
        BatchUnit unit;
        unit.index = m_index++;
        unit.file = m_paths[m_nextPath - 1];
        return unit;
    }
}

// Moves to the next path: a unit file is handed out by next(), a batch CSV
// is opened and its header read here.
bool BatchInput::openNext() {
    if (m_nextPath >= m_paths.size()) {
        return false;
    }
    const std::string& path = m_paths[m_nextPath++];
    if (!isCsv(path) || fileKind(path) != FileKind::Regular) {
        return true;
    }
    m_csvPath = path;
    m_csvFile = std::ifstream(path, std::ios::binary);
    if (!m_csvFile) {
        throw BatchInputError(fmt::format(t::kCsvUnreadable, path));
    }
    m_csv = std::make_unique<CsvRecords>(m_csvFile);
    m_columns.clear();
    if (!m_csv->next(m_columns)) {
        throw BatchInputError(fmt::format(t::kCsvNoHeader, path, m_csv->error()));
    }
    std::set<std::string> seen;
    for (std::string& column : m_columns) {
        column = trimmed(column);
        if (column != "name" && column != "pattern" && column != "shape" && !isVariableColumn(column)) {
            throw BatchInputError(fmt::format(t::kCsvUnknownColumn, path, column));
        }
        if (!seen.insert(column).second) {
            throw BatchInputError(fmt::format(t::kCsvDoubledColumn, path, column));
        }
    }
    return true;
}

std::optional<BatchUnit> BatchInput::nextRow() {
    std::vector<std::string> fields;
    while (m_csv->next(fields)) {
        // Blank lines, and rows of blank cells that spreadsheets leave
        // below the table, are no units: name a unit of defaults.
        if (std::all_of(fields.begin(), fields.end(), [](const std::string& f) { return trimmed(f).empty(); })) {
            continue;
        }
        BatchUnit unit;
        unit.index = m_index++;
        unit.name = fmt::format(t::kRowName, fileStem(m_csvPath), m_csv->line());
        const std::size_t cells = std::min(fields.size(), m_columns.size());
        if (fields.size() != m_columns.size()) {
            unit.error = fmt::format(t::kCellCount, m_csvPath, m_csv->line(), fields.size(), m_columns.size());
        }
        for (std::size_t c = 0; c < cells; ++c) {
            std::string cell = trimmed(fields[c]);
            if (cell.empty()) {
                continue;
            }
            if (m_columns[c] == "name") {
                unit.name = std::move(cell);
            } else if (m_columns[c] == "pattern") {
                unit.pattern = std::move(cell);
            } else if (m_columns[c] == "shape") {
                unit.shape = std::move(cell);
            } else {
                unit.cells.emplace_back(m_columns[c], std::move(cell));
            }
        }
        return unit;
    }
    const std::string error = m_csv->error();
    m_csv.reset();
    m_csvFile.close();
    if (!error.empty()) {
        BatchUnit unit;
        unit.index = m_index++;
        unit.name = fileStem(m_csvPath);
        unit.error = fmt::format(t::kCsvBroken, m_csvPath, error);
        return unit;
    }
    return std::nullopt;
}

std::size_t BatchInput::count(const std::vector<std::string>& paths) {
    BatchInput input(paths);
    std::size_t units = 0;
    while (input.next()) {
        ++units;
    }
    return units;
}

std::string BatchInput::fileStem(const std::string& path) {
    std::string name = fs::path(path).filename().string();
    if (endsWith(name, kUnitFileSuffix)) {
        name.resize(name.size() - std::string_view(kUnitFileSuffix).size());
    } else if (isCsv(name)) {
        name.resize(name.size() - 4);
    }
    return name;
}

}  // namespace quorvale
