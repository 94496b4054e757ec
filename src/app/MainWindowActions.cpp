// The main window's commands: its actions, with their captions and keys, and its menus.
#include "app/ListController.h"
#include "app/MainWindow.h"
#include "app/PanelHost.h"
#include "core/catalogue/GameRecord.h"
#include "gui/catalogue/GameListPanel.h"

#include <QAction>
#include <QActionGroup>
#include <QMenu>
#include <QMenuBar>

#include <optional>

namespace app {
namespace {

using catalogue::Action;
using config::GameView;

struct ActionText {
    Action action;
    const char* name;
    const char* caption; // in its menu
};

constexpr ActionText ActionTexts[] = {
    {Action::Play, "playAction", "&Play Game"},
    {Action::Audit, "auditAction", "Game &Audit"},
    {Action::History, "historyAction", "&Game History"},
    {Action::Exit, "exitAction", "E&xit"},
    {Action::ExitButton, "exitButtonAction", "E&xit"},
    {Action::ViewAll, "viewAllAction", "&All Games"},
    {Action::ViewInstalled, "viewInstalledAction", "&Installed Games"},
    {Action::ViewUninstalled, "viewUninstalledAction", "&Uninstalled Games"},
    {Action::ScreenShots, "screenShotsAction", "&Screen Shots"},
    {Action::RasterDefaults, "rasterDefaultsAction", "&Raster Defaults..."},
    {Action::VectorDefaults, "vectorDefaultsAction", "&Vector Defaults..."},
    {Action::CustomSettings, "customSettingsAction", "&Custom Settings..."},
    {Action::Maintenance, "maintenanceAction", "&Maintenance..."},
    {Action::Options, "optionsAction", "&Options..."},
    {Action::Refresh, "refreshAction", "Re&fresh Game List"},
    {Action::EditConfig, "editConfigAction", "&Edit M.A.M.E. Config File"},
    {Action::VerifyRoms, "verifyRomsAction", "Verify All &ROMs"},
    {Action::VerifySamples, "verifySamplesAction", "Verify All &Samples"},
    {Action::VerifySets, "verifySetsAction", "Verify All Sets"},
    {Action::ViewRomsReport, "viewRomsReportAction", "View ROMs Report"},
    {Action::ViewSamplesReport, "viewSamplesReportAction", "View Samples Report"},
    {Action::ViewSetsReport, "viewSetsReportAction", "View Sets Report"},
    {Action::HelpFile, "helpFileAction", "&Marqueon Help File"},
    {Action::Readme, "readmeAction", "M.A.M.E. &Readme File"},
    {Action::About, "aboutAction", "&About Marqueon"},
    {Action::FullScreen, "fullScreenAction", "&Full Screen"},
    {Action::Favourite, "favouriteAction", "&Favourite"},
    {Action::ImportFavourites, "importFavouritesAction", "&Import M.A.M.E. Favourites..."},
    {Action::ExportFavourites, "exportFavouritesAction", "Expor&t M.A.M.E. Favourites..."},
    {Action::PictureScreenShot, "pictureScreenShotAction", "Screen S&hot"},
    {Action::PictureTitle, "pictureTitleAction", "&Title"},
    {Action::PictureFlyer, "pictureFlyerAction", "Fl&yer"},
    {Action::PictureMarquee, "pictureMarqueeAction", "&Marquee"},
    {Action::PictureCabinet, "pictureCabinetAction", "&Cabinet"},
    {Action::PictureControlPanel, "pictureControlPanelAction", "Control &Panel"},
    {Action::PictureBoard, "pictureBoardAction", "&Board"},
};

} // namespace

void MainWindow::createActions() {
    for (const ActionText& text : ActionTexts) {
        auto* created = new QAction(QLatin1String(text.caption), this);
        created->setObjectName(QLatin1String(text.name));
        m_actions[size_t(text.action)] = created;
    }
    for (Action view : {Action::ViewAll, Action::ViewInstalled, Action::ViewUninstalled, Action::ScreenShots,
                        Action::FullScreen, Action::Favourite})
        action(view)->setCheckable(true);
    action(Action::Favourite)->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_D));
    // One kind of picture at a time, Ctrl+1 for screen shots to Ctrl+7 for boards.
    auto* pictures = new QActionGroup(this);
    for (int kind = 0; kind < artwork::ArtKindCount; ++kind) {
        QAction* picture = action(Action(int(Action::PictureScreenShot) + kind));
        picture->setCheckable(true);
        picture->setShortcut(QKeySequence(Qt::CTRL | Qt::Key(Qt::Key_1 + kind)));
        pictures->addAction(picture);
        connect(picture, &QAction::triggered, this, [this, kind] { showPictureKind(artwork::ArtKind(kind)); });
    }
    // The keys desktop programs share; the menus show them.
    action(Action::Exit)->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Q));
    action(Action::HelpFile)->setShortcut(QKeySequence::HelpContents);
    action(Action::FullScreen)->setShortcut(QKeySequence::FullScreen);
    action(Action::FullScreen)->setShortcutContext(Qt::ApplicationShortcut);

    const auto on = [this](Action which, auto slot) {
        connect(action(which), &QAction::triggered, this, slot);
    };
    on(Action::Play, &MainWindow::play);
    on(Action::Exit, &QWidget::close);
    on(Action::ExitButton, &QWidget::close);
    on(Action::RasterDefaults, [this] { openDefaults(settings::SettingsKind::Raster); });
    on(Action::VectorDefaults, [this] { openDefaults(settings::SettingsKind::Vector); });
    on(Action::CustomSettings, &MainWindow::openCustomSettings);
    on(Action::Maintenance, &MainWindow::openMaintenance);
    on(Action::Options, &MainWindow::showOptions);
    on(Action::Refresh, &MainWindow::refresh);
    on(Action::About, &MainWindow::showAbout);
    on(Action::Favourite, &MainWindow::toggleFavourite);
    on(Action::ImportFavourites, &MainWindow::importFavourites);
    on(Action::ExportFavourites, &MainWindow::exportFavourites);
    on(Action::FullScreen, [this](bool on) {
        setWindowState(on ? windowState() | Qt::WindowFullScreen : windowState() & ~Qt::WindowFullScreen);
    });
}

