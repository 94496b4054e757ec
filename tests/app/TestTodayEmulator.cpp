#include "core/catalogue/CatalogueBuild.h"
#include "core/catalogue/CatalogueInfo.h"
#include "core/catalogue/CatalogueLoader.h"
#include "core/catalogue/MameFavourites.h"
#include "support/RecordedProgress.h"
#include "support/Session.h"
#include "support/TableRows.h"

#include "core/exec/CommandRunner.h"
#include "core/exec/EmulatorConfig.h"
#include "core/settings/SettingsFile.h"
#include "core/settings/SettingsSession.h"
#include "gui/setup/SetupDialog.h"

#include <QLineEdit>
#include <QProcess>

// Marqueon on Debian's MAME, as a user starts it: the catalogue from its full -listxml, its
// audits and reports. One start serves the suite; the build takes the emulator's own time.
class TestTodayEmulator : public QObject {
    Q_OBJECT
    std::unique_ptr<Session> m_session;

    Session& s() { return *m_session; }

private slots:
    void initTestCase() {
        QVERIFY2(QFile::exists("/usr/games/mame"), "Debian's mame package is not installed");
        m_session = std::make_unique<Session>();
        s().sandbox.state().directories.mame = QStringLiteral("/usr/games/");
        QVERIFY(s().startWith("RetroP"));
    }

    void catalogue_data() {
        columns<QString, QString>({"rom", "line"});
        row("Pong needs no ROM file", "pong", "\"Pong (Rev E) [TTL]\",\"1972\",\"Good\",\"Good\",\"Good\",\"Atari\"");
        row("Pac-Man, a vertical clone", "pacman", "\"Raster\",\"224x288   V\",\"Clone of puckman\",\"pacman\"");
        row("Asteroids draws vectors", "asteroid", "\"Vector\",\"Unknown H\",\"Original\",\"asteroid\"");
    }
    void catalogue() {
        const QString catalogue = QString::fromLatin1(readFile(s().sandbox.state().cataloguePath()));
        QVERIFY(catalogue.count(u'\n') > 15000 && catalogue.count(u'\n') < 20000);
        QVERIFY(catalogue.contains(cell<QString>("line")));
        QVERIFY(s().panel(1).startsWith("Total Games: 1"));
        s().trigger("viewInstalledAction");
        s().select("pong", "installedList");
        QCOMPARE(s().selectedRom("installedList"), QStringLiteral("pong"));
        s().trigger("viewAllAction");
    }

    // Two listing runs at once give the catalogue of the one whole run the start made, byte for byte.
    void shardedCatalogueIsTheSame() {
        QTemporaryDir app;
        config::AppState state = s().state;
        state.setAppPath(app.path());
        QVERIFY(QDir().mkpath(state.reportsPath()));
        RecordedProgress progress;
        exec::CommandRunner runner;
        exec::Emulator emulator(state);
        const catalogue::CatalogueBuild build = catalogue::buildCatalogue(runner, emulator, state, progress, 2);
        QCOMPARE(build.extraction.outcome, catalogue::Extraction::Outcome::Written);
        QVERIFY(readFile(state.cataloguePath()) == readFile(s().sandbox.state().cataloguePath()));
        QVERIFY(readFile(state.gameFactsPath()) == readFile(s().sandbox.state().gameFactsPath()));
    }

    void neoGeoGamesKeepTheirList() {
        const config::AppState& state = s().sandbox.state();
        const std::optional<catalogue::CatalogueInfo> info = catalogue::readCatalogueInfo(state.catalogueInfoPath());
        QVERIFY(info && info->interface == exec::Interface::Today);
        RecordedProgress progress;
        const exec::Emulator emulator(state, exec::Interface::Today);
        for (const auto& [choice, listed] :
             {std::pair{config::ListChoice::Retro, false}, std::pair{config::ListChoice::NeoGeo, true}}) {
            const catalogue::GameLists lists = catalogue::loadGames(
                choice, {state.cataloguePath(), QString(), QString(), false, &emulator, info->neoGeoFrom}, progress);
            QCOMPARE(std::any_of(lists.all.cbegin(), lists.all.cend(),
                                 [](const catalogue::GameRecord& game) { return game.romName() == u"nam1975"; }),
                     listed);
        }
    }

