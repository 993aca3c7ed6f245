#pragma once

#include <QObject>
#include <QString>
#include <functional>

class QWidget;

// Opens the local files dropped on a window, one after the other so that the last one stays
// open; a cancel stops the rest. Nothing is taken while a file is being read.
class FileDrops : public QObject {
public:
    // `open` opens one file and answers false when the user cancelled; `busy` is true while a
    // file is read.
    FileDrops(QWidget& target, std::function<bool()> busy,
              std::function<bool(const QString& path)> open);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void dropFiles(const QStringList& paths);

    QWidget& m_target;
    std::function<bool()> m_busy;
    std::function<bool(const QString&)> m_open;
};
