#pragma once

#include "generate/Generator.h"

// How a table is rolled: `count` dice of faces 0..`faces` each, summed.
struct TableDice {
    int faces = 6;
    int count = 1;

    bool operator==(const TableDice&) const = default;
};
inline constexpr TableDice kOneDie{6, 1};
inline constexpr TableDice kTwoDice{6, 2};
inline constexpr TableDice kSmallDie{3, 1};  // only "Objective Raid" uses it

class RollRecorder;

// Every die of a generation is rolled here, over the one generator it is handed, so that a
// generation needs nothing but a generator and its dice can all be watched in one place: a
// recorder, when one is attached, sees each die and hears from the term functions what they did
// with it. The odds roll millions of generations without one.
class Dice {
public:
    explicit Dice(Generator& generator, RollRecorder* recorder = nullptr)
        : m_generator(generator), m_recorder(recorder) {}

    // The recorder the term functions describe their steps to; nullptr when nothing records.
    RollRecorder* recorder() const { return m_recorder; }

    // One die of size `faces`: a value 0..faces, one generator step. Faces run from 0, not 1: a
    // die of size n has n + 1 outcomes. The plain modulo, with its slight bias towards low faces,
    // is what makes a seed give the same offers in every saved roll and known answer.
    int rollDie(int faces) { return rollDieFor(m_recorder, faces); }

    // The dice of `toRoll`, rolled one after the other and summed.
    int roll(TableDice toRoll) {
        // Read once: no die changes the recorder, and the loop then needs no second look.
        RollRecorder* const recorder = m_recorder;
        int total = 0;
        for (int i = 0; i < toRoll.count; ++i) {
            total += rollDieFor(recorder, toRoll.faces);
        }
        return total;
    }

private:
    int rollDieFor(RollRecorder* recorder, int faces) {
        const int value = faceOf(m_generator.next(), faces);
        if (recorder != nullptr) [[unlikely]] {
            recordDie(*recorder, faces, value);
        }
        return value;
    }

    static int faceOf(int r, int faces) {
        // The two sizes the tables use get constant divisors, which compile to multiplications;
        // a generation rolls some fifty dice.
        switch (faces) {
            case 6:
                return r % 7;
            case 3:
                return r % 4;
            default:
                break;
        }
        if (faces < 1) {
            return 0;  // a die with one face (or a nonsensical size) always shows 0
        }
        return r % (faces + 1);
    }
    static void recordDie(RollRecorder& recorder, int faces, int value);

    Generator& m_generator;
    RollRecorder* m_recorder;
};
