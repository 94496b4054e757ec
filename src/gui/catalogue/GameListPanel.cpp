#include "gui/catalogue/GameListPanel.h"

#include "gui/catalogue/GameListView.h"
#include "gui/common/Twips.h"

#include <QFileInfo>
#include <QImage>
#include <QLabel>

namespace gui {
namespace {
constexpr int ListLeft = 120;
constexpr int ListTop = 280;
constexpr int ListHeight = 5120;
constexpr int WideList = 7785;
constexpr int NarrowList = 2865;
} // namespace

GameListPanel::GameListPanel(QWidget* parent)
    : QGroupBox(parent) {
    setObjectName(QStringLiteral("listPanel"));
    // Opaque, as it covers the panels that lie behind it.
    setAutoFillBackground(true);
    m_screenShot = new QLabel(this);
    m_screenShot->setObjectName(QStringLiteral("screenShot"));
    m_screenShot->setGeometry(twipsRect(3200, 280, 4760, 4760));
    m_screenShot->setAlignment(Qt::AlignCenter);

    m_noScreenShotLabel = new QLabel(QStringLiteral("THERE IS NO SCREEN SHOT FOR THIS GAME"), this);
    m_noScreenShotLabel->setObjectName(QStringLiteral("noScreenShotLabel"));
    m_noScreenShotLabel->setGeometry(m_screenShot->geometry());
    m_noScreenShotLabel->setAlignment(Qt::AlignCenter);
    m_noScreenShotLabel->setWordWrap(true);
    m_noScreenShotLabel->hide();

    m_lists = {new GameListView(QStringLiteral("allList"), this),
               new GameListView(QStringLiteral("installedList"), this),
               new GameListView(QStringLiteral("uninstalledList"), this)};
    setScreenShotRoom(false);
}

void GameListPanel::showList(config::GameView view) {
    setTitle(config::gameViewCaption(view));
    list(view)->show();
    list(view)->raise();
}

void GameListPanel::setScreenShotRoom(bool room) {
    for (GameListView* list : m_lists)
        list->setGeometry(twipsRect(ListLeft, ListTop, room ? NarrowList : WideList, ListHeight));
}

void GameListPanel::showPicture(const QString& path) {
    if (!QFileInfo::exists(path)) {
        m_screenShot->setPixmap(QPixmap());
        m_noScreenShotLabel->show();
        return;
    }
    m_noScreenShotLabel->hide();
    // A file that is no readable picture shows as an empty picture, without a message.
    const QImage picture(path);
    m_screenShot->setPixmap(
        picture.isNull()
            ? QPixmap()
            : QPixmap::fromImage(picture.scaled(m_screenShot->size(), Qt::KeepAspectRatio, Qt::SmoothTransformation)));
}

void GameListPanel::hideNotice() {
    m_noScreenShotLabel->hide();
}

} // namespace gui
