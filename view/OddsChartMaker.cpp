#include "view/OddsChartMaker.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLibrary>

std::unique_ptr<OddsChartMaker> loadOddsChartsFrom(const QString& path) {
    // Never unloaded: the makers and the widgets they make run the module's code.
    QLibrary module(path);
    const auto entry = reinterpret_cast<OddsChartsEntry>(module.resolve(kOddsChartsEntry));
    return std::unique_ptr<OddsChartMaker>(entry != nullptr ? entry() : nullptr);
}

std::unique_ptr<OddsChartMaker> loadOddsCharts() {
    const QDir programFolder(QCoreApplication::applicationDirPath());
    for (const QString& folder :
         {programFolder.path(), programFolder.filePath(QStringLiteral(ZUVADURO_MODULE_FOLDER))}) {
        const QString path = QDir(folder).filePath(QStringLiteral(ZUVADURO_CHARTS_MODULE));
        if (QFileInfo::exists(path)) {
            if (std::unique_ptr<OddsChartMaker> maker = loadOddsChartsFrom(path)) {
                return maker;
            }
        }
    }
    return nullptr;
}
