#pragma once

#include <QDialog>

class QLabel;
class QPushButton;

namespace app {
struct AppState;
}
namespace exec {
class CommandRunner;
}

namespace ui {

// frmMyAbout: the program's version and notices, and the installed emulator's version on request.
class AboutBox : public QDialog {
    Q_OBJECT
public:
    AboutBox(const app::AppState& state, exec::CommandRunner& runner, QWidget* parent = nullptr);

    QLabel* Image1;
    QLabel* Image2;
    QLabel* lblTitle;
    QLabel* lblVersion;
    QLabel* lblMAMEVersion;
    QLabel* lblRights;
    QLabel* lblCopyright;
    QLabel* lblAuthor;
    QPushButton* cmdVersion;
    QPushButton* cmdOK;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void cmdVersion_Click();

    const app::AppState& m_state;
    exec::CommandRunner& m_runner;
};

} // namespace ui
