#include "setup/SetupWizard.h"
#include "support/ScriptedDialogs.h"
#include "support/TestSandbox.h"

#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include <memory>

using Icon = app::Dialogs::Icon;
using Picks = QList<std::optional<quint32>>;
Q_DECLARE_METATYPE(Picks)

class TestSetupWizard : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void pages();
    void listChoice_data();
    void listChoice();
    void proposedDirectories_data();
    void proposedDirectories();
    void browse_data();
    void browse();
    void switchingListChoice();
    void refusedOK_data();
    void refusedOK();
    void hideClones();
    void colours_data();
    void colours();
    void filesWritten_data();
    void filesWritten();
    void cancel_data();
    void cancel();
    void unwritableMameCfg();

private:
    setup::SetupWizard& open();
    template <typename T = QWidget> T* control(const QString& name) const {
        T* widget = m_wizard->findChild<T*>(name);
        if (!widget)
            qFatal("no control %s", qPrintable(name));
        return widget;
    }
    QLineEdit* text(const char* name) const { return control<QLineEdit>(QLatin1String(name)); }
    void click(const QString& name) { control<QAbstractButton>(name)->click(); }
    QString focused() const { return m_wizard->focusWidget() ? m_wizard->focusWidget()->objectName() : QString(); }
    // The critical messages shown since the last call, each checked for its title and icon.
    QStringList refusals();
    // Test data with @M, @R, @N, @S and @P standing for the five directories.
    QByteArray expand(QByteArray text) const;
    QString cfgFile() const { return m_state.MAMEPath + QStringLiteral("mame.cfg"); }

    std::unique_ptr<TestSandbox> m_sandbox;
    ScriptedDialogs m_dialogs;
    app::AppState m_state;
    std::unique_ptr<setup::SetupWizard> m_wizard;
};

void TestSetupWizard::init() {
    m_sandbox = std::make_unique<TestSandbox>();
    QVERIFY(m_sandbox->isValid());
    m_dialogs.shown.clear();
    m_dialogs.folders.clear();
    m_dialogs.colours.clear();
    // As the Tools menu opens the window: set up, with the copies taken.
    m_state = m_sandbox->state();
    m_state.GameList = QStringLiteral("RetroP");
    m_state.TempMAMEPath = m_state.MAMEPath;
    m_state.TempROMPath = m_state.ROMPath;
    m_state.TempNeoROMPath = m_state.NeoROMPath;
    m_state.TempSamPath = m_state.SamPath;
    m_state.TempSnapPath = m_state.SnapPath;
}

void TestSetupWizard::cleanup() {
    m_wizard.reset();
    m_sandbox.reset();
}

setup::SetupWizard& TestSetupWizard::open() {
    m_wizard = std::make_unique<setup::SetupWizard>(m_state, m_dialogs);
    m_wizard->show();
    (void)QTest::qWaitForWindowActive(m_wizard.get());
    return *m_wizard;
}

QStringList TestSetupWizard::refusals() {
    QStringList texts;
    for (const ScriptedDialogs::Shown& shown : std::as_const(m_dialogs.shown)) {
        if (shown.kind != ScriptedDialogs::Shown::Kind::Message)
            continue;
        if (shown.title != u"Marqueon" || shown.icon != Icon::Critical)
            QTest::qFail("a refusal without its title or icon", __FILE__, __LINE__);
        texts << shown.text;
    }
    m_dialogs.shown.clear();
    return texts;
}

QByteArray TestSetupWizard::expand(QByteArray text) const {
    const app::AppState& s = m_state;
    return text.replace("@M", s.MAMEPath.toLatin1())
        .replace("@R", s.ROMPath.toLatin1())
        .replace("@N", s.NeoROMPath.toLatin1())
        .replace("@S", s.SamPath.toLatin1())
        .replace("@P", s.SnapPath.toLatin1());
}