    // The emulator's own data answers the filter terms.
    void findsWhatToPlay_data() {
        columns<QString, QString, QString>({"typed", "shown", "left out"});
        row("a working two-player original of the 1980s", "is:working players:2 -is:clone year:1980-1989 man",
            "puckman", "pacman");
        row("a clone", "is:clone man", "pacman", "puckman");
        row("a trackball", "control:trackball centipede", "centiped", "");
        row("a four-way joystick", "control:joy4 -is:clone man", "puckman", "");
        row("vectors", "is:vector asteroids", "asteroid", "");
        row("a disk", "is:chd killer instinct", "kinst", "");
        row("buttons", "buttons:>=6 street fighter ii", "sf2", "pong");
    }
    void findsWhatToPlay() {
        s().child<QLineEdit>("searchEdit")->clear();
        s().type(cell<QString>("typed"));
        const QStringList shown = s().shownRoms("allList").split(u' ');
        QVERIFY2(shown.contains(cell<QString>("shown")), qPrintable(shown.join(u' ')));
        QVERIFY(!shown.contains(cell<QString>("left out")));
        QVERIFY(s().child<QLabel>("searchProblemLabel")->isHidden());
    }

    void auditOfPong() {
        s().child<QLineEdit>("searchEdit")->clear();
        s().select("pong");
        s().trigger("auditAction");
        QVERIFY2(s().text().contains("romset pong is best available"), qPrintable(s().text()));
        QVERIFY(s().text().startsWith("ROMs\n----------\n"));
        s().leaveText();
    }

    // The first start put Marqueon's ROM folder before the ones MAME had, and kept those.
    void romPathKeepsMamesFolders() {
        exec::CommandRunner runner;
        const std::optional<exec::EmulatorConfig> config =
            exec::readEmulatorConfig(runner, exec::Emulator(s().state, exec::Interface::Today).showConfig());
        QVERIFY(config);
        QStringList path = config->value("rompath").split(u';');
        for (QString& folder : path)
            folder = QDir::cleanPath(folder);
        QCOMPARE(path.value(0), QDir::cleanPath(s().state.directories.retroRoms));
        QVERIFY2(path.contains(s().sandbox.home() + "/mame/roms") && path.contains("/usr/share/games/mame/roms") &&
                     path.removeDuplicates() == 0,
                 qPrintable(path.join(u';')));
    }

    void soundOnlyImperfectOverall() {
        const QByteArray catalogue = readFile(s().sandbox.state().cataloguePath());
        const qsizetype at = catalogue.indexOf("\"actfancr\"");
        QVERIFY(at > 0);
        const QByteArray line = catalogue.mid(catalogue.lastIndexOf('\n', at) + 1).split('\n').first();
        QVERIFY2(line.contains("\"Imperfect\""), line.constData());
        QVERIFY(!catalogue.contains("\"ng_mv1\""));
    }

    // The panel's files are MAME's own: it parses them at every start, whoever starts it.
    void settingsInMamesOwnFiles_data() {
        columns<QString, QString, QString>({"game", "edited", "file"});
        row("Pong's own settings", "pong", "pong", "pong.ini");
        row("raster defaults", "pong", "Raster", "raster.ini");
        row("vector defaults", "asteroid", "Vector", "vector.ini");
    }
    void settingsInMamesOwnFiles() {
        const QString file = s().sandbox.home() + "/.mame/" + cell<QString>("file");
        writeFile(file, "# mine\nartpath \"my art\"\n");
        exec::CommandRunner runner;
        const exec::Emulator emulator(s().state, exec::Interface::Today);
        settings::SettingsSession session(s().state, emulator, runner);
        const QString& edited = cell<QString>("edited");
        settings::PanelContent content =
            edited == u"pong"
                ? session.openCustom("pong", "Raster", {})
                : session.openDefaults(
                      edited == u"Vector" ? settings::SettingsKind::Vector : settings::SettingsKind::Raster, {});
        QVERIFY(content.ini && content.problem.isEmpty());
        content.iniForm.values["window"] = "1";
        content.iniForm.values["gamma"] = "0.80";
        QCOMPARE(session.saveIni(content.editing, content.iniForm).outcome, settings::SaveResult::Outcome::Saved);
        const QByteArray saved = readFile(file);
        QVERIFY2(saved.startsWith("# mine\nartpath ") && saved.contains("\nwindow ") && saved.contains("\ngamma "),
                 saved.constData());

        QProcess mame;
        mame.setProcessChannelMode(QProcess::MergedChannels);
        mame.start("/usr/games/mame",
                   {cell<QString>("game"), "-verbose", "-video", "none", "-sound", "none", "-seconds_to_run", "1"});
        QVERIFY(mame.waitForFinished(60000));
        const QString said = QString::fromLocal8Bit(mame.readAll());
        QVERIFY2(said.contains("Parsing " + cell<QString>("file")), qPrintable(said.left(2000)));
        if (cell<QString>("game") == u"pong")
            QCOMPARE(mame.exitCode(), 0);
        QFile::remove(file);
    }

