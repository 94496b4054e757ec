#include "app/ListController.h"

#include "core/catalogue/GameListModel.h"
#include "core/settings/GameDetails.h"
#include "gui/catalogue/GameListPanel.h"
#include "gui/catalogue/GameListView.h"
#include "gui/catalogue/GameStatusView.h"
#include "gui/common/Artwork.h"

#include <utility>

namespace app {

using config::GameView;

ListController::ListController(gui::GameListPanel* panel, gui::GameStatusView* status, const config::AppState& state,
                               const exec::Emulator& emulator, settings::SettingsSession& settings,
                               const catalogue::UserData& userData, config::SavedView& view, QObject* parent)
    : QObject(parent)
    , m_panel(panel)
    , m_status(status)
    , m_state(state)
    , m_emulator(emulator)
    , m_settings(settings)
    , m_marks(userData)
    , m_view(view) {
    for (GameView each : config::AllGameViews) {
        gui::GameListView* games = list(each);
        games->games()->setMarks(&m_marks);
        connect(games, &gui::GameListView::columnClicked, this,
                [this, each](int column) { onColumnClicked(each, column); });
        connect(games, &gui::GameListView::gameSelected, this, [this, each] { onGameSelected(each); });
        connect(games, &gui::GameListView::doubleClicked, this, [this, each] {
            if (each == GameView::Uninstalled)
                emit notInstalledChosen();
            else
                emit playRequested();
        });
        connect(games, &gui::GameListView::returnPressed, this, &ListController::returnPressed);
    }
    // A pack indexed meanwhile may hold the picture missed.
    connect(&m_artwork, &artwork::ArtworkLibrary::ready, this, [this](artwork::ArtKind kind) {
        if (kind == pictureKind())
            showScreenShot();
    });
}

gui::GameListView* ListController::list(GameView view) const {
    return m_panel->list(view);
}

gui::GameListView* ListController::shownList() const {
    return m_anyShown ? list(m_view.gameView) : nullptr;
}

void ListController::clear() {
    for (gui::GameListView* games : m_panel->lists())
        games->games()->clear();
    m_audited.reset();
    m_newRomFound = false;
}

void ListController::setGames(catalogue::GameLists lists) {
    m_marks.installed.clear();
    for (const catalogue::GameRecord& game : std::as_const(lists.installed))
        m_marks.installed.insert(game.romName());
    for (GameView each : config::AllGameViews) {
        const config::ListState& saved = m_view.list(each);
        list(each)->games()->setSearchAbilities(lists.abilities);
        list(each)->sortBy(saved.sortKey, saved.sortOrder);
    }
    catalogue::GameListModel* all = list(GameView::All)->games();
    all->setGames(std::move(lists.all));
    // A smaller list sorted as the whole list takes its games as they are; another sorts its own
    // (games that sort alike then keep the catalogue's order).
    const auto sortedAsAll = [this](GameView view) {
        return m_view.list(view).sortKey == m_view.list(GameView::All).sortKey &&
               m_view.list(view).sortOrder == m_view.list(GameView::All).sortOrder;
    };
    const auto fill = [&](GameView view, QList<catalogue::GameRecord>& games, bool installed) {
        if (sortedAsAll(view)) {
            list(view)->games()->takeGames(*all, [&](const catalogue::GameRecord& game) {
                return m_marks.installed.contains(game.romName()) == installed;
            });
        } else {
            list(view)->games()->setGames(std::move(games));
        }
    };
    fill(GameView::Installed, lists.installed, true);
    fill(GameView::Uninstalled, lists.uninstalled, false);
}

void ListController::resetPositions() {
    for (config::ListState& saved : m_view.lists)
        saved.index = 1;
}

int ListController::count(GameView view) const {
    const int games = list(view)->count();
    return view == GameView::Uninstalled && m_newRomFound ? games - 1 : games;
}

int ListController::shownCount() const {
    const gui::GameListView* games = shownList();
    return games ? games->shownCount() : 0;
}

void ListController::show(GameView view) {
    m_view.gameView = view;
    m_anyShown = true;
    m_panel->showList(view);
    emit listShown(view);
    gui::GameListView* games = list(view);
    if (count(view) < 1) {
        m_status->showTotal(count(view));
        m_status->clearGame();
        if (view != GameView::All)
            m_panel->hideNotice();
        emit selectionChanged();
        return;
    }
    config::ListState& saved = m_view.list(view);
    games->sortBy(saved.sortKey, saved.sortOrder);
    // A saved position past the end (the catalogue shrank since) selects the first game.
    if (saved.index < 1 || saved.index > games->count())
        saved.index = 1;
    games->selectIndex(saved.index);
    games->scrollToSelected();
    games->setFocus();
    showScreenShot();
    showDetails();
    emit selectionChanged();
}

const catalogue::GameRecord* ListController::selectedGame() const {
    const gui::GameListView* games = shownList();
    return games ? games->selectedGame() : nullptr;
}

bool ListController::selectedPlayable() const {
    const catalogue::GameRecord* game = selectedGame();
    return settings::playVerdict(game, shown(), m_emulator) == settings::PlayVerdict::Play;
}

void ListController::saveSelection() {
    // With no game shown the position of the last one selected stays.
    if (gui::GameListView* games = shownList(); games && games->selectedIndex() > 0)
        m_view.list(shown()).index = games->selectedIndex();
}

void ListController::restoreSelection() {
    if (gui::GameListView* games = shownList(); games && count(shown()) > 0) {
        games->selectIndex(m_view.list(shown()).index);
        games->setFocus();
    }
}

void ListController::scrollToSelected() {
    if (gui::GameListView* games = shownList())
        games->scrollToSelected();
}

void ListController::showDetails() {
    if (!m_anyShown)
        return;
    m_status->showTotal(count(shown()));
    const catalogue::GameRecord* game = selectedGame();
    if (count(shown()) < 1 || !game) {
        m_status->clearGame();
        return;
    }
    m_status->showGame(
        settings::describeGame(*game, shown(), m_state, m_emulator, m_settings.hasCustomSettings(game->romName())));
    if (m_newRomFound)
        m_status->showSettings(QStringLiteral("New ROM Found"));
}

void ListController::setScreenShots(bool on) {
    m_view.screenShots = on;
    m_panel->setScreenShotRoom(on);
    if (!on)
        return;
    for (GameView each : config::AllGameViews) {
        if (each == GameView::All || count(each) > 0)
            list(each)->scrollToSelected();
    }
    showScreenShot();
}

void ListController::applyAppearance() {
    const config::Preferences& preferences = m_state.preferences;
    const QPixmap stars = preferences.useStarfield ? gui::starFieldPicture(QSize(800, 600)) : QPixmap();
    for (gui::GameListView* games : m_panel->lists()) {
        if (preferences.useStarfield)
            games->showStarField(stars);
        else
            games->showColours(preferences.backColour, preferences.foreColour);
    }
}

void ListController::onColumnClicked(GameView view, int column) {
    config::ListState& saved = m_view.list(view);
    saved.sortKey = column;
    saved.sortOrder = saved.sortOrder == 0 ? 1 : 0;
    list(view)->sortBy(saved.sortKey, saved.sortOrder);
    list(view)->scrollToSelected();
}

void ListController::onGameSelected(GameView view) {
    if (!m_anyShown || view != shown())
        return;
    if (const int index = list(view)->selectedIndex(); index > 0)
        m_view.list(view).index = index;
    showScreenShot();
    showDetails();
    emit selectionChanged();
}

void ListController::auditStarted() {
    const catalogue::GameRecord* game = selectedGame();
    if (!game || shown() != GameView::Uninstalled)
        return;
    m_audited = *game;
    m_newRomFound = m_emulator.isInstalled(game->romName());
    showDetails();
}

void ListController::auditEnded() {
    const std::optional<catalogue::GameRecord> audited = std::exchange(m_audited, std::nullopt);
    m_newRomFound = false;
    if (!audited || !m_emulator.isInstalled(audited->romName()))
        return;
    catalogue::GameListModel* uninstalled = list(GameView::Uninstalled)->games();
    int row = m_view.list(GameView::Uninstalled).index - 1;
    if (row < 0 || row >= uninstalled->count() || uninstalled->game(row) != *audited) {
        for (row = 0; row < uninstalled->count() && uninstalled->game(row) != *audited; ++row) {
        }
    }
    uninstalled->removeGame(row);
    list(GameView::Installed)->games()->addGame(*audited);
    m_marks.installed.insert(audited->romName());
}

void ListController::marksChanged() {
    for (gui::GameListView* games : m_panel->lists())
        games->marksChanged();
    showDetails();
    emit selectionChanged();
}

} // namespace app
