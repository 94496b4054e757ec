#include "support/MainWindowSession.h"

#include <QAction>
#include <QFile>

class TestRefresh : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup() { m_session.reset(); }

    void unchangedEmulatorOnlyReloads_data();
    void unchangedEmulatorOnlyReloads();
    void changedEmulatorRebuilds();
    void failedRebuildStoresTheDate();

private:
    void touchEmulator();
    std::unique_ptr<Session> m_session;
};

void TestRefresh::init() {
    m_session = std::make_unique<Session>();
}

void TestRefresh::touchEmulator() {
    QFile mame(m_session->sandbox.state().mameExecutable());
    QVERIFY(mame.open(QIODevice::ReadWrite));
    QVERIFY(mame.setFileTime(QDateTime::currentDateTime().addDays(1), QFileDevice::FileModificationTime));
}

void TestRefresh::unchangedEmulatorOnlyReloads_data() {
    QTest::addColumn<QByteArray>("view");
    QTest::addColumn<QString>("list");
    QTest::addColumn<QString>("first");
    QTest::addColumn<QString>("panel1");
    QTest::newRow("all games") << QByteArray("All Games") << "lvAll"
                               << "added"
                               << "Total Games: 6";
    QTest::newRow("installed") << QByteArray("Installed Games") << "lvInstalled"
                               << "galx"
                               << "Total Games: 2";
    QTest::newRow("uninstalled") << QByteArray("Uninstalled Games") << "lvUninstalled"
                                 << "added"
                                 << "Total Games: 4";
}

void TestRefresh::unchangedEmulatorOnlyReloads() {
    QFETCH(QByteArray, view);
    QFETCH(QString, list);
    QFETCH(QString, first);
    QFETCH(QString, panel1);
    m_session->sandbox.writeOptions("RetroP", "[ShutDown]\r\nGameView=" + view + "\r\nAllIndex=3\r\n");
    QVERIFY(m_session->start());
    m_session->dialogs.answers << true;
    QVERIFY(m_session->window->close()); // stores the emulator's date
    QVERIFY(m_session->start());
    m_session->clickRow(m_session->list(qPrintable(list)), 1);

    // A game added to the catalogue by hand shows after the refresh; the listing is not made again.
    const QString reports = m_session->sandbox.reportsPath();
    QFile::remove(reports + "listinfo.txt");
    QByteArray catalogue = readFile(reports + "gameinfo.txt");
    catalogue.prepend("\"Added Game\",\"1999\",\"Good\",\"Good\",\"Good\",\"Maker\",\"Raster\",\"224x288   V\","
                      "\"Original\",\"added\"\r\n");
    writeFile(reports + "gameinfo.txt", catalogue);

    m_session->child<QAction>("mnuToolsRefresh")->trigger();
    QVERIFY(!QFile::exists(reports + "listinfo.txt"));
    QCOMPARE(m_session->selectedRom(qPrintable(list)), first); // the first game, whatever was selected
    QCOMPARE(m_session->panel(1), panel1);
    QCOMPARE(m_session->window->View.AllIndex, 1);
    QCOMPARE(m_session->child<QLabel>("lblList")->text(), QStringLiteral("All Games"));
    for (const char* button : {"cmdExit", "cmdRaster", "cmdVector", "cmdMaintenance"})
        QVERIFY(m_session->enabled(button));
    QVERIFY(!m_session->window->findChild<QWidget*>("frmWait"));
}

void TestRefresh::changedEmulatorRebuilds() {
    m_session->sandbox.writeOptions();
    QVERIFY(m_session->start());
    QList<ListedGame> more = Games;
    more.append(ListedGame{"newg", "New Game"});
    m_session->sandbox.setCatalogue(listing(more));
    touchEmulator();
    m_session->child<QAction>("mnuToolsRefresh")->trigger();
    QCOMPARE(m_session->panel(1), QStringLiteral("Total Games: 6"));
    QCOMPARE(m_session->window->View.MAMEDate,
             QFileInfo(m_session->sandbox.state().mameExecutable()).lastModified().toString(Qt::ISODateWithMs));
    QVERIFY(m_session->dialogs.shown.isEmpty());
}

void TestRefresh::failedRebuildStoresTheDate() {
    m_session->sandbox.writeOptions();
    QVERIFY(m_session->start());
    m_session->sandbox.setCatalogue(QByteArray()); // the new emulator lists nothing
    touchEmulator();
    m_session->child<QAction>("mnuToolsRefresh")->trigger();
    QCOMPARE(m_session->dialogs.texts(), QStringList{"M.A.M.E. listed no games.  The game list was not updated."});
    QCOMPARE(m_session->panel(1), QStringLiteral("Total Games: 5")); // the former catalogue, kept
    const QString date = m_session->window->View.MAMEDate;
    QVERIFY(!date.isEmpty());

    // Not tried again until the emulator changes once more.
    m_session->dialogs.shown.clear();
    m_session->child<QAction>("mnuToolsRefresh")->trigger();
    QVERIFY(m_session->dialogs.shown.isEmpty());
}

QTEST_MAIN(TestRefresh)
#include "TestRefresh.moc"
