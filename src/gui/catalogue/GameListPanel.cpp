#include "gui/catalogue/GameListPanel.h"

#include "core/catalogue/GameListModel.h"
#include "core/catalogue/SearchQuery.h"
#include "gui/catalogue/GameListView.h"
#include "gui/common/PictureView.h"
#include "gui/common/Twips.h"

#include <QAction>
#include <QFileInfo>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QImageReader>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QMenu>
#include <QSplitter>
#include <QToolButton>
#include <QVBoxLayout>

namespace gui {
namespace {

// At the window's first size: lists 2865 twips wide beside a picture of 4760.
constexpr int ListWidth = 2865;
constexpr int PictureWidth = 4760;

QString findKeys() {
    return QKeySequence(QKeySequence::Find).toString(QKeySequence::NativeText);
}

// Widgets that lie one over the other, the one raised last in front.
QWidget* pile(QWidget* parent, std::initializer_list<QWidget*> widgets) {
    auto* holder = new QWidget(parent);
    auto* layout = new QGridLayout(holder);
    layout->setContentsMargins(0, 0, 0, 0);
    for (QWidget* widget : widgets) {
        widget->setParent(holder);
        layout->addWidget(widget, 0, 0);
    }
    return holder;
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
        QStringLiteral("Shows the games whose name, ROM name, manufacturer or year hold every word typed and that "
                       "meet every filter term: is:working, players:2, -is:clone ... (%1)")
            .arg(findKeys()));
    m_searchEdit->installEventFilter(this);
    m_matchCountLabel = new QLabel(this);
    m_matchCountLabel->setObjectName(QStringLiteral("matchCountLabel"));
    m_matchCountLabel->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    m_searchProblemLabel = new QLabel(this);
    m_searchProblemLabel->setObjectName(QStringLiteral("searchProblemLabel"));
    m_searchProblemLabel->setTextFormat(Qt::PlainText);
    m_searchProblemLabel->setWordWrap(true);
    m_searchProblemLabel->hide();

    // Each item shows the term it adds, so that the words are learnt by using them.
    m_filtersMenu = new QMenu(QStringLiteral("F&ilters"), this);
    m_filtersMenu->setObjectName(QStringLiteral("filtersMenu"));
    for (const catalogue::CommonTerm& common : catalogue::commonTerms()) {
        QAction* item = m_filtersMenu->addAction(common.caption + u'\t' + common.term);
        item->setCheckable(true);
        item->setData(common.term);
        item->setObjectName(QStringLiteral("filter:") + common.term);
        connect(item, &QAction::triggered, this, [this, term = common.term] { toggleTerm(term); });
    }
    connect(m_filtersMenu, &QMenu::aboutToShow, this, [this] {
        const QStringList typed = m_searchEdit->text().split(u' ', Qt::SkipEmptyParts);
        for (QAction* item : m_filtersMenu->actions())
            item->setChecked(typed.contains(item->data().toString(), Qt::CaseInsensitive));
    });
    m_filtersButton = new QToolButton(this);
    m_filtersButton->setObjectName(QStringLiteral("filtersButton"));
    m_filtersButton->setText(QStringLiteral("Filters"));
    m_filtersButton->setToolTip(
        QStringLiteral("Adds a filter term to the search: is:working, players:2, -is:clone ..."));
    m_filtersButton->setMenu(m_filtersMenu);
    m_filtersButton->setPopupMode(QToolButton::InstantPopup);
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

    m_screenShot = new PictureView(this);
    m_screenShot->setObjectName(QStringLiteral("screenShot"));
    m_noScreenShotLabel = new QLabel(QStringLiteral("THERE IS NO SCREEN SHOT FOR THIS GAME"), this);
    m_noScreenShotLabel->setObjectName(QStringLiteral("noScreenShotLabel"));
    m_noScreenShotLabel->setAlignment(Qt::AlignCenter);
    m_noScreenShotLabel->setWordWrap(true);
    m_noScreenShotLabel->hide();

