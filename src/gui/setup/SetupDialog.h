#pragma once

#include "core/exec/CommandRunner.h"
#include "core/setup/SetupRules.h"

#include <QColor>
#include <QDialog>

#include <array>

class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QStackedWidget;

namespace gui {

class Dialogs;

// The two-page setup that collects the preferences and the five directories, merges the
// directories into the emulator's mame.cfg and stores everything in the options file.
// Accepted after a successful OK; rejected by Cancel, Escape or closing the window, which
// leave the state as it was.
class SetupDialog : public QDialog {
    Q_OBJECT
public:
    SetupDialog(config::AppState& state, Dialogs& dialogs, QWidget* parent = nullptr);

protected:
    bool event(QEvent* event) override;

private:
    void createPreferences();
    void createDirectories();
    void load();

    void showDirectories();
    void showPreferences();
    void accept() override;
    void browseMame();
    // Fills the other directories with what the emulator's directory proposes.
    void proposeFor(const QString& mame);
    void browseDirectory(setup::DirectoryField field);
    void chooseColour(bool background);
    void applyListChoice(config::ListChoice choice);
    void applyStarField(bool starField);

    // The folder the user chose, or empty text when none was chosen. Refuses (and empties the
    // box) a folder whose name Marqueon's single-byte files could not hold.
    QString browse(setup::DirectoryField field);
    void refuse(setup::DirectoryField field, const QString& text, bool clear = true);

    config::ListChoice listChoice() const;
    QLineEdit* box(setup::DirectoryField field) const { return m_boxes[size_t(field)]; }
    // Whether a directory row is in use, whichever page is in front.
    bool rowUsed(setup::DirectoryField field) const;
    void setRowUsed(setup::DirectoryField field, bool used);
    void setPreviewColours(const QColor& background, const QColor& text);

    config::AppState& m_state;
    exec::CommandRunner m_runner; // asks the chosen emulator who it is and where it looks
    Dialogs& m_dialogs;
    QStackedWidget* m_pages;
    QGroupBox* m_preferencesPage;
    QGroupBox* m_directoriesPage;
    QRadioButton* m_allGamesButton;
    QRadioButton* m_neoGeoOnlyButton;
    QRadioButton* m_retroOnlyButton;
    QCheckBox* m_hideClonesBox;
    QCheckBox* m_cloneShotsBox;
    QCheckBox* m_disableHotKeysBox;
    QCheckBox* m_starFieldBox;
    QCheckBox* m_hideMatureBox;
    QLineEdit* m_listsFolderEdit;
    QLineEdit* m_artworkFolderEdit;
    QLabel* m_coloursPreview;
    QLabel* m_note; // which of the emulator's files OK updates
    QWidget* m_colourControls;
    std::array<QLineEdit*, 5> m_boxes{};
    std::array<QWidget*, 5> m_rows{}; // label, box and button of a directory
    QPushButton* m_backButton;
    QPushButton* m_nextButton;
    QPushButton* m_okButton;
    QColor m_back;
    QColor m_fore;
    bool m_firstActivation = true;
    bool m_today = false; // the chosen emulator is today's
};

} // namespace gui
