#include "gui/catalogue/GameStatusView.h"

#include "core/settings/GameDetails.h"
#include "gui/common/Twips.h"

#include <QLabel>

namespace gui {
namespace {

struct PanelText {
    const char* name;
    const char* tip;
    int width; // twips
};

constexpr PanelText Panels[6] = {
    {"totalLabel", "Total Number Of Games In This List", 1700},
    {"nameLabel", "Selected Game Name", 3700},
    {"romLabel", "ROM Name", 1100},
    {"originLabel", "Original Game Or Clone Of Some Other Game", 900},
    {"orientationLabel", "Display Orientation: H = Horizontal  V = Vertical", 500},
    {"settingsLabel", "Settings This Game Uses If Installed", 1600},
};

} // namespace

GameStatusView::GameStatusView(QWidget* parent)
    : QStatusBar(parent) {
    setObjectName(QStringLiteral("statusView"));
    setSizeGripEnabled(false);
    for (size_t i = 0; i < m_panels.size(); ++i) {
        auto* panel = new QLabel(this);
        panel->setObjectName(QLatin1String(Panels[i].name));
        // Descriptions come from the catalogue: shown as they are, never read as markup.
        panel->setTextFormat(Qt::PlainText);
        panel->setToolTip(QLatin1String(Panels[i].tip));
        panel->setMinimumWidth(twips(Panels[i].width));
        addWidget(panel, i == 1 ? 1 : 0);
        m_panels[i] = panel;
    }
    // Today's catalogues count five digits; the count keeps them whole and the stretching name
    // panel gives up the room, so the bar still fits the fixed-width window.
    const int countWidth = m_panels[0]->fontMetrics().horizontalAdvance(QStringLiteral("Total Games: 00000 "));
    const int extra = countWidth - m_panels[0]->minimumWidth();
    if (extra > 0) {
        m_panels[0]->setMinimumWidth(countWidth);
        m_panels[1]->setMinimumWidth(m_panels[1]->minimumWidth() - extra);
    }
    m_cover = new QWidget(this);
    m_cover->setObjectName(QStringLiteral("statusCover"));
    m_cover->setAutoFillBackground(true);
    m_cover->hide();
}

void GameStatusView::showTotal(int count) {
    m_panels[0]->setText(QStringLiteral("Total Games: ") + QString::number(count));
}

void GameStatusView::showGame(const settings::GameDetails& game) {
    m_panels[1]->setText(game.description);
    m_panels[2]->setText(game.romName);
    m_panels[3]->setText(game.origin);
    m_panels[4]->setText(game.orientation);
    m_panels[5]->setText(game.settings);
}

void GameStatusView::showSettings(const QString& text) {
    m_panels[5]->setText(text);
}

void GameStatusView::clearGame() {
    for (size_t i = 1; i < m_panels.size(); ++i)
        m_panels[i]->clear();
}

void GameStatusView::clearAll() {
    for (QLabel* panel : m_panels)
        panel->clear();
}

void GameStatusView::setCovered(bool covered) {
    m_cover->setGeometry(rect());
    m_cover->setVisible(covered);
    m_cover->raise();
}

bool GameStatusView::isCovered() const {
    return m_cover->isVisible();
}

void GameStatusView::resizeEvent(QResizeEvent* event) {
    QStatusBar::resizeEvent(event);
    m_cover->setGeometry(rect());
}

} // namespace gui
