#include "app/MainWindow.h"
#include "app/SingleInstance.h"
#include "gui/common/SplashWindow.h"
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
    void splashShowsVersionAndTexts() {
        gui::SplashWindow splash;
        splash.show();
        const auto label = [&](const char* name) {
            return splash.findChild<QLabel*>(QLatin1String(name));
        };
        QCOMPARE(label("versionLabel")->text(), QStringLiteral(" Version " MARQUEON_VERSION_TEXT));
        QCOMPARE(label("waitLabel")->text(), QStringLiteral("Please wait while Marqueon initializes."));
        QCOMPARE(label("countCaption")->text(), QStringLiteral("Game Count:"));
        QCOMPARE(label("stepLabel")->text(), QString());
        QVERIFY(label("pictureLabel")->pixmap().width() > 0);
        splash.setCount(1234);
        QCOMPARE(label("countLabel")->text(), QStringLiteral("1234"));
        // Every text has room for itself: nothing is cut off.
        for (QLabel* text : splash.findChildren<QLabel*>()) {
            if (!text->text().isEmpty())
                QVERIFY2(text->width() >= text->sizeHint().width(), qPrintable(text->text()));
        }
    }

    void secondCopyAsksTheFirstToComeForward() {
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

    void bringToFrontRestoresAMinimisedWindow() {
        TestSandbox sandbox;
        ScriptedDialogs dialogs;
        config::AppState state;
        app::MainWindow window(state, dialogs);
        window.showMinimized();
        QTRY_VERIFY(window.isMinimized());
        window.bringToFront();
        QTRY_VERIFY(!window.isMinimized());
        QVERIFY(window.isVisible());
    }

    void secondStartEndsAndLeavesOneCopyRunning() {
        TestSandbox sandbox;
        const QString options = sandbox.optionsFile();
        writeFile(options, "[Preferences]\r\nGameList=Retro\r\n");
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("MARQUEON_HOME"), sandbox.appPath());
        environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));

        QProcess first;
        first.setProcessEnvironment(environment);
        first.start(QStringLiteral(MARQUEON_PROGRAM), QStringList());
        QVERIFY(first.waitForStarted());
        const QString name = app::singleInstanceName(config::directoryText(sandbox.appPath()));
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
};

QTEST_MAIN(TestStartup)
#include "TestStartup.moc"
