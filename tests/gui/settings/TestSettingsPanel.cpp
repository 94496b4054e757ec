#include "core/exec/CommandRunner.h"
#include "core/settings/SettingsFile.h"
#include "gui/settings/SettingsPanel.h"
#include "support/Controls.h"
#include "support/ScriptedDialogs.h"
#include "support/TableRows.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>

using namespace settings;
using Icon = gui::Dialogs::Icon;

class TestSettingsPanel : public QObject {
    Q_OBJECT

    std::unique_ptr<TestSandbox> m_sandbox;
    ScriptedDialogs m_dialogs;
    std::unique_ptr<exec::Emulator> m_emulator;
    exec::CommandRunner m_runner;
    std::unique_ptr<SettingsSession> m_session;
    std::unique_ptr<gui::SettingsPanel> m_panel;
    std::unique_ptr<QSignalSpy> m_finished;

    QWidget* child(const char* name) const { return control(m_panel.get(), name); }
    bool on(const char* name) const { return control<QAbstractButton>(m_panel.get(), name)->isChecked(); }
    bool enabled(const char* name) const { return child(name)->isEnabled(); }
    QComboBox* list(const char* name) const { return control<QComboBox>(m_panel.get(), name); }
    QString file(const QString& name) const { return m_sandbox->settingsPath() + name; }
    QByteArray settingsFiles() const {
        QByteArray all;
        for (const QString& name : QDir(m_sandbox->settingsPath()).entryList(QDir::Files))
            all += name.toLatin1() + ':' + readFile(file(name));
        return all;
    }

private slots:
    void init() {
        m_sandbox = std::make_unique<TestSandbox>();
        m_dialogs = ScriptedDialogs();
        m_emulator = std::make_unique<exec::Emulator>(m_sandbox->state());
        m_session = std::make_unique<SettingsSession>(m_sandbox->state(), *m_emulator, m_runner);
        m_panel = std::make_unique<gui::SettingsPanel>(*m_session, m_dialogs);
        m_finished = std::make_unique<QSignalSpy>(m_panel.get(), &gui::SettingsPanel::finished);
        m_panel->show();
        QVERIFY(QTest::qWaitForWindowActive(m_panel.get()));
    }
    void cleanup() { m_panel.reset(); }
    // A game has its own settings and its kind's defaults, both at the emulator's defaults (gamma 1.00).
    void openRestoreAndCancel_data() {
        columns<QString, bool, QString, QString>({"rom", "vector", "caption", "restoreCaption"});
        row("raster defaults", QString(), false, "Raster Defaults", "R&estore M.A.M.E. Defaults");
        row("vector defaults", QString(), true, "Vector Defaults", "R&estore M.A.M.E. Defaults");
        row("raster game", "galx", false, "Custom Settings", "R&estore Raster Defaults");
        row("vector game", "vecx", true, "Custom Settings", "R&estore Vector Defaults");
    }
    void openRestoreAndCancel() {
        const QString& rom = cell<QString>("rom");
        const SettingsKind kind = cell<bool>("vector") ? SettingsKind::Vector : SettingsKind::Raster;
        QVERIFY(rom.isEmpty() || (writeSettingsFile(file(defaultsFileName(kind)), kind, SettingsRecord::defaults()) &&
                                  writeSettingsFile(file(rom + ".cfg"), kind, SettingsRecord::defaults())));
        const QByteArray saved = settingsFiles();
        control<QTabWidget>(m_panel.get(), "settingsTabs")->setCurrentIndex(2);
        QVERIFY(rom.isEmpty() ? m_panel->openDefaults(kind)
                              : m_panel->openCustom(rom, kind == SettingsKind::Vector ? "Vector" : "Raster"));
        QTEST(m_panel->title(), "caption");
        QTEST(child("restoreButton")->property("text").toString(), "restoreCaption");
        QCOMPARE(control<QTabWidget>(m_panel.get(), "settingsTabs")->currentIndex(), 0);
        QCOMPARE(QApplication::focusWidget(), m_panel->okButton());
        for (const char* name : {"beamList", "beamLabel", "flickerList", "antialiasBox", "translucencyBox"})
            QVERIFY2(child(name)->isHidden() != cell<bool>("vector"), name);
        list("gammaList")->setCurrentText("1.50");
        click(child("restoreButton")); // shows, saves nothing
        QCOMPARE(list("gammaList")->currentText(), "1.00");
        list("gammaList")->setCurrentText("1.50");
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_C, Qt::AltModifier);
        QTRY_COMPARE(m_finished->count(), 1);
        QCOMPARE(settingsFiles(), saved);
    }
    void rulesAndHints() {
        QVERIFY(m_panel->openDefaults(SettingsKind::Raster));
        list("monitorList")->setCurrentText("Arcade");
        list("centerXList")->setCurrentText("3");
        list("monitorList")->setCurrentText("Standard"); // the centring back at its default, out of reach
        QVERIFY(list("centerXList")->currentText() == "0" && !enabled("centerXList") && !enabled("waitInterlaceBox"));
        list("volumeList")->setCurrentText("-10");
        list("soundCardList")->setCurrentText("None"); // no sound: its settings back at their defaults, out of reach
        QVERIFY(list("volumeList")->currentText() == "0" && !enabled("volumeLabel") && !enabled("stereoBox"));
        click(child("vsyncButton"));
        click(child("waitVsyncButton")); // the two exclude each other
        QVERIFY(!on("vsyncButton") && on("waitVsyncButton") && enabled("clearButton"));
        click(child("clearButton"));
        QVERIFY(!on("waitVsyncButton") && !enabled("clearButton"));
        QTest::mouseMove(child("restoreButton")); // a hint on each tab
        QVERIFY(!child("displayHint")->isHidden() && !child("otherHint")->isHidden());
        QTest::mouseMove(m_panel->okButton());
        QVERIFY(child("displayHint")->isHidden() && child("otherHint")->isHidden());
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
        QVERIFY(m_finished->count() == 1 && settingsFiles().isEmpty());
    }
    // A refused OK shows why and keeps the panel open.
    void okRefusesThenSaves() {
        QVERIFY(m_panel->openDefaults(SettingsKind::Raster));
        list("gammaList")->setCurrentText("1.20");
        click(child("scanlinesBox"));
        click(child("waitVsyncButton"));
        for (const QString& parameters : {QString(82, u'x'), QString("-cheat \"file\""), QString("-NoVsync")}) {
            control<QLineEdit>(m_panel.get(), "parametersEdit")->selectAll();
            QTest::keyClicks(child("parametersEdit"), parameters);
            click(m_panel->okButton());
        }
        QCOMPARE(m_finished->count(), 1);
        const QStringList refusals = m_dialogs.texts();
        QVERIFY(refusals.size() == 2 && refusals[0].contains(" 132 characters ") && refusals[1].contains("quote"));
        QVERIFY(m_dialogs.shown[0].icon == Icon::Critical && m_dialogs.shown[1].icon == Icon::Critical);
        // The emulator's defaults but for the lines changed.
        QVERIFY(writeSettingsFile(file("emulator"), SettingsKind::Raster, SettingsRecord::defaults()));
        QList<QByteArray> expected = readFile(file("emulator")).split('\n');
        expected[3] = "\"-gamma 1.20\",14\r";
        expected[16] = "\"-novsync\"\r";
        expected[21] = "\"-noscanlines\"\r";
        expected[30] = "\"-waitvsync\"\r";
        QCOMPARE(readFile(file("raster.cfg")), expected.join('\n'));
    }
    void damagedFiles() {
        writeFile(file("raster.cfg"), "\"-640x480\",x\r\n"); // not a number: the program ends
        QVERIFY(!m_panel->openDefaults(SettingsKind::Raster));
        QCOMPARE(m_dialogs.endings, 1);
        writeFile(file("raster.cfg"), "\"-640x480\",9\r\n"); // ended early: a warning, then OK writes it out whole
        QVERIFY(m_panel->openDefaults(SettingsKind::Raster));
        QCOMPARE(m_dialogs.texts(), QStringList({"Error: Type mismatch", optionsChangedMessage()}));
        QVERIFY(m_dialogs.shown[0].icon == Icon::Critical && m_dialogs.shown[1].icon == Icon::Exclamation);
        QCOMPARE(list("resolutionList")->currentText(), "640x480");
        click(m_panel->okButton());
        QCOMPARE(readFile(file("raster.cfg")).count("\r\n"), 37);
    }
    // Today's emulator: its own options only, reached by the keyboard; a refused option keeps the
    // panel open, OK writes the game's ini file.
    void todaysOptions() {
        writeFile(m_sandbox->mamePath() + "standin-today", "");
        m_emulator->setInterface(exec::Interface::Today);
        QVERIFY(m_panel->openCustom("galx", "Raster"));
        QVERIFY(child("settingsTabs")->isHidden() && !child("iniTabs")->isHidden());
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_W, Qt::AltModifier);
        QTRY_VERIFY(on("windowIniBox")); // a mnemonic clicks a moment later
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_G, Qt::AltModifier);
        QCOMPARE(QApplication::focusWidget(), child("gammaIniList"));
        list("gammaIniList")->setCurrentText("0.80");
        control<QTabWidget>(m_panel.get(), "iniTabs")->setCurrentIndex(3);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_P, Qt::AltModifier);
        QTest::keyClicks(QApplication::focusWidget(), "-bogus 1");
        click(m_panel->okButton());
        QVERIFY(m_finished->isEmpty() && m_dialogs.texts().value(0).contains("-bogus"));
        control<QLineEdit>(m_panel.get(), "iniParametersEdit")->clear();
        click(m_panel->okButton());
        QCOMPARE(m_finished->count(), 1);
        QCOMPARE(readFile(m_sandbox->home() + "/.mame/galx.ini"),
                 QByteArray("gamma                     0.80\nwindow                    1\n"));
    }
};

QTEST_MAIN(TestSettingsPanel)
#include "TestSettingsPanel.moc"
