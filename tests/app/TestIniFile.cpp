#include "app/IniFile.h"
#include "support/TestSandbox.h"

#include <QTemporaryDir>
#include <QTest>

class TestIniFile : public QObject {
    Q_OBJECT

private slots:
    void read_data();
    void read();
    void readMissingFile();
    void write_data();
    void write();
    void writtenValueReadsBack();

private:
    QString path() const { return m_dir.filePath(QStringLiteral("options.ini")); }
    QTemporaryDir m_dir;
};

void TestIniFile::read_data() {
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<QString>("section");
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("expected");

    const QByteArray file = "[Preferences]\r\nGameList=RetroP\r\nHideClones = True \r\n"
                            "[Directories]\r\nMAME=C:\\Games\\MAME\\\r\n";
    QTest::newRow("value") << file << "Preferences"
                           << "GameList"
                           << "RetroP";
    QTest::newRow("names ignore case") << file << "preferences"
                                       << "GAMELIST"
                                       << "RetroP";
    QTest::newRow("blanks around the value") << file << "Preferences"
                                             << "HideClones"
                                             << "True";
    QTest::newRow("other section") << file << "Directories"
                                   << "MAME"
                                   << "C:\\Games\\MAME\\";
    QTest::newRow("key of another section") << file << "Directories"
                                            << "GameList"
                                            << "default";
    QTest::newRow("missing key") << file << "Preferences"
                                 << "CloneShots"
                                 << "default";
    QTest::newRow("missing section") << file << "ShutDown"
                                     << "GameList"
                                     << "default";
    QTest::newRow("empty value is not the default") << QByteArray("[P]\r\nHideClones=\r\n") << "P"
                                                    << "HideClones"
                                                    << "";
    QTest::newRow("long value cut at 254") << "[P]\r\nK=" + QByteArray(300, 'x') + "\r\n"
                                           << "P"
                                           << "K" << QString(254, u'x');
    QTest::newRow("LF-only file") << QByteArray("[P]\nA=1\n[Q]\nA=2\n") << "Q"
                                  << "A"
                                  << "2";
    QTest::newRow("no line end at the end") << QByteArray("[P]\r\nA=last") << "P"
                                            << "A"
                                            << "last";
    QTest::newRow("first of two equal keys") << QByteArray("[P]\r\nA=1\r\nA=2\r\n") << "P"
                                             << "A"
                                             << "1";
    QTest::newRow("equals sign in the value") << QByteArray("[P]\r\nA=x=y\r\n") << "P"
                                              << "A"
                                              << "x=y";
    QTest::newRow("Latin-1 bytes survive") << QByteArray("[P]\r\nA=caf\xe9\r\n") << "P"
                                           << "A" << QString::fromLatin1("caf\xe9");
}

void TestIniFile::read() {
    QFETCH(QByteArray, content);
    QFETCH(QString, section);
    QFETCH(QString, key);
    QFETCH(QString, expected);
    writeFile(path(), content);
    QCOMPARE(app::ReadIni(path(), section, key, QStringLiteral("default")), expected);
}

void TestIniFile::readMissingFile() {
    QCOMPARE(app::ReadIni(m_dir.filePath(QStringLiteral("none.ini")), QStringLiteral("P"), QStringLiteral("K"),
                          app::iniText(true)),
             QStringLiteral("True"));
}

void TestIniFile::write_data() {
    QTest::addColumn<QByteArray>("before"); // "<none>": no file
    QTest::addColumn<QString>("section");
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("value");
    QTest::addColumn<QByteArray>("after");

    QTest::newRow("creates the file") << QByteArray("<none>") << "Preferences"
                                      << "GameList"
                                      << "Retro" << QByteArray("[Preferences]\r\nGameList=Retro\r\n");
    QTest::newRow("replaces in place") << QByteArray("[P]\r\nA=1\r\nB=2\r\n[Q]\r\nA=3\r\n") << "P"
                                       << "A"
                                       << "9" << QByteArray("[P]\r\nA=9\r\nB=2\r\n[Q]\r\nA=3\r\n");
    QTest::newRow("replaces regardless of case") << QByteArray("[P]\r\nkey = 1\r\n") << "p"
                                                 << "Key"
                                                 << "2" << QByteArray("[P]\r\nkey=2\r\n");
    QTest::newRow("adds at the end of its section") << QByteArray("[P]\r\nA=1\r\n\r\n[Q]\r\nB=2\r\n") << "P"
                                                    << "C"
                                                    << "3" << QByteArray("[P]\r\nA=1\r\nC=3\r\n\r\n[Q]\r\nB=2\r\n");
    QTest::newRow("adds a section at the end")
        << QByteArray("[P]\r\nA=1\r\n") << "ShutDown"
        << "GameView"
        << "All Games" << QByteArray("[P]\r\nA=1\r\n[ShutDown]\r\nGameView=All Games\r\n");
    QTest::newRow("line breaks become blanks") << QByteArray("<none>") << "P"
                                               << "A"
                                               << "one\r\ntwo\nthree" << QByteArray("[P]\r\nA=one  two three\r\n");
    QTest::newRow("LF-only file keeps its content") << QByteArray("[P]\nA=1\n[Q]\nB=2\n") << "Q"
                                                    << "B"
                                                    << "5" << QByteArray("[P]\r\nA=1\r\n[Q]\r\nB=5\r\n");
    QTest::newRow("empty value") << QByteArray("[P]\r\nA=1\r\n") << "P"
                                 << "A"
                                 << "" << QByteArray("[P]\r\nA=\r\n");
}

void TestIniFile::write() {
    QFETCH(QByteArray, before);
    QFETCH(QString, section);
    QFETCH(QString, key);
    QFETCH(QString, value);
    QFETCH(QByteArray, after);
    QFile::remove(path());
    if (before != "<none>")
        writeFile(path(), before);
    app::WriteIni(path(), section, key, value);
    QCOMPARE(readFile(path()), after);
}

void TestIniFile::writtenValueReadsBack() {
    QFile::remove(path());
    const QString directory = QStringLiteral("/home/user/My Games/MAME/");
    app::WriteIni(path(), QStringLiteral("Directories"), QStringLiteral("MAME"), directory);
    app::WriteIni(path(), QStringLiteral("Preferences"), QStringLiteral("HideClones"), app::iniText(false));
    app::WriteIni(path(), QStringLiteral("Directories"), QStringLiteral("Samples"), QStringLiteral("x"));
    QCOMPARE(app::ReadIni(path(), QStringLiteral("Directories"), QStringLiteral("MAME"), QString()), directory);
    QCOMPARE(app::ReadIni(path(), QStringLiteral("Preferences"), QStringLiteral("HideClones"), QString()),
             QStringLiteral("False"));
    QCOMPARE(readFile(path()), QByteArray("[Directories]\r\nMAME=/home/user/My Games/MAME/\r\nSamples=x\r\n"
                                          "[Preferences]\r\nHideClones=False\r\n"));
}

QTEST_GUILESS_MAIN(TestIniFile)
#include "TestIniFile.moc"
