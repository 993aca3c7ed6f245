#include <QCoreApplication>
#include <QPainter>
#include <QPrinter>
#include <algorithm>
#include <array>

#include "document/ContractDocument.h"
#include "document/SettingsStore.h"
#include "view/Commands.h"
#include "view/ContractPrinter.h"
#include "view/PrintJob.h"
#include "view/UiPrompts.h"

void runPrintContract(ContractDocument& doc, UiPrompts& prompts) {
    // Shown every time, even when the user then cancels: the dates and location are the fields
    // still holding their defaults after a generation.
    prompts.warn(QCoreApplication::translate(
        "ContractPrintCommand", "Remember to change the Dates, and Location before printing."));

    SettingsStore& settings = doc.settings();
    settings.writeNumber(settings::kSection, settings::kInt, doc.m_offerCount);

    std::array<bool, 4> ticked{};
    if (!prompts.askContracts(settings, ticked)) {
        return;
    }
    // Nothing ticked is nothing to print: no print dialog, no blank page, no file.
    if (std::none_of(ticked.begin(), ticked.end(), [](bool tick) { return tick; })) {
        return;
    }

    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(QString::fromStdString(doc.title()));
    if (!prompts.choosePrinterForContracts(printer)) {
        return;
    }

    // A printer that could not be opened goes unreported; a queue that refused the job and a
    // PDF file that could not be written are said.
    const PrintOutcome outcome = printContractsOn(printer, doc, ticked);
    if (!outcome.queueProblem.isEmpty()) {
        prompts.warn(outcome.queueProblem);
    }
    if (!outcome.fileProblem.isEmpty()) {
        prompts.warn(outcome.fileProblem);
    }
}
