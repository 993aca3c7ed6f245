#pragma once

#include <QString>
#include <functional>

class QPagedPaintDevice;
class QPainter;
class QPrinter;

// Paints the pages of one job onto the device it is handed, starting on its current page.
using PaintPages = std::function<void(QPainter&, QPagedPaintDevice&)>;

// What became of a print job.
struct PrintOutcome {
    bool printerOk = true;  // false: the printer could not be opened, or failed to finish
    QString fileProblem;    // what to tell the user when the pages did not reach their file
    QString queueProblem;   // what to tell the user when the printer's queue refused the job
    explicit operator bool() const {
        return printerOk && fileProblem.isEmpty() && queueProblem.isEmpty();
    }
};

// Runs one print job through `printer`: Print, Print Contract, /p and the PDF exports all come
// here. When the printer writes to a file (a PDF), the same pages are painted into a PDF held in
// memory, with the printer's page layout, resolution and title, and the file is replaced only
// once that PDF is complete: a write that fails leaves the earlier file as it was. A file that is
// `documentPath` itself, by its name or through a link, is never written. A printer whose queue
// does not take jobs gets none, and a job its queue refused is a failure too.
PrintOutcome runPrintJob(QPrinter& printer, const QString& documentPath, const PaintPages& paint);

// What the window says about a job that failed ("Could not start print job.", the queue's
// refusal or the file's problem); empty when the job went through.
QString printProblem(const PrintOutcome& outcome);
