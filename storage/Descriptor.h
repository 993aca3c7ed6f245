#pragma once

#include <unistd.h>

#include <cerrno>

// Closes the descriptor it holds; -1 holds nothing.
class Descriptor {
public:
    explicit Descriptor(int fd = -1) : m_fd(fd) {}
    ~Descriptor() { close(); }
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;

    void reset(int fd) {
        close();
        m_fd = fd;
    }
    int get() const { return m_fd; }
    explicit operator bool() const { return m_fd >= 0; }
    // The error of close() matters after writing: it can be the first report of a full disk.
    int close() {
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
