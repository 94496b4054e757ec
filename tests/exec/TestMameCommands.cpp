#include "exec/MameCommands.h"
#include "support/TestSandbox.h"

#include <QTest>

using exec::Command;
using exec::WindowState;

Q_DECLARE_METATYPE(exec::WindowState)

class TestMameCommands : public QObject {
    Q_OBJECT

private slots:
    void commands_data();
    void commands();
    void playSplitsTheLineIntoArguments();
};

void TestMameCommands::commands_data() {
    QTest::addColumn<QString>("which");
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("output");
    QTest::addColumn<WindowState>("window");

    QTest::newRow("catalogue") << "listinfo" << QStringList{"-listinfo"} << "listinfo.txt" << WindowState::Minimized;
    QTest::newRow("audit 1") << "verifyroms" << QStringList{"galx", "-verifyroms"} << "temp1.txt"
                             << WindowState::Minimized;
    QTest::newRow("audit 2") << "verifysamples" << QStringList{"galx", "-verifysamples"} << "temp2.txt"
                             << WindowState::Minimized;
    QTest::newRow("audit 3") << "listroms" << QStringList{"galx", "-listroms"} << "temp3.txt" << WindowState::Minimized;
    QTest::newRow("audit 4") << "listsamples" << QStringList{"galx", "-listsamples"} << "temp4.txt"
                             << WindowState::Minimized;
    QTest::newRow("sets report") << "sets" << QStringList{"*", "-verifysets"} << "sets.txt" << WindowState::Normal;
    QTest::newRow("roms report") << "roms" << QStringList{"*", "-verifyroms"} << "roms.txt" << WindowState::Normal;
    QTest::newRow("samples report") << "samples" << QStringList{"*", "-verifysamples"} << "samples.txt"
                                    << WindowState::Normal;
    QTest::newRow("version") << "help" << QStringList{"-help"} << "version.txt" << WindowState::Minimized;
}

void TestMameCommands::commands() {
    QFETCH(QString, which);
    QFETCH(QStringList, arguments);
    QFETCH(QString, output);
    QFETCH(WindowState, window);

    TestSandbox sandbox(QStringLiteral("M A M E"));
    const exec::MameCommands commands(sandbox.state());
    const QString game = QStringLiteral("galx");
    const QHash<QString, Command> built = {
        {"listinfo", commands.listInfo()},
        {"verifyroms", commands.verifyRoms(game)},
        {"verifysamples", commands.verifySamples(game)},
        {"listroms", commands.listRoms(game)},
        {"listsamples", commands.listSamples(game)},
        {"sets", commands.verifyAllSets()},
        {"roms", commands.verifyAllRoms()},
        {"samples", commands.verifyAllSamples()},
        {"help", commands.help()},
    };
    const Command command = built.value(which);
    QCOMPARE(command.program, sandbox.mamePath() + app::mameFileName());
    QCOMPARE(command.arguments, arguments);
    QCOMPARE(command.workingDirectory, sandbox.mamePath());
    QCOMPARE(command.outputFile, sandbox.reportsPath() + output);
    QCOMPARE(command.window, window);
}

void TestMameCommands::playSplitsTheLineIntoArguments() {
    TestSandbox sandbox;
    const Command play =
        exec::MameCommands(sandbox.state()).play(QStringLiteral("mame galx -gamma 1.20  -joy 4button"));
    QCOMPARE(play.arguments, QStringList({"galx", "-gamma", "1.20", "-joy", "4button"}));
    QCOMPARE(play.outputFile, QString());
    QCOMPARE(play.window, WindowState::Maximized);
}

QTEST_GUILESS_MAIN(TestMameCommands)
#include "TestMameCommands.moc"
