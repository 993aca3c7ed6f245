#pragma once

#include <QProcess>
#include <QRegularExpression>
#include <QString>
#include <QStringList>
#include <vector>

// Reading PDFs in tests through poppler's command-line tools.
namespace testsupport {

// What `program` wrote to stdout; empty when it could not run or failed.
inline QString runTool(const QString& program, const QStringList& args) {
    QProcess process;
    process.start(program, args);
    if (!process.waitForFinished(30000) || process.exitCode() != 0) {
        return {};
    }
    return QString::fromUtf8(process.readAllStandardOutput());
}

// One field of pdfinfo's report ("Title", "Pages", "Page size"...).
inline QString pdfInfoField(const QString& pdf, const QString& field) {
    const QRegularExpression line("^" + field + ":\\s+(.*)$", QRegularExpression::MultilineOption);
    return line.match(runTool("pdfinfo", {pdf})).captured(1).trimmed();
}

// The number of pages, or -1 when pdfinfo cannot read the file.
inline int pdfPageCount(const QString& pdf) {
    bool ok = false;
    const int pages = pdfInfoField(pdf, "Pages").toInt(&ok);
    return ok ? pages : -1;
}

// The text of one page, with runs of white space (line breaks of wrapped text included) folded
// into single blanks so that phrases can be searched across line ends.
inline QString pdfPageText(const QString& pdf, int page) {
    const QString n = QString::number(page);
    return runTool("pdftotext", {"-f", n, "-l", n, pdf, "-"}).simplified();
}

// The whole text, laid out as on the pages.
inline QString pdfLayoutText(const QString& pdf) {
    return runTool("pdftotext", {"-layout", pdf, "-"});
}

struct PdfWord {
    double xMin, yMin, xMax, yMax;  // in PDF points
    QString text;
};

// Every word with its box.
inline std::vector<PdfWord> pdfWords(const QString& pdf) {
    const QString html = runTool("pdftotext", {"-bbox", pdf, "-"});
    static const QRegularExpression word(
        R"re(<word xMin="([\d.]+)" yMin="([\d.]+)" xMax="([\d.]+)" yMax="([\d.]+)">([^<]*)</word>)re");
    std::vector<PdfWord> words;
    for (const QRegularExpressionMatch& m : word.globalMatch(html)) {
        QString text = m.captured(5);
        text.replace("&apos;", "'").replace("&#39;", "'").replace("&quot;", "\"");
        text.replace("&lt;", "<").replace("&gt;", ">").replace("&amp;", "&");
        words.push_back({m.captured(1).toDouble(), m.captured(2).toDouble(),
                         m.captured(3).toDouble(), m.captured(4).toDouble(), text});
    }
    return words;
}

}  // namespace testsupport
