#include "../ScriptedUser.h"
#include "gui/maintenance/MaintenancePanel.h"
#include "support/ScriptedDialogs.h"
#include "support/TestSandbox.h"

#include <QDirIterator>
#include <QProcess>
#include <QSignalSpy>

#include <memory>
#include <utility>

#include <unistd.h>

using Icon = gui::Dialogs::Icon;

namespace {

// The four file tabs in tab order: the word in their boxes' names, their folder in the MAME directory (which names
// their OK button too) and the extension of their files.
struct FileTab {
    const char *name, *folder, *ext;
};
constexpr FileTab FileTabs[] = {
    {"Cfg", "cfg", ".cfg"}, {"Hi", "hi", ".hi"}, {"Nvram", "nvram", ".nv"}, {"Snap", "snap", ".png"}};

// The game shown; ticks, then Return on the OK button they gave the focus; Y or N for each question; what is done
// in the sandbox first (-removed, +made a folder, #locked); the texts shown, one a line; the entries deleted; and
// whether mame.cfg is written anew (else it stays as it was).
struct Command {
    QString rom, steps, answers, prepare, texts, gone;
    bool recreated = false;
};

// Every box clear, every OK button out of use, and the focus on the return button.
QString cleared() {
    QString checks = "returnButton:focus deleteRomsReportBox:off deleteSamplesReportBox:off deleteSetsReportBox:off "
                     "reportsButton:disabled recreateConfigBox:off configButton:disabled";
    for (const FileTab& tab : FileTabs)
        checks += QString(" delete%1Box:off deleteAll%1Box:off %2Button:disabled").arg(tab.name, tab.folder);
    return checks;
}

// Root ignores permissions, so there an immutable folder stands in for a read-only one.
bool lockFolder(const QString& folder, bool locked) {
    if (geteuid() != 0)
        return QFile::setPermissions(folder, locked ? QFile::ReadOwner | QFile::ExeOwner
                                                    : QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    return QProcess::execute("chattr", {locked ? "+i" : "-i", folder}) == 0;
}

} // namespace

Q_DECLARE_METATYPE(Command)

class TestMaintenancePanel : public QObject {
    Q_OBJECT

    std::unique_ptr<TestSandbox> m_sandbox;
    std::unique_ptr<ScriptedDialogs> m_dialogs;
    std::unique_ptr<gui::MaintenancePanel> m_panel;
    ScriptedUser m_user;
    QString m_locked;

    // Every entry in the sandbox, links not followed.
    QStringList everything() const {
        QStringList entries;
        QDirIterator it(m_sandbox->root(), QDir::AllEntries | QDir::NoDotAndDotDot, QDirIterator::Subdirectories);
        while (it.hasNext())
            entries << QDir(m_sandbox->root()).relativeFilePath(it.next());
        entries.sort();
        return entries;
    }

private slots:
    void init() {
        m_sandbox = std::make_unique<TestSandbox>();
        m_dialogs = std::make_unique<ScriptedDialogs>();
        m_panel = std::make_unique<gui::MaintenancePanel>(m_sandbox->state(), *m_dialogs);
        m_user = ScriptedUser{m_panel.get()};
        m_panel->show();
        QVERIFY(QTest::qWaitForWindowActive(m_panel.get()));
    }
    void cleanup() {
        if (!m_locked.isEmpty())
            lockFolder(std::exchange(m_locked, {}), false);
        m_panel.reset();
    }

    void captionsAndReturn() {
        QSignalSpy returned(m_panel.get(), &gui::MaintenancePanel::returnRequested);
        auto* tabs = m_panel->findChild<QTabWidget*>("maintenanceTabs");
        QCOMPARE(tabs->tabText(0) + '/' + tabs->tabText(5), "Cfg Folder/M.A.M.E. Config File");
        m_panel->open("galx");
        QCOMPARE(m_panel->title() + '/' + m_user.find("returnButton")->property("text").toString(),
                 "Maintenance/Return To &Game List");
        m_user.act("returnButton:focus Return");
        QCOMPARE(returned.count(), 1);
        m_user.act("Alt+G");
        QCOMPARE(returned.count(), 2);
    }

