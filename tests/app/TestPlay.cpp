#include "app/TerminationWatcher.h"
#include "core/exec/ChildProcess.h"
#include "core/settings/SettingsFile.h"
#include "support/Session.h"
#include "support/TableRows.h"

#include <QFile>
#include <QLineEdit>
#include <QStatusBar>

#include <csignal>

namespace {

using settings::Field;
using settings::SettingsKind;

const QList<ListedGame> PlayGames = {
    {"galx", "Galaxy Raid"},
    {"galxb", "Galaxy Raid (bootleg)", "galx"},
    {"vecx", "Vector Blast", {}, "1980", "video ( screen vector orientation horizontal colors 256 freq 40.0 )"},
    {"nam1975", "NAM-1975", {}, "1990"},
};

using Tokens = QList<std::pair<Field, QString>>;
// Settings away from the emulator's defaults, as the panel writes them.
const Tokens Chosen = {
    {Field::Gamma, "-gamma 1.20"}, {Field::Controller, "-joy 4Button"}, {Field::Scanlines, "-noscanlines"}};

// A settings file of the kind: the emulator's defaults but for the given tokens.
void writeSettings(const QString& path, SettingsKind kind, const Tokens& tokens) {
    settings::SettingsRecord record = settings::SettingsRecord::defaults();
    for (const auto& [field, token] : tokens)
        record.token(field) = token;
    QVERIFY(settings::writeSettingsFile(path, kind, record));
}

} // namespace

class TestPlay : public QObject {
    Q_OBJECT

private slots:
    void cleanup() { m_session.reset(); }

    void init() {
        m_session = std::make_unique<Session>(PlayGames);
        TestSandbox::addArchive(m_session->sandbox.state().directories.retroRoms, "vecx");
    }

    void playsWithTheRightSettings_data() {
        columns<QString, QStringList, QStringList>({"rom", "files", "arguments"}); // settings files written first
        const QStringList chosen = {"-gamma", "1.20", "-joy", "4button", "-noscanlines"};
        row("no settings file", "galx", QStringList(), QStringList{"galx"});
        row("raster defaults", "galx", QStringList{"raster", "vector"}, QStringList{"galx"} + chosen);
        row("vector options come last", "vecx", QStringList{"raster", "vector"},
            QStringList{"vecx"} + chosen + QStringList{"-beam", "2.5", "-noantialias"});
        row("archive only in the Neo-Geo folder", "nam1975", QStringList(), QStringList{"nam1975"});
        // Ended early: the user is told, and the game plays with what was read.
        row("a short raster defaults file", "galx", QStringList{"short"}, QStringList{"galx", "-1024x768"});
    }

    void playsWithTheRightSettings() {
        const QString& rom = cell<QString>("rom");
        const QStringList &files = cell<QStringList>("files"), &arguments = cell<QStringList>("arguments");
        const QString settings = m_session->sandbox.settingsPath();
        if (files.contains("raster"))
            writeSettings(settings + "raster.cfg", SettingsKind::Raster, Chosen);
        if (files.contains("vector"))
            writeSettings(settings + "vector.cfg", SettingsKind::Vector,
                          Chosen + Tokens{{Field::Beam, "-beam 2.5"}, {Field::Antialias, "-noantialias"}});
        if (files.contains("short"))
            writeFile(settings + "raster.cfg", "\"-1024x768\",12\r\n\"-vgafreq 0\",0\r\n");
        QVERIFY(startOn("All Games"));
        m_session->select(rom);
        QCOMPARE(play(), arguments);
        // The same game from the installed list starts the same way, and stays selected.
        m_session->trigger("viewInstalledAction");
        m_session->select(rom, "installedList");
        QCOMPARE(play(), arguments);
        QCOMPARE(m_session->selectedRom("installedList"), rom);
        QCOMPARE(m_session->dialogs.texts(),
                 QStringList(files.contains("short") ? 2 : 0, settings::optionsChangedMessage()));
    }

