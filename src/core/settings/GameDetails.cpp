#include "core/settings/GameDetails.h"

#include "core/exec/Emulator.h"
#include "core/settings/SettingsFile.h"

#include <QFileInfo>

namespace settings {
namespace {

const QString CustomSettings = QStringLiteral("Custom Settings");
const QString DefaultSettings = QStringLiteral("Default Settings");
const QString NotInstalled = QStringLiteral("Not Installed");

} // namespace

GameDetails describeGame(const catalogue::GameRecord& game, config::GameView list, const config::AppState& state,
                         const exec::Emulator& emulator) {
    GameDetails details;
    details.description = game.description();
    details.romName = game.romName();
    details.origin = game.isClone() ? QStringLiteral("Clone") : QStringLiteral("Original");
    details.orientation = game[catalogue::GameRecord::Display].right(1);

    const bool custom = exec::isPlainGameName(game.romName()) &&
                        QFileInfo::exists(state.settingsPath() + customFileName(game.romName()));
    switch (list) {
    case config::GameView::All:
        details.canPlay = custom || emulator.isInstalled(game.romName());
        details.settings = custom ? CustomSettings : details.canPlay ? DefaultSettings : NotInstalled;
        break;
    case config::GameView::Installed:
        details.canPlay = true;
        details.settings = custom ? CustomSettings : DefaultSettings;
        break;
    case config::GameView::Uninstalled:
        details.settings = NotInstalled;
        break;
    }

    const QString parent = game.parentName();
    const QString picture = state.preferences.cloneShots && !parent.isEmpty() ? parent : game.romName();
    details.screenShot = emulator.screenShot(picture);
    return details;
}

} // namespace settings
