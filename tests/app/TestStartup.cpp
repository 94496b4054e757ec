#include "app/MainWindow.h"
#include "app/SingleInstance.h"
#include "support/ScriptedDialogs.h"
#include "support/TableRows.h"

#include <QLocalSocket>
#include <QProcess>
#include <QTest>

#include <csignal>
#include <cstring>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

// A listening socket of another process: a stale one (bound, then its process gone), or, when
// this test runs as root, one that another user listens on.
class Stranger {
public:
    ~Stranger() {
        if (m_child > 0) {
            ::kill(m_child, SIGKILL);
            ::waitpid(m_child, nullptr, 0);
        }
    }
    bool listen(const QString& path, const QString& kind) {
        const QByteArray file = QFile::encodeName(path);
        sockaddr_un address = {};
        address.sun_family = AF_UNIX;
        std::strncpy(address.sun_path, file.constData(), sizeof address.sun_path - 1);
        if (kind == "stale") {
            const int socket = ::socket(AF_UNIX, SOCK_STREAM, 0);
            const bool bound = ::bind(socket, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0;
            ::close(socket);
            return bound;
        }
        if (::geteuid() != 0)
            return false;
        int ready[2];
        if (::pipe(ready) != 0)
            return false;
        m_child = ::fork();
        if (m_child == 0) {
            const int socket = ::socket(AF_UNIX, SOCK_STREAM, 0);
            ::bind(socket, reinterpret_cast<sockaddr*>(&address), sizeof address);
            ::chmod(file.constData(), 0777);
            // Listening as nobody: the socket's peer is then another user.
            if (::setuid(65534) != 0 || ::listen(socket, 5) != 0)
                ::_exit(1);
            [[maybe_unused]] const ssize_t told = ::write(ready[1], "x", 1);
            for (;;) {
                const int peer = ::accept(socket, nullptr, nullptr);
                if (peer >= 0)
                    ::close(peer);
            }
        }
        char byte = 0;
        const bool listening = ::read(ready[0], &byte, 1) == 1;
        ::close(ready[0]);
        ::close(ready[1]);
        return listening;
    }

private:
    pid_t m_child = -1;
};

// The processes running the program at path, given the argument when there is one.
QList<pid_t> processesOf(const QString& path, const QByteArray& argument = {}) {
    QList<pid_t> found;
    for (const QString& entry : QDir("/proc").entryList(QDir::Dirs)) {
        bool number = false;
        const pid_t pid = pid_t(entry.toInt(&number));
        if (!number || QFileInfo(QStringLiteral("/proc/%1/exe").arg(pid)).symLinkTarget() != path)
            continue;
        if (argument.isEmpty() || readFile(QStringLiteral("/proc/%1/cmdline").arg(pid)).split('\0').contains(argument))
            found << pid;
    }
    return found;
}

} // namespace

class TestStartup : public QObject {
    Q_OBJECT

private slots:
    // The copies meet in the user's private runtime folder; whatever else lies at the socket's
    // place, or at the place in the shared temporary folder it had before, never stops a start.
    void singleInstance_data() {
        columns<QString>({"stranger"});
        row("nothing", "");
        row("a plain file", "file");
        row("a socket left by a copy that crashed", "stale");
        row("another user's listening socket", "foreign");
        row("a plain file at the shared place", "shared file");
        row("a listening socket at the shared place", "shared socket");
    }
    void singleInstance() {
        const QString& stranger = cell<QString>("stranger");
        TestSandbox sandbox;
        const QString path = app::singleInstancePath(sandbox.appPath());
        QCOMPARE(QFileInfo(path).absolutePath(), QDir(sandbox.root()).filePath("runtime"));
        const QString shared = QDir(QDir::tempPath()).filePath(QFileInfo(path).fileName());
        Stranger other;
        if (stranger == "file")
            writeFile(path, "x");
        else if (stranger == "shared file")
            writeFile(shared, "x");
        else if (!stranger.isEmpty() && !other.listen(stranger == "shared socket" ? shared : path, stranger))
            QSKIP("listening as another user needs root");

        app::SingleInstance first(sandbox.appPath());
        QVERIFY(!first.activatePrevious());
        first.listen();
        // The first copy's window, minimised, comes back to the front when asked.
        ScriptedDialogs dialogs;
        config::AppState state;
        app::MainWindow window(state, dialogs);
        connect(&first, &app::SingleInstance::activationRequested, &window, &app::MainWindow::bringToFront);
        window.showMinimized();
        QTRY_VERIFY(window.isMinimized());
        // Another application directory is another installation: the copies do not meet.
        QVERIFY(!app::SingleInstance(sandbox.root()).activatePrevious());
        QVERIFY(app::SingleInstance(sandbox.appPath()).activatePrevious());
        QTRY_VERIFY(!window.isMinimized() && window.isVisible());
        QFile::remove(shared);
    }

