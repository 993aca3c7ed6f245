#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <iostream>
#include <string>
#include <variant>
#include <vector>

#include "cli/Modes.h"
#include "listing/TerminalText.h"
#include "rules/RulesFile.h"
#include "storage/FileError.h"

namespace {

// The bytes of a rules file, one more than a rules file may hold at most (so that the reader can
// tell it is too large), or the message of the error that stopped the reading.
std::variant<std::string, std::string> readRulesBytes(const std::string& path) {
    const QString name = QString::fromUtf8(path.data(), static_cast<qsizetype>(path.size()));
    const int file = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (file < 0) {
        return std::variant<std::string, std::string>(
            std::in_place_index<1>, fileErrorMessageFor(errno, name).toStdString());
    }
    std::string bytes;
    std::vector<char> buffer(64 * 1024);
    for (;;) {
        const ssize_t got = ::read(file, buffer.data(), buffer.size());
        if (got < 0 && errno == EINTR) {
            continue;
        }
        if (got < 0) {
            const int error = errno;
            ::close(file);
            return std::variant<std::string, std::string>(
                std::in_place_index<1>, fileErrorMessageFor(error, name).toStdString());
        }
        if (got == 0 || bytes.size() > kMostRulesFileBytes) {
            break;
        }
        bytes.append(buffer.data(), static_cast<std::size_t>(got));
    }
    ::close(file);
    return std::variant<std::string, std::string>(std::in_place_index<0>, std::move(bytes));
}

// Each problem on a line of its own; the file's own words may hold terminal escapes.
void printProblems(std::ostream& out, const std::string& path,
                   const std::vector<RulesProblem>& problems) {
    for (const RulesProblem& problem : problems) {
        out << visibleControls(describeProblem(path, problem)) << "\n";
    }
}

}  // namespace

RulesLoad loadRules(const std::string& path, std::ostream& problemsOut) {
    auto bytes = readRulesBytes(path);
    if (bytes.index() == 1) {
        std::cerr << "zuvaduro: " << std::get<1>(bytes) << "\n";
        return RulesLoad{nullptr, false};
    }
    RulesReadResult read = readRules(std::get<0>(bytes));
    if (const auto* problems = std::get_if<std::vector<RulesProblem>>(&read)) {
        printProblems(problemsOut, path, *problems);
        return RulesLoad{nullptr, true};
    }
    return RulesLoad{std::make_shared<const RuleSet>(std::get<RuleSet>(std::move(read))), true};
}

ModeOutcome runRulesDump(ModeArguments args) {
    if (!args.empty()) {
        return UsageProblem{"--rules-dump takes no arguments"};
    }
    std::cout << dumpRules(builtInRules());
    std::cout.flush();
    return ExitStatus::Done;
}

ModeOutcome runRulesCheck(ModeArguments args) {
    if (args.size() != 1 || args[0].empty()) {
        return UsageProblem{"--rules-check needs one FILE"};
    }
    const RulesLoad load = loadRules(args[0], std::cout);
    if (load.rules) {
        std::cout << visibleControls(args[0]) << ": the rules are sound\n";
    }
    std::cout.flush();
    return load.rules ? ExitStatus::Done : ExitStatus::Failed;
}
