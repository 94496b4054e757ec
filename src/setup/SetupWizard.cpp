#include "setup/SetupWizard.h"

#include "app/Dialogs.h"
#include "app/Options.h"
#include "maintenance/MameCfg.h"
#include "ui/Colours.h"
#include "ui/Twips.h"

#include <QCheckBox>
#include <QDir>
#include <QEvent>
#include <QFileInfo>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QStackedWidget>
#include <QVBoxLayout>

namespace setup {
namespace {

using Icon = app::Dialogs::Icon;

const QString MameMissing = QStringLiteral("Cannot find mame.exe!");
const QString InvalidSelection = QStringLiteral("Invalid selection!  Please try again.");

// The folder browser hands back a trailing separator only for a root ("/", "C:\").
bool isRoot(const QString& path) {
    return path.endsWith(QDir::separator());
}

// options.ini and mame.cfg are single-byte files: a name they cannot hold would come back
// as another one.
bool storable(const QString& path) {
    return QString::fromLatin1(path.toLatin1()) == path;
}

template <typename T> T* named(T* widget, const char* name) {
    widget->setObjectName(QLatin1String(name));
    return widget;
}

QPushButton* button(const QString& caption, const char* name, QWidget* parent) {
    auto* result = named(new QPushButton(caption, parent), name);
    result->setAutoDefault(true); // Return on a focused button presses it
    return result;
}

} // namespace

SetupWizard::SetupWizard(app::AppState& state, app::Dialogs& dialogs, QWidget* parent)
    : QDialog(parent)
    , m_state(state)
    , m_dialogs(dialogs)
    , m_original(state) {
    setObjectName(QStringLiteral("frmChoose"));
    setWindowTitle(QStringLiteral("Options"));
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);

    m_pages = new QStackedWidget(this);
    createPreferences();
    createDirectories();
    m_pages->addWidget(fraPreferences);
    m_pages->addWidget(fraDirectories);

    cmdBack = button(QStringLiteral("< &Back"), "cmdBack", this);
    cmdNext = button(QStringLiteral("&Next >"), "cmdNext", this);
    cmdCancel = button(QStringLiteral("Cancel"), "cmdCancel", this);
    cmdOK = button(QStringLiteral("OK"), "cmdOK", this);
    cmdNext->setDefault(true);
    connect(cmdBack, &QPushButton::clicked, this, &SetupWizard::cmdBack_Click);
    connect(cmdNext, &QPushButton::clicked, this, &SetupWizard::cmdNext_Click);
    connect(cmdCancel, &QPushButton::clicked, this, &SetupWizard::reject);
    connect(cmdOK, &QPushButton::clicked, this, &SetupWizard::cmdOK_Click);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(cmdBack);
    buttons->addWidget(cmdNext);
    buttons->addSpacing(ui::twips(240));
    buttons->addWidget(cmdCancel);
    buttons->addWidget(cmdOK);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_pages, 1);
    layout->addLayout(buttons);

    load();
    cmdNext->setFocus();
}

