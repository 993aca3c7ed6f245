#pragma once

class ListingView;

// What a screen reader gets from the window beyond the toolkit's own widgets. The listing is
// painted, so it gets a list of its own: one item per line that has text (blank lines are left
// out), named as a person reads the line (spokenLine), described by how its value was rolled,
// editable where a double-click edits it, with Edit as its default action and its menu as the
// second. A window made straight from a plain widget (the help, the odds) reads as a window.

// Makes the listing and the plain windows readable; calling it again changes nothing.
void installWindowAccessibility();

// The listing's lines changed (new offers, an edit, undo, an opened file): readers hear of lines
// that came, went or read differently now. Does nothing while no reader listens.
void announceListingChange(ListingView& view);

// The current line moved: it takes the reader's focus while the listing has the keyboard.
void announceCurrentLine(ListingView& view);
