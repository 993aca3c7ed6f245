#include "view/Commands.h"

// Placeholder until contract printing lands.
void RunPrintContract(CRodeDoc&, UiPrompts&) {}
