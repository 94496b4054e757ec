#include "core/config/OptionsFile.h"
#include "core/exec/CommandRunner.h"
#include "core/exec/EmulatorConfig.h"
#include "core/setup/SetupRules.h"
#include "support/TableRows.h"

using config::Directories;
using config::ListChoice;
using setup::DirectoryField;

Q_DECLARE_METATYPE(Directories)

class TestSetupRules : public QObject {
    Q_OBJECT
private slots:
    // OK's checks in order. The MAME directory "@" holds the emulator, "/folder/" only a folder
    // named like it, "/" nothing; a ROM directory "-" is not used by the list choice.
    void check_data() {
        columns<Directories, DirectoryField, QString>({"directories", "field", "message"});
        using D = Directories;
        const auto M = DirectoryField::Mame;
        const auto select = [](const char* name) {
            return "You must select a " + QString(name) + " directory!";
        };
        row("all there", D{"@", "/r/", "/n/", "/s/", "/p/"}, M, "");
        row("no MAME directory", D{"", "/r/", "/n/", "", "/p/"}, M, select("M.A.M.E."));
        row("MAME directory without the emulator", D{"/", "/r/", "/n/", "", "/p/"}, M,
            "Cannot find " + config::mameFileName() + "!");
        row("a folder named like the emulator", D{"/folder/", "/r/", "/n/", "/s/", "/p/"}, M,
            "Cannot find " + config::mameFileName() + "!");
        row("no Retro ROMs", D{"@", "", "/n/", "", "/p/"}, DirectoryField::RetroRoms, select("Retro ROMs"));
        row("no Retro ROMs needed", D{"@", "-", "/n/", "/s/", "/p/"}, M, "");
        row("no Neo-Geo ROMs", D{"@", "/r/", "", "/s/", ""}, DirectoryField::NeoGeoRoms, select("Neo-Geo ROMs"));
        row("no Neo-Geo ROMs needed", D{"@", "/r/", "-", "/s/", "/p/"}, M, "");
        row("no samples", D{"@", "-", "-", "", ""}, DirectoryField::Samples, select("Samples"));
        row("no snapshots", D{"@", "/r/", "/n/", "/s/", ""}, DirectoryField::Snapshots, select("Snap"));
        // What the options file cannot hold exactly is refused, never stored changed.
        const QString store = "Marqueon cannot store the %1 directory: %2.  Please select another directory.";
        row("a name outside Latin-1", D{"@", "/r/", "/n/", "/s\u00e9/\u30b2\u30fc\u30e0/", "/p/"},
            DirectoryField::Samples,
            store.arg("Samples", "its name holds characters other than Western European (Latin-1) ones"));
        row("255 characters", D{"@", "/r/", "/" + QString(253, u'n') + "/", "/s\u00e9/", "/p/"},
            DirectoryField::NeoGeoRoms,
            store.arg("Neo-Geo ROMs", "it is 255 characters long, and at most 254 can be stored"));
        row("254 characters", D{"@", "/" + QString(252, u'r') + "/", "/n/", "/s/", "/p/"}, M, "");
    }
    void check() {
        TestSandbox sandbox;
        QDir(sandbox.root()).mkpath("folder/" + config::mameFileName());
        setup::SetupForm form{{}, cell<Directories>("directories")};
        Directories& d = form.directories;
        d.mame = d.mame == u"@" ? sandbox.mamePath() : d.mame.isEmpty() ? d.mame : sandbox.root() + d.mame;
        form.retroRomsUsed = d.retroRoms != u"-";
        form.neoGeoRomsUsed = d.neoGeoRoms != u"-";
        d.retroRoms.remove(u'-');
        d.neoGeoRoms.remove(u'-');
        const std::optional<setup::Refusal> refusal = setup::check(form);
        QTEST(refusal ? refusal->message : QString(), "message");
        QTEST(refusal ? refusal->field : DirectoryField::Mame, "field");
        // Only a directory without the emulator is emptied for the next choice.
        QCOMPARE(refusal && refusal->clear, refusal && refusal->message.startsWith(u"Cannot find"));
    }
    void proposals_data() {
        columns<ListChoice, Directories>({"choice", "proposed"});
        row("Retro", ListChoice::Retro, Directories{"/g/", "/g/roms/", "", "/g/samples/", "/g/snap/"});
        row("all games", ListChoice::All, Directories{"/g/", "/g/roms/", "/g/neoroms/", "/g/samples/", "/g/snap/"});
        row("Neo-Geo", ListChoice::NeoGeo, Directories{"/g/", "", "/g/neoroms/", "/g/samples/", "/g/snap/"});
    }
    void proposals() {
        const ListChoice choice = cell<ListChoice>("choice");
        QTEST(setup::proposeDirectories("/g/", choice), "proposed");
        QCOMPARE(setup::usesRetroRoms(choice), !cell<Directories>("proposed").retroRoms.isEmpty());
        QCOMPARE(setup::usesNeoGeoRoms(choice), !cell<Directories>("proposed").neoGeoRoms.isEmpty());
    }
    // Today's emulator proposes where its configuration looks: the first folder that exists.
    void todayProposals() {
        QTemporaryDir home;
        QVERIFY(QDir(home.path()).mkpath("b/roms") && QDir(home.path()).mkpath("snap"));
        const auto config = exec::EmulatorConfig::parse(
            "rompath $HOME/a/roms;$HOME/b/roms\nsamplepath ~/samples;/nowhere\nsnapshot_directory snap\n", home.path(),
            home.path());
        const QString h = home.path() + '/';
        QCOMPARE(setup::proposeDirectories("/usr/games/", ListChoice::All, config),
                 (Directories{"/usr/games/", h + "b/roms/", h + "b/roms/", h + "samples/", h + "snap/"}));
    }
    void emulatorOnPath() {
        QTemporaryDir bin;
        writeFile(bin.filePath(config::mameFileName()), "");
        QFile(bin.filePath(config::mameFileName())).setPermissions(QFile::ExeOwner | QFile::ReadOwner);
        const QByteArray path = qgetenv("PATH");
        qputenv("PATH", "/nowhere:" + bin.path().toLocal8Bit());
        QCOMPARE(setup::emulatorOnPath(), bin.path() + '/');
        qputenv("PATH", "/nowhere");
        QCOMPARE(setup::emulatorOnPath(), QString());
        qputenv("PATH", path);
    }
    // OK writes the emulator's file, then the options; the state changes only when both are written.
    void commit_data() {
        columns<QString, QString>({"blocked", "message"});
        row("both written", "", "");
        row("mame.cfg unwritable", "mame.cfg",
            "Cannot write the mame.cfg file in the M.A.M.E. directory!  Please make sure that it can be written to, "
            "or select another directory.");
        row("options unwritable", "settings", "Cannot write the options file in @!  Your choices were not saved.");
        // Today's emulator (the stand-in) reads the user's mame.ini in ~/.mame.
        row("today: mame.ini written", "today", "");
        row("today: mame.ini unwritable", "today .mame",
            "Cannot write the mame.ini file of this M.A.M.E. (@.mame/mame.ini)!  Please make sure that it can be "
            "written to, or select another directory.");
    }
    void commit() {
        TestSandbox sandbox;
        const config::AppState before = sandbox.state();
        const QString cfg = sandbox.mamePath() + "mame.cfg", blocked = cell<QString>("blocked");
        writeFile(cfg, "[config]\r\nframeskip = 2\r\nrompath = old\r\n");
        if (blocked == "mame.cfg")
            place(cfg, "/");
        if (blocked == "settings")
            place(sandbox.settingsPath().chopped(1), "a file");
        const QString home = sandbox.root() + '/', ini = home + ".mame/mame.ini";
        if (blocked.startsWith("today")) {
            writeFile(sandbox.mamePath() + "standin-today", "");
            qputenv("HOME", home.toLocal8Bit());
            if (blocked.endsWith(".mame"))
                place(home + ".mame", "a file");
        }
        const setup::SetupForm form{{ListChoice::NeoGeo, true}, {before.directories.mame, "/r/", "/n/", "/s/", "/p/"}};
        config::AppState state = before, stored;
        exec::CommandRunner runner;
        const std::optional<setup::Refusal> refusal = setup::commit(state, form, runner);
        QCOMPARE(
            refusal ? refusal->message : QString(),
            QString(cell<QString>("message")).replace("@", blocked.startsWith("today") ? home : before.settingsPath()));
        QVERIFY(!refusal || refusal->field == DirectoryField::Mame);
        config::SavedView view;
        QVERIFY(config::readOptions(state.optionsFile(), stored, view)); // no file reads as the defaults
        QCOMPARE(state.preferences, refusal ? before.preferences : form.preferences);
        QCOMPARE(stored.preferences, refusal ? config::Preferences{} : form.preferences);
        QCOMPARE(state.directories, refusal ? before.directories : form.directories);
        QCOMPARE(stored.directories, refusal ? Directories{} : form.directories);
        QCOMPARE(state.mameRomPath, refusal ? QString() : "/n/");
        if (!refusal && blocked.startsWith("today"))
            QCOMPARE(readFile(ini), QByteArray("rompath                   /n/\nsamplepath                /s/\n"
                                               "snapshot_directory        /p/\n"));
        else if (!refusal)
            QCOMPARE(readFile(cfg), QByteArray("[config]\r\nframeskip = 2\r\nrompath = /n/\r\n"));
    }
};

QTEST_GUILESS_MAIN(TestSetupRules)
#include "TestSetupRules.moc"
