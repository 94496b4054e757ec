// The settings panel's commands: opening it for the raster defaults, the vector defaults or a
// game's custom settings, and OK, Restore and Cancel.
#include "app/MainWindow.h"

#include "app/Dialogs.h"
#include "app/TextFile.h"
#include "catalogue/CatalogueLoader.h"
#include "catalogue/GameListPanel.h"
#include "catalogue/GameListView.h"
#include "settings/OptionString.h"
#include "settings/SettingsFile.h"
#include "settings/SettingsPanel.h"

#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QStatusBar>
#include <QTabWidget>

namespace app {

using Kind = settings::SettingsKind;
using settings::SettingsPanel;

namespace {
const QString RestoreEmulatorDefaults = QStringLiteral("R&estore M.A.M.E. Defaults");
}

// Reads a settings file into the record, telling the user when it is short. False when the
// file is unreadable and the program ends.
bool MainWindow::readSettings(const QString& path, Kind kind) {
    const settings::ReadResult read = settings::ReadSettingsFile(path, kind, Settings);
    if (read.outcome == settings::ReadResult::Outcome::EndedEarly)
        m_dialogs.message(settings::optionsChangedMessage(), Dialogs::Icon::Exclamation);
    if (read.outcome == settings::ReadResult::Outcome::Unreadable) {
        m_dialogs.message(QStringLiteral("Error: ") + read.description, Dialogs::Icon::Critical);
        m_dialogs.endProgram();
        return false;
    }
    return true;
}

void MainWindow::openSettingsPanel() {
    fraDefaults->SSTab1->setCurrentIndex(0);
    fraList->setEnabled(false);
    StatusBar2->show();
    fraDefaults->setEnabled(true);
    PanelOpen = true;
    DisableToolButtons();
    SaveSelection();
}

void MainWindow::cmdRaster_Click() {
    openDefaults(Kind::Raster);
}

void MainWindow::cmdVector_Click() {
    openDefaults(Kind::Vector);
}

void MainWindow::openDefaults(Kind kind) {
    openSettingsPanel();
    SettingsKind = kind;
    const QString file = m_state.settingsPath() + settings::defaultsFileName(kind);
    if (QFile::exists(file)) {
        if (!readSettings(file, kind))
            return;
        fraDefaults->ShowSettings(Settings, kind);
    } else {
        fraDefaults->showEmulatorDefaults();
    }
    Settings.ClearSettings();
    fraDefaults->setVectorControlsVisible(kind == Kind::Vector);
    fraDefaults->cmdRestore->setText(RestoreEmulatorDefaults);
    fraDefaults->setTitle(kind == Kind::Raster ? SettingsPanel::RasterDefaults : SettingsPanel::VectorDefaults);
    fraDefaults->raise();
    fraDefaults->cmdOK->setFocus();
}

void MainWindow::mnuToolsCustom_Click() {
    const catalogue::GameRecord* game = selectedGame();
    if (!game)
        return;
    m_customRom = game->romName();
    m_customType = (*game)[catalogue::GameRecord::VideoType];
    const Kind kind = settings::kindOf(m_customType);
    const QString custom = m_state.settingsPath() + settings::customFileName(m_customRom);
    if (QFile::exists(custom)) {
        openSettingsPanel();
        SettingsKind = kind;
        const bool defaults = QFile::exists(m_state.settingsPath() + settings::defaultsFileName(kind));
        fraDefaults->cmdRestore->setText(!defaults              ? RestoreEmulatorDefaults
                                         : kind == Kind::Raster ? QStringLiteral("R&estore Raster Defaults")
                                                                : QStringLiteral("R&estore Vector Defaults"));
        if (!readSettings(custom, kind))
            return;
        fraDefaults->ShowSettings(Settings, kind);
        fraDefaults->setVectorControlsVisible(kind == Kind::Vector);
    } else {
        openDefaults(kind);
    }
    fraDefaults->setTitle(SettingsPanel::CustomSettings);
    fraDefaults->raise();
    lblList->setText(m_customRom);
    fraDefaults->cmdOK->setFocus();
}

void MainWindow::cmdOK_Click() {
    if (const QString problem = fraDefaults->parametersProblem(); !problem.isEmpty()) {
        m_dialogs.message(problem, Dialogs::Icon::Critical);
        return;
    }
    const bool allDefaults = fraDefaults->CheckPanelDefaults();
    fraDefaults->ReadSettingsPanel(Settings);
    const QString options = settings::BuildOptionString(Settings, SettingsKind);
    if (const std::optional<QString> tooLong = settings::lengthRuleMessage(options)) {
        m_dialogs.message(*tooLong, Dialogs::Icon::Critical);
        return;
    }
    saveSettings(allDefaults);
    closeSettingsPanel();
}

void MainWindow::saveSettings(bool allDefaults) {
    const QString caption = fraDefaults->title();
    const auto write = [this](const QString& path) {
        fraDefaults->readPositions(Settings);
        settings::WriteSettingsFile(path, SettingsKind, Settings);
    };
    if (caption == SettingsPanel::RasterDefaults || caption == SettingsPanel::VectorDefaults) {
        SettingsKind = caption == SettingsPanel::RasterDefaults ? Kind::Raster : Kind::Vector;
        const QString file = m_state.settingsPath() + settings::defaultsFileName(SettingsKind);
        if (allDefaults)
            QFile::remove(file);
        else
            write(file);
    } else if (caption == SettingsPanel::CustomSettings) {
        SettingsKind = settings::kindOf(m_customType);
        const QString custom = m_state.settingsPath() + settings::customFileName(m_customRom);
        const QString defaults = m_state.settingsPath() + settings::defaultsFileName(SettingsKind);
        write(custom);
        setPanel(6, QStringLiteral("Custom Settings"));
        // A custom file that says no more than the defaults would be is not kept.
        const bool sameAsDefaults = QFile::exists(defaults) && readText(defaults) == readText(custom);
        if (sameAsDefaults || (!QFile::exists(defaults) && allDefaults)) {
            QFile::remove(custom);
            setPanel(6, QStringLiteral("Default Settings"));
        }
    }
}

void MainWindow::cmdRestore_Click() {
    if (fraDefaults->title() == SettingsPanel::CustomSettings) {
        const Kind kind = settings::kindOf(m_customType);
        const QString defaults = m_state.settingsPath() + settings::defaultsFileName(kind);
        if (QFile::exists(m_state.settingsPath() + settings::customFileName(m_customRom)) && QFile::exists(defaults)) {
            SettingsKind = kind;
            if (!readSettings(defaults, kind))
                return;
            fraDefaults->ShowSettings(Settings, kind);
            fraDefaults->cmdOK->setFocus();
            return;
        }
    }
    fraDefaults->showEmulatorDefaults();
    fraDefaults->cmdOK->setFocus();
}

void MainWindow::cmdCancel_Click() {
    closeSettingsPanel();
}

void MainWindow::closeSettingsPanel() {
    PanelOpen = false;
    EnableToolButtons();
    fraDefaults->setEnabled(false);
    fraList->setEnabled(true);
    fraList->raise();
    RestoreSelection();
    StatusBar2->hide();
    lblList->setText(catalogue::listChoice(m_state.GameList).caption);
}

} // namespace app
