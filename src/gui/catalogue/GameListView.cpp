#include "gui/catalogue/GameListView.h"

#include "core/catalogue/GameListModel.h"
#include "gui/common/Colours.h"
#include "gui/common/Twips.h"

#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QSet>
#include <QStyledItemDelegate>
#include <QVBoxLayout>

namespace gui {
namespace {

// Column widths in twips: Game, Year, Status, Color, Sound, Manufacturer, Type, Display, Origin, ROM.
// Then Genre, Last Played, Play Count and Time Played, hidden until the user shows them.
constexpr int ColumnWidths[catalogue::GameListModel::ColumnCount] = {3300, 600,  1000, 1000, 1000, 2200, 800,
                                                                     1100, 1600, 1000, 2400, 1600, 900,  1000};

// A favourite's name begins with a star.
class FavouriteDelegate final : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;

protected:
    void initStyleOption(QStyleOptionViewItem* option, const QModelIndex& index) const override {
        QStyledItemDelegate::initStyleOption(option, index);
        if (index.column() == catalogue::GameRecord::Description &&
            index.data(catalogue::GameListModel::FavouriteRole).toBool())
            option->text = QStringLiteral("\u2605 ") + option->text;
    }
};

} // namespace

GameListView::GameListView(const QString& name, QWidget* parent)
    : QTreeView(parent)
    , m_model(new catalogue::GameListModel(this)) {
    setObjectName(name);
    setModel(m_model);
    setRootIsDecorated(false);
    setItemsExpandable(false);
    setUniformRowHeights(true);
    setAllColumnsShowFocus(true);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    header()->setSectionsClickable(true);
    header()->setSectionsMovable(true);
    header()->setSortIndicatorShown(false);
    header()->setStretchLastSection(false);
    // The heading's own menu shows and hides columns.
    header()->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(header(), &QHeaderView::customContextMenuRequested, this, &GameListView::showColumnMenu);
    for (int column = 0; column < catalogue::GameListModel::ColumnCount; ++column) {
        header()->resizeSection(column, twips(ColumnWidths[column]));
        header()->setSectionHidden(column, column >= catalogue::GameRecord::FieldCount);
    }
    setItemDelegate(new FavouriteDelegate(this));

    // Drawn over the rows in the list's own text colour, which may be white on the star field.
    m_noMatchLabel = new QLabel(QStringLiteral("No game matches your search."), viewport());
    m_noMatchLabel->setObjectName(QStringLiteral("noMatchLabel"));
    m_noMatchLabel->setAlignment(Qt::AlignCenter);
    m_noMatchLabel->setWordWrap(true);
    m_noMatchLabel->setForegroundRole(QPalette::Text);
    m_noMatchLabel->setAttribute(Qt::WA_TransparentForMouseEvents);
    m_noMatchLabel->hide();
    (new QVBoxLayout(viewport()))->addWidget(m_noMatchLabel);
    const auto showNotice = [this] {
        m_noMatchLabel->setVisible(count() > 0 && shownCount() == 0);
    };
    connect(m_model, &QAbstractItemModel::modelReset, this, showNotice);
    connect(m_model, &QAbstractItemModel::rowsInserted, this, showNotice);
    connect(m_model, &QAbstractItemModel::rowsRemoved, this, showNotice);

    connect(header(), &QHeaderView::sectionClicked, this, &GameListView::columnClicked);
    connect(selectionModel(), &QItemSelectionModel::currentRowChanged, this, [this](const QModelIndex& current) {
        if (current.isValid() && !m_searching)
            emit gameSelected();
    });
}

int GameListView::count() const {
    return m_model->count();
}

int GameListView::shownCount() const {
    return m_model->shownCount();
}

int GameListView::selectedIndex() const {
    const QModelIndex current = currentIndex();
    return current.isValid() && current.row() < shownCount() ? m_model->listRow(current.row()) + 1 : 0;
}

void GameListView::selectIndex(int index) {
    if (shownCount() == 0)
        return;
    select(std::max(m_model->shownRow(index >= 1 && index <= count() ? index - 1 : 0), 0));
}

