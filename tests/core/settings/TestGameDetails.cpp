#include "core/catalogue/CatalogueLoader.h"
#include "core/settings/GameDetails.h"
#include "support/TableRows.h"

using config::GameView;

class TestGameDetails : public QObject {
    Q_OBJECT
private slots:
    void describe_data() {
        // The ROM directory holding the archive: "retro", "neo" or none; the parent of a clone.
        columns<GameView, QString, bool, QString, bool, QString, bool, QString>(
            {"list", "archive", "custom", "parent", "cloneShots", "settings", "canPlay", "screenShot"});
        const char *def = "Default Settings", *own = "Custom Settings", *none = "Not Installed";
        row("all games, installed", GameView::All, "retro", false, "", false, def, true, "galxb");
        row("all games, installed with the Neo-Geo games", GameView::All, "neo", false, "", false, def, true, "galxb");
        row("all games, not installed", GameView::All, "", false, "", false, none, false, "galxb");
        row("all games, custom settings", GameView::All, "retro", true, "", false, own, true, "galxb");
        // Its settings are shown, but Play would only refuse it: Play is not offered.
        row("all games, custom settings, not installed", GameView::All, "", true, "", false, own, false, "galxb");
        row("installed games", GameView::Installed, "retro", false, "", false, def, true, "galxb");
        row("installed games, custom settings", GameView::Installed, "retro", true, "", false, own, true, "galxb");
        row("uninstalled games", GameView::Uninstalled, "", true, "", false, none, false, "galxb");
        row("clone with clone pictures", GameView::All, "retro", false, "galx", true, def, true, "galx");
        row("clone without clone pictures", GameView::All, "retro", false, "galx", false, def, true, "galxb");
        row("original with clone pictures", GameView::All, "retro", false, "", true, def, true, "galxb");
    }
    void describe() {
        const QString &archive = cell<QString>("archive"), &parent = cell<QString>("parent");
        TestSandbox sandbox;
        config::AppState& state = sandbox.state();
        state.preferences.cloneShots = cell<bool>("cloneShots");
        const config::Directories& d = state.directories;
        if (!archive.isEmpty())
            TestSandbox::addArchive(archive == "neo" ? d.neoGeoRoms : d.retroRoms, "galxb");
        const QByteArray clone = parent.isEmpty() ? "224x288   V|Original" : "Unknown H|Clone of " + parent.toLatin1();
        const auto game =
            *catalogue::RecordReader().parse(lineOf("Galaxy Raid (bootleg)|1982|||||Raster|" + clone + "|galxb"));
        const settings::GameDetails details =
            settings::describeGame(game, cell<GameView>("list"), state, exec::Emulator(state), cell<bool>("custom"));
        QCOMPARE(details.description + details.romName, QStringLiteral("Galaxy Raid (bootleg)galxb"));
        QCOMPARE(details.origin, parent.isEmpty() ? QStringLiteral("Original") : QStringLiteral("Clone"));
        QCOMPARE(details.orientation, parent.isEmpty() ? QStringLiteral("V") : QStringLiteral("H"));
        QTEST(details.settings, "settings");
        QTEST(details.canPlay, "canPlay");
        QCOMPARE(details.screenShot, d.snapshots + cell<QString>("screenShot") + ".png");
    }
};

QTEST_GUILESS_MAIN(TestGameDetails)
#include "TestGameDetails.moc"
