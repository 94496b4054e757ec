#include "gui/setup/SetupDialog.h"

#include "gui/common/Colours.h"
#include "gui/common/Dialogs.h"

#include <QCheckBox>
#include <QDir>
#include <QEvent>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QStackedWidget>

namespace gui {
namespace {

using config::ListChoice;
using setup::DirectoryField;
using Icon = Dialogs::Icon;

} // namespace

void SetupDialog::load() {
    m_okButton->setEnabled(false);
    m_backButton->setEnabled(false);
    m_directoriesPage->setEnabled(false);

    const config::Preferences& preferences = m_state.preferences;
    // Exactly one list choice is always selected; no list at all reads as the default.
    if (preferences.listChoice == ListChoice::All)
        m_allGamesButton->setChecked(true);
    else if (preferences.listChoice == ListChoice::NeoGeo)
        m_neoGeoOnlyButton->setChecked(true);
    else
        m_retroOnlyButton->setChecked(true);

    m_hideClonesBox->setChecked(preferences.hideClones);
    m_cloneShotsBox->setChecked(preferences.cloneShots);
    m_disableHotKeysBox->setChecked(preferences.disableHotKeys);
    m_hideMatureBox->setChecked(preferences.hideMature);
    m_listsFolderEdit->setText(preferences.listsFolder);
    m_artworkFolderEdit->setText(preferences.artworkFolder);
    // What an empty folder stands for: the one that holds the snapshots directory.
    config::AppState proposal = m_state;
    proposal.preferences.artworkFolder.clear();
    m_artworkFolderEdit->setPlaceholderText(QDir::toNativeSeparators(proposal.artworkPath()));
    {
        const QSignalBlocker quiet(m_starFieldBox);
        m_starFieldBox->setChecked(preferences.useStarfield);
    }
    applyStarField(preferences.useStarfield);
    if (!preferences.useStarfield)
        setPreviewColours(fromBgr(preferences.backColour), fromBgr(preferences.foreColour));

    // After the list choice, so that a row out of use shows what its directory holds.
    const config::Directories& d = m_state.directories;
    box(DirectoryField::Mame)->setText(d.mame);
    box(DirectoryField::RetroRoms)->setText(d.retroRoms);
    box(DirectoryField::NeoGeoRoms)->setText(d.neoGeoRoms);
    box(DirectoryField::Samples)->setText(d.samples);
    box(DirectoryField::Snapshots)->setText(d.snapshots);
    // A first start finds the emulator a package installed on the search path.
    const QString found = d.mame.isEmpty() ? setup::emulatorOnPath() : QString();
    if (!found.isEmpty() && setup::holdsEmulator(found)) {
        box(DirectoryField::Mame)->setText(found);
        proposeFor(found);
    }
}

bool SetupDialog::event(QEvent* event) {
    // Without a window manager the dialog may never be activated: showing it counts as well.
    if (m_firstActivation && (event->type() == QEvent::WindowActivate || event->type() == QEvent::Show)) {
        m_firstActivation = false;
        m_nextButton->setFocus();
    }
    return QDialog::event(event);
}

void SetupDialog::showDirectories() {
    m_directoriesPage->setEnabled(true);
    m_preferencesPage->setEnabled(false);
    m_okButton->setEnabled(true);
    m_backButton->setEnabled(true);
    m_nextButton->setEnabled(false);
    m_okButton->setDefault(true);
    m_pages->setCurrentWidget(m_directoriesPage);
    // The first directory still to be given, else OK.
    for (DirectoryField field : {DirectoryField::Mame, DirectoryField::RetroRoms, DirectoryField::NeoGeoRoms}) {
        if (box(field)->text().isEmpty() && rowUsed(field)) {
            box(field)->setFocus();
            return;
        }
    }
    m_okButton->setFocus();
}

void SetupDialog::showPreferences() {
    m_nextButton->setEnabled(true);
    m_nextButton->setDefault(true);
    m_nextButton->setFocus();
    m_okButton->setEnabled(false);
    m_backButton->setEnabled(false);
    m_pages->setCurrentWidget(m_preferencesPage);
    m_preferencesPage->setEnabled(true);
    m_directoriesPage->setEnabled(false);
}

config::ListChoice SetupDialog::listChoice() const {
    return m_retroOnlyButton->isChecked()  ? ListChoice::Retro
           : m_allGamesButton->isChecked() ? ListChoice::All
                                           : ListChoice::NeoGeo;
}

void SetupDialog::applyListChoice(config::ListChoice choice) {
    const QString roms = box(DirectoryField::RetroRoms)->text();
    setRowUsed(DirectoryField::RetroRoms, setup::usesRetroRoms(choice));
    setRowUsed(DirectoryField::NeoGeoRoms, setup::usesNeoGeoRoms(choice));
    // Today's emulator keeps Neo-Geo sets with the others: the Neo-Geo folder is the ROM folder.
    if (m_today && setup::usesNeoGeoRoms(choice) && box(DirectoryField::NeoGeoRoms)->text().isEmpty())
        box(DirectoryField::NeoGeoRoms)->setText(roms);
}

void SetupDialog::setRowUsed(DirectoryField field, bool used) {
    m_rows[size_t(field)]->setEnabled(used);
    if (!used)
        box(field)->clear();
}

bool SetupDialog::rowUsed(DirectoryField field) const {
    return m_rows[size_t(field)]->isEnabledTo(m_directoriesPage);
}

void SetupDialog::applyStarField(bool starField) {
    m_colourControls->setEnabled(!starField);
    const QPalette system = palette();
    if (starField)
        setPreviewColours(system.color(QPalette::Button), system.color(QPalette::Button));
    else
        setPreviewColours(system.color(QPalette::Base), system.color(QPalette::Text));
}

void SetupDialog::setPreviewColours(const QColor& background, const QColor& text) {
    m_back = background;
    m_fore = text;
    // In every colour group, so that the preview keeps its colours while disabled.
    QPalette colours = m_coloursPreview->palette();
    colours.setColor(QPalette::Window, background);
    colours.setColor(QPalette::WindowText, text);
    m_coloursPreview->setPalette(colours);
}

// A closed picker cannot be told from one that chose its starting colour, so nothing chosen
// keeps the colour the preview has.
void SetupDialog::chooseColour(bool background) {
    const std::optional<quint32> chosen = m_dialogs.chooseColor(toBgr(background ? m_back : m_fore));
    if (!chosen)
        return;
    if (background)
        setPreviewColours(fromBgr(*chosen), m_fore);
    else
        setPreviewColours(m_back, fromBgr(*chosen));
}

void SetupDialog::refuse(DirectoryField field, const QString& text, bool clear) {
    m_dialogs.message(text, Icon::Critical);
    if (clear)
        box(field)->clear();
    box(field)->setFocus();
}

QString SetupDialog::browse(DirectoryField field) {
    QLineEdit* edit = box(field);
    const QString start = edit->text().isEmpty() ? box(DirectoryField::Mame)->text() : edit->text();
    QString path = m_dialogs.browseForFolder(setup::browseTitle(field), start);
    if (path.isEmpty())
        return {};
    if (!setup::storable(path)) {
        refuse(field, setup::invalidSelectionMessage());
        return {};
    }
#ifdef Q_OS_WIN
    path = path.toLower();
#endif
    return QDir::toNativeSeparators(path);
}

void SetupDialog::browseMame() {
    const QString path = browse(DirectoryField::Mame);
    if (path.isEmpty())
        return;
    // A root may hold the emulator.
    const QString mame = config::directoryText(path);
    box(DirectoryField::Mame)->setText(mame);
    if (!setup::holdsEmulator(mame)) {
        refuse(DirectoryField::Mame, setup::missingEmulatorMessage());
        return;
    }
    proposeFor(mame);
    QLineEdit* next = box(rowUsed(DirectoryField::RetroRoms) ? DirectoryField::RetroRoms : DirectoryField::NeoGeoRoms);
    next->setFocus();
    next->selectAll();
}

void SetupDialog::proposeFor(const QString& mame) {
    const std::optional<exec::EmulatorConfig> today = setup::todayConfig(mame, m_runner);
    m_today = today.has_value();
    m_note->setText(QStringLiteral("Your selections will automatically update the %1 file.")
                        .arg(today ? QStringLiteral("mame.ini") : QStringLiteral("mame.cfg")));
    // Today's emulator finds Neo-Geo sets among the others: on a first setup all games are listed.
    if (today && m_state.directories.mame.isEmpty())
        m_allGamesButton->setChecked(true);
    const config::Directories proposed = setup::proposeDirectories(mame, listChoice(), today);
    if (!proposed.retroRoms.isEmpty())
        box(DirectoryField::RetroRoms)->setText(proposed.retroRoms);
    if (!proposed.neoGeoRoms.isEmpty())
        box(DirectoryField::NeoGeoRoms)->setText(proposed.neoGeoRoms);
    box(DirectoryField::Samples)->setText(proposed.samples);
    box(DirectoryField::Snapshots)->setText(proposed.snapshots);
}

void SetupDialog::browseDirectory(DirectoryField field) {
    const QString path = browse(field);
    if (path.isEmpty())
        return;
    box(field)->setText(path);
    if (setup::isRoot(path)) {
        refuse(field, setup::rootMessage(field));
        return;
    }
    box(field)->setText(path + QDir::separator());
    // On to the next directory still to give, then OK.
    QWidget* next = m_okButton;
    if (field == DirectoryField::RetroRoms)
        next = box(rowUsed(DirectoryField::NeoGeoRoms) ? DirectoryField::NeoGeoRoms : DirectoryField::Samples);
    else if (field == DirectoryField::NeoGeoRoms)
        next = box(DirectoryField::Samples);
    next->setFocus();
    if (auto* text = qobject_cast<QLineEdit*>(next))
        text->selectAll();
}

void SetupDialog::accept() {
    setup::SetupForm form;
    form.preferences.listChoice = listChoice();
    form.preferences.hideClones = m_hideClonesBox->isChecked();
    form.preferences.cloneShots = m_cloneShotsBox->isChecked();
    form.preferences.disableHotKeys = m_disableHotKeysBox->isChecked();
    form.preferences.useStarfield = m_starFieldBox->isChecked();
    form.preferences.hideMature = m_hideMatureBox->isChecked();
    form.preferences.listsFolder = m_listsFolderEdit->text().trimmed();
    form.preferences.artworkFolder = m_artworkFolderEdit->text().trimmed();
    form.preferences.backColour = form.preferences.useStarfield ? 0 : toBgr(m_back);
    form.preferences.foreColour = form.preferences.useStarfield ? 0 : toBgr(m_fore);

    // A typed directory needs its closing separator too: file names are appended to it.
    for (QLineEdit* edit : m_boxes)
        edit->setText(config::directoryText(edit->text()));
    form.directories = {box(DirectoryField::Mame)->text(), box(DirectoryField::RetroRoms)->text(),
                        box(DirectoryField::NeoGeoRoms)->text(), box(DirectoryField::Samples)->text(),
                        box(DirectoryField::Snapshots)->text()};
    form.retroRomsUsed = rowUsed(DirectoryField::RetroRoms);
    form.neoGeoRomsUsed = rowUsed(DirectoryField::NeoGeoRoms);

    for (const auto& [caption, edit] : {std::pair{QStringLiteral("Genre Lists"), m_listsFolderEdit},
                                        std::pair{QStringLiteral("Artwork"), m_artworkFolderEdit}}) {
        if (const QString reason = setup::unstorableReason(edit->text().trimmed()); !reason.isEmpty()) {
            m_dialogs.message(QStringLiteral("The %1 folder cannot be kept: %2.").arg(caption, reason),
                              Icon::Exclamation);
            showPreferences();
            edit->setFocus();
            return;
        }
    }
    std::optional<setup::Refusal> refusal = setup::check(form);
    if (!refusal)
        refusal = setup::commit(m_state, form, m_runner);
    if (refusal) {
        refuse(refusal->field, refusal->message, refusal->clear);
        return;
    }
    QDialog::accept();
}

} // namespace gui