void TestSetupWizard::pages() {
    open();
    QCOMPARE(m_wizard->objectName(), QStringLiteral("frmChoose"));
    QCOMPARE(m_wizard->windowTitle(), QStringLiteral("Options"));
    QCOMPARE(focused(), QStringLiteral("cmdNext"));
    const auto onPage = [&](int page) {
        QCOMPARE(control("fraPreferences")->isVisible(), page == 1);
        QCOMPARE(control("fraPreferences")->isEnabled(), page == 1);
        QCOMPARE(control("fraDirectories")->isEnabled(), page == 2);
        QCOMPARE(control("cmdNext")->isEnabled(), page == 1);
        QCOMPARE(control("cmdBack")->isEnabled(), page == 2);
        QCOMPARE(control("cmdOK")->isEnabled(), page == 2);
    };
    onPage(1);
    click("cmdNext");
    onPage(2);
    click("cmdBack");
    onPage(1);
    QCOMPARE(focused(), QStringLiteral("cmdNext"));

    // Return presses Next on the first page and OK on the second.
    QTest::keyClick(control("chkDisable"), Qt::Key_Return);
    onPage(2);
    QTest::keyClick(text("txtSamPath"), Qt::Key_Return);
    QCOMPARE(m_wizard->result(), int(QDialog::Accepted));
}

void TestSetupWizard::listChoice_data() {
    QTest::addColumn<QString>("gameList");
    QTest::addColumn<QString>("unset"); // the directory with no value yet
    QTest::addColumn<QString>("selected");
    QTest::addColumn<QString>("focus"); // after Next
    const auto row = [](const char* name, const char* gameList, const char* unset, const char* selected,
                        const char* focus) {
        QTest::newRow(name) << gameList << unset << selected << focus;
    };
    row("Retro, no Neo-Geo ROMs", "Retro", "txtNeoROMPath", "optRetro", "cmdOK");
    row("never chosen", "", "", "optRetro", "cmdOK");
    row("unknown choice", "Console", "", "optRetro", "cmdOK");
    row("all games, all set", "RetroP", "txtSamPath", "optAll", "cmdOK");
    row("all games, no MAME directory", "RetroP", "txtMAMEPath", "optAll", "txtMAMEPath");
    row("all games, no Retro ROMs", "RetroP", "txtROMPath", "optAll", "txtROMPath");
    row("all games, no Neo-Geo ROMs", "RetroP", "txtNeoROMPath", "optAll", "txtNeoROMPath");
    row("Neo-Geo only, no Retro ROMs", "NeoOnly", "txtROMPath", "optNeoOnly", "cmdOK");
}

void TestSetupWizard::listChoice() {
    QFETCH(QString, gameList);
    QFETCH(QString, unset);
    QFETCH(QString, selected);
    QFETCH(QString, focus);
    const QMap<QString, QString*> variables{{"txtMAMEPath", &m_state.MAMEPath},
                                            {"txtROMPath", &m_state.ROMPath},
                                            {"txtNeoROMPath", &m_state.NeoROMPath},
                                            {"txtSamPath", &m_state.SamPath}};
    if (!unset.isEmpty())
        variables[unset]->clear();
    m_state.GameList = gameList;
    open();
    QVERIFY(control<QRadioButton>(selected)->isChecked());
    click("cmdNext");
    QCOMPARE(focused(), focus);
    for (const char* name : {"Label3", "txtROMPath", "cmdSelectROM"})
        QCOMPARE(control(QLatin1String(name))->isEnabled(), selected != u"optNeoOnly");
    for (const char* name : {"Label4", "txtNeoROMPath", "cmdSelectNeoROM"})
        QCOMPARE(control(QLatin1String(name))->isEnabled(), selected != u"optRetro");
    // A row out of use still shows what its variable holds.
    QCOMPARE(text("txtROMPath")->text(), m_state.ROMPath);
    QCOMPARE(text("txtNeoROMPath")->text(), m_state.NeoROMPath);
}

void TestSetupWizard::proposedDirectories_data() {
    QTest::addColumn<QString>("gameList");
    QTest::addColumn<bool>("closingSeparator"); // the browser hands back one already
    QTest::addColumn<bool>("retro");
    QTest::addColumn<bool>("neo");
    QTest::newRow("Retro") << "Retro" << false << true << false;
    QTest::newRow("all games") << "RetroP" << false << true << true;
    QTest::newRow("Neo-Geo only") << "NeoOnly" << false << false << true;
    QTest::newRow("chosen with a closing separator") << "RetroP" << true << true << true;
}

