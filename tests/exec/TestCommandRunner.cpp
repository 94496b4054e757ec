#include "exec/CommandRunner.h"
#include "exec/MameCommands.h"
#include "support/ScriptedDialogs.h"
#include "support/TestSandbox.h"

#include <QDir>
#include <QFile>
#include <QTest>

using exec::RunResult;

class TestCommandRunner : public QObject {
    Q_OBJECT

private slots:
    void init() { m_callerDirectory = QDir::currentPath(); }
    void cleanup() { QDir::setCurrent(m_callerDirectory); }

    void writesStandardOutput_data();
    void writesStandardOutput();
    void runsInTheMameDirectory();
    void argumentsReachTheEmulatorWhole();
    void faults_data();
    void faults();
    void missingMameDirectoryEndsTheProgram();

private:
    QString m_callerDirectory;
};

void TestCommandRunner::writesStandardOutput_data() {
    QTest::addColumn<QString>("mameFolder");
    QTest::newRow("plain path") << "mame";
    QTest::newRow("path with blanks") << "My Games/M A M E";
}

void TestCommandRunner::writesStandardOutput() {
    QFETCH(QString, mameFolder);
    TestSandbox sandbox(mameFolder);
    QVERIFY(sandbox.isValid());
    const QByteArray listing = "game (\n\tname abc\n\tdescription \"A B C\"\n)\n\n";
    sandbox.setCatalogue(listing);
    writeFile(sandbox.reportsPath() + "listinfo.txt", "an older listing that must go\n");

    ScriptedDialogs dialogs;
    exec::CommandRunner runner(dialogs);
    QCOMPARE(runner.ExecCmd(exec::MameCommands(sandbox.state()).listInfo()), RunResult::Ran);
    QCOMPARE(readFile(sandbox.reportsPath() + "listinfo.txt"), listing);
    QCOMPARE(QDir::currentPath(), m_callerDirectory);
    QVERIFY(dialogs.shown.isEmpty());
}

void TestCommandRunner::runsInTheMameDirectory() {
    TestSandbox sandbox;
    ScriptedDialogs dialogs;
    exec::CommandRunner runner(dialogs);
    // A game start leaves its files relative to the working directory.
    QCOMPARE(runner.ExecCmd(exec::MameCommands(sandbox.state()).play(QStringLiteral("mame galwar"))), RunResult::Ran);
    QCOMPARE(sandbox.lastRunArguments(), QStringList{QStringLiteral("galwar")});
    QVERIFY(QFile::exists(sandbox.mamePath() + "cfg/galwar.cfg"));
    QCOMPARE(QDir::currentPath(), m_callerDirectory);
}

void TestCommandRunner::argumentsReachTheEmulatorWhole() {
    TestSandbox sandbox;
    ScriptedDialogs dialogs;
    exec::CommandRunner runner(dialogs);
    const QString line = QStringLiteral("mame galwar -scanlines ; rm -rf ~ $(touch x) `id` >out |more");
    runner.ExecCmd(exec::MameCommands(sandbox.state()).play(line));
    QCOMPARE(sandbox.lastRunArguments(),
             QStringList({"galwar", "-scanlines", ";", "rm", "-rf", "~", "$(touch", "x)", "`id`", ">out", "|more"}));
    QVERIFY(!QFile::exists(sandbox.mamePath() + "x"));
    QVERIFY(!QFile::exists(sandbox.mamePath() + "out"));
}

void TestCommandRunner::faults_data() {
    QTest::addColumn<QString>("fault");
    QTest::addColumn<bool>("outputExists");
    QTest::newRow("emulator missing") << "missing" << true;
    QTest::newRow("emulator exits with an error") << "error" << true;
    QTest::newRow("output folder missing") << "no output folder" << false;
}

void TestCommandRunner::faults() {
    QFETCH(QString, fault);
    QFETCH(bool, outputExists);
    TestSandbox sandbox;
    exec::Command command = exec::MameCommands(sandbox.state()).help();
    if (fault == "missing")
        QFile::remove(sandbox.state().mameExecutable());
    else if (fault == "error")
        command.arguments = QStringList{QStringLiteral("-bogus")};
    else
        QDir(sandbox.reportsPath()).removeRecursively();

    ScriptedDialogs dialogs;
    exec::CommandRunner runner(dialogs);
    QCOMPARE(runner.ExecCmd(command), RunResult::Ran);
    QCOMPARE(QFile::exists(command.outputFile), outputExists);
    if (outputExists)
        QCOMPARE(readFile(command.outputFile), QByteArray());
    QCOMPARE(QDir::currentPath(), m_callerDirectory);
    QVERIFY(dialogs.shown.isEmpty());
    QCOMPARE(dialogs.endings, 0);
}

void TestCommandRunner::missingMameDirectoryEndsTheProgram() {
    TestSandbox sandbox;
    QDir(sandbox.mamePath()).removeRecursively();
    ScriptedDialogs dialogs;
    exec::CommandRunner runner(dialogs);
    QCOMPARE(runner.ExecCmd(exec::MameCommands(sandbox.state()).listInfo()), RunResult::Fatal);
    QCOMPARE(dialogs.texts(), QStringList{QStringLiteral("Error: Path not found")});
    QCOMPARE(dialogs.shown.first().icon, app::Dialogs::Icon::Critical);
    QCOMPARE(dialogs.shown.first().title, QStringLiteral("Marqueon"));
    QCOMPARE(dialogs.endings, 1);
    QCOMPARE(QDir::currentPath(), m_callerDirectory);
}

QTEST_GUILESS_MAIN(TestCommandRunner)
#include "TestCommandRunner.moc"
