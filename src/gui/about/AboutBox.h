#pragma once

#include <QDialog>

class QLabel;
class QPushButton;

namespace exec {
class Emulator;
}

namespace gui {

class EmulatorRunner;

// The program's version and notices, and the installed emulator's version on request.
class AboutBox : public QDialog {
    Q_OBJECT
public:
    AboutBox(const exec::Emulator& emulator, EmulatorRunner& runner, QWidget* parent = nullptr);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void showEmulatorVersion();

    const exec::Emulator& m_emulator;
    EmulatorRunner& m_runner;
    QWidget* m_marquee;
    QLabel* m_starField;
    QLabel* m_creditLabel;
    QLabel* m_emulatorVersionLabel;
    QPushButton* m_versionButton;
    QPushButton* m_okButton;
};

} // namespace gui
