#include "core/exec/CommandRunner.h"
#include "core/exec/Emulator.h"
#include "core/exec/EmulatorConfig.h"
#include "support/TableRows.h"
#include "support/TestSandbox.h"

#include <QDir>

using exec::Command;
using exec::Interface;
using exec::Report;

Q_DECLARE_METATYPE(Command)

class TestEmulator : public QObject {
    Q_OBJECT
    config::AppState m_state;

private slots:
    // Folders that do not exist have no short form: their paths stay whole, never looked for on the search path.
    void commands_data() {
        columns<Command, QStringList, QString, bool>({"command", "arguments", "output", "withErrors"});
        m_state.setAppPath(QStringLiteral("/gone/app"));
        m_state.directories = {"/gone/M A M E/", "/r/", "/n/", "/s/", "/p/"};
        const exec::Emulator classic(m_state);
        const exec::Emulator today(m_state, Interface::Today);
        using L = QStringList;
        const L dirs = {"-rompath", "/r/;/n/", "-samplepath", "/s/"}; // today's: Marqueon's directories
        // The classic emulator's commands run in the suites with the stand-in; its sets report alone says
        // the same as a ROMs report there.
        row("sets report", classic.verifyAll(Report::Sets), L{"*", "-verifysets"}, "sets.txt", false);
        row("today: catalogue, read as written", today.listing(), L{"-listxml", "-nodtd"}, "", false);
        row("today: audit", today.verifyRoms("galx"), L{"galx", "-verifyroms"} + dirs, "temp1.txt", true);
        row("today: sample audit", today.verifySamples("galx"), L{"galx", "-verifysamples"} + dirs, "temp2.txt", true);
        row("today: every set, no name", today.verifyAll(Report::Roms), L{"-verifyroms"} + dirs, "roms.txt", true);
        row("today: sets are ROM sets", today.verifyAll(Report::Sets), L{"-verifyroms"} + dirs, "sets.txt", true);
        row("today: samples", today.verifyAll(Report::Samples), L{"-verifysamples"} + dirs, "samples.txt", true);
    }
    void commands() {
        const Command& command = cell<Command>("command");
        const QString& output = cell<QString>("output");
        QCOMPARE(command.program, m_state.directories.mame + config::mameFileName());
        QTEST(command.arguments, "arguments");
        QCOMPARE(command.workingDirectory, m_state.directories.mame);
        QCOMPARE(command.outputFile, output.isEmpty() ? QString() : m_state.reportsPath() + output);
        QTEST(command.withErrors, "withErrors");
    }

    // Only names the emulator uses reach it or a file path; anything else could be an option or a path.
    void gameNames_data() {
        columns<QString, bool>({"name", "plain"});
        row("a short name", "pacman", true);
        row("digits and underscore, 16 long", "abcdefghij_12345", true);
        row("17 long", "abcdefghij_123456", false);
        row("300 long", QString(300, u'a'), false);
        row("an option", "-autoboot_script", false);
        row("a parent folder", "../x", false);
        row("a folder", "a/b", false);
        row("a blank", " ", false);
        row("a NUL byte", QString::fromUtf16(u"ab\0c", 4), false);
        row("an accent", "pacm\u00e4n", false);
    }
    void gameNames() {
        const QString& name = cell<QString>("name");
        const bool plain = cell<bool>("plain");
        QTEST(exec::isPlainGameName(name), "plain");
        m_state.directories = {"/m/", "/r/", "/n/", "/s/", "/p/"};
        const exec::Emulator today(m_state, Interface::Today);
        for (const Command& command : {today.play({name}), today.verifyRoms(name), today.listSamples(name)})
            QCOMPARE(command.program.isEmpty(), !plain);
        QCOMPARE(today.screenShot(name).isEmpty(), !plain);
        if (!plain)
            QVERIFY(!exec::unplainGameNameMessage(name).contains(QChar(0)));
    }
    void banners_data() {
        columns<QByteArray, std::optional<Interface>>({"help", "interface"});
        row("classic", QByteArray("M.A.M.E. v0.37 BETA 5 (Jul  2 2000) - Multiple Arcade Machine Emulator\n"),
            std::optional(Interface::Classic));
        row("today", QByteArray("MAME v0.251 (unknown)\nCopyright MAMEdev and contributors\n"),
            std::optional(Interface::Today));
        row("after other lines", QByteArray("\r\nwarning: no display\nMAME v0.251 (unknown)\r\n"),
            std::optional(Interface::Today));
        row("another program", QByteArray("usage: emulator [options]\n"), std::optional<Interface>());
        row("nothing", QByteArray(), std::optional<Interface>());
    }
    void banners() { QTEST(exec::interfaceFromHelp(cell<QByteArray>("help")), "interface"); }

