#include "generate/Dice.h"

#include "generate/RollRecorder.h"

void Dice::recordDie(int faces, int value) {
    m_recorder->die(faces, value);
}
