#include "shell/HelpWindow.h"

#include <QAction>
#include <QFileInfo>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>

HelpWindow::HelpWindow(const QString& root, QWidget* parent)
    : QWidget(parent, Qt::Window), m_root(root), m_browser(new QTextBrowser(this)) {
    setObjectName(QStringLiteral("help"));
    setWindowTitle(tr("Zuvaduro Help"));
    m_browser->setOpenExternalLinks(true);
    m_browser->setSearchPaths({m_root});
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_browser);
    resize(560, 480);
    // Escape closes the help, as it closes a dialog.
    auto* close = new QAction(this);
    close->setShortcut(QKeySequence(Qt::Key_Escape));
    connect(close, &QAction::triggered, this, &QWidget::close);
    addAction(close);
}

bool HelpWindow::showTopic(const QString& page) {
    const QString file = page.section(QLatin1Char('#'), 0, 0);
    const QString anchor = page.section(QLatin1Char('#'), 1);
    const QString path = m_root + QLatin1Char('/') + file;
    if (!QFileInfo::exists(path)) {
        return false;
    }
    QUrl url = path.startsWith(QLatin1Char(':')) ? QUrl(QStringLiteral("qrc") + path)
                                                 : QUrl::fromLocalFile(path);
    if (!anchor.isEmpty()) {
        url.setFragment(anchor);
    }
    m_browser->setSource(url);
    show();
    raise();
    activateWindow();
    return true;
}

QString HelpWindow::currentSource() const {
    return m_browser->source().toString();
}