    m_splitter = new QSplitter(Qt::Horizontal, this);
    m_splitter->setObjectName(QStringLiteral("pictureSplitter"));
    m_splitter->setChildrenCollapsible(false);
    m_splitter->addWidget(pile(m_splitter, {m_lists[0], m_lists[1], m_lists[2]}));
    m_pictureArea = pile(m_splitter, {m_screenShot, m_noScreenShotLabel});
    m_splitter->addWidget(m_pictureArea);
    m_splitter->setStretchFactor(0, 1);
    m_splitter->setStretchFactor(1, 1);
    m_pictureSizes = {twips(ListWidth), twips(PictureWidth)};

    auto* search = new QHBoxLayout;
    search->addWidget(m_searchEdit, 1);
    search->addWidget(m_filtersButton);
    search->addWidget(m_matchCountLabel);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(twips(60), twips(60), twips(60), twips(60));
    layout->addLayout(search);
    layout->addWidget(m_searchProblemLabel);
    layout->addWidget(m_splitter, 1);
    m_pictureArea->hide();
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
    const bool shown = !m_pictureArea->isHidden();
    if (room == shown)
        return;
    if (const QList<int> sizes = m_splitter->sizes(); shown && sizes.value(0) > 0 && sizes.value(1) > 0)
        m_pictureSizes = sizes;
    m_pictureArea->setVisible(room);
    if (room)
        m_splitter->setSizes(m_pictureSizes);
}

QList<int> GameListPanel::splitterSizes() const {
    return m_pictureArea->isHidden() ? m_pictureSizes : m_splitter->sizes();
}

void GameListPanel::setSplitterSizes(const QList<int>& sizes) {
    if (sizes.size() != 2 || sizes[0] <= 0 || sizes[1] <= 0)
        return;
    m_pictureSizes = sizes;
    if (!m_pictureArea->isHidden())
        m_splitter->setSizes(sizes);
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
    m_matchCountLabel->setMinimumWidth(m_matchCountLabel->fontMetrics().horizontalAdvance(widest) + twips(120));
    const QString problem = m_shown->games()->searchProblem();
    m_searchProblemLabel->setText(problem);
    m_searchProblemLabel->setVisible(!problem.isEmpty());
}

// A term already in the search is taken out again; any other is added at the end.
void GameListPanel::toggleTerm(const QString& term) {
    QStringList typed = m_searchEdit->text().split(u' ', Qt::SkipEmptyParts);
    const qsizetype before = typed.size();
    typed.removeIf([&term](const QString& each) { return each.compare(term, Qt::CaseInsensitive) == 0; });
    if (typed.size() == before)
        typed << term;
    m_searchEdit->setText(typed.join(u' '));
}

void GameListPanel::resizeEvent(QResizeEvent* event) {
    QGroupBox::resizeEvent(event);
    choosePlaceholder();
}

// A narrow box cannot say what it searches; its tool tip does.
void GameListPanel::choosePlaceholder() {
    const QString placeholder = QStringLiteral("Find: name, ROM, maker or year");
    const bool fits = m_searchEdit->fontMetrics().horizontalAdvance(placeholder) < m_searchEdit->width() - twips(180);
    m_searchEdit->setPlaceholderText(fits ? placeholder : QStringLiteral("Find (%1)").arg(findKeys()));
}

bool GameListPanel::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_searchEdit && event->type() == QEvent::Resize)
        choosePlaceholder();
    if (watched == m_searchEdit && event->type() == QEvent::KeyPress && m_shown) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Escape)
            m_searchEdit->clear();
        if (key == Qt::Key_Escape || key == Qt::Key_Down) {
            m_shown->setFocus(Qt::OtherFocusReason);
            return true;
        }
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            emit returnPressed();
            return true;
        }
    }
    return QGroupBox::eventFilter(watched, event);
}

void GameListPanel::showPicture(const QImage& picture, const QString& missingText) {
    if (picture.isNull()) {
        m_screenShot->clear();
        m_noScreenShotLabel->setText(missingText);
        m_noScreenShotLabel->show();
        return;
    }
    m_noScreenShotLabel->hide();
    m_screenShot->setPicture(picture);
}

void GameListPanel::hideNotice() {
    m_noScreenShotLabel->hide();
}

void GameListPanel::clearPicture() {
    m_screenShot->clear();
    m_noScreenShotLabel->hide();
}

} // namespace gui
