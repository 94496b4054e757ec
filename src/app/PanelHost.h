#pragma once

#include <QObject>

#include <array>

class QWidget;

namespace gui {
class GameStatusView;
}

namespace app {

// What covers the game list.
enum class Panel { None, Settings, Text, Maintenance };

// The one way a panel covers the game list and leaves it again: the list frame and its game
// commands are disabled behind an open panel, so no accelerator is ever ambiguous; some
// panels also cover the selected game's details. Also knows whether a command is running.
class PanelHost : public QObject {
    Q_OBJECT
public:
    PanelHost(QWidget* list, gui::GameStatusView* status, QObject* parent = nullptr);

    // A panel lies behind the list, disabled, until it is opened.
    void addPanel(Panel panel, QWidget* widget);

    void open(Panel panel, bool coverDetails);
    void close();
    Panel shown() const { return m_shown; }
    bool isOpen() const { return m_shown != Panel::None; }

    // A command runs: nothing else may start meanwhile.
    void setBusy(bool busy);
    bool isBusy() const { return m_busy; }

signals:
    // A panel is about to cover the list, or has just left it.
    void aboutToOpen();
    void closed();
    // What is open or running changed.
    void changed();

private:
    QWidget* widget(Panel panel) const { return m_panels[size_t(panel)]; }

    QWidget* m_list;
    gui::GameStatusView* m_status;
    std::array<QWidget*, 4> m_panels{};
    Panel m_shown = Panel::None;
    bool m_busy = false;
};

// Marks the host busy for the length of a scope.
class BusyScope {
public:
    explicit BusyScope(PanelHost& host)
        : m_host(host) {
        m_host.setBusy(true);
    }
    ~BusyScope() { m_host.setBusy(false); }
    BusyScope(const BusyScope&) = delete;
    BusyScope& operator=(const BusyScope&) = delete;

private:
    PanelHost& m_host;
};

} // namespace app
