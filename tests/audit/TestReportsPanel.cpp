#include "support/MainWindowSession.h"

#include <QAction>
#include <QFile>
#include <QPlainTextEdit>
#include <QStatusBar>

class TestReportsPanel : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup() { m_session.reset(); }

    void createsAndShowsAReport_data();
    void createsAndShowsAReport();
    void answeringNoChangesNothing();
    void viewingAMissingReport_data();
    void viewingAMissingReport();
    void findBadSetsCycle();
    void reportMissingAfterTheRun();

private:
    QString text() const { return m_session->child<QPlainTextEdit>("txtVerify")->toPlainText(); }
    QString selected() const { return m_session->child<QPlainTextEdit>("txtVerify")->textCursor().selectedText(); }
    void find() { QTest::mouseClick(m_session->child<QPushButton>("cmdFind"), Qt::LeftButton); }
    std::unique_ptr<Session> m_session;
};

void TestReportsPanel::init() {
    m_session = std::make_unique<Session>();
    // Two sets the emulator will call bad.
    writeFile(m_session->sandbox.state().ROMPath + "galx.zip", "BADCRC");
    writeFile(m_session->sandbox.state().NeoROMPath + "nam1975.zip", "MISSING");
    m_session->sandbox.writeOptions();
    QVERIFY(m_session->start());
}

void TestReportsPanel::createsAndShowsAReport_data() {
    QTest::addColumn<QString>("item");
    QTest::addColumn<QString>("file");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("summary");
    QTest::newRow("ROMs") << "mnuReportsVerifyRoms"
                          << "roms.txt"
                          << "Verify All ROMs"
                          << "romsets found";
    QTest::newRow("samples") << "mnuReportsVerifySamples"
                             << "samples.txt"
                             << "Verify All Samples"
                             << "samplesets found";
    QTest::newRow("sets") << "mnuReportsVerifySets"
                          << "sets.txt"
                          << "Verify All Sets"
                          << "romsets found";
}

void TestReportsPanel::createsAndShowsAReport() {
    QFETCH(QString, item);
    QFETCH(QString, file);
    QFETCH(QString, caption);
    QFETCH(QString, summary);
    m_session->dialogs.answers << true;
    m_session->child<QAction>(item)->trigger();
    QCOMPARE(m_session->dialogs.texts(), QStringList{"This could take a long time.  Do you want to continue?"});
    QCOMPARE(m_session->dialogs.shown.first().icon, app::Dialogs::Icon::Exclamation);
    QCOMPARE(m_session->child<QGroupBox>("fraVerify")->title(), caption);
    QVERIFY(m_session->child<QStatusBar>("StatusBar2")->isVisible());
    QVERIFY(m_session->child<QPushButton>("cmdFind")->isEnabled());

    // The summary first, the body, then "End of report." where the summary stood.
    const QString report = QString::fromLatin1(readFile(m_session->sandbox.reportsPath() + file));
    const QStringList lines = text().split('\n');
    QVERIFY2(lines.first().contains(summary), qPrintable(text()));
    QCOMPARE(lines.at(1), QString());
    QVERIFY(report.contains(lines.first())); // the file itself is kept as the emulator wrote it
    QVERIFY(text().contains("\n\nEnd of report."));
    QVERIFY(!report.contains("End of report."));

    // Viewing it again moves the summary again, from the file.
    m_session->window->cmdGameList_Click();
    QVERIFY(!m_session->child<QStatusBar>("StatusBar2")->isVisible());
    QVERIFY(!m_session->child<QPushButton>("cmdFind")->isEnabled());
    m_session
        ->child<QAction>(QString(item).replace("Verify", "Last").replace("Roms", "Rom").replace("Samples", "Sample"))
        ->trigger();
    QCOMPARE(m_session->child<QGroupBox>("fraVerify")->title(),
             QString(caption).replace("Verify All", "View") + " Report");
    QVERIFY(text().split('\n').first().contains(summary));
}

void TestReportsPanel::answeringNoChangesNothing() {
    m_session->dialogs.answers << false;
    m_session->child<QAction>("mnuReportsVerifySets")->trigger();
    QVERIFY(!m_session->window->PanelOpen);
    QVERIFY(!QFile::exists(m_session->sandbox.reportsPath() + "sets.txt"));
    QVERIFY(!m_session->child<QStatusBar>("StatusBar2")->isVisible());
}

void TestReportsPanel::viewingAMissingReport_data() {
    QTest::addColumn<QString>("item");
    QTest::addColumn<QString>("message");
    QTest::newRow("ROMs") << "mnuReportsLastRom"
                          << "Cannot find ROMs report.  You can create one from the Reports pull-down menu above.";
    QTest::newRow("samples")
        << "mnuReportsLastSample"
        << "Cannot find Samples report.  You can create one from the Reports pull-down menu above.";
    QTest::newRow("sets") << "mnuReportsLastSets"
                          << "Cannot find Sets report.  You can create one from the Reports pull-down menu above.";
}

void TestReportsPanel::viewingAMissingReport() {
    QFETCH(QString, item);
    QFETCH(QString, message);
    m_session->child<QAction>(item)->trigger();
    QCOMPARE(m_session->dialogs.texts(), QStringList{message});
    QCOMPARE(m_session->dialogs.shown.first().icon, app::Dialogs::Icon::Information);
    QVERIFY(!m_session->window->PanelOpen);
}

void TestReportsPanel::findBadSetsCycle() {
    m_session->dialogs.answers << true;
    m_session->window->mnuReportsVerifyRoms_Click();
    find();
    QVERIFY2(selected().startsWith("romset ") && selected().endsWith(" is bad"), qPrintable(selected()));
    const QString first = selected();
    find();
    QVERIFY(selected().startsWith("romset ") && selected() != first);
    find();
    QCOMPARE(m_session->dialogs.texts().last(), QStringLiteral("Finished searching report."));
    QCOMPARE(m_session->dialogs.shown.last().icon, app::Dialogs::Icon::None);
    QCOMPARE(m_session->window->FindPosition, 0);
    find();
    QCOMPARE(selected(), first);

    m_session->window->cmdGameList_Click();
    QCOMPARE(m_session->window->FindPosition, 0);
}

void TestReportsPanel::reportMissingAfterTheRun() {
    QFile::remove(m_session->sandbox.state().mameExecutable());
    m_session->dialogs.answers << true;
    m_session->window->mnuReportsVerifySamples_Click();
    QCOMPARE(text(), QStringLiteral("There was an error in the MoveSummary procedure."));
    find();
    QCOMPARE(m_session->dialogs.texts().last(), QStringLiteral("No bad sets found."));
    QVERIFY(m_session->child<QPushButton>("cmdGameList")->isEnabled());
    m_session->window->cmdGameList_Click();
    QVERIFY(!m_session->window->PanelOpen);
}

QTEST_MAIN(TestReportsPanel)
#include "TestReportsPanel.moc"
