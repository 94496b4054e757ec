#include "core/catalogue/ListInfoExtraction.h"
#include "core/config/OptionsFile.h"
#include "core/exec/CommandRunner.h"
#include "core/exec/Emulator.h"
#include "core/io/AtomicFile.h"
#include "core/maintenance/MameCfg.h"
#include "core/maintenance/MameIni.h"
#include "core/settings/SettingsFile.h"
#include "support/RecordedProgress.h"
#include "support/TableRows.h"

#include <QProcess>

// Every writer of a whole file, on a disk that fills up while it writes: the write fails, the
// former file stays byte for byte and no temporary file is left beside it.
class TestFullDisk : public QObject {
    Q_OBJECT
    std::unique_ptr<TestSandbox> m_sandbox;
    QString m_mounted;

    // Writes the file at path through the writer the row names; true when it says it was written.
    bool write(const QString& path) {
        const QString& writer = cell<QString>("writer");
        config::AppState& state = m_sandbox->state();
        if (writer == "options") {
            config::SavedView view;
            view.mameDate = QStringLiteral("2026-12-07T10:00:00.000");
            return config::writeShutDown(path, view);
        }
        if (writer == "catalogue") {
            const QString listing = QFileInfo(path).path() + "/listing.txt";
            writeFile(listing, "game (\n\tname galx\n\tdescription \"Galaxy Raid\"\n\tdriver ( status good "
                               "color good sound good )\n)\n");
            RecordedProgress progress;
            return catalogue::createGameInfo(listing, path, progress).outcome ==
                   catalogue::Extraction::Outcome::Written;
        }
        if (writer == "settings")
            return settings::writeSettingsFile(path, settings::SettingsKind::Vector,
                                               settings::SettingsRecord::defaults());
        if (writer == "mame.cfg")
            return maintenance::updateMameCfg(path, {"/roms/", "/samples/", "/snap/"});
        if (writer == "mame.ini")
            return maintenance::writeMameIniDirectories(path, {"/roms/", "/samples/", "/snap/"});
        // A report: the emulator's output, kept where the run's command says.
        exec::Command command = exec::Emulator(state).verifyAll(exec::Report::Sets);
        command.outputFile = path;
        return !exec::CommandRunner().run(command).outputUnwritable;
    }

    // The former file, then a failed write: the file as it was, nothing beside it.
    void checkKept(const QString& path, const QByteArray& former) {
        QCOMPARE(readFile(path), former);
        const QStringList beside =
            QDir(QFileInfo(path).path()).entryList({QFileInfo(path).fileName() + "*"}, QDir::Files | QDir::Hidden);
        QCOMPARE(beside, QStringList{QFileInfo(path).fileName()});
    }

private slots:
    void init() { m_sandbox = std::make_unique<TestSandbox>(); }
    void cleanup() {
        io::failWritesAfter(-1);
        if (!m_mounted.isEmpty())
            QProcess::execute("umount", {std::exchange(m_mounted, QString())});
    }

    void writers_data() {
        columns<QString, QByteArray>({"writer", "former"});
        row("options.ini", "options",
            crlf("[Preferences]|GameList=RetroP|[ShutDown]|MAMEDate=then|GameView=All Games|"));
        row("the catalogue", "catalogue",
            crlf("\"Zoom Racer\",\"1979\",\"Good\",\"Good\",\"Good\",\"M\",\"Raster\","
                 "\"256x224   H\",\"Original\",\"zoom\"|"));
        row("a settings file", "settings", crlf("\"-auto\",3|"));
        row("mame.cfg", "mame.cfg", crlf("[directory]|rompath = mine|samplepath = mine|snap = mine|# my notes|"));
        row("mame.ini", "mame.ini", QByteArray("\xEF\xBB\xBF# mine\nrompath  /mine\nskip_gameinfo 1\n"));
        row("a report", "report", QByteArray("romset galx is good\n1 romsets found, 1 were OK.\n"));
    }
    // A write that fails at any byte, as on a disk that fills up there.
    void writers() {
        const QByteArray& former = cell<QByteArray>("former");
        const QString path = m_sandbox->root() + "/files/" + QTest::currentDataTag();
        writeFile(path, former);
        QVERIFY(write(path));
        const qint64 size = QFileInfo(path).size();
        QVERIFY(readFile(path) != former);
        // Every byte of small files; for the emulator's report, which takes a run each, a few.
        QList<qint64> positions;
        for (qint64 at = 0; at < size; at += cell<QString>("writer") == "report" ? qMax<qint64>(1, size / 4) : 1)
            positions << at;
        for (qint64 at : std::as_const(positions)) {
            writeFile(path, former);
            io::failWritesAfter(at);
            QVERIFY2(!write(path), qPrintable(QStringLiteral("failing at byte %1").arg(at)));
            io::failWritesAfter(-1);
            checkKept(path, former);
            if (QTest::currentTestFailed())
                return;
        }
    }

    // The same on a real file system that is full (a small tmpfs, which only root can mount).
    void writersOnAFullFileSystem_data() { writers_data(); }
    void writersOnAFullFileSystem() {
        const QString folder = m_sandbox->root() + "/full";
        QDir().mkpath(folder);
        if (::geteuid() != 0 || QProcess::execute("mount", {"-t", "tmpfs", "-o", "size=256k", "tmpfs", folder}) != 0)
            QSKIP("mounting a small tmpfs needs root");
        m_mounted = folder;
        const QByteArray& former = cell<QByteArray>("former");
        const QString path = folder + "/" + QTest::currentDataTag();
        writeFile(path, former);
        QFile filler(folder + "/filler");
        QVERIFY(filler.open(QIODevice::WriteOnly | QIODevice::Unbuffered));
        while (filler.write(QByteArray(4096, 'x')) > 0) {
        }
        filler.close();
        QVERIFY(!write(path));
        checkKept(path, former);
    }
};

QTEST_GUILESS_MAIN(TestFullDisk)
#include "TestFullDisk.moc"
