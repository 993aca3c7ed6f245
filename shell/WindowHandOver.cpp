#include "shell/WindowHandOver.h"

#include <unistd.h>

#include <QDataStream>
#include <QDir>
#include <QEventLoop>
#include <QFileInfo>
#include <QLocalServer>
#include <QLocalSocket>
#include <QLockFile>
#include <QTimer>

namespace {

// A request: the mark, the length of the path's UTF-8 bytes, the bytes. The answer is one byte.
constexpr quint32 kRequestMark = 0x5a56'4831;  // "ZVH1"
constexpr qsizetype kHeaderBytes = 8;
// A path longer than this is no path the file system takes; such a request is dropped.
constexpr quint32 kMostPathBytes = 64 * 1024;
constexpr char kTaken = 'k';
constexpr std::chrono::milliseconds kConnectWithin{2000};
constexpr std::chrono::milliseconds kLockWithin{5000};

QByteArray requestBytes(const QString& file) {
    const QByteArray path = file.toUtf8();
    QByteArray bytes;
    QDataStream out(&bytes, QIODevice::WriteOnly);
    out << kRequestMark << static_cast<quint32>(path.size());
    bytes.append(path);
    return bytes;
}

}  // namespace

WindowHandOver::WindowHandOver(QString serverName, QObject* parent)
    : QObject(parent), m_serverName(std::move(serverName)) {}

WindowHandOver::~WindowHandOver() = default;

QString WindowHandOver::userServerName() {
    const QString name = QStringLiteral("zuvaduro-%1.window").arg(::getuid());
    const QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
    if (!runtime.isEmpty() && QFileInfo(runtime).isDir()) {
        return QDir(runtime).filePath(name);
    }
    return QDir(QDir::tempPath()).filePath(name);
}

WindowHandOver::Role WindowHandOver::claim(const QString& file,
                                           std::chrono::milliseconds answerWithin) {
    // Two starts at the same moment would both find nobody listening; the lock lets one of them
    // listen first and the other hand over to it. A lock of a program that died is stale and
    // taken.
    QLockFile lock(m_serverName + QStringLiteral(".lock"));
    const bool locked = lock.tryLock(static_cast<int>(kLockWithin.count()));
    const Role handed = handTo(file, answerWithin);
    if (handed != Role::Alone) {
        return handed;
    }
    // Without the lock another start may be listening by now; taking its socket over would
    // leave it deaf, so this start goes on alone.
    if (!locked) {
        return Role::Alone;
    }
    return listen() ? Role::Receiving : Role::Alone;
}

WindowHandOver::Role WindowHandOver::handTo(const QString& file,
                                            std::chrono::milliseconds answerWithin) {
    QLocalSocket socket;
    socket.connectToServer(m_serverName);
    if (!socket.waitForConnected(static_cast<int>(kConnectWithin.count()))) {
        return Role::Alone;  // nobody listens, or only a crashed program's socket is left
    }
    socket.write(requestBytes(file));
    socket.flush();
    // The answer is awaited in an event loop, so that a receiver in this same thread (a test's)
    // can answer too.
    QEventLoop loop;
    QTimer deadline;
    deadline.setSingleShot(true);
    connect(&deadline, &QTimer::timeout, &loop, &QEventLoop::quit);
    connect(&socket, &QLocalSocket::readyRead, &loop, &QEventLoop::quit);
    connect(&socket, &QLocalSocket::disconnected, &loop, &QEventLoop::quit);
    deadline.start(answerWithin);
    while (socket.bytesAvailable() == 0 && socket.state() == QLocalSocket::ConnectedState &&
           deadline.isActive()) {
        loop.exec();
    }
    char answer = 0;
    if (socket.read(&answer, 1) == 1 && answer == kTaken) {
        socket.disconnectFromServer();
        return Role::HandedOver;
    }
    return Role::Unanswered;
}

bool WindowHandOver::listen() {
    m_server = new QLocalServer(this);
    // Only this user may connect, wherever the socket lies.
    m_server->setSocketOptions(QLocalServer::UserAccessOption);
    connect(m_server, &QLocalServer::newConnection, this, &WindowHandOver::takeConnections);
    if (m_server->listen(m_serverName)) {
        return true;
    }
    // Nobody answered on the socket above, so it is a crashed program's: it goes.
    if (m_server->serverError() == QAbstractSocket::AddressInUseError &&
        QLocalServer::removeServer(m_serverName) && m_server->listen(m_serverName)) {
        return true;
    }
    delete m_server;
    m_server = nullptr;
    return false;
}

void WindowHandOver::takeConnections() {
    while (QLocalSocket* socket = m_server->nextPendingConnection()) {
        connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
        connect(socket, &QLocalSocket::readyRead, this, [this, socket] { readRequest(socket); });
        readRequest(socket);
    }
}

void WindowHandOver::readRequest(QLocalSocket* socket) {
    if (socket->bytesAvailable() < kHeaderBytes) {
        return;
    }
    quint32 mark = 0;
    quint32 length = 0;
    QDataStream header(socket->peek(kHeaderBytes));
    header >> mark >> length;
    if (mark != kRequestMark || length > kMostPathBytes) {
        socket->abort();  // nothing this program sent
        return;
    }
    if (socket->bytesAvailable() < kHeaderBytes + static_cast<qsizetype>(length)) {
        return;
    }
    socket->skip(kHeaderBytes);
    const QString file = QString::fromUtf8(socket->read(length));
    // Answered before the request is acted on: the sender ends at once, whatever questions the
    // open asks here.
    socket->write(&kTaken, 1);
    socket->flush();
    socket->disconnectFromServer();
    emit requested(file);
}
