#include "core/settings/GameDetails.h"
#include "gui/catalogue/GameStatusView.h"
#include "gui/common/Twips.h"
#include "support/TableRows.h"

#include <QLabel>
#include <QMainWindow>

class TestGameStatusView : public QObject {
    Q_OBJECT

private slots:
    // At the window's first size every panel keeps its text whole, whatever the count; a name
    // too long for its panel ends in "..." and shows whole in the panel's tool tip.
    void panelsKeepTheirTextsWhole_data() {
        columns<int, QString>({"count", "name"});
        row("today's catalogue", 17590, "Pong (Rev E) [TTL]");
        row("the largest listing, a long name", 45000,
            "Prize Space Invaders (BWB IN2, \u00a320, 50p/30p Play, 14\" Version 1.1, set 1) (MPU4 Video)");
    }
    void panelsKeepTheirTextsWhole() {
        const QString& name = cell<QString>("name");
        QMainWindow window;
        window.resize(gui::twipsSize(9940, 6555));
        auto* status = new gui::GameStatusView;
        window.setStatusBar(status);
        status->showTotal(cell<int>("count"));
        status->showGame({name, "pong", "Original", "H", "Default Settings", true, {}});
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));

        for (const QLabel* panel : status->findChildren<QLabel*>()) {
            QVERIFY2(panel->width() >= panel->fontMetrics().horizontalAdvance(panel->text()),
                     qPrintable(panel->text()));
            QVERIFY2(
                panel->geometry().right() <= status->width(),
                qPrintable(
                    QStringLiteral("%1 %2 %3").arg(panel->text()).arg(panel->geometry().right()).arg(status->width())));
        }
        const QLabel* shown = status->findChild<QLabel*>("nameLabel");
        const bool cut = shown->text() != name;
        QCOMPARE(cut, shown->text().endsWith(QChar(0x2026)));
        QCOMPARE(shown->toolTip(), cut ? "Selected Game Name\n" + name : QStringLiteral("Selected Game Name"));
        QCOMPARE(cut, QTest::currentDataTag() != QByteArray("today's catalogue"));
    }
};

QTEST_MAIN(TestGameStatusView)
#include "TestGameStatusView.moc"
