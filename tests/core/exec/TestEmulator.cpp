#include "core/exec/MameCommands.h"
#include "support/TableRows.h"

using exec::Command;
using exec::Report;

Q_DECLARE_METATYPE(Command)

class TestMameCommands : public QObject {
    Q_OBJECT
    config::AppState m_state;
private slots:
    // Folders that do not exist have no short form: their paths stay whole, never looked for on the search path.
    void commands_data() {
        columns<Command, QStringList, QString>({"command", "arguments", "output"}); // output "": none
        m_state.setAppPath(QStringLiteral("/gone/app"));
        m_state.directories.mame = QStringLiteral("/gone/M A M E/");
        const exec::MameCommands commands(m_state);
        row("catalogue", commands.listInfo(), QStringList{"-listinfo"}, "listinfo.txt");
        row("audit 1", commands.verifyRoms("galx"), QStringList{"galx", "-verifyroms"}, "temp1.txt");
        row("audit 2", commands.verifySamples("galx"), QStringList{"galx", "-verifysamples"}, "temp2.txt");
        row("audit 3", commands.listRoms("galx"), QStringList{"galx", "-listroms"}, "temp3.txt");
        row("audit 4", commands.listSamples("galx"), QStringList{"galx", "-listsamples"}, "temp4.txt");
        row("ROMs report", commands.verifyAll(Report::Roms), QStringList{"*", "-verifyroms"}, "roms.txt");
        row("samples report", commands.verifyAll(Report::Samples), QStringList{"*", "-verifysamples"}, "samples.txt");
        row("sets report", commands.verifyAll(Report::Sets), QStringList{"*", "-verifysets"}, "sets.txt");
        row("version", commands.help(), QStringList{"-help"}, "version.txt");
        row("game start", commands.play({"galx", "-gamma", "1.20"}), QStringList{"galx", "-gamma", "1.20"}, "");
    }
    void commands() {
        const Command& command = cell<Command>("command");
        const QString& output = cell<QString>("output");
        QCOMPARE(command.program, m_state.directories.mame + config::mameFileName());
        QTEST(command.arguments, "arguments");
        QCOMPARE(command.workingDirectory, m_state.directories.mame);
        QCOMPARE(command.outputFile, output.isEmpty() ? QString() : m_state.reportsPath() + output);
    }
};

QTEST_GUILESS_MAIN(TestMameCommands)
#include "TestMameCommands.moc"
