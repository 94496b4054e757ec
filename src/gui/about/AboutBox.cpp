#include "gui/about/AboutBox.h"

#include "MarqueonVersion.h"
#include "core/exec/Emulator.h"
#include "core/exec/Version.h"
#include "gui/common/Artwork.h"
#include "gui/common/BusyPointer.h"
#include "gui/common/EmulatorRunner.h"
#include "gui/common/Twips.h"

#include <QEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QVBoxLayout>
#include <QFile>
#include <QLabel>
#include <QPushButton>

namespace gui {
namespace {

QLabel* label(QWidget* parent, const char* name, const QString& text) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(QLatin1String(name));
    label->setTextFormat(Qt::PlainText); // the emulator's banner is shown here
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

    m_marquee = new MarqueeView(this);
    m_marquee->setMinimumSize(twipsSize(1440, 1440));
    m_starField = new QLabel(this);
    m_starField->setObjectName(QStringLiteral("starField"));
    m_starField->setFixedSize(twipsSize(1440, 1440));
    m_starField->setPixmap(starFieldPicture(m_starField->size()));
    m_starField->hide();

    QLabel* title = label(this, "titleLabel", QStringLiteral("Marqueon"));
    QFont font = title->font();
    font.setPointSizeF(font.pointSizeF() * 1.6);
    font.setBold(true);
    title->setFont(font);
    QLabel* version = label(this, "versionLabel",
                            QStringLiteral("Version %1.%2.%3")
                                .arg(MARQUEON_VERSION_MAJOR)
                                .arg(MARQUEON_VERSION_MINOR)
                                .arg(MARQUEON_VERSION_PATCH));
    m_emulatorVersionLabel = label(this, "emulatorVersionLabel", QString());
    m_creditLabel = label(this, "creditLabel", QStringLiteral("A front end for the arcade emulator M.A.M.E."));
    m_creditLabel->installEventFilter(this);
    QLabel* rights = label(
        this, "rightsLabel",
        QStringLiteral("Marqueon starts the emulator; the emulator and the games are the works of their own makers."));
    QLabel* copyright = label(this, "copyrightLabel", QStringLiteral("Free to use, share and change."));

    m_versionButton = new QPushButton(QStringLiteral("M.A.M.E."), this);
    m_versionButton->setObjectName(QStringLiteral("versionButton"));
    m_versionButton->setToolTip(QStringLiteral("Show current version of M.A.M.E."));
    m_versionButton->setMinimumSize(m_versionButton->sizeHint().expandedTo(twipsSize(1560, 420)));
    m_versionButton->setAutoDefault(true);
    m_okButton = new QPushButton(QStringLiteral("OK"), this);
    m_okButton->setObjectName(QStringLiteral("okButton"));
    m_okButton->setToolTip(QStringLiteral("Return to Marqueon"));
    m_okButton->setMinimumSize(m_okButton->sizeHint().expandedTo(twipsSize(1560, 420)));
    m_okButton->setDefault(true);

    // Laid out, so that every text keeps its whole width in any font and screen scale.
    auto* picture = new QGridLayout;
    picture->addWidget(m_marquee, 0, 0);
    picture->addWidget(m_starField, 0, 0);
    auto* titles = new QVBoxLayout;
    for (QLabel* line : {title, version, m_emulatorVersionLabel, m_creditLabel})
        titles->addWidget(line);
    titles->addStretch(1);
    auto* top = new QHBoxLayout;
    top->setSpacing(twips(240));
    top->addLayout(picture);
    top->addLayout(titles, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(m_versionButton);
    buttons->addStretch(1);
    buttons->addWidget(m_okButton);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(twips(240), twips(240), twips(240), twips(240));
    layout->addLayout(top);
    layout->addWidget(rights);
    layout->addWidget(copyright);
    layout->addStretch(1);
    layout->addLayout(buttons);
    // At least the design size, and as large as the texts need.
    layout->addSpacerItem(new QSpacerItem(twips(5760), 0, QSizePolicy::Fixed, QSizePolicy::Minimum));
    layout->setSizeConstraint(QLayout::SetMinimumSize);
    resize(twipsSize(6240, 4200).expandedTo(sizeHint()));

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
