#pragma once

#include <QString>
#include <memory>
#include <string>

#include "generate/RuleSet.h"

// Rules files on disk: reading one whole and checking it, and writing one as documents are
// written. The reading and checking themselves are rules/'s; this only brings the bytes.

struct RulesLoad {
    // The file's tables; null when the file was refused.
    std::shared_ptr<const RuleSet> rules;
    // Why the file was refused: its name and its first problems, one per line. Empty when read.
    QString problem;
};

// At most this many of a refused file's problems are listed; a count says how many more there
// were.
inline constexpr int kRulesProblemsShown = 5;

// The text of the rules file at `path`, for editing; empty with `problem` set when it cannot be
// read (the same refusals as loadRulesFile's).
std::string readRulesText(const QString& path, QString& problem);

// Reads and checks the rules file at `path`. Anything but a regular file of at most the rules
// file limit is refused unread; the file is never changed.
RulesLoad loadRulesFile(const QString& path);

// The same for bytes already in memory (the editor's text), named `path` in the problems.
RulesLoad loadRulesBytes(const QString& path, const std::string& bytes);

// Writes `text` to `path` atomically (see AtomicReplace). Empty when written; otherwise the
// message for the user.
QString saveRulesFile(const QString& path, const std::string& text);
