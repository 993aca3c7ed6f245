#pragma once

// Runs the desktop program (splash, main window, command line of the window modes).
// Returns the process exit status.
int runWindowed(int argc, char** argv);
