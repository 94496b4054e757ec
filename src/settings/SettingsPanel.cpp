#include "settings/SettingsPanel.h"

#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QShortcut>
#include <QTabWidget>
#include <QVBoxLayout>

namespace settings {
namespace {

const QString HintText = QStringLiteral("Pressing this button will affect Display, Sound, and Other.");

// Where a list goes: its tab (0 Display, 1 Sound, 2 Other; 3 the monitor frame) and grid cell.
struct Place {
    Field field;
    int tab;
    int row;
    int column;
};
constexpr Place ListPlaces[] = {
    {Field::Resolution, 0, 0, 0}, {Field::VgaFreq, 0, 1, 0},    {Field::Gamma, 0, 2, 0},
    {Field::Depth, 0, 3, 0},      {Field::VesaMode, 0, 4, 0},   {Field::SkipColumns, 0, 0, 1},
    {Field::SkipLines, 0, 1, 1},  {Field::Rotate, 0, 2, 1},     {Field::Flip, 0, 3, 1},
    {Field::Beam, 0, 4, 1},       {Field::Flicker, 0, 5, 1},    {Field::Monitor, 3, 0, 0},
    {Field::CenterX, 3, 1, 0},    {Field::CenterY, 3, 2, 0},    {Field::SoundCard, 1, 0, 0},
    {Field::SampleRate, 1, 1, 0}, {Field::SampleBits, 1, 2, 0}, {Field::Volume, 1, 3, 0},
    {Field::Controller, 2, 0, 0}, {Field::FrameSkip, 2, 1, 0},  {Field::HotRod, 2, 2, 0},
};
constexpr Field DisplaySwitches[] = {Field::Ntsc,      Field::Scanlines,    Field::Stretch,  Field::TripleBuffer,
                                     Field::Tweak,     Field::AlwaysSynced, Field::NoRotate, Field::Artwork,
                                     Field::Antialias, Field::Translucency};
constexpr Field SoundSwitches[] = {Field::Samples, Field::Stereo, Field::Ym3812};
constexpr Field OtherSwitches[] = {Field::Mouse, Field::Cheat, Field::Debug};
constexpr Field SoundControls[] = {Field::Volume, Field::SampleRate, Field::SampleBits};

QLabel* hint(QWidget* page, const char* name) {
    auto* label = new QLabel(HintText, page);
    label->setObjectName(QLatin1String(name));
    label->setWordWrap(true);
    label->hide();
    return label;
}

QString labelName(const ListSetting& setting) {
    // Labels without a name of their own are named after their list ("cboSoundLabel"), since
    // "lblSound" is the sound tab's hint.
    return setting.labelName.isEmpty() ? setting.control + QStringLiteral("Label") : setting.labelName;
}

} // namespace

SettingsPanel::SettingsPanel(QWidget* parent)
    : QGroupBox(parent) {
    setObjectName(QStringLiteral("fraDefaults"));
    setAutoFillBackground(true);
    createTabs();

    cmdOK = new QPushButton(QStringLiteral("&OK"), this);
    cmdOK->setObjectName(QStringLiteral("cmdOK"));
    cmdRestore = new QPushButton(QStringLiteral("R&estore M.A.M.E. Defaults"), this);
    cmdRestore->setObjectName(QStringLiteral("cmdRestore"));
    cmdRestore->installEventFilter(this);
    cmdCancel = new QPushButton(QStringLiteral("&Cancel"), this);
    cmdCancel->setObjectName(QStringLiteral("cmdCancel"));
    for (QPushButton* button : {cmdOK, cmdRestore, cmdCancel})
        button->setAutoDefault(true); // Return on a focused button presses it

    // Escape leaves the panel as Cancel does.
    auto* escape = new QShortcut(QKeySequence(Qt::Key_Escape), this, nullptr, nullptr, Qt::WidgetWithChildrenShortcut);
    connect(escape, &QShortcut::activated, cmdCancel, &QPushButton::click);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(cmdOK);
    buttons->addWidget(cmdRestore);
    buttons->addWidget(cmdCancel);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(SSTab1, 1);
    layout->addLayout(buttons);
}

void SettingsPanel::createTabs() {
    SSTab1 = new QTabWidget(this);
    SSTab1->setObjectName(QStringLiteral("SSTab1"));
    QWidget* pages[3];
    QGridLayout* grids[4];
    const char* titles[3] = {"Display", "Sound", "Other"};
    for (int tab = 0; tab < 3; ++tab) {
        pages[tab] = new QWidget(SSTab1);
        grids[tab] = new QGridLayout;
        SSTab1->addTab(pages[tab], QLatin1String(titles[tab]));
    }

    auto* fraMonitor = new QGroupBox(QString(), pages[0]);
    fraMonitor->setObjectName(QStringLiteral("fraMonitor"));
    grids[3] = new QGridLayout(fraMonitor);
    for (const Place& place : ListPlaces)
        addList(place.tab == 3 ? fraMonitor : pages[place.tab], place.field, place.row, place.column);
    for (const Place& place : ListPlaces) {
        const size_t field = size_t(place.field);
        QGridLayout* grid = grids[place.tab];
        grid->addWidget(m_labels[field], place.row, place.column * 2);
        grid->addWidget(m_lists[field], place.row, place.column * 2 + 1);
    }
    grids[3]->addWidget(addSwitch(fraMonitor, Field::WaitInterlace), 3, 0, 1, 2);

    auto* fraVsync = new QGroupBox(QString(), pages[0]);
    fraVsync->setObjectName(QStringLiteral("fraVsync"));
    auto* vsync = new QHBoxLayout(fraVsync);
    optVsync = static_cast<QRadioButton*>(addSwitch(fraVsync, Field::Vsync));
    optWaitVsync = static_cast<QRadioButton*>(addSwitch(fraVsync, Field::WaitVsync));
    cmdClear = new QPushButton(QStringLiteral("Clear"), fraVsync);
    cmdClear->setObjectName(QStringLiteral("cmdClear"));
    cmdClear->setAutoDefault(true);
    vsync->addWidget(optVsync);
    vsync->addWidget(optWaitVsync);
    vsync->addWidget(cmdClear);

    auto* displaySwitches = new QGridLayout;
    int cell = 0;
    for (Field field : DisplaySwitches) {
        displaySwitches->addWidget(addSwitch(pages[0], field), cell / 2, cell % 2);
        ++cell;
    }
    auto* display = new QGridLayout(pages[0]);
    display->addLayout(grids[0], 0, 0, 1, 2);
    display->addWidget(fraMonitor, 1, 0);
    display->addLayout(displaySwitches, 1, 1);
    display->addWidget(fraVsync, 2, 0);
    display->addWidget(lblDisplay = hint(pages[0], "lblDisplay"), 2, 1);

    auto* sound = new QGridLayout(pages[1]);
    sound->addLayout(grids[1], 0, 0);
    auto* soundSwitches = new QVBoxLayout;
    for (Field field : SoundSwitches)
        soundSwitches->addWidget(addSwitch(pages[1], field));
    sound->addLayout(soundSwitches, 0, 1);
    sound->addWidget(lblSound = hint(pages[1], "lblSound"), 1, 0, 1, 2);
    sound->setRowStretch(2, 1);

    txtAddPar = new QLineEdit(pages[2]);
    txtAddPar->setObjectName(QStringLiteral("txtAddPar"));
    auto* parameters = new QLabel(QStringLiteral("Parameters:"), pages[2]);
    parameters->setObjectName(QStringLiteral("lblAddPar"));
    parameters->setBuddy(txtAddPar);
    grids[2]->addWidget(parameters, 3, 0);
    grids[2]->addWidget(txtAddPar, 3, 1);
    auto* other = new QGridLayout(pages[2]);
    other->addLayout(grids[2], 0, 0);
    auto* otherSwitches = new QVBoxLayout;
    for (Field field : OtherSwitches)
        otherSwitches->addWidget(addSwitch(pages[2], field));
    other->addLayout(otherSwitches, 0, 1);
    other->addWidget(lblOther = hint(pages[2], "lblOther"), 1, 0, 1, 2);
    other->setRowStretch(2, 1);

    connect(list(Field::Monitor), &QComboBox::currentIndexChanged, this, &SettingsPanel::applyMonitorRule);
    connect(list(Field::SoundCard), &QComboBox::currentIndexChanged, this, &SettingsPanel::applySoundRule);
    connect(cmdClear, &QPushButton::clicked, this, [this] {
        optVsync->setChecked(false);
        optWaitVsync->setChecked(false);
        updateClearButton();
    });
    // The two buttons exclude each other, yet both may be off.
    for (QRadioButton* button : {optVsync, optWaitVsync}) {
        button->setAutoExclusive(false);
        connect(button, &QRadioButton::toggled, this, [this, button](bool on) {
            if (on)
                (button == optVsync ? optWaitVsync : optVsync)->setChecked(false);
            updateClearButton();
        });
    }
}

QComboBox* SettingsPanel::addList(QWidget* page, Field field, int, int) {
    const ListSetting* setting = listSetting(field);
    auto* box = new QComboBox(page);
    box->setObjectName(setting->control);
    auto* label = new QLabel(setting->label, page);
    label->setObjectName(labelName(*setting));
    label->setBuddy(box);
    m_lists[size_t(field)] = box;
    m_labels[size_t(field)] = label;
    return box;
}

QAbstractButton* SettingsPanel::addSwitch(QWidget* page, Field field) {
    const SwitchSetting* setting = switchSetting(field);
    QAbstractButton* button = setting->optionButton ? static_cast<QAbstractButton*>(new QRadioButton(page))
                                                    : static_cast<QAbstractButton*>(new QCheckBox(page));
    button->setObjectName(setting->control);
    button->setText(setting->caption);
    m_switches[size_t(field)] = button;
    return button;
}

bool SettingsPanel::isOn(Field field) const {
    const QAbstractButton* button = switchButton(field);
    if (const auto* box = qobject_cast<const QCheckBox*>(button))
        return box->checkState() != Qt::Unchecked;
    return button->isChecked();
}

void SettingsPanel::FillSettingsLists() {
    for (const ListSetting& setting : listSettings()) {
        QComboBox* box = list(setting.field);
        const QSignalBlocker quiet(box);
        box->clear();
        box->addItems(setting.items);
    }
    // The lists were filled quietly: put the controls that hang on them in step.
    applyMonitorRule();
    applySoundRule();
}

void SettingsPanel::DefaultLists() {
    for (const ListSetting& setting : listSettings())
        list(setting.field)->setCurrentIndex(setting.defaultPosition);
}

void SettingsPanel::DefaultCheckBoxes() {
    for (const SwitchSetting& setting : switchSettings()) {
        if (auto* box = qobject_cast<QCheckBox*>(switchButton(setting.field)))
            box->setCheckState(setting.defaultOn ? Qt::Checked : Qt::Unchecked);
        else
            switchButton(setting.field)->setChecked(setting.defaultOn);
    }
    updateClearButton();
}

bool SettingsPanel::CheckPanelDefaults() const {
    for (const ListSetting& setting : listSettings()) {
        if (list(setting.field)->currentIndex() != setting.defaultPosition)
            return false;
    }
    for (const SwitchSetting& setting : switchSettings()) {
        // Exact: a check box in its third state is not at an off or on default.
        const QAbstractButton* button = switchButton(setting.field);
        if (const auto* box = qobject_cast<const QCheckBox*>(button)) {
            if (box->checkState() != (setting.defaultOn ? Qt::Checked : Qt::Unchecked))
                return false;
        } else if (button->isChecked() != setting.defaultOn) {
            return false;
        }
    }
    return txtAddPar->text().isEmpty();
}

void SettingsPanel::ReadSettingsPanel(SettingsRecord& record) const {
    for (const ListSetting& setting : listSettings())
        record.token(setting.field) = setting.token(list(setting.field)->currentIndex());
    record.token(Field::AddParams) = addParamsToken(txtAddPar->text());
    for (const SwitchSetting& setting : switchSettings())
        record.token(setting.field) = setting.token(isOn(setting.field));
}

void SettingsPanel::readPositions(SettingsRecord& record) const {
    for (const ListSetting& setting : listSettings())
        record.position(setting.field) = list(setting.field)->currentIndex();
}

void SettingsPanel::showPosition(const SettingsRecord& record, Field field) {
    // A hand-edited file may name a position the list does not have: show the default then.
    const ListSetting* setting = listSetting(field);
    const int position = record.position(field);
    list(field)->setCurrentIndex(position >= 0 && position < setting->items.size() ? position
                                                                                   : setting->defaultPosition);
}

void SettingsPanel::ShowSettings(const SettingsRecord& record, SettingsKind kind) {
    const bool vector = kind != SettingsKind::Raster;
    for (const ListSetting& setting : listSettings()) {
        if (!setting.vectorOnly)
            showPosition(record, setting.field);
    }
    const QString& parameters = record.token(Field::AddParams);
    txtAddPar->setText(parameters == u"none" ? QString() : parameters);
    for (const SwitchSetting& setting : switchSettings()) {
        if (!setting.vectorOnly)
            switchButton(setting.field)->setChecked(record.token(setting.field) != setting.offToken);
    }
    applyMonitorRule();
    applySoundRule();
    setVectorControlsVisible(vector);
    updateClearButton();
    if (vector) {
        showPosition(record, Field::Beam);
        showPosition(record, Field::Flicker);
        for (Field field : {Field::Antialias, Field::Translucency})
            switchButton(field)->setChecked(record.token(field) != switchSetting(field)->offToken);
    }
}

void SettingsPanel::showEmulatorDefaults() {
    DefaultLists();
    DefaultCheckBoxes();
    txtAddPar->clear();
}

void SettingsPanel::setVectorControlsVisible(bool visible) {
    for (Field field : {Field::Beam, Field::Flicker}) {
        list(field)->setVisible(visible);
        m_labels[size_t(field)]->setVisible(visible);
    }
    switchButton(Field::Antialias)->setVisible(visible);
    switchButton(Field::Translucency)->setVisible(visible);
}

QString SettingsPanel::parametersProblem() const {
    if (!txtAddPar->text().contains(u'"'))
        return QString();
    return QStringLiteral("The additional parameters cannot contain a double quote (\").  Please remove it and "
                          "try again.");
}

void SettingsPanel::applyMonitorRule() {
    const bool standard = list(Field::Monitor)->currentIndex() == 0;
    if (standard) {
        list(Field::CenterX)->setCurrentIndex(listSetting(Field::CenterX)->defaultPosition);
        list(Field::CenterY)->setCurrentIndex(listSetting(Field::CenterY)->defaultPosition);
        switchButton(Field::WaitInterlace)->setChecked(false);
    }
    for (Field field : {Field::CenterX, Field::CenterY}) {
        list(field)->setEnabled(!standard);
        m_labels[size_t(field)]->setEnabled(!standard);
    }
    switchButton(Field::WaitInterlace)->setEnabled(!standard);
}

void SettingsPanel::applySoundRule() {
    const bool none = list(Field::SoundCard)->currentIndex() == 1;
    if (none) {
        for (Field field : SoundControls)
            list(field)->setCurrentIndex(listSetting(field)->defaultPosition);
        switchButton(Field::Samples)->setChecked(true);
        switchButton(Field::Stereo)->setChecked(true);
        switchButton(Field::Ym3812)->setChecked(false);
    }
    for (Field field : SoundControls) {
        list(field)->setEnabled(!none);
        m_labels[size_t(field)]->setEnabled(!none);
    }
    for (Field field : SoundSwitches)
        switchButton(field)->setEnabled(!none);
}

void SettingsPanel::updateClearButton() {
    cmdClear->setEnabled(optVsync->isChecked() || optWaitVsync->isChecked());
}

void SettingsPanel::setHintsVisible(bool visible) {
    for (QLabel* label : {lblDisplay, lblSound, lblOther})
        label->setVisible(visible);
}

bool SettingsPanel::eventFilter(QObject* watched, QEvent* event) {
    if (watched == cmdRestore && (event->type() == QEvent::Enter || event->type() == QEvent::Leave))
        setHintsVisible(event->type() == QEvent::Enter);
    return QGroupBox::eventFilter(watched, event);
}

} // namespace settings