void SetupWizard::createPreferences() {
    fraPreferences = named(new QGroupBox(QStringLiteral("Preferences"), this), "fraPreferences");

    optAll = named(new QRadioButton(QStringLiteral("All Games"), fraPreferences), "optAll");
    optAll->setToolTip(QStringLiteral("Includes All M.A.M.E. Games"));
    optNeoOnly = named(new QRadioButton(QStringLiteral("Neo-Geo Games Only"), fraPreferences), "optNeoOnly");
    optNeoOnly->setToolTip(QStringLiteral("Includes Neo-Geo Games Only"));
    optRetro = named(new QRadioButton(QStringLiteral("Retro Games Only"), fraPreferences), "optRetro");
    optRetro->setToolTip(QStringLiteral("Does Not Include Neo-Geo Or Console Games"));
    // Each button acts only when it becomes the selected one.
    connect(optAll, &QRadioButton::toggled, this, [this](bool on) {
        if (on) {
            showRetroRow(true);
            showNeoRow(true);
        }
    });
    connect(optRetro, &QRadioButton::toggled, this, [this](bool on) {
        if (on) {
            showRetroRow(true);
            showNeoRow(false);
        }
    });
    connect(optNeoOnly, &QRadioButton::toggled, this, [this](bool on) {
        if (on) {
            showNeoRow(true);
            showRetroRow(false);
        }
    });

    chkHideClones = named(new QCheckBox(QStringLiteral("Hide Clones"), fraPreferences), "chkHideClones");
    chkCloneShots = named(new QCheckBox(QStringLiteral("Use Screen Shot Of Parent Game For Clones"), fraPreferences),
                          "chkCloneShots");
    chkDisable =
        named(new QCheckBox(QStringLiteral("Disable Ctrl-Alt-Delete, Ctrl-Esc, And The Windows Key During Game"),
                            fraPreferences),
              "chkDisable");
    chkBackground =
        named(new QCheckBox(QStringLiteral("Use Star Field Image For Game List Background"), fraPreferences),
              "chkBackground");
    connect(chkHideClones, &QCheckBox::toggled, this, &SetupWizard::chkHideClones_Click);
    connect(chkBackground, &QCheckBox::toggled, this, &SetupWizard::chkBackground_Click);

    lblColors = named(new QLabel(QStringLiteral(" Game List Colors"), fraPreferences), "lblColors");
    lblColors->setAutoFillBackground(true);
    lblColors->setFrameShape(QFrame::Panel);
    lblColors->setFrameShadow(QFrame::Sunken);
    lblColors->setMinimumSize(ui::twipsSize(2000, 600));
    lblBack = named(new QLabel(QStringLiteral("BackColor:"), fraPreferences), "lblBack");
    lblFore = named(new QLabel(QStringLiteral("ForeColor:"), fraPreferences), "lblFore");
    cmdBackColor = button(QStringLiteral("Choose..."), "cmdBackColor", fraPreferences);
    cmdForeColor = button(QStringLiteral("Choose..."), "cmdForeColor", fraPreferences);
    connect(cmdBackColor, &QPushButton::clicked, this, &SetupWizard::cmdBackColor_Click);
    connect(cmdForeColor, &QPushButton::clicked, this, &SetupWizard::cmdForeColor_Click);

    auto* choice = new QHBoxLayout;
    for (QRadioButton* option : {optAll, optNeoOnly, optRetro})
        choice->addWidget(option);
    auto* colours = new QGridLayout;
    colours->addWidget(lblColors, 0, 0, 2, 1);
    colours->addWidget(lblBack, 0, 1);
    colours->addWidget(cmdBackColor, 0, 2);
    colours->addWidget(lblFore, 1, 1);
    colours->addWidget(cmdForeColor, 1, 2);
    colours->setColumnStretch(3, 1);
    auto* layout = new QVBoxLayout(fraPreferences);
    layout->addLayout(choice);
    for (QCheckBox* box : {chkHideClones, chkCloneShots, chkDisable, chkBackground})
        layout->addWidget(box);
    layout->addLayout(colours);
    layout->addStretch(1);
}

void SetupWizard::createDirectories() {
    fraDirectories = named(new QGroupBox(QStringLiteral("Directories"), this), "fraDirectories");
    auto* grid = new QGridLayout;
    const auto addRow = [&](const QString& caption, const char* label, const char* text, const char* browse,
                            QLineEdit*& box, QPushButton*& command) {
        const int row = grid->rowCount();
        auto* title = named(new QLabel(caption, fraDirectories), label);
        box = named(new QLineEdit(fraDirectories), text);
        box->setMinimumWidth(ui::twips(4200));
        title->setBuddy(box);
        command = button(QStringLiteral("Browse..."), browse, fraDirectories);
        grid->addWidget(title, row, 0);
        grid->addWidget(box, row, 1);
        grid->addWidget(command, row, 2);
        return title;
    };
    // The labels without a name of their own are named after their text box.
    addRow(QStringLiteral("M.A.M.E.:"), "txtMAMEPathLabel", "txtMAMEPath", "cmdSelectMAME", txtMAMEPath, cmdSelectMAME);
    Label3 = addRow(QStringLiteral("Retro ROMs:"), "Label3", "txtROMPath", "cmdSelectROM", txtROMPath, cmdSelectROM);
    Label4 = addRow(QStringLiteral("Neo-Geo ROMs:"), "Label4", "txtNeoROMPath", "cmdSelectNeoROM", txtNeoROMPath,
                    cmdSelectNeoROM);
    addRow(QStringLiteral("Samples:"), "txtSamPathLabel", "txtSamPath", "cmdSelectSam", txtSamPath, cmdSelectSam);
    addRow(QStringLiteral("Snapshots:"), "txtSnapPathLabel", "txtSnapPath", "cmdSelectSnap", txtSnapPath,
           cmdSelectSnap);

    auto* note = named(
        new QLabel(QStringLiteral("Your selections will automatically update the mame.cfg file."), fraDirectories),
        "lblNote");
    auto* layout = new QVBoxLayout(fraDirectories);
    layout->addLayout(grid);
    layout->addWidget(note);
    layout->addStretch(1);

    connect(cmdSelectMAME, &QPushButton::clicked, this, &SetupWizard::cmdSelectMAME_Click);
    connect(cmdSelectROM, &QPushButton::clicked, this, [this] {
        browseDirectory(txtROMPath, QStringLiteral("Select your Retro ROMs directory..."),
                        QStringLiteral("Retro ROMs cannot reside in the root!  Please select a directory."),
                        rowEnabled(txtNeoROMPath) ? txtNeoROMPath : txtSamPath);
    });
    connect(cmdSelectNeoROM, &QPushButton::clicked, this, [this] {
        browseDirectory(txtNeoROMPath, QStringLiteral("Select your Neo-Geo ROMs directory..."),
                        QStringLiteral("Neo-Geo ROMs cannot reside in the root!  Please select a directory."),
                        txtSamPath);
    });
    connect(cmdSelectSam, &QPushButton::clicked, this, [this] {
        browseDirectory(txtSamPath, QStringLiteral("Select your Samples directory..."),
                        QStringLiteral("Samples cannot reside in the root!  Please select a directory."), cmdOK);
    });
    connect(cmdSelectSnap, &QPushButton::clicked, this, [this] {
        browseDirectory(txtSnapPath, QStringLiteral("Select your Snapshots directory..."),
                        QStringLiteral("Snapshots cannot reside in the root!  Please select a directory."), cmdOK);
    });
}

