#pragma once

#include <QObject>
#include <QProcessEnvironment>
#include <QString>

class QLocalServer;

namespace lorvex {

// One running lorvex per user and display: a later start hands its file name
// to the one that runs and ends. The running instance listens on a local
// socket named after the user and the display it shows on, so that a start
// on another X display or Wayland session, whose user could not see the
// running instance, starts an instance of its own.
class SingleInstance : public QObject {
    Q_OBJECT
  public:
    explicit SingleInstance(QObject* parent = nullptr);

    // The socket name: "lorvex-", the user name and the display (the Wayland
    // socket in the session's runtime folder, else the X display without its
    // screen number), or LORVEX_INSTANCE_NAME when set (tests keep their
    // instances apart with it).
    static QString serverName(
        const QProcessEnvironment& environment = QProcessEnvironment::systemEnvironment());

    // Gives `fileName` (possibly empty) to a running instance; true when one
    // took it and answered, false when none runs or none answered in time.
    static bool handOver(const QString& fileName);

    // Starts listening for later starts; false when the socket cannot be made.
    bool listen();

  signals:
    // A later start handed over this file name.
    void fileRequested(const QString& fileName);

  private:
    void takeConnection();

    QLocalServer* server_;
};

}  // namespace lorvex
