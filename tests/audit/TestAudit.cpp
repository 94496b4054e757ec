#include "audit/TextPanel.h"
#include "support/MainWindowSession.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QMenu>
#include <QPlainTextEdit>
#include <QProcess>

class TestAudit : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup() { m_session.reset(); }

    void auditText_data();
    void auditText();
    void newRomMovesToTheInstalledList_data();
    void newRomMovesToTheInstalledList();
    void uninstalledGameStillMissing();
    void emulatorThatDoesNotStart();
    void fileMenuDuringTheAudit();
    void altGReturnsWhileThePanelIsOpen();

private:
    // What the emulator prints for a command, asked directly.
    QString emulator(const QStringList& arguments) const;
    QString panelText() const { return m_session->child<QPlainTextEdit>("txtVerify")->toPlainText(); }
    void selectRom(const char* list, const QString& rom);
    std::unique_ptr<Session> m_session;
};

void TestAudit::init() {
    m_session = std::make_unique<Session>();
    QList<ListedGame> games = Games;
    games[0].driver += "\n\tsampleof galx\n\tsample boom.wav\n\tsample zap.wav"; // galx uses samples
    m_session->sandbox.setCatalogue(listing(games));
    writeFile(m_session->sandbox.state().SamPath + "galx/boom.wav", "RIFF");
    writeFile(m_session->sandbox.state().SamPath + "galx/zap.wav", "RIFF");
}

QString TestAudit::emulator(const QStringList& arguments) const {
    QProcess process;
    process.setWorkingDirectory(m_session->sandbox.mamePath());
    process.start(m_session->sandbox.state().mameExecutable(), arguments);
    process.waitForFinished();
    return QString::fromLatin1(process.readAllStandardOutput());
}

void TestAudit::selectRom(const char* list, const QString& rom) {
    GameListView* view = m_session->list(list);
    for (int row = 0; row < view->count(); ++row) {
        if (view->games()->game(row).romName() == rom)
            m_session->clickRow(view, row);
    }
}

void TestAudit::auditText_data() {
    QTest::addColumn<QByteArray>("view");
    QTest::addColumn<QString>("list");
    QTest::addColumn<QString>("rom");
    QTest::newRow("all games, with samples") << QByteArray("All Games") << "lvAll"
                                             << "galx";
    QTest::newRow("installed, without samples") << QByteArray("Installed Games") << "lvInstalled"
                                                << "nam1975";
    QTest::newRow("uninstalled") << QByteArray("Uninstalled Games") << "lvUninstalled"
                                 << "zoom";
}

void TestAudit::auditText() {
    QFETCH(QByteArray, view);
    QFETCH(QString, list);
    QFETCH(QString, rom);
    m_session->sandbox.writeOptions("RetroP", "[ShutDown]\r\nGameView=" + view + "\r\n");
    QVERIFY(m_session->start());
    selectRom(qPrintable(list), rom);
    QTest::mouseClick(m_session->child<QPushButton>("cmdVerify"), Qt::LeftButton);

    // The ROM check and list under "ROMs", then the sample check and list under "Samples".
    const QString expected = "ROMs\n----------\n" + emulator({rom, "-verifyroms"}) + emulator({rom, "-listroms"}) +
                             "\n\nSamples\n-------------\n" + emulator({rom, "-verifysamples"}) +
                             emulator({rom, "-listsamples"});
    QCOMPARE(panelText(), expected);
    if (rom == "galx") {
        QVERIFY(panelText().contains("sampleset galx is good"));
        QVERIFY(panelText().contains("boom.wav"));
    }
    QCOMPARE(m_session->child<QGroupBox>("fraVerify")->title(), QStringLiteral("Game Audit"));
    QVERIFY(m_session->window->PanelOpen);
    QVERIFY(m_session->enabled("cmdExit"));
    QVERIFY(m_session->child<QPushButton>("cmdGameList")->hasFocus());
    QVERIFY(!m_session->child<QPushButton>("cmdFind")->isEnabled());
    QCOMPARE(QDir(m_session->sandbox.reportsPath()).entryList({"temp*.txt"}), QStringList());

    QTest::mouseClick(m_session->child<QPushButton>("cmdGameList"), Qt::LeftButton);
    QVERIFY(!m_session->window->PanelOpen);
    QCOMPARE(panelText(), QString());
    QCOMPARE(m_session->selectedRom(qPrintable(list)), rom);
    QVERIFY(m_session->enabled("cmdRaster"));
}

void TestAudit::newRomMovesToTheInstalledList_data() {
    QTest::addColumn<bool>("neoGeoFolder");
    QTest::newRow("archive in the Retro ROM folder") << false;
    QTest::newRow("archive in the Neo-Geo ROM folder") << true;
}

