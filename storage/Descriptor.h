#pragma once

#include <unistd.h>

#include <cerrno>

// Closes the descriptor it holds; -1 holds nothing.
class Descriptor {
public:
    explicit Descriptor(int fd = -1) : m_fd(fd) {}
    ~Descriptor() { Close(); }
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;

    void Reset(int fd) {
        Close();
        m_fd = fd;
    }
    int Get() const { return m_fd; }
    explicit operator bool() const { return m_fd >= 0; }
    // The error of close() matters after writing: it can be the first report of a full disk.
    int Close() {
        int error = 0;
        if (m_fd >= 0 && ::close(m_fd) != 0) {
            error = errno;
        }
        m_fd = -1;
        return error;
    }

private:
    int m_fd;
};
