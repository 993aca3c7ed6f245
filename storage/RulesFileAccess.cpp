#include "storage/RulesFileAccess.h"

#include <QFile>
#include <QFileInfo>
#include <QObject>
#include <variant>
#include <vector>

#include "rules/RulesFile.h"
#include "storage/AtomicReplace.h"
#include "storage/FileError.h"

namespace {

QString refusal(const QString& path, const QString& why) {
    return QObject::tr("The rules file %1 cannot be used:\n%2").arg(path, why);
}

}  // namespace

RulesLoad loadRulesBytes(const QString& path, const std::string& bytes) {
    RulesReadResult read = readRules(bytes);
    if (auto* rules = std::get_if<RuleSet>(&read)) {
        return {std::make_shared<const RuleSet>(std::move(*rules)), {}};
    }
    const auto& problems = std::get<std::vector<RulesProblem>>(read);
    const std::string file = path.toStdString();
    QStringList lines;
    for (std::size_t i = 0; i < problems.size() && i < kRulesProblemsShown; ++i) {
        lines << QString::fromStdString(describeProblem(file, problems[i]));
    }
    if (problems.size() > kRulesProblemsShown) {
        lines << QObject::tr("and %1 more.").arg(problems.size() - kRulesProblemsShown);
    }
    return {nullptr, refusal(path, lines.join(QLatin1Char('\n')))};
}

std::string readRulesText(const QString& path, QString& problem) {
    problem.clear();
    const QFileInfo info(path);
    if (!info.exists()) {
        problem = refusal(path, QObject::tr("the file is not there."));
        return {};
    }
    // A pipe or a device would be read without end, a folder not at all.
    if (!info.isFile()) {
        problem = refusal(path, QObject::tr("it is not a file."));
        return {};
    }
    if (static_cast<std::size_t>(info.size()) > kMostRulesFileBytes) {
        problem = refusal(path, QObject::tr("it is larger than %1 bytes.")
                                    .arg(static_cast<qulonglong>(kMostRulesFileBytes)));
        return {};
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        problem = refusal(path, file.errorString());
        return {};
    }
    // Read one byte past the limit: a file that grew since it was measured is still caught.
    const QByteArray bytes = file.read(static_cast<qint64>(kMostRulesFileBytes) + 1);
    if (file.error() != QFileDevice::NoError) {
        problem = refusal(path, file.errorString());
        return {};
    }
    return bytes.toStdString();
}

RulesLoad loadRulesFile(const QString& path) {
    QString problem;
    const std::string text = readRulesText(path, problem);
    if (!problem.isEmpty()) {
        return {nullptr, problem};
    }
    return loadRulesBytes(path, text);
}

QString saveRulesFile(const QString& path, const std::string& text) {
    const int error = replaceFileAtomically(path, text.data(), text.size());
    return error == 0 ? QString() : fileErrorMessageFor(error, path);
}
