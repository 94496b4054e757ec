#include "setup/Version.h"
#include "support/TestSandbox.h"

#include <QTemporaryDir>
#include <QTest>

class TestVersion : public QObject {
    Q_OBJECT

private slots:
    void version_data();
    void version();
    void missingOutput();
};

namespace {
const QString Banner = QStringLiteral("M.A.M.E. v0.37 BETA 5 (Jul  2 2000) - Multiple Arcade Machine Emulator");
}

void TestVersion::version_data() {
    QTest::addColumn<QString>("help");
    QTest::addColumn<QString>("version");

    const QString usage =
        QStringLiteral("Copyright (C) 1997-2000 by the team\r\n\r\nUsage:  MAME gamename [options]\r\n");
    QTest::newRow("banner first") << Banner + "\r\n" + usage << "M.A.M.E. Version 0.37 BETA 5";
    QTest::newRow("lines before the banner skipped")
        << "\r\n   \r\nloading...\r\n M.A.M.E. v9 (indented)\r\nWelcome to M.A.M.E. v1 (x)\r\n" + Banner + "\r\n"
        << "M.A.M.E. Version 0.37 BETA 5";
    QTest::newRow("LF line ends") << "\n" + Banner + "\nusage\n"
                                  << "M.A.M.E. Version 0.37 BETA 5";
    QTest::newRow("last line without line end") << "x\r\n" + Banner << "M.A.M.E. Version 0.37 BETA 5";
    QTest::newRow("the first banner wins")
        << QString("M.A.M.E. v0.36 (Jan  1 2000)\r\n" + Banner) << "M.A.M.E. Version 0.36";
    QTest::newRow("every lower-case v") << QString("M.A.M.E. v0.37b5 rev2 (Jul  2 2000)")
                                        << "M.A.M.E. Version 0.37b5 reVersion 2";
    QTest::newRow("capital V kept") << QString("M.A.M.E. V0.37 (Jul  2 2000)") << "M.A.M.E. V0.37";
    QTest::newRow("v after the date dropped") << QString("M.A.M.E. 0.37 (Jul  2 2000) v") << "M.A.M.E. 0.37";
    QTest::newRow("no blank before the date") << QString("M.A.M.E. v0.37(Jul  2 2000)") << "M.A.M.E. Version 0.37";
    QTest::newRow("banner without parenthesis")
        << QString("M.A.M.E. v0.37 BETA 5\r\nusage\r\n") << "M.A.M.E. Version 0.37 BETA 5";
    QTest::newRow("banner that is only the name") << QString("M.A.M.E.") << "M.A.M.E.";
    QTest::newRow("no banner") << usage << "Unknown";
    QTest::newRow("name in lower case") << QString("m.a.m.e. v0.37 (Jul  2 2000)\r\n") << "Unknown";
    QTest::newRow("empty output") << QString() << "Unknown";
}

void TestVersion::version() {
    QFETCH(QString, help);
    QFETCH(QString, version);
    QCOMPARE(setup::versionFromHelpText(help), version);

    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("version.txt"));
    writeFile(path, help.toLatin1());
    QCOMPARE(setup::versionFromHelp(path), version);
}

void TestVersion::missingOutput() {
    QTemporaryDir dir;
    QCOMPARE(setup::versionFromHelp(dir.filePath(QStringLiteral("version.txt"))), QStringLiteral("Unknown"));
}

QTEST_GUILESS_MAIN(TestVersion)
#include "TestVersion.moc"
