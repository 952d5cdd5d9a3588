#include <gtest/gtest.h>

#include <algorithm>
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
    unit.entries[UnitSize] = {"1500", "12.5"};
    unit.entries[LifeCycleRoadCost] = {"1e+22", "0.001"};
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
    const std::string written = writeUnitDocument(sampleUnit());
    const std::vector<Case> cases = {
        {"", "x.qvunit:1:1: not a JSON document: "},
        {"{\n  \"format\": quorvale\n}", "x.qvunit:2:13: not a JSON document: syntax error"},
        {"\xff{}", "x.qvunit:1:1: not a JSON document: syntax error while parsing value - invalid literal"},
        {"[1, 2]", "x.qvunit: /: expected an object, found a list"},
        {"{\"version\": 1}", "x.qvunit: /format: missing"},
        {sampleWith("\"quorvale-unit\"", "\"other\""),
         "x.qvunit: /format: expected \"quorvale-unit\", found \"other\""},
        {sampleWith("\"version\": 1", "\"version\": 3"), "x.qvunit: /version: version 3 is not supported"},
        {sampleWith("\"version\": 1", "\"version\": \"1\""),
         "x.qvunit: /version: expected a whole number, found a text"},
        {sampleWith("\"fan\"", "\"radial\""), "x.qvunit: /pattern: expected \"parallel\" or \"fan\", found \"radial\""},
        {sampleWith("\"target\": \"2.5\"", "\"target\": true"),
         "x.qvunit: /target: expected a text or a number, found true/false"},
        {sampleWith("\"target\": \"2.5\",", ""), "x.qvunit: /target: missing"},
        {sampleWith("\"name\": \"North", "\"name\": \"A\\nNorth"), "x.qvunit: /name: holds a line break"},
        {sampleWith("[\n      \"20\",\n      \"30\"\n    ]", "[\"20\"]"),
         "x.qvunit: /variables/harvest-volume: expected two texts [Low, High], found 1 items"},
        {sampleWith("[\n      \"20\",\n      \"30\"\n    ]", "\"20\""),
         "x.qvunit: /variables/harvest-volume: expected a list of two texts [Low, High], found a text"},
        {sampleWith("[\n      \"20\",\n      \"30\"\n    ]", "[\"20\", null]"),
         "x.qvunit: /variables/harvest-volume/1: expected a text or a number, found null"},
        // The parser would stop at the NUL and pass over what follows.
        {written + std::string("\0garbage", 8),
         "x.qvunit:" + std::to_string(std::count(written.begin(), written.end(), '\n') + 1) +
             ":1: not a JSON document: a NUL"},
        {sampleWith("\"pattern\"", "\"target\": \"3\",\n  \"pattern\""),
         "x.qvunit: /target: given twice; a unit document gives each key once"},
        {sampleWith("\"turn-volume\"", "\"eyd\": [\"1\", \"2\"], \"turn-volume\""),
         "x.qvunit: /variables/eyd: given twice"},
        {sampleWith("\"pattern\"", "\"x\": [1, {\"a\": 1, \"a\": 2}],\n  \"pattern\""),
         "x.qvunit: /x/1/a: given twice"},
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

// Numbers mean the same on every machine: the fixed form is taken as it is,
// JSON numbers too; what a comma locale or a hand wrote is read whole where
// it is a number, by its leading number otherwise, and repaired where it is
// none, each named with the value taken.
TEST(UnitDocument, NumbersNotInTheFixedFormAreReadWithANote) {
    std::string text = writeUnitDocument(sampleUnit());
    auto put = [&](const std::string& key, const std::string& pair) {
        const std::size_t at = text.find("\"" + key + "\": [");
        ASSERT_NE(at, std::string::npos) << key;
        text.replace(at, text.find(']', at) + 1 - at, "\"" + key + "\": " + pair);
    };
    put("harvest-volume", "[\"20,0\", \"-80\"]");
    put("turn-volume", "[\"1,500\", 412.75]");
    put("unit-size", "[\"8O\", \"abc\"]");
    put("eyd", "[\"1e999\", \"nan\"]");
    put("operator-cost", "[2500, 3.5e3]");
    put("road-cost", "[\"1.500,5\", \" 1200 \"]");
    text.replace(text.find("\"2.5\""), 5, "\"2,5\"");
    const UnitReadResult read = readUnitDocument("n.qvunit", text);
    ASSERT_TRUE(read) << read.error;
    const UnitDocument& unit = *read.document;
    const std::pair<int, const char*> fixed[] = {
        {0, "20"}, {1, "35"}, {2, "1500"},  {3, "412.75"}, {4, "8"},       {5, "60"},
        {8, "30"}, {9, "30"}, {10, "2500"}, {11, "3500"},  {28, "1500.5"}, {29, "1200"},
    };
    for (const auto& [entry, value] : fixed) {
        EXPECT_EQ(unit.entryText(entry), value) << entry;
    }
    EXPECT_EQ(unit.target, "2.5");
    std::vector<std::string> lines;
    for (const UnitEntryNote& note : read.notes) {
        lines.push_back(note.line);
    }
    const std::string otherForm = " (unit files write numbers with \".\" as the decimal point and no grouping)";
    const std::string repaired = " (not a usable number: the default)";
    const std::vector<std::string> expected = {
        "n.qvunit: target \"2,5\" read as 2.5" + otherForm,
        "n.qvunit: harvest-volume Low \"20,0\" read as 20" + otherForm,
        "n.qvunit: harvest-volume High \"-80\" read as 35" + repaired,
        "n.qvunit: turn-volume Low \"1,500\" read as 1500" + otherForm,
        "n.qvunit: unit-size Low \"8O\" read as 8",
        "n.qvunit: unit-size High \"abc\" read as 60" + repaired,
        "n.qvunit: eyd Low \"1e999\" read as 30" + repaired,
        "n.qvunit: eyd High \"nan\" read as 30" + repaired,
        "n.qvunit: road-cost Low \"1.500,5\" read as 1500.5" + otherForm,
    };
    EXPECT_EQ(lines, expected);
    // What was read is written in the fixed form and reads back unchanged.
    const UnitReadResult again = readUnitDocument("n.qvunit", writeUnitDocument(unit));
    ASSERT_TRUE(again) << again.error;
    EXPECT_EQ(*again.document, unit);
    EXPECT_TRUE(again.notes.empty());
}

TEST(UnitDocument, TheSameNumbersInEveryLocale) {
    InMemoryInputs german(NumberLocale::german());
    german.setEntryText(lowEntry(HarvestVolume), "20,5");
    german.setEntryText(highEntry(HarvestVolume), "1.500");
    german.setEntryText(lowEntry(UnitSize), "8O");
    german.setEntryText(highEntry(UnitSize), "-3");
    const UnitDocument unit = unitFromInputs(german, "5");
    EXPECT_EQ(unit.entryText(lowEntry(HarvestVolume)), "20.5");
    EXPECT_EQ(unit.entryText(highEntry(HarvestVolume)), "1500");
    EXPECT_EQ(unit.entryText(lowEntry(UnitSize)), "8");    // the value the window reads
    EXPECT_EQ(unit.entryText(highEntry(UnitSize)), "60");  // and the one its repair puts in
    for (const NumberLocale& locale : {NumberLocale::english(), NumberLocale::german(), NumberLocale::french()}) {
        InMemoryInputs inputs(locale);
        applyUnit(unit, inputs);
        for (int i = 0; i < kEntryCount; ++i) {
            EXPECT_EQ(inputs.value(i), german.valueRule().readEntry(german.entryText(i), german.spinValue(i)).value)
                << i << " in " << locale.decimalPoint;
        }
        EXPECT_EQ(unitFromInputs(inputs, "5"), unit);
    }
}

// Whatever a unit holds, what is written is a file the reader takes: the
// name and notes at their limits and over them, bytes no reader takes.
TEST(UnitDocument, AWrittenUnitIsNeverOneTheReaderRefuses) {
    UnitDocument unit = sampleUnit();
    unit.name = std::string(kUnitNameLimit - 1, 'n') + "\xc3\xa9";  // the last character crosses the limit
    unit.notes = std::string(kUnitNotesLimit, 'x');
    UnitReadResult read = readUnitDocument("l.qvunit", writeUnitDocument(unit));
    ASSERT_TRUE(read) << read.error;
    EXPECT_EQ(read.document->name, std::string(kUnitNameLimit - 1, 'n'));  // cut before the whole character
    EXPECT_EQ(read.document->notes, unit.notes);                           // exactly at the limit: kept

    // The worst a text can grow by when written: quotes escaped, bytes that
    // are not UTF-8 replaced; control characters a reader refuses.
    unit.name = std::string(3 * kUnitFileLimit, '"') + "\n";
    unit.notes = "line\nnext\ttab\x01\x7f" + std::string(2 * kUnitFileLimit, '\xff');
    unit.target = "5\n";
    unit.entryText(0) = std::string(kUnitFileLimit, '\\');
    const std::string written = writeUnitDocument(unit);
    EXPECT_LT(written.size(), kUnitFileLimit);
    read = readUnitDocument("l.qvunit", written);
    ASSERT_TRUE(read) << read.error;
    EXPECT_EQ(read.document->name, std::string(kUnitNameLimit, '"'));
    EXPECT_EQ(read.document->notes.substr(0, 13), "line\nnext\ttab");
    EXPECT_LE(read.document->notes.size(), kUnitNotesLimit * 3);

    // A file written by hand with longer notes opens, cut, with a warning.
    std::string text = writeUnitDocument(sampleUnit());
    text.replace(text.find("cruise of May"), 13, std::string(kUnitNotesLimit + 10, 'y'));
    read = readUnitDocument("h.qvunit", text);
    ASSERT_TRUE(read) << read.error;
    EXPECT_EQ(read.document->notes, std::string(kUnitNotesLimit, 'y'));
    ASSERT_EQ(read.warnings.size(), 1u);
    EXPECT_EQ(read.warnings[0], "h.qvunit: /notes: longer than 65536 bytes; only the first 65536 are kept");
}

// Beliefs make a document version 2 and read back as written; without them
// it stays version 1. A version 1 document's "beliefs" are unknown to it, as
// they were to the readers before, and damaged beliefs are refused.
TEST(UnitDocument, BeliefsAreVersionTwoAndReadBackOrAreRefused) {
    EXPECT_NE(writeUnitDocument(sampleUnit()).find("\"version\": 1,"), std::string::npos);
    UnitDocument unit = sampleUnit();
    unit.beliefs.variables[HarvestVolume] = {24.5, BeliefShape::Pert};
    unit.beliefs.variables[UnitSize] = {100, BeliefShape::Triangular};
    unit.beliefs.correlate(HarvestVolume, TurnVolume, -0.35);
    const std::string text = writeUnitDocument(unit);
    EXPECT_NE(text.find("\"version\": 2,"), std::string::npos) << text;
    const UnitReadResult read = readUnitDocument("v2.qvunit", text);
    ASSERT_TRUE(read) << read.error;
    EXPECT_EQ(*read.document, unit);
    EXPECT_TRUE(read.warnings.empty());

    std::string older = text;
    older.replace(older.find("\"version\": 2"), 12, "\"version\": 1");
    const UnitReadResult asOne = readUnitDocument("v1.qvunit", older);
    ASSERT_TRUE(asOne) << asOne.error;
    EXPECT_TRUE(asOne.document->beliefs.empty());
    EXPECT_EQ(asOne.warnings.size(), 2u);

    for (const auto& [from, to] : std::vector<std::pair<std::string, std::string>>{
             {"\"pert\"", "\"round\""},
             {"\"mode\": 24.5", "\"mode\": -3"},
             {"\"mode\": 24.5", "\"mode\": \"24.5\""},
             {"\"rho\": -0.35", "\"rho\": 1"},
             {"\"b\": \"turn-volume\"", "\"b\": \"harvest-volume\""},
             {"\"b\": \"turn-volume\"", "\"b\": \"external-yarding-distance\""},
             {"\"unit-size\": {", "\"slope\": {"}}) {
        std::string bad = text;
        ASSERT_NE(bad.find(from), std::string::npos) << from;
        bad.replace(bad.find(from), from.size(), to);
        const UnitReadResult refused = readUnitDocument("bad.qvunit", bad);
        EXPECT_FALSE(refused) << to;
        EXPECT_EQ(refused.error.rfind("bad.qvunit: /", 0), 0u) << refused.error;
    }
}