void TestSetupWizard::proposedDirectories() {
    QFETCH(QString, gameList);
    QFETCH(bool, closingSeparator);
    QFETCH(bool, retro);
    QFETCH(bool, neo);
    // A first run: nothing known yet.
    m_state = app::AppState();
    m_state.setAppPath(m_sandbox->appPath());
    m_state.StartingUp = true;
    m_state.GameList = gameList;
    open();
    click("cmdNext");
    QCOMPARE(focused(), QStringLiteral("txtMAMEPath"));
    const QString mame = m_sandbox->mamePath();
    m_dialogs.folders << (closingSeparator ? mame : mame.chopped(1));
    click("cmdSelectMAME");

    QCOMPARE(m_dialogs.shown.first().text, QStringLiteral("Select your M.A.M.E. directory..."));
    QCOMPARE(m_dialogs.shown.first().kind, ScriptedDialogs::Shown::Kind::Folder);
    QCOMPARE(refusals(), QStringList());
    const QString separator = QDir::separator();
    QCOMPARE(text("txtMAMEPath")->text(), mame);
    QCOMPARE(text("txtROMPath")->text(), retro ? mame + "roms" + separator : QString());
    QCOMPARE(text("txtNeoROMPath")->text(), neo ? mame + "neoroms" + separator : QString());
    QCOMPARE(text("txtSamPath")->text(), mame + "samples" + separator);
    QCOMPARE(text("txtSnapPath")->text(), mame + "snap" + separator);
    QLineEdit* next = text(retro ? "txtROMPath" : "txtNeoROMPath");
    QCOMPARE(m_wizard->focusWidget(), next);
    QCOMPARE(next->selectedText(), next->text());

    // The first OK sets the MAME directory's short form too.
    click("cmdOK");
    QCOMPARE(m_wizard->result(), int(QDialog::Accepted));
    QCOMPARE(m_state.MAMEPath, mame);
    QCOMPARE(m_state.ShortMAMEPath, m_sandbox->state().ShortMAMEPath);
}

void TestSetupWizard::browse_data() {
    QTest::addColumn<QString>("gameList");
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("answer"); // @ is the sandbox root; ROOT the file system's root
    QTest::addColumn<QString>("expected");
    QTest::addColumn<QString>("message");
    QTest::addColumn<QString>("focus");
    const QString none;
    const auto row = [](const char* name, const char* gameList, const char* button, const char* answer,
                        const char* expected, const QString& message, const char* focus) {
        QTest::newRow(name) << gameList << button << answer << expected << message << focus;
    };
    row("Retro ROMs", "RetroP", "cmdSelectROM", "@/retro", "@/retro/", none, "txtNeoROMPath");
    row("Retro ROMs, Retro only", "Retro", "cmdSelectROM", "@/retro", "@/retro/", none, "txtSamPath");
    row("Neo-Geo ROMs", "RetroP", "cmdSelectNeoROM", "@/neo", "@/neo/", none, "txtSamPath");
    row("samples", "RetroP", "cmdSelectSam", "@/samples", "@/samples/", none, "cmdOK");
    row("snapshots", "RetroP", "cmdSelectSnap", "@/shots", "@/shots/", none, "cmdOK");
    row("Retro ROMs in the root", "RetroP", "cmdSelectROM", "ROOT", "",
        "Retro ROMs cannot reside in the root!  Please select a directory.", "txtROMPath");
    row("Neo-Geo ROMs in the root", "RetroP", "cmdSelectNeoROM", "ROOT", "",
        "Neo-Geo ROMs cannot reside in the root!  Please select a directory.", "txtNeoROMPath");
    row("samples in the root", "RetroP", "cmdSelectSam", "ROOT", "",
        "Samples cannot reside in the root!  Please select a directory.", "txtSamPath");
    row("snapshots in the root", "RetroP", "cmdSelectSnap", "ROOT", "",
        "Snapshots cannot reside in the root!  Please select a directory.", "txtSnapPath");
    row("MAME directory without the emulator", "RetroP", "cmdSelectMAME", "@", "", "Cannot find mame.exe!",
        "txtMAMEPath");
    row("MAME directory with a folder named like the emulator", "RetroP", "cmdSelectMAME", "@/fake", "",
        "Cannot find mame.exe!", "txtMAMEPath");
    row("a name the options file cannot hold", "RetroP", "cmdSelectSnap", "@/\u30B9\u30CA\u30C3\u30D7", "",
        "Invalid selection!  Please try again.", "txtSnapPath");
}

