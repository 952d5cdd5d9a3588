#include "base/FileKind.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <filesystem>
#include <fstream>

#include "base/Utf8.h"

using namespace quorvale;

namespace {

class Scratch {
public:
    Scratch() : m_dir(std::filesystem::path(::testing::TempDir()) / ("quorvale-kind-" + std::to_string(getpid()))) {
        std::filesystem::create_directories(m_dir);
    }
    ~Scratch() { std::filesystem::remove_all(m_dir); }
    std::string path(const std::string& name) const { return (m_dir / name).string(); }

private:
    std::filesystem::path m_dir;
};

}  // namespace

TEST(FileKind, OnlyARegularFileIsReadAndAFifoOrDeviceIsRefusedWithoutWaiting) {
    const Scratch scratch;
    const std::string file = scratch.path("unit.qvunit");
    std::ofstream(file) << "12345";
    RegularFileRead read = readRegularFile(file, 5);
    EXPECT_TRUE(read.ok());
    EXPECT_EQ(read.bytes, "12345");
    read = readRegularFile(file, 4);
    EXPECT_TRUE(read.tooLarge);
    EXPECT_EQ(read.size, 5u);
    EXPECT_TRUE(read.bytes.empty());

    // A FIFO with no writer would hold a blocking open for good; so would
    // a link to one. A link to a device is the device.
    const std::string fifo = scratch.path("pipe.qvunit");
    ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
    const std::string toFifo = scratch.path("link-to-pipe.qvunit");
    std::filesystem::create_symlink(fifo, toFifo);
    const std::string toDevice = scratch.path("link-to-null.qvunit");
    std::filesystem::create_symlink("/dev/null", toDevice);
    for (const auto& [path, kind] :
         {std::pair{fifo, FileKind::Fifo}, std::pair{toFifo, FileKind::Fifo},
          std::pair{toDevice, FileKind::CharacterDevice}, std::pair{scratch.path(""), FileKind::Folder}}) {
        EXPECT_EQ(fileKind(path), kind) << path;
        read = readRegularFile(path, 100);
        EXPECT_EQ(read.kind, kind) << path;
        EXPECT_FALSE(read.ok()) << path;
        EXPECT_FALSE(replaceable(kind)) << path;
    }
    // Nothing there, also behind a dangling link: a save may create it.
    const std::string dangling = scratch.path("dangling.qvunit");
    std::filesystem::create_symlink(scratch.path("gone"), dangling);
    EXPECT_EQ(fileKind(dangling), FileKind::Missing);
    EXPECT_TRUE(replaceable(fileKind(dangling)));
    read = readRegularFile(dangling, 100);
    EXPECT_EQ(read.error, ENOENT);
    EXPECT_FALSE(read.ok());
}

TEST(Utf8, EscapedControlsKeepTextButEscapeWhatATerminalWouldActOn) {
    EXPECT_EQ(escapedControls("/home/ana/Förde östlich — 2.qvunit"), "/home/ana/Förde östlich — 2.qvunit");
    // C0 controls and DEL; the common ones by name.
    EXPECT_EQ(escapedControls("a\x1b[2J\nb\tc\rd\x7f"
                              "e\x07"),
              "a\\x1b[2J\\nb\\tc\\rd\\x7fe\\x07");
    // C1 controls (U+009B is a one-character CSI) but not the no-break space.
    EXPECT_EQ(escapedControls("x\xc2\x9b"
                              "31m\xc2\xa0y"),
              "x\\xc2\\x9b31m\xc2\xa0y");
    // Bytes that are not UTF-8, each on its own.
    EXPECT_EQ(escapedControls("\xff\xe2\x82z"), "\\xff\\xe2\\x82z");
}
