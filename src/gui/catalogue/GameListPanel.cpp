#include "gui/catalogue/GameListPanel.h"

#include "core/catalogue/GameListModel.h"
#include "gui/catalogue/GameListView.h"
#include "gui/common/Twips.h"

#include <QAction>
#include <QFileInfo>
#include <QImage>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>

namespace gui {
namespace {
constexpr int ListLeft = 120;
constexpr int SearchTop = 280;
constexpr int SearchHeight = 345;
constexpr int ListTop = 690;
constexpr int ListHeight = 4710;
constexpr int WideList = 7785;
constexpr int NarrowList = 2865;

QString findKeys() {
    return QKeySequence(QKeySequence::Find).toString(QKeySequence::NativeText);
}
} // namespace

GameListPanel::GameListPanel(QWidget* parent)
    : QGroupBox(parent) {
    setObjectName(QStringLiteral("listPanel"));
    // Opaque, as it covers the panels that lie behind it.
    setAutoFillBackground(true);
    // Made first, so that Tab goes from the search box to the list.
    m_searchEdit = new QLineEdit(this);
    m_searchEdit->setObjectName(QStringLiteral("searchEdit"));
    m_searchEdit->setToolTip(
        QStringLiteral("Shows the games whose name, ROM name, manufacturer or year hold every word typed (%1)")
            .arg(findKeys()));
    m_searchEdit->installEventFilter(this);
    m_matchCountLabel = new QLabel(this);
    m_matchCountLabel->setObjectName(QStringLiteral("matchCountLabel"));
    m_matchCountLabel->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    connect(m_searchEdit, &QLineEdit::textChanged, this, [this](const QString& text) {
        if (m_shown)
            m_shown->search(text);
        showMatches();
    });
    // Not while a panel covers the list: the frame and its shortcut are disabled then.
    auto* findAction = new QAction(this);
    findAction->setObjectName(QStringLiteral("findAction"));
    findAction->setShortcut(QKeySequence::Find);
    findAction->setShortcutContext(Qt::WindowShortcut);
    addAction(findAction);
    connect(findAction, &QAction::triggered, this, [this] {
        m_searchEdit->setFocus(Qt::ShortcutFocusReason);
        m_searchEdit->selectAll();
    });

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
    for (GameListView* list : m_lists) {
        const auto changed = [this, list] {
            if (list == m_shown)
                showMatches();
        };
        connect(list->games(), &QAbstractItemModel::modelReset, this, changed);
        connect(list->games(), &QAbstractItemModel::rowsInserted, this, changed);
        connect(list->games(), &QAbstractItemModel::rowsRemoved, this, changed);
    }
    setScreenShotRoom(false);
}

void GameListPanel::showList(config::GameView view) {
    setTitle(config::gameViewCaption(view));
    m_shown = list(view);
    m_shown->search(m_searchEdit->text());
    m_shown->show();
    m_shown->raise();
    showMatches();
}

void GameListPanel::setScreenShotRoom(bool room) {
    m_listWidth = room ? NarrowList : WideList;
    for (GameListView* list : m_lists)
        list->setGeometry(twipsRect(ListLeft, ListTop, m_listWidth, ListHeight));
    placeSearch(m_matchCountLabel->width());
}

// How many games the search shows of how many the list holds, e.g. "12 of 17,590".
void GameListPanel::showMatches() {
    if (!m_shown)
        return;
    const QLocale english(QLocale::English);
    const QString total = english.toString(m_shown->count());
    m_matchCountLabel->setText(QStringLiteral("%1 of %2").arg(english.toString(m_shown->shownCount()), total));
    // As wide as the count can grow, so that the box keeps its width while the user types.
    const QString widest = QStringLiteral("%1 of %1").arg(total);
    const int width = m_matchCountLabel->fontMetrics().horizontalAdvance(widest) + twips(120);
    if (width != m_matchCountLabel->width())
        placeSearch(width);
}

// The count at the right end of the row above the list, and the box taking the rest.
void GameListPanel::placeSearch(int countWidth) {
    const QRect row = twipsRect(ListLeft, SearchTop, m_listWidth, SearchHeight);
    m_matchCountLabel->setGeometry(row.right() + 1 - countWidth, row.top(), countWidth, row.height());
    m_searchEdit->setGeometry(row.left(), row.top(), row.width() - countWidth, row.height());
    // Beside the screen shot the box is too narrow to say what it searches; its tool tip does.
    const QString placeholder = QStringLiteral("Find: name, ROM, maker or year");
    const bool fits = m_searchEdit->fontMetrics().horizontalAdvance(placeholder) < m_searchEdit->width() - twips(180);
    m_searchEdit->setPlaceholderText(fits ? placeholder : QStringLiteral("Find (%1)").arg(findKeys()));
}

bool GameListPanel::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_searchEdit && event->type() == QEvent::KeyPress && m_shown) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Escape)
            m_searchEdit->clear();
        if (key == Qt::Key_Escape || key == Qt::Key_Down) {
            m_shown->setFocus(Qt::OtherFocusReason);
            return true;
        }
    }
    return QGroupBox::eventFilter(watched, event);
}

void GameListPanel::showPicture(const QString& path) {
    // Only a regular file is opened: a named pipe there would never answer.
    if (!QFileInfo(path).isFile()) {
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

void GameListPanel::clearPicture() {
    m_screenShot->setPixmap(QPixmap());
    m_noScreenShotLabel->hide();
}

} // namespace gui
