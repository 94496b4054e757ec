#include "support/Session.h"
#include "support/TableRows.h"

#include <QSignalSpy>

class TestSearch : public QObject {
    Q_OBJECT

private slots:
    void init() {
        m_session = std::make_unique<Session>(Games + QList<ListedGame>{{"poke", "Pok\xe9mon Stadium", {}, "1999"}});
        QVERIFY(s().startWith());
    }
    void cleanup() { m_session.reset(); }

    void filtersTheShownList_data() {
        columns<QString, QString, QString, QString, QString, QString>(
            {"view", "list", "typed", "shown", "count", "all"});
        row("every word", "viewAllAction", "allList", "raid 1982", "galxb", "1 of 6", "galxb");
        row("ROM name", "viewInstalledAction", "installedList", "nam", "nam1975", "1 of 2", "nam1975");
        row("no match", "viewUninstalledAction", "uninstalledList", "galaxy 1981", "", "0 of 4", "galx");
    }
    void filtersTheShownList() {
        const QString shown = cell<QString>("shown");
        const QString count = cell<QString>("count");
        const QByteArray list = cell<QString>("list").toLatin1();
        s().trigger(qPrintable(cell<QString>("view")));
        s().type(cell<QString>("typed"));
        QCOMPARE(s().shownRoms(list.constData()), shown);
        QCOMPARE(s().child<QLabel>("matchCountLabel")->text(), count);
        QCOMPARE(s().list(list.constData())->findChild<QLabel*>("noMatchLabel")->isVisible(), shown.isEmpty());
        QCOMPARE(s().panel(1), "Total Games: " + count.section(" of ", 1));
        QCOMPARE(s().panel(3), shown.section(' ', 0, 0)); // the first game shown is selected
        QCOMPARE(s().enabled("historyButton"), !shown.isEmpty());
        s().trigger("viewAllAction"); // one search for every list
        QTEST(s().shownRoms("allList"), "all");
    }

    void keys() {
        auto* box = s().child<QLineEdit>("searchEdit");
        gui::GameListView* all = s().list("allList");
        QVERIFY(QTest::qWaitForWindowActive(s().window.get()));
        QTest::keyClick(all, Qt::Key_F, Qt::ControlModifier);
        QVERIFY(box->hasFocus());
        QTest::keyClicks(box, "zoom");
        QTest::keyClick(box, Qt::Key_Down);
        QVERIFY(all->hasFocus());
        QTest::keyClick(all, Qt::Key_F, Qt::ControlModifier);
        QTest::keyClick(box, Qt::Key_Escape);
        QVERIFY(box->text().isEmpty() && all->hasFocus());
        QCOMPARE(s().selectedRom("allList"), QStringLiteral("zoom")); // the game found stays selected
        QSignalSpy find(s().child<QAction>("findAction"), &QAction::triggered);
        s().trigger("rasterDefaultsAction"); // a panel covers the list
        QTest::keyClick(s().window.get(), Qt::Key_F, Qt::ControlModifier);
        QCOMPARE(find.count(), 0);
    }

    void playsAndSavesTheGameFound() {
        s().type("1990"); // NAM-1975, the first shown, third in the whole list
        s().click("playButton");
        QCOMPARE(s().sandbox.lastRunArguments(), QStringList{"nam1975"});
        QVERIFY(s().exit());
        QVERIFY(s().shutDownSection().contains("\r\nAllIndex=3\r\n"));
        QVERIFY(s().start()); // the game is kept, the search is not
        QVERIFY(s().child<QLineEdit>("searchEdit")->text().isEmpty());
        QCOMPARE(s().selectedRom("allList"), QStringLiteral("nam1975"));
    }

private:
    Session& s() { return *m_session; }
    std::unique_ptr<Session> m_session;
};

QTEST_MAIN(TestSearch)
#include "TestSearch.moc"
