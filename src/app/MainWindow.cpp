#include "app/MainWindow.h"

#include "app/Dialogs.h"
#include "app/SplashWindow.h"
#include "audit/TextPanel.h"
#include "catalogue/GameListPanel.h"
#include "catalogue/GameListView.h"
#include "maintenance/MaintenancePanel.h"
#include "settings/SettingsPanel.h"
#include "ui/Artwork.h"
#include "ui/Twips.h"

#include <QEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QMenuBar>
#include <QPlainTextEdit>
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

    // The game's own commands belong to the list: while a panel covers the list they are out
    // of reach with it, so "&Game History" never competes with "Return To &Game List".
    m_gameButtons = new QWidget(central);
    m_gameButtons->setGeometry(ui::twipsRect(8280, 1380, 1560, 1245));
    fraList->installEventFilter(this);
    const auto button = [](QWidget* parent, const char* name, const QString& caption, int left, int top) {
        auto* button = new QPushButton(caption, parent);
        button->setObjectName(QLatin1String(name));
        button->setGeometry(ui::twipsRect(left, top, 1560, 375));
        button->setAutoDefault(true); // Return on a focused button presses it
        return button;
    };
    cmdPlay = button(m_gameButtons, "cmdPlay", QStringLiteral("&Play Game"), 0, 0);
    cmdVerify = button(m_gameButtons, "cmdVerify", QStringLiteral("Game &Audit"), 0, 435);
    cmdHistory = button(m_gameButtons, "cmdHistory", QStringLiteral("&Game History"), 0, 870);
    cmdRaster = button(central, "cmdRaster", QStringLiteral("Raster Defaults"), 8280, 2880);
    cmdVector = button(central, "cmdVector", QStringLiteral("Vector Defaults"), 8280, 3315);
    cmdMaintenance = button(central, "cmdMaintenance", QStringLiteral("Maintenance"), 8280, 3750);
    cmdExit = button(central, "cmdExit", QStringLiteral("E&xit"), 8280, 5040);
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
    // The second bar covers the first while a panel is open.
    StatusBar2 = new QStatusBar(StatusBar1);
    StatusBar2->setObjectName(QStringLiteral("StatusBar2"));
    StatusBar2->setSizeGripEnabled(false);
    StatusBar2->addWidget(new QLabel(StatusBar2), 1);
    StatusBar2->setAutoFillBackground(true);
    StatusBar2->hide();
    StatusBar1->installEventFilter(this);

    fraVerify = new audit::TextPanel(central);
    fraVerify->setGeometry(fraList->geometry());
    fraVerify->setEnabled(false);
    fraVerify->lower();
    connect(fraVerify->cmdGameList, &QPushButton::clicked, this, &MainWindow::cmdGameList_Click);
    connect(fraVerify->txtVerify, &QPlainTextEdit::textChanged, this, [this] {
        if (fraVerify->title() == audit::TextPanel::EditConfig)
            ConfigChanged = true;
    });
    connect(cmdVerify, &QPushButton::clicked, this, &MainWindow::cmdVerify_Click);

    fraMaintenance = new maintenance::MaintenancePanel(m_state, m_dialogs, central);
    fraMaintenance->setGeometry(fraList->geometry());
    fraMaintenance->setEnabled(false);
    fraMaintenance->lower();
    connect(fraMaintenance, &maintenance::MaintenancePanel::returnRequested, this, &MainWindow::cmdGameList2_Click);
    connect(cmdMaintenance, &QPushButton::clicked, this, &MainWindow::cmdMaintenance_Click);
    connect(cmdHistory, &QPushButton::clicked, this, &MainWindow::cmdHistory_Click);
    connect(fraVerify->cmdFind, &QPushButton::clicked, this, &MainWindow::cmdFind_Click);

    fraDefaults = new settings::SettingsPanel(central);
    fraDefaults->setGeometry(fraList->geometry());
    fraDefaults->setEnabled(false);
    fraDefaults->lower();
    connect(fraDefaults->cmdOK, &QPushButton::clicked, this, &MainWindow::cmdOK_Click);
    connect(fraDefaults->cmdRestore, &QPushButton::clicked, this, &MainWindow::cmdRestore_Click);
    connect(fraDefaults->cmdCancel, &QPushButton::clicked, this, &MainWindow::cmdCancel_Click);
    connect(cmdRaster, &QPushButton::clicked, this, &MainWindow::cmdRaster_Click);
    connect(cmdVector, &QPushButton::clicked, this, &MainWindow::cmdVector_Click);
    connect(cmdPlay, &QPushButton::clicked, this, &MainWindow::cmdPlay_Click);
    cmdPlay->installEventFilter(this);

    for (const ListSlot& slot : listSlots()) {
        connect(slot.list, &catalogue::GameListView::columnClicked, this,
                [this, slot](int column) { onColumnClicked(slot, column); });
        connect(slot.list, &catalogue::GameListView::gameSelected, this, [this, slot] { onGameSelected(slot); });
        connect(slot.list, &catalogue::GameListView::doubleClicked, this, [this, slot] { onDoubleClick(slot); });
        // Return on a list presses the default button, as in a dialog.
        connect(slot.list, &catalogue::GameListView::returnPressed, this, [this] {
            if (cmdPlay->isDefault() && cmdPlay->isEnabled())
                cmdPlay_Click();
        });
    }
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
    if (event->type() == QEvent::MouseButtonRelease && watched == Picture1)
        showPathInformation();
    if (event->type() == QEvent::Resize && watched == StatusBar1)
        StatusBar2->setGeometry(StatusBar1->rect());
    if (event->type() == QEvent::EnabledChange && watched == fraList)
        m_gameButtons->setEnabled(fraList->isEnabled());
    // Shift held while a key goes down on Play asks for the command line to be shown first.
    if (event->type() == QEvent::KeyPress && watched == cmdPlay &&
        (static_cast<QKeyEvent*>(event)->modifiers() & Qt::ShiftModifier))
        ShowCommandLine = true;
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
