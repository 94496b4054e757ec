#include "core/config/AppState.h"
#include "core/exec/CommandRunner.h"
#include "core/exec/Emulator.h"
#include "core/exec/EmulatorConfig.h"
#include "core/maintenance/MameIni.h"
#include "support/TableRows.h"

// Debian's MAME reads back what Marqueon wrote into the user's mame.ini, beside the user's own keys.
class TestMameIniToday : public QObject {
    Q_OBJECT
    QTemporaryDir m_home;
    std::optional<exec::EmulatorConfig> m_config;
    QString home(const QString& path) const { return m_home.filePath(path); }
private slots:
    void initTestCase() {
        if (!QFile::exists("/usr/games/mame"))
            QSKIP("Debian's mame package is not installed");
        qputenv("HOME", m_home.path().toLocal8Bit()); // the child inherits it
        writeFile(home(".mame/mame.ini"), "# mine\nskip_gameinfo 1\nartpath \"$HOME/my art\"\nrompath x\n");
        QVERIFY(maintenance::writeMameIniDirectories(
            home(".mame/mame.ini"), {home("my roms") + ';' + home("neo geo"), home("my samples"), home("snap#1")}));
        config::AppState state;
        state.directories.mame = QStringLiteral("/usr/games/");
        exec::CommandRunner runner;
        m_config = exec::readEmulatorConfig(runner, exec::Emulator(state, exec::Interface::Today).showConfig());
        QVERIFY(m_config);
    }
    void readsBack_data() {
        columns<QString, QString>({"key", "value"});
        row("ROM folders", "rompath", home("my roms") + ';' + home("neo geo"));
        row("samples", "samplepath", home("my samples"));
        row("snapshots", "snapshot_directory", home("snap#1"));
        row("the user's switch", "skip_gameinfo", QString("1"));
        row("the user's folder", "artpath", home("my art"));
    }
    void readsBack() { QTEST(m_config->value(cell<QString>("key")), "value"); }
    void userIniFile() { QCOMPARE(m_config->userIniFile(), home(".mame/mame.ini")); }
};

QTEST_GUILESS_MAIN(TestMameIniToday)
#include "TestMameIniToday.moc"
