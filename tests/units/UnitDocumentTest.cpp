#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <unistd.h>

#include "inputs/InputVariables.h"
#include "units/UnitDocument.h"
#include "model/RangeSweep.h"

using namespace quorvale;

namespace {

UnitDocument sampleUnit() {
    UnitDocument unit = defaultUnitDocument();
    unit.name = "North slope \"B\"";
    unit.notes = "cruise of May\nsecond line";
    unit.pattern = CorridorPattern::FanShaped;
    unit.target = "2.5";
    unit.entries[HarvestVolume] = {"20", "30"};
    unit.entries[UnitSize] = {"1,500", "12abc"};  // kept as typed
    unit.entries[LifeCycleRoadCost] = {"", "Gr\xc3\xbcn"};
    return unit;
}

struct Costs final : SweepSink {
    std::vector<double> total;
    void prepare(int) override {}
    void writeStep(int, const YardingResult& result) override { total.push_back(result.totalCost); }
};

std::vector<double> sweep(InputVariables& inputs, bool low) {
    GraphMarks marks;
    (low ? marks.low : marks.high) = true;
    Costs costs;
    graph_itmain(inputs, marks, costs);
    return costs.total;
}

// The sample's text with one piece replaced.
std::string sampleWith(const std::string& from, const std::string& to) {
    std::string text = writeUnitDocument(sampleUnit());
    const std::size_t at = text.find(from);
    EXPECT_NE(at, std::string::npos) << from;
    return text.replace(at, from.size(), to);
}

}  // namespace

TEST(UnitDocument, WrittenDocumentReadsBackTheSameTextsAndPattern) {
    const UnitDocument unit = sampleUnit();
    const std::string text = writeUnitDocument(unit);
    EXPECT_NE(text.find("\"harvest-volume\": [\n      \"20\",\n      \"30\"\n    ]"), std::string::npos) << text;
    const UnitReadResult read = readUnitDocument("a.qvunit", text);
    ASSERT_TRUE(read) << read.error;
    EXPECT_EQ(*read.document, unit);
    EXPECT_TRUE(read.warnings.empty());

    // Name and notes are optional; without them the defaults read back too.
    const UnitReadResult plain = readUnitDocument("b.qvunit", writeUnitDocument(defaultUnitDocument()));
    ASSERT_TRUE(plain) << plain.error;
    EXPECT_EQ(*plain.document, defaultUnitDocument());
    EXPECT_EQ(plain.document->entryText(0), "35");
    EXPECT_EQ(plain.document->target, "5");
}

TEST(UnitDocument, UnitInputsSweepLikeTheSameEntriesTyped) {
    UnitDocument unit = defaultUnitDocument();
    unit.entries[HarvestVolume] = {"20", "30"};
    unit.entries[ExternalYardingDistance] = {"12", "14"};
    unit.pattern = CorridorPattern::FanShaped;
    const UnitReadResult read = readUnitDocument("u.qvunit", writeUnitDocument(unit));
    ASSERT_TRUE(read) << read.error;

    InMemoryInputs fromFile;
    applyUnit(*read.document, fromFile);
    EXPECT_EQ(unitFromInputs(fromFile, "5"), *read.document);
    InMemoryInputs typed;
    typed.setEntryText(lowEntry(HarvestVolume), "20");
    typed.setEntryText(highEntry(HarvestVolume), "30");
    typed.setEntryText(lowEntry(ExternalYardingDistance), "12");
    typed.setEntryText(highEntry(ExternalYardingDistance), "14");
    typed.setPattern(CorridorPattern::FanShaped);
    for (bool low : {true, false}) {
        const std::vector<double> a = sweep(fromFile, low);
        EXPECT_EQ(a.size(), low ? 12u : 14u);
        EXPECT_EQ(a, sweep(typed, low));
    }
}

