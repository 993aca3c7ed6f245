#include "view/DialogPrompts.h"

// Placeholders until the shell lands.
bool DialogPrompts::choosePrinterForListing(QPrinter&) {
    return false;
}
bool DialogPrompts::askOpenPath(QString&) {
    return false;
}
bool DialogPrompts::askSavePath(const QString&, QString&) {
    return false;
}
void DialogPrompts::warn(const QString&) {}
void DialogPrompts::inform(const QString&) {}
