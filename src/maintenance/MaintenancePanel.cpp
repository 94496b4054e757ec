#include "maintenance/MaintenancePanel.h"

#include "app/AppState.h"
#include "app/Dialogs.h"
#include "maintenance/FileCleanup.h"
#include "maintenance/MameCfg.h"
#include "ui/BusyPointer.h"

#include <QCheckBox>
#include <QDir>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

namespace maintenance {
namespace {

using Icon = app::Dialogs::Icon;

struct FileTabText {
    const char* title;
    const char* labelName;
    const char* labelText;
    const char* perGameName;
    const char* perGameCaption;
    const char* allName;
    const char* allCaption;
    const char* buttonName;
    const char* folder;
    const char* kind;
};

constexpr FileTabText FileTabs[] = {
    {"Cfg Folder", "lblCFG",
     " Here you can delete the selected game's .cfg file or all .cfg files.  These files were created by M.A.M.E.    "
     "If the cfg folder does not exist, M.A.M.E. does not create these files.",
     "chkDeleteCFG", "Delete Selected Game's .CFG File", "chkDeleteAllCFG", "Delete All .CFG Files", "cmdCFG", "cfg",
     ".cfg"},
    {"Hi Folder", "lblHI",
     " Here you can delete the selected game's .hi file or all .hi files.  These files were created by M.A.M.E.  If    "
     " "
     "the hi folder does not exist, M.A.M.E. does not create these files.",
     "chkDeleteHI", "Delete Selected Game's .HI File", "chkDeleteAllHI", "Delete All .HI Files", "cmdHI", "hi", ".hi"},
    {"Nvram Folder", "Label12",
     " Here you can delete the selected game's .nv file or all .nv files.  These files were created by M.A.M.E.  If  "
     "the nvram folder does not exist, M.A.M.E. does not create these files.",
     "chkDeleteNV", "Delete Selected Game's .NV File", "chkDeleteAllNV", "Delete All .NV Files", "cmdNVRam", "nvram",
     ".nv"},
    {"Snap Folder", "lblSnap",
     " Here you can delete the selected game's .png file or all .png files.  These files were created by M.A.M.E.  "
     "If the snap folder does not exist, M.A.M.E. does not create these files.",
     "chkDeletePNG", "Delete Selected Game's .PNG File", "chkDeleteAllPNG", "Delete All .PNG Files", "cmdPNG", "snap",
     ".png"},
};

QLabel* addLabel(QWidget* page, const char* name, const char* text) {
    auto* label = new QLabel(QLatin1String(text), page);
    label->setObjectName(QLatin1String(name));
    label->setTextFormat(Qt::PlainText);
    label->setWordWrap(true);
    return label;
}

QCheckBox* addBox(QWidget* page, const char* name, const char* caption) {
    auto* box = new QCheckBox(QLatin1String(caption), page);
    box->setObjectName(QLatin1String(name));
    return box;
}

QPushButton* addOkButton(QWidget* page, const char* name) {
    auto* button = new QPushButton(QStringLiteral("OK"), page);
    button->setObjectName(QLatin1String(name));
    button->setAutoDefault(true); // Return on the focused button presses it
    button->setEnabled(false);
    return button;
}

// Label, boxes one under the other, and the OK button at the bottom right.
QWidget* arrange(QWidget* page, QLabel* label, std::initializer_list<QCheckBox*> boxes, QPushButton* button) {
    auto* layout = new QVBoxLayout(page);
    layout->addWidget(label);
    for (QCheckBox* box : boxes)
        layout->addWidget(box);
    layout->addStretch(1);
    auto* bottom = new QHBoxLayout;
    bottom->addStretch(1);
    bottom->addWidget(button);
    layout->addLayout(bottom);
    return page;
}

} // namespace

MaintenancePanel::MaintenancePanel(app::AppState& state, app::Dialogs& dialogs, QWidget* parent)
    : QGroupBox(QStringLiteral("Maintenance"), parent)
    , m_state(state)
    , m_dialogs(dialogs) {
    setObjectName(QStringLiteral("fraMaintenance"));
    setAutoFillBackground(true);
    SSTab2 = new QTabWidget(this);
    SSTab2->setObjectName(QStringLiteral("SSTab2"));
    lblCFG = createFileTab(0);
    lblHI = createFileTab(1);
    Label12 = createFileTab(2);
    lblSnap = createFileTab(3);
    SSTab2->addTab(createReportsTab(), QStringLiteral("Reports"));
    SSTab2->addTab(createConfigTab(), QStringLiteral("M.A.M.E. Config File"));
    chkDeleteCFG = m_fileTabs[0].perGame;
    chkDeleteAllCFG = m_fileTabs[0].all;
    cmdCFG = m_fileTabs[0].button;
    chkDeleteHI = m_fileTabs[1].perGame;
    chkDeleteAllHI = m_fileTabs[1].all;
    cmdHI = m_fileTabs[1].button;
    chkDeleteNV = m_fileTabs[2].perGame;
    chkDeleteAllNV = m_fileTabs[2].all;
    cmdNVRam = m_fileTabs[2].button;
    chkDeletePNG = m_fileTabs[3].perGame;
    chkDeleteAllPNG = m_fileTabs[3].all;
    cmdPNG = m_fileTabs[3].button;

    cmdGameList2 = new QPushButton(QStringLiteral("Return To &Game List"), this);
    cmdGameList2->setObjectName(QStringLiteral("cmdGameList2"));
    cmdGameList2->setAutoDefault(true);
    connect(cmdGameList2, &QPushButton::clicked, this, &MaintenancePanel::returnRequested);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(cmdGameList2);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(SSTab2, 1);
    layout->addLayout(buttons);
}

QLabel* MaintenancePanel::createFileTab(int index) {
    const FileTabText& text = FileTabs[index];
    auto* page = new QWidget(SSTab2);
    FileTab& tab = m_fileTabs[size_t(index)];
    QLabel* label = addLabel(page, text.labelName, text.labelText);
    tab.perGame = addBox(page, text.perGameName, text.perGameCaption);
    tab.all = addBox(page, text.allName, text.allCaption);
    tab.button = addOkButton(page, text.buttonName);
    tab.kind = QLatin1String(text.kind);
    tab.folder = QLatin1String(text.folder);
    tab.perGameInSnapPath = tab.folder == u"snap";
    SSTab2->addTab(arrange(page, label, {tab.perGame, tab.all}, tab.button), QLatin1String(text.title));

    for (QCheckBox* box : {tab.perGame, tab.all})
        connect(box, &QCheckBox::toggled, this, [this, index, box] { applyFileRule(m_fileTabs[size_t(index)], box); });
    connect(tab.button, &QPushButton::clicked, this, [this, index] { deleteFiles(m_fileTabs[size_t(index)]); });
    return label;
}

QWidget* MaintenancePanel::createReportsTab() {
    auto* page = new QWidget(SSTab2);
    Label9 = addLabel(page, "Label9",
                      " Here you can delete the last ROMs report or Samples report if Marqueon created one from the "
                      "Verify  buttons on the right or the Reports pull-down menu above.");
    chkDeleteROMs = addBox(page, "chkDeleteROMs", "Delete ROMs Report");
    chkDeleteSamples = addBox(page, "chkDeleteSamples", "Delete Samples Report");
    chkDeleteSets = addBox(page, "chkDeleteSets", "Delete Sets Report");
    cmdReports = addOkButton(page, "cmdReports");
    m_reports = {{{chkDeleteROMs, QStringLiteral("ROMs"), QStringLiteral("roms.txt")},
                  {chkDeleteSamples, QStringLiteral("Samples"), QStringLiteral("samples.txt")},
                  {chkDeleteSets, QStringLiteral("Sets"), QStringLiteral("sets.txt")}}};
    for (const Report& report : m_reports) {
        QCheckBox* box = report.box;
        connect(box, &QCheckBox::toggled, this, [this, box] { applyReportsRule(box); });
    }
    connect(cmdReports, &QPushButton::clicked, this, &MaintenancePanel::cmdReports_Click);
    return arrange(page, Label9, {chkDeleteROMs, chkDeleteSamples, chkDeleteSets}, cmdReports);
}

QWidget* MaintenancePanel::createConfigTab() {
    auto* page = new QWidget(SSTab2);
    Label10 = addLabel(page, "Label10",
                       " Here you can delete the mame.cfg file if you messed it up by editing it.  A new one will "
                       "automatically be     created for you.");
    chkDeleteMAMECFG = addBox(page, "chkDeleteMAMECFG", "Delete And Recreate M.A.M.E. Config File");
    cmdMAMECfg = addOkButton(page, "cmdMAMECfg");
    connect(chkDeleteMAMECFG, &QCheckBox::toggled, this, &MaintenancePanel::chkDeleteMAMECFG_Click);
    connect(cmdMAMECfg, &QPushButton::clicked, this, &MaintenancePanel::cmdMAMECfg_Click);
    return arrange(page, Label10, {chkDeleteMAMECFG}, cmdMAMECfg);
}

void MaintenancePanel::open(const QString& romName) {
    SSTab2->setCurrentIndex(0);
    for (QCheckBox* box : findChildren<QCheckBox*>())
        box->setChecked(false);
    m_romName = romName;
    for (const FileTab& tab : m_fileTabs)
        tab.perGame->setEnabled(!romName.isEmpty());
    cmdGameList2->setFocus();
}

QString MaintenancePanel::subfolder(const QString& name) const {
    return m_state.MAMEPath + name + QDir::separator();
}

// Either box of a pair clears the other, and the OK button is usable while one is ticked.
void MaintenancePanel::applyFileRule(const FileTab& tab, QCheckBox* changed) {
    if (changed->isChecked()) {
        (changed == tab.perGame ? tab.all : tab.perGame)->setChecked(false);
        tab.button->setEnabled(true);
        tab.button->setFocus();
    }
    if (!tab.perGame->isChecked() && !tab.all->isChecked()) {
        tab.button->setEnabled(false);
        cmdGameList2->setFocus();
    }
}

void MaintenancePanel::deleteFiles(const FileTab& tab) {
    const QString& kind = tab.kind;
    if (tab.perGame->isChecked()) {
        const FileCleanup folder(tab.perGameInSnapPath ? m_state.SnapPath : subfolder(tab.folder),
                                 QLatin1Char('*') + kind);
        // A ROM name that is not a plain file name yields no path, so nothing outside is touched.
        const QString path = m_romName.isEmpty() ? QString() : folder.pathOf(m_romName + kind);
        if (!FileCleanup::hasFile(path)) {
            m_dialogs.message(QStringLiteral("There is no ") + kind + QStringLiteral(" file for ") + m_romName +
                                  QLatin1Char('.'),
                              Icon::Information);
        } else if (m_dialogs.question(QStringLiteral("Are you sure you want to delete the ") + kind +
                                          QStringLiteral(" file for ") + m_romName + QLatin1Char('?'),
                                      Icon::Information, /*defaultNo=*/true) &&
                   !FileCleanup::deleteFile(path)) {
            m_dialogs.message(QStringLiteral("The ") + kind + QStringLiteral(" file for ") + m_romName +
                                  QStringLiteral(" could not be deleted."),
                              Icon::Critical);
        }
        tab.perGame->setChecked(false);
    }
    if (tab.all->isChecked()) {
        const FileCleanup folder(subfolder(tab.folder), QLatin1Char('*') + kind);
        if (folder.files().isEmpty()) {
            m_dialogs.message(QStringLiteral("There are no ") + kind + QStringLiteral(" files to delete."),
                              Icon::Information);
        } else if (m_dialogs.question(QStringLiteral("Are you sure you want to delete all ") + kind +
                                          QStringLiteral(" files?"),
                                      Icon::Information, /*defaultNo=*/true)) {
            QStringList failed;
            {
                ui::BusyPointer busy;
                failed = folder.deleteAll();
            }
            if (!failed.isEmpty())
                m_dialogs.message(QString::number(failed.size()) + QLatin1Char(' ') + kind +
                                      (failed.size() == 1 ? QStringLiteral(" file") : QStringLiteral(" files")) +
                                      QStringLiteral(" could not be deleted."),
                                  Icon::Critical);
        }
        tab.all->setChecked(false);
    }
    tab.button->setEnabled(false);
}

void MaintenancePanel::applyReportsRule(QCheckBox* changed) {
    if (changed->isChecked()) {
        cmdReports->setEnabled(true);
        cmdReports->setFocus();
    }
    if (!chkDeleteROMs->isChecked() && !chkDeleteSamples->isChecked() && !chkDeleteSets->isChecked()) {
        cmdReports->setEnabled(false);
        cmdGameList2->setFocus();
    }
}

void MaintenancePanel::cmdReports_Click() {
    for (const Report& report : m_reports) {
        if (!report.box->isChecked())
            continue;
        const QString path = m_state.reportsPath() + report.file;
        if (!FileCleanup::hasFile(path)) {
            m_dialogs.message(QStringLiteral("There is no ") + report.name + QStringLiteral(" report to delete."),
                              Icon::Information);
        } else if (m_dialogs.question(QStringLiteral("Are you sure you want to delete the ") + report.name +
                                          QStringLiteral(" report?"),
                                      Icon::Information, /*defaultNo=*/true) &&
                   !FileCleanup::deleteFile(path)) {
            m_dialogs.message(QStringLiteral("The ") + report.name + QStringLiteral(" report could not be deleted."),
                              Icon::Critical);
        }
        report.box->setChecked(false);
    }
    cmdReports->setEnabled(false);
}

void MaintenancePanel::chkDeleteMAMECFG_Click() {
    const bool checked = chkDeleteMAMECFG->isChecked();
    cmdMAMECfg->setEnabled(checked);
    if (checked)
        cmdMAMECfg->setFocus();
    else
        cmdGameList2->setFocus();
}

// "Delete and recreate": the file is written anew in one step, never left deleted.
void MaintenancePanel::cmdMAMECfg_Click() {
    if (chkDeleteMAMECFG->isChecked()) {
        const QString path = m_state.MAMEPath + QStringLiteral("mame.cfg");
        if (!QFileInfo::exists(path)) {
            m_dialogs.message(QStringLiteral("There is no mame.cfg file."), Icon::Information);
        } else if (m_dialogs.question(QStringLiteral("Are you sure you want to delete the mame.cfg file?"),
                                      Icon::Information, /*defaultNo=*/true)) {
            m_state.MAMERomPath =
                MAMERomPath(m_state.GameList, m_state.ROMPath, m_state.NeoROMPath, m_state.MAMERomPath);
            if (!WriteMameCfg(path, {m_state.MAMERomPath, m_state.SamPath, m_state.SnapPath}))
                m_dialogs.message(QStringLiteral("The mame.cfg file could not be written in ") + m_state.MAMEPath,
                                  Icon::Critical);
        }
        chkDeleteMAMECFG->setChecked(false);
    }
    cmdMAMECfg->setEnabled(false);
}

} // namespace maintenance
