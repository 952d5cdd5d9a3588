// The units of a batch: CSV records however they are quoted, the header's
// names checked, rows of the wrong width and blank rows, and the runner's
// bound on units run ahead of the oldest unfinished one.

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <mutex>
#include <sstream>

#include "batch/BatchInput.h"
#include "batch/BatchRunner.h"
#include "batch/CsvRecords.h"

namespace {

namespace fs = std::filesystem;
using quorvale::BatchInput;
using quorvale::BatchUnit;
using quorvale::CsvRecords;

std::vector<std::vector<std::string>> records(const std::string& text, std::string* error = nullptr) {
    std::istringstream in(text);
    CsvRecords csv(in);
    std::vector<std::vector<std::string>> all;
    for (std::vector<std::string> fields; csv.next(fields);) {
        all.push_back(fields);
    }
    if (error != nullptr) {
        *error = csv.error();
    }
    return all;
}

TEST(BatchInput, CsvRecordsAreReadWithQuotesLineBreaksAndByteOrderMark) {
    using Rows = std::vector<std::vector<std::string>>;
    EXPECT_EQ(records("\xEF\xBB\xBFname,eyd\r\n\"a, \"\"b\"\"\",20:30\r\n\"two\nlines\",\n,x"),
              (Rows{{"name", "eyd"}, {"a, \"b\"", "20:30"}, {"two\nlines", ""}, {"", "x"}}));
    EXPECT_EQ(records(""), Rows{});
    std::string error;
    EXPECT_EQ(records("a,b\n\"open,c\nd\n", &error), (Rows{{"a", "b"}}));
    EXPECT_NE(error.find("line 2"), std::string::npos) << error;
}

TEST(BatchInput, UnitsComeInOrderWithTheirCellsAndEveryBadRowIsAUnitThatSaysWhy) {
    const fs::path folder = fs::path(::testing::TempDir()) / "quorvale-batch-input";
    fs::remove_all(folder);
    fs::create_directories(folder / "units");
    std::ofstream(folder / "units" / "b.qvunit") << "{}";
    std::ofstream(folder / "units" / "a.qvunit") << "{}";
    std::ofstream(folder / "units" / "notes.txt") << "not a unit";
    std::ofstream(folder / "sale.csv") << "name, harvest-volume ,pattern,eyd\n"
                                          "north,20:30,fan,\n"
                                          ",,,\n"
                                          "too,few\n"
                                          ",15,,25:40\n";
    const std::vector<std::string> paths = {(folder / "units").string(), (folder / "sale.csv").string(),
                                            (folder / "lone.qvunit").string()};
    BatchInput input(paths);
    std::vector<BatchUnit> units;
    while (auto unit = input.next()) {
        units.push_back(*unit);
    }
    ASSERT_EQ(units.size(), 6u);
    EXPECT_EQ(BatchInput::count(paths), 6u);
    for (std::size_t i = 0; i < units.size(); ++i) {
        EXPECT_EQ(units[i].index, i);
    }
    EXPECT_EQ(fs::path(units[0].file).filename(), "a.qvunit");
    EXPECT_EQ(fs::path(units[1].file).filename(), "b.qvunit");
    EXPECT_EQ(units[2].name, "north");
    EXPECT_EQ(units[2].pattern, "fan");
    EXPECT_EQ(units[2].cells, (std::vector<std::pair<std::string, std::string>>{{"harvest-volume", "20:30"}}));
    EXPECT_NE(units[3].error.find("line 4: 2 cells for 4 columns"), std::string::npos) << units[3].error;
    EXPECT_EQ(units[4].name, "sale line 5");
    EXPECT_EQ(units[4].cells.size(), 2u);
    EXPECT_EQ(units[5].file, paths[2]);
    EXPECT_EQ(BatchInput::fileStem(paths[2]), "lone");

    for (const char* header : {"name,harvest-volume,Harvest-Volume\n", "name,eyd,eyd\n", ""}) {
        std::ofstream(folder / "bad.csv") << header;
        EXPECT_THROW(BatchInput::count({(folder / "bad.csv").string()}), quorvale::BatchInputError) << header;
    }
}

TEST(BatchInput, RunnerKeepsFewUnitsAheadOfTheOldestAndHandsRowsBackInOrder) {
    const fs::path folder = fs::path(::testing::TempDir()) / "quorvale-batch-runner";
    fs::remove_all(folder);
    fs::create_directories(folder);
    {
        std::ofstream csv(folder / "many.csv");
        csv << "name\n";
        for (int i = 0; i < 300; ++i) {
            csv << "u" << i << '\n';
        }
    }
    BatchInput input({(folder / "many.csv").string()});
    std::mutex mutex;
    std::size_t emitted = 0;
    std::size_t widest = 0;
    std::vector<std::size_t> order;
    quorvale::BatchJob job;
    job.threads = 3;
    job.shard = {2, 2};
    job.evaluate = [&](const BatchUnit& unit) {
        {
            std::lock_guard lock(mutex);
            // Shard 2/2 holds the odd indices: its k-th unit is 2k + 1.
            widest = std::max(widest, (unit.index - 1) / 2 - emitted);
        }
        quorvale::BatchRow row;
        row.name = unit.name;
        if (unit.index % 50 == 1) {
            row.error = "failed";
        }
        return row;
    };
    job.deliver = [&](quorvale::BatchRow& row) {
        std::lock_guard lock(mutex);
        order.push_back(row.index);
        ++emitted;
    };
    const quorvale::BatchSummary summary = quorvale::runBatch(input, job);
    EXPECT_EQ(summary.written, 150u);
    EXPECT_EQ(summary.failed, 6u);
    EXPECT_FALSE(summary.stopped);
    ASSERT_EQ(order.size(), 150u);
    for (std::size_t k = 0; k < order.size(); ++k) {
        EXPECT_EQ(order[k], 2 * k + 1);
    }
    EXPECT_LE(widest, 4u * job.threads);
    EXPECT_NE(quorvale::unitSeed(1, "u1"), quorvale::unitSeed(2, "u1"));
    EXPECT_NE(quorvale::unitSeed(1, "u1"), quorvale::unitSeed(1, "u2"));
}

}  // namespace
