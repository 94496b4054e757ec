#include "core/exec/CommandRunner.h"
#include "core/exec/Emulator.h"
#include "core/exec/Progress.h"
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
        row("emulator dies half-way", "mame", "die", Status::Crashed, "", old);
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
        else if (fault == "die")
            writeFile(sandbox.mamePath() + "standin-control.txt", "-listinfo die\n");
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
    // Cancel ends the emulator, asked first and killed two seconds later, and keeps its former output.
    void cancel_data() {
        columns<QString>({"script"}); // a program of its own instead of the emulator
        row("the emulator ends when asked", "");
        row("one that ends normally when asked", "trap 'exit 0' TERM; echo game; sleep 30 & wait");
        row("one that ignores the request is killed", "trap '' TERM; echo game; sleep 30");
    }
    void cancel() {
        TestSandbox sandbox;
        sandbox.setCatalogue(QByteArray("game (\n\tname abc\n)\n\n").repeated(5));
        writeFile(sandbox.mamePath() + "standin-control.txt", "-listinfo delay 300\n");
        writeFile(sandbox.state().listingPath(), "an older listing\n");
        exec::Command command = exec::Emulator(sandbox.state()).listing();
        const QString& script = cell<QString>("script");
        const bool stubborn = script.startsWith("trap ''");
        if (!script.isEmpty()) {
            command.program = QStringLiteral("/bin/sh");
            command.arguments = QStringList{"-c", script};
        }
        struct : exec::RunObserver {
            bool heard = false;
            void output(QByteArrayView) override { heard = true; }
            bool cancelRequested() override { return heard; }
        } user;
        QElapsedTimer clock;
        clock.start();
        QCOMPARE(exec::CommandRunner().run(command, &user).status, Status::Cancelled);
        QVERIFY2(stubborn ? clock.elapsed() >= 2000 && clock.elapsed() < 10000 : clock.elapsed() < 1500,
                 qPrintable(QString::number(clock.elapsed())));
        QCOMPARE(contents(command.outputFile), QByteArray("an older listing\n"));
        QCOMPARE(QDir(sandbox.reportsPath()).entryList(QDir::Files | QDir::Hidden), QStringList{"listinfo.txt"});
    }
    // A process the emulator leaves behind, holding its output open, keeps nobody waiting; what
    // the emulator wrote is all there.
    void leftoverProcess() {
        TestSandbox sandbox;
        exec::Command command = exec::Emulator(sandbox.state()).listing();
        command.program = QStringLiteral("/bin/sh");
        command.arguments = QStringList{"-c", "echo game; sleep 30 &"};
        QElapsedTimer clock;
        clock.start();
        QCOMPARE(exec::CommandRunner().run(command).status, Status::Finished);
        QVERIFY2(clock.elapsed() < 2000, qPrintable(QString::number(clock.elapsed())));
        QCOMPARE(readFile(command.outputFile), QByteArray("game\n"));
    }
    // What the wait windows count: lines, or those starting as asked, however the output is cut.
    void progressCount_data() {
        columns<QByteArrayList, QByteArray, int>({"pieces", "prefix", "count"});
        row("lines", QByteArrayList{"a\nb", "\nc"}, QByteArray(), 2);
        row("a line start cut in two", QByteArrayList{"rom", "set a is bad\nsampleset b\nromset c\n"},
            QByteArray("romset "), 2);
        row("a long line", QByteArrayList{"romset " + QByteArray(100000, 'x'), "\n"}, QByteArray("romset "), 1);
    }
    void progressCount() {
        struct : exec::Progress {
            int count = 0;
            void setMessage(const QString&) override {}
            void setCount(int shown) override { count = shown; }
        } progress;
        const QByteArray& prefix = cell<QByteArray>("prefix");
        exec::ProgressObserver observer(progress, [&](QByteArrayView line) { return line.startsWith(prefix); });
        for (const QByteArray& piece : cell<QByteArrayList>("pieces"))
            observer.output(piece);
        observer.tick();
        QTEST(progress.count, "count");
    }
};

QTEST_GUILESS_MAIN(TestCommandRunner)
#include "TestCommandRunner.moc"
