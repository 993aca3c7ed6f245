#include <sys/ioctl.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <chrono>
#include <cstdint>
#include <cstdlib>
#include <future>
#include <iostream>
#include <optional>
#include <string>
#include <string_view>

#include "cli/Modes.h"
#include "document/NumberText.h"
#include "generate/Odds.h"
#include "listing/OddsReport.h"

namespace {

constexpr int kMostThreads = 256;

// The options of --odds that take a value, besides the term choices.
constexpr std::array<std::string_view, 4> kOddsValueOptions = {"--rolls", "--seed", "--threads",
                                                               "--rules"};

enum class OddsFormat { Text, Json, Csv };

struct OddsCommand {
    OddsRequest request;
    OddsFormat format = OddsFormat::Text;
    std::optional<std::string> rulesPath;
    bool compare = false;  // the built-in tables beside the rules, from the same seeds
};

// Returns the problem, or nothing when the command is complete.
std::optional<std::string> parseOdds(ModeArguments args, OddsCommand& command) {
    if (args.empty() || args[0].starts_with("--")) {
        return "--odds needs a RATING";
    }
    OddsRequest& request = command.request;
    request.rating = args[0];
    request.threads = std::min(oddsThreadsForThisMachine(), kMostThreads);
    std::optional<std::uint64_t> seed;
    bool json = false;
    bool csv = false;
    for (std::size_t i = 1; i < args.size(); ++i) {
        const std::string& option = args[i];
        if (option == "--json" || option == "--csv") {
            (option == "--json" ? json : csv) = true;
            continue;
        }
        if (option == "--compare") {
            command.compare = true;
            continue;
        }
        if (std::optional<std::string> problem = valueOptionProblem(args, i, kOddsValueOptions)) {
            return problem;
        }
        const std::string& value = args[++i];
        if (option == "--rolls") {
            const std::optional<std::uint64_t> samples = parseWholeNumber(value);
            if (!samples || *samples < 1 || *samples > kMostOddsSamples) {
                return "--rolls takes a whole number from 1 to 1000000000";
            }
            request.samples = *samples;
        } else if (option == "--seed") {
            seed = parseWholeNumber(value);
            if (!seed) {
                return "--seed takes a whole number from 0 to 18446744073709551615";
            }
        } else if (option == "--threads") {
            const std::optional<std::uint64_t> threads = parseWholeNumber(value);
            if (!threads || *threads < 1 || *threads > kMostThreads) {
                return "--threads takes a whole number from 1 to " + std::to_string(kMostThreads);
            }
            request.threads = static_cast<int>(*threads);
        } else if (option == "--rules") {
            if (value.empty()) {
                return "--rules needs a FILE";
            }
            command.rulesPath = value;
        } else {
            request.choices.*choiceOption(option) = value;
        }
    }
    if (json && csv) {
        return "--json and --csv cannot be given together";
    }
    if (command.compare && !command.rulesPath) {
        return "--compare needs --rules FILE";
    }
    command.format = json ? OddsFormat::Json : csv ? OddsFormat::Csv : OddsFormat::Text;
    request.seed = seed ? *seed : oddsSeedFromClock();
    return std::nullopt;
}

// The columns of the terminal stderr shows on: asked of the terminal, else $COLUMNS, else 80.
std::uint64_t terminalColumns() {
    winsize size{};
    if (::ioctl(STDERR_FILENO, TIOCGWINSZ, &size) == 0 && size.ws_col > 0) {
        return size.ws_col;
    }
    const char* columns = std::getenv("COLUMNS");
    if (const std::optional<std::uint64_t> fromEnvironment =
            parseWholeNumber(columns != nullptr ? columns : "");
        fromEnvironment && *fromEnvironment > 0) {
        return *fromEnvironment;
    }
    return 80;
}

// "zuvaduro: rolling [####....] 42%", narrowed to leave the terminal's last column free (a line
// that fills it wraps on some terminals); a terminal too narrow for any bar gets the percentage.
std::string progressLine(std::uint64_t done, std::uint64_t samples, std::uint64_t columns) {
    constexpr std::uint64_t kWidestBar = 40;
    constexpr std::uint64_t kAroundBar = 26;  // "zuvaduro: rolling [] 100%" and the free column
    const std::string percent = std::to_string(done * 100 / samples) + "%";
    if (columns <= kAroundBar) {
        return percent;
    }
    const std::uint64_t width = std::min(kWidestBar, columns - kAroundBar);
    const std::uint64_t filled = done * width / samples;
    return "zuvaduro: rolling [" + std::string(filled, '#') + std::string(width - filled, '.') +
           "] " + percent;
}

// Runs on other threads while this one draws a progress bar on the terminal, from the first
// second on; a quick run draws nothing and is answered as soon as it ends.
OddsResult rollWithProgressBar(const OddsRequest& request) {
    constexpr auto kQuiet = std::chrono::seconds(1);
    constexpr auto kRedraw = std::chrono::milliseconds(100);
    OddsProgress progress;
    std::future<OddsResult> run =
        std::async(std::launch::async, [&] { return rollOdds(request, &progress); });
    if (run.wait_for(kQuiet) == std::future_status::ready) {
        return run.get();
    }
    std::size_t drawn = 0;
    do {
        // Measured at every redraw: the terminal may be resized while the odds are rolled; a
        // shorter line blanks what is left of the last one, up to the new width.
        const std::uint64_t columns = terminalColumns();
        const std::string line =
            progressLine(progress.samplesDone.load(), request.samples, columns);
        const std::size_t blank = std::min<std::size_t>(drawn, columns - 1);
        std::cerr << "\r" << line << std::string(blank > line.size() ? blank - line.size() : 0, ' ')
                  << std::flush;
        drawn = line.size();
    } while (run.wait_for(kRedraw) != std::future_status::ready);
    std::cerr << "\r" << std::string(drawn, ' ') << "\r" << std::flush;
    return run.get();
}

}  // namespace

