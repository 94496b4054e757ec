#include "setup/SetupWizard.h"
#include "support/ScriptedDialogs.h"
#include "support/TestSandbox.h"

#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include <algorithm>
#include <memory>

using Icon = app::Dialogs::Icon;
using Picks = QList<std::optional<quint32>>;
using State = app::AppState;

namespace {

// Each directory box, its mark in test data, the variable an OK sets from it, and the copy a refused OK
// goes back to.
struct Directory {
    const char *box, *mark;
    QString State::*variable, State::*copy;
};
const Directory Directories[] = {{"txtMAMEPath", "@M", &State::MAMEPath, &State::TempMAMEPath},
                                 {"txtROMPath", "@R", &State::ROMPath, &State::TempROMPath},
                                 {"txtNeoROMPath", "@N", &State::NeoROMPath, &State::TempNeoROMPath},
                                 {"txtSamPath", "@S", &State::SamPath, &State::TempSamPath},
                                 {"txtSnapPath", "@P", &State::SnapPath, &State::TempSnapPath}};
QString State::*variable(const QString& box) {
    return std::find_if(std::begin(Directories), std::end(Directories), [&](auto& d) { return box == d.box; })
        ->variable;
}

// The stored list choice, a directory without a value and the options clicked; then what Next shows.
struct ListChoice {
    QString gameList, unset, clicks, selected, focus;
};
// A directory row, named as in txt<row>Path and cmdSelect<row>; in paths @ is the sandbox, ROOT the root.
struct Browse {
    QString gameList, row, answer, expected, message, focus;
};
// The stored preferences, the boxes and buttons clicked with the colour picker's answers, and a part of
// options.ini in which @B and @F stand for the palette's base and text colours.
struct Preferences {
    bool hideClones, starField;
    int back, fore;
    QString clicks;
    Picks picks;
    QByteArray stored;
};
// Both ROM kinds may share the Retro ROMs directory; existing is mame.cfg before (empty: none; /: a folder).
struct Written {
    QString gameList;
    bool oneRomDirectory;
    QByteArray existing, expected;
};
// With Retro games stored: an option clicked and a box given a value (@: the sandbox) before OK refuses,
// then the window is left by 0 Cancel, 1 Escape or 2 closing it.
struct Refusal {
    QString option, box, value, message;
    bool startingUp;
    int leave;
};

template <typename Row, typename... Fields> void addRow(const char* name, Fields... fields) {
    QTest::newRow(name) << Row{fields...};
}

} // namespace

Q_DECLARE_METATYPE(ListChoice)
Q_DECLARE_METATYPE(Browse)
Q_DECLARE_METATYPE(Preferences)
Q_DECLARE_METATYPE(Written)
Q_DECLARE_METATYPE(Refusal)

class TestSetupWizard : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup() {
        m_wizard.reset();
        m_sandbox.reset();
    }

    void firstRun_data();
    void firstRun();
    void listChoice_data();
    void listChoice();
    void browse_data();
    void browse();
    void preferences_data();
    void preferences();
    void filesWritten_data();
    void filesWritten();
    void refusedThenCancelled_data();
    void refusedThenCancelled();

private:
    void open();
    template <typename T = QWidget> T* control(const QString& name) const { return m_wizard->findChild<T*>(name); }
    QLineEdit* text(const QString& name) const { return control<QLineEdit>(name); }
    void click(const QString& name) { control<QAbstractButton>(name)->click(); }
    QString focused() const { return m_wizard->focusWidget() ? m_wizard->focusWidget()->objectName() : QString(); }
    // The critical messages shown since the last call, one a line, each checked for its title and icon.
    QString refusal();
    QString place(QString path) const {
        return QDir::toNativeSeparators(path.replace(u'@', m_sandbox->root()).replace("ROOT", QDir::rootPath()));
    }
    // Test data with the directories' marks replaced by the directories.
    QByteArray expand(QByteArray text) const;
    QString cfgFile() const { return m_state.MAMEPath + QStringLiteral("mame.cfg"); }

    std::unique_ptr<TestSandbox> m_sandbox;
    ScriptedDialogs m_dialogs;
    State m_state;
    std::unique_ptr<setup::SetupWizard> m_wizard;
};

