#pragma once

#include <QObject>
#include <QString>

class QLocalServer;

namespace app {

// One copy of Marqueon per user and application directory. A second start asks the running
// copy to bring its window to the front and ends without showing or writing anything.
//
// The copies meet at a socket in a folder only the user can enter, and each checks that the
// other runs as the same user: another user's socket, a stale one or a plain file there never
// stops a start, and nobody else can ask a copy of Marqueon for anything.
class SingleInstance : public QObject {
    Q_OBJECT
public:
    explicit SingleInstance(const QString& applicationDirectory, QObject* parent = nullptr);

    // True when another copy of this user's answered; it has been asked to come to the front.
    bool activatePrevious();

    // Starts listening for later copies, taking the place over from whatever lies there.
    void listen();

signals:
    void activationRequested();

private:
    QString m_path;
    QLocalServer* m_server = nullptr;
};

// The socket's path: in $XDG_RUNTIME_DIR when that is the user's own private folder, else in a
// private folder of the user's cache; named after the user and the application directory, so
// copies with other application directories (parallel tests, a second installation) do not
// meet. Empty when no such folder can be had: the copy then runs on its own.
QString singleInstancePath(const QString& applicationDirectory);

} // namespace app
