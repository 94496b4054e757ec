#pragma once

#include <QGroupBox>

#include <array>

class QCheckBox;
class QLabel;
class QPushButton;
class QTabWidget;

namespace app {
struct AppState;
class Dialogs;
} // namespace app

namespace maintenance {

// fraMaintenance: the panel over the game list that deletes the emulator's per-game files,
// the reports, and recreates mame.cfg. Every deletion is asked for twice: a ticked box, then
// a question whose default answer is No.
class MaintenancePanel : public QGroupBox {
    Q_OBJECT
public:
    explicit MaintenancePanel(app::AppState& state, app::Dialogs& dialogs, QWidget* parent = nullptr);

    // The panel's own opening steps: the first tab, every box clear and every OK button off,
    // the per-game boxes usable only for a game (empty romName: the shown list has none),
    // and the focus on cmdGameList2. The panel must be enabled first to take the focus.
    void open(const QString& romName);

    QTabWidget* SSTab2;
    QPushButton* cmdGameList2;

    QLabel* lblCFG;
    QCheckBox* chkDeleteCFG;
    QCheckBox* chkDeleteAllCFG;
    QPushButton* cmdCFG;
    QLabel* lblHI;
    QCheckBox* chkDeleteHI;
    QCheckBox* chkDeleteAllHI;
    QPushButton* cmdHI;
    QLabel* Label12;
    QCheckBox* chkDeleteNV;
    QCheckBox* chkDeleteAllNV;
    QPushButton* cmdNVRam;
    QLabel* lblSnap;
    QCheckBox* chkDeletePNG;
    QCheckBox* chkDeleteAllPNG;
    QPushButton* cmdPNG;

    QLabel* Label9;
    QCheckBox* chkDeleteROMs;
    QCheckBox* chkDeleteSamples;
    QCheckBox* chkDeleteSets;
    QPushButton* cmdReports;

    QLabel* Label10;
    QCheckBox* chkDeleteMAMECFG;
    QPushButton* cmdMAMECfg;

signals:
    // cmdGameList2 was clicked: the main window closes the panel.
    void returnRequested();

private:
    // One tab of emulator files: the selected game's file and all files of the kind.
    struct FileTab {
        QCheckBox* perGame = nullptr;
        QCheckBox* all = nullptr;
        QPushButton* button = nullptr;
        QString kind;                   // ".cfg"
        QString folder;                 // under the MAME directory, for all files (and the game's own)
        bool perGameInSnapPath = false; // the game's screenshot lies in the snapshot directory
    };
    struct Report {
        QCheckBox* box;
        QString name; // "ROMs"
        QString file; // in the reports folder
    };

    QLabel* createFileTab(int index);
    QWidget* createReportsTab();
    QWidget* createConfigTab();
    void applyFileRule(const FileTab& tab, QCheckBox* changed);
    void deleteFiles(const FileTab& tab);
    void applyReportsRule(QCheckBox* changed);
    void cmdReports_Click();
    void chkDeleteMAMECFG_Click();
    void cmdMAMECfg_Click();
    QString subfolder(const QString& name) const;

    app::AppState& m_state;
    app::Dialogs& m_dialogs;
    QString m_romName;
    std::array<FileTab, 4> m_fileTabs;
    std::array<Report, 3> m_reports{};
};

} // namespace maintenance
