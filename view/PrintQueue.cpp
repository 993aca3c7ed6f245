#include "view/PrintQueue.h"

#include <cups/cups.h>

#include <QCoreApplication>
#include <QPrinter>

namespace {

// A queue is named "queue" or "queue/instance"; the print system takes jobs by the queue.
struct QueueName {
    QByteArray queue;
    QByteArray instance;
};

QueueName queueName(const QPrinter& printer) {
    const QString name = printer.printerName();
    const qsizetype slash = name.indexOf(QLatin1Char('/'));
    if (slash < 0) {
        return {name.toLocal8Bit(), {}};
    }
    return {name.left(slash).toLocal8Bit(), name.mid(slash + 1).toLocal8Bit()};
}

}  // namespace

QString queueRefusal(const QPrinter& printer) {
    const QueueName name = queueName(printer);
    if (name.queue.isEmpty()) {
        return {};
    }
    cups_dest_t* dest =
        cupsGetNamedDest(CUPS_HTTP_DEFAULT, name.queue.constData(),
                         name.instance.isEmpty() ? nullptr : name.instance.constData());
    if (dest == nullptr) {
        return {};
    }
    const char* accepting =
        cupsGetOption("printer-is-accepting-jobs", dest->num_options, dest->options);
    const bool refuses = accepting != nullptr && qstrcmp(accepting, "false") == 0;
    cupsFreeDests(1, dest);
    if (!refuses) {
        return {};
    }
    return QCoreApplication::translate("PrintQueue",
                                       "The printer \"%1\" does not accept print jobs now, so "
                                       "nothing was printed.")
        .arg(printer.printerName());
}

QString jobRefusal(const QPrinter& printer) {
    // The status of the print system's last answer in this thread: the job's submission.
    if (cupsLastError() < IPP_STATUS_REDIRECTION_OTHER_SITE) {
        return {};
    }
    return QCoreApplication::translate("PrintQueue",
                                       "The printer \"%1\" did not take the print job, so "
                                       "nothing was printed: %2")
        .arg(printer.printerName(), QString::fromLocal8Bit(cupsLastErrorString()));
}