    // With no ROM sets at all every set is "best available" or silent: the summary still shows.
    void verifyAllRoms() {
        s().dialogs.answers << true;
        s().trigger("verifyRomsAction");
        QVERIFY2(s().text().split(u'\n').first().contains("romsets found"), qPrintable(s().text().left(300)));
        QVERIFY(readFile(s().sandbox.reportsPath() + "roms.txt").contains("romsets found"));
        s().leaveText();
        s().trigger("viewRomsReportAction");
        QVERIFY(s().text().split(u'\n').first().contains("romsets found"));
        s().leaveText();
    }

    // On a first start the setup finds the emulator on the search path and proposes its folders.
    void setupFindsTheEmulator() {
        const QByteArray path = qgetenv("PATH");
        qputenv("PATH", path + ":/usr/games");
        config::AppState fresh;
        gui::SetupDialog setup(fresh, s().dialogs);
        qputenv("PATH", path);
        QCOMPARE(setup.findChild<QLineEdit*>("mameEdit")->text(), QStringLiteral("/usr/games/"));
        QVERIFY(setup.findChild<QLineEdit*>("retroRomsEdit")->text().endsWith("/roms/"));
        QVERIFY(setup.findChild<QLineEdit*>("snapshotsEdit")->text().endsWith("/snap/"));
        QCOMPARE(setup.findChild<QLabel*>("noteLabel")->text(),
                 QStringLiteral("Your selections will automatically update the mame.ini file."));
    }

