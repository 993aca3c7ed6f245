#pragma once

class QWidget;

// A modal dialog has closed: `window` takes the keyboard back, as a window manager would do.
// Later, so that a dialog that follows at once (the reminder before the contract selection)
// keeps the keyboard. Without a window manager nothing else gives it back to the main window,
// and keys would go nowhere until a click.
void returnKeyboardAfterDialog(QWidget& window);
