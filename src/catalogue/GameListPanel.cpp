#include "catalogue/GameListPanel.h"

#include "catalogue/GameListView.h"
#include "ui/Twips.h"

#include <QFileInfo>
#include <QImage>
#include <QLabel>

namespace catalogue {
namespace {
constexpr int ListLeft = 120;
constexpr int ListTop = 280;
constexpr int ListHeight = 5120;
constexpr int WideList = 7785;
constexpr int NarrowList = 2865;
} // namespace

GameListPanel::GameListPanel(QWidget* parent)
    : QGroupBox(parent) {
    setObjectName(QStringLiteral("fraList"));
    // Opaque, as it covers the panels that lie behind it.
    setAutoFillBackground(true);
    imgShots = new QLabel(this);
    imgShots->setObjectName(QStringLiteral("imgShots"));
    imgShots->setGeometry(ui::twipsRect(3200, 280, 4760, 4760));
    imgShots->setAlignment(Qt::AlignCenter);

    lblShots = new QLabel(QStringLiteral("THERE IS NO SCREEN SHOT FOR THIS GAME"), this);
    lblShots->setObjectName(QStringLiteral("lblShots"));
    lblShots->setGeometry(imgShots->geometry());
    lblShots->setAlignment(Qt::AlignCenter);
    lblShots->setWordWrap(true);
    lblShots->hide();

    lvAll = new GameListView(QStringLiteral("lvAll"), this);
    lvInstalled = new GameListView(QStringLiteral("lvInstalled"), this);
    lvUninstalled = new GameListView(QStringLiteral("lvUninstalled"), this);
    setScreenShotRoom(false);
}

GameListView* GameListPanel::shownList() const {
    const QString caption = title();
    if (caption == AllGames)
        return lvAll;
    if (caption == InstalledGames)
        return lvInstalled;
    if (caption == UninstalledGames)
        return lvUninstalled;
    return nullptr;
}

void GameListPanel::showList(GameListView* list, const QString& caption) {
    setTitle(caption);
    list->show();
    list->raise();
}

void GameListPanel::setScreenShotRoom(bool room) {
    for (GameListView* list : lists())
        list->setGeometry(ui::twipsRect(ListLeft, ListTop, room ? NarrowList : WideList, ListHeight));
}

void GameListPanel::showPicture(const QString& path) {
    if (!QFileInfo::exists(path)) {
        imgShots->setPixmap(QPixmap());
        lblShots->show();
        return;
    }
    lblShots->hide();
    // A file that is no readable picture shows as an empty picture, without a message.
    const QImage picture(path);
    imgShots->setPixmap(picture.isNull() ? QPixmap()
                                         : QPixmap::fromImage(picture.scaled(imgShots->size(), Qt::KeepAspectRatio,
                                                                             Qt::SmoothTransformation)));
}

void GameListPanel::hideNotice() {
    lblShots->hide();
}

} // namespace catalogue
