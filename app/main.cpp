#include <string>
#include <vector>

#include "app/WindowedMain.h"
#include "cli/CommandLine.h"

// One executable: the headless modes (options with "--") never touch a display; everything
// else starts the window.
int main(int argc, char** argv) {
    const std::vector<std::string> args(argv + 1, argv + argc);
    if (isHeadlessInvocation(args)) {
        return runHeadless(args);
    }
    return runWindowed(argc, argv);
}
