#include "view/DialogPrompts.h"

// Placeholders until contract printing lands.
bool DialogPrompts::askContracts(SettingsStore&, std::array<bool, 4>&) {
    return false;
}
bool DialogPrompts::choosePrinterForContracts(QPrinter&) {
    return false;
}
