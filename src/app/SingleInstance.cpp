#include "app/SingleInstance.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QLocalServer>
#include <QLocalSocket>
#include <QStandardPaths>

#ifdef Q_OS_UNIX
#include <sys/socket.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace app {
namespace {

const QByteArray RaiseRequest = QByteArrayLiteral("raise\n");

QString userName() {
    QString name = qEnvironmentVariable("USER");
    if (name.isEmpty())
        name = qEnvironmentVariable("USERNAME");
    return name;
}

#ifdef Q_OS_UNIX
// A folder (not a link to one) of this user's that nobody else may enter.
bool isPrivateFolder(const QString& path) {
    struct stat info = {};
    return !path.isEmpty() && ::lstat(QFile::encodeName(path).constData(), &info) == 0 && S_ISDIR(info.st_mode) &&
           info.st_uid == ::geteuid() && (info.st_mode & 077) == 0;
}

// Whether the process at the other end of a connected local socket runs as this user.
bool peerIsThisUser(qintptr socket) {
#if defined(SO_PEERCRED)
    struct ucred peer = {};
    socklen_t length = sizeof peer;
    return ::getsockopt(int(socket), SOL_SOCKET, SO_PEERCRED, &peer, &length) == 0 && peer.uid == ::geteuid();
#else
    uid_t uid = 0;
    gid_t gid = 0;
    return ::getpeereid(int(socket), &uid, &gid) == 0 && uid == ::geteuid();
#endif
}
#endif

// The folder the socket lies in, made private when Marqueon makes it.
QString socketFolder() {
#ifdef Q_OS_UNIX
    const QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
    if (isPrivateFolder(runtime))
        return runtime;
    const QString cache = QStandardPaths::writableLocation(QStandardPaths::GenericCacheLocation);
    if (cache.isEmpty())
        return QString();
    const QString own = QDir(cache).filePath(QStringLiteral("marqueon"));
    QDir().mkpath(cache);
    ::mkdir(QFile::encodeName(own).constData(), 0700);
    return isPrivateFolder(own) ? own : QString();
#else
    return QStringLiteral("marqueon"); // a named pipe's prefix, per user by the server's access option
#endif
}

} // namespace

QString singleInstancePath(const QString& applicationDirectory) {
    const QString folder = socketFolder();
    if (folder.isEmpty())
        return folder;
    const QByteArray key = (userName() + u'\n' + applicationDirectory).toUtf8();
    const QString name = QStringLiteral("marqueon-") +
                         QString::fromLatin1(QCryptographicHash::hash(key, QCryptographicHash::Sha1).toHex().left(16));
#ifdef Q_OS_UNIX
    const QString path = QDir(folder).filePath(name);
    // A socket's path has room for 107 bytes.
    return QFile::encodeName(path).size() < 108 ? path : QString();
#else
    return folder + u'-' + name;
#endif
}

SingleInstance::SingleInstance(const QString& applicationDirectory, QObject* parent)
    : QObject(parent)
    , m_path(singleInstancePath(applicationDirectory)) {}

bool SingleInstance::activatePrevious() {
    if (m_path.isEmpty())
        return false;
    QLocalSocket socket;
    socket.connectToServer(m_path);
    if (!socket.waitForConnected(1000))
        return false;
#ifdef Q_OS_UNIX
    // Only a copy of this user's is asked, and only it may make this start end.
    if (!peerIsThisUser(socket.socketDescriptor()))
        return false;
#endif
    socket.write(RaiseRequest);
    socket.waitForBytesWritten(1000);
    socket.disconnectFromServer();
    return true;
}

void SingleInstance::listen() {
    if (m_path.isEmpty())
        return;
    m_server = new QLocalServer(this);
    m_server->setSocketOptions(QLocalServer::UserAccessOption);
    // Nobody of this user's answered there: what lies there is a socket left by a copy that
    // crashed, or something else in a folder that is the user's alone. Take its place.
    if (!m_server->listen(m_path)) {
        QLocalServer::removeServer(m_path);
        m_server->listen(m_path);
    }
    connect(m_server, &QLocalServer::newConnection, this, [this] {
        while (QLocalSocket* socket = m_server->nextPendingConnection()) {
            connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
#ifdef Q_OS_UNIX
            if (!peerIsThisUser(socket->socketDescriptor())) {
                socket->abort();
                continue;
            }
#endif
            emit activationRequested();
        }
    });
}

} // namespace app