    void boxes_data() {
        QTest::addColumn<QString>("rom");
        QTest::addColumn<QString>("steps");
        QString game = "?maintenanceTabs=0 " + cleared(), none = game;
        for (const FileTab& tab : FileTabs) {
            game += QString(" delete%1Box:enabled deleteAll%1Box:enabled").arg(tab.name);
            none += QString(" delete%1Box:disabled deleteAll%1Box:enabled").arg(tab.name);
        }
        QTest::newRow("opened for a game") << "galx" << game;
        QTest::newRow("opened with no game shown") << "" << none;
        for (const FileTab& tab : FileTabs) {
            // %1 the game's box, %2 the box for all files, %3 the OK button.
            const auto row = [&](const char* name, const char* steps) {
                QTest::addRow("%s, %s", tab.ext, name)
                    << "galx"
                    << QString(steps).arg(QString("delete%1Box").arg(tab.name), QString("deleteAll%1Box").arg(tab.name),
                                          QString(tab.folder) + "Button");
            };
            row("one, then all", "%1 %2 %1:off %2:on %3:enabled %3:focus");
            row("all, then one", "%2 %1 %2:off %1:on %3:enabled %3:focus");
            row("ticked and cleared", "%1 %1 %1:off %2:off %3:disabled returnButton:focus");
        }
        QTest::newRow("one of two reports cleared") << "galx"
                                                    << "deleteRomsReportBox deleteSetsReportBox deleteRomsReportBox "
                                                       "reportsButton:enabled deleteSetsReportBox:on";
        QTest::newRow("mame.cfg") << "galx"
                                  << "recreateConfigBox configButton:enabled configButton:focus recreateConfigBox "
                                     "configButton:disabled returnButton:focus";
    }
    void boxes() {
        QFETCH(QString, rom);
        QFETCH(QString, steps);
        // Opening clears what was left ticked.
        m_user.act("deleteCfgBox deleteAllHiBox deleteNvramBox deleteAllSnapBox deleteSetsReportBox recreateConfigBox");
        m_panel->open(rom);
        m_user.act(steps);
    }

