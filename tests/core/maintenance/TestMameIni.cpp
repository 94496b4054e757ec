#include "core/exec/EmulatorConfig.h"
#include "core/maintenance/MameIni.h"
#include "support/TableRows.h"

// The three lines as the emulator lays them out; quoted where a blank or a "#" would cut the value short.
#define ROMS_LINE "rompath                   \"/g/my roms;/g/neo\""
#define SAMPLES_LINE "samplepath                /g/samples"
#define SNAP_LINE "snapshot_directory        \"/g/snap#1\""

class TestMameIni : public QObject {
    Q_OBJECT
    QTemporaryDir m_dir;
    QString path() const { return m_dir.filePath(".mame/mame.ini"); }
    const maintenance::IniDirectories m_directories{"/g/my roms;/g/neo", "/g/samples", "/g/snap#1"};
private slots:
    void merges_data() {
        columns<QByteArray, QByteArray>({"before", "after"}); // "<none>": no file, "/": a folder
        row("missing file and folder created", QByteArray("<none>"),
            QByteArray(ROMS_LINE "\n" SAMPLES_LINE "\n" SNAP_LINE "\n"));
        row("mark, CR LF, comments and other keys kept",
            crlf("\xEF\xBB\xBF# mine|skip_gameinfo 1|rompath r||samplepath \"o s\"|snapshot_directory s|"),
            crlf("\xEF\xBB\xBF# mine|skip_gameinfo 1|" ROMS_LINE "||" SAMPLES_LINE "|" SNAP_LINE "|"));
        row("LF, no final line end, missing keys appended", QByteArray("rompath x\nskip_gameinfo 1"),
            QByteArray(ROMS_LINE "\nskip_gameinfo 1\n" SAMPLES_LINE "\n" SNAP_LINE "\n"));
        row("mixed line ends kept line by line", QByteArray("# a\nb\r\r\nrompath x\r\nc\r"),
            QByteArray("# a\nb\r\r\n" ROMS_LINE "\r\nc\r\n" SAMPLES_LINE "\n" SNAP_LINE "\n"));
        row("every occurrence, indented or commented; other case, other names",
            crlf("rompath a|  rompath\t\"b#\" # old|Rompath a|rompath_x b|"),
            crlf(ROMS_LINE "|" ROMS_LINE " # old|Rompath a|rompath_x b|" SAMPLES_LINE "|" SNAP_LINE "|"));
        row("a folder in the way", QByteArray("/"), QByteArray("/"));
    }
    void merges() {
        QDir(m_dir.filePath(".mame")).removeRecursively();
        place(path(), cell<QByteArray>("before"));
        QCOMPARE(maintenance::writeMameIniDirectories(path(), m_directories), cell<QByteArray>("after") != "/");
        QTEST(contents(path()), "after");
        QCOMPARE(QDir(m_dir.filePath(".mame")).entryList(QDir::AllEntries | QDir::NoDotAndDotDot),
                 QStringList{"mame.ini"});
    }
    void refuses() {
        writeFile(m_dir.filePath("taken"), "x");
        QVERIFY(!maintenance::writeMameIniDirectories(m_dir.filePath("taken/mame.ini"), m_directories));
        QCOMPARE(readFile(m_dir.filePath("taken")), QByteArray("x"));
        place(path(), "rompath a\n");
        QVERIFY(!maintenance::writeMameIniDirectories(path(), {"/a\nrompath /b", "/s", "/n"}));
        QCOMPARE(readFile(path()), QByteArray("rompath a\n"));
    }

    void parses_data() {
        columns<QByteArray, QString, QStringList, QString>({"output", "value", "paths", "iniFile"});
        row("quoted, with blanks", QByteArray("inipath                   \"$HOME/my ini;/etc/mame\"\n"),
            QString("/h/my ini;/etc/mame"), QStringList{"/h/my ini", "/etc/mame"}, QString("/h/my ini/mame.ini"));
        row("comments skipped, '#' in a value kept", crlf("#|# inipath x|#|inipath  /etc/#1;~|"), QString("/etc/#1;~"),
            QStringList{"/etc/#1", "/h"}, QString("/h/mame.ini"));
        row("home forms", QByteArray("inipath ${HOME}/b;$HOMEX/c;/x/~\n"), QString("/h/b;$HOMEX/c;/x/~"),
            QStringList{"/h/b", "/h/mame/$HOMEX/c", "/x/~"}, QString("/h/b/mame.ini"));
        row("from the MAME directory", QByteArray("inipath ini;.\n"), QString("ini;."),
            QStringList{"/h/mame/ini", "/h/mame"}, QString("/h/mame/ini/mame.ini"));
        row("none under home", QByteArray("inipath /etc/mame;/hx;/\n"), QString("/etc/mame;/hx;/"),
            QStringList{"/etc/mame", "/hx", "/"}, QString());
    }
    void parses() {
        const auto config = exec::EmulatorConfig::parse(cell<QByteArray>("output"), "/h", "/h/mame");
        QTEST(config.value("inipath"), "value");
        QTEST(config.paths("inipath"), "paths");
        QTEST(config.userIniFile(), "iniFile");
    }
};

QTEST_GUILESS_MAIN(TestMameIni)
#include "TestMameIni.moc"
