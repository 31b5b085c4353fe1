#include "frame/single_instance.h"

#include <QLocalServer>
#include <QLocalSocket>
#include <QRegularExpression>

namespace lorvex {
namespace {

constexpr int kConnectMs = 500;
constexpr int kAnswerMs = 3000;
// The running instance's answer once it has taken the name.
constexpr char kAnswer = '0';

// The display a start shows on: the Wayland compositor's socket, a name in
// the session's runtime folder unless given as a path, or the X display
// (":1" and ":1.0" are one display).
QString displayOf(const QProcessEnvironment& environment) {
    const QString wayland = environment.value(QStringLiteral("WAYLAND_DISPLAY"));
    if (!wayland.isEmpty()) {
        if (wayland.startsWith(QLatin1Char('/'))) return wayland;
        return environment.value(QStringLiteral("XDG_RUNTIME_DIR")) + QLatin1Char('/') + wayland;
    }
    QString x11 = environment.value(QStringLiteral("DISPLAY"));
    const qsizetype colon = x11.lastIndexOf(QLatin1Char(':'));
    const qsizetype screen = x11.indexOf(QLatin1Char('.'), colon + 1);
    if (colon >= 0 && screen > colon) x11.truncate(screen);
    return x11;
}

}  // namespace

SingleInstance::SingleInstance(QObject* parent) : QObject(parent), server_(new QLocalServer(this)) {
    connect(server_, &QLocalServer::newConnection, this, &SingleInstance::takeConnection);
}

QString SingleInstance::serverName(const QProcessEnvironment& environment) {
    const QString chosen = environment.value(QStringLiteral("LORVEX_INSTANCE_NAME"));
    if (!chosen.isEmpty()) return chosen;
    QString user = environment.value(QStringLiteral("USER"));
    if (user.isEmpty()) user = environment.value(QStringLiteral("USERNAME"));
    QString name = QStringLiteral("lorvex-") + user;
    if (const QString display = displayOf(environment); !display.isEmpty()) {
        // The name is a file in the temporary folder: no "/" may remain.
        name += QLatin1Char('-') +
                QString(display).replace(QRegularExpression(QStringLiteral("[^A-Za-z0-9.-]")),
                                         QStringLiteral("_"));
    }
    return name;
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
