#pragma once

#include <QString>
#include <QWidget>

class QTextBrowser;

// A plain window over the help pages bundled with the program.
class HelpWindow : public QWidget {
    Q_OBJECT
public:
    // `root` is the folder of the pages, ":/help" in the program.
    explicit HelpWindow(const QString& root, QWidget* parent = nullptr);

    // Shows `page` (a file under the root, with an optional "#anchor") and brings the window to
    // the front. False, with nothing shown, when the page does not exist.
    bool showTopic(const QString& page);

    QString currentSource() const;

private:
    QString m_root;
    QTextBrowser* m_browser;
};
