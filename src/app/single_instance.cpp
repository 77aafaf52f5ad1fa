#include "app/single_instance.h"

#include <QCryptographicHash>
#include <QDir>
#include <QLocalServer>
#include <QLocalSocket>
#include <QWidget>

namespace quorvel {

namespace {

const QByteArray kActivate = QByteArrayLiteral("activate\n");
constexpr int kTimeoutMs = 2000;

QString userName()
{
    const QString user = qEnvironmentVariable("USER");
    return user.isEmpty() ? qEnvironmentVariable("USERNAME") : user;
}

} // namespace

TJustOne::TJustOne(const QString& homeRoot, QObject* parent) : QObject(parent), name_(serverName(homeRoot)) { }

TJustOne::~TJustOne() = default;

QString TJustOne::serverName(const QString& homeRoot)
{
    // Hashed: socket names are short on some systems and must not carry
    // the characters of a path.
    const QString key = userName() + u'\n' + QDir::cleanPath(QDir(homeRoot).absolutePath());
    const QByteArray digest = QCryptographicHash::hash(key.toUtf8(), QCryptographicHash::Sha256).toHex().left(24);
    return QStringLiteral("quorvel-") + QString::fromLatin1(digest);
}

TJustOne::TRole TJustOne::start()
{
    if (askRunningCopy())
        return TRole::Second;
    listen();
    return TRole::First;
}

bool TJustOne::isListening() const { return server_ && server_->isListening(); }

bool TJustOne::askRunningCopy()
{
    QLocalSocket socket;
    socket.connectToServer(name_);
    if (!socket.waitForConnected(kTimeoutMs))
        return false;
    socket.write(kActivate);
    const bool sent = socket.waitForBytesWritten(kTimeoutMs);
    socket.disconnectFromServer();
    return sent;
}

void TJustOne::listen()
{
    server_ = new QLocalServer(this);
    server_->setSocketOptions(QLocalServer::UserAccessOption);
    connect(server_, &QLocalServer::newConnection, this, &TJustOne::acceptConnection);
    if (server_->listen(name_))
        return;
    // Nobody answered a moment ago, so the name is left over from a copy
    // that did not end cleanly.
    QLocalServer::removeServer(name_);
    server_->listen(name_);
}

void TJustOne::acceptConnection()
{
    while (QLocalSocket* socket = server_->nextPendingConnection()) {
        connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
        connect(socket, &QLocalSocket::readyRead, this, [this, socket] { readRequest(socket); });
        if (socket->bytesAvailable() > 0)
            readRequest(socket);
    }
}

void TJustOne::readRequest(QLocalSocket* socket)
{
    // Anything else (a probe, a stray connection) is ignored.
    if (socket->readAll().contains(kActivate.trimmed()))
        emit activationRequested();
}

void bringToFront(QWidget* window)
{
    if (window->isMinimized())
        window->setWindowState((window->windowState() & ~Qt::WindowMinimized) | Qt::WindowActive);
    window->show();
    window->raise();
    window->activateWindow();
}

} // namespace quorvel
