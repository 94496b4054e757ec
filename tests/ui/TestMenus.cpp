#include "support/MainWindowSession.h"

#include <QAction>
#include <QFile>
#include <QMenu>
#include <QMenuBar>

namespace {

const QStringList MenuNames = {"mnuFile", "mnuView", "mnuTools", "mnuReports", "mnuHelp"};

// Every item, with its caption, in menu order; separators as "-".
const QStringList MenuTree = {
    "mnuFile &File",
    "mnuFilePlay &Play Game",
    "mnuFileVerify Game &Audit",
    "mnuFileHistory &Game History",
    "-",
    "mnuFileExit E&xit",
    "mnuView &View",
    "mnuViewAll &All Games",
    "mnuViewInstalled &Installed Games",
    "mnuViewUninstalled &Uninstalled Games",
    "-",
    "mnuViewShots &Screen Shots",
    "mnuTools &Tools",
    "mnuToolsRaster &Raster Defaults...",
    "mnuToolsVector &Vector Defaults...",
    "mnuToolsCustom &Custom Settings...",
    "-",
    "mnuToolsMaintenance &Maintenance...",
    "-",
    "mnuToolsOptions &Options...",
    "-",
    "mnuToolsRefresh Re&fresh Game List",
    "-",
    "mnuToolsEdit &Edit M.A.M.E. Config File",
    "mnuReports &Reports",
    "mnuReportsVerifyRoms Verify All &ROMs",
    "mnuReportsVerifySamples Verify All &Samples",
    "mnuReportsVerifySets Verify All Sets",
    "-",
    "mnuReportsLastRom View ROMs Report",
    "mnuReportsLastSample View Samples Report",
    "mnuReportsLastSets View Sets Report",
    "mnuHelp &Help",
    "mnuHelpRetro &Marqueon Help File",
    "mnuHelpReadme M.A.M.E. &Readme File",
    "-",
    "mnuHelpAbout &About Marqueon",
};

const QStringList GameItems = {"mnuFilePlay", "mnuFileVerify", "mnuFileHistory", "mnuToolsCustom"};

} // namespace

class TestMenus : public QObject {
    Q_OBJECT

private slots:
    void menuTree();
    void enabling_data();
    void enabling();
};

void TestMenus::menuTree() {
    Session session;
    session.sandbox.writeOptions();
    QVERIFY(session.start());
    QStringList tree;
    for (QAction* top : session.window->menuBar()->actions()) {
        tree << top->menu()->objectName() + ' ' + top->text();
        for (QAction* item : top->menu()->actions())
            tree << (item->isSeparator() ? QStringLiteral("-") : item->objectName() + ' ' + item->text());
    }
    QCOMPARE(tree, MenuTree);
}

void TestMenus::enabling_data() {
    QTest::addColumn<QByteArray>("view");
    QTest::addColumn<QString>("select");     // ROM name to click, or empty
    QTest::addColumn<QStringList>("remove"); // archives taken away before the start
    QTest::addColumn<QString>("panel");      // open before the menus are opened
    QTest::addColumn<QStringList>("disabled");

    const QStringList none;
    const QStringList allGames = {"galx.zip", "nam1975.zip"};
    QTest::newRow("all games, installed game") << QByteArray("All Games") << "galx" << none << "" << QStringList();
    QTest::newRow("all games, uninstalled game")
        << QByteArray("All Games") << "zoom" << none << "" << QStringList{"mnuFilePlay", "mnuToolsCustom"};
    QTest::newRow("installed games") << QByteArray("Installed Games") << "" << none << "" << QStringList();
    QTest::newRow("installed games, empty") << QByteArray("Installed Games") << "" << allGames << "" << GameItems;
    QTest::newRow("uninstalled games") << QByteArray("Uninstalled Games") << "" << none << ""
                                       << QStringList{"mnuFilePlay", "mnuToolsCustom"};
    for (const char* panel : {"settings", "audit", "maintenance", "editor", "help"})
        QTest::newRow(qPrintable(QStringLiteral("%1 panel open").arg(panel)))
            << QByteArray("All Games") << "galx" << none << panel << QStringList{"*"};
}

void TestMenus::enabling() {
    QFETCH(QByteArray, view);
    QFETCH(QString, select);
    QFETCH(QStringList, remove);
    QFETCH(QString, panel);
    QFETCH(QStringList, disabled);
    Session session;
    for (const QString& archive : remove) {
        QFile::remove(session.sandbox.state().ROMPath + archive);
        QFile::remove(session.sandbox.state().NeoROMPath + archive);
    }
    session.sandbox.writeOptions("RetroP", "[ShutDown]\r\nGameView=" + view + "\r\n");
    writeFile(session.sandbox.appPath() + "retro.txt", "Guide\r\n");
    QVERIFY(session.start());
    if (!select.isEmpty()) {
        GameListView* all = session.list("lvAll");
        for (int row = 0; row < all->count(); ++row) {
            if (all->games()->game(row).romName() == select)
                session.clickRow(all, row);
        }
    }
    if (panel == "settings")
        session.window->cmdRaster_Click();
    else if (panel == "audit")
        session.window->cmdVerify_Click();
    else if (panel == "maintenance")
        session.window->cmdMaintenance_Click();
    else if (panel == "editor")
        session.window->mnuToolsEdit_Click();
    else if (panel == "help")
        session.window->mnuHelpRetro_Click();

    for (const QString& name : MenuNames) {
        auto* menu = session.child<QMenu>(name);
        emit menu->aboutToShow();
        for (QAction* item : menu->actions()) {
            if (item->isSeparator())
                continue;
            const bool expected = !disabled.contains("*") && !disabled.contains(item->objectName());
            QVERIFY2(item->isEnabled() == expected, qPrintable(item->objectName()));
        }
    }
}

QTEST_MAIN(TestMenus)
#include "TestMenus.moc"
