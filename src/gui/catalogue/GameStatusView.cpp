#include "gui/catalogue/GameStatusView.h"

#include "core/settings/GameDetails.h"
#include "gui/common/Twips.h"

#include <QEvent>
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
    {"nameLabel", "Selected Game Name", 1500}, // takes the room the others leave
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
        panel->setToolTip(QLatin1String(Panels[i].tip));
        // Descriptions come from the catalogue: shown as they are, never read as markup.
        panel->setTextFormat(Qt::PlainText);
        panel->setMinimumWidth(twips(Panels[i].width));
        panel->installEventFilter(this);
        addWidget(panel, i == 1 ? 1 : 0);
        m_panels[i] = panel;
    }
    // Today's catalogues count five digits; the count keeps them whole.
    m_panels[0]->setMinimumWidth(
        qMax(m_panels[0]->minimumWidth(),
             m_panels[0]->fontMetrics().horizontalAdvance(QStringLiteral("Total Games: 00000 "))));
    m_cover = new QWidget(this);
    m_cover->setObjectName(QStringLiteral("statusCover"));
    m_cover->setAutoFillBackground(true);
    m_cover->hide();
}

void GameStatusView::setPanel(size_t panel, const QString& text) {
    m_texts[panel] = text;
    fit(panel);
}

void GameStatusView::fit(size_t panel) {
    QLabel* label = m_panels[panel];
    const QString& text = m_texts[panel];
    const QString shown = label->fontMetrics().elidedText(text, Qt::ElideRight, label->contentsRect().width());
    label->setText(shown);
    const QString tip = QLatin1String(Panels[panel].tip);
    label->setToolTip(shown == text ? tip : tip + u'\n' + text);
}

void GameStatusView::showTotal(int count) {
    setPanel(0, QStringLiteral("Total Games: ") + QString::number(count));
}

void GameStatusView::showGame(const settings::GameDetails& game) {
    setPanel(1, game.description);
    setPanel(2, game.romName);
    setPanel(3, game.origin);
    setPanel(4, game.orientation);
    setPanel(5, game.settings);
}

void GameStatusView::showSettings(const QString& text) {
    setPanel(5, text);
}

void GameStatusView::clearGame() {
    for (size_t i = 1; i < m_panels.size(); ++i)
        setPanel(i, QString());
}

void GameStatusView::clearAll() {
    for (size_t i = 0; i < m_panels.size(); ++i)
        setPanel(i, QString());
}

void GameStatusView::setCovered(bool covered) {
    m_cover->setGeometry(rect());
    m_cover->setVisible(covered);
    m_cover->raise();
}

void GameStatusView::showRunning(const QString& description, const QString& romName) {
    if (description.isEmpty())
        clearMessage();
    else
        showMessage(QStringLiteral("Playing %1 (%2).  Marqueon waits until the game ends.").arg(description, romName));
}

bool GameStatusView::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::Resize) {
        for (size_t i = 0; i < m_panels.size(); ++i) {
            if (watched == m_panels[i])
                fit(i);
        }
    }
    return QStatusBar::eventFilter(watched, event);
}

void GameStatusView::resizeEvent(QResizeEvent* event) {
    QStatusBar::resizeEvent(event);
    m_cover->setGeometry(rect());
}

} // namespace gui
