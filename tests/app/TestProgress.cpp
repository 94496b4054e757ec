#include "support/Session.h"
#include "support/TableRows.h"

#include <QKeyEvent>
#include <QProcess>

// Long emulator runs show what they do and can be cancelled, leaving every file as it was.
class TestProgress : public QObject {
    Q_OBJECT
    std::unique_ptr<Session> m_session;
    Session& s() { return *m_session; }

    QStringList m_counts; // each count the window showed
    // While the next run goes on: once its window shows Cancel and a count of 2, cancels it by
    // Escape or by the button.
    void cancelWhenShown(const QString& windowName, bool escape) {
        m_counts.clear();
        auto* timer = new QTimer(this);
        connect(timer, &QTimer::timeout, this, [=, this] {
            for (QWidget* window : QApplication::topLevelWidgets()) {
                auto* cancel = window->findChild<QPushButton*>("cancelButton");
                if (window->objectName() != windowName || !window->isVisible() || !cancel->isVisibleTo(window) ||
                    !cancel->isEnabled())
                    continue;
                const QString count = window->findChild<QLabel*>("countLabel")->text();
                if (m_counts.isEmpty() || m_counts.last() != count)
                    m_counts << count;
                if (count.toInt() >= 2 && timer->isActive()) {
                    timer->stop();
                    timer->deleteLater();
                    escape ? QTest::keyClick(window, Qt::Key_Escape) : QTest::mouseClick(cancel, Qt::LeftButton);
                }
            }
        });
        timer->start(20);
    }
    QStringList reportsFolder() { return QDir(s().sandbox.reportsPath()).entryList(QDir::Files | QDir::Hidden); }

private slots:
    void init() { m_session = std::make_unique<Session>(); }
    void cleanup() { m_session.reset(); }

    // A refresh after the emulator changed rebuilds the catalogue; cancelled, the former one stays.
    void refreshCancelled_data() {
        columns<bool, bool>({"escape", "today"});
        row("Cancel button", false, false);
        row("Escape", true, false);
        row("today's emulator", true, true);
    }
    void refreshCancelled() {
        const bool today = cell<bool>("today");
        if (today)
            writeFile(s().sandbox.mamePath() + "standin-today", "");
        QVERIFY(s().startWith("RetroP"));
        const QString catalogue = s().sandbox.state().cataloguePath();
        const QByteArray before = readFile(catalogue), info = readFile(s().sandbox.state().catalogueInfoPath());
        const QStringList files = reportsFolder();
        writeFile(s().sandbox.mamePath() + "standin-control.txt",
                  today ? "-listxml delay 300\n" : "-listinfo delay 300\n");
        QCOMPARE(QProcess::execute("touch", {"-d", "tomorrow", s().sandbox.state().mameExecutable()}), 0); // a new one
        cancelWhenShown("waitWindow", cell<bool>("escape"));
        s().trigger("refreshAction");
        QVERIFY2(m_counts.size() >= 2, qPrintable(m_counts.join(' '))); // a rising count was shown
        QCOMPARE(readFile(catalogue), before);
        QCOMPARE(readFile(s().sandbox.state().catalogueInfoPath()), info);
        QCOMPARE(reportsFolder(), files);
        QCOMPARE(s().dialogs.texts(), QStringList{"You cancelled the game list.  The game list was not updated."});
        QCOMPARE(s().panel(1), QStringLiteral("Total Games: 5"));
        // The window has the keyboard again; the next refresh offers the update again.
        QTRY_COMPARE(QApplication::activeWindow(), s().window.get());
        QFile::remove(s().sandbox.mamePath() + "standin-control.txt");
        s().sandbox.setCatalogue(listing(Games + QList<ListedGame>{{"added", "Added Game"}}));
        s().trigger("refreshAction");
        QCOMPARE(s().panel(1), QStringLiteral("Total Games: 6"));
    }

    // A whole-collection report cancelled: back to the list, the former report as it was.
    void reportCancelled() {
        QVERIFY(s().startWith("RetroP"));
        writeFile(s().sandbox.reportsPath() + "roms.txt", "an older report\r\n");
        // Sets with a missing ROM each get lines of their own, written one by one.
        for (const char* name : {"galx", "galxb", "zoom", "neob"})
            writeFile(s().sandbox.state().directories.retroRoms + name + ".zip", "MISSING");
        writeFile(s().sandbox.mamePath() + "standin-control.txt", "-verifyroms delay 400\n");
        s().dialogs.answers << true;
        cancelWhenShown("waitWindow", true);
        s().trigger("verifyRomsAction");
        QCOMPARE(readFile(s().sandbox.reportsPath() + "roms.txt"), QByteArray("an older report\r\n"));
        QVERIFY(!s().panelOpen());
        QCOMPARE(reportsFolder().filter("roms"), QStringList{"roms.txt"});
    }

    // The first catalogue build cancelled: empty lists, the options kept, the program goes on.
    void firstBuildCancelled() {
        writeFile(s().sandbox.mamePath() + "standin-control.txt", "-listinfo delay 300\n");
        cancelWhenShown("splashWindow", false);
        QVERIFY(s().startWith("RetroP"));
        QVERIFY(!QFile::exists(s().sandbox.state().cataloguePath()));
        QVERIFY(QFile::exists(s().sandbox.state().optionsFile()));
        QCOMPARE(s().dialogs.texts(), QStringList{"You cancelled the game list.  The game list was not built."});
        QCOMPARE(s().panel(1), QStringLiteral("Total Games: 0"));
    }
};

QTEST_MAIN(TestProgress)
#include "TestProgress.moc"