void SetupWizard::load() {
    cmdOK->setEnabled(false);
    cmdBack->setEnabled(false);
    fraDirectories->setEnabled(false);

    // Exactly one list choice is always selected; a choice this program does not know is the
    // one it reads by default.
    if (m_state.GameList == u"RetroP")
        optAll->setChecked(true);
    else if (m_state.GameList == u"NeoOnly")
        optNeoOnly->setChecked(true);
    else
        optRetro->setChecked(true);

    chkHideClones->setChecked(m_state.HideClones);
    chkCloneShots->setChecked(m_state.CloneShots);
    chkDisable->setChecked(m_state.DisableHotKeys);
    {
        const QSignalBlocker quiet(chkBackground);
        chkBackground->setChecked(m_state.UseStarfield);
    }
    chkBackground_Click(m_state.UseStarfield);
    if (!m_state.UseStarfield)
        setPreviewColours(ui::fromBgr(m_state.BackColor), ui::fromBgr(m_state.ForeColor));

    // After the list choice, so that a row out of use shows what its variable holds.
    txtMAMEPath->setText(m_state.MAMEPath);
    txtROMPath->setText(m_state.ROMPath);
    txtNeoROMPath->setText(m_state.NeoROMPath);
    txtSamPath->setText(m_state.SamPath);
    txtSnapPath->setText(m_state.SnapPath);
}

bool SetupWizard::event(QEvent* event) {
    // Without a window manager the dialog may never be activated: showing it counts as well.
    if (m_firstActivation && (event->type() == QEvent::WindowActivate || event->type() == QEvent::Show)) {
        m_firstActivation = false;
        cmdNext->setFocus();
    }
    return QDialog::event(event);
}

void SetupWizard::cmdNext_Click() {
    fraDirectories->setEnabled(true);
    fraPreferences->setEnabled(false);
    cmdOK->setEnabled(true);
    cmdBack->setEnabled(true);
    cmdNext->setEnabled(false);
    cmdOK->setDefault(true);
    m_pages->setCurrentWidget(fraDirectories);
    if (txtMAMEPath->text().isEmpty())
        txtMAMEPath->setFocus();
    else if (txtROMPath->text().isEmpty() && rowEnabled(txtROMPath))
        txtROMPath->setFocus();
    else if (txtNeoROMPath->text().isEmpty() && rowEnabled(txtNeoROMPath))
        txtNeoROMPath->setFocus();
    else
        cmdOK->setFocus();
}

void SetupWizard::cmdBack_Click() {
    cmdNext->setEnabled(true);
    cmdNext->setDefault(true);
    cmdNext->setFocus();
    cmdOK->setEnabled(false);
    cmdBack->setEnabled(false);
    m_pages->setCurrentWidget(fraPreferences);
    fraPreferences->setEnabled(true);
    fraDirectories->setEnabled(false);
}