void TestAudit::newRomMovesToTheInstalledList() {
    QFETCH(bool, neoGeoFolder);
    m_session->sandbox.writeOptions("RetroP", "[ShutDown]\r\nGameView=Uninstalled Games\r\n");
    QVERIFY(m_session->start());
    selectRom("lvUninstalled", "zoom");
    const app::AppState& state = m_session->sandbox.state();
    TestSandbox::addArchive(neoGeoFolder ? state.NeoROMPath : state.ROMPath, "zoom");

    m_session->window->cmdVerify_Click();
    QVERIFY(m_session->window->CheckNewRom);
    QCOMPARE(m_session->window->UninstalledCount, 2);
    QCOMPARE(m_session->panel(1), QStringLiteral("Total Games: 2"));
    QCOMPARE(m_session->panel(6), QStringLiteral("New ROM Found"));
    QCOMPARE(m_session->list("lvUninstalled")->count(), 3); // the lists change on return

    m_session->window->cmdGameList_Click();
    QVERIFY(!m_session->window->CheckNewRom);
    QCOMPARE(m_session->list("lvUninstalled")->count(), 2);
    QCOMPARE(m_session->window->InstalledCount, 3);
    QCOMPARE(m_session->list("lvInstalled")->count(), 3);
    QCOMPARE(m_session->window->AllCount, 5);
    QCOMPARE(m_session->list("lvAll")->count(), 5);
    QCOMPARE(m_session->panel(6), QStringLiteral("Not Installed"));
    m_session->window->mnuViewInstalled_Click();
    QCOMPARE(m_session->panel(1), QStringLiteral("Total Games: 3"));
    selectRom("lvInstalled", "zoom");
    QCOMPARE(m_session->selectedRom("lvInstalled"), QStringLiteral("zoom"));
}

void TestAudit::uninstalledGameStillMissing() {
    m_session->sandbox.writeOptions("RetroP", "[ShutDown]\r\nGameView=Uninstalled Games\r\n");
    QVERIFY(m_session->start());
    selectRom("lvUninstalled", "zoom");
    m_session->window->cmdVerify_Click();
    QVERIFY(m_session->window->CheckNewRom);
    QCOMPARE(m_session->panel(1), QStringLiteral("Total Games: 3"));
    QCOMPARE(m_session->panel(6), QStringLiteral("Not Installed"));
    QVERIFY(panelText().contains("romset zoom is bad"));
    m_session->window->cmdGameList_Click();
    QCOMPARE(m_session->list("lvUninstalled")->count(), 3);
    QCOMPARE(m_session->window->InstalledCount, 2);
}

void TestAudit::emulatorThatDoesNotStart() {
    m_session->sandbox.writeOptions();
    QVERIFY(m_session->start());
    QFile::remove(m_session->sandbox.state().mameExecutable());
    m_session->window->cmdVerify_Click();
    QCOMPARE(panelText(), QStringLiteral("ROMs\n----------\n\n\nSamples\n-------------\n"));
    QVERIFY(m_session->child<QPushButton>("cmdGameList")->isEnabled());
    QVERIFY(m_session->enabled("cmdExit"));
    m_session->window->cmdGameList_Click();
    QVERIFY(!m_session->window->PanelOpen);
    QVERIFY(m_session->child<QGroupBox>("fraList")->isEnabled());
}

void TestAudit::fileMenuDuringTheAudit() {
    m_session->sandbox.writeOptions();
    QVERIFY(m_session->start());
    auto* menu = m_session->child<QMenu>("mnuFile");
    const auto item = [&](const char* name) {
        return m_session->child<QAction>(QLatin1String(name));
    };
    m_session->window->cmdVerify_Click();
    emit menu->aboutToShow();
    for (const char* name : {"mnuFilePlay", "mnuFileVerify", "mnuFileExit"})
        QVERIFY(!item(name)->isEnabled());
    m_session->window->cmdGameList_Click();
    emit menu->aboutToShow();
    QVERIFY(item("mnuFileExit")->isEnabled());
    QVERIFY(item("mnuFileVerify")->isEnabled());
    QVERIFY(item("mnuFilePlay")->isEnabled()); // galx is installed
}

void TestAudit::altGReturnsWhileThePanelIsOpen() {
    m_session->sandbox.writeOptions();
    QVERIFY(m_session->start());
    QVERIFY(QTest::qWaitForWindowActive(m_session->window.get()));
    m_session->window->cmdVerify_Click();
    // The list's "&Game History" is out of reach with the list, so Alt+G means the panel's return.
    QVERIFY(!m_session->child<QPushButton>("cmdHistory")->isEnabled());
    QTest::keyClick(m_session->window->windowHandle(), Qt::Key_G, Qt::AltModifier);
    QTRY_VERIFY(!m_session->window->PanelOpen); // a mnemonic presses its button after a moment
    QVERIFY(m_session->child<QPushButton>("cmdHistory")->isEnabled());
}

QTEST_MAIN(TestAudit)
#include "TestAudit.moc"
