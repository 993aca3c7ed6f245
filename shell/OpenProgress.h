#pragma once

class DocumentOpening;
class QWidget;

// Reads the bytes of `opening` on a thread of their own while the window goes on painting. A
// quick read ends without anything to see; after half a second a progress dialog with Cancel
// appears and blocks the other windows. Input that arrives before then waits for the read.
// Returns false when the read was cancelled, by the user or because the program is ending;
// nothing may then be decoded from it.
bool readWithProgress(DocumentOpening& opening, QWidget* parent);