void SetupWizard::showRetroRow(bool enabled) {
    for (QWidget* widget :
         {static_cast<QWidget*>(Label3), static_cast<QWidget*>(txtROMPath), static_cast<QWidget*>(cmdSelectROM)})
        widget->setEnabled(enabled);
    if (!enabled)
        txtROMPath->clear();
}

void SetupWizard::showNeoRow(bool enabled) {
    for (QWidget* widget :
         {static_cast<QWidget*>(Label4), static_cast<QWidget*>(txtNeoROMPath), static_cast<QWidget*>(cmdSelectNeoROM)})
        widget->setEnabled(enabled);
    if (!enabled)
        txtNeoROMPath->clear();
}

bool SetupWizard::rowEnabled(const QWidget* box) const {
    return box->isEnabledTo(fraDirectories);
}

void SetupWizard::chkHideClones_Click() {
    if (chkHideClones->isChecked()) {
        chkCloneShots->setChecked(false);
        chkCloneShots->setEnabled(false);
    } else {
        chkCloneShots->setEnabled(true);
    }
}

void SetupWizard::chkBackground_Click(bool starField) {
    for (QWidget* widget :
         {static_cast<QWidget*>(cmdBackColor), static_cast<QWidget*>(cmdForeColor), static_cast<QWidget*>(lblBack),
          static_cast<QWidget*>(lblFore), static_cast<QWidget*>(lblColors)})
        widget->setEnabled(!starField);
    const QPalette system = palette();
    if (starField)
        setPreviewColours(system.color(QPalette::Button), system.color(QPalette::Button));
    else
        setPreviewColours(system.color(QPalette::Base), system.color(QPalette::Text));
}

void SetupWizard::setPreviewColours(const QColor& background, const QColor& text) {
    m_back = background;
    m_fore = text;
    // In every colour group, so that the preview keeps its colours while disabled.
    QPalette colours = lblColors->palette();
    colours.setColor(QPalette::Window, background);
    colours.setColor(QPalette::WindowText, text);
    lblColors->setPalette(colours);
}

// A closed picker cannot be told from one that chose its starting colour, so nothing chosen
// keeps the colour the preview has.
void SetupWizard::cmdBackColor_Click() {
    if (const std::optional<quint32> chosen = m_dialogs.chooseColor(ui::toBgr(m_back)))
        setPreviewColours(ui::fromBgr(*chosen), m_fore);
    cmdForeColor->setFocus();
}

void SetupWizard::cmdForeColor_Click() {
    if (const std::optional<quint32> chosen = m_dialogs.chooseColor(ui::toBgr(m_fore)))
        setPreviewColours(m_back, ui::fromBgr(*chosen));
    cmdNext->setFocus();
}

void SetupWizard::refuse(QLineEdit* box, const QString& text) {
    m_dialogs.message(text, Icon::Critical);
    box->clear();
    box->setFocus();
}

QString SetupWizard::browse(QLineEdit* box, const QString& title) {
    const QString start = box->text().isEmpty() ? txtMAMEPath->text() : box->text();
    QString path = m_dialogs.browseForFolder(title, start);
    if (path.isEmpty())
        return {};
    if (!storable(path)) {
        refuse(box, InvalidSelection);
        return {};
    }
#ifdef Q_OS_WIN
    path = path.toLower();
#endif
    return QDir::toNativeSeparators(path);
}

void SetupWizard::cmdSelectMAME_Click() {
    const QString path = browse(txtMAMEPath, QStringLiteral("Select your M.A.M.E. directory..."));
    if (path.isEmpty())
        return;
    // A root may hold the emulator.
    const QString mame = app::directoryText(path);
    txtMAMEPath->setText(mame);
    if (!QFileInfo(mame + app::mameFileName()).isFile()) {
        refuse(txtMAMEPath, MameMissing);
        return;
    }
    const QChar separator = QDir::separator();
    if (optRetro->isChecked() || optAll->isChecked())
        txtROMPath->setText(mame + QStringLiteral("roms") + separator);
    if (optAll->isChecked() || optNeoOnly->isChecked())
        txtNeoROMPath->setText(mame + QStringLiteral("neoroms") + separator);
    txtSamPath->setText(mame + QStringLiteral("samples") + separator);
    txtSnapPath->setText(mame + QStringLiteral("snap") + separator);
    QLineEdit* next = rowEnabled(txtROMPath) ? txtROMPath : txtNeoROMPath;
    next->setFocus();
    next->selectAll();
}