void TestSetupWizard::init() {
    m_sandbox = std::make_unique<TestSandbox>();
    QVERIFY(m_sandbox->isValid());
    m_dialogs = ScriptedDialogs();
    // As the Tools menu opens the window: set up, with the copies taken.
    m_state = m_sandbox->state();
    m_state.GameList = QStringLiteral("RetroP");
    for (const Directory& each : Directories)
        m_state.*each.copy = m_state.*each.variable;
}

void TestSetupWizard::open() {
    m_wizard = std::make_unique<setup::SetupWizard>(m_state, m_dialogs);
    m_wizard->show();
    (void)QTest::qWaitForWindowActive(m_wizard.get());
}

QString TestSetupWizard::refusal() {
    QStringList texts;
    for (const ScriptedDialogs::Shown& shown : std::as_const(m_dialogs.shown)) {
        if (shown.kind != ScriptedDialogs::Shown::Kind::Message)
            continue;
        if (shown.title != u"Marqueon" || shown.icon != Icon::Critical)
            QTest::qFail("a refusal without its title or icon", __FILE__, __LINE__);
        texts << shown.text;
    }
    m_dialogs.shown.clear();
    return texts.join(u'\n');
}

QByteArray TestSetupWizard::expand(QByteArray text) const {
    for (const Directory& each : Directories)
        text.replace(each.mark, (m_state.*each.variable).toLatin1());
    return text;
}

void TestSetupWizard::firstRun_data() {
    QTest::addColumn<QString>("gameList");
    QTest::addColumn<bool>("closingSeparator"); // the browser hands back one already
    QTest::newRow("Retro") << "Retro" << false;
    QTest::newRow("all games") << "RetroP" << false;
    QTest::newRow("Neo-Geo only") << "NeoOnly" << false;
    QTest::newRow("chosen with a closing separator") << "RetroP" << true;
}

void TestSetupWizard::firstRun() {
    QFETCH(QString, gameList);
    QFETCH(bool, closingSeparator);
    const bool retro = gameList != u"NeoOnly", neo = gameList != u"Retro";
    m_state = State();
    m_state.setAppPath(m_sandbox->appPath());
    m_state.StartingUp = true;
    m_state.GameList = gameList;
    open();
    QCOMPARE(m_wizard->windowTitle(), QStringLiteral("Options"));
    const auto onPage = [&](int page, const char* focus) {
        QCOMPARE(control("fraPreferences")->isVisible(), page == 1);
        for (const char* name : {"fraPreferences", "cmdNext"})
            QCOMPARE(control(name)->isEnabled(), page == 1);
        for (const char* name : {"fraDirectories", "cmdBack", "cmdOK"})
            QCOMPARE(control(name)->isEnabled(), page == 2);
        QCOMPARE(focused(), QLatin1String(focus));
    };
    onPage(1, "cmdNext");
    click("cmdNext");
    onPage(2, "txtMAMEPath");
    click("cmdBack");
    onPage(1, "cmdNext");
    // Return presses Next on the first page and OK on the second.
    QTest::keyClick(control("chkDisable"), Qt::Key_Return);
    onPage(2, "txtMAMEPath");

    const QString mame = m_sandbox->mamePath(), separator = QDir::separator();
    m_dialogs.folders << (closingSeparator ? mame : mame.chopped(1));
    click("cmdSelectMAME");
    QCOMPARE(refusal(), QString());
    QCOMPARE(text("txtMAMEPath")->text(), mame);
    QCOMPARE(text("txtROMPath")->text(), retro ? mame + "roms" + separator : QString());
    QCOMPARE(text("txtNeoROMPath")->text(), neo ? mame + "neoroms" + separator : QString());
    QCOMPARE(text("txtSamPath")->text(), mame + "samples" + separator);
    QCOMPARE(text("txtSnapPath")->text(), mame + "snap" + separator);
    QLineEdit* next = text(retro ? "txtROMPath" : "txtNeoROMPath");
    QCOMPARE(m_wizard->focusWidget(), next);
    QCOMPARE(next->selectedText(), next->text());

    // The first OK sets the MAME directory's short form too.
    QTest::keyClick(next, Qt::Key_Return);
    QCOMPARE(m_wizard->result(), int(QDialog::Accepted));
    QCOMPARE(m_state.MAMEPath, mame);
    QCOMPARE(m_state.ShortMAMEPath, m_sandbox->state().ShortMAMEPath);
}

