#include "cli/PdfExport.h"

#include <QGuiApplication>
#include <QLocale>
#include <QPageSize>
#include <QPrinter>
#include <QPrinterInfo>
#include <algorithm>
#include <array>
#include <charconv>
#include <iostream>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "cli/HeadlessCli.h"
#include "document/ContractDocument.h"
#include "storage/DocumentFile.h"
#include "storage/FileIdentity.h"
#include "storage/QtSettingsStore.h"
#include "view/ContractPrinter.h"
#include "view/ListingPrinter.h"
#include "view/PrintJob.h"

namespace {

constexpr const char* kExportListing = "--export-pdf";
constexpr const char* kExportContracts = "--export-contracts";

constexpr const char* kUsage =
    "Usage:\n"
    "  zuvaduro --export-pdf OUT.pdf [--page-size A4|Letter] FILE\n"
    "  zuvaduro --export-contracts OUT.pdf [--offers 1,3] [--page-size A4|Letter] FILE\n";

constexpr int kExitOk = 0;
constexpr int kExitFailed = 1;
constexpr int kExitUsage = 2;

struct PageSizeName {
    const char* name;
    QPageSize::PageSizeId id;
};
constexpr std::array<PageSizeName, 2> kPageSizes = {{
    {"A4", QPageSize::A4},
    {"Letter", QPageSize::Letter},
}};

struct ExportRequest {
    bool contracts = false;
    QString outPath;
    QString documentPath;
    std::optional<QPageSize::PageSizeId> pageSize;
    std::optional<std::array<bool, 4>> offers;  // from --offers; absent means every offer
    int highestOffer = 0;                       // the largest number --offers named
};

int usageError(const std::string& problem) {
    std::cerr << "zuvaduro: " << problem << "\n" << kUsage;
    return kExitUsage;
}

int failure(const QString& message) {
    std::cerr << message.toStdString() << "\n";
    return kExitFailed;
}

std::optional<QPageSize::PageSizeId> parsePageSize(const QString& text) {
    for (const PageSizeName& size : kPageSizes) {
        if (text.compare(QLatin1String(size.name), Qt::CaseInsensitive) == 0) {
            return size.id;
        }
    }
    return std::nullopt;
}

// "1,3" -> offers one and three. Each number is a whole number 1..4; whether the document holds
// that offer is checked once it is read.
bool parseOffers(const QString& text, ExportRequest& request) {
    std::array<bool, 4> ticked{};
    const QStringList parts = text.split(QLatin1Char(','));
    for (const QString& part : parts) {
        const std::string digits = part.trimmed().toStdString();
        int number = 0;
        const char* end = digits.data() + digits.size();
        const auto result = std::from_chars(digits.data(), end, number);
        if (digits.empty() || result.ec != std::errc() || result.ptr != end || number < 1 ||
            number > kMaxOffers) {
            return false;
        }
        ticked[static_cast<std::size_t>(number - 1)] = true;
        request.highestOffer = std::max(request.highestOffer, number);
    }
    request.offers = ticked;
    return true;
}

// Returns the problem, or nothing when the request is complete.
std::optional<std::string> parseRequest(const QStringList& args, ExportRequest& request) {
    request.contracts = args.front() == QLatin1String(kExportContracts);
    std::vector<QString> positional;
    for (qsizetype i = 1; i < args.size(); ++i) {
        const QString& arg = args[i];
        const bool hasValue = i + 1 < args.size();
        if (arg == QLatin1String("--page-size")) {
            if (!hasValue) {
                return "--page-size needs A4 or Letter";
            }
            request.pageSize = parsePageSize(args[++i]);
            if (!request.pageSize) {
                return "--page-size takes A4 or Letter, not '" + args[i].toStdString() + "'";
            }
        } else if (arg == QLatin1String("--offers") && request.contracts) {
            if (!hasValue || !parseOffers(args[++i], request)) {
                return "--offers takes offer numbers 1 to 4 separated by commas";
            }
        } else if (arg.startsWith(QLatin1String("--"))) {
            return "unknown option '" + arg.toStdString() + "'";
        } else {
            positional.push_back(arg);
        }
    }
    if (positional.size() != 2) {
        return args.front().toStdString() + " needs OUT.pdf and FILE";
    }
    request.outPath = positional[0];
    request.documentPath = positional[1];
    // Writing the PDF over the document it was made from would destroy the document, whether
    // OUT.pdf names it or a link to it.
    if (isSameFile(request.outPath, request.documentPath)) {
        return "OUT.pdf and FILE must be different files";
    }
    return std::nullopt;
}

QPageSize::PageSizeId systemPageSize() {
    // Letter where the local measures are those of the United States, A4 everywhere else.
    return QLocale::system().measurementSystem() == QLocale::ImperialUSSystem ? QPageSize::Letter
                                                                              : QPageSize::A4;
}

// Paints `paint` for a PDF printer writing `request.outPath`; the file is replaced only once the
// whole PDF is made.
int writePdf(const ExportRequest& request, const ContractDocument& doc, const PaintPages& paint) {
    QPrinter printer(QPrinterInfo(), QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(request.outPath);
    printer.setPageSize(QPageSize(request.pageSize.value_or(systemPageSize())));
    printer.setDocName(QString::fromStdString(doc.title()));

    const PrintOutcome outcome = runPrintJob(printer, request.documentPath, paint);
    if (!outcome.printerOk) {
        return failure(QStringLiteral("Could not write %1.").arg(request.outPath));
    }
    if (!outcome.fileProblem.isEmpty()) {
        return failure(outcome.fileProblem);
    }
    return kExitOk;
}

int exportPdf(const ExportRequest& request) {
    QtSettingsStore settings;
    settings.setProblemReporter(reportSettingsProblem);
    ContractDocument doc(settings);
    doc.resetToUntitled();
    const OpenResult opened = openDocumentFile(doc, request.documentPath);
    if (opened.status == OpenStatus::Failed) {
        return failure(opened.message);
    }

    if (!request.contracts) {
        return writePdf(request, doc, [&](QPainter& painter, QPagedPaintDevice& device) {
            printListingPage(painter, device, doc);
        });
    }

    const int available = doc.visibleOfferCount();
    std::array<bool, 4> ticked{};
    if (request.offers) {
        if (request.highestOffer > available) {
            return usageError("offer " + std::to_string(request.highestOffer) +
                              " is not in the document, which holds " + std::to_string(available) +
                              (available == 1 ? " offer" : " offers"));
        }
        ticked = *request.offers;
    } else {
        if (available == 0) {
            return usageError("no offers to export: the document holds none");
        }
        for (int k = 0; k < available; ++k) {
            ticked[static_cast<std::size_t>(k)] = true;
        }
    }
    return writePdf(request, doc, [&](QPainter& painter, QPagedPaintDevice& device) {
        printContractPages(painter, device, doc, ticked);
    });
}

}  // namespace

bool isPdfExportInvocation(const QStringList& args) {
    return !args.isEmpty() && (args.front() == QLatin1String(kExportListing) ||
                               args.front() == QLatin1String(kExportContracts));
}

int runPdfExport(const QStringList& args) {
    if (!isPdfExportInvocation(args)) {
        return usageError("not a PDF export");
    }
    ExportRequest request;
    if (const std::optional<std::string> problem = parseRequest(args, request)) {
        return usageError(*problem);
    }

    // Fonts and the PDF printer need a GUI application, but never a display.
    // The application is destroyed before argc and argv go out of scope.
    int argc = 1;
    char name[] = "zuvaduro";
    char* argv[] = {name, nullptr};
    std::unique_ptr<QGuiApplication> app;
    if (QCoreApplication::instance() == nullptr) {
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
            qputenv("QT_QPA_PLATFORM", "offscreen");
        }
        app = std::make_unique<QGuiApplication>(argc, argv);
    }
    return exportPdf(request);
}
