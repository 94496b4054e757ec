// The menu bar: every item in its place, and each menu's items greyed, as it opens, by what
// the window shows.
#include "app/MainWindow.h"

#include "catalogue/GameListPanel.h"

#include <QAction>
#include <QLabel>
#include <QMenuBar>

namespace app {

using catalogue::GameListPanel;

namespace {

// Adds an item that runs a command of the window.
template <typename Command>
QAction* addItem(QMenu* menu, const char* name, const QString& caption, MainWindow* window, Command command) {
    QAction* action = menu->addAction(caption, window, command);
    action->setObjectName(QLatin1String(name));
    return action;
}

void addSeparator(QMenu* menu, const char* name) {
    menu->addSeparator()->setObjectName(QLatin1String(name));
}

QMenu* addMenu(QMenuBar* bar, const char* name, const QString& caption) {
    QMenu* menu = bar->addMenu(caption);
    menu->setObjectName(QLatin1String(name));
    return menu;
}

} // namespace

void MainWindow::createMenus() {
    QMenuBar* bar = menuBar();

    mnuFile = addMenu(bar, "mnuFile", QStringLiteral("&File"));
    mnuFilePlay = addItem(mnuFile, "mnuFilePlay", QStringLiteral("&Play Game"), this, &MainWindow::cmdPlay_Click);
    mnuFileVerify =
        addItem(mnuFile, "mnuFileVerify", QStringLiteral("Game &Audit"), this, &MainWindow::cmdVerify_Click);
    mnuFileHistory =
        addItem(mnuFile, "mnuFileHistory", QStringLiteral("&Game History"), this, &MainWindow::cmdHistory_Click);
    addSeparator(mnuFile, "mnuFileHyphen1");
    mnuFileExit = addItem(mnuFile, "mnuFileExit", QStringLiteral("E&xit"), this, &QWidget::close);
    connect(mnuFile, &QMenu::aboutToShow, this, &MainWindow::mnuFile_Click);

    mnuView = addMenu(bar, "mnuView", QStringLiteral("&View"));
    mnuViewAll = addItem(mnuView, "mnuViewAll", QStringLiteral("&All Games"), this, &MainWindow::mnuViewAll_Click);
    mnuViewInstalled = addItem(mnuView, "mnuViewInstalled", QStringLiteral("&Installed Games"), this,
                               &MainWindow::mnuViewInstalled_Click);
    mnuViewUninstalled = addItem(mnuView, "mnuViewUninstalled", QStringLiteral("&Uninstalled Games"), this,
                                 &MainWindow::mnuViewUninstalled_Click);
    addSeparator(mnuView, "mnuViewHyphen1");
    // A click inverts the check mark before the command runs.
    mnuViewShots =
        addItem(mnuView, "mnuViewShots", QStringLiteral("&Screen Shots"), this, &MainWindow::mnuViewShots_Click);
    for (QAction* action : {mnuViewAll, mnuViewInstalled, mnuViewUninstalled, mnuViewShots})
        action->setCheckable(true);
    connect(mnuView, &QMenu::aboutToShow, this, &MainWindow::mnuView_Click);

    mnuTools = addMenu(bar, "mnuTools", QStringLiteral("&Tools"));
    mnuToolsRaster =
        addItem(mnuTools, "mnuToolsRaster", QStringLiteral("&Raster Defaults..."), this, &MainWindow::cmdRaster_Click);
    mnuToolsVector =
        addItem(mnuTools, "mnuToolsVector", QStringLiteral("&Vector Defaults..."), this, &MainWindow::cmdVector_Click);
    mnuToolsCustom = addItem(mnuTools, "mnuToolsCustom", QStringLiteral("&Custom Settings..."), this,
                             &MainWindow::mnuToolsCustom_Click);
    addSeparator(mnuTools, "mnuToolsHyphen1");
    mnuToolsMaintenance = addItem(mnuTools, "mnuToolsMaintenance", QStringLiteral("&Maintenance..."), this,
                                  &MainWindow::cmdMaintenance_Click);
    addSeparator(mnuTools, "mnuToolsHyphen2");
    mnuToolsOptions =
        addItem(mnuTools, "mnuToolsOptions", QStringLiteral("&Options..."), this, &MainWindow::mnuToolsOptions_Click);
    addSeparator(mnuTools, "mnuToolsHyphen3");
    mnuToolsRefresh = addItem(mnuTools, "mnuToolsRefresh", QStringLiteral("Re&fresh Game List"), this,
                              &MainWindow::mnuToolsRefresh_Click);
    addSeparator(mnuTools, "mnuToolsHyphen4");
    mnuToolsEdit = addItem(mnuTools, "mnuToolsEdit", QStringLiteral("&Edit M.A.M.E. Config File"), this,
                           &MainWindow::mnuToolsEdit_Click);
    connect(mnuTools, &QMenu::aboutToShow, this, &MainWindow::mnuTools_Click);

    mnuReports = addMenu(bar, "mnuReports", QStringLiteral("&Reports"));
    const QList<QAction*> reports = {
        addItem(mnuReports, "mnuReportsVerifyRoms", QStringLiteral("Verify All &ROMs"), this,
                &MainWindow::mnuReportsVerifyRoms_Click),
        addItem(mnuReports, "mnuReportsVerifySamples", QStringLiteral("Verify All &Samples"), this,
                &MainWindow::mnuReportsVerifySamples_Click),
        addItem(mnuReports, "mnuReportsVerifySets", QStringLiteral("Verify All Sets"), this,
                &MainWindow::mnuReportsVerifySets_Click),
    };
    addSeparator(mnuReports, "mnuReportsHyphen1");
    const QList<QAction*> views = {
        addItem(mnuReports, "mnuReportsLastRom", QStringLiteral("View ROMs Report"), this,
                &MainWindow::mnuReportsLastRom_Click),
        addItem(mnuReports, "mnuReportsLastSample", QStringLiteral("View Samples Report"), this,
                &MainWindow::mnuReportsLastSample_Click),
        addItem(mnuReports, "mnuReportsLastSets", QStringLiteral("View Sets Report"), this,
                &MainWindow::mnuReportsLastSets_Click),
    };
    connect(mnuReports, &QMenu::aboutToShow, this, [this, items = reports + views] {
        for (QAction* action : items)
            action->setEnabled(!PanelOpen);
    });

    mnuHelp = addMenu(bar, "mnuHelp", QStringLiteral("&Help"));
    const QList<QAction*> help = {
        addItem(mnuHelp, "mnuHelpRetro", QStringLiteral("&Marqueon Help File"), this, &MainWindow::mnuHelpRetro_Click),
        addItem(mnuHelp, "mnuHelpReadme", QStringLiteral("M.A.M.E. &Readme File"), this,
                &MainWindow::mnuHelpReadme_Click),
    };
    addSeparator(mnuHelp, "mnuHelpHyphen1");
    QAction* about =
        addItem(mnuHelp, "mnuHelpAbout", QStringLiteral("&About Marqueon"), this, &MainWindow::mnuHelpAbout_Click);
    connect(mnuHelp, &QMenu::aboutToShow, this, [this, items = help + QList<QAction*>{about}] {
        for (QAction* action : items)
            action->setEnabled(!PanelOpen);
    });
}

// The File menu offers a game's commands only for a game that can take them.
void MainWindow::mnuFile_Click() {
    if (PanelOpen) {
        for (QAction* action : {mnuFilePlay, mnuFileVerify, mnuFileHistory, mnuFileExit})
            action->setEnabled(false);
        return;
    }
    mnuFileExit->setEnabled(true);
    const QString caption = fraList->title();
    if (caption == GameListPanel::AllGames) {
        mnuFileVerify->setEnabled(true);
        mnuFileHistory->setEnabled(true);
        mnuFilePlay->setEnabled(m_panels[5]->text() != QStringLiteral("Not Installed"));
    } else if (caption == GameListPanel::InstalledGames) {
        for (QAction* action : {mnuFilePlay, mnuFileVerify, mnuFileHistory})
            action->setEnabled(InstalledCount > 0);
    } else if (caption == GameListPanel::UninstalledGames) {
        mnuFilePlay->setEnabled(false);
        mnuFileVerify->setEnabled(UninstalledCount > 0);
        mnuFileHistory->setEnabled(UninstalledCount > 0);
    }
}

void MainWindow::mnuView_Click() {
    for (QAction* action : {mnuViewAll, mnuViewInstalled, mnuViewUninstalled, mnuViewShots})
        action->setEnabled(!PanelOpen);
    const QString caption = fraList->title();
    if (caption == GameListPanel::AllGames || caption == GameListPanel::InstalledGames ||
        caption == GameListPanel::UninstalledGames) {
        mnuViewAll->setChecked(caption == GameListPanel::AllGames);
        mnuViewInstalled->setChecked(caption == GameListPanel::InstalledGames);
        mnuViewUninstalled->setChecked(caption == GameListPanel::UninstalledGames);
    }
}

void MainWindow::mnuTools_Click() {
    const QList<QAction*> always = {mnuToolsRaster,      mnuToolsVector,  mnuToolsEdit,
                                    mnuToolsMaintenance, mnuToolsOptions, mnuToolsRefresh};
    for (QAction* action : always)
        action->setEnabled(!PanelOpen);
    if (PanelOpen) {
        mnuToolsCustom->setEnabled(false);
        return;
    }
    const QString caption = fraList->title();
    if (caption == GameListPanel::AllGames)
        mnuToolsCustom->setEnabled(m_panels[5]->text() != QStringLiteral("Not Installed"));
    else if (caption == GameListPanel::InstalledGames)
        mnuToolsCustom->setEnabled(InstalledCount != 0);
    else if (caption == GameListPanel::UninstalledGames)
        mnuToolsCustom->setEnabled(false);
}

} // namespace app
