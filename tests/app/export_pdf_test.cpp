#include <gtest/gtest.h>
#include <sys/resource.h>
#include <unistd.h>

#include <QDir>
#include <csignal>

#include <QFile>
#include <QProcess>
#include <QProcessEnvironment>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "tests/support/DocumentBytes.h"
#include "tests/support/PdfTools.h"

// The headless PDF exports, run through the real program.

namespace {

using testsupport::pdfInfoField;
using testsupport::pdfPageText;

ContractOffer offer(const std::string& employer, const std::string& location) {
    return {employer,
            "Garrison Duty",
            "2 years",
            "1.50x Pay = (150000.00 C-Bills)",
            "60%",
            "15%",
            "12%",
            "35%",
            "Full Rights",
            "House Officer",
            "01 March, 3056",
            "01 March, 3058",
            location};
}

QByteArray documentBytes(const std::string& year, const std::string& rating,
                         const std::vector<ContractOffer>& offers) {
    return QByteArray::fromStdString(
        testsupport::documentFileBytes(rating, static_cast<int>(offers.size()), offers, year));
}

struct ExportRun {
    int exitCode = -1;
    QString errors;
};

class ExportPdfTest : public ::testing::Test {
protected:
    QTemporaryDir dir;
    QString out;
    QString configDir;

    void SetUp() override {
        ASSERT_TRUE(dir.isValid());
        out = dir.filePath("out.pdf");
        configDir = dir.filePath("config");
    }

    QString writeDocument(const QString& name, const QByteArray& bytes) {
        const QString path = dir.filePath(name);
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
        return path;
    }

