#include "app/MainWindow.h"

#include "app/Dialogs.h"
#include "app/SplashWindow.h"
#include "catalogue/GameListPanel.h"
#include "catalogue/GameListView.h"
#include "ui/Artwork.h"
#include "ui/Twips.h"

#include <QEvent>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QStatusBar>

namespace app {
namespace {

const char* const PanelTips[6] = {
    "Total Number Of Games In This List",
    "Selected Game Name",
    "ROM Name",
    "Original Game Or Clone Of Some Other Game",
    "Display Orientation: H = Horizontal  V = Vertical",
    "Settings This Game Uses If Installed",
};
constexpr int PanelWidths[6] = {1700, 3700, 1100, 900, 500, 1600};

} // namespace

MainWindow::MainWindow(AppState& state, Dialogs& dialogs, QWidget* parent)
    : QMainWindow(parent)
    , m_state(state)
    , m_dialogs(dialogs)
    , m_runner(dialogs) {
    setObjectName(QStringLiteral("frmMain"));
    setWindowTitle(QStringLiteral("Marqueon"));
    createControls();
    createMenus();
    // The window keeps one size: the lists, the picture and the buttons are laid out for it.
    setFixedSize(ui::twipsSize(9940, 6555));
}

void MainWindow::createControls() {
    auto* central = new QWidget(this);
    setCentralWidget(central);

    fraList = new catalogue::GameListPanel(central);
    fraList->setGeometry(ui::twipsRect(60, 0, 8100, 5520));

    Picture1 = new QLabel(central);
    Picture1->setObjectName(QStringLiteral("Picture1"));
    Picture1->setGeometry(ui::twipsRect(8280, 120, 1560, 780));
    Picture1->setPixmap(ui::marqueePicture(Picture1->size()));
    Picture1->installEventFilter(this);

    lblList = new QLabel(central);
    lblList->setObjectName(QStringLiteral("lblList"));
    lblList->setGeometry(ui::twipsRect(8280, 960, 1560, 300));
    lblList->setAlignment(Qt::AlignCenter);
    lblList->installEventFilter(this);

    const auto button = [central](const char* name, const QString& caption, int top) {
        auto* button = new QPushButton(caption, central);
        button->setObjectName(QLatin1String(name));
        button->setGeometry(ui::twipsRect(8280, top, 1560, 375));
        button->setAutoDefault(false);
        return button;
    };
    cmdPlay = button("cmdPlay", QStringLiteral("&Play Game"), 1380);
    cmdVerify = button("cmdVerify", QStringLiteral("Game &Audit"), 1815);
    cmdHistory = button("cmdHistory", QStringLiteral("&Game History"), 2250);
    cmdRaster = button("cmdRaster", QStringLiteral("Raster Defaults"), 2880);
    cmdVector = button("cmdVector", QStringLiteral("Vector Defaults"), 3315);
    cmdMaintenance = button("cmdMaintenance", QStringLiteral("Maintenance"), 3750);
    cmdExit = button("cmdExit", QStringLiteral("E&xit"), 5040);
    connect(cmdExit, &QPushButton::clicked, this, &QWidget::close);

    StatusBar1 = new QStatusBar(this);
    StatusBar1->setObjectName(QStringLiteral("StatusBar1"));
    StatusBar1->setSizeGripEnabled(false);
    for (int i = 0; i < 6; ++i) {
        auto* panel = new QLabel(StatusBar1);
        panel->setObjectName(QStringLiteral("Panel%1").arg(i + 1));
        panel->setToolTip(QLatin1String(PanelTips[i]));
        panel->setMinimumWidth(ui::twips(PanelWidths[i]));
        StatusBar1->addWidget(panel, i == 1 ? 1 : 0);
        m_panels[size_t(i)] = panel;
    }
    setStatusBar(StatusBar1);

    for (const ListSlot& slot : listSlots()) {
        connect(slot.list, &catalogue::GameListView::columnClicked, this,
                [this, slot](int column) { onColumnClicked(slot, column); });
        connect(slot.list, &catalogue::GameListView::gameSelected, this, [this, slot] { onGameSelected(slot); });
        connect(slot.list, &catalogue::GameListView::doubleClicked, this, [this, slot] { onDoubleClick(slot); });
    }
}

void MainWindow::createMenus() {
    mnuView = menuBar()->addMenu(QStringLiteral("&View"));
    mnuView->setObjectName(QStringLiteral("mnuView"));
    const auto item = [this](const char* name, const QString& caption, void (MainWindow::*command)()) {
        QAction* action = mnuView->addAction(caption, this, command);
        action->setObjectName(QLatin1String(name));
        action->setCheckable(true);
        return action;
    };
    mnuViewAll = item("mnuViewAll", QStringLiteral("&All Games"), &MainWindow::mnuViewAll_Click);
    mnuViewInstalled =
        item("mnuViewInstalled", QStringLiteral("&Installed Games"), &MainWindow::mnuViewInstalled_Click);
    mnuViewUninstalled =
        item("mnuViewUninstalled", QStringLiteral("&Uninstalled Games"), &MainWindow::mnuViewUninstalled_Click);
    mnuView->addSeparator()->setObjectName(QStringLiteral("mnuViewHyphen1"));
    // A click inverts the check mark before the command runs.
    mnuViewShots = item("mnuViewShots", QStringLiteral("&Screen Shots"), &MainWindow::mnuViewShots_Click);

    connect(mnuView, &QMenu::aboutToShow, this, [this] {
        for (QAction* action : {mnuViewAll, mnuViewInstalled, mnuViewUninstalled, mnuViewShots})
            action->setEnabled(!PanelOpen);
        const QString caption = fraList->title();
        if (caption == catalogue::GameListPanel::AllGames || caption == catalogue::GameListPanel::InstalledGames ||
            caption == catalogue::GameListPanel::UninstalledGames) {
            mnuViewAll->setChecked(caption == catalogue::GameListPanel::AllGames);
            mnuViewInstalled->setChecked(caption == catalogue::GameListPanel::InstalledGames);
            mnuViewUninstalled->setChecked(caption == catalogue::GameListPanel::UninstalledGames);
        }
    });
}

void MainWindow::bringToFront() {
    if (isMinimized())
        showNormal();
    show();
    raise();
    activateWindow();
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::MouseButtonRelease && watched == lblList)
        showListLoadTime();
    return QMainWindow::eventFilter(watched, event);
}

void MainWindow::showListLoadTime() {
    const double seconds = ListLoadEnd - ListLoadStart;
    m_dialogs.message(QString::number(qRound(seconds)) + QStringLiteral(" Seconds"), Dialogs::Icon::Information,
                      QStringLiteral("List Load Time"));
}

void MainWindow::setPanel(int panel, const QString& text) {
    m_panels[size_t(panel - 1)]->setText(text);
}

} // namespace app