void TestSetupWizard::browse() {
    QFETCH(QString, gameList);
    QFETCH(QString, button);
    QFETCH(QString, answer);
    QFETCH(QString, expected);
    QFETCH(QString, message);
    QFETCH(QString, focus);
    const QMap<QString, QString> titles{{"cmdSelectMAME", "Select your M.A.M.E. directory..."},
                                        {"cmdSelectROM", "Select your Retro ROMs directory..."},
                                        {"cmdSelectNeoROM", "Select your Neo-Geo ROMs directory..."},
                                        {"cmdSelectSam", "Select your Samples directory..."},
                                        {"cmdSelectSnap", "Select your Snapshots directory..."}};
    QDir(m_sandbox->root()).mkpath(QStringLiteral("fake/") + app::mameFileName());
    const auto place = [&](QString path) {
        return QDir::toNativeSeparators(path.replace(u'@', m_sandbox->root()).replace("ROOT", QDir::rootPath()));
    };
    m_state.GameList = gameList;
    open();
    click("cmdNext");
    const QMap<QString, QString> boxes{{"cmdSelectMAME", "txtMAMEPath"},
                                       {"cmdSelectROM", "txtROMPath"},
                                       {"cmdSelectNeoROM", "txtNeoROMPath"},
                                       {"cmdSelectSam", "txtSamPath"},
                                       {"cmdSelectSnap", "txtSnapPath"}};
    auto* box = control<QLineEdit>(boxes[button]);
    const QString before = box->text();

    m_dialogs.folders << QString(); // closed without choosing
    click(button);
    QCOMPARE(box->text(), before);

    m_dialogs.shown.clear();
    m_dialogs.folders << place(answer);
    click(button);
    QCOMPARE(m_dialogs.shown.first().text, titles[button]);
    QCOMPARE(refusals(), message.isEmpty() ? QStringList() : QStringList{message});
    QCOMPARE(box->text(), place(expected));
    QCOMPARE(focused(), focus);
    if (auto* next = qobject_cast<QLineEdit*>(m_wizard->focusWidget()); next && message.isEmpty())
        QCOMPARE(next->selectedText(), next->text());
}

void TestSetupWizard::switchingListChoice() {
    // As an OK with Retro games only leaves it.
    m_state.GameList = QStringLiteral("Retro");
    m_state.NeoROMPath.clear();
    open();
    click("optAll");
    click("cmdNext");
    QVERIFY(text("txtNeoROMPath")->isEnabled());
    QCOMPARE(text("txtNeoROMPath")->text(), QString());
    click("cmdOK");
    QCOMPARE(refusals(), QStringList{"You must select a Neo-Geo ROMs directory!"});
    QCOMPARE(focused(), QStringLiteral("txtNeoROMPath"));

    // Neo-Geo only empties the Retro row; back to all games it stays empty.
    click("cmdBack");
    click("optNeoOnly");
    click("cmdNext");
    QVERIFY(!text("txtROMPath")->isEnabled());
    QCOMPARE(text("txtROMPath")->text(), QString());
    click("cmdBack");
    click("optAll");
    click("cmdNext");
    QVERIFY(text("txtROMPath")->isEnabled());
    QCOMPARE(focused(), QStringLiteral("txtROMPath"));
}

void TestSetupWizard::refusedOK_data() {
    QTest::addColumn<QString>("gameList");
    QTest::addColumn<QString>("box");
    QTest::addColumn<QString>("value"); // what the user leaves in it; @ is the sandbox root
    QTest::addColumn<bool>("startingUp");
    QTest::addColumn<QString>("message"); // empty: accepted
    const auto row = [](const char* name, const char* gameList, const char* box, const char* value, bool startingUp,
                        const char* message) {
        QTest::newRow(name) << gameList << box << value << startingUp << message;
    };
    row("no MAME directory", "RetroP", "txtMAMEPath", "", false, "You must select a M.A.M.E. directory!");
    row("MAME directory without the emulator", "RetroP", "txtMAMEPath", "@", false, "Cannot find mame.exe!");
    row("no Retro ROMs", "RetroP", "txtROMPath", "", false, "You must select a Retro ROMs directory!");
    row("no Neo-Geo ROMs", "RetroP", "txtNeoROMPath", "", false, "You must select a Neo-Geo ROMs directory!");
    row("no samples", "RetroP", "txtSamPath", "", false, "You must select a Samples directory!");
    row("no snapshots", "RetroP", "txtSnapPath", "", false, "You must select a Snap directory!");
    row("no snapshots on the first run", "RetroP", "txtSnapPath", "", true, "You must select a Snap directory!");
    row("no Retro ROMs needed for Neo-Geo only", "NeoOnly", "txtROMPath", "", false, "");
}