    // Play through a wrapper that checks every option with the emulator, then runs two seconds
    // without a window or sound (the debugger would run the machine at a crawl).
    void play_data() {
        columns<QString, QString, QString>({"rom", "settings", "message"});
        row("Pong with the emulator's defaults", "pong", "", "");
        row("Pong with every setting changed", "pong", "raster.cfg", "");
        row("Pong windowed by its own ini file", "pong", "pong.ini", "");
        row("Puck Man without its ROM files", "puckman", "",
            "M.A.M.E. could not run the game.\rRequired files are missing, the machine cannot be run.");
    }
    void play() {
        const QString& rom = cell<QString>("rom");
        const QString wrapper = s().sandbox.home() + "/wrapper/";
        writeFile(wrapper + "mame", "#!/bin/sh\nprintf '%s\\n' \"$@\" > \"$HOME/arguments.txt\"\n"
                                    "/usr/games/mame \"$@\" -showconfig > /dev/null || exit $?\n"
                                    "for a do shift; [ \"$a\" = -debug ] || set -- \"$@\" \"$a\"; done\n"
                                    "exec /usr/games/mame \"$@\" -video none -sound none -seconds_to_run 2\n");
        QFile(wrapper + "mame").setPermissions(QFile::ExeOwner | QFile::ReadOwner);
        settings::SettingsRecord record = settings::SettingsRecord::defaults();
        for (const settings::ListSetting& list : settings::listSettings())
            record.token(list.field) = list.token((list.defaultPosition + 1) % int(list.items.size()));
        for (const settings::SwitchSetting& each : settings::switchSettings())
            record.token(each.field) = each.token(!each.defaultOn);
        QFile::remove(s().sandbox.settingsPath() + "raster.cfg");
        const QString& settingsFile = cell<QString>("settings");
        if (settingsFile == u"raster.cfg")
            QVERIFY(settings::writeSettingsFile(s().sandbox.settingsPath() + "raster.cfg",
                                                settings::SettingsKind::Raster, record));
        if (settingsFile == u"pong.ini")
            writeFile(s().sandbox.home() + "/.mame/pong.ini", "window 1\n");
        QDir(s().state.directories.retroRoms).mkpath(rom); // today's emulator takes a folder as a set
        s().state.directories.mame = wrapper;
        s().dialogs.shown.clear();
        s().select(rom);
        s().click("playButton");
        s().state.directories.mame = QStringLiteral("/usr/games/");
        const QString message = cell<QString>("message");
        QCOMPARE(s().dialogs.texts(), message.isEmpty() ? QStringList() : QStringList{message});
        const QStringList arguments = QString(readFile(s().sandbox.home() + "/arguments.txt")).split('\n');
        QCOMPARE(arguments.first(), rom);
        QVERIFY(arguments.contains("-rompath") && arguments.contains("-snapshot_directory"));
        QCOMPARE(arguments.contains("-joystick"), settingsFile == u"raster.cfg");
        if (settingsFile == u"pong.ini") {
            // Nothing but the game and Marqueon's folders, each option followed by its value.
            for (qsizetype i = 1; i + 1 < arguments.size(); i += 2)
                QVERIFY2(arguments.at(i).endsWith("path") || arguments.at(i).endsWith("_directory"),
                         qPrintable(arguments.join(u' ')));
            QFile::remove(s().sandbox.home() + "/.mame/pong.ini");
        }
    }

    // Favourites go to the emulator's favorites.ini as its own menu writes them.
    void favouritesForTheEmulator() {
        for (const char* rom : {"pacman", "pong"}) {
            s().child<QLineEdit>("searchEdit")->clear();
            s().select(rom);
            s().trigger("favouriteAction");
        }
        const QString file = s().sandbox.home() + "/ui/favorites.ini";
        s().dialogs.files << file;
        s().trigger("exportFavouritesAction");
        QCOMPARE(s().dialogs.texts().last(), "2 favourites were added to " + file + ".");
        const QByteArray written = readFile(file);
        QVERIFY2(written.startsWith("[ROOT_FOLDER]\n[Favorite]\n\n") &&
                     written.contains("\npacman\nPac-Man (Midway)\n\n1980\nNamco (Midway license)\n0\n\npacman\n"
                                      "\n\n\n1\n\n\n\n0\n"),
                 written.constData());
        const auto entries = catalogue::readMameFavourites(written);
        QVERIFY(entries && entries->size() == 2);
        QCOMPARE(QStringList({entries->at(0).machine(), entries->at(1).machine()}), QStringList({"pacman", "pong"}));
    }

    // Pong played to its end above is in the history; the emulator's timer plugin keeps counts of
    // its own, where it runs: here, in the home folder, as from a terminal.
    void playHistory() {
        s().child<QLineEdit>("searchEdit")->clear();
        s().type("is:played");
        QCOMPARE(s().shownRoms("allList"), QStringLiteral("pong"));
        QProcess mame;
        mame.setWorkingDirectory(s().sandbox.home());
        mame.start("/usr/games/mame",
                   {"pong", "-plugin", "timer", "-video", "none", "-sound", "none", "-seconds_to_run", "1"});
        QVERIFY(mame.waitForFinished(60000) && mame.exitCode() == 0);
        const QString count =
            "Play Count: " + s().shownText("allList", "pong", catalogue::GameListModel::PlayCountColumn);
        s().trigger("refreshAction");
        QCOMPARE("Play Count: " + s().shownText("allList", "pong", catalogue::GameListModel::PlayCountColumn),
                 "Play Count: " + QString::number(count.section(' ', 2).toInt() + 1));
    }
};

QTEST_MAIN(TestTodayEmulator)
#include "TestTodayEmulator.moc"
