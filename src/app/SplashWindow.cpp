#include "app/SplashWindow.h"

#include "MarqueonVersion.h"
#include "catalogue/WaitWindow.h"
#include "ui/Artwork.h"
#include "ui/Twips.h"

#include <QCoreApplication>
#include <QLabel>

namespace app {
namespace {

QLabel* label(QWidget* parent, const char* name, const QString& text, QRect geometry) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(QLatin1String(name));
    label->setGeometry(geometry);
    return label;
}

} // namespace

QString versionCaption() {
    return QStringLiteral(" Version %1.%2.%3")
        .arg(MARQUEON_VERSION_MAJOR)
        .arg(MARQUEON_VERSION_MINOR)
        .arg(MARQUEON_VERSION_PATCH);
}

SplashWindow::SplashWindow(QWidget* parent)
    : QWidget(parent, Qt::SplashScreen | Qt::FramelessWindowHint) {
    using ui::twipsRect;
    setObjectName(QStringLiteral("frmSplash"));
    setWindowTitle(QStringLiteral("Marqueon"));
    setFixedSize(ui::twipsSize(6000, 4200));
    setStyleSheet(QStringLiteral("#frmSplash { background: #101018; } QLabel { color: #e8e8f0; }"));

    Picture1 = label(this, "Picture1", QString(), twipsRect(0, 0, 6000, 2400));
    Picture1->setPixmap(ui::marqueePicture(Picture1->size()));
    lblVersion = label(this, "lblVersion", versionCaption(), twipsRect(240, 2520, 5520, 300));
    lblVersion->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    lblWait = label(this, "lblWait", QStringLiteral("Please wait while Marqueon initializes."),
                    twipsRect(240, 2880, 5520, 300));
    lblMessage = label(this, "lblMessage", QString(), twipsRect(240, 3240, 5520, 300));
    lblCountLabel = label(this, "lblCountLabel", QStringLiteral("Game Count:"), twipsRect(240, 3600, 1200, 300));
    lblCount = label(this, "lblCount", QString(), twipsRect(1440, 3600, 1500, 300));
    lblMe =
        label(this, "lblMe", QStringLiteral("A front end for the arcade emulator"), twipsRect(3000, 3600, 2760, 300));
    lblMe->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
}

void SplashWindow::setMessage(const QString& text) {
    lblMessage->setText(text);
    lblMessage->repaint();
    // Lets the splash paint while the start-up work goes on.
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

void SplashWindow::setCount(int count) {
    lblCount->setText(QString::number(count));
    lblCount->repaint();
}

} // namespace app
