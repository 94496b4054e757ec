// The setup dialog's layout: its two pages (the preferences and the directories) and its buttons.
#include "gui/setup/SetupDialog.h"

#include "gui/common/Dialogs.h"
#include "gui/common/Twips.h"

#include <QCheckBox>
#include <QDir>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStackedWidget>
#include <QVBoxLayout>

namespace gui {
namespace {

using config::ListChoice;
using setup::DirectoryField;

template <typename T> T* named(T* widget, const char* name) {
    widget->setObjectName(QLatin1String(name));
    return widget;
}

QPushButton* button(const QString& caption, const char* name, QWidget* parent) {
    auto* result = named(new QPushButton(caption, parent), name);
    result->setAutoDefault(true); // Return on a focused button presses it
    return result;
}

struct Row {
    DirectoryField field;
    const char* caption;
    const char* name; // "mame": mameLabel, mameEdit, mameBrowseButton
};
constexpr Row Rows[] = {
    {DirectoryField::Mame, "M.A.M.E.:", "mame"},
    {DirectoryField::RetroRoms, "Retro ROMs:", "retroRoms"},
    {DirectoryField::NeoGeoRoms, "Neo-Geo ROMs:", "neoGeoRoms"},
    {DirectoryField::Samples, "Samples:", "samples"},
    {DirectoryField::Snapshots, "Snapshots:", "snapshots"},
};

} // namespace

SetupDialog::SetupDialog(config::AppState& state, Dialogs& dialogs, QWidget* parent)
    : QDialog(parent)
    , m_state(state)
    , m_dialogs(dialogs) {
    setObjectName(QStringLiteral("setupDialog"));
    setWindowTitle(QStringLiteral("Options"));
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);

    m_pages = new QStackedWidget(this);
    createPreferences();
    createDirectories();
    m_pages->addWidget(m_preferencesPage);
    m_pages->addWidget(m_directoriesPage);

    m_backButton = button(QStringLiteral("< &Back"), "backButton", this);
    m_nextButton = button(QStringLiteral("&Next >"), "nextButton", this);
    QPushButton* cancel = button(QStringLiteral("Cancel"), "cancelButton", this);
    m_okButton = button(QStringLiteral("OK"), "okButton", this);
    m_nextButton->setDefault(true);
    connect(m_backButton, &QPushButton::clicked, this, &SetupDialog::showPreferences);
    connect(m_nextButton, &QPushButton::clicked, this, &SetupDialog::showDirectories);
    connect(cancel, &QPushButton::clicked, this, &SetupDialog::reject);
    connect(m_okButton, &QPushButton::clicked, this, &SetupDialog::accept);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(m_backButton);
    buttons->addWidget(m_nextButton);
    buttons->addSpacing(twips(240));
    buttons->addWidget(cancel);
    buttons->addWidget(m_okButton);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_pages, 1);
    layout->addLayout(buttons);

    load();
    m_nextButton->setFocus();
}

