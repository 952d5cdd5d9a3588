#include "cli/OutputSink.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

#include "base/Texts.h"

namespace quorvale::cli {

std::optional<std::string> StreamSink::finish() {
    m_out.flush();
    if (!m_out) {
        return std::string(texts::cli::kOutputStreamFailed);
    }
    return std::nullopt;
}

DescriptorSink::Buffer::Buffer(int fd) : m_fd(fd) { setp(m_data, m_data + sizeof m_data); }

bool DescriptorSink::Buffer::drain() {
    const char* p = pbase();
    if (m_closed && p < pptr() && m_error == 0) {
        m_error = EBADF;
    }
    while (p < pptr() && m_error == 0) {
        const ssize_t n = ::write(m_fd, p, static_cast<size_t>(pptr() - p));
        if (n < 0) {
            if (errno != EINTR) {
                m_error = errno;
            }
            continue;
        }
        p += n;
    }
    setp(m_data, m_data + sizeof m_data);
    return m_error == 0;
}

DescriptorSink::Buffer::int_type DescriptorSink::Buffer::overflow(int_type c) {
    if (!drain()) {
        return traits_type::eof();
    }
    if (!traits_type::eq_int_type(c, traits_type::eof())) {
        *pptr() = traits_type::to_char_type(c);
        pbump(1);
    }
    return traits_type::not_eof(c);
}

int DescriptorSink::Buffer::sync() { return drain() ? 0 : -1; }

DescriptorSink::DescriptorSink(int fd) : m_buffer(fd), m_stream(&m_buffer) {}

DescriptorSink::~DescriptorSink() {
    if (!m_finished) {
        m_stream.flush();
    }
}

std::optional<std::string> DescriptorSink::finish() {
    m_finished = true;
    m_stream.flush();
    int error = m_buffer.error();
    // close() reports what a network or full file system only notices at
    // the end.
    if (::close(m_buffer.fd()) != 0 && error == 0 && errno != EINTR) {
        error = errno;
    }
    if (error != 0) {
        return std::string(std::strerror(error));
    }
    return std::nullopt;
}

std::unique_ptr<OutputSink> standardOutputSink() {
    const bool closed = ::fcntl(STDOUT_FILENO, F_GETFD) == -1 && errno == EBADF;
    if (closed) {
        const int fd = ::open("/dev/null", O_WRONLY);
        if (fd >= 0 && fd != STDOUT_FILENO) {
            ::dup2(fd, STDOUT_FILENO);
            ::close(fd);
        }
    }
    auto sink = std::make_unique<DescriptorSink>(STDOUT_FILENO);
    if (closed) {
        sink->markClosed();
    }
    return sink;
}

}  // namespace quorvale::cli
