#include <QStringList>
#include <string>
#include <vector>

#include "cli/HeadlessCli.h"
#include "cli/PdfExport.h"
#include "shell/WindowedMain.h"

// One executable: the headless modes (options with "--") never touch a display; everything
// else starts the window.
int main(int argc, char** argv) {
    std::vector<std::string> args(argv + 1, argv + argc);
    if (isHeadlessInvocation(args)) {
        QStringList qargs;
        for (const std::string& arg : args) {
            qargs << QString::fromLocal8Bit(arg.c_str());
        }
        if (isPdfExportInvocation(qargs)) {
            return runPdfExport(qargs);
        }
        return runHeadless(args);
    }
    return runWindowed(argc, argv);
}