void TestSetupWizard::listChoice_data() {
    QTest::addColumn<ListChoice>("row");
    addRow<ListChoice>("Retro, no Neo-Geo ROMs", "Retro", "txtNeoROMPath", "", "optRetro", "cmdOK");
    addRow<ListChoice>("never chosen", "", "", "", "optRetro", "cmdOK");
    addRow<ListChoice>("unknown choice", "Console", "", "", "optRetro", "cmdOK");
    addRow<ListChoice>("all games, no samples", "RetroP", "txtSamPath", "", "optAll", "cmdOK");
    addRow<ListChoice>("all games, no Retro ROMs", "RetroP", "txtROMPath", "", "optAll", "txtROMPath");
    addRow<ListChoice>("all games, no Neo-Geo ROMs", "RetroP", "txtNeoROMPath", "", "optAll", "txtNeoROMPath");
    addRow<ListChoice>("Neo-Geo only, no Retro ROMs", "NeoOnly", "txtROMPath", "", "optNeoOnly", "cmdOK");
    addRow<ListChoice>("Retro, then all games", "Retro", "txtNeoROMPath", "optAll", "optAll", "txtNeoROMPath");
    addRow<ListChoice>("Neo-Geo only, then all games", "RetroP", "", "optNeoOnly optAll", "optAll", "txtROMPath");
}

void TestSetupWizard::listChoice() {
    QFETCH(ListChoice, row);
    if (!row.unset.isEmpty())
        (m_state.*variable(row.unset)).clear();
    m_state.GameList = row.gameList;
    open();
    for (const QString& option : row.clicks.split(u' ', Qt::SkipEmptyParts))
        click(option);
    QVERIFY(control<QRadioButton>(row.selected)->isChecked());
    click("cmdNext");
    QCOMPARE(focused(), row.focus);
    for (const char* name : {"Label3", "txtROMPath", "cmdSelectROM"})
        QCOMPARE(control(name)->isEnabled(), row.selected != u"optNeoOnly");
    for (const char* name : {"Label4", "txtNeoROMPath", "cmdSelectNeoROM"})
        QCOMPARE(control(name)->isEnabled(), row.selected != u"optRetro");
    // A row out of use from the start still shows what its variable holds; one put out of use is emptied.
    QCOMPARE(text("txtROMPath")->text(), row.clicks.contains("optNeoOnly") ? QString() : m_state.ROMPath);
    QCOMPARE(text("txtNeoROMPath")->text(), row.clicks.contains("optRetro") ? QString() : m_state.NeoROMPath);
}

void TestSetupWizard::browse_data() {
    QTest::addColumn<Browse>("row");
    const QString inRoot = " cannot reside in the root!  Please select a directory.", noMame = "Cannot find mame.exe!";
    addRow<Browse>("Retro ROMs", "RetroP", "ROM", "@/retro", "@/retro/", "", "txtNeoROMPath");
    addRow<Browse>("Retro ROMs, Retro only", "Retro", "ROM", "@/retro", "@/retro/", "", "txtSamPath");
    addRow<Browse>("Neo-Geo ROMs", "RetroP", "NeoROM", "@/neo", "@/neo/", "", "txtSamPath");
    addRow<Browse>("samples", "RetroP", "Sam", "@/samples", "@/samples/", "", "cmdOK");
    addRow<Browse>("snapshots", "RetroP", "Snap", "@/shots", "@/shots/", "", "cmdOK");
    addRow<Browse>("Retro ROMs in the root", "RetroP", "ROM", "ROOT", "", "Retro ROMs" + inRoot, "txtROMPath");
    addRow<Browse>("Neo-Geo ROMs in the root", "RetroP", "NeoROM", "ROOT", "", "Neo-Geo ROMs" + inRoot,
                   "txtNeoROMPath");
    addRow<Browse>("samples in the root", "RetroP", "Sam", "ROOT", "", "Samples" + inRoot, "txtSamPath");
    addRow<Browse>("snapshots in the root", "RetroP", "Snap", "ROOT", "", "Snapshots" + inRoot, "txtSnapPath");
    addRow<Browse>("MAME directory without the emulator", "RetroP", "MAME", "@", "", noMame, "txtMAMEPath");
    addRow<Browse>("MAME directory with a folder named like the emulator", "RetroP", "MAME", "@/fake", "", noMame,
                   "txtMAMEPath");
    addRow<Browse>("a name the options file cannot hold", "RetroP", "Snap", "@/\u30B9\u30CA\u30C3\u30D7", "",
                   "Invalid selection!  Please try again.", "txtSnapPath");
}