void TestSetupWizard::refusedOK() {
    QFETCH(QString, gameList);
    QFETCH(QString, box);
    QFETCH(QString, value);
    QFETCH(bool, startingUp);
    QFETCH(QString, message);
    m_state.GameList = gameList;
    m_state.StartingUp = startingUp;
    const app::AppState before = m_state;
    open();
    click("chkHideClones");
    click("cmdNext");
    control<QLineEdit>(box)->setText(QString(value).replace(u'@', m_sandbox->root()));
    click("cmdOK");

    QCOMPARE(refusals(), message.isEmpty() ? QStringList() : QStringList{message});
    if (message.isEmpty()) {
        QCOMPARE(m_wizard->result(), int(QDialog::Accepted));
        QCOMPARE(m_state.MAMERomPath, m_state.NeoROMPath);
        return;
    }
    QVERIFY(m_wizard->isVisible());
    QCOMPARE(focused(), box);
    QCOMPARE(control<QLineEdit>(box)->text(), QString());
    QVERIFY(!QFile::exists(m_state.IniFile));
    QVERIFY(!QFile::exists(cfgFile()));
    // The preferences are taken over; the refused directory goes back to its copy, except on
    // the first run, when there is no copy to go back to.
    QVERIFY(m_state.HideClones);
    QCOMPARE(m_state.MAMEPath, before.MAMEPath);
    QCOMPARE(m_state.ShortMAMEPath, before.ShortMAMEPath);
    QCOMPARE(m_state.SnapPath, startingUp ? QString() : before.SnapPath);
}

void TestSetupWizard::hideClones() {
    m_state.HideClones = true;
    open();
    auto* cloneShots = control<QCheckBox>("chkCloneShots");
    QVERIFY(!cloneShots->isEnabled());
    click("chkHideClones");
    QVERIFY(cloneShots->isEnabled());
    QVERIFY(!cloneShots->isChecked());
    click("chkCloneShots");
    click("chkHideClones");
    QVERIFY(!cloneShots->isEnabled());
    QVERIFY(!cloneShots->isChecked());
    click("chkHideClones");
    QVERIFY(!cloneShots->isChecked()); // not checked again
    click("chkCloneShots");
    click("chkDisable");
    click("cmdNext");
    click("cmdOK");
    QVERIFY(!m_state.HideClones);
    QVERIFY(m_state.CloneShots);
    QVERIFY(!m_state.DisableHotKeys);
    QVERIFY(readFile(m_state.IniFile).contains("HideClones=False\r\nCloneShots=True\r\nDisableHotKeys=False\r\n"));
}

void TestSetupWizard::colours_data() {
    QTest::addColumn<bool>("starField");
    QTest::addColumn<quint32>("back");
    QTest::addColumn<quint32>("fore");
    QTest::addColumn<bool>("toggle");       // click the star field box
    QTest::addColumn<Picks>("picks");       // the picker's answers to Back, then Fore
    QTest::addColumn<qint64>("storedBack"); // -1: the palette's base colour
    QTest::addColumn<qint64>("storedFore"); // -1: the palette's text colour
    const auto row = [](const char* name, bool starField, quint32 back, quint32 fore, bool toggle, const Picks& picks,
                        qint64 storedBack, qint64 storedFore) {
        QTest::newRow(name) << starField << back << fore << toggle << picks << storedBack << storedFore;
    };
    row("star field", true, 0x102030, 0x405060, false, {}, 0, 0);
    row("star field chosen over colours", false, 0x102030, 0x405060, true, {}, 0, 0);
    row("stored colours kept", false, 0x102030, 0x405060, false, {}, 0x102030, 0x405060);
    row("chosen colours", false, 0, 0, false, {0x00336699, 0x00FFEEDD}, 3368601, 16772829);
    row("picker closed keeps the preview", false, 0x102030, 0x405060, false, {std::nullopt, 0xFF}, 0x102030, 255);
    row("star field switched off", true, 0, 0, true, {}, -1, -1);
}