    static QByteArray readAll(const QString& path) {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    QString twoOfferDocument() {
        return writeDocument("two.did", documentBytes("3025", "B",
                                                      {offer("Draconis Combine", "Planet One"),
                                                       offer("Free Worlds League", "Planet Two")}));
    }

    // Runs the program with its settings in the temporary folder and no display at all; a
    // `maxFileSize` limits every file the program writes, as a full disk would.
    ExportRun runExport(const QStringList& args, rlim_t maxFileSize = RLIM_INFINITY) {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("XDG_CONFIG_HOME", configDir);
        env.remove("QT_QPA_PLATFORM");
        env.remove("DISPLAY");
        env.remove("WAYLAND_DISPLAY");
        QProcess process;
        process.setProcessEnvironment(env);
        process.setChildProcessModifier([maxFileSize] {
            const rlimit limit{maxFileSize, maxFileSize};
            ::setrlimit(RLIMIT_FSIZE, &limit);
            ::signal(SIGXFSZ, SIG_IGN);  // a write past the limit fails instead of killing
        });
        process.start(ZUVADURO_EXE, args);
        ExportRun run;
        if (process.waitForFinished(60000) && process.exitStatus() == QProcess::NormalExit) {
            run.exitCode = process.exitCode();
        }
        run.errors = QString::fromUtf8(process.readAllStandardError());
        return run;
    }
};

TEST_F(ExportPdfTest, contractsExportOnePagePerOfferFirstOfferFirst) {
    const QString document = twoOfferDocument();
    const ExportRun run = runExport({"--export-contracts", out, "--page-size", "A4", document});
    ASSERT_EQ(run.exitCode, 0) << run.errors.toStdString();

    EXPECT_EQ(pdfInfoField(out, "Pages"), "2");
    EXPECT_TRUE(pdfInfoField(out, "Page size").contains("(A4)"))
        << pdfInfoField(out, "Page size").toStdString();
    const QString first = pdfPageText(out, 1);
    const QString second = pdfPageText(out, 2);
    EXPECT_TRUE(first.startsWith("Mercenary Contract")) << first.toStdString();
    EXPECT_TRUE(first.contains("executed between Draconis Combine"));
    EXPECT_TRUE(first.contains("located on Planet One;"));
    EXPECT_TRUE(second.contains("executed between Free Worlds League"));
    EXPECT_TRUE(second.contains("located on Planet Two;"));
    // No Options were ever confirmed in this fresh settings folder.
    EXPECT_TRUE(first.contains("and _______________ (hereafter designated \"Unit\")"));
}

TEST_F(ExportPdfTest, offersOptionChoosesThePagesInOfferOrder) {
    const QString document = writeDocument(
        "three.did", documentBytes("3055", "A",
                                   {offer("Draconis Combine", "Planet One"),
                                    offer("Free Worlds League", "Planet Two"),
                                    offer("Capellan Confederation", "Planet Three")}));
    const ExportRun run = runExport(
        {"--export-contracts", out, "--offers", "3,1", "--page-size", "Letter", document});
    ASSERT_EQ(run.exitCode, 0) << run.errors.toStdString();

    EXPECT_EQ(pdfInfoField(out, "Pages"), "2");
    EXPECT_TRUE(pdfInfoField(out, "Page size").contains("(letter)"));
    EXPECT_TRUE(pdfPageText(out, 1).contains("executed between Draconis Combine"));
    EXPECT_TRUE(pdfPageText(out, 2).contains("executed between Capellan Confederation"));
}

TEST_F(ExportPdfTest, listingExportIsOnePageAndTheYearReachesTheSettings) {
    const QString document = twoOfferDocument();
    const ExportRun run = runExport({"--export-pdf", out, document});
    ASSERT_EQ(run.exitCode, 0) << run.errors.toStdString();

    EXPECT_EQ(pdfInfoField(out, "Pages"), "1");
    const QString text = pdfPageText(out, 1);
    EXPECT_TRUE(text.contains("Dragoon's Rating:")) << text.toStdString();
    EXPECT_TRUE(text.contains("Free Worlds League"));

    // The document was read as any open reads it: its year went to the user's settings.
    QFile conf(configDir + "/Rezurudo/Zuvaduro.conf");
    ASSERT_TRUE(conf.open(QIODevice::ReadOnly));
    EXPECT_TRUE(conf.readAll().contains("3025"));
}

// The offers side by side on one page, headed by the unit's name, with each offer's pay over its
// whole length at the "Pay" setting and the best total marked.
TEST_F(ExportPdfTest, detailsExportPutsTheOffersSideBySideOnOnePage) {
    ContractOffer shorter = offer("Free Worlds League", "Planet Two");
    shorter.contractLength = "1 year";
    const QString document = writeDocument(
        "two.did", documentBytes("3025", "B", {offer("Draconis Combine", "Planet One"), shorter}));
    QDir().mkpath(configDir + "/Rezurudo");
    writeDocument("config/Rezurudo/Zuvaduro.conf",
                  "[Settings]\nPay=100000\nUnit%20Name=Gray Company\n");
    const ExportRun run = runExport({"--export-details", out, document});
    ASSERT_EQ(run.exitCode, 0) << run.errors.toStdString();

    EXPECT_EQ(pdfInfoField(out, "Pages"), "1");
    const QString text = pdfPageText(out, 1);
    EXPECT_TRUE(text.startsWith("Offer Details Gray Company, ")) << text.toStdString();
    EXPECT_TRUE(text.contains("First Contract Second Contract"));
    EXPECT_TRUE(text.contains("Employer Draconis Combine Free Worlds League"));
    const QString layout = testsupport::pdfLayoutText(out);
    EXPECT_TRUE(layout.contains(QRegularExpression("\\nMonths +24 +12\\n")))
        << layout.toStdString();
    // The longer contract pays more.
    EXPECT_TRUE(layout.contains(QRegularExpression("\\nContract Total.* \\(best\\) +[0-9]")));
    EXPECT_EQ(layout.count("(best)"), 1);
}

// Nothing on the page is cut silently: a long employer wraps and ends in an ellipsis, and a total
// too wide for its column keeps every digit.
TEST_F(ExportPdfTest, detailsPageWrapsLongTextsAndKeepsEveryDigit) {
    QString employer;
    for (int word = 0; employer.size() < 300; ++word) {
        employer += QStringLiteral("Qx%1 ").arg(word, 2, 10, QLatin1Char('0'));
    }
    employer.truncate(300);
    const QString document = writeDocument(
        "long.did",
        documentBytes("3025", "B",
                      {offer(employer.toStdString(), "Planet One"), offer("Short", "Planet Two")}));
    QDir().mkpath(configDir + "/Rezurudo");
    writeDocument("config/Rezurudo/Zuvaduro.conf", "[Settings]\nPay=1000000000000000000\n");
    const ExportRun run = runExport({"--export-details", out, document});
    ASSERT_EQ(run.exitCode, 0) << run.errors.toStdString();

    // 1.50x of the pay, then over 24 months: nineteen and twenty digits, whatever the grouping.
    const QString text = pdfPageText(out, 1).remove(QRegularExpression("[,.'\\s\\x{202f}\\x{a0}]"));
    EXPECT_TRUE(
        text.contains("1500000000000000000"
                      "00"))
        << text.toStdString();
    EXPECT_TRUE(
        text.contains("36000000000000000000"
                      "00"))
        << text.toStdString();
    QStringList shown;  // the employer's words, as wrapped on the page
    for (const testsupport::PdfWord& word : testsupport::pdfWords(out)) {
        if (word.text.startsWith('Q') || word.text == QStringLiteral("\u2026")) {
            shown << word.text;
        }
    }
    const QString cell = shown.join(' ');
    ASSERT_TRUE(cell.endsWith(QStringLiteral("\u2026"))) << cell.toStdString();
    EXPECT_GT(cell.size(), 100);
    EXPECT_TRUE(employer.startsWith(cell.chopped(1).trimmed())) << cell.toStdString();
}

TEST_F(ExportPdfTest, unreadableDocumentFailsWithItsMessageAndWritesNothing) {
    const QString truncated = writeDocument("bad.did", documentBytes("3055", "B", {}).left(3));
    for (const QString& document : {dir.filePath("missing.did"), truncated}) {
        SCOPED_TRACE(document.toStdString());
        const ExportRun run = runExport({"--export-contracts", out, document});
        EXPECT_EQ(run.exitCode, 1);
        EXPECT_FALSE(run.errors.trimmed().isEmpty());
        EXPECT_FALSE(QFile::exists(out));
    }
}

TEST_F(ExportPdfTest, badArgumentsAreUsageErrorsAndWriteNothing) {
    const QString document = twoOfferDocument();
    const QString empty = writeDocument("empty.did", documentBytes("3055", "D", {}));
    const QList<QStringList> cases = {
        {"--export-contracts", out},
        {"--export-pdf", out, document, "extra"},
        {"--export-pdf", out, "--offers", "1", document},
        {"--export-contracts", out, "--offers", "3", document},  // the document holds two
        {"--export-contracts", out, "--offers", "0", document},
        {"--export-contracts", out, "--offers", "1,x", document},
        {"--export-contracts", out, "--offers", "", document},
        {"--export-contracts", out, "--offers"},
        {"--export-contracts", out, "--page-size", "A5", document},
        {"--export-contracts", out, "--bogus", document},
        {"--export-contracts", out, empty},  // nothing to export
        {"--export-contracts", out, "--offers", "1", empty},
        {"--export-pdf", "", document},  // an empty name is no file, not the default printer
        {"--export-contracts", "", document},
        {"--export-details", out, ""},
        {"--export-details", out, empty},  // an empty table of offers is no export either
    };
    for (const QStringList& args : cases) {
        SCOPED_TRACE(args.join(' ').toStdString());
        const ExportRun run = runExport(args);
        EXPECT_EQ(run.exitCode, 2);
        EXPECT_TRUE(run.errors.contains("zuvaduro: ")) << run.errors.toStdString();
        EXPECT_FALSE(QFile::exists(out));
    }
}

TEST_F(ExportPdfTest, refusesToWriteThePdfOverItsOwnDocument) {
    const QString document = twoOfferDocument();
    QFile before(document);
    ASSERT_TRUE(before.open(QIODevice::ReadOnly));
    const QByteArray bytes = before.readAll();
    before.close();

    const ExportRun run = runExport({"--export-contracts", document, document});
    EXPECT_EQ(run.exitCode, 2);
    QFile after(document);
    ASSERT_TRUE(after.open(QIODevice::ReadOnly));
    EXPECT_EQ(after.readAll(), bytes);
}

// A link to the document is the document. A write that fails (a full disk, a device) exits 1
// naming the file, and leaves the PDF that was there before and no stray file.
TEST_F(ExportPdfTest, neverDestroysTheDocumentOrAnEarlierPdf) {
    const QString document = twoOfferDocument();
    const QByteArray documentBytes = readAll(document);
    ASSERT_TRUE(QFile::link(document, dir.filePath("soft.pdf")));
    ASSERT_EQ(::link(QFile::encodeName(document), QFile::encodeName(dir.filePath("hard.pdf"))), 0);
    EXPECT_EQ(runExport({"--export-pdf", dir.filePath("soft.pdf"), document}).exitCode, 2);
    EXPECT_EQ(runExport({"--export-contracts", dir.filePath("hard.pdf"), document}).exitCode, 2);
    EXPECT_EQ(runExport({"--export-details", dir.filePath("hard.pdf"), document}).exitCode, 2);
    EXPECT_EQ(readAll(document), documentBytes);

    writeDocument("out.pdf", "%PDF-1.4 an earlier export");
    const ExportRun full = runExport({"--export-pdf", out, document}, 4096);
    EXPECT_EQ(full.exitCode, 1);
    EXPECT_TRUE(full.errors.contains(" accessing " + out + ".")) << full.errors.toStdString();
    EXPECT_EQ(readAll(out), "%PDF-1.4 an earlier export");
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Hidden | QDir::Files).filter("zuvaduro"),
              QStringList());
    EXPECT_EQ(runExport({"--export-pdf", "/dev/full", document}).exitCode, 1);
}

}  // namespace