void TestSetupWizard::browse() {
    QFETCH(Browse, row);
    const QStringList rows = {"MAME", "ROM", "NeoROM", "Sam", "Snap"};
    const QStringList titles = {"M.A.M.E.", "Retro ROMs", "Neo-Geo ROMs", "Samples", "Snapshots"};
    QDir(m_sandbox->root()).mkpath(QStringLiteral("fake/") + app::mameFileName());
    m_state.GameList = row.gameList;
    open();
    click("cmdNext");
    QLineEdit* box = text("txt" + row.row + "Path");
    const QString before = box->text();
    m_dialogs.folders << QString(); // closed without choosing
    click("cmdSelect" + row.row);
    QCOMPARE(box->text(), before);
    QCOMPARE(refusal(), QString());

    m_dialogs.folders << place(row.answer);
    click("cmdSelect" + row.row);
    QCOMPARE(m_dialogs.shown.first().text, "Select your " + titles[rows.indexOf(row.row)] + " directory...");
    QCOMPARE(refusal(), row.message);
    QCOMPARE(box->text(), place(row.expected));
    QCOMPARE(focused(), row.focus);
    if (auto* next = qobject_cast<QLineEdit*>(m_wizard->focusWidget()); next && row.message.isEmpty())
        QCOMPARE(next->selectedText(), next->text());
}

void TestSetupWizard::preferences_data() {
    QTest::addColumn<Preferences>("row");
    const QByteArray starField = "UseStarfield=True\r\nBackColor=0\r\nForeColor=0\r\n";
    addRow<Preferences>("clone shots", true, true, 0, 0,
                        "chkHideClones chkCloneShots chkHideClones chkHideClones chkCloneShots chkDisable", Picks{},
                        "HideClones=False\r\nCloneShots=True\r\nDisableHotKeys=False\r\n");
    addRow<Preferences>("star field", false, true, 0x102030, 0x405060, "", Picks{}, starField);
    addRow<Preferences>("star field chosen over colours", false, false, 0x102030, 0x405060, "chkBackground", Picks{},
                        starField);
    addRow<Preferences>("stored colours kept", false, false, 0x102030, 0x405060, "", Picks{},
                        "UseStarfield=False\r\nBackColor=1056816\r\nForeColor=4214880\r\n");
    addRow<Preferences>("chosen colours", false, false, 0, 0, "cmdBackColor cmdForeColor",
                        Picks{0x00336699, 0x00FFEEDD}, "BackColor=3368601\r\nForeColor=16772829\r\n");
    addRow<Preferences>("picker closed keeps the preview", false, false, 0x102030, 0x405060,
                        "cmdBackColor cmdForeColor", Picks{std::nullopt, 0xFF},
                        "BackColor=1056816\r\nForeColor=255\r\n");
    addRow<Preferences>("star field switched off", false, true, 0, 0, "chkBackground", Picks{},
                        "UseStarfield=False\r\nBackColor=@B\r\nForeColor=@F\r\n");
}

