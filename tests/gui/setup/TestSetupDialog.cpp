#include "../ScriptedUser.h"
#include "core/config/OptionsFile.h"
#include "gui/setup/SetupDialog.h"
#include "support/ScriptedDialogs.h"
#include "support/TestSandbox.h"

#include <QDir>
#include <QRegularExpression>

#include <memory>
#include <utility>

using Picks = QList<std::optional<quint32>>;
using Stored = config::Preferences;

namespace {

// In test data @M @R @N @S @P stand for the directories as stored, @ for the sandbox and ROOT for the root.
// The list choice stored (its word in the options file), steps on the first page, and the second page after Next.
// Then a row browsed ("retroRoms": retroRomsEdit, retroRomsBrowseButton) and the folder chosen, what the page shows
// and the refusal.
struct Pages {
    QString gameList, first, second, row = {}, answer = {}, shown = {}, refusal = {};
};
// The list choice stored, steps on each page, the refusal met and how the dialog is left then (none: accepted);
// the options written, as lines ("Key=value") unlike those of the stored setup, and mame.cfg (none: for Retro games);
// then the preferences stored, the colour picker's answers and a folder in mame.cfg's place.
struct Commit {
    QString gameList, first, second, refusal = {}, leave = {}, written = {}, cfg = {};
    Stored stored = {};
    Picks picks = {};
    bool cfgBlocked = false;
};

} // namespace

Q_DECLARE_METATYPE(Pages)
Q_DECLARE_METATYPE(Commit)

class TestSetupDialog : public QObject {
    Q_OBJECT

    std::unique_ptr<TestSandbox> m_sandbox;
    ScriptedDialogs m_dialogs;
    config::AppState m_state;
    std::unique_ptr<gui::SetupDialog> m_dialog;
    ScriptedUser m_user;

    void open(const QString& gameList) {
        m_state.preferences.listChoice = config::listChoiceFromWord(gameList);
        m_dialog = std::make_unique<gui::SetupDialog>(m_state, m_dialogs);
        m_user = ScriptedUser{m_dialog.get()};
        m_dialog->show();
        QVERIFY(QTest::qWaitForWindowActive(m_dialog.get()));
    }
    QString expand(QString text) const {
        const config::Directories& d = m_sandbox->state().directories; // as stored
        text.replace("@M", d.mame).replace("@R", d.retroRoms).replace("@N", d.neoGeoRoms).replace("@S", d.samples);
        return QDir::toNativeSeparators(
            text.replace("@P", d.snapshots).replace("@", m_sandbox->root()).replace("ROOT", QDir::rootPath()));
    }
    // The messages shown since the last call, one a line: refusals, all critical.
    QString refusals() {
        QStringList texts;
        for (const ScriptedDialogs::Shown& shown : std::exchange(m_dialogs.shown, {}))
            if (shown.kind == ScriptedDialogs::Shown::Kind::Message)
                texts << shown.text + (shown.icon == gui::Dialogs::Icon::Critical ? "" : " (not critical)");
        return texts.join(u'\n');
    }

private slots:
    void init() {
        m_sandbox = std::make_unique<TestSandbox>();
        m_dialogs = ScriptedDialogs();
        m_state = m_sandbox->state();
    }
    void cleanup() { m_dialog.reset(); }

