#include "view/PrintJob.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QPainter>
#include <QPdfWriter>
#include <QPrinter>

#include "storage/ExportFile.h"
#include "view/PrintQueue.h"

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
        if (QString refused = queueRefusal(printer); !refused.isEmpty()) {
            return {false, {}, refused};
        }
        QPainter painter;
        if (!painter.begin(&printer)) {
            return {false, {}, {}};
        }
        paint(painter, printer);
        if (!painter.end()) {
            return {false, {}, {}};
        }
        if (QString refused = jobRefusal(printer); !refused.isEmpty()) {
            return {false, {}, refused};
        }
        return {};
    }

    // Refused before the pages are painted: the document stays as it is and nothing is made.
    if (QString refused = refuseOpenDocument(file, documentPath); !refused.isEmpty()) {
        return {true, refused, {}};
    }
    const QByteArray pdf = renderPdf(printer, paint);
    if (pdf.isEmpty()) {
        return {false, {}, {}};
    }
    if (QString problem = writeExportFile(file, pdf, documentPath); !problem.isEmpty()) {
        return {true, problem, {}};
    }
    return {};
}

QString printProblem(const PrintOutcome& outcome) {
    if (!outcome.queueProblem.isEmpty()) {
        return outcome.queueProblem;
    }
    if (!outcome.printerOk) {
        return QCoreApplication::translate("PrintJob", "Could not start print job.");
    }
    return outcome.fileProblem;
}