void TestSetupWizard::preferences() {
    QFETCH(Preferences, row);
    m_state.HideClones = row.hideClones;
    m_state.UseStarfield = row.starField;
    m_state.BackColor = quint32(row.back);
    m_state.ForeColor = quint32(row.fore);
    m_dialogs.colours << row.picks;
    open();
    const QPalette system = m_wizard->palette();
    if (row.starField) {
        auto* preview = control<QLabel>("lblColors");
        QVERIFY(!preview->isEnabled());
        QVERIFY(!control("cmdBackColor")->isEnabled());
        QCOMPARE(preview->palette().color(QPalette::Window), system.color(QPalette::Button));
        QCOMPARE(preview->palette().color(QPalette::WindowText), system.color(QPalette::Button));
    }
    // While clones are hidden, their shots are neither used nor to be chosen.
    auto *hide = control<QCheckBox>("chkHideClones"), *shots = control<QCheckBox>("chkCloneShots");
    const auto cloneRule = [&] {
        return hide->isChecked() ? !shots->isEnabled() && !shots->isChecked() : shots->isEnabled();
    };
    QVERIFY(cloneRule());
    const QMap<QString, QString> focusAfter{{"cmdBackColor", "cmdForeColor"}, {"cmdForeColor", "cmdNext"}};
    for (const QString& name : row.clicks.split(u' ', Qt::SkipEmptyParts)) {
        click(name);
        QVERIFY(cloneRule());
        if (focusAfter.contains(name))
            QCOMPARE(focused(), focusAfter[name]);
    }
    click("cmdNext");
    click("cmdOK");
    const auto bgr = [](const QColor& c) {
        return QByteArray::number(c.red() | c.green() << 8 | c.blue() << 16);
    };
    QByteArray stored = row.stored;
    stored.replace("@B", bgr(system.color(QPalette::Base))).replace("@F", bgr(system.color(QPalette::Text)));
    QVERIFY2(readFile(m_state.IniFile).contains(stored), stored.constData());
}

void TestSetupWizard::filesWritten_data() {
    QTest::addColumn<Written>("row");
    const QByteArray missing = "[directory]\r\nrompath = @R\r\nsamplepath = @S\r\nsnap = @P\r\n";
    addRow<Written>("missing, Retro only", "Retro", false, QByteArray(), missing);
    addRow<Written>("missing, all games", "RetroP", false, QByteArray(), QByteArray(missing).replace("@R", "@R;@N"));
    addRow<Written>("missing, one directory for all games", "RetroP", true, QByteArray(), missing);
    addRow<Written>("missing, Neo-Geo only", "NeoOnly", false, QByteArray(), QByteArray(missing).replace("@R", "@N"));
    addRow<Written>(
        "merged by the line prefixes", "Retro", false,
        "[config]\nframeskip = 2\n\n[directory]\nROMPATH = C:\\old\nrompath=C:\\a\nsamplepath = C:\\s\n"
        "snap=C:\\x\nsnap = C:\\y\nrompath = C:\\b\n rompath = C:\\c\ncfg = cfg\n",
        "[config]\r\nframeskip = 2\r\n\r\n[directory]\r\nROMPATH = C:\\old\r\nrompath = @R\r\nsamplepath = @S\r\n"
        "snap=C:\\x\r\nsnap = @P\r\nrompath = @R\r\n rompath = C:\\c\r\ncfg = cfg\r\n");
    addRow<Written>("in the way until mended", "Retro", false, "/", missing);
    addRow<Written>("nothing to replace, nothing added", "RetroP", false, "[config]\r\nframeskip = 2\r\n",
                    "[config]\r\nframeskip = 2\r\n");
}

void TestSetupWizard::filesWritten() {
    QFETCH(Written, row);
    m_state.GameList = row.gameList;
    if (row.oneRomDirectory)
        m_state.NeoROMPath = m_state.ROMPath;
    // Running as root makes a read-only folder writable; a folder in the file's place cannot be.
    if (row.existing == "/")
        QVERIFY(QDir().mkpath(cfgFile()));
    else if (!row.existing.isEmpty())
        writeFile(cfgFile(), row.existing);
    open();
    click("cmdNext");
    click("cmdOK");
    if (row.existing == "/") {
        QCOMPARE(refusal(), QStringLiteral("Cannot write the mame.cfg file in the M.A.M.E. directory!  Please make "
                                           "sure that it can be written to, or select another directory."));
        QVERIFY(m_wizard->isVisible());
        QCOMPARE(focused(), QStringLiteral("txtMAMEPath"));
        QVERIFY(!QFile::exists(m_state.IniFile));
        QVERIFY(QDir(cfgFile()).removeRecursively()); // mended, the next OK goes through
        click("cmdOK");
    }
    QCOMPARE(m_wizard->result(), int(QDialog::Accepted));
    QVERIFY(!m_state.SetupCancelled);
    QCOMPARE(readFile(cfgFile()), expand(row.expected));
    QVERIFY(!QFile::exists(m_state.MAMEPath + "temp.cfg"));
    // A row out of use is stored as it stands.
    QCOMPARE(readFile(m_state.IniFile),
             expand("[Preferences]\r\nGameList=" + row.gameList.toLatin1() +
                    "\r\nHideClones=False\r\nCloneShots=False\r\nDisableHotKeys=True\r\nUseStarfield=True\r\n"
                    "BackColor=0\r\nForeColor=0\r\n[Directories]\r\nMAME=@M\r\nRetroROMs=@R\r\nNeoGeoROMs=@N\r\n"
                    "Samples=@S\r\nSnapshots=@P\r\n"));
}

