#include "view/Commands.h"

// Placeholders until the generation and editing commands land.
void RunNewRandom(CRodeDoc&, UiPrompts&) {}
void RunNewCustom(CRodeDoc&, UiPrompts&) {}
void RunLineEdit(CRodeDoc&, UiPrompts&, int) {}
void RunOptions(SettingsStore&, UiPrompts&) {}