void TestSetupWizard::colours() {
    QFETCH(bool, starField);
    QFETCH(quint32, back);
    QFETCH(quint32, fore);
    QFETCH(bool, toggle);
    QFETCH(Picks, picks);
    QFETCH(qint64, storedBack);
    QFETCH(qint64, storedFore);
    m_state.UseStarfield = starField;
    m_state.BackColor = back;
    m_state.ForeColor = fore;
    open();
    auto* preview = control<QLabel>("lblColors");
    const QPalette system = m_wizard->palette();
    if (starField) {
        QVERIFY(!preview->isEnabled());
        QVERIFY(!control("cmdBackColor")->isEnabled());
        QCOMPARE(preview->palette().color(QPalette::Window), system.color(QPalette::Button));
        QCOMPARE(preview->palette().color(QPalette::WindowText), system.color(QPalette::Button));
    }
    if (toggle)
        click("chkBackground");
    if (!picks.isEmpty()) {
        m_dialogs.colours << picks;
        click("cmdBackColor");
        QCOMPARE(focused(), QStringLiteral("cmdForeColor"));
        click("cmdForeColor");
        QCOMPARE(focused(), QStringLiteral("cmdNext"));
    }
    click("cmdNext");
    click("cmdOK");

    const auto bgr = [](const QColor& c) {
        return qint64(c.red() | c.green() << 8 | c.blue() << 16);
    };
    if (storedBack < 0)
        storedBack = bgr(system.color(QPalette::Base));
    if (storedFore < 0)
        storedFore = bgr(system.color(QPalette::Text));
    QCOMPARE(m_state.UseStarfield, starField != toggle);
    QCOMPARE(qint64(m_state.BackColor), storedBack);
    QCOMPARE(qint64(m_state.ForeColor), storedFore);
    QVERIFY(
        readFile(m_state.IniFile)
            .contains(QStringLiteral("BackColor=%1\r\nForeColor=%2\r\n").arg(storedBack).arg(storedFore).toLatin1()));
}

void TestSetupWizard::filesWritten_data() {
    QTest::addColumn<QString>("gameList");
    QTest::addColumn<bool>("oneRomDirectory"); // both ROM kinds in the Retro ROMs directory
    QTest::addColumn<QByteArray>("existing");  // mame.cfg; empty: no file
    QTest::addColumn<QByteArray>("expected");
    const auto row = [](const char* name, const char* gameList, bool oneRomDirectory, const QByteArray& existing,
                        const QByteArray& expected) {
        QTest::newRow(name) << gameList << oneRomDirectory << existing << expected;
    };
    const QByteArray missing = "[directory]\r\nrompath = @R\r\nsamplepath = @S\r\nsnap = @P\r\n";
    row("missing, Retro only", "Retro", false, {}, missing);
    row("missing, all games", "RetroP", false, {}, QByteArray(missing).replace("@R", "@R;@N"));
    row("missing, one directory for all games", "RetroP", true, {}, missing);
    row("missing, Neo-Geo only", "NeoOnly", false, {}, QByteArray(missing).replace("@R", "@N"));
    row("merged by the line prefixes", "Retro", false,
        "[config]\nframeskip = 2\n\n[directory]\nROMPATH = C:\\old\nrompath=C:\\a\nsamplepath = C:\\s\n"
        "snap=C:\\x\nsnap = C:\\y\nrompath = C:\\b\n rompath = C:\\c\ncfg = cfg\n",
        "[config]\r\nframeskip = 2\r\n\r\n[directory]\r\nROMPATH = C:\\old\r\nrompath = @R\r\nsamplepath = @S\r\n"
        "snap=C:\\x\r\nsnap = @P\r\nrompath = @R\r\n rompath = C:\\c\r\ncfg = cfg\r\n");
    row("nothing to replace, nothing added", "RetroP", false, "[config]\r\nframeskip = 2\r\n",
        "[config]\r\nframeskip = 2\r\n");
}

