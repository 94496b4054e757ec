#include "core/exec/CommandRunner.h"
#include "core/exec/Emulator.h"
#include "gui/maintenance/MaintenancePanel.h"
#include "support/Controls.h"
#include "support/ScriptedDialogs.h"
#include "support/TableRows.h"

#include <QDirIterator>
#include <QProcess>
#include <QPushButton>

class TestMaintenancePanel : public QObject {
    Q_OBJECT

    std::unique_ptr<TestSandbox> m_sandbox;
    ScriptedDialogs m_dialogs;
    std::unique_ptr<gui::MaintenancePanel> m_panel;
    QStringList m_locked;

    QAbstractButton* child(const QString& name) const { return control<QAbstractButton>(m_panel.get(), name); }
    QString root() const { return m_sandbox->root() + '/'; }
    // Ticks a box and presses Return on the OK button it focused; after, all is clear and the return button focused.
    void confirm(const QString& box, const QString& button) const {
        click(child(box));
        QCOMPARE(QApplication::focusWidget(), child(button));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        QVERIFY(!child(box)->isChecked() && !child(button)->isEnabled());
        QCOMPARE(QApplication::focusWidget(), m_panel->returnButton());
    }
    // The panel opened on the emulator's files; today's emulator (the stand-in) says where they are.
    void open(const QString& romName, exec::Interface interface = exec::Interface::Classic) {
        exec::CommandRunner runner;
        const exec::Emulator emulator(m_sandbox->state(), interface);
        const auto files = maintenance::EmulatorFiles::locate(m_sandbox->state(), emulator, runner);
        QVERIFY(files);
        m_panel->open(romName, *files, {"galx", "zoom"});
    }
    void speakToday() {
        writeFile(m_sandbox->mamePath() + "standin-today", "");
        qputenv("HOME", root().toLocal8Bit());
    }
    QStringList everything() const { // under the sandbox, links not followed
        QStringList entries;
        for (QDirIterator it(root(), QDir::AllEntries | QDir::NoDotAndDotDot, QDirIterator::Subdirectories);
             it.hasNext();)
            entries << QDir(root()).relativeFilePath(it.next());
        entries.sort();
        return entries;
    }

private slots:
    void init() {
        m_sandbox = std::make_unique<TestSandbox>();
        m_sandbox->state().directories.snapshots = QDir::toNativeSeparators(root() + "shots/");
        m_dialogs = ScriptedDialogs();
        m_panel = std::make_unique<gui::MaintenancePanel>(m_sandbox->state(), m_dialogs);
        m_panel->show();
        QVERIFY(QTest::qWaitForWindowActive(m_panel.get()));
    }
    void cleanup() {
        for (const QString& folder : std::exchange(m_locked, {}))
            QProcess::execute("chattr", {"-i", folder});
        // No the default answer of every question; failures the only critical messages.
        for (const ScriptedDialogs::Shown& each : std::as_const(m_dialogs.shown))
            QVERIFY2(each.title == u"Marqueon" &&
                         each.defaultNo == (each.kind == ScriptedDialogs::Shown::Kind::Question) &&
                         (each.icon == gui::Dialogs::Icon::Critical) == each.text.contains("could not"),
                     qPrintable(each.text));
    }
    // A game's own screen shot lies in the snapshot directory, apart from the snap folder.
    void deleteFiles_data() {
        columns<QString, QString, QString, QString, QString, QString>(
            {"gameBox", "allBox", "button", "folder", "gameFolder", "extension"});
        row(".cfg", "deleteCfgBox", "deleteAllCfgBox", "cfgButton", "mame/cfg/", "mame/cfg/", ".cfg");
        row(".hi", "deleteHiBox", "deleteAllHiBox", "hiButton", "mame/hi/", "mame/hi/", ".hi");
        row(".nv", "deleteNvramBox", "deleteAllNvramBox", "nvramButton", "mame/nvram/", "mame/nvram/", ".nv");
        row(".png", "deleteSnapBox", "deleteAllSnapBox", "snapButton", "mame/snap/", "shots/", ".png");
    }
    void deleteFiles() {
        const QString &gameBox = cell<QString>("gameBox"), &allBox = cell<QString>("allBox");
        const QString &button = cell<QString>("button"), &ext = cell<QString>("extension");
        const QString &folder = cell<QString>("folder"), &gameFolder = cell<QString>("gameFolder");
        const QStringList files{gameFolder + "galx", folder + "galx", folder + "galxb", folder + "zoom"};
        for (const QString& name : files)
            writeFile(root() + name + ext, "x");
        QStringList expected = everything();
        open("galx");
        QCOMPARE(QApplication::focusWidget(), m_panel->returnButton());
        click(child(gameBox));
        click(child(allBox)); // either box of the pair clears the other
        QVERIFY(!child(gameBox)->isChecked() && child(allBox)->isChecked());
        open("galx"); // clears it, back on the first tab
        QVERIFY(!child(allBox)->isChecked() && !child(button)->isEnabled() &&
                control<QTabWidget>(m_panel.get(), "maintenanceTabs")->currentIndex() == 0);
        m_dialogs.answers << false << false << true << true << true << true;
        confirm(gameBox, button);
        confirm(allBox, button);
        QCOMPARE(everything(), expected);
        confirm(gameBox, button);
        open("../galx");
        confirm(gameBox, button);
        confirm(allBox, button);
        for (const QString& name : files)
            expected.removeOne(name + ext);
        QCOMPARE(everything(), expected);
        open(QString()); // the list shown has no game
        QVERIFY(!child(gameBox)->isEnabled());
        confirm(allBox, button);
        const QString sure = "Are you sure you want to delete the " + ext + " file for galx?",
                      sureAll = "Are you sure you want to delete all " + ext + " files?";
        QCOMPARE(m_dialogs.texts(), QStringList({sure, sureAll, sure, exec::unplainGameNameMessage("../galx"), sureAll,
                                                 "There are no " + ext + " files to delete."}));
        for (const QString& name : files)
            writeFile(root() + name + ext, "x");
        m_locked = {root() + folder, root() + gameFolder}; // immutable, as root ignores permissions; until cleanup()
        for (const QString& locked : m_locked)
            if (QProcess::execute("chattr", {"+i", locked}) != 0)
                QSKIP("A folder cannot be made read-only here.");
        open("galx");
        confirm(gameBox, button);
        confirm(allBox, button);
        QCOMPARE(m_dialogs.texts().mid(6), QStringList({sure, "The " + ext + " file for galx could not be deleted.",
                                                        sureAll, "3 " + ext + " files could not be deleted."}));
    }
    // mame.cfg is written anew in one step, not merged into the file the user edited.
    void reportsAndConfig() {
        for (const char* name : {"roms.txt", "sets.txt", "gameinfo.txt"})
            writeFile(m_sandbox->reportsPath() + name, "x");
        const config::Directories& d = m_sandbox->state().directories;
        const QString cfg = d.mame + "mame.cfg";
        writeFile(cfg, "[directory]\r\nrompath = mine\r\n[video]\r\nscanlines = no\r\n");
        m_sandbox->state().preferences.listChoice = config::ListChoice::All;
        m_dialogs.answers << true << false << false << true << true;
        open("galx");
        for (const char* box :
             {"deleteRomsReportBox", "deleteSetsReportBox", "deleteSamplesReportBox", "deleteSamplesReportBox"})
            click(child(box));
        QVERIFY(child("reportsButton")->isEnabled()); // while one is ticked
        confirm("deleteSamplesReportBox", "reportsButton");
        QCOMPARE(QDir(m_sandbox->reportsPath()).entryList(QDir::Files), QStringList({"gameinfo.txt", "sets.txt"}));
        confirm("recreateConfigBox", "configButton");
        QVERIFY(readFile(cfg).contains("rompath = mine"));
        confirm("recreateConfigBox", "configButton");
        QCOMPARE(QString(readFile(cfg)), "[directory]\r\nrompath = " + d.retroRoms + ';' + d.neoGeoRoms +
                                             "\r\nsamplepath = " + d.samples + "\r\nsnap = " + d.snapshots + "\r\n");
        QVERIFY(QFile::remove(cfg) && QDir().mkpath(cfg)); // a folder in its place
        confirm("recreateConfigBox", "configButton");
        QVERIFY(QDir().rmdir(cfg));
        confirm("recreateConfigBox", "configButton");
        const QString sure = "Are you sure you want to delete the ";
        QCOMPARE(m_dialogs.texts(),
                 QStringList({sure + "ROMs report?", "There is no Samples report to delete.", sure + "Sets report?",
                              sure + "mame.cfg file?", sure + "mame.cfg file?", sure + "mame.cfg file?",
                              "The mame.cfg file could not be written in " + d.mame, "There is no mame.cfg file."}));
    }
    // Today's emulator keeps a game's files where its configuration says, some in a folder per game.
    void todayGameFiles_data() {
        columns<QString, QString, QString, QString, bool>({"gameBox", "allBox", "button", "folder", "gameFolders"});
        row(".cfg", "deleteCfgBox", "deleteAllCfgBox", "cfgButton", "mame/cfg/", false);
        row(".hi", "deleteHiBox", "deleteAllHiBox", "hiButton", "mame/hiscore/", false);
        row(".nv", "deleteNvramBox", "deleteAllNvramBox", "nvramButton", "mame/nvram/", true);
        row(".png", "deleteSnapBox", "deleteAllSnapBox", "snapButton", "shots/", true);
    }
    void todayGameFiles() {
        const QString &folder = cell<QString>("folder"), ext = QTest::currentDataTag();
        const bool gameFolders = cell<bool>("gameFolders");
        speakToday();
        const QStringList before = everything();
        for (const char* game : {"galx", "zoom"}) {
            writeFile(root() + folder + QLatin1String(game) + ext, "x");
            if (gameFolders)
                writeFile(root() + folder + QLatin1String(game) + "/0000" + ext, "x");
        }
        open("galx", exec::Interface::Today);
        m_dialogs.answers << true << true;
        confirm(cell<QString>("gameBox"), cell<QString>("button"));
        QVERIFY(!everything().join(' ').contains("galx"));
        QVERIFY(everything().contains(folder + "zoom" + ext));
        confirm(cell<QString>("allBox"), cell<QString>("button"));
        QStringList left = everything();
        left.removeIf([&](const QString& entry) { return before.contains(entry) || (folder + "x").startsWith(entry); });
        QCOMPARE(left, QStringList());
    }
    // The user's mame.ini gets Marqueon's directories back; the rest of it stays.
    void todayConfigFile() {
        speakToday();
        const QString ini = root() + ".mame/mame.ini";
        writeFile(ini, "\xEF\xBB\xBF# mine\r\nrompath  /elsewhere\r\nskip_gameinfo 1\r\n");
        m_sandbox->state().preferences.listChoice = config::ListChoice::Retro;
        open("galx", exec::Interface::Today);
        m_dialogs.answers << true;
        confirm("recreateConfigBox", "configButton");
        const config::Directories& d = m_sandbox->state().directories;
        // Marqueon's folders first; the folder the emulator searched before stays searched after them.
        QCOMPARE(readFile(ini), "\xEF\xBB\xBF# mine\r\nrompath                   " + d.retroRoms.toUtf8() +
                                    ";/elsewhere\r\nskip_gameinfo 1\r\nsamplepath                " +
                                    d.samples.toUtf8() + "\r\nsnapshot_directory        " + d.snapshots.toUtf8() +
                                    "\r\n");
        QCOMPARE(m_dialogs.texts(),
                 QStringList{"Are you sure you want to set Marqueon's directories in the mame.ini file again?"});
    }
};

QTEST_MAIN(TestMaintenancePanel)
#include "TestMaintenancePanel.moc"
