#include "cli/StandardOutput.h"

#include <unistd.h>

#include <cerrno>
#include <iostream>

namespace {

constexpr std::size_t kBufferBytes = std::size_t{64} * 1024;

}  // namespace

StandardOutput::StandardOutput() : m_buffer(kBufferBytes), m_previous(std::cout.rdbuf(this)) {
    setp(m_buffer.data(), m_buffer.data() + m_buffer.size());
}

StandardOutput::~StandardOutput() {
    finish();
    std::cout.rdbuf(m_previous);
}

int StandardOutput::finish() {
    if (!m_finished) {
        m_finished = true;
        drain();
        if (::close(STDOUT_FILENO) != 0 && m_error == 0) {
            m_error = errno;
        }
    }
    return m_error;
}

void StandardOutput::writeAll(const char* data, std::size_t size) {
    // After a failure nothing more is written: the output is lost already, and a full disk
    // would only be asked again and again.
    while (m_error == 0 && size > 0) {
        const ssize_t written = ::write(STDOUT_FILENO, data, size);
        if (written < 0 && errno == EINTR) {
            continue;
        }
        if (written <= 0) {
            m_error = written < 0 ? errno : EIO;
            return;
        }
        data += written;
        size -= static_cast<std::size_t>(written);
    }
}

bool StandardOutput::drain() {
    writeAll(pbase(), static_cast<std::size_t>(pptr() - pbase()));
    setp(m_buffer.data(), m_buffer.data() + m_buffer.size());
    return m_error == 0;
}

StandardOutput::int_type StandardOutput::overflow(int_type c) {
    if (!drain()) {
        return traits_type::eof();
    }
    if (!traits_type::eq_int_type(c, traits_type::eof())) {
        *pptr() = traits_type::to_char_type(c);
        pbump(1);
    }
    return traits_type::not_eof(c);
}

std::streamsize StandardOutput::xsputn(const char* data, std::streamsize size) {
    const auto bytes = static_cast<std::size_t>(size);
    if (bytes > static_cast<std::size_t>(epptr() - pptr())) {
        if (!drain()) {
            return 0;
        }
        // A piece as large as the buffer (a long value of a listing) goes out as it is.
        if (bytes >= m_buffer.size()) {
            writeAll(data, bytes);
            return m_error == 0 ? size : 0;
        }
    }
    traits_type::copy(pptr(), data, bytes);
    pbump(static_cast<int>(bytes));
    return size;
}

int StandardOutput::sync() {
    return drain() ? 0 : -1;
}
