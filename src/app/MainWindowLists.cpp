// The main window's game lists: switching, sorting, selecting, the status bar and the screen shot.
#include "app/MainWindow.h"

#include "app/Dialogs.h"
#include "catalogue/GameListModel.h"
#include "catalogue/GameListPanel.h"
#include "catalogue/GameListView.h"

#include <QAction>
#include <QFileInfo>
#include <QLabel>
#include <QPushButton>

namespace app {

using catalogue::GameListPanel;
using catalogue::GameRecord;

std::array<MainWindow::ListSlot, 3> MainWindow::listSlots() {
    return {{
        {fraList->lvAll, GameListPanel::AllGames, &AllCount, &View.AllIndex, &View.AllSortKey, &View.AllSortOrder},
        {fraList->lvInstalled, GameListPanel::InstalledGames, &InstalledCount, &View.InstalledIndex,
         &View.InstalledSortKey, &View.InstalledSortOrder},
        {fraList->lvUninstalled, GameListPanel::UninstalledGames, &UninstalledCount, &View.UninstalledIndex,
         &View.UninstalledSortKey, &View.UninstalledSortOrder},
    }};
}

MainWindow::ListSlot* MainWindow::shownSlot(std::array<ListSlot, 3>& all) {
    for (ListSlot& slot : all) {
        if (slot.caption == fraList->title())
            return &slot;
    }
    return nullptr;
}

void MainWindow::mnuViewAll_Click() {
    switchList(listSlots()[0]);
}
void MainWindow::mnuViewInstalled_Click() {
    switchList(listSlots()[1]);
}
void MainWindow::mnuViewUninstalled_Click() {
    switchList(listSlots()[2]);
}

void MainWindow::switchList(const ListSlot& slot) {
    fraList->showList(slot.list, slot.caption);
    const bool uninstalled = slot.list == fraList->lvUninstalled;
    cmdPlay->setDefault(!uninstalled);
    if (uninstalled)
        cmdPlay->setEnabled(false);
    else
        EnableGameButtons();

    setPanel(1, QStringLiteral("Total Games: ") + QString::number(*slot.count));
    if (*slot.count < 1) {
        ClearSelection();
        if (slot.list != fraList->lvAll)
            fraList->hideNotice();
        return;
    }
    if (uninstalled) {
        cmdVerify->setEnabled(true);
        cmdHistory->setEnabled(true);
    }
    slot.list->sortBy(*slot.sortKey, *slot.sortOrder);
    // A saved position past the end (the catalogue shrank since) selects the first game.
    if (*slot.index < 1 || *slot.index > slot.list->count())
        *slot.index = 1;
    slot.list->selectIndex(*slot.index);
    slot.list->scrollToSelected();
    slot.list->setFocus();
    ShowScreenShot();
    showGameDetails(slot);
}

// Panels 2 to 5: the game's name, ROM name, origin and screen orientation.
void MainWindow::showGamePanels(const GameRecord& game) {
    setPanel(2, game.description());
    setPanel(3, game.romName());
    setPanel(4, game.origin().startsWith(u'C') ? QStringLiteral("Clone") : QStringLiteral("Original"));
    setPanel(5, game[GameRecord::Display].right(1));
}

void MainWindow::showGameDetails(const ListSlot& slot) {
    const GameRecord* game = slot.list->selectedGame();
    if (!game)
        return;
    showGamePanels(*game);

    const QString rom = game->romName();
    const bool custom = QFileInfo::exists(m_state.settingsPath() + rom + QStringLiteral(".cfg"));
    QString settings;
    if (slot.list == fraList->lvAll) {
        if (custom) {
            settings = QStringLiteral("Custom Settings");
        } else if (!m_state.hasArchive(rom)) {
            settings = QStringLiteral("Not Installed");
            cmdPlay->setEnabled(false);
        } else {
            settings = QStringLiteral("Default Settings");
            cmdPlay->setEnabled(true);
        }
    } else if (slot.list == fraList->lvInstalled) {
        settings = custom ? QStringLiteral("Custom Settings") : QStringLiteral("Default Settings");
    } else {
        settings = QStringLiteral("Not Installed");
    }
    setPanel(6, settings);
}

void MainWindow::onColumnClicked(const ListSlot& slot, int column) {
    *slot.sortKey = column;
    *slot.sortOrder = *slot.sortOrder == 0 ? 1 : 0;
    slot.list->sortBy(*slot.sortKey, *slot.sortOrder);
    slot.list->scrollToSelected();
}

void MainWindow::onGameSelected(const ListSlot& slot) {
    if (slot.list != fraList->shownList())
        return;
    *slot.index = slot.list->selectedIndex();
    ShowScreenShot();
    showGameDetails(slot);
}

void MainWindow::onDoubleClick(const ListSlot& slot) {
    if (slot.list != fraList->lvUninstalled) {
        cmdPlay_Click();
        return;
    }
    m_dialogs.message(QStringLiteral("This game is not installed."), Dialogs::Icon::Information);
    RestoreSelection();
}

void MainWindow::SaveSelection() {
    auto all = listSlots();
    if (ListSlot* slot = shownSlot(all); slot && *slot->count > 0)
        *slot->index = slot->list->selectedIndex();
}

void MainWindow::RestoreSelection() {
    auto all = listSlots();
    if (ListSlot* slot = shownSlot(all); slot && *slot->count > 0) {
        slot->list->selectIndex(*slot->index);
        slot->list->setFocus();
    }
}

void MainWindow::EnableGameButtons() {
    cmdPlay->setEnabled(true);
    cmdVerify->setEnabled(true);
    cmdHistory->setEnabled(true);
    EnableToolButtons();
}

void MainWindow::ClearSelection() {
    for (int panel = 2; panel <= 6; ++panel)
        setPanel(panel, QString());
    cmdPlay->setEnabled(false);
    cmdVerify->setEnabled(false);
    cmdHistory->setEnabled(false);
}

void MainWindow::EnableToolButtons() {
    cmdRaster->setEnabled(true);
    cmdVector->setEnabled(true);
    cmdMaintenance->setEnabled(true);
}

void MainWindow::DisableToolButtons() {
    cmdRaster->setEnabled(false);
    cmdVector->setEnabled(false);
    cmdMaintenance->setEnabled(false);
}

void MainWindow::ShowScreenShot() {
    if (!mnuViewShots->isChecked())
        return;
    catalogue::GameListView* list = fraList->shownList();
    if (!list)
        return;
    const GameRecord* game = list->selectedGame();
    if (list->count() < 1 || !game) {
        fraList->hideNotice();
        return;
    }
    const QString parent = game->parentName();
    const QString picture = m_state.CloneShots && !parent.isEmpty() ? parent : game->romName();
    fraList->showPicture(m_state.SnapPath + picture + QStringLiteral(".png"));
}

void MainWindow::mnuViewShots_Click() {
    const bool on = mnuViewShots->isChecked();
    fraList->setScreenShotRoom(on);
    if (!on)
        return;
    for (const ListSlot& slot : listSlots()) {
        if (slot.list == fraList->lvAll || *slot.count > 0)
            slot.list->scrollToSelected();
    }
    ShowScreenShot();
}

} // namespace app