void TestSetupWizard::filesWritten() {
    QFETCH(QString, gameList);
    QFETCH(bool, oneRomDirectory);
    QFETCH(QByteArray, existing);
    QFETCH(QByteArray, expected);
    m_state.GameList = gameList;
    if (oneRomDirectory)
        m_state.NeoROMPath = m_state.ROMPath;
    if (!existing.isEmpty())
        writeFile(cfgFile(), existing);
    open();
    click("cmdNext");
    click("cmdOK");
    QCOMPARE(m_wizard->result(), int(QDialog::Accepted));
    QVERIFY(!m_wizard->isVisible());
    QVERIFY(!m_state.SetupCancelled);
    QCOMPARE(readFile(cfgFile()), expand(expected));
    QVERIFY(!QFile::exists(m_state.MAMEPath + "temp.cfg"));
    // A row out of use is stored as it stands.
    QCOMPARE(readFile(m_state.IniFile),
             expand("[Preferences]\r\nGameList=" + gameList.toLatin1() +
                    "\r\nHideClones=False\r\nCloneShots=False\r\nDisableHotKeys=True\r\nUseStarfield=True\r\n"
                    "BackColor=0\r\nForeColor=0\r\n[Directories]\r\nMAME=@M\r\nRetroROMs=@R\r\nNeoGeoROMs=@N\r\n"
                    "Samples=@S\r\nSnapshots=@P\r\n"));
}

void TestSetupWizard::cancel_data() {
    QTest::addColumn<int>("how"); // 0 the button, 1 Escape, 2 closing the window
    QTest::newRow("Cancel") << 0;
    QTest::newRow("Escape") << 1;
    QTest::newRow("window closed") << 2;
}

void TestSetupWizard::cancel() {
    QFETCH(int, how);
    const app::AppState before = m_state;
    open();
    // A refused OK takes over some values first; Cancel keeps none of them.
    click("optNeoOnly");
    click("chkHideClones");
    click("cmdNext");
    text("txtMAMEPath")->setText(m_sandbox->state().ROMPath);
    text("txtSnapPath")->clear();
    click("cmdOK");
    QCOMPARE(refusals(), QStringList{"Cannot find mame.exe!"});
    text("txtMAMEPath")->setText(before.MAMEPath);
    click("cmdOK");
    QCOMPARE(refusals(), QStringList{"You must select a Snap directory!"});
    QCOMPARE(m_state.GameList, QStringLiteral("NeoOnly"));
    QCOMPARE(m_state.ROMPath, QString());

    if (how == 0)
        click("cmdCancel");
    else if (how == 1)
        QTest::keyClick(text("txtSnapPath"), Qt::Key_Escape);
    else
        m_wizard->close();
    QVERIFY(!m_wizard->isVisible());
    QCOMPARE(m_wizard->result(), int(QDialog::Rejected));
    QVERIFY(m_state.SetupCancelled);
    QVERIFY(control("fraPreferences")->isEnabled());
    for (const QString* copy : {&m_state.TempMAMEPath, &m_state.TempROMPath, &m_state.TempNeoROMPath,
                                &m_state.TempSamPath, &m_state.TempSnapPath})
        QCOMPARE(*copy, QString());
    QCOMPARE(m_state.GameList, before.GameList);
    QCOMPARE(m_state.HideClones, before.HideClones);
    QCOMPARE(m_state.ROMPath, before.ROMPath);
    QVERIFY(!QFile::exists(m_state.IniFile));
    QVERIFY(!QFile::exists(cfgFile()));
}

void TestSetupWizard::unwritableMameCfg() {
    // Running as root makes a read-only folder writable; a folder in the file's place cannot be.
    QVERIFY(QDir().mkpath(cfgFile()));
    open();
    click("cmdNext");
    click("cmdOK");
    const QStringList shown = refusals();
    QCOMPARE(shown.size(), 1);
    QVERIFY(shown.first().contains("mame.cfg"));
    QVERIFY(m_wizard->isVisible());
    QCOMPARE(focused(), QStringLiteral("txtMAMEPath"));
    QVERIFY(!QFile::exists(m_state.IniFile));
    QVERIFY(!m_state.SetupCancelled);

    // Mended, the next OK goes through.
    QVERIFY(QDir(cfgFile()).removeRecursively());
    click("cmdOK");
    QCOMPARE(m_wizard->result(), int(QDialog::Accepted));
    QVERIFY(QFile::exists(m_state.IniFile));
    QVERIFY(QFile::exists(cfgFile()));
}

QTEST_MAIN(TestSetupWizard)
#include "TestSetupWizard.moc"
