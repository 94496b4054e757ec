#include "support/MainWindowSession.h"

#include <QAction>
#include <QCheckBox>
#include <QLineEdit>
#include <QRadioButton>

class TestPreferences : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup() { m_session.reset(); }

    void cancelKeepsEverything();
    void listChangesRefresh_data();
    void listChangesRefresh();
    void samplesFolderAloneNeedsNoRefresh();
    void starFieldStoresNoColours();

private:
    // Opens Tools, Options, lets the action work on the wizard and presses OK (or not).
    void options(std::function<void(QDialog*)> change, bool ok = true);
    std::unique_ptr<Session> m_session;
};

void TestPreferences::init() {
    m_session = std::make_unique<Session>();
    m_session->sandbox.writeOptions();
    QVERIFY(m_session->start());
}

void TestPreferences::options(std::function<void(QDialog*)> change, bool ok) {
    onNextModal([change, ok](QDialog* wizard) {
        change(wizard);
        QTest::mouseClick(wizard->findChild<QPushButton*>("cmdNext"), Qt::LeftButton);
        QTest::mouseClick(wizard->findChild<QPushButton*>(ok ? "cmdOK" : "cmdCancel"), Qt::LeftButton);
    });
    m_session->child<QAction>("mnuToolsOptions")->trigger();
}

void TestPreferences::cancelKeepsEverything() {
    const QByteArray before = readFile(m_session->sandbox.optionsFile());
    options([](QDialog* wizard) { wizard->findChild<QCheckBox*>("chkHideClones")->setChecked(true); }, false);
    QVERIFY(!m_session->state.SetupCancelled); // the program goes on
    QVERIFY(!m_session->state.HideClones);
    QCOMPARE(readFile(m_session->sandbox.optionsFile()), before);
    QVERIFY(m_session->dialogs.shown.isEmpty());
    QVERIFY(m_session->window->isVisible());
}

void TestPreferences::listChangesRefresh_data() {
    QTest::addColumn<QString>("change");
    QTest::addColumn<QString>("panel1");
    QTest::newRow("hide clones") << "chkHideClones"
                                 << "Total Games: 4";
    QTest::newRow("Retro games only") << "optRetro"
                                      << "Total Games: 3";
}

void TestPreferences::listChangesRefresh() {
    QFETCH(QString, change);
    QFETCH(QString, panel1);
    options([change](QDialog* wizard) {
        if (auto* box = wizard->findChild<QCheckBox*>(change))
            box->setChecked(true);
        else
            wizard->findChild<QRadioButton*>(change)->setChecked(true);
    });
    QCOMPARE(m_session->dialogs.texts(),
             QStringList{"Marqueon will now refresh the Game List to update your changes."});
    QCOMPARE(m_session->dialogs.shown.first().icon, app::Dialogs::Icon::Information);
    QCOMPARE(m_session->panel(1), panel1);
}

void TestPreferences::samplesFolderAloneNeedsNoRefresh() {
    const QString samples = m_session->sandbox.root() + "/other samples/";
    options([samples](QDialog* wizard) { wizard->findChild<QLineEdit*>("txtSamPath")->setText(samples); });
    QVERIFY(m_session->dialogs.shown.isEmpty());
    QVERIFY(QString::fromLatin1(readFile(m_session->sandbox.mamePath() + "mame.cfg"))
                .contains("samplepath = " + samples + "\r\n"));
    QVERIFY(QString::fromLatin1(readFile(m_session->sandbox.optionsFile())).contains("Samples=" + samples + "\r\n"));
}

void TestPreferences::starFieldStoresNoColours() {
    m_session->dialogs.colours << 0x0000FFu << 0xFFFFFFu;
    options([](QDialog* wizard) {
        wizard->findChild<QCheckBox*>("chkBackground")->setChecked(false);
        QTest::mouseClick(wizard->findChild<QPushButton*>("cmdBackColor"), Qt::LeftButton);
        QTest::mouseClick(wizard->findChild<QPushButton*>("cmdForeColor"), Qt::LeftButton);
    });
    QByteArray options = readFile(m_session->sandbox.optionsFile());
    QVERIFY(options.contains("UseStarfield=False\r\nBackColor=255\r\nForeColor=16777215\r\n"));
    QCOMPARE(m_session->list("lvAll")->palette().color(QPalette::Base), QColor(255, 0, 0));

    this->options([](QDialog* wizard) { wizard->findChild<QCheckBox*>("chkBackground")->setChecked(true); });
    options = readFile(m_session->sandbox.optionsFile());
    QVERIFY(options.contains("UseStarfield=True\r\nBackColor=0\r\nForeColor=0\r\n"));
    QCOMPARE(m_session->list("lvAll")->palette().color(QPalette::Text), QColor(Qt::white));
}

QTEST_MAIN(TestPreferences)
#include "TestPreferences.moc"
