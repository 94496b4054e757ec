#include "gui/catalogue/GameListView.h"

#include "core/catalogue/GameListModel.h"
#include "gui/common/Colours.h"
#include "gui/common/Twips.h"

#include <QHeaderView>
#include <QKeyEvent>

namespace gui {
namespace {

// Column widths in twips: Game, Year, Status, Color, Sound, Manufacturer, Type, Display, Origin, ROM.
constexpr int ColumnWidths[catalogue::GameRecord::FieldCount] = {3300, 600, 1000, 1000, 1000,
                                                                 2200, 800, 1100, 1600, 1000};

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
    header()->setSortIndicatorShown(false);
    header()->setStretchLastSection(false);
    for (int column = 0; column < catalogue::GameRecord::FieldCount; ++column)
        header()->resizeSection(column, twips(ColumnWidths[column]));

    connect(header(), &QHeaderView::sectionClicked, this, &GameListView::columnClicked);
    connect(selectionModel(), &QItemSelectionModel::currentRowChanged, this, [this](const QModelIndex& current) {
        if (current.isValid())
            emit gameSelected();
    });
}

int GameListView::count() const {
    return m_model->count();
}

int GameListView::selectedIndex() const {
    const QModelIndex current = currentIndex();
    return current.isValid() ? current.row() + 1 : 0;
}

void GameListView::selectIndex(int index) {
    if (count() == 0)
        return;
    const int row = index >= 1 && index <= count() ? index - 1 : 0;
    const QModelIndex target = m_model->index(row, 0);
    selectionModel()->setCurrentIndex(target, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    scrollTo(target);
}

const catalogue::GameRecord* GameListView::selectedGame() const {
    const QModelIndex current = currentIndex();
    return current.isValid() && current.row() < count() ? &m_model->game(current.row()) : nullptr;
}

void GameListView::sortBy(int column, int order) {
    m_model->sort(column, order == 1 ? Qt::DescendingOrder : Qt::AscendingOrder);
}

void GameListView::scrollToSelected() {
    if (currentIndex().isValid())
        scrollTo(currentIndex());
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
