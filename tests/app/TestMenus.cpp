#include "support/Session.h"

#include <QFile>
#include <QMenu>
#include <QMenuBar>

namespace {

const QStringList GameItems = {"playAction", "auditAction", "historyAction", "customSettingsAction"};

// The letter after a caption's "&", or none.
QChar accelerator(const QString& caption) {
    const qsizetype at = caption.indexOf(u'&');
    return at >= 0 && at + 1 < caption.size() ? caption[at + 1].toUpper() : QChar();
}

} // namespace

class TestMenus : public QObject {
    Q_OBJECT

private slots:
    // Every "&" is a working accelerator that no other item of its menu (or menu of the bar) shares.
    void acceleratorsAreUnambiguous() {
        Session session;
        QVERIFY(session.startWith());
        QSet<QChar> bar;
        for (QAction* top : session.window->menuBar()->actions()) {
            const QChar key = accelerator(top->text());
            QVERIFY2(!key.isNull() && !bar.contains(key), qPrintable(top->text()));
            bar.insert(key);
            QSet<QChar> items;
            for (QAction* item : top->menu()->actions()) {
                const QChar itemKey = accelerator(item->text());
                QVERIFY2(itemKey.isNull() || !items.contains(itemKey), qPrintable(item->text()));
                items.insert(itemKey);
            }
        }
    }

    // The keys desktop programs share: F11 full screen and back, F1 the user guide, Ctrl+Q exits
    // through the question.
    void commonKeys() {
        Session session;
        writeFile(session.sandbox.appPath() + "retro.txt", "Guide\r\n");
        QVERIFY(session.startWith());
        QWidget* window = session.window.get();
        QVERIFY(QTest::qWaitForWindowActive(window));
        QTest::keyClick(window, Qt::Key_F11);
        QTRY_VERIFY(window->isFullScreen());
        QTest::keyClick(window, Qt::Key_F11);
        QTRY_VERIFY(!window->isFullScreen());
        QTest::keyClick(window, Qt::Key_F1);
        QCOMPARE(session.child<QGroupBox>("textPanel")->title(), QStringLiteral("Marqueon File"));
        session.child<QWidget>("textPanel")->findChild<QPushButton*>("returnButton")->click();
        session.dialogs.answers << false;
        QTest::keyClick(window, Qt::Key_Q, Qt::ControlModifier);
        QCOMPARE(session.dialogs.texts(), QStringList{"Do you want to exit?"});
        QVERIFY(window->isVisible());
    }

    // What the menus and buttons offer as the window goes from state to state.
    void enabling() {
        Session session;
        writeFile(session.sandbox.appPath() + "retro.txt", "Guide\r\n");
        QVERIFY(session.startWith());
        const auto check = [&](const QStringList& disabled) {
            for (QAction* top : session.window->menuBar()->actions()) {
                emit top->menu()->aboutToShow();
                for (QAction* item : top->menu()->actions()) {
                    // Full screen is only a way of showing the window: always there.
                    const bool expected = item->objectName() == "fullScreenAction" ||
                                          (!disabled.contains("*") && !disabled.contains(item->objectName()));
                    QVERIFY2(item->isSeparator() || item->isEnabled() == expected, qPrintable(item->objectName()));
                }
            }
            // The buttons follow their actions; the window's own Exit button leaves any panel by closing.
            QCOMPARE(session.enabled("playButton"), !disabled.contains("*") && !disabled.contains("playAction"));
            QCOMPARE(session.enabled("rasterButton"), !disabled.contains("*"));
            QVERIFY(session.enabled("exitButton"));
        };
        // The classic emulator keeps no favourites to take or give.
        const QStringList classic = {"importFavouritesAction", "exportFavouritesAction"};
        session.select("galx");
        check(classic);
        session.select("zoom"); // not installed
        check(classic + QStringList{"playAction", "customSettingsAction"});
        session.trigger("viewUninstalledAction");
        check(classic + QStringList{"playAction", "customSettingsAction"});
        session.trigger("viewAllAction");
        session.select("galx");
        for (const char* panel :
             {"rasterDefaultsAction", "auditAction", "maintenanceAction", "editConfigAction", "helpFileAction"}) {
            session.trigger(panel);
            check({"*"});
            for (QPushButton* back : session.window->findChildren<QPushButton*>()) {
                if (back->isVisible() && back->isEnabled() &&
                    (back->objectName() == "returnButton" || back->objectName() == "cancelButton"))
                    back->click();
            }
            QVERIFY(!session.panelOpen());
        }
    }

    void altGMeansTheOpenPanelsReturn() {
        Session session;
        QVERIFY(session.startWith());
        QVERIFY(QTest::qWaitForWindowActive(session.window.get()));
        for (const char* panel : {"auditAction", "maintenanceAction"}) {
            session.trigger(panel);
            // The list's "&Game History" is out of reach with the list, so Alt+G means the panel's return.
            QVERIFY(!session.enabled("historyButton"));
            QTest::keyClick(session.window->windowHandle(), Qt::Key_G, Qt::AltModifier);
            QTRY_VERIFY(!session.panelOpen()); // a mnemonic presses its button after a moment
            QVERIFY(session.enabled("historyButton"));
        }
    }
};

QTEST_MAIN(TestMenus)
#include "TestMenus.moc"
