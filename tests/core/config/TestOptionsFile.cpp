#include "core/config/OptionsFile.h"
#include "core/config/PreferenceChanges.h"
#include "support/TableRows.h"

using namespace config;

Q_DECLARE_METATYPE(AppState)
Q_DECLARE_METATYPE(Preferences)
Q_DECLARE_METATYPE(Directories)
Q_DECLARE_METATYPE(SavedView)

namespace {
AppState installed() {
    AppState state;
    state.directories = {"/m/", "/r/", "/n/", "/s/", "/p/"};
    return state;
}

// The installation with one part of it changed.
template <typename Part, typename T> AppState changed(Part AppState::*part, T Part::*field, T value) {
    AppState state = installed();
    state.*part.*field = value;
    return state;
}
} // namespace

class TestOptionsFile : public QObject {
    Q_OBJECT
    QString path() const { return m_dir.filePath(QStringLiteral("options.ini")); }
    QTemporaryDir m_dir;
private slots:
    // The first row is the file the setup and an exit write, each section in its fixed key order.
    void read_data() {
        columns<QByteArray, bool, Preferences, Directories, SavedView>(
            {"content", "readable", "preferences", "directories", "view"});
        row("written",
            QByteArray(
                "[Preferences]\r\nGameList=RetroP\r\nHideClones=True\r\nCloneShots=False\r\n"
                "DisableHotKeys=True\r\nUseStarfield=False\r\nBackColor=1056816\r\nForeColor=4214880\r\n"
                "[Directories]\r\nMAME=/m/\r\nRetroROMs=/r/\r\nNeoGeoROMs=/n/\r\nSamples=/s/\r\n"
                "Snapshots=/p/\r\n[Finding]\r\nArtworkFolder=/art/\r\n[ShutDown]\r\nMAMEDate=2026-01-02T03:04:05\r\n"
                "GameView=Uninstalled Games\r\nAllIndex=1000000\r\nAllSortKey=9\r\nAllSortOrder=1\r\n"
                "InstalledIndex=32767\r\nInstalledSortKey=0\r\nInstalledSortOrder=0\r\n"
                "UninstalledIndex=-5\r\nUninstalledSortKey=3\r\nUninstalledSortOrder=0\r\nScreenShots=True\r\n"
                "[Window]\r\nGeometry=10,-20,900,600\r\nMaximized=True\r\nSplitter=191,317\r\n"
                "AllColumns=5:147,0:220,3:0h\r\nInstalledColumns=\r\nUninstalledColumns=\r\n"
                "Picture=titles\r\n"),
            true, Preferences{ListChoice::All, true, false, true, false, 0x102030, 0x405060, "", false, "/art/"},
            installed().directories,
            SavedView{"2026-01-02T03:04:05",
                      GameView::Uninstalled,
                      {{{1000000, 9, 1}, {32767, 0, 0}, {-5, 3, 0}}},
                      true,
                      {QRect(10, -20, 900, 600), true, {191, 317}, {"5:147,0:220,3:0h", "", ""}, "titles"}});
        // The window's section is Marqueon's own: what it cannot read there is only forgotten.
        row("a window section it cannot read",
            QByteArray("[Window]\r\nGeometry=left\r\nMaximized=maybe\r\nSplitter=1\r\n"), true, Preferences{},
            Directories{}, SavedView{});
        row("missing keys", QByteArray("[Preferences]\r\n"), true, Preferences{}, Directories{}, SavedView{});
        // Booleans are "True" or "False" in any case, or numbers; colours may be stored signed.
        row("numbers and words",
            QByteArray("[Preferences]\r\nGameList=NeoOnly\r\nHideClones=2\r\nCloneShots=-1\r\nDisableHotKeys=0.0\r\n"
                       "UseStarfield= fALSE \r\nForeColor=-1\r\n"),
            true, Preferences{ListChoice::NeoGeo, true, true, false, false, 0, 0xFFFFFFFF}, Directories{}, SavedView{});
        row("words in another case are unknown",
            QByteArray("[Preferences]\r\nGameList=retro\r\n[ShutDown]\r\nGameView=uninstalled games\r\n"), true,
            Preferences{ListChoice::None}, Directories{}, SavedView{});
        for (const char* damaged :
             {"HideClones=", "UseStarfield=maybe", "CloneShots=1e", "BackColor=red", "ForeColor=4294967296"})
            row(damaged, "[Preferences]\r\n" + QByteArray(damaged), false, Preferences{}, Directories{}, SavedView{});
        for (const char* damaged : {"AllIndex=first", "InstalledIndex=99999999999"})
            row(damaged, "[ShutDown]\r\n" + QByteArray(damaged), false, Preferences{}, Directories{}, SavedView{});
    }
    void read() {
        writeFile(path(), cell<QByteArray>("content"));
        AppState state;
        SavedView view;
        QTEST(readOptions(path(), state, view), "readable");
        if (!cell<bool>("readable"))
            return;
        QTEST(state.preferences, "preferences");
        QTEST(state.directories, "directories");
        QTEST(view, "view");
        if (QTest::currentDataTag() != QByteArray("written"))
            return;
        QFile::remove(path());
        QVERIFY(writeSetup(path(), state) && writeShutDown(path(), view));
        QTEST(readFile(path()), "content");
        // A file where the folder should be: both writes fail and say so, and the file stays.
        writeFile(m_dir.filePath(QStringLiteral("blocked")), "kept");
        QVERIFY(!writeSetup(m_dir.filePath(QStringLiteral("blocked/options.ini")), state));
        QVERIFY(!writeShutDown(m_dir.filePath(QStringLiteral("blocked/options.ini")), view));
        QCOMPARE(readFile(m_dir.filePath(QStringLiteral("blocked"))), QByteArray("kept"));
    }
    void booleansIgnoreBlanksAndCase() { QCOMPARE(toBoolean(" fALSE "), std::optional(false)); }
    void changes_data() {
        columns<AppState, bool, bool>({"after", "refreshLists", "showScreenShot"});
        const auto D = &AppState::directories;
        const auto P = &AppState::preferences;
        row("nothing", installed(), false, false);
        row("MAME directory", changed(D, &Directories::mame, QString("/x/")), true, false);
        row("Retro ROMs", changed(D, &Directories::retroRoms, QString("/x/")), true, false);
        row("Neo-Geo ROMs", changed(D, &Directories::neoGeoRoms, QString("/x/")), true, false);
        row("samples", changed(D, &Directories::samples, QString("/x/")), false, false);
        row("snapshots", changed(D, &Directories::snapshots, QString("/x/")), false, true);
        row("list choice", changed(P, &Preferences::listChoice, ListChoice::All), true, false);
        row("hidden clones", changed(P, &Preferences::hideClones, true), true, false);
        row("clone pictures", changed(P, &Preferences::cloneShots, true), false, true);
        row("artwork folder", changed(P, &Preferences::artworkFolder, QString("/art/")), false, true);
        row("star field", changed(P, &Preferences::useStarfield, false), false, false);
        row("colour", changed(P, &Preferences::backColour, 0xFFu), false, false);
    }
    void changes() {
        const PreferenceChanges changes = compare(installed(), cell<AppState>("after"));
        QTEST(changes.refreshLists, "refreshLists");
        QTEST(changes.showScreenShot, "showScreenShot");
    }
};

QTEST_GUILESS_MAIN(TestOptionsFile)
#include "TestOptionsFile.moc"
