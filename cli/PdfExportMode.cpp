#include <QDate>
#include <QGuiApplication>
#include <QLocale>
#include <QPageSize>
#include <QPrinter>
#include <QPrinterInfo>
#include <algorithm>
#include <array>
#include <charconv>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "cli/Modes.h"
#include "document/ContractDocument.h"
#include "storage/FileIdentity.h"
#include "view/ContractPrinter.h"
#include "view/ListingPrinter.h"
#include "view/OfferDetailsPrinter.h"

namespace {

// The three PDF exports: the listing, the contracts, the offers side by side.
enum class ExportKind { Listing, Contracts, Details };
constexpr std::array<const char*, 3> kExportNames = {"--export-pdf", "--export-contracts",
                                                     "--export-details"};

// Contracts and details of a document without offers would be empty pages.
constexpr const char* kNoOffersToExport = "no offers to export: the document holds none";

struct PageSizeName {
    const char* name;
    QPageSize::PageSizeId id;
};
constexpr std::array<PageSizeName, 2> kPageSizes = {{
    {"A4", QPageSize::A4},
    {"Letter", QPageSize::Letter},
}};

struct ExportRequest {
    ExportKind kind = ExportKind::Listing;
    QString outPath;
    QString documentPath;
    std::optional<QPageSize::PageSizeId> pageSize;
    std::optional<std::array<bool, 4>> offers;  // from --offers; absent means every offer
    int highestOffer = 0;                       // the largest number --offers named
};

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
    std::vector<QString> positional;
    for (qsizetype i = 0; i < args.size(); ++i) {
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
        } else if (arg == QLatin1String("--offers") && request.kind == ExportKind::Contracts) {
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
        return std::string(kExportNames[static_cast<std::size_t>(request.kind)]) +
               " needs OUT.pdf and FILE";
    }
    // An empty name is no file: the printer would take it for a printer of its own.
    if (positional[0].isEmpty()) {
        return "OUT.pdf must not be empty";
    }
    if (positional[1].isEmpty()) {
        return "FILE must not be empty";
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

// Runs `printJob` (one of the printers' print functions, as the window calls them) on a PDF
// printer writing `request.outPath`; the file is replaced only once the whole PDF is made.
ModeOutcome writePdf(const ExportRequest& request, const ContractDocument& doc,
                     const std::function<PrintOutcome(QPrinter&)>& printJob) {
    QPrinter printer(QPrinterInfo(), QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(request.outPath);
    printer.setPageSize(QPageSize(request.pageSize.value_or(systemPageSize())));
    printer.setDocName(QString::fromStdString(doc.title()));

    const PrintOutcome outcome = printJob(printer);
    if (!outcome.printerOk) {
        return reportFailure(QStringLiteral("Could not write %1.").arg(request.outPath));
    }
    if (!outcome.fileProblem.isEmpty()) {
        return reportFailure(outcome.fileProblem);
    }
    return ExitStatus::Done;
}

ModeOutcome exportPdf(const ExportRequest& request) {
    HeadlessSettings settings;
    ContractDocument doc(settings);
    if (!openWithoutWindow(doc, request.documentPath)) {
        return ExitStatus::Failed;
    }

    if (request.kind == ExportKind::Listing) {
        return writePdf(request, doc,
                        [&doc](QPrinter& printer) { return printListingOn(printer, doc); });
    }
    const int available = doc.visibleOfferCount();
    if (request.kind == ExportKind::Details) {
        if (available == 0) {
            return UsageProblem{kNoOffersToExport};
        }
        return writePdf(request, doc, [&doc](QPrinter& printer) {
            return printOfferDetailsOn(printer, doc, QDate::currentDate());
        });
    }

    std::array<bool, 4> ticked{};
    if (request.offers) {
        if (request.highestOffer > available) {
            return UsageProblem{"offer " + std::to_string(request.highestOffer) +
                                " is not in the document, which holds " +
                                std::to_string(available) +
                                (available == 1 ? " offer" : " offers")};
        }
        ticked = *request.offers;
    } else {
        if (available == 0) {
            return UsageProblem{kNoOffersToExport};
        }
        for (int k = 0; k < available; ++k) {
            ticked[static_cast<std::size_t>(k)] = true;
        }
    }
    return writePdf(request, doc, [&doc, &ticked](QPrinter& printer) {
        return printContractsOn(printer, doc, ticked);
    });
}

// The arguments as the toolkit reads file names.
QStringList toQStringList(ModeArguments args) {
    QStringList list;
    for (const std::string& arg : args) {
        list << QString::fromLocal8Bit(arg.c_str());
    }
    return list;
}

ModeOutcome runExport(ModeArguments args, ExportKind kind) {
    ExportRequest request;
    request.kind = kind;
    if (const std::optional<std::string> problem = parseRequest(toQStringList(args), request)) {
        return UsageProblem{*problem};
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

}  // namespace

ModeOutcome runExportListing(ModeArguments args) {
    return runExport(args, ExportKind::Listing);
}

ModeOutcome runExportContracts(ModeArguments args) {
    return runExport(args, ExportKind::Contracts);
}

ModeOutcome runExportDetails(ModeArguments args) {
    return runExport(args, ExportKind::Details);
}
