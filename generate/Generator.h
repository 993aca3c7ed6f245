#pragma once

#include <cstdint>

// The program's one pseudo-random generator: a 32-bit linear congruential generator whose
// outputs are 15-bit values. A fixed seed reproduces a whole set of offers, the odds' samples
// and the known answers, so the sequence must never change; a better generator would change it.
class Generator {
public:
    explicit Generator(std::uint32_t seed = 0) : m_state(seed) {}

    void reseed(std::uint32_t seed) { m_state = seed; }
    std::uint32_t state() const { return m_state; }

    // One step: a value 0..32767.
    int next() {
        m_state = m_state * 214013u + 2531011u;
        return static_cast<int>((m_state >> 16) & 0x7FFFu);
    }

private:
    std::uint32_t m_state;
};
