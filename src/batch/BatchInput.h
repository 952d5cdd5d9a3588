#pragma once
// The units of a batch, in the order given: unit files, the unit files of a
// folder (sorted by name), and the rows of a batch CSV, whose columns are
// `name`, `pattern`, `shape` and the variables' option names
// ("harvest-volume"), each cell a variable's text as its option takes it
// ("20:30", or "20:24:30" with a most likely value); a blank cell leaves the
// variable at its default.
//
// Units are handed out one at a time: a CSV is read a record at a time, so
// the memory held does not grow with the number of its rows.

#include <cstddef>
#include <fstream>
#include <memory>
#include <optional>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

namespace quorvale {

class CsvRecords;

// One unit: a unit file, or a row of a batch CSV.
struct BatchUnit {
    std::size_t index = 0;  // its place among all units given, from 0
    // The unit file; empty for a CSV row.
    std::string file;
    // A CSV row's name, pattern and shape cells and non-blank variable
    // cells (option name, text); a unit file's name comes from the file.
    std::string name;
    std::string pattern;
    std::string shape;
    std::vector<std::pair<std::string, std::string>> cells;
    // What is wrong with the row itself, such as a cell count that does not
    // match the header; the unit is not run.
    std::string error;
};

// A batch CSV whose header cannot be read: nothing of it can be run.
class BatchInputError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

class BatchInput {
public:
    // A path is a folder, a batch CSV (ending in ".csv") or a unit file;
    // anything else (a missing file too) is a unit file whose row will say
    // what is wrong with it.
    explicit BatchInput(std::vector<std::string> paths);
    ~BatchInput();
    BatchInput(const BatchInput&) = delete;
    BatchInput& operator=(const BatchInput&) = delete;

    // The next unit; none after the last. Throws BatchInputError for a CSV
    // whose header has an unknown, doubled or missing column name, or that
    // cannot be opened.
    std::optional<BatchUnit> next();

    // How many units the paths give, read through once on their own.
    static std::size_t count(const std::vector<std::string>& paths);

    // The name a unit file's row shows when the file names none: the file
    // name without its folder and suffix.
    static std::string fileStem(const std::string& path);

private:
    bool openNext();
    std::optional<BatchUnit> nextRow();

    std::vector<std::string> m_paths;  // the paths still to go, folders expanded
    std::size_t m_nextPath = 0;
    std::size_t m_index = 0;
    // The batch CSV being read, its column for each field, and its name.
    std::ifstream m_csvFile;
    std::unique_ptr<CsvRecords> m_csv;
    std::vector<std::string> m_columns;
    std::string m_csvPath;
};

}  // namespace quorvale
