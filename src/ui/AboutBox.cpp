#include "ui/AboutBox.h"

#include "MarqueonVersion.h"
#include "app/AppState.h"
#include "exec/CommandRunner.h"
#include "exec/MameCommands.h"
#include "setup/Version.h"
#include "ui/Artwork.h"
#include "ui/BusyPointer.h"
#include "ui/Twips.h"

#include <QEvent>
#include <QFile>
#include <QLabel>
#include <QPushButton>

namespace ui {
namespace {

QLabel* label(QWidget* parent, const char* name, const QString& text, QRect geometry) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(QLatin1String(name));
    label->setGeometry(geometry);
    label->setWordWrap(true);
    return label;
}

} // namespace

AboutBox::AboutBox(const app::AppState& state, exec::CommandRunner& runner, QWidget* parent)
    : QDialog(parent)
    , m_state(state)
    , m_runner(runner) {
    setObjectName(QStringLiteral("frmMyAbout"));
    setWindowTitle(QStringLiteral("About Marqueon"));
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    setFixedSize(twipsSize(6240, 4200));

    Image1 = label(this, "Image1", QString(), twipsRect(240, 240, 1440, 1440));
    Image1->setPixmap(marqueePicture(Image1->size()));
    Image2 = label(this, "Image2", QString(), Image1->geometry());
    Image2->setPixmap(starFieldPicture(Image2->size()));
    Image2->hide();

    lblTitle = label(this, "lblTitle", QStringLiteral("Marqueon"), twipsRect(1920, 240, 4080, 420));
    QFont title = lblTitle->font();
    title.setPointSizeF(title.pointSizeF() * 1.6);
    title.setBold(true);
    lblTitle->setFont(title);
    lblVersion = label(this, "lblVersion",
                       QStringLiteral("Version %1.%2.%3")
                           .arg(MARQUEON_VERSION_MAJOR)
                           .arg(MARQUEON_VERSION_MINOR)
                           .arg(MARQUEON_VERSION_PATCH),
                       twipsRect(1920, 720, 4080, 300));
    lblMAMEVersion = label(this, "lblMAMEVersion", QString(), twipsRect(1920, 1080, 4080, 300));
    lblAuthor = label(this, "lblAuthor", QStringLiteral("A front end for the arcade emulator M.A.M.E."),
                      twipsRect(1920, 1440, 4080, 300));
    lblAuthor->installEventFilter(this);
    lblRights = label(this, "lblRights",
                      QStringLiteral("Marqueon starts the emulator; the emulator and the games are the works of "
                                     "their own makers."),
                      twipsRect(240, 1920, 5760, 600));
    lblCopyright =
        label(this, "lblCopyright", QStringLiteral("Free to use, share and change."), twipsRect(240, 2580, 5760, 300));

    cmdVersion = new QPushButton(QStringLiteral("M.A.M.E."), this);
    cmdVersion->setObjectName(QStringLiteral("cmdVersion"));
    cmdVersion->setToolTip(QStringLiteral("Show current version of M.A.M.E."));
    cmdVersion->setGeometry(twipsRect(240, 3360, 1560, 420));
    cmdVersion->setAutoDefault(true);
    cmdOK = new QPushButton(QStringLiteral("OK"), this);
    cmdOK->setObjectName(QStringLiteral("cmdOK"));
    cmdOK->setToolTip(QStringLiteral("Return to Marqueon"));
    cmdOK->setGeometry(twipsRect(4440, 3360, 1560, 420));
    cmdOK->setDefault(true);

    connect(cmdOK, &QPushButton::clicked, this, &QDialog::accept);
    connect(cmdVersion, &QPushButton::clicked, this, &AboutBox::cmdVersion_Click);
}

bool AboutBox::eventFilter(QObject* watched, QEvent* event) {
    if (watched == lblAuthor && event->type() == QEvent::MouseButtonRelease) {
        Image1->hide();
        Image2->show();
        Image2->raise();
    }
    return QDialog::eventFilter(watched, event);
}

// Asks the emulator once per opening: the version is shown, not stored.
void AboutBox::cmdVersion_Click() {
    {
        BusyPointer busy;
        cmdOK->setEnabled(false);
        const exec::Command help = exec::MameCommands(m_state).help();
        if (m_runner.ExecCmd(help) == exec::RunResult::Fatal)
            return;
        lblMAMEVersion->setText(setup::versionFromHelp(help.outputFile));
        QFile::remove(help.outputFile);
        cmdVersion->setEnabled(false);
    }
    cmdOK->setEnabled(true);
    cmdOK->setFocus();
}

} // namespace ui
