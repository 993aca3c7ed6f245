#pragma once

#include <string>
#include <vector>

class QString;

// The command line that needs no display:
//   zuvaduro --roll RATING [--seed N] [--base-pay TEXT] [--employer T] ... [--save FILE] [--json]
//   zuvaduro --listing FILE [--json]
//   zuvaduro --help | --version
// The listing goes to stdout; messages to stderr.

// True when the arguments (without the program name) ask for one of the modes above: the first
// argument starts with "--". Window-mode switches use a single "/" or "-".
bool isHeadlessInvocation(const std::vector<std::string>& args);

// Exit status: 0 done, 1 a document could not be read or written, 2 a usage error.
int runHeadless(const std::vector<std::string>& args);

// "Usage:" and one line per headless mode and per window switch, as --help shows them.
const char* usageText();

// How every headless mode tells of a settings file it keeps as it is: one line on stderr.
void reportSettingsProblem(const QString& message);
