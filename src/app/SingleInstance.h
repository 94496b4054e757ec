#pragma once

#include <QObject>
#include <QString>

class QLocalServer;

namespace app {

// One copy of Marqueon per user and application directory. A second start asks the running
// copy to bring its window to the front and ends without showing or writing anything.
class SingleInstance : public QObject {
    Q_OBJECT
public:
    explicit SingleInstance(const QString& applicationDirectory, QObject* parent = nullptr);

    // True when another copy answered; it has been asked to come to the front.
    bool activatePrevious();

    // Starts listening for later copies.
    void listen();

signals:
    void activationRequested();

private:
    QString m_name;
    QLocalServer* m_server = nullptr;
};

// The local server's name: the user's and the application directory's, so copies with other
// application directories (parallel tests, a second installation) do not meet.
QString singleInstanceName(const QString& applicationDirectory);

} // namespace app
