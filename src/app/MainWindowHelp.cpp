// Help, the about box, the path information, the preferences and the maintenance panel's opening.
#include "app/MainWindow.h"

#include "app/Dialogs.h"
#include "app/TextFile.h"
#include "audit/TextPanel.h"
#include "catalogue/GameListPanel.h"
#include "catalogue/GameListView.h"
#include "maintenance/MaintenancePanel.h"
#include "setup/SetupWizard.h"
#include "ui/AboutBox.h"
#include "ui/Artwork.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QPushButton>
#include <QStatusBar>

namespace app {

void MainWindow::mnuHelpRetro_Click() {
    // The guide ships beside the program; an application directory of its own may lack it.
    QString path = m_state.AppPath + QStringLiteral("retro.txt");
    const QString shipped = QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral("retro.txt"));
    if (!QFileInfo::exists(path) && QFileInfo::exists(shipped))
        path = shipped;
    showTextFile(path, QStringLiteral("Marqueon File"), QStringLiteral("Cannot find retro.txt!"));
}

void MainWindow::mnuHelpReadme_Click() {
    showTextFile(m_state.MAMEPath + QStringLiteral("readme.txt"), QStringLiteral("M.A.M.E. Readme File"),
                 QStringLiteral("Cannot find readme.txt!"));
}

void MainWindow::showTextFile(const QString& path, const QString& caption, const QString& missing) {
    if (!QFileInfo::exists(path)) {
        m_dialogs.message(missing, Dialogs::Icon::Exclamation);
        RestoreSelection();
        return;
    }
    StatusBar2->show();
    fraVerify->setEnabled(true);
    fraList->setEnabled(false);
    PanelOpen = true;
    fraVerify->raise();
    fraVerify->setTitle(caption);
    fraVerify->repaint();
    SaveSelection();
    fraVerify->setText(readText(path).value_or(QString()));
    fraVerify->cmdGameList->setFocus();
}

void MainWindow::mnuHelpAbout_Click() {
    ui::AboutBox about(m_state, m_runner, this);
    about.exec();
}

void MainWindow::showPathInformation() {
    const QChar tab = u'\t';
    const QStringList lines = {
        QStringLiteral("Application Path:") + tab + tab + m_state.AppPath.toLower(),
        QStringLiteral("Short Application Path:") + tab + m_state.ShortAppPath,
        QString(),
        QStringLiteral("M.A.M.E. Path:") + tab + tab + m_state.MAMEPath,
        QStringLiteral("Short M.A.M.E. Path:") + tab + m_state.ShortMAMEPath,
        QStringLiteral("Temp M.A.M.E. Path:") + tab + m_state.TempMAMEPath,
        QString(),
        QStringLiteral("Retro ROMs Path:") + tab + tab + m_state.ROMPath,
        QStringLiteral("Temp Retro ROMs Path:") + tab + m_state.TempROMPath,
        QString(),
        QStringLiteral("Neo-Geo ROMs Path:") + tab + m_state.NeoROMPath,
        QStringLiteral("Temp Neo-Geo ROMs Path:") + tab + m_state.TempNeoROMPath,
        QString(),
        QStringLiteral("Samples Path:") + tab + tab + m_state.SamPath,
        QStringLiteral("Temp Samples Path:") + tab + m_state.TempSamPath,
        QString(),
        QStringLiteral("Snap Path:") + tab + tab + m_state.SnapPath,
        QStringLiteral("Temp Snap Path:") + tab + tab + m_state.TempSnapPath,
    };
    m_dialogs.message(lines.join(u'\r'), Dialogs::Icon::Information, QStringLiteral("Path Information"));
}

void MainWindow::applyListAppearance() {
    const QPixmap stars = m_state.UseStarfield ? ui::starFieldPicture(QSize(800, 600)) : QPixmap();
    for (catalogue::GameListView* list : fraList->lists()) {
        if (m_state.UseStarfield)
            list->showStarField(stars);
        else
            list->showColours(m_state.BackColor, m_state.ForeColor);
    }
}

void MainWindow::mnuToolsOptions_Click() {
    const AppState before = m_state;
    m_state.TempMAMEPath = m_state.MAMEPath;
    m_state.TempROMPath = m_state.ROMPath;
    m_state.TempNeoROMPath = m_state.NeoROMPath;
    m_state.TempSamPath = m_state.SamPath;
    m_state.TempSnapPath = m_state.SnapPath;
    setup::SetupWizard wizard(m_state, m_dialogs, this);
    wizard.exec();
    if (m_state.SetupCancelled) {
        m_state.SetupCancelled = false;
        return;
    }
    applyListAppearance();
    if (m_state.MAMEPath != before.MAMEPath || m_state.GameList != before.GameList ||
        m_state.ROMPath != before.ROMPath || m_state.NeoROMPath != before.NeoROMPath ||
        m_state.HideClones != before.HideClones) {
        m_dialogs.message(QStringLiteral("Marqueon will now refresh the Game List to update your changes."),
                          Dialogs::Icon::Information);
        mnuToolsRefresh_Click();
    }
    if (m_state.CloneShots != before.CloneShots || m_state.SnapPath != before.SnapPath) {
        ShowScreenShot();
        auto all = listSlots();
        if (ListSlot* slot = shownSlot(all))
            showGameDetails(*slot);
    }
}

void MainWindow::cmdMaintenance_Click() {
    fraList->setEnabled(false);
    fraMaintenance->setEnabled(true);
    PanelOpen = true;
    DisableToolButtons();
    SaveSelection();
    auto all = listSlots();
    const ListSlot* slot = shownSlot(all);
    const catalogue::GameRecord* game = slot && *slot->count > 0 ? slot->list->selectedGame() : nullptr;
    fraMaintenance->open(game ? game->romName() : QString());
    fraMaintenance->raise();
}

} // namespace app