TEST(UnitDocument, BadDocumentsAreRefusedWithFileAndPlace) {
    struct Case {
        std::string bytes;
        std::string error;
    };
    const std::vector<Case> cases = {
        {"", "x.qvunit:1:1: not a JSON document: "},
        {"{\n  \"format\": quorvale\n}", "x.qvunit:2:13: not a JSON document: syntax error"},
        {"\xff{}", "x.qvunit:1:1: not a JSON document: syntax error while parsing value - invalid literal"},
        {"[1, 2]", "x.qvunit: /: expected an object, found a list"},
        {"{\"version\": 1}", "x.qvunit: /format: missing"},
        {sampleWith("\"quorvale-unit\"", "\"other\""),
         "x.qvunit: /format: expected \"quorvale-unit\", found \"other\""},
        {sampleWith("\"version\": 1", "\"version\": 2"), "x.qvunit: /version: version 2 is not supported"},
        {sampleWith("\"version\": 1", "\"version\": \"1\""),
         "x.qvunit: /version: expected a whole number, found a text"},
        {sampleWith("\"fan\"", "\"radial\""), "x.qvunit: /pattern: expected \"parallel\" or \"fan\", found \"radial\""},
        {sampleWith("\"target\": \"2.5\"", "\"target\": 2.5"), "x.qvunit: /target: expected a text, found a number"},
        {sampleWith("\"target\": \"2.5\",", ""), "x.qvunit: /target: missing"},
        {sampleWith("\"name\": \"North", "\"name\": \"A\\nNorth"), "x.qvunit: /name: holds a line break"},
        {sampleWith("[\n      \"20\",\n      \"30\"\n    ]", "[\"20\"]"),
         "x.qvunit: /variables/harvest-volume: expected two texts [Low, High], found 1 items"},
        {sampleWith("[\n      \"20\",\n      \"30\"\n    ]", "\"20\""),
         "x.qvunit: /variables/harvest-volume: expected a list of two texts [Low, High], found a text"},
        {sampleWith("[\n      \"20\",\n      \"30\"\n    ]", "[\"20\", 30]"),
         "x.qvunit: /variables/harvest-volume/1: expected a text, found a number"},
        {sampleWith("\"harvest-volume\"", "\"harvest-volumes\""), "x.qvunit: /variables/harvest-volume: missing"},
    };
    for (const Case& c : cases) {
        const UnitReadResult read = readUnitDocument("x.qvunit", c.bytes);
        EXPECT_FALSE(read) << c.bytes;
        EXPECT_EQ(read.error.substr(0, c.error.size()), c.error) << read.error;
        EXPECT_EQ(read.error.find('\n'), std::string::npos) << read.error;
        EXPECT_EQ(read.error.find('\xff'), std::string::npos) << read.error;
    }
}

TEST(UnitDocument, UnknownKeysAreIgnoredWithAWarning) {
    std::string text = sampleWith("\"pattern\"", "\"colour\": \"red\",\n  \"pattern\"");
    text = text.replace(text.find("\"turn-volume\""), 0, "\"slope/%\": [\"1\", \"2\"],\n    ");
    const UnitReadResult read = readUnitDocument("w.qvunit", text);
    ASSERT_TRUE(read) << read.error;
    EXPECT_EQ(*read.document, sampleUnit());
    ASSERT_EQ(read.warnings.size(), 2u);
    EXPECT_EQ(read.warnings[0], "w.qvunit: /colour: unknown key, ignored");
    EXPECT_EQ(read.warnings[1], "w.qvunit: /variables/slope~1%: unknown key, ignored");
}

TEST(UnitDocument, FilesOverTheLimitOrUnreadableAreRefused) {
    const std::filesystem::path dir =
        std::filesystem::temp_directory_path() / ("qvunit-test-" + std::to_string(::getpid()));
    std::filesystem::create_directories(dir);
    const std::string good = (dir / "good.qvunit").string();
    std::ofstream(good) << writeUnitDocument(sampleUnit());
    const UnitReadResult read = readUnitFile(good);
    ASSERT_TRUE(read) << read.error;
    EXPECT_EQ(*read.document, sampleUnit());

    // Spaces after a valid document would keep it valid JSON: only the
    // size refuses it.
    const std::string big = (dir / "big.qvunit").string();
    std::ofstream(big) << writeUnitDocument(sampleUnit()) << std::string(kUnitFileLimit, ' ');
    EXPECT_EQ(readUnitFile(big).error.rfind(big + ": is ", 0), 0u) << readUnitFile(big).error;
    EXPECT_NE(readUnitFile(big).error.find("at most 1 MiB"), std::string::npos);

    EXPECT_EQ(readUnitFile((dir / "none.qvunit").string()).error,
              (dir / "none.qvunit").string() + ": cannot be read: No such file or directory");
    EXPECT_EQ(readUnitFile(dir.string()).error, dir.string() + ": is a folder, not a unit file");
    // A device is not read at all.
    EXPECT_EQ(readUnitFile("/dev/zero").error,
              "/dev/zero: is a character device, not a unit file; only a regular file is read");
    std::filesystem::remove_all(dir);
}