void TestSetupWizard::refusedThenCancelled_data() {
    QTest::addColumn<Refusal>("row");
    const char *all = "optAll", *neo = "optNeoOnly", *snap = "You must select a Snap directory!";
    addRow<Refusal>("no MAME directory", neo, "txtMAMEPath", "", "You must select a M.A.M.E. directory!", false, 0);
    addRow<Refusal>("MAME directory without the emulator", neo, "txtMAMEPath", "@", "Cannot find mame.exe!", false, 1);
    addRow<Refusal>("no Retro ROMs", all, "txtROMPath", "", "You must select a Retro ROMs directory!", false, 2);
    addRow<Refusal>("no Neo-Geo ROMs", all, "txtNeoROMPath", "", "You must select a Neo-Geo ROMs directory!", false, 0);
    addRow<Refusal>("no samples, no Retro ROMs needed", neo, "txtSamPath", "", "You must select a Samples directory!",
                    false, 1);
    addRow<Refusal>("no snapshots", neo, "txtSnapPath", "", snap, false, 2);
    addRow<Refusal>("no snapshots on the first run", neo, "txtSnapPath", "", snap, true, 0);
}

void TestSetupWizard::refusedThenCancelled() {
    QFETCH(Refusal, row);
    m_state.GameList = QStringLiteral("Retro");
    m_state.StartingUp = row.startingUp;
    const State before = m_state;
    open();
    click(row.option);
    click("chkHideClones");
    click("cmdNext");
    text(row.box)->setText(place(row.value));
    click("cmdOK");
    QCOMPARE(refusal(), row.message);
    QVERIFY(m_wizard->isVisible());
    QCOMPARE(focused(), row.box);
    QCOMPARE(text(row.box)->text(), QString());
    // The preferences and the directories before the refused one are taken over; the refused one goes back
    // to its copy, except on the first run, when there is no copy to go back to.
    QCOMPARE(m_state.GameList, QString(row.option == u"optAll" ? "RetroP" : "NeoOnly"));
    QVERIFY(m_state.HideClones);
    for (const Directory* each = Directories; each->box != row.box; ++each)
        QCOMPARE(m_state.*each->variable, text(each->box)->text());
    QCOMPARE(m_state.*variable(row.box), row.startingUp ? QString() : before.*variable(row.box));
    QCOMPARE(m_state.ShortMAMEPath, before.ShortMAMEPath);

    if (row.leave == 0)
        click("cmdCancel");
    else if (row.leave == 1)
        QTest::keyClick(m_wizard->focusWidget(), Qt::Key_Escape);
    else
        m_wizard->close();
    QVERIFY(!m_wizard->isVisible());
    QCOMPARE(m_wizard->result(), int(QDialog::Rejected));
    QVERIFY(m_state.SetupCancelled);
    QVERIFY(control("fraPreferences")->isEnabled());
    QCOMPARE(m_state.GameList, before.GameList);
    QCOMPARE(m_state.HideClones, before.HideClones);
    for (const Directory& each : Directories) {
        QCOMPARE(m_state.*each.variable, before.*each.variable);
        QCOMPARE(m_state.*each.copy, QString());
    }
    QVERIFY(!QFile::exists(m_state.IniFile));
    QVERIFY(!QFile::exists(cfgFile()));
}

QTEST_MAIN(TestSetupWizard)
#include "TestSetupWizard.moc"
