#include "support/MainWindowSession.h"

#include <QAction>
#include <QFile>
#include <QMenu>
#include <QPlainTextEdit>

class TestConfigEditor : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup() { m_session.reset(); }

    void startCreatesAMissingFile_data();
    void startCreatesAMissingFile();
    void returnWithAndWithoutTyping_data();
    void returnWithAndWithoutTyping();
    void missingFileIsCreatedFirst();
    void toolsMenuWhileEditing();

private:
    QString configPath() const { return m_session->sandbox.mamePath() + "mame.cfg"; }
    QPlainTextEdit* editor() const { return m_session->child<QPlainTextEdit>("txtVerify"); }
    std::unique_ptr<Session> m_session;
};

void TestConfigEditor::init() {
    m_session = std::make_unique<Session>();
}

void TestConfigEditor::startCreatesAMissingFile_data() {
    QTest::addColumn<QByteArray>("gameList");
    QTest::addColumn<QString>("rompath");
    QTest::newRow("Retro") << QByteArray("Retro") << "roms/";
    QTest::newRow("all") << QByteArray("RetroP") << "roms/;<mame>neogeo/";
    QTest::newRow("Neo-Geo") << QByteArray("NeoOnly") << "neogeo/";
}

void TestConfigEditor::startCreatesAMissingFile() {
    QFETCH(QByteArray, gameList);
    QFETCH(QString, rompath);
    m_session->sandbox.writeOptions(gameList);
    QVERIFY(m_session->start());
    const QString mame = m_session->sandbox.mamePath();
    QCOMPARE(QString::fromLatin1(readFile(configPath())),
             "[directory]\r\nrompath = " + mame + QString(rompath).replace("<mame>", mame) +
                 "\r\nsamplepath = " + mame + "samples/\r\nsnap = " + mame + "snap/\r\n");
    QCOMPARE(m_session->state.MAMERomPath, mame + QString(rompath).replace("<mame>", mame));
}

void TestConfigEditor::returnWithAndWithoutTyping_data() {
    QTest::addColumn<QString>("typed");
    QTest::addColumn<int>("answer"); // -1: no question expected; 0 No; 1 Yes
    QTest::addColumn<QByteArray>("file");
    QTest::newRow("nothing typed") << QString() << -1 << QByteArray("[directory]\r\nrompath = x\r\n");
    QTest::newRow("typed, No") << QString("; mine\n") << 0 << QByteArray("[directory]\r\nrompath = x\r\n");
    QTest::newRow("typed, Yes") << QString("; mine\n") << 1 << QByteArray("; mine\r\n[directory]\r\nrompath = x\r\n");
}

void TestConfigEditor::returnWithAndWithoutTyping() {
    QFETCH(QString, typed);
    QFETCH(int, answer);
    QFETCH(QByteArray, file);
    m_session->sandbox.writeOptions();
    writeFile(configPath(), "[directory]\nrompath = x\n");
    QVERIFY(m_session->start());
    m_session->child<QAction>("mnuToolsEdit")->trigger();
    QCOMPARE(m_session->child<QGroupBox>("fraVerify")->title(), QStringLiteral("Edit M.A.M.E. Config File"));
    QVERIFY(!editor()->isReadOnly());
    QCOMPARE(editor()->toPlainText(), QStringLiteral("[directory]\nrompath = x\n"));
    QVERIFY(!m_session->window->ConfigChanged);
    if (!typed.isEmpty()) {
        editor()->moveCursor(QTextCursor::Start);
        QTest::keyClicks(editor(), "; mine");
        QTest::keyClick(editor(), Qt::Key_Return);
    }
    if (answer >= 0)
        m_session->dialogs.answers << (answer == 1);
    m_session->window->cmdGameList_Click();
    QCOMPARE(m_session->dialogs.texts(),
             answer >= 0 ? QStringList{"Do you want to save the changes to the mame.cfg file?"} : QStringList());
    if (answer >= 0)
        QCOMPARE(m_session->dialogs.shown.first().icon, app::Dialogs::Icon::Exclamation);
    QCOMPARE(readFile(configPath()), answer == 1 ? file : QByteArray("[directory]\nrompath = x\n"));
    QVERIFY(!m_session->window->ConfigChanged);
    QVERIFY(editor()->isReadOnly());
    QVERIFY(!m_session->window->PanelOpen);
}

void TestConfigEditor::missingFileIsCreatedFirst() {
    m_session->sandbox.writeOptions("Retro");
    QVERIFY(m_session->start());
    QFile::remove(configPath());
    m_session->child<QAction>("mnuToolsEdit")->trigger();
    QCOMPARE(m_session->dialogs.texts(),
             QStringList{"Cannot find the mame.cfg file.  Marqueon will now create one for you."});
    QCOMPARE(m_session->dialogs.shown.first().icon, app::Dialogs::Icon::Information);
    QVERIFY(editor()->toPlainText().startsWith("[directory]\nrompath = " + m_session->sandbox.mamePath() + "roms/"));
    m_session->window->cmdGameList_Click();
    QCOMPARE(m_session->dialogs.shown.size(), 1);
}

void TestConfigEditor::toolsMenuWhileEditing() {
    m_session->sandbox.writeOptions();
    QVERIFY(m_session->start());
    m_session->child<QAction>("mnuToolsEdit")->trigger();
    emit m_session->child<QMenu>("mnuTools")->aboutToShow();
    for (const char* name : {"mnuToolsRaster", "mnuToolsRefresh", "mnuToolsEdit", "mnuToolsCustom"})
        QVERIFY(!m_session->child<QAction>(QLatin1String(name))->isEnabled());
}

QTEST_MAIN(TestConfigEditor)
#include "TestConfigEditor.moc"
