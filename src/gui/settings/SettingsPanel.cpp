#include "gui/settings/SettingsPanel.h"

#include "gui/common/Dialogs.h"

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
#include <QSignalBlocker>
#include <QTabWidget>
#include <QVBoxLayout>

namespace gui {
namespace {

using settings::Field;

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
constexpr Field VectorOnly[] = {Field::Beam, Field::Flicker, Field::Antialias, Field::Translucency};

QLabel* hint(QWidget* page, const char* name) {
    auto* label = new QLabel(settings::restoreHint(), page);
    label->setObjectName(QLatin1String(name));
    label->setWordWrap(true);
    label->hide();
    return label;
}

QPushButton* button(const QString& caption, const char* name, QWidget* parent) {
    auto* result = new QPushButton(caption, parent);
    result->setObjectName(QLatin1String(name));
    result->setAutoDefault(true); // Return on a focused button presses it
    return result;
}

} // namespace

SettingsPanel::SettingsPanel(settings::SettingsSession& session, Dialogs& dialogs, QWidget* parent)
    : QGroupBox(parent)
    , m_session(session)
    , m_dialogs(dialogs) {
    setObjectName(QStringLiteral("settingsPanel"));
    setAutoFillBackground(true);
    createTabs();
    createIniTabs();

    m_okButton = button(QStringLiteral("&OK"), "okButton", this);
    m_restoreButton = button(QString(), "restoreButton", this);
    m_restoreButton->installEventFilter(this);
    m_cancelButton = button(QStringLiteral("&Cancel"), "cancelButton", this);
    connect(m_okButton, &QPushButton::clicked, this, &SettingsPanel::onOk);
    connect(m_restoreButton, &QPushButton::clicked, this, &SettingsPanel::onRestore);
    connect(m_cancelButton, &QPushButton::clicked, this, &SettingsPanel::finished);

    // Escape leaves the panel as Cancel does.
    auto* escape = new QShortcut(QKeySequence(Qt::Key_Escape), this, nullptr, nullptr, Qt::WidgetWithChildrenShortcut);
    connect(escape, &QShortcut::activated, m_cancelButton, &QPushButton::click);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(m_okButton);
    buttons->addWidget(m_restoreButton);
    buttons->addWidget(m_cancelButton);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(6, layout->contentsMargins().top(), 6, 6);
    layout->setSpacing(4);
    layout->addWidget(m_tabs, 1);
    layout->addWidget(m_iniTabs, 1);
    layout->addLayout(buttons);
    m_iniTabs->hide();
    showForm(settings::SettingsForm::defaults());
}

// Today's emulator's options on four tabs: lists with their labels in a column, then the check
// boxes in two; the parameters under the last tab's.
void SettingsPanel::createTabs() {
    m_tabs = new QTabWidget(this);
    m_tabs->setObjectName(QStringLiteral("settingsTabs"));
    QWidget* pages[3];
    QGridLayout* grids[4];
    const char* titles[3] = {"Display", "Sound", "Other"};
    for (int tab = 0; tab < 3; ++tab) {
        pages[tab] = new QWidget(m_tabs);
        grids[tab] = new QGridLayout;
        m_tabs->addTab(pages[tab], QLatin1String(titles[tab]));
    }

    auto* monitorFrame = new QGroupBox(QString(), pages[0]);
    monitorFrame->setObjectName(QStringLiteral("monitorFrame"));
    grids[3] = new QGridLayout(monitorFrame);
    for (const Place& place : ListPlaces) {
        QComboBox* list = addList(place.tab == 3 ? monitorFrame : pages[place.tab], place.field);
        grids[place.tab]->addWidget(m_labels[size_t(place.field)], place.row, place.column * 2);
        grids[place.tab]->addWidget(list, place.row, place.column * 2 + 1);
    }
    grids[3]->addWidget(addSwitch(monitorFrame, Field::WaitInterlace), 3, 0, 1, 2);

    auto* vsyncFrame = new QGroupBox(QString(), pages[0]);
    vsyncFrame->setObjectName(QStringLiteral("vsyncFrame"));
    auto* vsync = new QHBoxLayout(vsyncFrame);
    vsync->addWidget(addSwitch(vsyncFrame, Field::Vsync));
    vsync->addWidget(addSwitch(vsyncFrame, Field::WaitVsync));
    m_clearButton = button(QStringLiteral("Clear"), "clearButton", vsyncFrame);
    vsync->addWidget(m_clearButton);
    connect(m_clearButton, &QPushButton::clicked, this, [this] {
        settings::SettingsForm cleared = form();
        cleared.on(Field::Vsync) = cleared.on(Field::WaitVsync) = false;
        showForm(cleared);
    });

    auto* displaySwitches = new QGridLayout;
    int cell = 0;
    for (Field field : DisplaySwitches) {
        displaySwitches->addWidget(addSwitch(pages[0], field), cell / 2, cell % 2);
        ++cell;
    }
    // The display tab holds the most: tight spacing keeps every control at its full height in
    // the panel's fixed size.
    for (QGridLayout* grid : grids)
        grid->setVerticalSpacing(2);
    grids[3]->setContentsMargins(6, 2, 6, 2);
    vsync->setContentsMargins(6, 0, 6, 0);
    displaySwitches->setVerticalSpacing(0);
    auto* display = new QGridLayout(pages[0]);
    display->setContentsMargins(6, 4, 6, 4);
    display->setVerticalSpacing(4);
    display->addLayout(grids[0], 0, 0, 1, 2);
    display->addWidget(monitorFrame, 1, 0);
    display->addLayout(displaySwitches, 1, 1);
    display->addWidget(vsyncFrame, 2, 0);
    display->addWidget(m_hints[0] = hint(pages[0], "displayHint"), 2, 1);

    auto* sound = new QGridLayout(pages[1]);
    sound->addLayout(grids[1], 0, 0);
    auto* soundSwitches = new QVBoxLayout;
    for (Field field : SoundSwitches)
        soundSwitches->addWidget(addSwitch(pages[1], field));
    sound->addLayout(soundSwitches, 0, 1);
    sound->addWidget(m_hints[1] = hint(pages[1], "soundHint"), 1, 0, 1, 2);
    sound->setRowStretch(2, 1);

    m_parametersEdit = new QLineEdit(pages[2]);
    m_parametersEdit->setObjectName(QStringLiteral("parametersEdit"));
    auto* parameters = new QLabel(QStringLiteral("Parameters:"), pages[2]);
    parameters->setObjectName(QStringLiteral("parametersLabel"));
    parameters->setBuddy(m_parametersEdit);
    grids[2]->addWidget(parameters, 3, 0);
    grids[2]->addWidget(m_parametersEdit, 3, 1);
    auto* other = new QGridLayout(pages[2]);
    other->addLayout(grids[2], 0, 0);
    auto* otherSwitches = new QVBoxLayout;
    for (Field field : OtherSwitches)
        otherSwitches->addWidget(addSwitch(pages[2], field));
    other->addLayout(otherSwitches, 0, 1);
    other->addWidget(m_hints[2] = hint(pages[2], "otherHint"), 1, 0, 1, 2);
    other->setRowStretch(2, 1);
}

QComboBox* SettingsPanel::addList(QWidget* page, Field field) {
    const settings::ListSetting* setting = settings::listSetting(field);
    auto* list = new QComboBox(page);
    list->setObjectName(settings::fieldName(field) + QStringLiteral("List"));
    list->addItems(setting->items);
    auto* label = new QLabel(setting->label, page);
    label->setObjectName(settings::fieldName(field) + QStringLiteral("Label"));
    label->setBuddy(list);
    m_lists[size_t(field)] = list;
    m_labels[size_t(field)] = label;
    connect(list, &QComboBox::currentIndexChanged, this, [this, field] { onChanged(field); });
    return list;
}

QAbstractButton* SettingsPanel::addSwitch(QWidget* page, Field field) {
    const settings::SwitchSetting* setting = settings::switchSetting(field);
    QAbstractButton* onOff = nullptr;
    if (setting->optionButton) {
        auto* option = new QRadioButton(setting->caption, page);
        option->setObjectName(settings::fieldName(field) + QStringLiteral("Button"));
        // The two vsync buttons exclude each other, yet both may be off.
        option->setAutoExclusive(false);
        onOff = option;
    } else {
        onOff = new QCheckBox(setting->caption, page);
        onOff->setObjectName(settings::fieldName(field) + QStringLiteral("Box"));
    }
    m_switches[size_t(field)] = onOff;
    connect(onOff, &QAbstractButton::toggled, this, [this, field] { onChanged(field); });
    return onOff;
}

settings::SettingsForm SettingsPanel::form() const {
    settings::SettingsForm shown;
    for (const settings::ListSetting& list : settings::listSettings())
        shown.position(list.field) = m_lists[size_t(list.field)]->currentIndex();
    for (const settings::SwitchSetting& onOff : settings::switchSettings())
        shown.on(onOff.field) = m_switches[size_t(onOff.field)]->isChecked();
    shown.parameters = m_parametersEdit->text();
    return shown;
}

void SettingsPanel::showForm(const settings::SettingsForm& shown) {
    for (const settings::ListSetting& list : settings::listSettings()) {
        QComboBox* box = m_lists[size_t(list.field)];
        const QSignalBlocker quiet(box);
        box->setCurrentIndex(shown.position(list.field));
        box->setEnabled(settings::isEnabled(shown, list.field));
        m_labels[size_t(list.field)]->setEnabled(box->isEnabled());
    }
    for (const settings::SwitchSetting& onOff : settings::switchSettings()) {
        QAbstractButton* button = m_switches[size_t(onOff.field)];
        const QSignalBlocker quiet(button);
        button->setChecked(shown.on(onOff.field));
        button->setEnabled(settings::isEnabled(shown, onOff.field));
    }
    if (m_parametersEdit->text() != shown.parameters)
        m_parametersEdit->setText(shown.parameters);
    m_clearButton->setEnabled(settings::clearEnabled(shown));
}

// The user changed a control: the rule that hangs on it runs, and the panel shows the result.
void SettingsPanel::onChanged(Field field) {
    settings::SettingsForm changed = form();
    if (field == Field::Monitor)
        changed.applyMonitorRule();
    else if (field == Field::SoundCard)
        changed.applySoundRule();
    else if ((field == Field::Vsync || field == Field::WaitVsync) && changed.on(field))
        changed.chooseVsync(field);
    showForm(changed);
}

bool SettingsPanel::showContent(const settings::PanelContent& content) {
    using Outcome = settings::ReadResult::Outcome;
    if (content.read.outcome == Outcome::EndedEarly)
        m_dialogs.message(settings::optionsChangedMessage(), Dialogs::Icon::Exclamation);
    if (content.read.outcome == Outcome::Unreadable) {
        m_dialogs.message(QStringLiteral("Error: ") + content.read.description, Dialogs::Icon::Critical);
        m_dialogs.endProgram();
        return false;
    }
    if (!content.problem.isEmpty()) {
        // Nothing to edit: the panel leaves again.
        m_dialogs.message(content.problem, Dialogs::Icon::Critical);
        emit finished();
        return true;
    }
    m_content = content;
    // Today's emulator has options of its own: the classic ones are never shown for it.
    m_tabs->setVisible(!content.ini);
    m_iniTabs->setVisible(content.ini);
    if (content.ini)
        showIniForm(content.iniForm);
    showForm(content.form);
    for (Field field : VectorOnly) {
        if (QComboBox* list = m_lists[size_t(field)]) {
            list->setVisible(content.vectorControls);
            m_labels[size_t(field)]->setVisible(content.vectorControls);
        } else {
            m_switches[size_t(field)]->setVisible(content.vectorControls);
        }
    }
    m_restoreButton->setText(content.restoreCaption);
    setTitle(settings::editingCaption(content.editing));
    m_okButton->setFocus();
    return true;
}

bool SettingsPanel::openDefaults(settings::SettingsKind kind) {
    m_tabs->setCurrentIndex(0);
    m_iniTabs->setCurrentIndex(0);
    return showContent(m_session.openDefaults(kind, form()));
}

bool SettingsPanel::openCustom(const QString& romName, const QString& videoType) {
    m_tabs->setCurrentIndex(0);
    m_iniTabs->setCurrentIndex(0);
    return showContent(m_session.openCustom(romName, videoType, form()));
}

void SettingsPanel::onRestore() {
    m_content.form = form();
    m_content.iniForm = iniForm();
    showContent(m_session.restore(m_content));
}

void SettingsPanel::onOk() {
    const settings::SaveResult saved =
        m_content.ini ? m_session.saveIni(m_content.editing, iniForm()) : m_session.save(m_content.editing, form());
    if (saved.outcome != settings::SaveResult::Outcome::Saved) {
        m_dialogs.message(saved.message, Dialogs::Icon::Critical);
        return;
    }
    emit finished();
}

void SettingsPanel::setHintsVisible(bool visible) {
    for (QLabel* label : m_hints)
        label->setVisible(visible);
}

bool SettingsPanel::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_restoreButton && (event->type() == QEvent::Enter || event->type() == QEvent::Leave))
        setHintsVisible(event->type() == QEvent::Enter);
    return QGroupBox::eventFilter(watched, event);
}

} // namespace gui
