#include "core/settings/GameDetails.h"
#include "gui/catalogue/GameStatusView.h"
#include "gui/common/Twips.h"

#include <QLabel>
#include <QMainWindow>
#include <QTest>

class TestGameStatusView : public QObject {
    Q_OBJECT

private slots:
    // The window has a fixed width; every panel keeps its text whole there, whatever the count.
    void panelsKeepTheirTextsWhole_data() {
        QTest::addColumn<int>("count");
        QTest::addRow("today's catalogue") << 17590;
        QTest::addRow("the largest listing") << 45000;
    }
    void panelsKeepTheirTextsWhole() {
        QFETCH(int, count);
        QMainWindow window;
        window.setFixedSize(gui::twips(10060), gui::twips(7020));
        auto* status = new gui::GameStatusView;
        window.setStatusBar(status);
        status->showTotal(count);
        status->showGame({"Pong (Rev E) [TTL]", "pong", "Original", "H", "Default Settings", true, {}});
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));

        const QList<QLabel*> panels = status->findChildren<QLabel*>();
        for (const QLabel* panel : panels) {
            QVERIFY2(panel->width() >= panel->fontMetrics().horizontalAdvance(panel->text()),
                     qPrintable(panel->text()));
            QVERIFY2(panel->geometry().right() <= status->width(), qPrintable(panel->text()));
        }
    }
};

QTEST_MAIN(TestGameStatusView)
#include "TestGameStatusView.moc"