void SetupDialog::createPreferences() {
    m_preferencesPage = named(new QGroupBox(QStringLiteral("Preferences"), this), "preferencesPage");
    QWidget* page = m_preferencesPage;

    m_allGamesButton = named(new QRadioButton(QStringLiteral("All Games"), page), "allGamesButton");
    m_allGamesButton->setToolTip(QStringLiteral("Includes All M.A.M.E. Games"));
    m_neoGeoOnlyButton = named(new QRadioButton(QStringLiteral("Neo-Geo Games Only"), page), "neoGeoOnlyButton");
    m_neoGeoOnlyButton->setToolTip(QStringLiteral("Includes Neo-Geo Games Only"));
    m_retroOnlyButton = named(new QRadioButton(QStringLiteral("Retro Games Only"), page), "retroOnlyButton");
    m_retroOnlyButton->setToolTip(QStringLiteral("Does Not Include Neo-Geo Or Console Games"));
    // Each button acts only when it becomes the selected one.
    for (QRadioButton* option : {m_allGamesButton, m_neoGeoOnlyButton, m_retroOnlyButton}) {
        connect(option, &QRadioButton::toggled, this, [this](bool on) {
            if (on)
                applyListChoice(listChoice());
        });
    }

    m_hideClonesBox = named(new QCheckBox(QStringLiteral("Hide Clones"), page), "hideClonesBox");
    m_cloneShotsBox =
        named(new QCheckBox(QStringLiteral("Use Screen Shot Of Parent Game For Clones"), page), "cloneShotsBox");
    m_disableHotKeysBox =
        named(new QCheckBox(QStringLiteral("Disable Ctrl-Alt-Delete, Ctrl-Esc, And The Windows Key During Game"), page),
              "disableHotKeysBox");
    m_starFieldBox =
        named(new QCheckBox(QStringLiteral("Use Star Field Image For Game List Background"), page), "starFieldBox");
    // Clones that are hidden show no pictures.
    connect(m_hideClonesBox, &QCheckBox::toggled, this, [this](bool hide) {
        if (hide)
            m_cloneShotsBox->setChecked(false);
        m_cloneShotsBox->setEnabled(!hide);
    });
    connect(m_starFieldBox, &QCheckBox::toggled, this, &SetupDialog::applyStarField);

    m_colourControls = new QWidget(page);
    m_coloursPreview = named(new QLabel(QStringLiteral(" Game List Colors"), m_colourControls), "coloursPreview");
    m_coloursPreview->setAutoFillBackground(true);
    m_coloursPreview->setFrameShape(QFrame::Panel);
    m_coloursPreview->setFrameShadow(QFrame::Sunken);
    m_coloursPreview->setMinimumSize(twipsSize(2000, 600));
    auto* backLabel = named(new QLabel(QStringLiteral("BackColor:"), m_colourControls), "backColourLabel");
    auto* foreLabel = named(new QLabel(QStringLiteral("ForeColor:"), m_colourControls), "foreColourLabel");
    QPushButton* back = button(QStringLiteral("Choose..."), "backColourButton", m_colourControls);
    QPushButton* fore = button(QStringLiteral("Choose..."), "foreColourButton", m_colourControls);
    connect(back, &QPushButton::clicked, this, [this, fore] {
        chooseColour(true);
        fore->setFocus();
    });
    connect(fore, &QPushButton::clicked, this, [this] {
        chooseColour(false);
        m_nextButton->setFocus();
    });

    // The community lists (catver.ini, nplayers.ini) add genres and players to the search.
    m_hideMatureBox = named(new QCheckBox(QStringLiteral("Hide Mature Games"), page), "hideMatureBox");
    m_hideMatureBox->setToolTip(QStringLiteral("Leaves out the games catver.ini marks as mature"));
    // A folder of Marqueon's own: its caption, the edit, and Browse... beside it, the rows' edits
    // lined up under each other.
    auto* folders = new QGridLayout;
    folders->setColumnStretch(1, 1);
    const auto folderRow = [this, page, folders](const QString& caption, const char* name, const QString& tip,
                                                 const QString& prompt) {
        const QByteArray base(name);
        auto* label = named(new QLabel(caption, page), (base + "Label").constData());
        auto* edit = named(new QLineEdit(page), (base + "Edit").constData());
        edit->setToolTip(tip);
        label->setBuddy(edit);
        QPushButton* browse = button(QStringLiteral("Browse..."), (base + "BrowseButton").constData(), page);
        connect(browse, &QPushButton::clicked, this, [this, edit, prompt] {
            const QString chosen = m_dialogs.browseForFolder(prompt, edit->text());
            if (!chosen.isEmpty())
                edit->setText(QDir::toNativeSeparators(chosen.endsWith(u'/') ? chosen : chosen + u'/'));
        });
        const int row = folders->rowCount();
        folders->addWidget(label, row, 0);
        folders->addWidget(edit, row, 1);
        folders->addWidget(browse, row, 2);
        return edit;
    };
    m_listsFolderEdit =
        folderRow(QStringLiteral("Genre Lists:"), "listsFolder",
                  QStringLiteral("The folder that holds catver.ini and nplayers.ini; when empty, Marqueon looks in "
                                 "its own and the emulator's folders"),
                  QStringLiteral("Select the folder of catver.ini and nplayers.ini"));
    m_artworkFolderEdit =
        folderRow(QStringLiteral("Artwork:"), "artworkFolder",
                  QStringLiteral("The folder that holds the picture folders and packs (snap, titles, flyers.zip ...); "
                                 "when empty, the folder that holds the snapshots directory"),
                  QStringLiteral("Select the folder of your artwork"));

    auto* choice = new QHBoxLayout;
    for (QRadioButton* option : {m_allGamesButton, m_neoGeoOnlyButton, m_retroOnlyButton})
        choice->addWidget(option);
    auto* colours = new QGridLayout(m_colourControls);
    colours->setContentsMargins(0, 0, 0, 0);
    colours->addWidget(m_coloursPreview, 0, 0, 2, 1);
    colours->addWidget(backLabel, 0, 1);
    colours->addWidget(back, 0, 2);
    colours->addWidget(foreLabel, 1, 1);
    colours->addWidget(fore, 1, 2);
    colours->setColumnStretch(3, 1);
    auto* layout = new QVBoxLayout(page);
    layout->addLayout(choice);
    for (QCheckBox* box : {m_hideClonesBox, m_cloneShotsBox, m_disableHotKeysBox, m_starFieldBox})
        layout->addWidget(box);
    layout->addWidget(m_colourControls);
    layout->addWidget(m_hideMatureBox);
    layout->addLayout(folders);
    layout->addStretch(1);
}

void SetupDialog::createDirectories() {
    m_directoriesPage = named(new QGroupBox(QStringLiteral("Directories"), this), "directoriesPage");
    auto* grid = new QGridLayout;
    for (const Row& row : Rows) {
        const QString name = QLatin1String(row.name);
        auto* holder = new QWidget(m_directoriesPage);
        auto* title = new QLabel(QLatin1String(row.caption), holder);
        title->setObjectName(name + QStringLiteral("Label"));
        auto* edit = new QLineEdit(holder);
        edit->setObjectName(name + QStringLiteral("Edit"));
        edit->setMinimumWidth(twips(4200));
        title->setBuddy(edit);
        auto* browse = new QPushButton(QStringLiteral("Browse..."), holder);
        browse->setObjectName(name + QStringLiteral("BrowseButton"));
        browse->setAutoDefault(true);
        auto* line = new QHBoxLayout(holder);
        line->setContentsMargins(0, 0, 0, 0);
        title->setMinimumWidth(twips(1500));
        line->addWidget(title);
        line->addWidget(edit, 1);
        line->addWidget(browse);
        grid->addWidget(holder, grid->rowCount(), 0);
        m_boxes[size_t(row.field)] = edit;
        m_rows[size_t(row.field)] = holder;
        const DirectoryField field = row.field;
        connect(browse, &QPushButton::clicked, this, [this, field] {
            if (field == DirectoryField::Mame)
                browseMame();
            else
                browseDirectory(field);
        });
    }

    m_note = named(
        new QLabel(QStringLiteral("Your selections will automatically update the mame.cfg file."), m_directoriesPage),
        "noteLabel");
    auto* layout = new QVBoxLayout(m_directoriesPage);
    layout->addLayout(grid);
    layout->addWidget(m_note);
    layout->addStretch(1);
}

} // namespace gui
