#include "gui/maintenance/MaintenancePanel.h"

#include "core/config/AppState.h"
#include "core/exec/Emulator.h"
#include "core/maintenance/Deletion.h"
#include "core/maintenance/FileCleanup.h"
#include "core/maintenance/MameCfg.h"
#include "gui/common/BusyPointer.h"
#include "gui/common/Dialogs.h"

#include <QCheckBox>
#include <QDir>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QTabBar>
#include <QTabWidget>
#include <QVBoxLayout>

#include <algorithm>

namespace gui {
namespace {

using Icon = Dialogs::Icon;
using maintenance::FileCleanup;

struct FileTabText {
    const char* title;
    const char* name; // widgets are named after it: "cfgNote", "deleteCfgBox" ...
    maintenance::GameFiles kind;
};

constexpr FileTabText FileTabs[] = {
    {"Cfg Folder", "Cfg", maintenance::GameFiles::Cfg},
    {"Hi Folder", "Hi", maintenance::GameFiles::Hi},
    {"Nvram Folder", "Nvram", maintenance::GameFiles::Nvram},
    {"Snap Folder", "Snap", maintenance::GameFiles::Snap},
};

// The classic emulator's note, as its users know it; today's names no buttons that are not there.
const char* const ClassicReportsNote = " Here you can delete the last ROMs report or Samples report if Marqueon created "
                                       "one from the Verify  buttons on the right or the Reports pull-down menu above.";
const char* const ReportsNote =
    "Here you can delete the last ROMs, Samples or Sets report that Marqueon made from the Reports menu.";

QLabel* addNote(QWidget* page, const QString& name, const QString& text = QString()) {
    auto* label = new QLabel(text, page);
    label->setObjectName(name);
    label->setTextFormat(Qt::PlainText);
    label->setWordWrap(true);
    return label;
}

QCheckBox* addBox(QWidget* page, const QString& name, const QString& caption = QString()) {
    auto* box = new QCheckBox(caption, page);
    box->setObjectName(name);
    return box;
}

QPushButton* addOkButton(QWidget* page, const QString& name) {
    auto* button = new QPushButton(QStringLiteral("OK"), page);
    button->setObjectName(name);
    button->setAutoDefault(true); // Return on the focused button presses it
    button->setEnabled(false);
    return button;
}

// Note, boxes one under the other, and the OK button at the bottom right.
QWidget* arrange(QWidget* page, QLabel* note, std::initializer_list<QCheckBox*> boxes, QPushButton* button) {
    auto* layout = new QVBoxLayout(page);
    layout->addWidget(note);
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

MaintenancePanel::MaintenancePanel(config::AppState& state, Dialogs& dialogs, QWidget* parent)
    : QGroupBox(QStringLiteral("Maintenance"), parent)
    , m_state(state)
    , m_dialogs(dialogs) {
    setObjectName(QStringLiteral("maintenancePanel"));
    setAutoFillBackground(true);
    m_tabs = new QTabWidget(this);
    m_tabs->setObjectName(QStringLiteral("maintenanceTabs"));
    // Six tabs share the panel's width: narrower padding keeps every title whole without scrolling.
    m_tabs->tabBar()->setUsesScrollButtons(false);
    m_tabs->tabBar()->setExpanding(false);
    m_tabs->setStyleSheet(QStringLiteral("QTabBar::tab { padding: 4px 6px; }"));
    for (int index = 0; index < int(m_fileTabs.size()); ++index)
        createFileTab(index);
    m_tabs->addTab(createReportsTab(), QStringLiteral("Reports"));
    m_tabs->addTab(createConfigTab(), QStringLiteral("M.A.M.E. Config File"));

    m_returnButton = new QPushButton(QStringLiteral("Return To &Game List"), this);
    m_returnButton->setObjectName(QStringLiteral("returnButton"));
    m_returnButton->setAutoDefault(true);
    connect(m_returnButton, &QPushButton::clicked, this, &MaintenancePanel::returnRequested);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(m_returnButton);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_tabs, 1);
    layout->addLayout(buttons);
}

void MaintenancePanel::createFileTab(int index) {
    const FileTabText& text = FileTabs[index];
    const QString name = QLatin1String(text.name);
    auto* page = new QWidget(m_tabs);
    FileTab& tab = m_fileTabs[size_t(index)];
    tab.note = addNote(page, name.toLower() + QStringLiteral("Note"));
    tab.perGame = addBox(page, QStringLiteral("delete") + name + QStringLiteral("Box"));
    tab.all = addBox(page, QStringLiteral("deleteAll") + name + QStringLiteral("Box"));
    tab.button = addOkButton(page, name.toLower() + QStringLiteral("Button"));
    tab.kind = text.kind;
    m_tabs->addTab(arrange(page, tab.note, {tab.perGame, tab.all}, tab.button), QLatin1String(text.title));

    for (QCheckBox* box : {tab.perGame, tab.all})
        connect(box, &QCheckBox::toggled, this, [this, index, box] { applyFileRule(m_fileTabs[size_t(index)], box); });
    connect(tab.button, &QPushButton::clicked, this, [this, index] {
        const FileTab& clicked = m_fileTabs[size_t(index)];
        if (clicked.perGame->isChecked())
            deleteGameFile(clicked);
        if (clicked.all->isChecked())
            deleteAllFiles(clicked);
        clicked.button->setEnabled(false);
    });
}

QWidget* MaintenancePanel::createReportsTab() {
    auto* page = new QWidget(m_tabs);
    m_reportsNote = addNote(page, QStringLiteral("reportsNote"));
    const char* captions[] = {"Delete ROMs Report", "Delete Samples Report", "Delete Sets Report"};
    const char* names[] = {"ROMs", "Samples", "Sets"};
    const char* boxNames[] = {"deleteRomsReportBox", "deleteSamplesReportBox", "deleteSetsReportBox"};
    for (size_t i = 0; i < m_reports.size(); ++i) {
        QCheckBox* box = addBox(page, QLatin1String(boxNames[i]), QLatin1String(captions[i]));
        m_reports[i] = {box, QLatin1String(names[i]), exec::reportFileName(exec::AllReports[i])};
        connect(box, &QCheckBox::toggled, this, [this, box] { applyReportsRule(box); });
    }
    m_reportsButton = addOkButton(page, QStringLiteral("reportsButton"));
    connect(m_reportsButton, &QPushButton::clicked, this, &MaintenancePanel::deleteReports);
    return arrange(page, m_reportsNote, {m_reports[0].box, m_reports[1].box, m_reports[2].box}, m_reportsButton);
}

QWidget* MaintenancePanel::createConfigTab() {
    auto* page = new QWidget(m_tabs);
    m_configNote = addNote(page, QStringLiteral("configNote"));
    m_recreateConfigBox = addBox(page, QStringLiteral("recreateConfigBox"));
    m_configButton = addOkButton(page, QStringLiteral("configButton"));
    connect(m_recreateConfigBox, &QCheckBox::toggled, this, [this](bool checked) {
        m_configButton->setEnabled(checked);
        (checked ? m_configButton : m_returnButton)->setFocus();
    });
    connect(m_configButton, &QPushButton::clicked, this, &MaintenancePanel::recreateConfig);
    return arrange(page, m_configNote, {m_recreateConfigBox}, m_configButton);
}

void MaintenancePanel::open(const QString& romName, const maintenance::EmulatorFiles& files,
                            const QSet<QString>& games) {
    m_files = files;
    m_games = games;
    // The texts of the emulator in use: today's name its own folders.
    for (FileTab& tab : m_fileTabs) {
        const maintenance::FilesText text = maintenance::filesText(tab.kind, files.gameFiles(tab.kind));
        tab.note->setText(text.note);
        tab.perGame->setText(text.perGameCaption);
        tab.all->setText(text.allCaption);
    }
    m_reportsNote->setText(QLatin1String(files.config() ? ReportsNote : ClassicReportsNote));
    m_configNote->setText(files.recreateNote());
    m_recreateConfigBox->setText(files.recreateCaption());
    m_tabs->setCurrentIndex(0);
    for (QCheckBox* box : findChildren<QCheckBox*>())
        box->setChecked(false);
    m_romName = romName;
    for (const FileTab& tab : m_fileTabs)
        tab.perGame->setEnabled(!romName.isEmpty());
    m_returnButton->setFocus();
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
        m_returnButton->setFocus();
    }
}

void MaintenancePanel::deleteGameFile(const FileTab& tab) {
    // A game's files are named after it: a name the emulator does not use could name others.
    if (!exec::isPlainGameName(m_romName)) {
        m_dialogs.message(exec::unplainGameNameMessage(m_romName), Icon::Exclamation);
        tab.perGame->setChecked(false);
        return;
    }
    const maintenance::GameFileLocation where = m_files->gameFiles(tab.kind);
    const maintenance::Deletion deletion = maintenance::planGameDeletion(where, m_romName, keptFolders());
    if (!deletion.refusal.isEmpty())
        m_dialogs.message(deletion.refusal, Icon::Critical);
    else if (deletion.count() == 0)
        m_dialogs.message(maintenance::noGameFileMessage(where, m_romName), Icon::Information);
    else if (m_dialogs.question(maintenance::askGameFileMessage(where, m_romName), Icon::Information,
                                /*defaultNo=*/true) &&
             maintenance::carryOut(deletion) > 0)
        m_dialogs.message(maintenance::gameFileFailedMessage(where, m_romName), Icon::Critical);
    tab.perGame->setChecked(false);
}

void MaintenancePanel::deleteAllFiles(const FileTab& tab) {
    const maintenance::GameFileLocation where = m_files->gameFiles(tab.kind);
    maintenance::Deletion deletion;
    {
        BusyPointer busy;
        deletion = maintenance::planDeleteAll(where, m_games, keptFolders());
    }
    if (!deletion.refusal.isEmpty()) {
        m_dialogs.message(deletion.refusal, Icon::Critical);
    } else if (deletion.count() == 0) {
        m_dialogs.message(maintenance::noFilesMessage(where), Icon::Information);
    } else if (m_dialogs.question(maintenance::askAllFilesMessage(where, deletion), Icon::Information,
                                  /*defaultNo=*/true)) {
        qsizetype failed = 0;
        {
            BusyPointer busy;
            failed = maintenance::carryOut(deletion);
        }
        if (failed > 0)
            m_dialogs.message(maintenance::filesFailedMessage(where, failed), Icon::Critical);
    }
    tab.all->setChecked(false);
}

QList<maintenance::KeptFolder> MaintenancePanel::keptFolders() const {
    return maintenance::keptFolders(m_state, *m_files, QDir::homePath());
}

void MaintenancePanel::applyReportsRule(QCheckBox* changed) {
    if (changed->isChecked()) {
        m_reportsButton->setEnabled(true);
        m_reportsButton->setFocus();
    }
    if (std::none_of(m_reports.cbegin(), m_reports.cend(),
                     [](const Report& report) { return report.box->isChecked(); })) {
        m_reportsButton->setEnabled(false);
        m_returnButton->setFocus();
    }
}

void MaintenancePanel::deleteReports() {
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
    m_reportsButton->setEnabled(false);
}

// "Delete and recreate": the file is written anew in one step, never left deleted.
void MaintenancePanel::recreateConfig() {
    if (m_recreateConfigBox->isChecked()) {
        const QString name = m_files->directoryFileName();
        if (!QFileInfo::exists(m_files->directoryFile())) {
            m_dialogs.message(QStringLiteral("There is no ") + name + QStringLiteral(" file."), Icon::Information);
        } else if (m_dialogs.question(m_files->recreateQuestion(), Icon::Information, /*defaultNo=*/true) &&
                   !m_files->writeDirectories(m_state, maintenance::CfgWrite::Replace)) {
            m_dialogs.message(m_files->unwritableMessage(), Icon::Critical);
        }
        m_recreateConfigBox->setChecked(false);
    }
    m_configButton->setEnabled(false);
}

} // namespace gui
