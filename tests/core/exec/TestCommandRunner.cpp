#include "core/exec/CommandRunner.h"
#include "core/exec/Emulator.h"
#include "support/TableRows.h"

using Status = exec::RunResult::Status;

class TestCommandRunner : public QObject {
    Q_OBJECT
    QString m_callerDirectory = QDir::currentPath(); // the runner never moves it: checked after each test
private slots:
    void cleanup() { QCOMPARE(QDir::currentPath(), m_callerDirectory); }
    void gameRunsInTheMameDirectoryWithItsArgumentsWhole() {
        TestSandbox sandbox;
        const QStringList arguments = {"galwar", "-scanlines", ";", "rm -rf ~", "$(touch x)", "`id`", ">out", "|more"};
        const exec::RunResult result = exec::CommandRunner().run(exec::Emulator(sandbox.state()).play(arguments));
        QCOMPARE(result.status, Status::Finished);
        QCOMPARE(sandbox.lastRunArguments(), arguments);
        // A game start leaves its files relative to the working directory, and no shell saw the line.
        QVERIFY(QFile::exists(sandbox.mamePath() + "cfg/galwar.cfg"));
        QVERIFY(!QFile::exists(sandbox.mamePath() + "x"));
        QVERIFY(!QFile::exists(sandbox.mamePath() + "out"));
    }
    // A listing run: its standard output replaces the listing as a whole ("<none>": no file).
    void runs_data() {
        columns<QString, QString, Status, QString, QByteArray>({"folder", "fault", "status", "error", "output"});
        const QByteArray listing = "game (\n\tname abc\n\tdescription \"A B C\"\n)\n\n", old = "an older listing\n";
        row("plain path", "mame", "", Status::Finished, "", listing);
        row("path with blanks", "My Games/M A M E", "", Status::Finished, "", listing);
        row("emulator missing", "mame", "missing", Status::NotStarted, "", QByteArray());
        row("emulator exits with an error", "mame", "error", Status::Finished, "", QByteArray());
        row("output folder missing", "mame", "no output folder", Status::NotStarted, "", QByteArray("<none>"));
        row("MAME directory missing", "mame", "no directory", Status::NoDirectory, "Path not found", old);
        row("MAME directory is a file", "mame", "file", Status::NoDirectory, "Path not found", old);
    }
    void runs() {
        const QString& fault = cell<QString>("fault");
        TestSandbox sandbox(cell<QString>("folder"));
        sandbox.setCatalogue("game (\n\tname abc\n\tdescription \"A B C\"\n)\n\n");
        writeFile(sandbox.state().listingPath(), "an older listing\n");
        exec::Command command = exec::Emulator(sandbox.state()).listing();
        if (fault == "missing")
            QFile::remove(sandbox.state().mameExecutable());
        else if (fault == "error")
            command.arguments = QStringList{QStringLiteral("-bogus")};
        else if (fault == "no output folder")
            QDir(sandbox.reportsPath()).removeRecursively();
        else if (!fault.isEmpty())
            QDir(sandbox.mamePath()).removeRecursively();
        if (fault == "file")
            writeFile(sandbox.mamePath().chopped(1), "not a folder");
        const exec::RunResult result = exec::CommandRunner().run(command);
        QTEST(result.status, "status");
        QTEST(result.error, "error");
        QCOMPARE(result.exitCode != 0, fault == "error");
        QTEST(contents(command.outputFile), "output");
    }
};

QTEST_GUILESS_MAIN(TestCommandRunner)
#include "TestCommandRunner.moc"
