#include "app/AppState.h"
#include "app/MainWindow.h"
#include "app/SingleInstance.h"
#include "app/SplashWindow.h"
#include "support/ScriptedDialogs.h"
#include "support/TestSandbox.h"

#include <QLabel>
#include <QLocalSocket>
#include <QProcess>
#include <QSignalSpy>
#include <QTest>

class TestStartup : public QObject {
    Q_OBJECT

private slots:
    void splashShowsVersionAndTexts();
    void secondCopyAsksTheFirstToComeForward();
    void bringToFrontRestoresAMinimisedWindow();
    void secondStartEndsAndLeavesOneCopyRunning();
};

void TestStartup::splashShowsVersionAndTexts() {
    app::SplashWindow splash;
    const auto text = [&](const char* name) {
        return splash.findChild<QLabel*>(QLatin1String(name))->text();
    };
    QCOMPARE(text("lblVersion"), QStringLiteral(" Version " MARQUEON_VERSION_TEXT));
    QCOMPARE(text("lblWait"), QStringLiteral("Please wait while Marqueon initializes."));
    QCOMPARE(text("lblCountLabel"), QStringLiteral("Game Count:"));
    QCOMPARE(text("lblMessage"), QString());
    QVERIFY(splash.findChild<QLabel*>(QStringLiteral("Picture1"))->pixmap().width() > 0);
    splash.setCount(1234);
    QCOMPARE(text("lblCount"), QStringLiteral("1234"));
}

void TestStartup::secondCopyAsksTheFirstToComeForward() {
    QTemporaryDir directory;
    app::SingleInstance first(directory.path());
    QVERIFY(!first.activatePrevious());
    first.listen();
    QSignalSpy asked(&first, &app::SingleInstance::activationRequested);

    // Another application directory is another installation: the copies do not meet.
    QTemporaryDir other;
    QVERIFY(!app::SingleInstance(other.path()).activatePrevious());

    app::SingleInstance second(directory.path());
    QVERIFY(second.activatePrevious());
    QVERIFY(asked.wait(5000));
}

void TestStartup::bringToFrontRestoresAMinimisedWindow() {
    TestSandbox sandbox;
    ScriptedDialogs dialogs;
    app::AppState state;
    app::MainWindow window(state, dialogs);
    window.showMinimized();
    QTRY_VERIFY(window.isMinimized());
    window.bringToFront();
    QTRY_VERIFY(!window.isMinimized());
    QVERIFY(window.isVisible());
}

void TestStartup::secondStartEndsAndLeavesOneCopyRunning() {
    TestSandbox sandbox;
    const QString options = sandbox.appPath() + "settings/options.ini";
    writeFile(options, "[Preferences]\r\nGameList=Retro\r\n");
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("MARQUEON_HOME"), sandbox.appPath());
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));

    QProcess first;
    first.setProcessEnvironment(environment);
    first.start(QStringLiteral(MARQUEON_PROGRAM), QStringList());
    QVERIFY(first.waitForStarted());
    const QString name = app::singleInstanceName(app::directoryText(sandbox.appPath()));
    QTRY_VERIFY_WITH_TIMEOUT(
        [&] {
            QLocalSocket probe;
            probe.connectToServer(name);
            return probe.waitForConnected(100);
        }(),
        20000);
    const QByteArray before = readFile(options);

    QProcess second;
    second.setProcessEnvironment(environment);
    second.start(QStringLiteral(MARQUEON_PROGRAM), QStringList());
    QVERIFY(second.waitForFinished(20000));
    QCOMPARE(second.exitStatus(), QProcess::NormalExit);
    QCOMPARE(second.exitCode(), 0);
    QCOMPARE(first.state(), QProcess::Running);
    QCOMPARE(readFile(options), before);

    first.kill();
    first.waitForFinished();
}

QTEST_MAIN(TestStartup)
#include "TestStartup.moc"