void GameListView::select(int shownRow) {
    const QModelIndex target = m_model->index(shownRow, 0);
    selectionModel()->setCurrentIndex(target, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    scrollTo(target);
}

const catalogue::GameRecord* GameListView::selectedGame() const {
    const int index = selectedIndex();
    return index > 0 ? &m_model->game(index - 1) : nullptr;
}

void GameListView::search(const QString& text) {
    const int before = selectedIndex();
    if (before > 0)
        m_keptRom = m_model->game(before - 1).romName();
    m_searching = true;
    // A search that changes what is shown starts the view afresh, without a selection.
    if (m_model->search(text) && shownCount() > 0) {
        int kept = before - 1;
        for (int row = 0; kept < 0 && !m_keptRom.isEmpty() && row < count(); ++row) {
            if (m_model->game(row).romName() == m_keptRom)
                kept = row;
        }
        select(std::max(m_model->shownRow(kept), 0));
    }
    m_searching = false;
    if (selectedIndex() != before)
        emit gameSelected();
}

void GameListView::marksChanged() {
    const int before = selectedIndex();
    const QString rom = before > 0 ? m_model->game(before - 1).romName() : QString();
    m_searching = true;
    m_model->marksChanged();
    // A list sorted by the play history may have moved the game; a search for favourites may
    // have hidden it, and then the first game shown is selected.
    int row = before - 1;
    if (row >= 0 && (row >= count() || m_model->game(row).romName() != rom)) {
        for (row = 0; row < count() && m_model->game(row).romName() != rom; ++row) {
        }
    }
    if (shownCount() > 0 && (!selectionModel()->hasSelection() || selectedIndex() != row + 1))
        select(std::max(m_model->shownRow(row), 0));
    m_searching = false;
    if (selectedIndex() != before)
        emit gameSelected();
}

void GameListView::sortBy(int column, int order) {
    m_model->sort(column, order == 1 ? Qt::DescendingOrder : Qt::AscendingOrder);
}

void GameListView::scrollToSelected() {
    if (currentIndex().isValid())
        scrollTo(currentIndex());
}

QString GameListView::columnLayout() const {
    QStringList columns;
    for (int visual = 0; visual < header()->count(); ++visual) {
        const int column = header()->logicalIndex(visual);
        columns << QStringLiteral("%1:%2%3")
                       .arg(column)
                       .arg(header()->sectionSize(column))
                       .arg(header()->isSectionHidden(column) ? QStringLiteral("h") : QString());
    }
    return columns.join(u',');
}

void GameListView::setColumnLayout(const QString& text) {
    struct Column {
        int column;
        int width;
        bool hidden;
    };
    QList<Column> columns;
    QSet<int> seen;
    for (const QString& entry : text.split(u',', Qt::SkipEmptyParts)) {
        bool columnOk = false, widthOk = false;
        const QString width = entry.section(u':', 1);
        const bool hidden = width.endsWith(u'h');
        const Column read{entry.section(u':', 0, 0).toInt(&columnOk), QString(width).remove(u'h').toInt(&widthOk),
                          hidden};
        // A hidden column has no width to keep.
        if (!columnOk || !widthOk || read.column < 0 || read.column >= header()->count() ||
            (read.width <= 0 && !hidden) || seen.contains(read.column))
            return;
        seen.insert(read.column);
        columns.append(read);
    }
    // A list must keep a column to show.
    if (columns.isEmpty() || std::all_of(columns.cbegin(), columns.cend(), [](const Column& c) { return c.hidden; }))
        return;
    for (int place = 0; place < columns.size(); ++place) {
        const Column& each = columns[place];
        header()->moveSection(header()->visualIndex(each.column), place);
        if (each.width > 0)
            header()->resizeSection(each.column, each.width);
        header()->setSectionHidden(each.column, each.hidden);
    }
}

void GameListView::showColumnMenu(const QPoint& position) {
    QMenu menu(this);
    int shown = 0;
    for (int column = 0; column < header()->count(); ++column)
        shown += header()->isSectionHidden(column) ? 0 : 1;
    for (int visual = 0; visual < header()->count(); ++visual) {
        const int column = header()->logicalIndex(visual);
        QAction* item = menu.addAction(model()->headerData(column, Qt::Horizontal).toString());
        item->setCheckable(true);
        item->setChecked(!header()->isSectionHidden(column));
        // The last column shown stays.
        item->setEnabled(!item->isChecked() || shown > 1);
        connect(item, &QAction::toggled, this, [this, column](bool on) { header()->setSectionHidden(column, !on); });
    }
    menu.exec(header()->mapToGlobal(position));
}

void GameListView::showStarField(const QPixmap& picture) {
    QPalette colours = palette();
    colours.setBrush(QPalette::Base, QBrush(picture));
    colours.setColor(QPalette::Text, Qt::white);
    setPalette(colours);
}

void GameListView::showColours(quint32 background, quint32 text) {
    QPalette colours = palette();
    colours.setBrush(QPalette::Base, fromBgr(background));
    colours.setColor(QPalette::Text, fromBgr(text));
    setPalette(colours);
}

void GameListView::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        emit returnPressed();
        return;
    }
    QTreeView::keyPressEvent(event);
}

} // namespace gui
