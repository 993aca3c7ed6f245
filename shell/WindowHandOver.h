#pragma once

#include <QByteArray>
#include <QObject>
#include <QString>
#include <chrono>

class QLocalServer;
class QLocalSocket;

// One window takes every file: the first start of the window listens on a local socket of the
// user's own, and every later start hands its file (or, without a file, the wish to be seen) to
// it and ends. A socket left behind by a program that crashed answers nobody and is taken over.
class WindowHandOver : public QObject {
    Q_OBJECT
public:
    // `serverName` is the socket's path (see userServerName()).
    explicit WindowHandOver(QString serverName, QObject* parent = nullptr);
    ~WindowHandOver() override;

    // The socket of this user: in $XDG_RUNTIME_DIR, else in the temporary folder, named with the
    // user's id either way.
    static QString userServerName();

    enum class Role {
        HandedOver,  // a running program took the request: this start ends
        Receiving,   // this program is the one that takes later starts' requests
        Alone,       // neither (no socket could be made): this start goes on by itself
        Unanswered,  // a running program took the connection but never confirmed the request
    };
    // Hands `file` (an absolute path; empty: only raise the window) to a running program, or
    // else becomes the program that receives. Two starts at once settle it under a lock file.
    Role claim(const QString& file,
               std::chrono::milliseconds answerWithin = std::chrono::seconds(10));

    QString serverName() const { return m_serverName; }

signals:
    // A later start asked for `file` to be opened (empty: only to be shown).
    void requested(const QString& file);

private:
    Role handTo(const QString& file, std::chrono::milliseconds answerWithin);
    bool listen();
    void takeConnections();
    void readRequest(QLocalSocket* socket);

    QString m_serverName;
    QLocalServer* m_server = nullptr;
};