void MainWindow::showPictureKind(artwork::ArtKind kind) {
    if (!action(Action::ScreenShots)->isChecked())
        action(Action::ScreenShots)->trigger();
    m_lists->setPictureKind(kind);
}

void MainWindow::createMenus() {
    // Items in menu order; an empty place is a separator.
    const auto menu = [this](const char* name, const QString& caption,
                             std::initializer_list<std::optional<Action>> items) {
        QMenu* created = menuBar()->addMenu(caption);
        created->setObjectName(QLatin1String(name));
        for (const std::optional<Action>& item : items) {
            if (item)
                created->addAction(action(*item));
            else
                created->addSeparator();
        }
        return created;
    };
    const std::nullopt_t line = std::nullopt;
    menu("fileMenu", QStringLiteral("&File"),
         {Action::Play, Action::Audit, Action::History, Action::Favourite, line, Action::ImportFavourites,
          Action::ExportFavourites, line, Action::Exit});
    QMenu* view =
        menu("viewMenu", QStringLiteral("&View"),
             {Action::ViewAll, Action::ViewInstalled, Action::ViewUninstalled, line, Action::ScreenShots,
              Action::PictureScreenShot, Action::PictureTitle, Action::PictureFlyer, Action::PictureMarquee,
              Action::PictureCabinet, Action::PictureControlPanel, Action::PictureBoard, line, Action::FullScreen});
    menuBar()->addMenu(m_listPanel->filtersMenu());
    menu("toolsMenu", QStringLiteral("&Tools"),
         {Action::RasterDefaults, Action::VectorDefaults, Action::CustomSettings, line, Action::Maintenance, line,
          Action::Options, line, Action::Refresh, line, Action::EditConfig});
    menu("reportsMenu", QStringLiteral("&Reports"),
         {Action::VerifyRoms, Action::VerifySamples, Action::VerifySets, line, Action::ViewRomsReport,
          Action::ViewSamplesReport, Action::ViewSetsReport});
    menu("helpMenu", QStringLiteral("&Help"), {Action::HelpFile, Action::Readme, line, Action::About});
    // The check mark follows the list shown.
    connect(view, &QMenu::aboutToShow, this, [this] {
        action(Action::ViewAll)->setChecked(m_lists->shown() == GameView::All);
        action(Action::ViewInstalled)->setChecked(m_lists->shown() == GameView::Installed);
        action(Action::ViewUninstalled)->setChecked(m_lists->shown() == GameView::Uninstalled);
    });
}

void MainWindow::updateActions() {
    catalogue::WindowState state;
    state.panelOpen = m_host->isOpen();
    state.busy = m_host->isBusy();
    state.shownList = m_lists->shown();
    state.shownCount = m_lists->shownCount();
    state.selectedPlayable = m_lists->selectedPlayable();
    state.emulatorFavourites = m_emulator.keepsFavourites();
    for (int which = 0; which < catalogue::ActionCount; ++which)
        m_actions[size_t(which)]->setEnabled(catalogue::isAvailable(Action(which), state));
    const catalogue::GameRecord* game = m_lists->selectedGame();
    action(Action::Favourite)->setChecked(game && m_userData.isFavourite(game->romName()));
    // The filters belong to the list: not while a panel covers it or a command runs.
    const bool filters = !state.panelOpen && !state.busy;
    m_listPanel->filtersMenu()->menuAction()->setEnabled(filters);
    for (QAction* item : m_listPanel->filtersMenu()->actions())
        item->setEnabled(filters);
}

} // namespace app
