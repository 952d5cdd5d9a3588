#include "base/FileKind.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

namespace quorvale {
namespace {

FileKind kindOf(const struct stat& status) {
    switch (status.st_mode & S_IFMT) {
        case S_IFREG:
            return FileKind::Regular;
        case S_IFDIR:
            return FileKind::Folder;
        case S_IFIFO:
            return FileKind::Fifo;
        case S_IFSOCK:
            return FileKind::Socket;
        case S_IFCHR:
            return FileKind::CharacterDevice;
        case S_IFBLK:
            return FileKind::BlockDevice;
        default:
            return FileKind::Other;
    }
}

// Takes what a stat() or fstat() found; true when it is a regular file to go
// on with.
bool regular(int statResult, const struct stat& status, RegularFileRead& result) {
    if (statResult != 0) {
        result.error = errno;
        return false;
    }
    result.kind = kindOf(status);
    return result.kind == FileKind::Regular;
}

// Closes the descriptor on every way out.
class Descriptor {
public:
    explicit Descriptor(int fd) : m_fd(fd) {}
    ~Descriptor() {
        if (m_fd >= 0) {
            ::close(m_fd);
        }
    }
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    int get() const { return m_fd; }

private:
    int m_fd;
};

}  // namespace

FileKind fileKind(const std::string& path) {
    struct stat status {};
    if (::stat(path.c_str(), &status) != 0) {
        return FileKind::Missing;
    }
    return kindOf(status);
}

const char* fileKindName(FileKind kind) {
    switch (kind) {
        case FileKind::Missing:
            return "nothing";
        case FileKind::Regular:
            return "a file";
        case FileKind::Folder:
            return "a folder";
        case FileKind::Fifo:
            return "a FIFO (named pipe)";
        case FileKind::Socket:
            return "a socket";
        case FileKind::CharacterDevice:
            return "a character device";
        case FileKind::BlockDevice:
            return "a block device";
        case FileKind::Other:
            break;
    }
    return "not a regular file";
}

bool replaceable(FileKind kind) { return kind == FileKind::Missing || kind == FileKind::Regular; }

RegularFileRead readRegularFile(const std::string& path, std::uintmax_t limit) {
    RegularFileRead result;
    struct stat status {};
    if (!regular(::stat(path.c_str(), &status), status, result)) {
        return result;
    }
    // O_NONBLOCK: should the path have become a FIFO since, the open returns
    // at once instead of waiting for a writer; O_NOCTTY: a terminal device
    // never becomes ours.
    const Descriptor fd(::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC));
    if (fd.get() < 0) {
        result.error = errno;
        return result;
    }
    if (!regular(::fstat(fd.get(), &status), status, result)) {
        return result;
    }
    result.size = static_cast<std::uintmax_t>(status.st_size);
    if (result.size > limit) {
        result.tooLarge = true;
        return result;
    }
    // One byte past the limit: a file that grows while it is read is seen
    // to be too large without being read whole.
    result.bytes.resize(static_cast<std::size_t>(limit) + 1);
    std::size_t got = 0;
    while (got < result.bytes.size()) {
        const ssize_t n = ::read(fd.get(), result.bytes.data() + got, result.bytes.size() - got);
        if (n < 0) {
            if (errno == EINTR) {
                continue;
            }
            result.error = errno;
            result.bytes.clear();
            return result;
        }
        if (n == 0) {
            break;
        }
        got += static_cast<std::size_t>(n);
    }
    result.bytes.resize(got);
    if (got > limit) {
        result.tooLarge = true;  // `size` stays what the file had at the open
        result.bytes.clear();
    }
    return result;
}

}  // namespace quorvale
