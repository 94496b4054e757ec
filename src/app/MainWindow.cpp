#include "app/MainWindow.h"

#include "app/ListController.h"
#include "app/PanelHost.h"
#include "app/TextCommands.h"
#include "core/settings/PlayCommand.h"
#include "gui/about/AboutBox.h"
#include "gui/audit/TextPanel.h"
#include "gui/catalogue/GameListPanel.h"
#include "gui/catalogue/GameListView.h"
#include "gui/catalogue/GameStatusView.h"
#include "gui/common/Artwork.h"
#include "gui/common/Dialogs.h"
#include "gui/common/Twips.h"
#include "gui/maintenance/MaintenancePanel.h"
#include "gui/settings/SettingsPanel.h"

#include <QAction>
#include <QApplication>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>

#include <algorithm>

namespace app {

using catalogue::Action;
using config::GameView;

MainWindow::MainWindow(config::AppState& state, gui::Dialogs& dialogs, QWidget* parent)
    : QMainWindow(parent)
    , m_state(state)
    , m_dialogs(dialogs)
    , m_runner(dialogs)
    , m_emulator(state)
    , m_settings(state, m_emulator, m_runner.runner()) {
    setObjectName(QStringLiteral("mainWindow"));
    setWindowTitle(QStringLiteral("Marqueon"));
    createActions();
    createControls();
    createMenus();
    updateActions();
    // The first size is the one the window was designed at, and the least it takes; a larger
    // font or screen scale makes both as large as the content needs.
    setMinimumSize(gui::twipsSize(9940, 6555).expandedTo(minimumSizeHint()));
    resize(minimumSize());
}

void MainWindow::createControls() {
    auto* central = new QWidget(this);
    setCentralWidget(central);

    m_listPanel = new gui::GameListPanel(central);

    m_marquee = new gui::MarqueeView(central);
    m_marquee->installEventFilter(this);

    m_listLabel = new QLabel(central);
    m_listLabel->setObjectName(QStringLiteral("listLabel"));
    m_listLabel->setTextFormat(Qt::PlainText);
    m_listLabel->setAlignment(Qt::AlignCenter);
    m_listLabel->installEventFilter(this);

    // The buttons beside the list, in groups as on the arcade's control panel.
    auto* column = new QVBoxLayout;
    column->setSpacing(gui::twips(60));
    column->addSpacing(gui::twips(120));
    column->addWidget(m_marquee, 0, Qt::AlignHCenter);
    column->addWidget(m_listLabel);
    column->addSpacing(gui::twips(60));
    m_playButton = addButton(Action::Play, "playButton", column);
    m_playButton->installEventFilter(this);
    addButton(Action::Audit, "auditButton", column);
    addButton(Action::History, "historyButton", column);
    column->addSpacing(gui::twips(200));
    addButton(Action::RasterDefaults, "rasterButton", column)->setText(QStringLiteral("Raster Defaults"));
    addButton(Action::VectorDefaults, "vectorButton", column)->setText(QStringLiteral("Vector Defaults"));
    addButton(Action::Maintenance, "maintenanceButton", column)->setText(QStringLiteral("Maintenance"));
    column->addStretch(1);
    addButton(Action::ExitButton, "exitButton", column);

    // The panels lie in the list's place, behind it until one is opened.
    m_listArea = new QGridLayout;
    m_listArea->setContentsMargins(0, 0, 0, 0);
    m_listArea->addWidget(m_listPanel, 0, 0);
    auto* layout = new QHBoxLayout(central);
    layout->setContentsMargins(gui::twips(60), 0, gui::twips(90), gui::twips(60));
    layout->setSpacing(gui::twips(120));
    layout->addLayout(m_listArea, 1);
    layout->addLayout(column, 0);

    m_statusView = new gui::GameStatusView(this);
    setStatusBar(m_statusView);

    m_host = new PanelHost(m_listPanel, m_statusView, this);
    m_lists = new ListController(m_listPanel, m_statusView, m_state, m_emulator, m_settings, m_userData, m_view, this);
    m_settingsPanel = new gui::SettingsPanel(m_settings, m_dialogs, central);
    m_textPanel = new gui::TextPanel(central);
    m_maintenancePanel = new gui::MaintenancePanel(m_state, m_dialogs, central);
    for (const auto& [panel, widget] : {std::pair<Panel, QWidget*>{Panel::Settings, m_settingsPanel},
                                        {Panel::Text, m_textPanel},
                                        {Panel::Maintenance, m_maintenancePanel}}) {
        m_listArea->addWidget(widget, 0, 0);
        m_host->addPanel(panel, widget);
    }
    m_textCommands = new TextCommands(m_textPanel, *m_host, *m_lists, m_state, m_emulator, m_runner, m_dialogs, this);

    connect(m_host, &PanelHost::changed, this, &MainWindow::updateActions);
    connect(m_host, &PanelHost::aboutToOpen, m_lists, &ListController::saveSelection);
    connect(m_host, &PanelHost::closed, m_lists, [this] {
        m_lists->restoreSelection();
        m_lists->showScreenShot();
        m_lists->showDetails();
    });
    connect(m_lists, &ListController::selectionChanged, this, &MainWindow::updateActions);
    // Return on a list presses the default button, as in a dialog.
    connect(m_lists, &ListController::listShown, this,
            [this](GameView view) { m_playButton->setDefault(view != GameView::Uninstalled); });
    connect(m_lists, &ListController::playRequested, this, &MainWindow::play);
    const auto returnPlays = [this] {
        if (m_playButton->isDefault() && m_playButton->isEnabled())
            play();
    };
    connect(m_lists, &ListController::returnPressed, this, returnPlays);
    connect(m_listPanel, &gui::GameListPanel::returnPressed, this, returnPlays);
    connect(m_lists, &ListController::notInstalledChosen, this, [this] {
        m_dialogs.message(QStringLiteral("This game is not installed."), gui::Dialogs::Icon::Information);
        m_lists->restoreSelection();
    });
    connect(m_settingsPanel, &gui::SettingsPanel::finished, this, [this] {
        m_host->close();
        m_listLabel->setText(config::listChoiceCaption(m_state.preferences.listChoice));
    });
    connect(m_maintenancePanel, &gui::MaintenancePanel::returnRequested, m_host, &PanelHost::close);

    const auto on = [this](Action which, auto slot) {
        connect(action(which), &QAction::triggered, m_textCommands, slot);
    };
    on(Action::Audit, &TextCommands::audit);
    on(Action::History, &TextCommands::history);
    on(Action::EditConfig, &TextCommands::editConfig);
    on(Action::HelpFile, &TextCommands::showHelpFile);
    on(Action::Readme, &TextCommands::showReadme);
    const Action creates[] = {Action::VerifyRoms, Action::VerifySamples, Action::VerifySets};
    const Action views[] = {Action::ViewRomsReport, Action::ViewSamplesReport, Action::ViewSetsReport};
    for (size_t i = 0; i < std::size(exec::AllReports); ++i) {
        const exec::Report report = exec::AllReports[i];
        on(creates[i], [this, report] { m_textCommands->createReport(report); });
        on(views[i], [this, report] { m_textCommands->viewReport(report); });
    }
    for (GameView view : config::AllGameViews) {
        const Action shows = view == GameView::All         ? Action::ViewAll
                             : view == GameView::Installed ? Action::ViewInstalled
                                                           : Action::ViewUninstalled;
        connect(action(shows), &QAction::triggered, m_lists, [this, view] { m_lists->show(view); });
    }
    connect(action(Action::ScreenShots), &QAction::triggered, m_lists, &ListController::setScreenShots);
}

// A button that runs an action and is usable exactly when the action is.
QPushButton* MainWindow::addButton(Action which, const char* name, QBoxLayout* column) {
    QAction* command = action(which);
    auto* button = new QPushButton(command->text(), centralWidget());
    button->setObjectName(QLatin1String(name));
    // The design size, or more where the font needs it.
    button->setMinimumSize(button->sizeHint().expandedTo(gui::twipsSize(1560, 375)));
    button->setAutoDefault(true); // Return on a focused button presses it
    connect(button, &QPushButton::clicked, command, &QAction::trigger);
    connect(command, &QAction::enabledChanged, button, &QWidget::setEnabled);
    column->addWidget(button);
    return button;
}

void MainWindow::restoreLayout() {
    const config::WindowLayout& layout = m_view.window;
    for (config::GameView each : config::AllGameViews)
        m_listPanel->list(each)->setColumnLayout(layout.columns[size_t(each)]);
    m_listPanel->setSplitterSizes(layout.splitter);
    // A place on a screen no longer there (a monitor unplugged) gives the first size again.
    const QRect& place = layout.geometry;
    const QRect titleBar(place.topLeft(), QSize(qMin(place.width(), 120), qMin(place.height(), 40)));
    const QList<QScreen*> screens = QGuiApplication::screens();
    const bool onScreen = place.isValid() && std::any_of(screens.cbegin(), screens.cend(), [&](const QScreen* screen) {
                              return screen->availableGeometry().contains(titleBar);
                          });
    if (onScreen)
        setGeometry(place);
    if (layout.maximized)
        setWindowState(windowState() | Qt::WindowMaximized);
}

void MainWindow::saveLayout() {
    config::WindowLayout& layout = m_view.window;
    layout.geometry = normalGeometry();
    layout.maximized = windowState() & Qt::WindowMaximized;
    layout.splitter = m_listPanel->splitterSizes();
    for (config::GameView each : config::AllGameViews)
        layout.columns[size_t(each)] = m_listPanel->list(each)->columnLayout();
}

void MainWindow::changeEvent(QEvent* event) {
    QMainWindow::changeEvent(event);
    if (event->type() == QEvent::WindowStateChange)
        action(Action::FullScreen)->setChecked(windowState() & Qt::WindowFullScreen);
}

void MainWindow::bringToFront() {
    if (isMinimized())
        showNormal();
    show();
    raise();
    activateWindow();
}

void MainWindow::showAbout() {
    gui::AboutBox about(m_emulator, m_runner, this);
    about.exec();
}

void MainWindow::showPathInformation() {
    const QString tab = QStringLiteral("\t");
    const config::Directories& now = m_state.directories;
    const config::Directories& before = m_state.previousDirectories;
    const QStringList lines = {
        QStringLiteral("Application Path:") + tab + tab + m_state.appPath.toLower(),
        QStringLiteral("Short Application Path:") + tab + m_state.shortAppPath(),
        QString(),
        QStringLiteral("M.A.M.E. Path:") + tab + tab + now.mame,
        QStringLiteral("Short M.A.M.E. Path:") + tab + m_state.shortMamePath(),
        QStringLiteral("Temp M.A.M.E. Path:") + tab + before.mame,
        QString(),
        QStringLiteral("Retro ROMs Path:") + tab + tab + now.retroRoms,
        QStringLiteral("Temp Retro ROMs Path:") + tab + before.retroRoms,
        QString(),
        QStringLiteral("Neo-Geo ROMs Path:") + tab + now.neoGeoRoms,
        QStringLiteral("Temp Neo-Geo ROMs Path:") + tab + before.neoGeoRoms,
        QString(),
        QStringLiteral("Samples Path:") + tab + tab + now.samples,
        QStringLiteral("Temp Samples Path:") + tab + before.samples,
        QString(),
        QStringLiteral("Snap Path:") + tab + tab + now.snapshots,
        QStringLiteral("Temp Snap Path:") + tab + tab + before.snapshots,
    };
    m_dialogs.message(lines.join(u'\r'), gui::Dialogs::Icon::Information, QStringLiteral("Path Information"));
}

void MainWindow::showListLoadTime() {
    m_dialogs.message(QString::number(qRound(m_loadMilliseconds / 1000.0)) + QStringLiteral(" Seconds"),
                      gui::Dialogs::Icon::Information, QStringLiteral("List Load Time"));
}

} // namespace app