ModeOutcome runOdds(ModeArguments args) {
    OddsCommand command;
    if (const std::optional<std::string> problem = parseOdds(args, command)) {
        return UsageProblem{*problem};
    }
    OddsRequest& request = command.request;
    if (command.rulesPath) {
        request.rules = loadRules(*command.rulesPath, std::cerr).rules;
        if (!request.rules) {
            return ExitStatus::Usage;
        }
    }
    const auto roll = [](const OddsRequest& asked) {
        return ::isatty(STDERR_FILENO) ? rollWithProgressBar(asked) : rollOdds(asked);
    };
    const OddsResult result = roll(request);
    // The choices may hold escape sequences; a terminal would obey them.
    const ValueControls controls =
        ::isatty(STDOUT_FILENO) ? ValueControls::Visible : ValueControls::AsStored;
    if (command.compare) {
        OddsRequest builtInRequest = request;
        builtInRequest.rules.reset();
        const OddsResult builtIn = roll(builtInRequest);
        // Tables exactly the built-in ones have no name of their own: the file names them.
        const std::string& name =
            request.rules->isBuiltIn() ? *command.rulesPath : request.rules->name;
        switch (command.format) {
            case OddsFormat::Json:
                std::cout << renderOddsCompareJson(request, builtIn, result, name);
                break;
            case OddsFormat::Csv:
                std::cout << renderOddsCompareCsv(builtIn, result, controls);
                break;
            case OddsFormat::Text:
                std::cout << renderOddsCompareText(request, builtIn, result, name, controls);
                break;
        }
        std::cout.flush();
        return ExitStatus::Done;
    }
    switch (command.format) {
        case OddsFormat::Json:
            std::cout << renderOddsJson(request, result);
            break;
        case OddsFormat::Csv:
            std::cout << renderOddsCsv(result, controls);
            break;
        case OddsFormat::Text:
            std::cout << renderOddsText(request, result, controls);
            break;
    }
    std::cout.flush();
    return ExitStatus::Done;
}
