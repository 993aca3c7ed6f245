#include <gmock/gmock.h>
#include <grp.h>
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <csignal>
#include <map>

namespace {

using ::testing::HasSubstr;
using ::testing::Not;
using ::testing::StartsWith;

struct Outcome {
    int exitCode = -1;
    QString out;
    QString err;
};

// Runs the real program with its settings in a temporary folder, never the user's.
class CommandLineTest : public ::testing::Test {
protected:
    QTemporaryDir home;
    QString locale = "C.UTF-8";
    bool noDisplay = false;    // also without the offscreen platform the tests otherwise run on
    QString workingDirectory;  // the program's current folder; empty: the test's own
    QString outputFile;        // stdout goes there instead of to the test
    rlim_t outputLimit = RLIM_INFINITY;  // how large the program may make any file
    bool asNobody = false;               // run as "nobody" where the test runs as root

    Outcome runProgram(const QStringList& args) {
        QProcess process;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("XDG_CONFIG_HOME", home.filePath("config"));
        // A window start hands its file over to a program running on this folder's socket.
        env.insert("XDG_RUNTIME_DIR", home.path());
        env.insert("LC_ALL", locale);
        env.remove("DISPLAY");
        env.remove("WAYLAND_DISPLAY");
        if (noDisplay) {
            env.remove("QT_QPA_PLATFORM");
        }
        process.setProcessEnvironment(env);
        process.setWorkingDirectory(workingDirectory);
        if (!outputFile.isEmpty()) {
            process.setStandardOutputFile(outputFile);
        }
        process.setChildProcessModifier([limit = outputLimit, nobody = asNobody] {
            const rlimit most{limit, limit};
            ::setrlimit(RLIMIT_FSIZE, &most);
            ::signal(SIGXFSZ, SIG_IGN);  // a write past the limit fails instead of killing
            if (nobody && ::geteuid() == 0) {
                constexpr gid_t kNoGroup = 65534;
                constexpr uid_t kNobody = 65534;
                if (::setgroups(0, nullptr) != 0 || ::setgid(kNoGroup) != 0 ||
                    ::setuid(kNobody) != 0) {
                    ::_exit(99);
                }
            }
        });
        process.start(ZUVADURO_EXE, args);
        EXPECT_TRUE(process.waitForFinished(30000));
        return {process.exitCode(), QString::fromUtf8(process.readAllStandardOutput()),
                QString::fromUtf8(process.readAllStandardError())};
    }

    QString path(const QString& name) const { return home.filePath(name); }

    static QStringList splitLines(const QString& text) {
        QStringList lines = text.split('\n');
        EXPECT_EQ(lines.last(), "") << "every line ends with a newline";
        lines.removeLast();
        return lines;
    }

