#include "support/Session.h"

#include <QFile>
#include <QMenu>
#include <QMenuBar>

namespace {

// Every item, with its caption, in menu order; separators as "-".
const QStringList MenuTree = {
    "fileMenu &File",
    "playAction &Play Game",
    "auditAction Game &Audit",
    "historyAction &Game History",
    "-",
    "exitAction E&xit",
    "viewMenu &View",
    "viewAllAction &All Games",
    "viewInstalledAction &Installed Games",
    "viewUninstalledAction &Uninstalled Games",
    "-",
    "screenShotsAction &Screen Shots",
    "toolsMenu &Tools",
    "rasterDefaultsAction &Raster Defaults...",
    "vectorDefaultsAction &Vector Defaults...",
    "customSettingsAction &Custom Settings...",
    "-",
    "maintenanceAction &Maintenance...",
    "-",
    "optionsAction &Options...",
    "-",
    "refreshAction Re&fresh Game List",
    "-",
    "editConfigAction &Edit M.A.M.E. Config File",
    "reportsMenu &Reports",
    "verifyRomsAction Verify All &ROMs",
    "verifySamplesAction Verify All &Samples",
    "verifySetsAction Verify All Sets",
    "-",
    "viewRomsReportAction View ROMs Report",
    "viewSamplesReportAction View Samples Report",
    "viewSetsReportAction View Sets Report",
    "helpMenu &Help",
    "helpFileAction &Marqueon Help File",
    "readmeAction M.A.M.E. &Readme File",
    "-",
    "aboutAction &About Marqueon",
};

const QStringList GameItems = {"playAction", "auditAction", "historyAction", "customSettingsAction"};

} // namespace

class TestMenus : public QObject {
    Q_OBJECT

private slots:
    void menuTree() {
        Session session;
        QVERIFY(session.startWith());
        QStringList tree;
        for (QAction* top : session.window->menuBar()->actions()) {
            tree << top->menu()->objectName() + ' ' + top->text();
            for (QAction* item : top->menu()->actions())
                tree << (item->isSeparator() ? QStringLiteral("-") : item->objectName() + ' ' + item->text());
        }
        QCOMPARE(tree, MenuTree);
    }

    void enabling_data() {
        QTest::addColumn<QByteArray>("view");
        QTest::addColumn<QString>("select");     // ROM name to click, or empty
        QTest::addColumn<QStringList>("remove"); // archives taken away before the start
        QTest::addColumn<QString>("panel");      // opened by this action before the menus are read
        QTest::addColumn<QStringList>("disabled");

        const QStringList none;
        const QStringList allGames = {"galx.zip", "nam1975.zip"};
        QTest::newRow("all games, installed game") << QByteArray("All Games") << "galx" << none << "" << QStringList();
        QTest::newRow("all games, uninstalled game")
            << QByteArray("All Games") << "zoom" << none << "" << QStringList{"playAction", "customSettingsAction"};
        QTest::newRow("installed games") << QByteArray("Installed Games") << "" << none << "" << QStringList();
        QTest::newRow("installed games, empty") << QByteArray("Installed Games") << "" << allGames << "" << GameItems;
        QTest::newRow("uninstalled games")
            << QByteArray("Uninstalled Games") << "" << none << "" << QStringList{"playAction", "customSettingsAction"};
        for (const char* panel :
             {"rasterDefaultsAction", "auditAction", "maintenanceAction", "editConfigAction", "helpFileAction"})
            QTest::newRow(panel) << QByteArray("All Games") << "galx" << none << panel << QStringList{"*"};
    }

    void enabling() {
        QFETCH(QByteArray, view);
        QFETCH(QString, select);
        QFETCH(QStringList, remove);
        QFETCH(QString, panel);
        QFETCH(QStringList, disabled);
        Session session;
        for (const QString& archive : remove) {
            QFile::remove(session.sandbox.state().directories.retroRoms + archive);
            QFile::remove(session.sandbox.state().directories.neoGeoRoms + archive);
        }
        session.sandbox.writeOptions("RetroP", "[ShutDown]\r\nGameView=" + view + "\r\n");
        writeFile(session.sandbox.appPath() + "retro.txt", "Guide\r\n");
        QVERIFY(session.start());
        if (!select.isEmpty())
            session.select(select);
        if (!panel.isEmpty())
            session.trigger(qPrintable(panel));

        for (QAction* top : session.window->menuBar()->actions()) {
            emit top->menu()->aboutToShow();
            for (QAction* item : top->menu()->actions()) {
                const bool expected = !disabled.contains("*") && !disabled.contains(item->objectName());
                QVERIFY2(item->isSeparator() || item->isEnabled() == expected, qPrintable(item->objectName()));
            }
        }
        // The buttons follow their actions; the window's own Exit button leaves any panel by closing.
        QCOMPARE(session.enabled("playButton"), !disabled.contains("*") && !disabled.contains("playAction"));
        QCOMPARE(session.enabled("rasterButton"), panel.isEmpty());
        QVERIFY(session.enabled("exitButton"));
    }

    void altGMeansTheOpenPanelsReturn() {
        Session session;
        QVERIFY(session.startWith());
        QVERIFY(QTest::qWaitForWindowActive(session.window.get()));
        for (const char* panel : {"auditAction", "maintenanceAction"}) {
            session.trigger(panel);
            // The list's "&Game History" is out of reach with the list, so Alt+G means the panel's return.
            QVERIFY(!session.enabled("historyButton"));
            QTest::keyClick(session.window->windowHandle(), Qt::Key_G, Qt::AltModifier);
            QTRY_VERIFY(!session.panelOpen()); // a mnemonic presses its button after a moment
            QVERIFY(session.enabled("historyButton"));
        }
    }
};

QTEST_MAIN(TestMenus)
#include "TestMenus.moc"