    void secondStartEndsAndLeavesOneCopyRunning() {
        TestSandbox sandbox;
        const QString options = sandbox.optionsFile();
        writeFile(options, "[Preferences]\r\nGameList=Retro\r\n");
        qputenv("MARQUEON_HOME", sandbox.appPath().toLocal8Bit()); // both copies' application directory
        QProcess first;
        first.start(QStringLiteral(MARQUEON_PROGRAM), QStringList());
        QVERIFY(first.waitForStarted());
        const QString name = app::singleInstancePath(sandbox.appPath());
        QTRY_VERIFY_WITH_TIMEOUT(
            [&] {
                QLocalSocket probe;
                probe.connectToServer(name);
                return probe.waitForConnected(100);
            }(),
            20000);
        const QByteArray before = readFile(options);

        QProcess second;
        second.start(QStringLiteral(MARQUEON_PROGRAM), QStringList());
        QVERIFY(second.waitForFinished(20000));
        QCOMPARE(second.exitStatus(), QProcess::NormalExit);
        QCOMPARE(second.exitCode(), 0);
        QCOMPARE(first.state(), QProcess::Running);
        QCOMPARE(readFile(options), before);

        first.kill();
        first.waitForFinished();
    }

    // SIGTERM or SIGHUP ends Marqueon as Exit does, without the question: the emulator it waits
    // for ends with it and, once the lists are up, the view is saved. Killed outright, it still
    // takes its emulator along.
    void endsWithItsEmulator_data() {
        columns<int, bool>({"signal", "listed"}); // listed: the lists are up when the signal comes
        row("SIGTERM while the game list is built", SIGTERM, false);
        row("SIGHUP once the lists are up", SIGHUP, true);
        row("SIGKILL while the game list is built", SIGKILL, false);
    }
    void endsWithItsEmulator() {
        const int signal = cell<int>("signal");
        const bool listed = cell<bool>("listed");
        TestSandbox sandbox;
        sandbox.writeOptions("RetroP");
        if (!listed)
            writeFile(sandbox.mamePath() + "standin-control.txt", "-listinfo delay 3000\n");
        QProcess marqueon;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert("MARQUEON_HOME", sandbox.appPath());
        environment.insert("QT_QPA_PLATFORM", "offscreen");
        marqueon.setProcessEnvironment(environment);
        marqueon.start(QStringLiteral(MARQUEON_PROGRAM), QStringList());
        const QString emulator = sandbox.state().mameExecutable();
        if (listed)
            QTRY_VERIFY_WITH_TIMEOUT(readFile(sandbox.state().listingPath()).contains("name"), 20000);
        else
            // Not any run of the emulator: Marqueon asks it short questions before the listing.
            QTRY_VERIFY_WITH_TIMEOUT(!processesOf(emulator, "-listinfo").isEmpty(), 20000);
        QTest::qWait(500);
        ::kill(pid_t(marqueon.processId()), signal);
        QVERIFY(marqueon.waitForFinished(10000));
        QTRY_COMPARE_WITH_TIMEOUT(processesOf(emulator), QList<pid_t>(), 5000);
        if (signal != SIGKILL) {
            QCOMPARE(marqueon.exitStatus(), QProcess::NormalExit);
            QCOMPARE(marqueon.exitCode(), 0);
        }
        QCOMPARE(readFile(sandbox.optionsFile()).contains("[ShutDown]"), listed);
        QCOMPARE(QFileInfo::exists(sandbox.state().cataloguePath()), listed);
    }
};

QTEST_MAIN(TestStartup)
#include "TestStartup.moc"