    // What counts as a game's ROM set, and which screen shot a game shows.
    void installedAndScreenShots_data() {
        columns<Interface, QStringList, QString, bool, QString>({"interface", "files", "rom", "installed", "shot"});
        const Interface classic = Interface::Classic, today = Interface::Today;
        row("classic zip", classic, QStringList{"r/galx.zip"}, "galx", true, "galx.png");
        row("classic ignores 7z and folders", classic, QStringList{"r/galx.7z", "n/galx/x"}, "galx", false, "galx.png");
        row("today 7z", today, QStringList{"n/galx.7z"}, "galx", true, "galx.png");
        row("today folder", today, QStringList{"r/galx/a.bin"}, "galx", true, "galx.png");
        row("today needs no ROM", today, QStringList(), "pong", true, "pong.png");
        row("today numbered snapshots", today, QStringList{"p/galx/0001.png", "p/galx/0000.png"}, "galx", false,
            "galx/0000.png");
        row("today own picture first", today, QStringList{"p/galx.png", "p/galx/0000.png"}, "galx", false, "galx.png");
        row("classic keeps to NAME.png", classic, QStringList{"p/galx/0000.png"}, "galx", false, "galx.png");
    }
    void installedAndScreenShots() {
        QTemporaryDir root;
        for (const QString& file : cell<QStringList>("files"))
            writeFile(root.filePath(file), "");
        config::AppState state;
        state.directories = {root.filePath("m/"), root.filePath("r/"), root.filePath("n/"), QString(),
                             root.filePath("p/")};
        exec::Emulator emulator(state, cell<Interface>("interface"));
        emulator.setRomless({"pong"});
        const QString& rom = cell<QString>("rom");
        QTEST(emulator.isInstalled(rom), "installed");
        // A whole directory listed once says the same as the test of one game.
        QTEST(emulator.romSets(state.directories.retroRoms).contains(rom) ||
                  emulator.romSets(state.directories.neoGeoRoms).contains(rom) || emulator.needsNoRoms(rom),
              "installed");
        QCOMPARE(emulator.screenShot(rom), root.filePath("p/") + cell<QString>("shot"));
    }

    // The emulator's configuration is kept while nothing it comes from changes, so that a start
    // need not wait for the emulator; an edited mame.ini (the same size, within the same second)
    // or another program in its place is asked again. The stand-in fails to answer while its
    // control file says so, which tells whether it was asked.
    void configurationKeptWhileItsFilesStay() {
        TestSandbox sandbox;
        writeFile(sandbox.mamePath() + QStringLiteral("standin-today"), {});
        const exec::Emulator today(sandbox.state(), Interface::Today);
        exec::CommandRunner runner;
        const QString ini = sandbox.home() + QStringLiteral("/.mame/mame.ini");
        const QString control = sandbox.mamePath() + QStringLiteral("standin-control.txt");
        const auto snapshots = [&] {
            const std::optional<exec::EmulatorConfig> config = exec::readEmulatorConfig(runner, today.showConfig());
            return config ? config->value(QStringLiteral("snapshot_directory")) : QStringLiteral("(no answer)");
        };
        writeFile(ini, "snapshot_directory one\n");
        QCOMPARE(snapshots(), QStringLiteral("one"));
        writeFile(control, "-showconfig exit 1\n");
        QCOMPARE(snapshots(), QStringLiteral("one"));
        writeFile(ini, "snapshot_directory two\n");
        QCOMPARE(snapshots(), QStringLiteral("(no answer)"));
        QFile::remove(control);
        QCOMPARE(snapshots(), QStringLiteral("two"));
        writeFile(control, "-showconfig exit 1\n");
        const QString program = today.showConfig().program;
        QVERIFY(QFile::rename(program, program + QStringLiteral(".old")) &&
                QFile::copy(program + QStringLiteral(".old"), program));
        QCOMPARE(snapshots(), QStringLiteral("(no answer)"));
    }
};

QTEST_GUILESS_MAIN(TestEmulator)
#include "TestEmulator.moc"