    void pages_data() {
        QTest::addColumn<Pages>("row");
        const QString retro = " retroRomsLabel:enabled retroRomsEdit:enabled retroRomsBrowseButton:enabled";
        const QString neo = QString(retro).replace("retro", "neoGeo"), all = retro + neo;
        // A box emptied on the second page; or a row out of use, emptied by the list choice.
        addRow<Pages>("all games, then Retro only", "RetroP", "retroOnlyButton retroOnlyButton:on",
                      "okButton:focus ?retroRomsEdit=@R ?neoGeoRomsEdit=" + retro +
                          QString(neo).replace("enabled", "disabled"));
        addRow<Pages>("no list", "", "retroOnlyButton:on", "okButton:focus ?neoGeoRomsEdit=@N neoGeoRomsEdit:disabled");
        addRow<Pages>("no MAME directory", "RetroP", "Alt+N mameEdit= Alt+B allGamesButton:on", "mameEdit:focus" + all);
        addRow<Pages>("all games, no samples yet", "RetroP", "Alt+N samplesEdit= Alt+B", "okButton:focus");
        addRow<Pages>("all games, no Neo-Geo ROMs", "RetroP", "Alt+N neoGeoRomsEdit= Alt+B",
                      "neoGeoRomsEdit:focus" + all);
        addRow<Pages>("Neo-Geo only", "NeoOnly", "neoGeoOnlyButton:on",
                      "okButton:focus ?retroRomsEdit=@R" + neo + QString(retro).replace("enabled", "disabled"));
        addRow<Pages>("out of use, then all games", "RetroP", "neoGeoOnlyButton allGamesButton allGamesButton:on",
                      "retroRomsEdit:focus ?retroRomsEdit= ?neoGeoRomsEdit=@N" + all);
        addRow<Pages>("Retro ROMs", "RetroP", "", "", "retroRoms", "@/r",
                      "retroRomsEdit=@/r/ neoGeoRomsEdit:focus neoGeoRomsEdit:selected");
        addRow<Pages>("Retro ROMs, Retro only", "Retro", "", "", "retroRoms", "@/r",
                      "samplesEdit:focus samplesEdit:selected");
        addRow<Pages>("Neo-Geo ROMs", "RetroP", "", "", "neoGeoRoms", "@/n", "neoGeoRomsEdit=@/n/ samplesEdit:focus");
        addRow<Pages>("samples", "RetroP", "", "", "samples", "@/s", "samplesEdit=@/s/ okButton:focus");
        addRow<Pages>("snapshots in the root", "RetroP", "", "", "snapshots", "ROOT",
                      "snapshotsEdit= snapshotsEdit:focus",
                      "Snapshots cannot reside in the root!  Please select a directory.");
        addRow<Pages>("a name Latin-1 cannot hold", "RetroP", "", "", "samples", "@/\u30B9\u30CA\u30C3\u30D7",
                      "samplesEdit= samplesEdit:focus", "Invalid selection!  Please try again.");
        addRow<Pages>("no emulator", "RetroP", "", "", "mame", "@", "mameEdit= mameEdit:focus",
                      "Cannot find mame.exe!");
        addRow<Pages>("proposals for all games", "RetroP", "", "", "mame", "@/o",
                      "mameEdit=@/o/ retroRomsEdit=@/o/roms/ neoGeoRomsEdit=@/o/neoroms/ samplesEdit=@/o/samples/ "
                      "snapshotsEdit=@/o/snap/ retroRomsEdit:focus retroRomsEdit:selected");
        addRow<Pages>("proposals for Neo-Geo only, chosen with a separator", "NeoOnly", "", "", "mame", "@/o/",
                      "mameEdit=@/o/ retroRomsEdit=@R neoGeoRomsEdit=@/o/neoroms/ neoGeoRomsEdit:focus");
    }
    void pages() {
        QFETCH(Pages, row);
        writeFile(m_sandbox->root() + "/o/" + config::mameFileName(), "");
        open(row.gameList);
        const QString page1 = "nextButton:focus preferencesPage:shown preferencesPage:enabled nextButton:enabled "
                              "directoriesPage:disabled backButton:disabled okButton:disabled";
        const QString next = " preferencesPage:hidden preferencesPage:disabled nextButton:disabled "
                             "directoriesPage:enabled backButton:enabled okButton:enabled " +
                             expand(row.second);
        m_user.act("?setupDialog=Options " + page1 + ' ' + row.first + " Alt+N" + next + " Alt+B " + page1);
        m_user.act("hideClonesBox Return" + next); // Next is the default button
        if (row.row.isEmpty())
            return;
        m_dialogs.folders << QString() << expand(row.answer); // closed the first time: nothing changes
        m_user.act(row.row + "BrowseButton ?" +
                   expand("mameEdit=@M ?retroRomsEdit=@R ?neoGeoRomsEdit=@N ?samplesEdit=@S ?snapshotsEdit=@P ") +
                   row.row + "BrowseButton");
        const QString label = m_user.find(row.row + "Label")->property("text").toString(); // "Retro ROMs:"
        QCOMPARE(m_dialogs.shown.first().text, "Select your " + label.chopped(1) + " directory...");
        QCOMPARE(refusals(), row.refusal);
        m_user.verify(expand(row.shown));
    }

