#include "app/PanelHost.h"

#include "gui/catalogue/GameStatusView.h"

#include <QWidget>

namespace app {

PanelHost::PanelHost(QWidget* list, gui::GameStatusView* status, QObject* parent)
    : QObject(parent)
    , m_list(list)
    , m_status(status) {}

void PanelHost::addPanel(Panel panel, QWidget* widget) {
    m_panels[size_t(panel)] = widget;
    widget->setEnabled(false);
    widget->lower();
}

void PanelHost::open(Panel panel, bool coverDetails) {
    if (m_shown == Panel::None)
        emit aboutToOpen();
    else if (m_shown != panel)
        widget(m_shown)->lower();
    m_shown = panel;
    m_list->setEnabled(false);
    widget(panel)->setEnabled(true);
    widget(panel)->raise();
    if (coverDetails)
        m_status->setCovered(true);
    emit changed();
}

void PanelHost::close() {
    if (m_shown == Panel::None)
        return;
    widget(m_shown)->lower();
    widget(m_shown)->setEnabled(false);
    m_shown = Panel::None;
    m_list->setEnabled(true);
    m_status->setCovered(false);
    emit closed();
    emit changed();
}

void PanelHost::setBusy(bool busy) {
    if (m_busy == busy)
        return;
    m_busy = busy;
    emit changed();
}

} // namespace app
