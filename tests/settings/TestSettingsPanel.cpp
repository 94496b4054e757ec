#include "support/MainWindowSession.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QLineEdit>
#include <QMenu>
#include <QRadioButton>
#include <QStatusBar>

namespace {

const QList<ListedGame> PanelGames = {
    {"galx", "Galaxy Raid"},
    {"vecx", "Vector Blast", {}, "1980", "video ( screen vector orientation horizontal colors 256 freq 40.0 )"},
    {"zoom", "Zoom Racer"},
};

} // namespace

class TestSettingsPanel : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup() { m_session.reset(); }

    void opensEachMode_data();
    void opensEachMode();
    void savedDefaultsReachTheGame();
    void defaultsAtTheEmulatorsDeleteTheFile();
    void customSettings_data();
    void customSettings();
    void restore_data();
    void restore();
    void cancelLeavesFilesUntouched();
    void monitorRule();
    void soundRule();
    void vsyncPair();
    void hintsFollowTheRestoreButton();
    void escapeCancels();
    void lengthRule();
    void doubleQuoteRefused();
    void toolsMenu_data();
    void toolsMenu();

private:
    bool start(const QByteArray& view = "All Games");
    void select(const QString& rom);
    template <typename T> T* control(const char* name) { return m_session->child<T>(QLatin1String(name)); }
    QComboBox* box(const char* name) { return control<QComboBox>(name); }
    void click(const char* button) { QTest::mouseClick(control<QPushButton>(button), Qt::LeftButton); }
    QString settingsFile(const QString& name) const { return m_session->sandbox.appPath() + "settings/" + name; }
    std::unique_ptr<Session> m_session;
};

void TestSettingsPanel::init() {
    m_session = std::make_unique<Session>();
    m_session->sandbox.setCatalogue(listing(PanelGames));
    TestSandbox::addArchive(m_session->sandbox.state().ROMPath, "vecx");
}

bool TestSettingsPanel::start(const QByteArray& view) {
    m_session->sandbox.writeOptions("RetroP", "[ShutDown]\r\nGameView=" + view + "\r\n");
    return m_session->start();
}

void TestSettingsPanel::select(const QString& rom) {
    GameListView* view = m_session->list("lvAll");
    for (int row = 0; row < view->count(); ++row) {
        if (view->games()->game(row).romName() == rom)
            m_session->clickRow(view, row);
    }
}

void TestSettingsPanel::opensEachMode_data() {
    QTest::addColumn<QString>("command");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<bool>("vector");
    QTest::newRow("raster defaults") << "cmdRaster"
                                     << "Raster Defaults" << false;
    QTest::newRow("vector defaults") << "cmdVector"
                                     << "Vector Defaults" << true;
    QTest::newRow("custom settings of a raster game") << "mnuToolsCustom"
                                                      << "Custom Settings" << false;
}

void TestSettingsPanel::opensEachMode() {
    QFETCH(QString, command);
    QFETCH(QString, caption);
    QFETCH(bool, vector);
    QVERIFY(start());
    if (command.startsWith("mnu"))
        m_session->child<QAction>(command)->trigger();
    else
        click(qPrintable(command));
    auto* panel = control<QGroupBox>("fraDefaults");
    QCOMPARE(panel->title(), caption);
    QVERIFY(panel->isEnabled());
    QVERIFY(!control<QGroupBox>("fraList")->isEnabled());
    QVERIFY(m_session->window->PanelOpen);
    QVERIFY(control<QStatusBar>("StatusBar2")->isVisible());
    QVERIFY(!m_session->enabled("cmdRaster"));
    QVERIFY(!m_session->enabled("cmdMaintenance"));
    QCOMPARE(control<QPushButton>("cmdRestore")->text(), QStringLiteral("R&estore M.A.M.E. Defaults"));
    QCOMPARE(box("cboBeam")->isVisible(), vector);
    QCOMPARE(control<QCheckBox>("chkTrans")->isVisible(), vector);
    QCOMPARE(box("cboGamma")->currentText(), QStringLiteral("1.00"));
    QCOMPARE(control<QTabWidget>("SSTab1")->currentIndex(), 0);
    if (command == "mnuToolsCustom")
        QCOMPARE(control<QLabel>("lblList")->text(), QStringLiteral("galx"));

    click("cmdCancel");
    QVERIFY(!panel->isEnabled());
    QVERIFY(control<QGroupBox>("fraList")->isEnabled());
    QVERIFY(!control<QStatusBar>("StatusBar2")->isVisible());
    QVERIFY(m_session->enabled("cmdRaster"));
    QCOMPARE(control<QLabel>("lblList")->text(), QStringLiteral("All Games"));
    QVERIFY(!QFile::exists(settingsFile("raster.cfg")));
}

