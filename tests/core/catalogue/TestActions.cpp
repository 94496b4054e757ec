#include "core/catalogue/Actions.h"
#include "support/TableRows.h"

using catalogue::Action;
using catalogue::WindowState;
using config::GameView;
using Actions = QList<Action>;

Q_DECLARE_METATYPE(WindowState)

class TestActions : public QObject {
    Q_OBJECT
private slots:
    void enabling_data() {
        columns<WindowState, Actions>({"state", "unavailable"});
        Actions everything;
        for (int action = 0; action < catalogue::ActionCount; ++action)
            everything << Action(action);
        // Behind a panel only the window's own Exit button and full screen stay.
        Actions allButExit = everything;
        allButExit.removeOne(Action::ExitButton);
        allButExit.removeOne(Action::FullScreen);
        // The classic emulator keeps no favourites of its own.
        const Actions classic = {Action::ImportFavourites, Action::ExportFavourites};
        const Actions unplayable = classic + Actions{Action::Play, Action::CustomSettings};
        const Actions noGame =
            classic + Actions{Action::Play, Action::Audit, Action::History, Action::CustomSettings, Action::Favourite};
        using W = WindowState;
        row("all games, playable game", W{false, false, GameView::All, 5, true, false}, classic);
        row("today's emulator", W{false, false, GameView::All, 5, true, true}, Actions());
        row("all games, game not installed", W{false, false, GameView::All, 5, false, false}, unplayable);
        row("installed games", W{false, false, GameView::Installed, 3, true, false}, classic);
        row("installed games, none there", W{false, false, GameView::Installed, 0, true, false}, noGame);
        row("uninstalled games", W{false, false, GameView::Uninstalled, 2, false, false}, unplayable);
        row("uninstalled games, never playable", W{false, false, GameView::Uninstalled, 2, true, false}, unplayable);
        row("all games, none there", W{false, false, GameView::All, 0, false, false}, noGame);
        row("panel open", W{true, false, GameView::All, 5, true, true}, allButExit);
        row("panel open over an empty list", W{true, false, GameView::Installed, 0, false, false}, allButExit);
        row("command running", W{false, true, GameView::All, 5, true, true}, everything);
        row("command running behind a panel", W{true, true, GameView::All, 5, true, false}, everything);
    }
    void enabling() {
        for (int index = 0; index < catalogue::ActionCount; ++index) {
            const Action action = Action(index);
            QVERIFY2(catalogue::isAvailable(action, cell<WindowState>("state")) !=
                         cell<Actions>("unavailable").contains(action),
                     qPrintable(QStringLiteral("action %1").arg(index)));
        }
    }
};

QTEST_GUILESS_MAIN(TestActions)
#include "TestActions.moc"
