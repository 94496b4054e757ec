#include "core/config/SavedView.h"

namespace config {

QString gameViewCaption(GameView view) {
    switch (view) {
    case GameView::Installed:
        return QStringLiteral("Installed Games");
    case GameView::Uninstalled:
        return QStringLiteral("Uninstalled Games");
    case GameView::All:
        break;
    }
    return QStringLiteral("All Games");
}

GameView gameViewFromCaption(const QString& caption) {
    for (GameView view : {GameView::Installed, GameView::Uninstalled}) {
        if (caption == gameViewCaption(view))
            return view;
    }
    return GameView::All;
}

} // namespace config