void TestSettingsPanel::savedDefaultsReachTheGame() {
    QVERIFY(start());
    click("cmdRaster");
    box("cboGamma")->setCurrentIndex(14);
    control<QCheckBox>("chkScan")->setChecked(false);
    box("cboControl")->setCurrentText("4Button");
    control<QRadioButton>("optWaitVsync")->setChecked(true);
    click("cmdOK");
    QVERIFY(QFile::exists(settingsFile("raster.cfg")));
    QByteArray file = readFile(settingsFile("raster.cfg"));
    QCOMPARE(file.count("\r\n"), 37);
    QVERIFY(file.startsWith("\"-auto\",0\r\n\"-vgafreq 0\",0\r\n\"-monitor standard\",0\r\n\"-gamma 1.20\",14\r\n"));

    QTest::mouseClick(control<QPushButton>("cmdPlay"), Qt::LeftButton);
    QCOMPARE(m_session->sandbox.lastRunArguments(),
             QStringList({"galx", "-gamma", "1.20", "-joy", "4button", "-noscanlines", "-waitvsync"}));

    // Opening again shows what was saved.
    click("cmdRaster");
    QCOMPARE(box("cboGamma")->currentText(), QStringLiteral("1.20"));
    QVERIFY(!control<QCheckBox>("chkScan")->isChecked());
    QVERIFY(control<QRadioButton>("optWaitVsync")->isChecked());
    QVERIFY(control<QPushButton>("cmdClear")->isEnabled());
}

void TestSettingsPanel::defaultsAtTheEmulatorsDeleteTheFile() {
    writeFile(settingsFile("raster.cfg"), "\"-640x480\",9\r\n");
    QVERIFY(start());
    m_session->dialogs.shown.clear();
    click("cmdRaster"); // a short file: the warning, then the panel with what was read
    QCOMPARE(m_session->dialogs.texts().size(), 1);
    QCOMPARE(box("cboResolution")->currentText(), QStringLiteral("640x480"));
    click("cmdRestore");
    click("cmdOK");
    QVERIFY(!QFile::exists(settingsFile("raster.cfg")));
    QVERIFY(!m_session->window->PanelOpen);
}

void TestSettingsPanel::customSettings_data() {
    QTest::addColumn<bool>("rasterDefaults"); // raster.cfg with gamma 1.20
    QTest::addColumn<int>("gamma");           // chosen in the custom panel
    QTest::addColumn<bool>("kept");
    QTest::addColumn<QString>("indicator");

    QTest::newRow("same as the raster defaults") << true << 14 << false << "Default Settings";
    QTest::newRow("other than the raster defaults") << true << 12 << true << "Custom Settings";
    QTest::newRow("emulator defaults, other raster defaults") << true << 10 << true << "Custom Settings";
    QTest::newRow("emulator defaults, no raster defaults") << false << 10 << false << "Default Settings";
    QTest::newRow("changed, no raster defaults") << false << 12 << true << "Custom Settings";
}

void TestSettingsPanel::customSettings() {
    QFETCH(bool, rasterDefaults);
    QFETCH(int, gamma);
    QFETCH(bool, kept);
    QFETCH(QString, indicator);
    QVERIFY(start());
    if (rasterDefaults) {
        click("cmdRaster");
        box("cboGamma")->setCurrentIndex(14);
        click("cmdOK");
    }
    select("galx");
    m_session->child<QAction>("mnuToolsCustom")->trigger();
    QCOMPARE(box("cboGamma")->currentIndex(), rasterDefaults ? 14 : 10); // the kind's defaults to start from
    QCOMPARE(control<QPushButton>("cmdRestore")->text(), QStringLiteral("R&estore M.A.M.E. Defaults"));
    box("cboGamma")->setCurrentIndex(gamma);
    click("cmdOK");
    QCOMPARE(QFile::exists(settingsFile("galx.cfg")), kept);
    QCOMPARE(m_session->panel(6), indicator);
    QCOMPARE(m_session->selectedRom("lvAll"), QStringLiteral("galx"));
}

void TestSettingsPanel::restore_data() {
    QTest::addColumn<bool>("custom");
    QTest::addColumn<bool>("defaults");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<int>("gamma"); // after Restore
    QTest::newRow("custom file and vector defaults") << true << true << "R&estore Vector Defaults" << 14;
    QTest::newRow("custom file, no vector defaults") << true << false << "R&estore M.A.M.E. Defaults" << 10;
    QTest::newRow("no custom file, vector defaults") << false << true << "R&estore M.A.M.E. Defaults" << 10;
}