    // Today's emulator gets the options it knows, in its spelling, and Marqueon's directories;
    // when it cannot run the game the user is told why.
    void playsToday_data() {
        columns<QByteArray, QString, QStringList, QString>({"archive", "parameters", "options", "message"});
        const QString problem = "M.A.M.E. could not run the game.\r";
        row("settings translated", QByteArray(), "", QStringList{"-gamma", "1.20", "-joystick", "-waitvsync"}, "");
        row("unknown option", QByteArray(), "-xyz", QStringList(), problem + "Error: unknown option: -xyz");
        row("missing files", QByteArray("MISSING"), "", QStringList(),
            problem + "Required files are missing, the machine cannot be run.");
    }

    void playsToday() {
        const QString& parameters = cell<QString>("parameters");
        const config::Directories& d = m_session->sandbox.state().directories;
        writeFile(d.retroRoms + "galx.zip", cell<QByteArray>("archive"));
        writeFile(m_session->sandbox.mamePath() + "standin-today", "");
        writeSettings(m_session->sandbox.settingsPath() + "raster.cfg", SettingsKind::Raster,
                      Chosen + Tokens{{Field::Vsync, "-vsync"},
                                      {Field::WaitVsync, "-waitvsync"},
                                      {Field::AddParams, parameters.isEmpty() ? "none" : parameters}});
        QVERIFY(startOn("All Games"));
        const QStringList arguments = play();
        const QString message = cell<QString>("message");
        QCOMPARE(m_session->dialogs.texts(), message.isEmpty() ? QStringList() : QStringList{message});
        if (!message.isEmpty())
            return;
        const QStringList directories = {
            "-rompath", d.retroRoms + ';' + d.neoGeoRoms, "-samplepath", d.samples, "-snapshot_directory", d.snapshots};
        QCOMPARE(arguments, QStringList{"galx"} + cell<QStringList>("options") + directories);
    }

    // In the all-games list and in the uninstalled one.
    void refusesUninstalledGames() {
        QVERIFY(startOn("All Games"));
        for (const auto& [view, list] :
             {std::pair{"viewAllAction", "allList"}, std::pair{"viewUninstalledAction", "uninstalledList"}}) {
            m_session->trigger(view);
            m_session->select("galxb", list);
            QVERIFY(!m_session->enabled("playButton"));
            // A double click asks too: it is told, and nothing starts.
            gui::GameListView* games = m_session->list(list);
            m_session->clickRow(games, games->selectedIndex() - 1, true);
        }
        QCOMPARE(m_session->dialogs.texts(), QStringList(2, "This game is not installed."));
        QCOMPARE(m_session->dialogs.shown.first().icon, gui::Dialogs::Icon::Information);
        QVERIFY(!QFile::exists(m_session->sandbox.mamePath() + "standin-lastrun.txt"));
    }

    // No starts nothing, Yes the game; one question per Shift: the next Play asks nothing.
    void shiftShowsTheCommandLine() {
        QVERIFY(startOn("All Games"));
        for (const bool yes : {false, true}) {
            QTest::keyPress(m_session->child<QPushButton>("playButton"), Qt::Key_Shift, Qt::ShiftModifier);
            m_session->dialogs.answers << yes;
            QCOMPARE(play(), yes ? QStringList{"galx"} : QStringList());
            QCOMPARE(play(), QStringList{"galx"});
        }
        QCOMPARE(m_session->dialogs.texts(), QStringList(2, "Command Line: mame galx\rLength: 9 characters\r\r"
                                                            "Do you want to play the game with these settings?"));
        QCOMPARE(m_session->dialogs.shown.first().icon, gui::Dialogs::Icon::Exclamation);
    }

    void parametersAreNeverACommand() {
        QVERIFY(startOn("All Games"));
        // Typed into the panel's parameters box and saved as custom settings.
        m_session->trigger("customSettingsAction");
        QCOMPARE(m_session->listCaption(), QStringLiteral("galx"));
        m_session->child<QLineEdit>("parametersEdit")->setText("; rm -rf ~ && touch pwned");
        m_session->click("okButton");
        QCOMPARE(m_session->listCaption(), QStringLiteral("All Games"));
        QCOMPARE(m_session->panel(6), QStringLiteral("Custom Settings"));
        QCOMPARE(play(), QStringList({"galx", ";", "rm", "-rf", "~", "&&", "touch", "pwned"}));
        QVERIFY(!QFile::exists(m_session->sandbox.mamePath() + "pwned"));
    }