    void command_data() {
        QTest::addColumn<Command>("row");
        for (const FileTab& tab : FileTabs) {
            const QString ext = tab.ext, button = QString(tab.folder) + "Button:focus Return";
            const QString one = QString("delete%1Box ").arg(tab.name) + button,
                          all = QString("deleteAll%1Box ").arg(tab.name) + button;
            // A single game's screen shot is looked for in the snapshot directory, here apart from snap.
            const QString in = "mame/" + QString(tab.folder) + '/', shot = ext == ".png" ? "shots/" : in;
            const QString ask = "Are you sure you want to delete the " + ext + " file for galx?";
            const QString askAll = "Are you sure you want to delete all " + ext + " files?";
            addRow<Command>(ext + ", the game's, Yes", "galx", one, "Y", "", ask, shot + "galx" + ext);
            addRow<Command>(ext + ", the game's, locked", "galx", one, "Y", '#' + shot,
                            ask + "\nThe " + ext + " file for galx could not be deleted.", "");
            addRow<Command>(ext + ", the game's, No", "galx", one, "N", "", ask, "");
            addRow<Command>(ext + ", ../galx", "../galx", one, "", "", "There is no " + ext + " file for ../galx.", "");
            addRow<Command>(ext + ", all, Yes", "galx", all, "Y", "", askAll,
                            in + "galx" + ext + ' ' + in + "galxb" + ext + ' ' + in + "zoom" + ext);
            addRow<Command>(ext + ", all, No, no game shown", "", all, "N", "", askAll, "");
            addRow<Command>(ext + ", all, locked", "galx", all, "Y", '#' + in,
                            askAll + "\n3 " + ext + " files could not be deleted.", "");
            addRow<Command>(ext + ", all, no folder", "galx", all, "", '-' + in,
                            "There are no " + ext + " files to delete.", "");
        }
        const QString ask = "Are you sure you want to delete the %1 report?", reports = "app/reports/";
        addRow<Command>("reports: Yes, none there, No", "galx",
                        "deleteRomsReportBox deleteSamplesReportBox deleteSetsReportBox reportsButton:focus Return",
                        "YN", "-app/reports/samples.txt",
                        ask.arg("ROMs") + "\nThere is no Samples report to delete.\n" + ask.arg("Sets"),
                        reports + "roms.txt");
        addRow<Command>("reports, locked", "galx", "deleteRomsReportBox reportsButton:focus Return", "Y", '#' + reports,
                        ask.arg("ROMs") + "\nThe ROMs report could not be deleted.", "");
        const QString recreate = "recreateConfigBox configButton:focus Return";
        const QString sure = "Are you sure you want to delete the mame.cfg file?";
        addRow<Command>("mame.cfg, Yes", "galx", recreate, "Y", "", sure, "", true);
        addRow<Command>("mame.cfg, No", "galx", recreate, "N", "", sure, "");
        addRow<Command>("mame.cfg, none", "galx", recreate, "", "-mame/mame.cfg", "There is no mame.cfg file.", "");
        addRow<Command>("mame.cfg, cannot be written", "galx", recreate, "Y", "-mame/mame.cfg +mame/mame.cfg",
                        sure + "\nThe mame.cfg file could not be written in @M", "");
    }
    void command() {
        QFETCH(Command, row);
        // The files of each kind for galx, galxb and zoom, with a link and a folder where they do not belong and one
        // outside; Marqueon's reports; an edited mame.cfg.
        const QString root = m_sandbox->root() + '/';
        config::AppState& state = m_sandbox->state();
        state.directories.snapshots = QDir::toNativeSeparators(root + "shots/");
        state.preferences.listChoice = config::ListChoice::All;
        for (const FileTab& each : FileTabs) {
            const QString in = m_sandbox->mamePath() + each.folder + '/';
            for (const char* name : {"galx", "galxb", "zoom", "sub/galx", "../galx"})
                writeFile(in + name + each.ext, "x");
            QVERIFY(QDir().mkpath(in + "folder" + each.ext));
            writeFile(root + "elsewhere/kept" + each.ext, "kept");
            QVERIFY(QFile::link(root + "elsewhere/kept" + each.ext, in + "linked" + each.ext));
        }
        for (const char* name : {"shots/galx.png", "shots/galxb.png", "shots/zoom.png", "app/reports/roms.txt",
                                 "app/reports/samples.txt", "app/reports/sets.txt", "app/reports/gameinfo.txt"})
            writeFile(root + name, "x");
        writeFile(m_sandbox->mamePath() + "mame.cfg", "[directory]\r\nrompath = mine\r\n[video]\r\nscanlines = no\r\n");
        for (const QString& step : row.prepare.split(u' ', Qt::SkipEmptyParts)) {
            const QString path = root + step.mid(1);
            if (step.startsWith(u'-'))
                QVERIFY(QFile::remove(path) || QDir(path).removeRecursively());
            else if (step.startsWith(u'+'))
                QVERIFY(QDir().mkpath(path));
            else if (!lockFolder(m_locked = path, true))
                QSKIP("A folder cannot be made read-only here.");
        }
        QStringList expected = everything();
        for (const QString& entry : row.gone.split(u' ', Qt::SkipEmptyParts))
            QVERIFY(expected.removeAll(entry) == 1);
        const QByteArray cfg = readFile(m_sandbox->mamePath() + "mame.cfg");
        for (QChar answer : row.answers)
            m_dialogs->answers << (answer == u'Y');

        m_panel->open(row.rom);
        m_user.act(row.steps + ' ' + cleared());
        for (const ScriptedDialogs::Shown& each : std::as_const(m_dialogs->shown)) // No the default answer, always
            QVERIFY2(each.title == u"Marqueon" &&
                         each.defaultNo == (each.kind == ScriptedDialogs::Shown::Kind::Question) &&
                         each.icon == (each.text.contains("could not") ? Icon::Critical : Icon::Information),
                     qPrintable(each.text));
        const config::Directories& d = state.directories;
        QCOMPARE(m_dialogs->texts().join(u'\n'), row.texts.replace("@M", d.mame));
        QCOMPARE(everything(), expected);
        const QString fresh = "[directory]\r\nrompath = " + d.retroRoms + ';' + d.neoGeoRoms +
                              "\r\nsamplepath = " + d.samples + "\r\nsnap = " + d.snapshots +
                              "\r\n"; // not merged into the edited file
        QCOMPARE(readFile(d.mame + "mame.cfg"), row.recreated ? fresh.toLatin1() : cfg);
    }
};

QTEST_MAIN(TestMaintenancePanel)
#include "TestMaintenancePanel.moc"
