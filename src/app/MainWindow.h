#pragma once

#include "app/AppState.h"

#include <QMainWindow>
#include <QPointer>

namespace app {

class Dialogs;
class SplashWindow;

// frmMain: owns the start-up sequence and, later, the game lists and panels.
class MainWindow : public QMainWindow {
    Q_OBJECT
public:
    MainWindow(AppState& state, Dialogs& dialogs, QWidget* parent = nullptr);
    ~MainWindow() override;

    // The load sequence. False when the program is to end instead of showing the window.
    bool load();

    // Brings the window back in front, restoring it when minimised (a second start asks this).
    void bringToFront();

protected:
    bool event(QEvent* event) override;

private:
    void showSplash();
    void firstActivation();

    AppState& m_state;
    Dialogs& m_dialogs;
    QPointer<SplashWindow> m_splash;
};

} // namespace app
