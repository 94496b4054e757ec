#pragma once

#include "settings/SettingsRecord.h"

#include <QGroupBox>
#include <array>

class QAbstractButton;
class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QTabWidget;

namespace settings {

// fraDefaults: the panel over the game list in which one settings set is edited, the raster
// defaults, the vector defaults or one game's custom settings.
class SettingsPanel : public QGroupBox {
    Q_OBJECT
public:
    explicit SettingsPanel(QWidget* parent = nullptr);

    static inline const QString RasterDefaults = QStringLiteral("Raster Defaults");
    static inline const QString VectorDefaults = QStringLiteral("Vector Defaults");
    static inline const QString CustomSettings = QStringLiteral("Custom Settings");

    // Puts every list's items in (once, at start-up).
    void FillSettingsLists();
    // Selects every list's default item.
    void DefaultLists();
    // Sets every check box and option button to its default; both vsync buttons unselected.
    void DefaultCheckBoxes();
    // Whether every control, the hidden vector-only ones included, stands at its default.
    bool CheckPanelDefaults() const;
    // Sets all 41 tokens from the controls; positions are left alone.
    void ReadSettingsPanel(SettingsRecord& record) const;
    // Puts the lists' selected positions into the record (just before it is written).
    void readPositions(SettingsRecord& record) const;
    // Puts a record into the controls for a kind of settings.
    void ShowSettings(const SettingsRecord& record, SettingsKind kind);
    // MAME's defaults in every control, the parameters box empty.
    void showEmulatorDefaults();
    void setVectorControlsVisible(bool visible);

    // The additional parameters cannot hold a double quote: the settings file could not
    // store it. The message to show when they do, else empty.
    QString parametersProblem() const;

    QComboBox* list(Field field) const { return m_lists[size_t(field)]; }
    QAbstractButton* switchButton(Field field) const { return m_switches[size_t(field)]; }
    bool isOn(Field field) const;

    QTabWidget* SSTab1;
    QPushButton* cmdOK;
    QPushButton* cmdRestore;
    QPushButton* cmdCancel;
    QPushButton* cmdClear;
    QRadioButton* optVsync;
    QRadioButton* optWaitVsync;
    QLineEdit* txtAddPar;
    QLabel* lblDisplay;
    QLabel* lblSound;
    QLabel* lblOther;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void createTabs();
    QComboBox* addList(QWidget* page, Field field, int row, int column);
    QAbstractButton* addSwitch(QWidget* page, Field field);
    void showPosition(const SettingsRecord& record, Field field);
    void applyMonitorRule();
    void applySoundRule();
    void updateClearButton();
    void setHintsVisible(bool visible);

    std::array<QComboBox*, FieldCount> m_lists{};
    std::array<QLabel*, FieldCount> m_labels{};
    std::array<QAbstractButton*, FieldCount> m_switches{};
};

} // namespace settings
