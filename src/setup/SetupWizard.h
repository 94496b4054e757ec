#pragma once

#include "app/AppState.h"

#include <QColor>
#include <QDialog>

class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QStackedWidget;

namespace app {
class Dialogs;
}

namespace setup {

// frmChoose: the two-page wizard that collects the preferences and the five directories,
// merges the directories into the emulator's mame.cfg and stores everything in the options
// file. Accepted after a successful OK; rejected by Cancel, Escape or closing the window, which
// set SetupCancelled and leave the state as it was when the window opened.
class SetupWizard : public QDialog {
    Q_OBJECT
public:
    explicit SetupWizard(app::AppState& state, app::Dialogs& dialogs, QWidget* parent = nullptr);

    // Cancel: nothing is written, nothing in the state changes but the flag and the copies.
    void reject() override;

    // Page 1
    QGroupBox* fraPreferences;
    QRadioButton* optAll;
    QRadioButton* optNeoOnly;
    QRadioButton* optRetro;
    QCheckBox* chkHideClones;
    QCheckBox* chkCloneShots;
    QCheckBox* chkDisable;
    QCheckBox* chkBackground;
    QLabel* lblColors;
    QLabel* lblBack;
    QLabel* lblFore;
    QPushButton* cmdBackColor;
    QPushButton* cmdForeColor;

    // Page 2
    QGroupBox* fraDirectories;
    QLabel* Label3;
    QLabel* Label4;
    QLineEdit* txtMAMEPath;
    QLineEdit* txtROMPath;
    QLineEdit* txtNeoROMPath;
    QLineEdit* txtSamPath;
    QLineEdit* txtSnapPath;
    QPushButton* cmdSelectMAME;
    QPushButton* cmdSelectROM;
    QPushButton* cmdSelectNeoROM;
    QPushButton* cmdSelectSam;
    QPushButton* cmdSelectSnap;

    QPushButton* cmdBack;
    QPushButton* cmdNext;
    QPushButton* cmdCancel;
    QPushButton* cmdOK;

protected:
    bool event(QEvent* event) override;

private:
    void createPreferences();
    void createDirectories();
    void load();

    void cmdNext_Click();
    void cmdBack_Click();
    void cmdOK_Click();
    void cmdSelectMAME_Click();
    void cmdBackColor_Click();
    void cmdForeColor_Click();
    void chkHideClones_Click();
    void chkBackground_Click(bool starField);
    void showRetroRow(bool enabled);
    void showNeoRow(bool enabled);

    // A browsed folder for one of the four directories that may not be a root.
    void browseDirectory(QLineEdit* box, const QString& title, const QString& rootMessage, QWidget* next);
    // The folder the user chose, or empty text when none was chosen. Refuses (and empties the
    // box) a folder whose name the system's single-byte files could not hold.
    QString browse(QLineEdit* box, const QString& title);
    void refuse(QLineEdit* box, const QString& text);

    // Whether a directory row is in use, whichever page is in front.
    bool rowEnabled(const QWidget* box) const;
    void setPreviewColours(const QColor& background, const QColor& text);

    QStackedWidget* m_pages;
    app::AppState& m_state;
    app::Dialogs& m_dialogs;
    app::AppState m_original; // what Cancel goes back to
    QColor m_back;
    QColor m_fore;
    bool m_firstActivation = true;
};

} // namespace setup
