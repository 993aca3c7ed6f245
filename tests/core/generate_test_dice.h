#pragma once

#include <cstdint>
#include <initializer_list>
#include <stdexcept>
#include <utility>
#include <vector>

#include "generate/Dice.h"
#include "generate/Generator.h"

// Test helpers that steer a generation's dice: find a seed whose first rolls show chosen faces,
// and count how many rolls an operation took.
namespace gentest {

struct Roll {
    int faces;  // the die's n: 6 for an ordinary die, 3 for the small one
    int value;
};

// The two faces of an ordinary two-dice roll with the given sum (0..12).
inline std::vector<Roll> twoDice(int sum) {
    const int first = sum > 6 ? 6 : sum;
    return {{6, first}, {6, sum - first}};
}

inline std::vector<Roll> concat(std::initializer_list<std::vector<Roll>> parts) {
    std::vector<Roll> all;
    for (const auto& part : parts) {
        all.insert(all.end(), part.begin(), part.end());
    }
    return all;
}

// The smallest seed from which the generator's first rolls show `rolls`, in order.
inline std::uint32_t seedForRolls(const std::vector<Roll>& rolls) {
    for (std::uint32_t seed = 0; seed < 200'000'000u; ++seed) {
        Generator generator(seed);
        bool matches = true;
        for (const Roll& roll : rolls) {
            if (generator.next() % (roll.faces + 1) != roll.value) {
                matches = false;
                break;
            }
        }
        if (matches) {
            return seed;
        }
    }
    throw std::runtime_error("no seed shows these rolls");
}

// How many generator steps lead from `seed` to `state` (at most `limit`; -1 if none).
inline int stepsBetween(std::uint32_t seed, std::uint32_t state, int limit = 64) {
    Generator generator(seed);
    for (int steps = 0; steps <= limit; ++steps) {
        if (generator.state() == state) {
            return steps;
        }
        generator.next();
    }
    return -1;
}

// Dice over a generator of their own, seeded for one test row.
struct SeededDice {
    explicit SeededDice(std::uint32_t seed) : generator(seed), dice(generator), seed(seed) {}
    // How many dice have been rolled since the seed.
    int steps() const { return stepsBetween(seed, generator.state()); }

    Generator generator;
    Dice dice;
    std::uint32_t seed;
};

}  // namespace gentest