void SetupWizard::browseDirectory(QLineEdit* box, const QString& title, const QString& rootMessage, QWidget* next) {
    const QString path = browse(box, title);
    if (path.isEmpty())
        return;
    box->setText(path);
    if (isRoot(path)) {
        refuse(box, rootMessage);
        return;
    }
    box->setText(path + QDir::separator());
    next->setFocus();
    if (auto* text = qobject_cast<QLineEdit*>(next))
        text->selectAll();
}

void SetupWizard::cmdOK_Click() {
    m_state.GameList = optRetro->isChecked() ? QStringLiteral("Retro")
                       : optAll->isChecked() ? QStringLiteral("RetroP")
                                             : QStringLiteral("NeoOnly");
    m_state.HideClones = chkHideClones->isChecked();
    m_state.CloneShots = chkCloneShots->isChecked();
    m_state.DisableHotKeys = chkDisable->isChecked();
    m_state.UseStarfield = chkBackground->isChecked();
    m_state.BackColor = m_state.UseStarfield ? 0 : ui::toBgr(m_back);
    m_state.ForeColor = m_state.UseStarfield ? 0 : ui::toBgr(m_fore);

    // A typed directory needs its closing separator too: file names are appended to it.
    for (QLineEdit* box : {txtMAMEPath, txtROMPath, txtNeoROMPath, txtSamPath, txtSnapPath})
        box->setText(app::directoryText(box->text()));

    // An empty MAME directory is told below; it must not find an emulator in the working directory.
    if (!txtMAMEPath->text().isEmpty() && !QFileInfo(txtMAMEPath->text() + app::mameFileName()).isFile()) {
        refuse(txtMAMEPath, MameMissing);
        return;
    }

    struct Check {
        QLineEdit* box;
        QString* variable;
        const QString* copy;
        bool required;
        const char* message;
    };
    const Check checks[] = {
        {txtMAMEPath, &m_state.MAMEPath, &m_state.TempMAMEPath, true, "You must select a M.A.M.E. directory!"},
        {txtROMPath, &m_state.ROMPath, &m_state.TempROMPath, rowEnabled(txtROMPath),
         "You must select a Retro ROMs directory!"},
        {txtNeoROMPath, &m_state.NeoROMPath, &m_state.TempNeoROMPath, rowEnabled(txtNeoROMPath),
         "You must select a Neo-Geo ROMs directory!"},
        {txtSamPath, &m_state.SamPath, &m_state.TempSamPath, true, "You must select a Samples directory!"},
        {txtSnapPath, &m_state.SnapPath, &m_state.TempSnapPath, true, "You must select a Snap directory!"},
    };
    for (const Check& check : checks) {
        *check.variable = check.box->text();
        if (check.required && check.variable->isEmpty()) {
            m_dialogs.message(QLatin1String(check.message), Icon::Critical);
            check.box->setFocus();
            if (!m_state.StartingUp)
                *check.variable = *check.copy;
        }
        if (check.variable == &m_state.MAMEPath)
            m_state.setMAMEPath(m_state.MAMEPath);
        if (check.required && check.box->text().isEmpty())
            return;
    }

    m_state.MAMERomPath =
        maintenance::MAMERomPath(m_state.GameList, m_state.ROMPath, m_state.NeoROMPath, m_state.MAMERomPath);
    if (!maintenance::UpdateMameCfg(m_state.MAMEPath + QStringLiteral("mame.cfg"),
                                    {m_state.MAMERomPath, m_state.SamPath, m_state.SnapPath})) {
        // Storing directories the emulator will not use would only hide the problem.
        m_dialogs.message(QStringLiteral("Cannot write the mame.cfg file in the M.A.M.E. directory!  Please make "
                                         "sure that it can be written to, or select another directory."),
                          Icon::Critical);
        txtMAMEPath->setFocus();
        return;
    }
    app::writeSetup(m_state.IniFile, m_state);
    accept();
}

void SetupWizard::reject() {
    // A refused OK may have taken over some values already; Cancel keeps none of them.
    m_state = m_original;
    m_state.SetupCancelled = true;
    fraPreferences->setEnabled(true);
    m_state.TempMAMEPath.clear();
    m_state.TempROMPath.clear();
    m_state.TempNeoROMPath.clear();
    m_state.TempSamPath.clear();
    m_state.TempSnapPath.clear();
    QDialog::reject();
}

} // namespace setup
