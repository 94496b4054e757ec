#include "core/maintenance/MameCfg.h"
#include "support/TableRows.h"

using config::ListChoice;

class TestMameCfg : public QObject {
    Q_OBJECT
    QString path() const { return m_dir.filePath(QStringLiteral("mame.cfg")); }
    QTemporaryDir m_dir;
    const maintenance::CfgDirectories m_directories{"/g/roms/;/g/neo/", "/g/samples/", "/g/snap/"};
private slots:
    void romPathByListChoice_data() {
        columns<ListChoice, QString, QString>({"choice", "neo", "rompath"});
        row("Retro", ListChoice::Retro, "/n/", "/r/");
        row("all, two folders", ListChoice::All, "/n/", "/r/;/n/");
        row("all, one folder", ListChoice::All, "/r/", "/r/");
        row("all, folders differing in case only", ListChoice::All, "/R/", "/r/;/R/");
        row("Neo-Geo", ListChoice::NeoGeo, "/n/", "/n/");
        row("no list keeps the last value", ListChoice::None, "/n/", "previous");
    }
    void romPathByListChoice() {
        QTEST(maintenance::romPathFor(cell<ListChoice>("choice"), "/r/", cell<QString>("neo"), "previous"), "rompath");
    }
    void writes_data() {
        columns<bool, QByteArray, QByteArray>({"merge", "before", "after"}); // before "<none>": no file
        const QByteArray written =
            crlf("[directory]|rompath = /g/roms/;/g/neo/|samplepath = /g/samples/|snap = /g/snap/|");
        row("written whole", false, crlf("[directory]|rompath = old|[other]|keep = no|"), written);
        row("merged into no file", true, QByteArray("<none>"), written);
        row("other sections and keys stay", true,
            crlf("[config]|video = ddraw|[directory]|inipath = .|rompath = roms|samplepath = s|"
                 "snap = snap|cfg_directory = cfg|"),
            crlf("[config]|video = ddraw|[directory]|inipath = .|rompath = /g/roms/;/g/neo/|"
                 "samplepath = /g/samples/|snap = /g/snap/|cfg_directory = cfg|"));
        row("every matching line, with or without blanks", true, crlf("rompath=a|rompath = b|samplepath=c|"),
            crlf("rompath = /g/roms/;/g/neo/|rompath = /g/roms/;/g/neo/|samplepath = /g/samples/|"));
        row("capitals and a snap line without blanks stay", true, crlf("ROMPATH = a|snap=b| Rompath = c|"),
            crlf("ROMPATH = a|snap=b| Rompath = c|"));
        row("no entries are added", true, crlf("[directory]|"), crlf("[directory]|"));
        row("LF-only file", true, QByteArray("[directory]\nrompath = a\nsnap = b\n"),
            crlf("[directory]|rompath = /g/roms/;/g/neo/|snap = /g/snap/|"));
        // A folder where the file should be: it can be neither read as text nor replaced.
        row("a folder in the way, written whole", false, QByteArray("/"), QByteArray("/"));
        row("a folder in the way, merged", true, QByteArray("/"), QByteArray("/"));
    }
    void writes() {
        const QByteArray& before = cell<QByteArray>("before");
        place(path(), before);
        const bool written = cell<bool>("merge") ? maintenance::updateMameCfg(path(), m_directories)
                                                 : maintenance::writeMameCfg(path(), m_directories);
        QCOMPARE(written, before != "/");
        QTEST(contents(path()), "after");
        QCOMPARE(QDir(m_dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot), QStringList{"mame.cfg"});
    }
};

QTEST_GUILESS_MAIN(TestMameCfg)
#include "TestMameCfg.moc"
