#include "generate/Dice.h"

#include "generate/RollRecorder.h"

void Dice::recordDie(RollRecorder& recorder, int faces, int value) {
    recorder.die(faces, value);
}
