// The settings panel's tabs for today's emulator, which edit its own ini files.
#include "gui/settings/SettingsPanel.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QTabWidget>
#include <QVBoxLayout>

namespace gui {

void SettingsPanel::createIniTabs() {
    using settings::IniTab;
    m_iniTabs = new QTabWidget(this);
    m_iniTabs->setObjectName(QStringLiteral("iniTabs"));
    std::array<QGridLayout*, 4> lists{};
    std::array<QGridLayout*, 4> switches{};
    std::array<QWidget*, 4> pages{};
    for (IniTab tab : {IniTab::Display, IniTab::Sound, IniTab::Controls, IniTab::Other}) {
        QWidget* page = pages[size_t(tab)] = new QWidget(m_iniTabs);
        auto* layout = new QVBoxLayout(page);
        layout->addLayout(lists[size_t(tab)] = new QGridLayout);
        layout->addLayout(switches[size_t(tab)] = new QGridLayout);
        m_iniTabs->addTab(page, settings::iniTabTitle(tab));
    }
    for (const settings::IniOption& option : settings::iniOptions()) {
        QWidget* page = pages[size_t(option.tab)];
        if (option.isSwitch()) {
            auto* box = new QCheckBox(option.label, page);
            box->setObjectName(option.key + QStringLiteral("IniBox"));
            QGridLayout* grid = switches[size_t(option.tab)];
            grid->addWidget(box, grid->count() / 2, grid->count() % 2);
            m_iniSwitches.insert(option.key, box);
            continue;
        }
        auto* list = new QComboBox(page);
        list->setObjectName(option.key + QStringLiteral("IniList"));
        for (qsizetype i = 0; i < option.values.size(); ++i)
            list->addItem(option.captions.value(i), option.values[i]);
        auto* label = new QLabel(option.label, page);
        label->setBuddy(list);
        QGridLayout* grid = lists[size_t(option.tab)];
        const int row = grid->rowCount();
        grid->addWidget(label, row, 0);
        grid->addWidget(list, row, 1);
        m_iniLists.insert(option.key, list);
    }
    m_iniParametersEdit = new QLineEdit(pages[size_t(IniTab::Other)]);
    m_iniParametersEdit->setObjectName(QStringLiteral("iniParametersEdit"));
    m_iniParametersEdit->setToolTip(
        QStringLiteral("More of M.A.M.E.'s options, as on its command line: -effect scanlines -prescale 2"));
    auto* parameters = new QLabel(QStringLiteral("&Parameters:"), pages[size_t(IniTab::Other)]);
    parameters->setBuddy(m_iniParametersEdit);
    QGridLayout* other = lists[size_t(IniTab::Other)];
    const int row = other->rowCount();
    other->addWidget(parameters, row, 0);
    other->addWidget(m_iniParametersEdit, row, 1);
    for (QWidget* page : pages)
        static_cast<QVBoxLayout*>(page->layout())->addStretch(1);
}

bool SettingsPanel::showsIniOptions() const {
    return !m_iniTabs->isHidden();
}

void SettingsPanel::showIniForm(const settings::IniForm& form) {
    for (auto it = m_iniLists.cbegin(); it != m_iniLists.cend(); ++it) {
        QComboBox* list = it.value();
        const QString value = form.values.value(it.key());
        int index = list->findData(value);
        // A value the list does not offer (set by hand in the file) is shown as it is.
        if (index < 0 && !value.isEmpty()) {
            list->addItem(value, value);
            index = list->count() - 1;
        }
        list->setCurrentIndex(index);
    }
    for (auto it = m_iniSwitches.cbegin(); it != m_iniSwitches.cend(); ++it)
        it.value()->setChecked(form.values.value(it.key()) == u"1");
    m_iniParametersEdit->setText(form.parameters);
}

settings::IniForm SettingsPanel::iniForm() const {
    settings::IniForm shown;
    for (auto it = m_iniLists.cbegin(); it != m_iniLists.cend(); ++it)
        shown.values.insert(it.key(), it.value()->currentData().toString());
    for (auto it = m_iniSwitches.cbegin(); it != m_iniSwitches.cend(); ++it)
        shown.values.insert(it.key(), it.value()->isChecked() ? QStringLiteral("1") : QStringLiteral("0"));
    shown.parameters = m_iniParametersEdit->text();
    return shown;
}

} // namespace gui
