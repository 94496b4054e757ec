#include "core/catalogue/CatalogueInfo.h"
#include "core/catalogue/CatalogueLoader.h"
#include "support/RecordedProgress.h"
#include "support/Session.h"
#include "support/TableRows.h"

#include "core/settings/SettingsFile.h"
#include "gui/setup/SetupDialog.h"

#include <QLineEdit>

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

    void auditOfPong() {
        s().select("pong");
        s().trigger("auditAction");
        QVERIFY2(s().text().contains("romset pong is best available"), qPrintable(s().text()));
        QVERIFY(s().text().startsWith("ROMs\n----------\n"));
        s().leaveText();
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
        columns<QString, bool, QString>({"rom", "settings", "message"});
        row("Pong with the emulator's defaults", "pong", false, "");
        row("Pong with every setting changed", "pong", true, "");
        row("Puck Man without its ROM files", "puckman", false,
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
        if (cell<bool>("settings"))
            QVERIFY(settings::writeSettingsFile(s().sandbox.settingsPath() + "raster.cfg",
                                                settings::SettingsKind::Raster, record));
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
        QCOMPARE(arguments.contains("-joystick"), cell<bool>("settings"));
    }
};

QTEST_MAIN(TestTodayEmulator)
#include "TestTodayEmulator.moc"