void TestSettingsPanel::restore() {
    QFETCH(bool, custom);
    QFETCH(bool, defaults);
    QFETCH(QString, caption);
    QFETCH(int, gamma);
    QVERIFY(start());
    click("cmdVector");
    box("cboGamma")->setCurrentIndex(14);
    box("cboBeam")->setCurrentIndex(15);
    click("cmdOK");
    select("vecx");
    if (custom) {
        m_session->child<QAction>("mnuToolsCustom")->trigger();
        box("cboGamma")->setCurrentIndex(12);
        click("cmdOK");
        QVERIFY(QFile::exists(settingsFile("vecx.cfg")));
    }
    if (!defaults)
        QFile::remove(settingsFile("vector.cfg"));

    m_session->child<QAction>("mnuToolsCustom")->trigger();
    QCOMPARE(control<QPushButton>("cmdRestore")->text(), caption);
    QVERIFY(box("cboBeam")->isVisible());
    QCOMPARE(box("cboGamma")->currentIndex(), custom ? 12 : defaults ? 14 : 10);
    click("cmdRestore");
    QCOMPARE(box("cboGamma")->currentIndex(), gamma);
    QVERIFY(m_session->window->PanelOpen); // Restore saves nothing and stays
}

void TestSettingsPanel::cancelLeavesFilesUntouched() {
    QVERIFY(start());
    click("cmdRaster");
    box("cboGamma")->setCurrentIndex(14);
    click("cmdOK");
    const QByteArray saved = readFile(settingsFile("raster.cfg"));
    click("cmdRaster");
    box("cboGamma")->setCurrentIndex(3);
    control<QCheckBox>("chkTweak")->setChecked(true);
    click("cmdCancel");
    QCOMPARE(readFile(settingsFile("raster.cfg")), saved);
    click("cmdRaster");
    QCOMPARE(box("cboGamma")->currentIndex(), 14);
    QVERIFY(!control<QCheckBox>("chkTweak")->isChecked());
}

void TestSettingsPanel::monitorRule() {
    QVERIFY(start());
    click("cmdRaster");
    QVERIFY(!box("cboCenterX")->isEnabled());
    QVERIFY(!control<QLabel>("lblCenterY")->isEnabled());
    box("cboMonitor")->setCurrentText("Arcade");
    QVERIFY(box("cboCenterX")->isEnabled());
    QVERIFY(control<QCheckBox>("chkWait")->isEnabled());
    box("cboCenterX")->setCurrentText("3");
    control<QCheckBox>("chkWait")->setChecked(true);
    box("cboMonitor")->setCurrentText("Standard");
    QCOMPARE(box("cboCenterX")->currentText(), QStringLiteral("0"));
    QVERIFY(!box("cboCenterX")->isEnabled());
    QVERIFY(!control<QCheckBox>("chkWait")->isChecked());
}

void TestSettingsPanel::soundRule() {
    QVERIFY(start());
    click("cmdRaster");
    box("cboVolume")->setCurrentText("-10");
    box("cboRate")->setCurrentText("44100");
    control<QCheckBox>("chkStereo")->setChecked(false);
    control<QCheckBox>("chkYM3812")->setChecked(true);
    box("cboSound")->setCurrentText("None");
    QCOMPARE(box("cboVolume")->currentText(), QStringLiteral("0"));
    QCOMPARE(box("cboRate")->currentText(), QStringLiteral("22050"));
    QVERIFY(control<QCheckBox>("chkStereo")->isChecked());
    QVERIFY(!control<QCheckBox>("chkYM3812")->isChecked());
    for (const char* name : {"cboVolume", "cboRate", "cboBits"})
        QVERIFY(!box(name)->isEnabled());
    for (const char* name : {"lblVolume", "lblRate", "lblBits"})
        QVERIFY(!control<QLabel>(name)->isEnabled());
    QVERIFY(!control<QCheckBox>("chkSamples")->isEnabled());
    box("cboSound")->setCurrentText("Ask");
    QVERIFY(box("cboVolume")->isEnabled());
    QCOMPARE(box("cboVolume")->currentText(), QStringLiteral("0"));
}

void TestSettingsPanel::vsyncPair() {
    QVERIFY(start());
    click("cmdRaster");
    auto* vsync = control<QRadioButton>("optVsync");
    auto* wait = control<QRadioButton>("optWaitVsync");
    QVERIFY(!vsync->isChecked() && !wait->isChecked());
    QVERIFY(!control<QPushButton>("cmdClear")->isEnabled());
    QTest::mouseClick(vsync, Qt::LeftButton);
    QTest::mouseClick(wait, Qt::LeftButton);
    QVERIFY(!vsync->isChecked() && wait->isChecked());
    click("cmdClear");
    QVERIFY(!vsync->isChecked() && !wait->isChecked());
    QVERIFY(!control<QPushButton>("cmdClear")->isEnabled());
}

