#pragma once

// The names under which the program keeps its settings (the INI file
// $XDG_CONFIG_HOME/Rezurudo/Zuvaduro.conf) and shows itself. The window, the headless modes and
// the tests all take them from here, so they always meet the same values.
inline constexpr const char* kOrganizationName = "Rezurudo";
inline constexpr const char* kApplicationName = "Zuvaduro";

// Gives the running application these names.
void setApplicationIdentity();
