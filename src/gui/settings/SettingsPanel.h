#pragma once

#include "core/settings/SettingsSession.h"

#include <QGroupBox>
#include <QMap>

#include <array>

class QAbstractButton;
class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTabWidget;

namespace gui {

class Dialogs;

// The panel over the game list in which one settings set is edited: the raster defaults, the
// vector defaults or one game's custom settings. It draws a settings form and hands every
// decision to the settings session; finished() tells that OK or Cancel closed it.
class SettingsPanel : public QGroupBox {
    Q_OBJECT
public:
    SettingsPanel(settings::SettingsSession& session, Dialogs& dialogs, QWidget* parent = nullptr);

    // Opens the panel on a kind's defaults or a game's custom settings. False when a settings
    // file could not be read and the program is ending.
    bool openDefaults(settings::SettingsKind kind);
    bool openCustom(const QString& romName, const QString& videoType);
    // Whether the panel shows today's emulator's options rather than the classic ones.
    bool showsIniOptions() const;

    // The button that takes the focus when the panel is returned to.
    QPushButton* okButton() const { return m_okButton; }

signals:
    void finished();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void createTabs();
    void createIniTabs();
    void showIniForm(const settings::IniForm& form);
    settings::IniForm iniForm() const;
    QComboBox* addList(QWidget* page, settings::Field field);
    QAbstractButton* addSwitch(QWidget* page, settings::Field field);
    bool showContent(const settings::PanelContent& content);
    void showForm(const settings::SettingsForm& form);
    settings::SettingsForm form() const;
    void onChanged(settings::Field field);
    void onOk();
    void onRestore();
    void setHintsVisible(bool visible);

    settings::SettingsSession& m_session;
    Dialogs& m_dialogs;
    settings::PanelContent m_content;

    QTabWidget* m_tabs;
    QPushButton* m_okButton;
    QPushButton* m_restoreButton;
    QPushButton* m_cancelButton;
    QPushButton* m_clearButton;
    QLineEdit* m_parametersEdit;
    std::array<QLabel*, 3> m_hints{};
    std::array<QComboBox*, settings::FieldCount> m_lists{};
    std::array<QLabel*, settings::FieldCount> m_labels{};
    std::array<QAbstractButton*, settings::FieldCount> m_switches{};
    // Today's emulator's options, by key: a list or a check box each.
    QTabWidget* m_iniTabs;
    QMap<QString, QComboBox*> m_iniLists;
    QMap<QString, QCheckBox*> m_iniSwitches;
    QLineEdit* m_iniParametersEdit;
};

} // namespace gui
