#include "maintenance/MameCfg.h"
#include "support/TestSandbox.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>

using maintenance::Directories;

class TestMameCfg : public QObject {
    Q_OBJECT

private slots:
    void romPathByListChoice_data();
    void romPathByListChoice();
    void writesTheDirectorySection();
    void mergesIntoAnExistingFile_data();
    void mergesIntoAnExistingFile();
    void failureLeavesTheFileAndSaysSo();

private:
    QString path() const { return m_dir.filePath(QStringLiteral("mame.cfg")); }
    QTemporaryDir m_dir;
    const Directories m_directories{"/g/roms/;/g/neo/", "/g/samples/", "/g/snap/"};
};

void TestMameCfg::romPathByListChoice_data() {
    QTest::addColumn<QString>("gameList");
    QTest::addColumn<QString>("neo");
    QTest::addColumn<QString>("rompath");
    QTest::newRow("Retro") << "Retro"
                           << "/n/"
                           << "/r/";
    QTest::newRow("all, two folders") << "RetroP"
                                      << "/n/"
                                      << "/r/;/n/";
    QTest::newRow("all, one folder") << "RetroP"
                                     << "/r/"
                                     << "/r/";
    QTest::newRow("all, folders differing in case only") << "RetroP"
                                                         << "/R/"
                                                         << "/r/;/R/";
    QTest::newRow("Neo-Geo") << "NeoOnly"
                             << "/n/"
                             << "/n/";
    QTest::newRow("unknown choice keeps the last value") << "Console"
                                                         << "/n/"
                                                         << "previous";
}

void TestMameCfg::romPathByListChoice() {
    QFETCH(QString, gameList);
    QFETCH(QString, neo);
    QFETCH(QString, rompath);
    QCOMPARE(maintenance::MAMERomPath(gameList, "/r/", neo, "previous"), rompath);
}

void TestMameCfg::writesTheDirectorySection() {
    writeFile(path(), "[directory]\r\nrompath = old\r\n[other]\r\nkeep = no\r\n");
    QVERIFY(maintenance::WriteMameCfg(path(), m_directories));
    QCOMPARE(readFile(path()), QByteArray("[directory]\r\nrompath = /g/roms/;/g/neo/\r\nsamplepath = /g/samples/\r\n"
                                          "snap = /g/snap/\r\n"));
}

void TestMameCfg::mergesIntoAnExistingFile_data() {
    QTest::addColumn<QByteArray>("before"); // "<none>": no file
    QTest::addColumn<QByteArray>("after");

    const QByteArray written = "[directory]\r\nrompath = /g/roms/;/g/neo/\r\nsamplepath = /g/samples/\r\n"
                               "snap = /g/snap/\r\n";
    QTest::newRow("missing file") << QByteArray("<none>") << written;
    QTest::newRow("other sections and keys stay") << QByteArray("[config]\r\nvideo = ddraw\r\n[directory]\r\n"
                                                                "inipath = .\r\nrompath = roms\r\nsamplepath = s\r\n"
                                                                "snap = snap\r\ncfg_directory = cfg\r\n")
                                                  << QByteArray("[config]\r\nvideo = ddraw\r\n[directory]\r\n"
                                                                "inipath = .\r\nrompath = /g/roms/;/g/neo/\r\n"
                                                                "samplepath = /g/samples/\r\nsnap = /g/snap/\r\n"
                                                                "cfg_directory = cfg\r\n");
    QTest::newRow("every matching line, with or without blanks")
        << QByteArray("rompath=a\r\nrompath = b\r\nsamplepath=c\r\n")
        << QByteArray("rompath = /g/roms/;/g/neo/\r\nrompath = /g/roms/;/g/neo/\r\nsamplepath = /g/samples/\r\n");
    QTest::newRow("capitals and a snap line without blanks stay")
        << QByteArray("ROMPATH = a\r\nsnap=b\r\n Rompath = c\r\n")
        << QByteArray("ROMPATH = a\r\nsnap=b\r\n Rompath = c\r\n");
    QTest::newRow("no entries are added") << QByteArray("[directory]\r\n") << QByteArray("[directory]\r\n");
    QTest::newRow("LF-only file") << QByteArray("[directory]\nrompath = a\nsnap = b\n")
                                  << QByteArray("[directory]\r\nrompath = /g/roms/;/g/neo/\r\nsnap = /g/snap/\r\n");
}

void TestMameCfg::mergesIntoAnExistingFile() {
    QFETCH(QByteArray, before);
    QFETCH(QByteArray, after);
    QFile::remove(path());
    if (before != "<none>")
        writeFile(path(), before);
    QVERIFY(maintenance::UpdateMameCfg(path(), m_directories));
    QCOMPARE(readFile(path()), after);
    QVERIFY(!QFile::exists(m_dir.filePath(QStringLiteral("temp.cfg"))));
}

void TestMameCfg::failureLeavesTheFileAndSaysSo() {
    // A folder where the file should be: it can be neither read as text nor replaced.
    QDir(m_dir.path()).mkpath(QStringLiteral("blocked/mame.cfg"));
    const QString blocked = m_dir.filePath(QStringLiteral("blocked/mame.cfg"));
    QVERIFY(!maintenance::WriteMameCfg(blocked, m_directories));
    QVERIFY(!maintenance::UpdateMameCfg(blocked, m_directories));
    QVERIFY(QFileInfo(blocked).isDir());
}

QTEST_GUILESS_MAIN(TestMameCfg)
#include "TestMameCfg.moc"
