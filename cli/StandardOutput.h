#pragma once

#include <streambuf>
#include <vector>

// Standard output of a headless mode. While it lives, everything written to std::cout goes
// through it straight to the descriptor, and the first write that fails or falls short is kept:
// a full disk or a closed pipe must end the run as a failure, never as an empty "success".
class StandardOutput : public std::streambuf {
public:
    StandardOutput();
    ~StandardOutput() override;
    StandardOutput(const StandardOutput&) = delete;
    StandardOutput& operator=(const StandardOutput&) = delete;

    // Writes what is still buffered and closes the descriptor, whose close can be the first
    // report of a failed write. 0, or the error number of the first failure.
    int finish();

protected:
    int_type overflow(int_type c) override;
    std::streamsize xsputn(const char* data, std::streamsize size) override;
    int sync() override;

private:
    bool drain();
    void writeAll(const char* data, std::size_t size);

    std::vector<char> m_buffer;
    std::streambuf* m_previous;
    int m_error = 0;
    bool m_finished = false;
};
