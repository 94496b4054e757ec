#include "app/MainWindow.h"

#include "app/Dialogs.h"
#include "app/SplashWindow.h"
#include "ui/Twips.h"

#include <QDir>
#include <QEvent>

namespace app {

MainWindow::MainWindow(AppState& state, Dialogs& dialogs, QWidget* parent)
    : QMainWindow(parent)
    , m_state(state)
    , m_dialogs(dialogs) {
    setObjectName(QStringLiteral("frmMain"));
    setWindowTitle(QStringLiteral("Marqueon"));
    setFixedSize(ui::twipsSize(10060, 7020));
}

MainWindow::~MainWindow() {
    delete m_splash;
}

bool MainWindow::load() {
    m_state.StartingUp = true;
    m_state.setAppPath(applicationDirectory());
    QDir().mkpath(m_state.AppPath + QStringLiteral("settings"));
    QDir().mkpath(m_state.AppPath + QStringLiteral("reports"));
    showSplash();
    return true;
}

void MainWindow::bringToFront() {
    if (isMinimized())
        showNormal();
    show();
    raise();
    activateWindow();
}

bool MainWindow::event(QEvent* event) {
    if (event->type() == QEvent::WindowActivate && m_state.StartingUp)
        firstActivation();
    return QMainWindow::event(event);
}

void MainWindow::showSplash() {
    if (!m_splash)
        m_splash = new SplashWindow;
    m_splash->show();
    m_splash->repaint();
}

void MainWindow::firstActivation() {
    m_state.StartingUp = false;
    // Activation is still being delivered to the splash: release it once that is done.
    if (m_splash) {
        m_splash->close();
        m_splash->deleteLater();
    }
}

} // namespace app