    // The value printed for a label (first occurrence), from column 35 on.
    static QString value(const QString& listing, const QString& label) {
        for (const QString& line : splitLines(listing)) {
            if (line.startsWith(label.leftJustified(35))) {
                return line.mid(35);
            }
        }
        return "<missing>";
    }
};

// ---- rolling ------------------------------------------------------------------------------

// The README's example, whole and byte for byte: a change to any roll, table, text or the listing's
// layout shows here.
TEST_F(CommandLineTest, readmeExampleRollIsPinned) {
    const Outcome run = runProgram({"--roll", "B", "--seed", "7", "--base-pay", "100000"});
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    EXPECT_EQ(run.err, "");
    EXPECT_EQ(run.out.toStdString(), R"(Dragoon's Rating:                  B
Contract Offers:                   4

First Contract:
     Employer:                     Federated Commonwealth
     Assignment:                   Objective Raid against Clans
     Contract Length:              2 months
     Payment Mulitplier:           7.02x Pay = (702000.00 C-Bills)
     Support:
     Straight Support:             60%
     Battle-Loss Compensation:     10%
     Transport:
     DS/JS Compensation:           23%
     Commercial Compensation:      35%
     Salvage Rights:               No Rights
     Command Rights:               House Command
     Start Date:                   01 January, 3055
     End Date:                     31 December, 3055
     Location:                     Outreach

Second Contract:
     Employer:                     Outworlds Alliance
     Assignment:                   Objective Raid
     Contract Length:              2 months
     Payment Mulitplier:           4.32x Pay = (432000.00 C-Bills)
     Support:
     Straight Support:             60%
     Battle-Loss Compensation:     20%
     Transport:
     DS/JS Compensation:           32%
     Commercial Compensation:      35%
     Salvage Rights:               No Rights
     Command Rights:               Independent Command
     Start Date:                   01 January, 3055
     End Date:                     31 December, 3055
     Location:                     Outreach

Third Contract:
     Employer:                     Federated Commonwealth
     Assignment:                   Objective Raid against Clans
     Contract Length:              2 months
     Payment Mulitplier:           7.02x Pay = (702000.00 C-Bills)
     Support:
     Straight Support:             55%
     Battle-Loss Compensation:     25%
     Transport:
     DS/JS Compensation:           32%
     Commercial Compensation:      35%
     Salvage Rights:               Exchange Rights
     Command Rights:               House Command
     Start Date:                   01 January, 3055
     End Date:                     31 December, 3055
     Location:                     Outreach

Fourth Contract:
     Employer:                     Free Worlds League
     Assignment:                   Objective Raid
     Contract Length:              1 month
     Payment Mulitplier:           6.91x Pay = (691000.00 C-Bills)
     Support:
     Straight Support:             85%
     Battle-Loss Compensation:     15%
     Transport:
     DS/JS Compensation:           32%
     Commercial Compensation:      39%
     Salvage Rights:               No Rights
     Command Rights:               House Command
     Start Date:                   01 January, 3055
     End Date:                     31 December, 3055
     Location:                     Outreach
)");
}

TEST_F(CommandLineTest, aFixedSeedReproducesTheRollAndTheLineCountFollowsTheOffers) {
    const Outcome first = runProgram({"--roll", "B", "--seed", "12345"});
    const Outcome second = runProgram({"--roll", "B", "--seed", "12345"});
    ASSERT_EQ(first.exitCode, 0) << first.err.toStdString();
    EXPECT_EQ(first.out, second.out);

    const QStringList lines = splitLines(first.out);
    ASSERT_GE(lines.size(), 2);
    EXPECT_EQ(lines[0], QString("Dragoon's Rating:").leftJustified(35) + "B");
    ASSERT_THAT(lines[1].toStdString(), StartsWith("Contract Offers:"));
    const int count = lines[1].mid(35).toInt();
    EXPECT_EQ(lines.size(), count == 0 ? 2 : 19 + 17 * (count - 1));
}

TEST_F(CommandLineTest, differentSeedsGiveDifferentRolls) {
    QSet<QString> listings;
    for (int seed = 1; seed <= 5; ++seed) {
        listings.insert(runProgram({"--roll", "A", "--seed", QString::number(seed)}).out);
    }
    EXPECT_GT(listings.size(), 1);
}

TEST_F(CommandLineTest, fixedTermsApplyToTheFirstOfferOnly) {
    // Rating "A" always rolls at least one offer.
    const Outcome run = runProgram({"--roll",       "A",           "--seed",       "7",
                                    "--employer",   "Kell Hounds", "--assignment", "Retainer",
                                    "--support",    "80%",         "--transport",  "25%",
                                    "--multiplier", "3.0",         "--base-pay",   "100000",
                                    "--salvage",    "None",        "--command",    "House Command",
                                    "--length",     "9 years"});
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    EXPECT_EQ(value(run.out, "     Employer:"), "Kell Hounds");
    EXPECT_EQ(value(run.out, "     Assignment:"), "Retainer");
    EXPECT_EQ(value(run.out, "     Contract Length:"), "9 years");
    EXPECT_EQ(value(run.out, "     Payment Mulitplier:"), "3.0x Pay = (300000.00 C-Bills)");
    EXPECT_EQ(value(run.out, "     Straight Support:"), "80%");
    EXPECT_EQ(value(run.out, "     Battle-Loss Compensation:"), "80%");
    EXPECT_EQ(value(run.out, "     DS/JS Compensation:"), "25%");
    EXPECT_EQ(value(run.out, "     Commercial Compensation:"), "25%");
    EXPECT_EQ(value(run.out, "     Salvage Rights:"), "None");
    EXPECT_EQ(value(run.out, "     Command Rights:"), "House Command");
    EXPECT_EQ(value(run.out, "     Location:"), "Outreach");
}

TEST_F(CommandLineTest, basePayIsForThisRunOnlyAndDefaultsToZero) {
    const Outcome paid = runProgram({"--roll", "A", "--seed", "3", "--multiplier", "2.5",
                                     "--base-pay", "1000", "--save", path("a.did")});
    ASSERT_EQ(paid.exitCode, 0) << paid.err.toStdString();
    EXPECT_EQ(value(paid.out, "     Payment Mulitplier:"), "2.5x Pay = (2500.00 C-Bills)");
    const Outcome unpaid = runProgram({"--roll", "A", "--seed", "3", "--multiplier", "2.5"});
    EXPECT_EQ(value(unpaid.out, "     Payment Mulitplier:"), "2.5x Pay = (0.00 C-Bills)");
}

TEST_F(CommandLineTest, numbersIgnoreTheUserLocale) {
    locale = "de_DE.UTF-8";
    const Outcome run =
        runProgram({"--roll", "A", "--seed", "1", "--multiplier", "2.10", "--base-pay", "100000"});
    ASSERT_EQ(run.exitCode, 0);
    EXPECT_EQ(value(run.out, "     Payment Mulitplier:"), "2.10x Pay = (210000.00 C-Bills)");
    const Outcome comma =
        runProgram({"--roll", "A", "--seed", "1", "--multiplier", "2.10", "--base-pay", "100,000"});
    EXPECT_EQ(value(comma.out, "     Payment Mulitplier:"), "2.10x Pay = (210.00 C-Bills)");
}

TEST_F(CommandLineTest, hugeAndNonFiniteAmountsArePrintedInFull) {
    const Outcome huge =
        runProgram({"--roll", "A", "--seed", "1", "--multiplier", "2", "--base-pay", "1e300"});
    const QString field = value(huge.out, "     Payment Mulitplier:");
    EXPECT_TRUE(field.startsWith("2x Pay = (2000000000")) << field.toStdString();
    EXPECT_TRUE(field.endsWith(".00 C-Bills)"));
    EXPECT_EQ(field.size(), QString("2x Pay = (").size() + 301 + 3 + QString(" C-Bills)").size());

    const Outcome inf =
        runProgram({"--roll", "A", "--seed", "1", "--multiplier", "2", "--base-pay", "1e999"});
    EXPECT_EQ(value(inf.out, "     Payment Mulitplier:"), "2x Pay = (inf C-Bills)");
    const Outcome negInf =
        runProgram({"--roll", "A", "--seed", "1", "--multiplier", "-2", "--base-pay", "1e999"});
    EXPECT_EQ(value(negInf.out, "     Payment Mulitplier:"), "-2x Pay = (-inf C-Bills)");
}

TEST_F(CommandLineTest, jsonCarriesTheShownOffersWithTheirFieldNames) {
    const Outcome text = runProgram({"--roll", "A", "--seed", "99"});
    const Outcome json = runProgram({"--roll", "A", "--seed", "99", "--json"});
    ASSERT_EQ(json.exitCode, 0);
    QJsonParseError error;
    const QJsonObject root = QJsonDocument::fromJson(json.out.toUtf8(), &error).object();
    ASSERT_EQ(error.error, QJsonParseError::NoError) << json.out.toStdString();
    EXPECT_EQ(root["rating"].toString(), "A");
    const int count = root["offerCount"].toInt();
    EXPECT_EQ(QString::number(count), value(text.out, "Contract Offers:"));
    const QJsonArray offers = root["offers"].toArray();
    ASSERT_EQ(offers.size(), std::min(count, 4));
    ASSERT_FALSE(offers.isEmpty());
    EXPECT_EQ(offers[0].toObject().keys().size(), 13 + 2);  // the fields, "explain" and "pay"
    EXPECT_EQ(offers[0].toObject()["employer"].toString(), value(text.out, "     Employer:"));
    EXPECT_EQ(offers[0].toObject()["location"].toString(), "Outreach");
    // Keys come in file order, not sorted.
    EXPECT_LT(json.out.indexOf("\"employer\""), json.out.indexOf("\"assignment\""));
    EXPECT_LT(json.out.indexOf("\"startDate\""), json.out.indexOf("\"endDate\""));
}

// A roll's JSON carries every die in the order rolled and each offer's explanations and pay;
// --explain writes the explanations under their lines and leaves every other line as it was; a
// listed file has no dice to tell of.
TEST_F(CommandLineTest, rollTellsItsDiceAsJsonAndUnderTheListingLines) {
    const QStringList roll = {"--roll", "B", "--seed", "7", "--base-pay", "100000"};
    const QJsonObject root =
        QJsonDocument::fromJson(runProgram(roll + QStringList{"--json"}).out.toUtf8()).object();
    const QJsonArray dice = root["dice"].toArray();
    ASSERT_GT(dice.size(), 40);
    EXPECT_EQ(dice[0].toObject(),
              QJsonObject({{"offer", 0}, {"term", "count"}, {"sides", 6}, {"value", 5}}));
    EXPECT_EQ(dice[2].toObject(),
              QJsonObject({{"offer", 1}, {"term", "employer"}, {"sides", 6}, {"value", 4}}));
    // A die names its term as the offers and their explanations name the field.
    const QJsonObject firstOffer = root["offers"].toArray()[0].toObject();
    const QJsonObject firstExplained = firstOffer["explain"].toObject();
    int offer = 0;
    for (const QJsonValue& value : dice) {
        const QJsonObject die = value.toObject();
        EXPECT_EQ(die.keys(), QStringList({"offer", "sides", "term", "value"}));
        const QString term = die["term"].toString();
        EXPECT_TRUE(term == "count" || (firstOffer.contains(term) && firstExplained.contains(term)))
            << term.toStdString();
        EXPECT_GE(die["offer"].toInt(), offer) << "in the order rolled";
        offer = die["offer"].toInt();
        EXPECT_LE(die["value"].toInt(), die["sides"].toInt());
    }
    EXPECT_EQ(offer, 4);
    EXPECT_EQ(root["explain"].toObject()["offerCount"].toString(),
              "dice 5+6 = 11, +3 rating B = 14, row 13 or more: 4 offers");
    const QJsonObject first = root["offers"].toArray()[0].toObject();
    EXPECT_EQ(first["explain"].toObject().keys().size(), 10);
    EXPECT_EQ(first["explain"].toObject()["employer"].toString(),
              "main table, dice 4+5 = 9, row 7-9: Federated Commonwealth");
    EXPECT_EQ(first["pay"].toObject(), QJsonObject({{"monthly", 702000},
                                                    {"months", 2},
                                                    {"total", 1404000},
                                                    {"straightSupport", "60%"},
                                                    {"battleLossCompensation", "10%"},
                                                    {"dsjsCompensation", "23%"},
                                                    {"commercialCompensation", "35%"}}));

    const QString plain = runProgram(roll).out;
    const QStringList explained = splitLines(runProgram(roll + QStringList{"--explain"}).out);
    const QStringList notes = explained.filter(QRegularExpression("^        \\S"));
    EXPECT_EQ(notes.size(), 1 + 4 * 10);
    EXPECT_EQ(explained.at(explained.indexOf(QRegularExpression("^     Employer:.*")) + 1),
              "        main table, dice 4+5 = 9, row 7-9: Federated Commonwealth");
    QStringList withoutNotes = explained;
    withoutNotes.removeIf([](const QString& line) { return line.startsWith("        "); });
    EXPECT_EQ(withoutNotes.join('\n') + '\n', plain);

    ASSERT_EQ(runProgram(roll + QStringList{"--save", path("b.did")}).exitCode, 0);
    const QJsonObject listed =
        QJsonDocument::fromJson(runProgram({"--listing", path("b.did"), "--json"}).out.toUtf8())
            .object();
    EXPECT_EQ(listed["dice"].toArray(), QJsonArray());
    EXPECT_EQ(listed["offers"].toArray()[3].toObject()["explain"].toObject()["commandRights"],
              "rolled before this file was saved");
}

// A crafted document cannot drive the terminal it is listed on; a pipe still gets its bytes.
TEST_F(CommandLineTest, aTerminalSeesControlCharactersSpelledOut) {
    QFile file(path("hostile.did"));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(QByteArray("\0043025\000\000\005B\033[2J", 13));
    file.close();
    EXPECT_TRUE(runProgram({"--listing", file.fileName()}).out.contains("B\x1b[2J\n"));

    QProcess tty;  // script(1) gives the program a pseudo-terminal as its output
    tty.start("script", {"-qec",
                         "XDG_CONFIG_HOME='" + path("config") + "' '" + ZUVADURO_EXE +
                             "' --listing '" + file.fileName() + "'",
                         "/dev/null"});
    tty.closeWriteChannel();
    ASSERT_TRUE(tty.waitForFinished(30000));
    const QByteArray shown = tty.readAllStandardOutput();
    EXPECT_TRUE(shown.contains("B\\x1b[2J\r\n")) << shown.toStdString();
    EXPECT_FALSE(shown.contains('\x1b'));
}

// ---- odds ---------------------------------------------------------------------------------

// The JSON and the CSV of one run carry the same counts, and those add up: every sample has one
// offer count, every offer one value per term.
TEST_F(CommandLineTest, oddsJsonAndCsvCarryTheSameCountsThatAddUp) {
    const QStringList args = {
        "--odds",    "C", "--rolls",    "3000",           "--seed", "18446744073709551615",
        "--threads", "2", "--employer", "Smith, \"Jr\"\t"};
    const Outcome json = runProgram(args + QStringList{"--json"});
    ASSERT_EQ(json.exitCode, 0) << json.err.toStdString();
    EXPECT_EQ(json.err, "");
    EXPECT_TRUE(json.out.contains("\"seed\": 18446744073709551615,"));
    QJsonParseError error;
    const QJsonObject root = QJsonDocument::fromJson(json.out.toUtf8(), &error).object();
    ASSERT_EQ(error.error, QJsonParseError::NoError) << json.out.toStdString();
    EXPECT_EQ(root.keys(), QStringList({"choices", "meanMultiplier", "offerCount", "offers",
                                        "rating", "samples", "seed", "terms"}));
    EXPECT_EQ(root["rating"].toString(), "C");
    EXPECT_EQ(root["choices"].toObject()["employer"].toString(), "Smith, \"Jr\"\t");
    EXPECT_EQ(root["samples"].toInt(), 3000);
    const QJsonObject offerCount = root["offerCount"].toObject();
    EXPECT_EQ(offerCount.keys(), QStringList({"0", "1", "2", "3", "4"}));
    int samples = 0;
    int offers = 0;
    std::map<std::pair<QString, QString>, int> counts;
    for (const QString& n : offerCount.keys()) {
        samples += offerCount[n].toInt();
        offers += n.toInt() * offerCount[n].toInt();
        counts[{"offerCount", n}] = offerCount[n].toInt();
    }
    EXPECT_EQ(samples, 3000);
    EXPECT_EQ(root["offers"].toInt(), offers);
    EXPECT_GT(root["meanMultiplier"].toDouble(), 1.0);
    const QJsonObject terms = root["terms"].toObject();
    EXPECT_EQ(terms.size(), 10);
    for (const QString& term : terms.keys()) {
        int sum = 0;
        const QJsonObject values = terms[term].toObject();
        for (const QString& value : values.keys()) {
            sum += values[value].toInt();
            counts[{term, value}] = values[value].toInt();
        }
        EXPECT_EQ(sum, offers) << term.toStdString();
    }
    EXPECT_GT(terms["employer"].toObject()["Smith, \"Jr\"\t"].toInt(), 0);
    // Keys in the listing's order, values most common first.
    EXPECT_LT(json.out.indexOf("\"employer\": {\"Smith"),
              json.out.indexOf("\"assignment\"", json.out.indexOf("\"terms\"")));

    const Outcome csv = runProgram(args + QStringList{"--csv"});
    ASSERT_EQ(csv.exitCode, 0) << csv.err.toStdString();
    QStringList lines = splitLines(csv.out);
    ASSERT_GT(lines.size(), 5);
    // What repeats the run comes first, as comments; a control character is spelled out there.
    EXPECT_EQ(
        lines.mid(0, 5),
        QStringList({"# Rating: C", "# Samples: 3000", "# Seed: 18446744073709551615",
                     "# Choices: Employer \"Smith, \"Jr\"\\x09\"", "term,value,count,percentage"}));
    lines.remove(0, 5);
    std::map<std::pair<QString, QString>, int> csvCounts;
    const QRegularExpression row(R"(^(\w+),("(?:[^"]|"")*"|[^",]*),(\d+),(\d+\.\d{4})$)");
    for (const QString& line : lines) {
        const QRegularExpressionMatch match = row.match(line);
        ASSERT_TRUE(match.hasMatch()) << line.toStdString();
        QString value = match.captured(2);
        if (value.startsWith('"')) {
            value = value.mid(1, value.size() - 2).replace("\"\"", "\"");
        }
        csvCounts[{match.captured(1), value}] = match.captured(3).toInt();
    }
    EXPECT_EQ(csvCounts, counts);
}

// A run without a seed says in every format which one it took, with the rating, the rolls and
// the choices, and that seed repeats it.
TEST_F(CommandLineTest, oddsPrintTheirSeedSoTheRunCanBeRepeated) {
    const struct {
        QString format;
        QString seed;     // finds the seed the run took
        QString carries;  // the rest of what repeats it
    } formats[] = {
        {"", R"(^Seed: +(\d+)$)",
         R"(^Rating: +B\nSamples: +2000\nSeed: +\d+\nChoices: +Salvage Rights "Full Rights"\n)"},
        {"--json", R"("seed": (\d+),)",
         R"(^\{"rating": "B", "samples": 2000, "seed": \d+, "choices": \{.*"salvageRights": )"
         R"("Full Rights", )"},
        {"--csv", R"(^# Seed: (\d+)$)",
         R"(^# Rating: B\n# Samples: 2000\n# Seed: \d+\n# Choices: Salvage Rights "Full Rights"\n)"
         R"(term,value,count,percentage\n)"},
    };
    for (const auto& format : formats) {
        QStringList args = {"--odds", "B", "--rolls", "2000", "--salvage", "Full Rights"};
        if (!format.format.isEmpty()) {
            args << format.format;
        }
        const Outcome first = runProgram(args);
        ASSERT_EQ(first.exitCode, 0) << first.err.toStdString();
        EXPECT_EQ(first.err, "");
        const QRegularExpressionMatch seed =
            QRegularExpression(format.seed, QRegularExpression::MultilineOption).match(first.out);
        ASSERT_TRUE(seed.hasMatch()) << first.out.toStdString();
        EXPECT_TRUE(QRegularExpression(format.carries).match(first.out).hasMatch())
            << first.out.toStdString();
        const Outcome again =
            runProgram(args + QStringList{"--seed", seed.captured(1), "--threads", "1"});
        EXPECT_EQ(again.out, first.out) << format.format.toStdString();
    }
}

// ---- files --------------------------------------------------------------------------------

TEST_F(CommandLineTest, aSavedRollListsExactlyAsItWasRolled) {
    const QString file = path("offers.did");
    const Outcome rolled = runProgram({"--roll", "C", "--seed", "2024", "--save", file});
    ASSERT_EQ(rolled.exitCode, 0) << rolled.err.toStdString();
    const Outcome listed = runProgram({"--listing", file});
    ASSERT_EQ(listed.exitCode, 0) << listed.err.toStdString();
    EXPECT_EQ(listed.out, rolled.out);

    QFile saved(file);
    ASSERT_TRUE(saved.open(QIODevice::ReadOnly));
    // No "Year" setting yet: the year "3055" leads the file.
    EXPECT_EQ(saved.read(5), QByteArray("\x04"
                                        "3055"));
}

TEST_F(CommandLineTest, listingAFileTakesItsYearIntoTheSettings) {
    QFile file(path("old.did"));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(
        QByteArray("\x04"
                   "3025"
                   "\x00\x00"
                   "\x01"
                   "A",
                   9));
    file.close();
    ASSERT_EQ(runProgram({"--listing", file.fileName()}).exitCode, 0);

    ASSERT_EQ(runProgram({"--roll", "D", "--seed", "1", "--save", path("new.did")}).exitCode, 0);
    QFile saved(path("new.did"));
    ASSERT_TRUE(saved.open(QIODevice::ReadOnly));
    EXPECT_EQ(saved.read(5), QByteArray("\x04"
                                        "3025"));
}

// Opening writes the file's year; over a settings file QSettings could not read cleanly, that
// write left nothing but the year. Now the file stays as it was, and stderr says so once.
TEST_F(CommandLineTest, aDamagedSettingsFileIsKeptAndNamedOnce) {
    ASSERT_EQ(runProgram({"--roll", "B", "--seed", "1", "--save", path("a.did")}).exitCode, 0);
    const QString conf = home.filePath("config/Rezurudo/Zuvaduro.conf");
    const QByteArray damaged = "\"\n[Settings]\nUnit%20Name=Gray Death\nPay=5000\n";
    ASSERT_TRUE(QDir().mkpath(QFileInfo(conf).path()));
    QFile file(conf);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(damaged);
    file.close();

    const Outcome listed = runProgram({"--listing", path("a.did")});
    EXPECT_EQ(listed.exitCode, 0);
    EXPECT_EQ(listed.err.count(conf), 1) << listed.err.toStdString();
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), damaged);
}

TEST_F(CommandLineTest, anEmptyFileListsTheFreshDocument) {
    QFile file(path("empty.did"));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.close();
    const Outcome listed = runProgram({"--listing", file.fileName()});
    ASSERT_EQ(listed.exitCode, 0);
    EXPECT_EQ(listed.out, QString("Dragoon's Rating:").leftJustified(35) + "D\n" +
                              QString("Contract Offers:").leftJustified(35) + "0\n");
}

TEST_F(CommandLineTest, unreadableDocumentsFailWithTheirMessage) {
    const QString missing = path("missing.did");
    const Outcome notFound = runProgram({"--listing", missing});
    EXPECT_EQ(notFound.exitCode, 1);
    EXPECT_EQ(notFound.err.trimmed(), missing + " was not found.");
    EXPECT_TRUE(notFound.out.isEmpty());

    QFile cut(path("cut.did"));
    ASSERT_TRUE(cut.open(QIODevice::WriteOnly));
    cut.write(
        "\x04"
        "3055\x01");
    cut.close();
    const Outcome broken = runProgram({"--listing", cut.fileName()});
    EXPECT_EQ(broken.exitCode, 1);
    EXPECT_EQ(broken.err.trimmed(), "Unexpected file format.");
}

TEST_F(CommandLineTest, aFailedSaveExitsWithOneAndNamesThePath) {
    const QString target = path("no-such-folder/offers.did");
    const Outcome run = runProgram({"--roll", "A", "--seed", "1", "--save", target});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_THAT(run.err.toStdString(), HasSubstr(target.toStdString()));
    EXPECT_FALSE(QFile::exists(target));
}

// With `lnk` leading to other/deep, "lnk/.." is other, as the kernel reads it. Paths used to be
// cleaned by text first, which took "lnk/.." away: saves, listings and exports used the folder the
// link is in. A ".." after a folder that is not there finds nothing.
TEST_F(CommandLineTest, dotDotAfterALinkIsTheParentOfWhereTheLinkLeads) {
    ASSERT_TRUE(QDir(home.path()).mkpath("work") && QDir(home.path()).mkpath("other/deep"));
    ASSERT_TRUE(QFile::link("../other/deep", path("work/lnk")));
    ASSERT_EQ(runProgram({"--roll", "A", "--save", path("other/doc.did")}).exitCode, 0);
    ASSERT_EQ(runProgram({"--roll", "D", "--save", path("work/doc.did")}).exitCode, 0);
    const auto bytes = [this](const char* name) {
        QFile file(path(name));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<none>");
    };
    workingDirectory = path("work");
    const struct {
        const char* changed;  // made or replaced
        const char* kept;     // as it was (or still missing)
        int exitCode;
        const char* rating;  // the listed document's
        QStringList args;
    } rows[] = {
        // clang-format off
        {"other/none",    "work/doc.did", 0, "A", {"--listing", "lnk/../doc.did"}},
        {"other/none",    "work/doc.did", 1, "",  {"--listing", "missing/../doc.did"}},
        {"other/doc.did", "work/doc.did", 0, "C", {"--roll", "C", "--save", "lnk/../doc.did"}},
        {"other/x.pdf",   "work/x.pdf",   0, "",  {"--export-pdf", "./lnk/../x.pdf", "doc.did"}},
        // clang-format on
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.args.join(' ').toStdString());
        const QByteArray changedBefore = bytes(row.changed);
        const QByteArray keptBefore = bytes(row.kept);
        const Outcome run = runProgram(row.args);
        EXPECT_EQ(run.exitCode, row.exitCode) << run.err.toStdString();
        EXPECT_EQ(run.out.isEmpty() ? "" : value(run.out, "Dragoon's Rating:"), row.rating);
        EXPECT_EQ(bytes(row.changed) != changedBefore, row.args[0] != "--listing");
        EXPECT_EQ(bytes(row.kept), keptBefore);
    }
}

// ---- usage --------------------------------------------------------------------------------

TEST_F(CommandLineTest, usageErrorsExitWithTwo) {
    const QList<QStringList> bad = {
        {"--roll"},
        {"--roll", "A", "--seed"},
        {"--roll", "A", "--seed", "-1"},
        {"--roll", "A", "--seed", "4294967296"},
        {"--roll", "A", "--seed", "12x"},
        {"--roll", "A", "--colour", "red"},
        {"--odds"},
        {"--odds", "A", "--rolls", "0"},
        {"--odds", "A", "--rolls", "1000000001"},
        {"--odds", "A", "--seed", "18446744073709551616"},
        {"--odds", "A", "--seed", "-1"},
        {"--odds", "A", "--threads", "0"},
        {"--odds", "A", "--threads", "100000"},
        {"--odds", "A", "--json", "--csv"},
        {"--odds", "A", "--compare"},
        {"--rules-check"},
        {"--rules-dump", "extra"},
        {"--listing"},
        {"--listing", "a.did", "b.did"},
        {"--listing", ""},
        {"--roll", "A", "--save", ""},
        {"--frobnicate"},
    };
    for (const QStringList& args : bad) {
        const Outcome run = runProgram(args);
        EXPECT_EQ(run.exitCode, 2) << args.join(' ').toStdString();
        EXPECT_THAT(run.err.toStdString(), HasSubstr("Usage:")) << args.join(' ').toStdString();
    }
    // An option the mode does not take is unknown even last; one it takes wants its value.
    const QList<std::pair<QStringList, std::string>> named = {
        {{"--odds", "A", "--explain"}, "zuvaduro: unknown option '--explain'\n"},
        {{"--roll", "A", "--csv"}, "zuvaduro: unknown option '--csv'\n"},
        {{"--odds", "A", "--employer"}, "zuvaduro: --employer needs a value\n"},
        {{"--roll", "A", "--base-pay"}, "zuvaduro: --base-pay needs a value\n"},
    };
    for (const auto& [args, message] : named) {
        EXPECT_THAT(runProgram(args).err.toStdString(), StartsWith(message))
            << args.join(' ').toStdString();
    }
}

// "zuvaduro -foo" once looked for a file named "-foo" in the current folder.
TEST_F(CommandLineTest, anUnknownDashSwitchShowsTheUsageAndExitsWithTwo) {
    const Outcome run = runProgram({"a.did", "-foo"});
    EXPECT_EQ(run.exitCode, 2);
    const std::string err = run.err.toStdString();
    EXPECT_THAT(err, StartsWith("zuvaduro: unknown switch '-foo'\nUsage:"));
    EXPECT_THAT(err, HasSubstr("--roll RATING"));
    EXPECT_THAT(err, HasSubstr("zuvaduro /pt FILE PRINTER DRIVER PORT"));
    EXPECT_EQ(run.out, "");
    // The user's words are echoed with their escapes spelled out, in both command lines.
    EXPECT_THAT(runProgram({"-\x1b[2J"}).err.toStdString(),
                StartsWith("zuvaduro: unknown switch '-\\x1b[2J'\n"));
    EXPECT_THAT(runProgram({"--roll", "A", "--\x1b[2J"}).err.toStdString(),
                StartsWith("zuvaduro: unknown option '--\\x1b[2J'\n"));
    // A "/word" is still a path: without a display it gets the no-display message instead.
    noDisplay = true;
    const Outcome path = runProgram({"/no/such/file.did"});
    EXPECT_EQ(path.exitCode, 2);
    EXPECT_THAT(path.err.toStdString(), Not(HasSubstr("unknown switch")));
    EXPECT_THAT(path.err.toStdString(), HasSubstr("no display"));
}

// A launcher's print action may come without a file: that is said, not an empty path's fault.
TEST_F(CommandLineTest, printWithoutAFileSaysThatNoFileWasNamed) {
    noDisplay = true;
    const Outcome run = runProgram({"/p"});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_THAT(run.err.toStdString(), HasSubstr("No file was named, so nothing was printed."));
}

TEST_F(CommandLineTest, largestSeedIsAccepted) {
    EXPECT_EQ(runProgram({"--roll", "A", "--seed", "4294967295"}).exitCode, 0);
}

TEST_F(CommandLineTest, helpAndVersionNeedNoDisplay) {
    const Outcome help = runProgram({"--help"});
    EXPECT_EQ(help.exitCode, 0);
    EXPECT_THAT(help.out.toStdString(), HasSubstr("--roll RATING"));
    // The window's switches, one line each.
    for (const char* line :
         {"  zuvaduro [FILE]  ", "  zuvaduro /p FILE  ",
          "  zuvaduro /pt FILE PRINTER DRIVER PORT  ", "  zuvaduro /Unregister  ",
          "  zuvaduro /Embedding [FILE]  ", "  zuvaduro /dde  "}) {
        EXPECT_THAT(help.out.toStdString(), HasSubstr(line));
    }
    const Outcome version = runProgram({"--version"});
    EXPECT_EQ(version.exitCode, 0);
    EXPECT_THAT(version.out.toStdString(), StartsWith("zuvaduro "));
}

// ---- output that cannot be written ----------------------------------------------------------

// Every mode exited 0 with its output lost on a full disk, and a listing cut short by a file that
// may grow no more was a success as well.
TEST_F(CommandLineTest, everyModeFailsWhenItsOutputCannotBeWritten) {
    ASSERT_EQ(runProgram({"--roll", "B", "--seed", "1", "--save", path("a.did")}).exitCode, 0);
    const QStringList odds = {"--odds", "B", "--rolls", "20", "--seed", "1", "--threads", "1"};
    const QStringList modes[] = {
        {"--roll", "B", "--seed", "1"},
        {"--roll", "B", "--seed", "1", "--json"},
        {"--roll", "B", "--seed", "1", "--explain"},
        odds,
        odds + QStringList{"--json"},
        odds + QStringList{"--csv"},
        {"--listing", path("a.did")},
        {"--listing", path("a.did"), "--json"},
        {"--help"},
        {"--version"},
    };
    outputFile = "/dev/full";
    for (const QStringList& args : modes) {
        const Outcome run = runProgram(args);
        EXPECT_EQ(run.exitCode, 1) << args.join(' ').toStdString();
        EXPECT_EQ(run.err, "zuvaduro: Disk full while accessing standard output.\n")
            << args.join(' ').toStdString();
    }
    outputFile = path("cut.txt");
    outputLimit = 100;
    const Outcome cut = runProgram({"--listing", path("a.did")});
    EXPECT_EQ(cut.exitCode, 1);
    EXPECT_THAT(cut.err.toStdString(), HasSubstr("standard output"));
    EXPECT_EQ(QFileInfo(outputFile).size(), 100);
}

// With the settings in a folder the user may not change, /Unregister said the file was deleted
// and exited 0, and the file was still there.
TEST_F(CommandLineTest, unregisterThatRemovesNothingSaysSoAndExitsWithOne) {
    const QString folder = home.filePath("config/Rezurudo");
    ASSERT_TRUE(QDir().mkpath(folder));
    const QByteArray settings = "[Settings]\nYear=3040\n";
    QFile file(folder + "/Zuvaduro.conf");
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(settings);
    file.close();
    for (const QString& open : {home.path(), home.filePath("config")}) {
        ::chmod(QFile::encodeName(open).constData(), 0755);
    }
    ::chmod(QFile::encodeName(folder).constData(), 0555);
    asNobody = true;
    const Outcome run = runProgram({"/Unregister"});
    ::chmod(QFile::encodeName(folder).constData(), 0755);

    EXPECT_EQ(run.exitCode, 1);
    EXPECT_THAT(run.err.toStdString(), HasSubstr("The settings were not removed"));
    EXPECT_THAT(run.err.toStdString(), Not(HasSubstr("have been removed")));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), settings);
}

