#include "view/PrintJob.h"

#include <QBuffer>
#include <QDir>
#include <QFileInfo>
#include <QPainter>
#include <QPdfWriter>
#include <QPrinter>

#include "storage/AtomicReplace.h"
#include "storage/FileError.h"
#include "storage/FileIdentity.h"

namespace {

// The PDF `printer` would write, made in memory. Empty when the painter could not run.
QByteArray renderPdf(const QPrinter& printer, const PaintPages& paint) {
    QByteArray pdf;
    QBuffer buffer(&pdf);
    buffer.open(QIODevice::WriteOnly);
    QPdfWriter writer(&buffer);
    writer.setPdfVersion(printer.pdfVersion());
    writer.setResolution(printer.resolution());
    writer.setPageLayout(printer.pageLayout());
    writer.setTitle(printer.docName());
    writer.setCreator(printer.creator());
    QPainter painter;
    if (!painter.begin(&writer)) {
        return {};
    }
    paint(painter, writer);
    if (!painter.end()) {
        return {};
    }
    buffer.close();
    return pdf;
}

}  // namespace

PrintOutcome runPrintJob(QPrinter& printer, const QString& documentPath, const PaintPages& paint) {
    const QString file = printer.outputFileName();
    if (file.isEmpty()) {
        QPainter painter;
        if (!painter.begin(&printer)) {
            return {false, {}};
        }
        paint(painter, printer);
        return {painter.end(), {}};
    }

    const QString target = QDir::cleanPath(QFileInfo(file).absoluteFilePath());
    if (!documentPath.isEmpty() && isSameFile(target, documentPath)) {
        return {true, QStringLiteral("%1 is the open document. Choose another file for the PDF.")
                          .arg(target)};
    }
    const QByteArray pdf = renderPdf(printer, paint);
    if (pdf.isEmpty()) {
        return {false, {}};
    }
    if (const int error =
            replaceFileAtomically(target, pdf.constData(), static_cast<std::size_t>(pdf.size()))) {
        return {true, fileErrorMessageFor(error, target)};
    }
    return {};
}
