#include "core/settings/GameDetails.h"

#include "core/exec/Emulator.h"

namespace settings {
namespace {

const QString CustomSettings = QStringLiteral("Custom Settings");
const QString DefaultSettings = QStringLiteral("Default Settings");
const QString NotInstalled = QStringLiteral("Not Installed");

} // namespace

PlayVerdict playVerdict(const catalogue::GameRecord* game, config::GameView list, const exec::Emulator& emulator) {
    if (list == config::GameView::Uninstalled)
        return PlayVerdict::NotInstalled;
    if (!game)
        return PlayVerdict::NoGame;
    if (!exec::isPlainGameName(game->romName()))
        return PlayVerdict::UnusableName;
    // The installed list holds what was installed when it was filled.
    if (list == config::GameView::All && !emulator.isInstalled(game->romName()))
        return PlayVerdict::NotInstalled;
    return PlayVerdict::Play;
}

QString screenShotOf(const catalogue::GameRecord& game, const config::AppState& state, const exec::Emulator& emulator) {
    const QString parent = game.parentName();
    return emulator.screenShot(state.preferences.cloneShots && !parent.isEmpty() ? parent : game.romName());
}

GameDetails describeGame(const catalogue::GameRecord& game, config::GameView list, const config::AppState& state,
                         const exec::Emulator& emulator, bool custom) {
    GameDetails details;
    details.description = game.description();
    details.romName = game.romName();
    details.origin = game.isClone() ? QStringLiteral("Clone") : QStringLiteral("Original");
    details.orientation = game[catalogue::GameRecord::Display].right(1);

    switch (list) {
    case config::GameView::All:
        details.settings = custom                                 ? CustomSettings
                           : emulator.isInstalled(game.romName()) ? DefaultSettings
                                                                  : NotInstalled;
        break;
    case config::GameView::Installed:
        details.settings = custom ? CustomSettings : DefaultSettings;
        break;
    case config::GameView::Uninstalled:
        details.settings = NotInstalled;
        break;
    }

    details.canPlay = playVerdict(&game, list, emulator) == PlayVerdict::Play;
    details.screenShot = screenShotOf(game, state, emulator);
    return details;
}

} // namespace settings
