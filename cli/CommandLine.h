#pragma once

#include <string>
#include <vector>

// The command line that needs no display. Every headless mode is one row of a table (cli/
// CommandLine.cpp): its name, its lines of the usage text and what runs it.
//   zuvaduro --roll RATING [--seed N] [--base-pay TEXT] [--employer T] ... [--save FILE]
//            [--rules FILE] [--json] [--explain]
//   zuvaduro --odds RATING [--rolls N] [--seed S] [--threads COUNT] [term options] [--json | --csv]
//            [--rules FILE [--compare]]
//   zuvaduro --rules-dump
//   zuvaduro --rules-check FILE
//   zuvaduro --listing FILE [--json]
//   zuvaduro --export-pdf OUT.pdf [--page-size A4|Letter] FILE
//   zuvaduro --export-contracts OUT.pdf [--offers 1,3] [--page-size A4|Letter] FILE
//   zuvaduro --export-details OUT.pdf [--page-size A4|Letter] FILE
//   zuvaduro --help | --version
// Results go to stdout, messages to stderr.

// How every run of the program ends, headless or not.
enum class ExitStatus {
    Done = 0,
    Failed = 1,  // a document could not be read or written, a PDF not made, rules not sound
    Usage = 2,   // the command line asked for something the program does not do, or for a
                 // rules file that is refused
};

inline int exitCode(ExitStatus status) {
    return static_cast<int>(status);
}

// True when the arguments (without the program name) ask for a headless mode: the first one
// starts with "--". Window-mode switches use a single "/" or "-".
bool isHeadlessInvocation(const std::vector<std::string>& args);

// Runs the mode the arguments name and returns the exit code.
int runHeadless(const std::vector<std::string>& args);

// "Usage:" and one line per headless mode and per window switch, as --help shows them.
std::string usageText();