    void commit_data() {
        QTest::addColumn<Commit>("row");
        const Stored colours{.useStarfield = false, .backColour = 0x102030, .foreColour = 0x405060};
        const QString cfg = "[directory]\r\nrompath = @R\r\nsamplepath = @S\r\nsnap = @P\r\n";
        addRow<Commit>("Retro only", "Retro",
                       "coloursPreview:disabled backColourButton:disabled foreColourLabel:disabled", "Return");
        addRow<Commit>("all games", "RetroP", "", "Return", "", "", "", QString(cfg).replace("@R", "@R;@N"));
        addRow<Commit>("a typed folder gets its separator", "Retro", "cloneShotsBox", "samplesEdit=@/t Return", "", "",
                       "CloneShots=True Samples=@/t/", QString(cfg).replace("@S", "@/t/"));
        // Hidden clones show no shots: that choice is then cleared and out of reach.
        addRow<Commit>("clone shots", "Retro",
                       "cloneShotsBox:disabled hideClonesBox cloneShotsBox:enabled cloneShotsBox hideClonesBox "
                       "cloneShotsBox:off cloneShotsBox:disabled disableHotKeysBox",
                       "Return", "", "", "HideClones=True DisableHotKeys=False", "", Stored{.hideClones = true});
        addRow<Commit>("stored colours", "Retro", "coloursPreview:enabled backColourButton:enabled", "Return", "", "",
                       "UseStarfield=False BackColor=1056816 ForeColor=4214880", "", colours);
        // A closed picker keeps the colour shown.
        addRow<Commit>("colours picked", "Retro",
                       "backColourButton foreColourButton:focus foreColourButton nextButton:focus foreColourButton",
                       "Return", "", "", "UseStarfield=False BackColor=3368601 ForeColor=255", "", colours,
                       Picks{0x336699, 0xFF, std::nullopt});
        const auto bgr = [](QPalette::ColorRole role) { // of the palette's colour for the role
            const QColor c = QApplication::palette().color(role);
            return QString::number(c.red() | c.green() << 8 | c.blue() << 16);
        };
        addRow<Commit>("star field switched off", "Retro", "starFieldBox coloursPreview:enabled", "Return", "", "",
                       "UseStarfield=False BackColor=" + bgr(QPalette::Base) + " ForeColor=" + bgr(QPalette::Text));
        // A refusal keeps the dialog open, on the box to mend.
        addRow<Commit>("mame.cfg cannot be written", "Retro", "", "Return mameEdit:focus ?mameEdit=@M",
                       "Cannot write the mame.cfg file in the M.A.M.E. directory!  Please make sure that it can be "
                       "written to, or select another directory.",
                       "cancelButton", "", "", Stored{}, Picks{}, true);
        addRow<Commit>("no emulator", "Retro", "",
                       "mameEdit=@ Return mameEdit:focus ?mameEdit=", "Cannot find mame.exe!", "close");
        addRow<Commit>("no Neo-Geo ROMs", "Retro", "allGamesButton", "neoGeoRomsEdit= Return neoGeoRomsEdit:focus",
                       "You must select a Neo-Geo ROMs directory!", "Esc");
        addRow<Commit>("no samples, no Retro ROMs needed", "NeoOnly", "allGamesButton neoGeoOnlyButton",
                       "?retroRomsEdit= samplesEdit= Return samplesEdit:focus", "You must select a Samples directory!",
                       "cancelButton");
        addRow<Commit>("changed, then left", "Retro", "allGamesButton hideClonesBox", "samplesEdit=@/t", "", "Esc");
    }
    void commit() {
        QFETCH(Commit, row);
        const QString cfgFile = m_state.directories.mame + "mame.cfg";
        if (row.cfgBlocked)
            QVERIFY(QDir().mkpath(cfgFile));
        m_state.preferences = row.stored;
        m_dialogs.colours << row.picks;
        open(row.gameList);
        const config::AppState before = m_state;
        // The star field shows in the preview as a plain button face.
        const QPalette system = m_dialog->palette(), preview = m_user.find("coloursPreview")->palette();
        QCOMPARE(row.stored.useStarfield, preview.color(QPalette::Window) == system.color(QPalette::Button) &&
                                              preview.color(QPalette::WindowText) == system.color(QPalette::Button));
        m_user.act(row.first + " Alt+N " + expand(row.second));
        QCOMPARE(refusals(), row.refusal);
        if (!row.leave.isEmpty()) {
            m_user.verify("setupDialog:shown");
            if (row.leave == u"close")
                m_dialog->close();
            else
                m_user.act(row.leave);
            // Closed, nothing taken over, nothing written.
            QCOMPARE(m_dialog->isVisible() ? -1 : m_dialog->result(), int(QDialog::Rejected));
            QVERIFY(m_state.directories == before.directories && m_state.preferences == before.preferences);
            QVERIFY(!QFile::exists(m_state.optionsFile()) && !QFileInfo(cfgFile).isFile());
            return;
        }
        QCOMPARE(m_dialog->result(), int(QDialog::Accepted));
        const QString cfg =
            row.cfg.isEmpty() ? "[directory]\r\nrompath = @R\r\nsamplepath = @S\r\nsnap = @P\r\n" : row.cfg;
        QCOMPARE(readFile(cfgFile), expand(cfg).toLatin1());
        QString written = "[Preferences]\r\nGameList=" + row.gameList +
                          "\r\nHideClones=False\r\nCloneShots=False\r\nDisableHotKeys=True\r\nUseStarfield=True\r\n"
                          "BackColor=0\r\nForeColor=0\r\n[Directories]\r\nMAME=@M\r\nRetroROMs=@R\r\nNeoGeoROMs=@N\r\n"
                          "Samples=@S\r\nSnapshots=@P\r\n";
        for (const QString& line : row.written.split(u' ', Qt::SkipEmptyParts))
            written.replace(QRegularExpression("(?m)^" + line.section(u'=', 0, 0) + "=[^\r]*"), line);
        QCOMPARE(readFile(m_state.optionsFile()), expand(written).toLatin1());
        // The state holds what was written.
        QVERIFY(config::writeSetup(m_sandbox->root() + "/written.ini", m_state));
        QCOMPARE(readFile(m_sandbox->root() + "/written.ini"), readFile(m_state.optionsFile()));
    }
};

QTEST_MAIN(TestSetupDialog)
#include "TestSetupDialog.moc"
