#include "gui/about/AboutBox.h"

#include "MarqueonVersion.h"
#include "core/exec/Emulator.h"
#include "core/exec/Version.h"
#include "gui/common/Artwork.h"
#include "gui/common/BusyPointer.h"
#include "gui/common/EmulatorRunner.h"
#include "gui/common/Twips.h"

#include <QEvent>
#include <QFile>
#include <QLabel>
#include <QPushButton>

namespace gui {
namespace {

QLabel* label(QWidget* parent, const char* name, const QString& text, QRect geometry) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(QLatin1String(name));
    label->setTextFormat(Qt::PlainText); // the emulator's banner is shown here
    label->setGeometry(geometry);
    label->setWordWrap(true);
    return label;
}

} // namespace

AboutBox::AboutBox(const exec::Emulator& emulator, EmulatorRunner& runner, QWidget* parent)
    : QDialog(parent)
    , m_emulator(emulator)
    , m_runner(runner) {
    setObjectName(QStringLiteral("aboutBox"));
    setWindowTitle(QStringLiteral("About Marqueon"));
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    setFixedSize(twipsSize(6240, 4200));

    m_marquee = label(this, "marquee", QString(), twipsRect(240, 240, 1440, 1440));
    m_marquee->setPixmap(marqueePicture(m_marquee->size()));
    m_starField = label(this, "starField", QString(), m_marquee->geometry());
    m_starField->setPixmap(starFieldPicture(m_starField->size()));
    m_starField->hide();

    QLabel* title = label(this, "titleLabel", QStringLiteral("Marqueon"), twipsRect(1920, 240, 4080, 420));
    QFont font = title->font();
    font.setPointSizeF(font.pointSizeF() * 1.6);
    font.setBold(true);
    title->setFont(font);
    label(this, "versionLabel",
          QStringLiteral("Version %1.%2.%3")
              .arg(MARQUEON_VERSION_MAJOR)
              .arg(MARQUEON_VERSION_MINOR)
              .arg(MARQUEON_VERSION_PATCH),
          twipsRect(1920, 720, 4080, 300));
    m_emulatorVersionLabel = label(this, "emulatorVersionLabel", QString(), twipsRect(1920, 1080, 4080, 300));
    m_creditLabel = label(this, "creditLabel", QStringLiteral("A front end for the arcade emulator M.A.M.E."),
                          twipsRect(1920, 1440, 4080, 300));
    m_creditLabel->installEventFilter(this);
    label(this, "rightsLabel",
          QStringLiteral("Marqueon starts the emulator; the emulator and the games are the works of their own makers."),
          twipsRect(240, 1920, 5760, 600));
    label(this, "copyrightLabel", QStringLiteral("Free to use, share and change."), twipsRect(240, 2580, 5760, 300));

    m_versionButton = new QPushButton(QStringLiteral("M.A.M.E."), this);
    m_versionButton->setObjectName(QStringLiteral("versionButton"));
    m_versionButton->setToolTip(QStringLiteral("Show current version of M.A.M.E."));
    m_versionButton->setGeometry(twipsRect(240, 3360, 1560, 420));
    m_versionButton->setAutoDefault(true);
    m_okButton = new QPushButton(QStringLiteral("OK"), this);
    m_okButton->setObjectName(QStringLiteral("okButton"));
    m_okButton->setToolTip(QStringLiteral("Return to Marqueon"));
    m_okButton->setGeometry(twipsRect(4440, 3360, 1560, 420));
    m_okButton->setDefault(true);

    connect(m_okButton, &QPushButton::clicked, this, &QDialog::accept);
    connect(m_versionButton, &QPushButton::clicked, this, &AboutBox::showEmulatorVersion);
}

bool AboutBox::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_creditLabel && event->type() == QEvent::MouseButtonRelease) {
        m_marquee->hide();
        m_starField->show();
        m_starField->raise();
    }
    return QDialog::eventFilter(watched, event);
}

// Asks the emulator once per opening: the version is shown, not stored.
void AboutBox::showEmulatorVersion() {
    {
        BusyPointer busy;
        m_okButton->setEnabled(false);
        const exec::Command help = m_emulator.help();
        if (!m_runner.run(help))
            return;
        m_emulatorVersionLabel->setText(exec::versionFromHelp(help.outputFile));
        QFile::remove(help.outputFile);
        m_versionButton->setEnabled(false);
    }
    m_okButton->setEnabled(true);
    m_okButton->setFocus();
}

} // namespace gui