// ---- house rules ----

TEST_F(CommandLineTest, houseRulesAreCheckedRolledAndComparedOrRefusedWhole) {
    const QString dump = path("dump.toml");
    ASSERT_EQ(runProgram({"--rules-dump"}).exitCode, 0);
    outputFile = dump;
    ASSERT_EQ(runProgram({"--rules-dump"}).exitCode, 0);
    outputFile.clear();
    const Outcome sound = runProgram({"--rules-check", dump});
    EXPECT_EQ(sound.exitCode, 0);
    EXPECT_EQ(sound.out, dump + ": the rules are sound\n");
    // The dump unchanged rolls exactly as the built-in tables, explanations included.
    const QStringList roll = {"--roll", "A", "--seed", "99", "--explain", "--json"};
    EXPECT_EQ(runProgram(roll + QStringList{"--rules", dump}).out, runProgram(roll).out);

    QFile file(dump);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    QByteArray text = file.readAll();
    file.close();
    text.replace("{ low = 8, high = 11, value = \"Exchange Rights\" }",
                 "{ low = 8, high = 10, value = \"Exchange Rights\" }");
    const QString broken = path("broken.toml");
    QFile out(broken);
    ASSERT_TRUE(out.open(QIODevice::WriteOnly));
    out.write(text);
    out.close();
    // Reported at the row after the shortened one.
    const int line =
        static_cast<int>(text.left(text.indexOf("high = 10, value = \"Exchange")).count('\n')) + 2;
    const QString problem = broken + QString(":%1:5: total 11 is not covered\n").arg(line);
    const Outcome check = runProgram({"--rules-check", broken});
    EXPECT_EQ(check.exitCode, 1);
    EXPECT_EQ(check.out.toStdString(), problem.toStdString());
    for (const QString mode : {"--roll", "--odds"}) {
        const Outcome refused = runProgram({mode, "B", "--rules", broken});
        EXPECT_EQ(refused.exitCode, 2) << mode.toStdString();
        EXPECT_EQ(refused.err.toStdString(), problem.toStdString()) << mode.toStdString();
        EXPECT_EQ(refused.out, "") << mode.toStdString();
    }
    ASSERT_TRUE(out.open(QIODevice::ReadOnly));
    EXPECT_EQ(out.readAll(), text);  // refusing a file never changes it
    out.close();

    // The salvage row of 11 moved to Full Rights: only those two values change share.
    text.replace("{ low = 12, high = \"or more\", value = \"Full Rights\" }",
                 "{ low = 11, high = \"or more\", value = \"Full Rights\" }");
    ASSERT_TRUE(out.open(QIODevice::WriteOnly | QIODevice::Truncate));
    out.write(text);
    out.close();
    const Outcome compared = runProgram(
        {"--odds", "B", "--rolls", "5000", "--seed", "3", "--rules", broken, "--compare", "--csv"});
    EXPECT_EQ(compared.exitCode, 0);
    const QStringList lines = splitLines(compared.out);
    EXPECT_TRUE(lines.contains("# Rules: house rules 'My house rules'"));
    for (const QString& row : lines.filter(QRegularExpression("^[a-zA-Z]+,")).mid(1)) {
        const bool salvage = row.startsWith("salvageRights,") && !row.contains("No Rights");
        EXPECT_EQ(row.endsWith(",0.0000"), !salvage) << row.toStdString();
    }
}

}  // namespace