void TestSettingsPanel::hintsFollowTheRestoreButton() {
    QVERIFY(start());
    click("cmdRaster");
    const QList<QLabel*> hints = {control<QLabel>("lblDisplay"), control<QLabel>("lblSound"),
                                  control<QLabel>("lblOther")};
    QEvent leave(QEvent::Leave); // the pointer may rest where an earlier test left it
    QCoreApplication::sendEvent(control<QPushButton>("cmdRestore"), &leave);
    for (QLabel* hint : hints)
        QVERIFY(hint->isHidden());
    QEnterEvent enter(QPointF(1, 1), QPointF(1, 1), QPointF(1, 1));
    QCoreApplication::sendEvent(control<QPushButton>("cmdRestore"), &enter);
    for (QLabel* hint : hints) {
        QVERIFY(!hint->isHidden());
        QCOMPARE(hint->text(), QStringLiteral("Pressing this button will affect Display, Sound, and Other."));
    }
    QCoreApplication::sendEvent(control<QPushButton>("cmdRestore"), &leave);
    for (QLabel* hint : hints)
        QVERIFY(hint->isHidden());
}

void TestSettingsPanel::escapeCancels() {
    QVERIFY(start());
    click("cmdVector");
    box("cboGamma")->setCurrentIndex(3);
    QTest::keyClick(box("cboGamma"), Qt::Key_Escape);
    QVERIFY(!m_session->window->PanelOpen);
    QVERIFY(!QFile::exists(settingsFile("vector.cfg")));
}

void TestSettingsPanel::lengthRule() {
    QVERIFY(start());
    click("cmdRaster");
    // " " + parameters = 119 option characters: N = 132.
    control<QLineEdit>("txtAddPar")->setText(QString(118, u'x'));
    click("cmdOK");
    QCOMPARE(m_session->dialogs.texts(),
             QStringList{"The settings you selected form a command line 132 characters long.\r"
                         "The maximum length Marqueon allows is 131 characters to accomodate MS-DOS.\r"
                         "Please modify the settings and try again."});
    QCOMPARE(m_session->dialogs.shown.first().icon, app::Dialogs::Icon::Critical);
    QVERIFY(m_session->window->PanelOpen);
    QVERIFY(!QFile::exists(settingsFile("raster.cfg")));

    control<QLineEdit>("txtAddPar")->setText(QString(117, u'x')); // N = 131 passes
    click("cmdOK");
    QVERIFY(!m_session->window->PanelOpen);
    QVERIFY(QFile::exists(settingsFile("raster.cfg")));
}

void TestSettingsPanel::doubleQuoteRefused() {
    QVERIFY(start());
    click("cmdRaster");
    control<QLineEdit>("txtAddPar")->setText("-cheat \"file\"");
    click("cmdOK");
    QCOMPARE(m_session->dialogs.shown.size(), 1);
    QVERIFY(m_session->dialogs.texts().first().contains("double quote"));
    QVERIFY(m_session->window->PanelOpen);
    QVERIFY(!QFile::exists(settingsFile("raster.cfg")));
}

void TestSettingsPanel::toolsMenu_data() {
    QTest::addColumn<QByteArray>("view");
    QTest::addColumn<QString>("rom");
    QTest::addColumn<bool>("custom");
    QTest::newRow("all games, installed game") << QByteArray("All Games") << "galx" << true;
    QTest::newRow("all games, uninstalled game") << QByteArray("All Games") << "zoom" << false;
    QTest::newRow("installed games") << QByteArray("Installed Games") << QString() << true;
    QTest::newRow("uninstalled games") << QByteArray("Uninstalled Games") << QString() << false;
}

void TestSettingsPanel::toolsMenu() {
    QFETCH(QByteArray, view);
    QFETCH(QString, rom);
    QFETCH(bool, custom);
    QVERIFY(start(view));
    if (!rom.isEmpty())
        select(rom);
    auto* menu = control<QMenu>("mnuTools");
    emit menu->aboutToShow();
    QCOMPARE(m_session->child<QAction>("mnuToolsCustom")->isEnabled(), custom);
    QVERIFY(m_session->child<QAction>("mnuToolsRaster")->isEnabled());
    click("cmdVector");
    emit menu->aboutToShow();
    for (const char* name : {"mnuToolsRaster", "mnuToolsVector", "mnuToolsCustom"})
        QVERIFY(!m_session->child<QAction>(QLatin1String(name))->isEnabled());
}

QTEST_MAIN(TestSettingsPanel)
#include "TestSettingsPanel.moc"
