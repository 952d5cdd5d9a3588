#pragma once
// Where a command's results go. A script that pipes or redirects them must be
// able to trust the exit status: every write is checked, and at the end the
// output is flushed and closed, and the first failure is reported.

#include <memory>
#include <optional>
#include <ostream>
#include <streambuf>
#include <string>

namespace quorvale::cli {

class OutputSink {
public:
    virtual ~OutputSink() = default;
    virtual std::ostream& stream() = 0;
    // Flushes and closes the output; the reason of the first failure, if any.
    virtual std::optional<std::string> finish() = 0;
};

// An in-process stream, for the tests and the fuzzing harness.
class StreamSink final : public OutputSink {
public:
    explicit StreamSink(std::ostream& out) : m_out(out) {}
    std::ostream& stream() override { return m_out; }
    std::optional<std::string> finish() override;

private:
    std::ostream& m_out;
};

// A file descriptor written with write(2), so that the reason of a failure
// (a full disk, a closed pipe, a closed descriptor) is known.
class DescriptorSink final : public OutputSink {
public:
    explicit DescriptorSink(int fd);
    ~DescriptorSink() override;
    DescriptorSink(const DescriptorSink&) = delete;
    DescriptorSink& operator=(const DescriptorSink&) = delete;

    std::ostream& stream() override { return m_stream; }
    std::optional<std::string> finish() override;
    // The descriptor was closed when the program started: writing to it
    // fails with EBADF, though nothing written is lost to another file.
    void markClosed() { m_buffer.setClosed(); }

private:
    class Buffer : public std::streambuf {
    public:
        explicit Buffer(int fd);
        int fd() const { return m_fd; }
        int error() const { return m_error; }
        void setClosed() { m_closed = true; }

    protected:
        int_type overflow(int_type c) override;
        int sync() override;

    private:
        bool drain();
        int m_fd;
        int m_error = 0;
        bool m_closed = false;
        char m_data[8192];
    };

    Buffer m_buffer;
    std::ostream m_stream;
    bool m_finished = false;
};

// Standard output for the tool. A closed descriptor 1 is caught at start and
// /dev/null put in its place, so that a file the command opens later cannot
// take descriptor 1 and receive the results; the first write then fails
// as it would have.
std::unique_ptr<OutputSink> standardOutputSink();

}  // namespace quorvale::cli
