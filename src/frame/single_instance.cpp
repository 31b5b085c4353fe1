#include "frame/single_instance.h"

#include <QLocalServer>
#include <QLocalSocket>

namespace lorvex {
namespace {

constexpr int kConnectMs = 500;
constexpr int kAnswerMs = 3000;
// The running instance's answer once it has taken the name.
constexpr char kAnswer = '0';

}  // namespace

SingleInstance::SingleInstance(QObject* parent) : QObject(parent), server_(new QLocalServer(this)) {
    connect(server_, &QLocalServer::newConnection, this, &SingleInstance::takeConnection);
}

QString SingleInstance::serverName() {
    const QString chosen = qEnvironmentVariable("LORVEX_INSTANCE_NAME");
    if (!chosen.isEmpty()) return chosen;
    QString user = qEnvironmentVariable("USER");
    if (user.isEmpty()) user = qEnvironmentVariable("USERNAME");
    return QStringLiteral("lorvex-") + user;
}

bool SingleInstance::handOver(const QString& fileName) {
    QLocalSocket socket;
    socket.connectToServer(serverName());
    if (!socket.waitForConnected(kConnectMs)) return false;
    socket.write(fileName.toUtf8() + '\n');
    if (!socket.waitForBytesWritten(kAnswerMs)) return false;
    if (!socket.waitForReadyRead(kAnswerMs)) return false;
    return socket.read(1) == QByteArray(1, kAnswer);
}

bool SingleInstance::listen() {
    // A socket left behind by an instance that crashed would block the name.
    QLocalServer::removeServer(serverName());
    server_->setSocketOptions(QLocalServer::UserAccessOption);
    return server_->listen(serverName());
}

void SingleInstance::takeConnection() {
    QLocalSocket* socket = server_->nextPendingConnection();
    if (socket == nullptr) return;
    connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
    connect(socket, &QLocalSocket::readyRead, this, [this, socket] {
        if (!socket->canReadLine()) return;
        const QString name = QString::fromUtf8(socket->readLine()).chopped(1);
        socket->write(QByteArray(1, kAnswer));
        socket->flush();
        socket->disconnectFromServer();
        emit fileRequested(name);
    });
}

}  // namespace lorvex
