#pragma once
// What stands at a path, asked before a file is opened or replaced. Opening a
// FIFO for reading waits for a writer that may never come, reading a device
// never ends, and saving over either (or over a link to one) would put the
// program's file where the device was. Only regular files are read or
// replaced; everything else is refused before it is touched.

#include <cstdint>
#include <string>

namespace quorvale {

enum class FileKind { Missing, Regular, Folder, Fifo, Socket, CharacterDevice, BlockDevice, Other };

// The kind of file at `path`, following symbolic links: a link to a device is
// a device. Missing when nothing is there (also a dangling link).
FileKind fileKind(const std::string& path);

// "a FIFO", "a character device", ...: for messages.
const char* fileKindName(FileKind kind);

// True when a file may be written at `path`: nothing is there yet, or a
// regular file (or a link to one).
bool replaceable(FileKind kind);

struct RegularFileRead {
    std::string bytes;                  // at most limit + 1 bytes
    FileKind kind = FileKind::Missing;  // what was found at the path
    std::uintmax_t size = 0;            // the file's size when opened, when regular
    int error = 0;                      // errno when it could not be read
    bool tooLarge = false;              // larger than the limit: not read

    bool ok() const { return kind == FileKind::Regular && error == 0 && !tooLarge; }
};

// Reads a regular file of at most `limit` bytes. Anything else is refused
// before it is opened, and the open itself cannot block: it is made without
// waiting and checked again on the open descriptor, so a file swapped for a
// FIFO or a device after the first look is refused as well.
RegularFileRead readRegularFile(const std::string& path, std::uintmax_t limit);

}  // namespace quorvale
