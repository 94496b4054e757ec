#pragma once

#include "core/maintenance/Deletion.h"

#include <QGroupBox>

#include <array>

class QCheckBox;
class QLabel;
class QPushButton;
class QTabWidget;

namespace config {
struct AppState;
}

namespace gui {

class Dialogs;

// The panel over the game list that deletes the emulator's per-game files and Marqueon's
// reports, and recreates mame.cfg. Every deletion is asked for twice: a ticked box, then a
// question whose default answer is No.
class MaintenancePanel : public QGroupBox {
    Q_OBJECT
public:
    MaintenancePanel(config::AppState& state, Dialogs& dialogs, QWidget* parent = nullptr);

    // The panel's own opening steps: the first tab, every box clear and every OK button off,
    // the per-game boxes usable only for a game (empty romName: the shown list has none),
    // and the focus on the return button. The panel must be enabled first to take the focus.
    // files: where the emulator keeps what the tabs delete and recreate.
    // games: the catalogue's game names, whose folders today's emulator keeps some files in.
    void open(const QString& romName, const maintenance::EmulatorFiles& files, const QSet<QString>& games = {});

    QPushButton* returnButton() const { return m_returnButton; }

signals:
    void returnRequested();

private:
    // One tab of emulator files: the selected game's file and all files of the kind.
    struct FileTab {
        QLabel* note = nullptr;
        QCheckBox* perGame = nullptr;
        QCheckBox* all = nullptr;
        QPushButton* button = nullptr;
        maintenance::GameFiles kind = maintenance::GameFiles::Cfg;
    };
    struct Report {
        QCheckBox* box = nullptr;
        QString name; // "ROMs"
        QString file; // in the reports folder
    };

    void createFileTab(int index);
    QWidget* createReportsTab();
    QWidget* createConfigTab();
    void applyFileRule(const FileTab& tab, QCheckBox* changed);
    void deleteGameFile(const FileTab& tab);
    void deleteAllFiles(const FileTab& tab);
    QList<maintenance::KeptFolder> keptFolders() const;
    void applyReportsRule(QCheckBox* changed);
    void deleteReports();
    void recreateConfig();

    config::AppState& m_state;
    Dialogs& m_dialogs;
    QString m_romName;
    std::optional<maintenance::EmulatorFiles> m_files;
    QSet<QString> m_games;
    QTabWidget* m_tabs;
    QPushButton* m_returnButton;
    std::array<FileTab, 4> m_fileTabs;
    std::array<Report, 3> m_reports;
    QPushButton* m_reportsButton = nullptr;
    QCheckBox* m_recreateConfigBox = nullptr;
    QLabel* m_reportsNote = nullptr;
    QLabel* m_configNote = nullptr;
    QPushButton* m_configButton = nullptr;
};

} // namespace gui
