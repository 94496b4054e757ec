#include "gui/common/SplashWindow.h"

#include "MarqueonVersion.h"
#include "gui/common/Artwork.h"
#include "gui/common/Twips.h"
#include "gui/common/WaitWindow.h"

#include <QCoreApplication>
#include <QGridLayout>
#include <QLabel>

namespace gui {

QString versionCaption() {
    return QStringLiteral(" Version %1.%2.%3")
        .arg(MARQUEON_VERSION_MAJOR)
        .arg(MARQUEON_VERSION_MINOR)
        .arg(MARQUEON_VERSION_PATCH);
}

SplashWindow::SplashWindow(QWidget* parent)
    : ProgressWindow(parent, Qt::SplashScreen | Qt::FramelessWindowHint) {
    setObjectName(QStringLiteral("splashWindow"));
    setWindowTitle(QStringLiteral("Marqueon"));
    setStyleSheet(QStringLiteral("#splashWindow { background: #101018; } QLabel { color: #e8e8f0; }"));

    const auto label = [this](const char* name, const QString& text) {
        auto* label = new QLabel(text, this);
        label->setObjectName(QLatin1String(name));
        label->setTextFormat(Qt::PlainText);
        return label;
    };
    auto* picture = new MarqueeView(this);
    picture->setObjectName(QStringLiteral("pictureView"));
    picture->setMinimumSize(twipsSize(6000, 2400));
    picture->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    QLabel* version = label("versionLabel", versionCaption());
    version->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    QLabel* wait = label("waitLabel", QStringLiteral("Please wait while Marqueon initializes."));
    m_stepLabel = label("stepLabel", QString());
    QLabel* countCaption = label("countCaption", QStringLiteral("Game Count:"));
    m_countLabel = label("countLabel", QString());
    QLabel* credit = label("creditLabel", QStringLiteral("A front end for the arcade emulator"));
    credit->setAlignment(Qt::AlignRight | Qt::AlignVCenter);

    // Laid out rather than placed, so that every text keeps its whole width in any font.
    auto* layout = new QGridLayout(this);
    layout->setContentsMargins(0, 0, 0, twips(120));
    layout->setVerticalSpacing(twips(30));
    layout->addWidget(picture, 0, 0, 1, 3);
    const QMargins text(twips(240), 0, twips(240), 0);
    for (QLabel* line : {version, wait, m_stepLabel})
        line->setContentsMargins(text);
    layout->addWidget(version, 1, 0, 1, 3);
    layout->addWidget(wait, 2, 0, 1, 3);
    layout->addWidget(m_stepLabel, 3, 0, 1, 3);
    countCaption->setContentsMargins(twips(240), 0, 0, 0);
    layout->addWidget(countCaption, 4, 0);
    layout->addWidget(m_countLabel, 4, 1);
    credit->setContentsMargins(0, 0, twips(240), 0);
    layout->addWidget(credit, 4, 2);
    indicator()->setContentsMargins(twips(240), 0, twips(240), 0);
    indicator()->setStyleSheet(QStringLiteral("QPushButton { color: black; }"));
    layout->addWidget(indicator(), 6, 0, 1, 3);
    layout->setColumnStretch(1, 1);
    layout->setRowStretch(5, 1);
    // At least the design size; a larger font makes it as large as the texts need.
    layout->setSizeConstraint(QLayout::SetMinimumSize);
    resize(twipsSize(6000, 4200).expandedTo(sizeHint()));
}

void SplashWindow::setMessage(const QString& text) {
    m_stepLabel->setText(text);
    m_stepLabel->repaint();
    // Lets the splash paint while the start-up work goes on.
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

void SplashWindow::setCount(int count) {
    indicator()->showCount(count);
    showCount(m_countLabel, count, m_sincePaint);
}

} // namespace gui