    // A name from an edited listing that is no emulator name never reaches the emulator or a path.
    void refusesNamesTheEmulatorDoesNotUse() {
        const QString rom = "../x";
        m_session = std::make_unique<Session>(QList<ListedGame>{{"galx", "Galaxy Raid"}, {rom.toLatin1(), "Evil"}});
        TestSandbox::addArchive(m_session->sandbox.state().directories.retroRoms, rom);
        QVERIFY(startOn("All Games"));
        m_session->select(rom);
        QCOMPARE(m_session->selectedRom("allList"), rom);
        // It counts as not installed, so Play is off; a double click still asks to play it.
        QVERIFY(!m_session->enabled("playButton") && !m_session->child<QAction>("customSettingsAction")->isEnabled());
        gui::GameListView* games = m_session->list("allList");
        m_session->clickRow(games, games->selectedIndex() - 1, true);
        m_session->trigger("auditAction");
        QVERIFY(!m_session->panelOpen());
        const QString refusal = exec::unplainGameNameMessage(rom);
        QCOMPARE(m_session->dialogs.texts(), QStringList(2, refusal));
        QVERIFY(refusal.startsWith("Marqueon will not use the game name \"../x"));
        QVERIFY(!QFile::exists(m_session->sandbox.mamePath() + "standin-runs.log"));
        QCOMPARE(QDir(m_session->sandbox.settingsPath()).entryList(QDir::Files), QStringList{"options.ini"});
    }

private:
    bool startOn(const QByteArray& view) { return m_session->startWith("RetroP", "GameView=" + view); }
    QStringList play() {
        QFile::remove(m_session->sandbox.mamePath() + "standin-lastrun.txt");
        m_session->click("playButton");
        return m_session->sandbox.lastRunArguments();
    }
    std::unique_ptr<Session> m_session;

private slots:
    // While a game runs the window says which and takes no input: a click on Play and keys typed
    // meanwhile are dropped, never delivered once the game has ended.
    void inputDuringAGameIsDropped() {
        writeFile(m_session->sandbox.mamePath() + "standin-control.txt", "play delay 1500\n");
        QVERIFY(m_session->startWith());
        m_session->select("galx");
        QString running;
        QTimer::singleShot(500, [&] {
            running = m_session->child<QStatusBar>("statusView")->currentMessage();
            m_session->click("playButton");
            m_session->type("zzz");
        });
        m_session->click("playButton");
        QTest::qWait(200);
        QCOMPARE(readFile(m_session->sandbox.mamePath() + "standin-runs.log").count('\n'), 1);
        QCOMPARE(m_session->child<QLineEdit>("searchEdit")->text(), QString());
        QCOMPARE(running, QStringLiteral("Playing Galaxy Raid (galx).  Marqueon waits until the game ends."));
        QCOMPARE(m_session->child<QStatusBar>("statusView")->currentMessage(), QString());
    }

    // SIGTERM during a game ends the emulator at once and saves the view as Exit does.
    void signalDuringPlay() {
        writeFile(m_session->sandbox.mamePath() + "standin-control.txt", "play delay 20000\n");
        QVERIFY(m_session->startWith());
        app::TerminationWatcher watcher;
        QObject::connect(&watcher, &app::TerminationWatcher::terminationRequested, m_session->window.get(),
                         &app::MainWindow::endBySignal);
        const auto resume = qScopeGuard([] { exec::stopRunning(false); });
        QTimer::singleShot(500, [] { ::raise(SIGTERM); });
        QElapsedTimer clock;
        clock.start();
        m_session->click("playButton");
        QVERIFY2(clock.elapsed() < 5000, qPrintable(QString::number(clock.elapsed())));
        QVERIFY(m_session->shutDownSection().startsWith("[ShutDown]\r\nMAMEDate="));
        QVERIFY(m_session->dialogs.texts().isEmpty()); // no question asked
    }
};

QTEST_MAIN(TestPlay)
#include "TestPlay.moc"
