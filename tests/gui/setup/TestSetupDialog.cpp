#include "gui/setup/SetupDialog.h"
#include "support/Controls.h"
#include "support/ScriptedDialogs.h"
#include "support/TableRows.h"

#include <QLineEdit>

using config::ListChoice;

class TestSetupDialog : public QObject {
    Q_OBJECT

    std::unique_ptr<TestSandbox> m_sandbox;
    ScriptedDialogs m_dialogs;
    config::AppState m_state;
    std::unique_ptr<gui::SetupDialog> m_dialog;

    QWidget* child(const QString& name) const { return control(m_dialog.get(), name); }
    QLineEdit* edit(const QString& row) const { return control<QLineEdit>(m_dialog.get(), row + "Edit"); }
    static QString focus() { return QApplication::focusWidget()->objectName(); }
    // Under the sandbox, as the boxes show it; an absolute path stays as it is.
    QString path(const QString& relative) const {
        return relative.isEmpty() ? relative : QDir::toNativeSeparators(QDir(m_sandbox->root()).filePath(relative));
    }
    void open(ListChoice choice) {
        m_state.preferences.listChoice = choice;
        m_dialog = std::make_unique<gui::SetupDialog>(m_state, m_dialogs);
        m_dialog->show();
        QVERIFY(QTest::qWaitForWindowActive(m_dialog.get()));
    }
    // Which page is in front, what can be reached there, and where the focus is.
    void onPage(bool directories, const QString& focused) const {
        QCOMPARE(child("preferencesPage")->isVisible(), !directories);
        for (const char* name : {"directoriesPage", "backButton", "okButton"})
            QVERIFY2(child(name)->isEnabled() == directories, name);
        QVERIFY(child("preferencesPage")->isEnabled() != directories &&
                child("nextButton")->isEnabled() != directories);
        QCOMPARE(focus(), focused);
    }

private slots:
    void init() {
        m_sandbox = std::make_unique<TestSandbox>();
        m_dialogs = ScriptedDialogs();
        m_state = m_sandbox->state();
    }
    void cleanup() { m_dialog.reset(); }
    // The list choice stored and chosen, the second page then, and how it is left after OK refused an empty MAME box.
    void pagesAndLeaving_data() {
        columns<ListChoice, QStringList, bool, bool, QString, bool>(
            {"stored", "chosen", "retroRoms", "neoGeoRoms", "focus", "escape"});
        row("no list, Escape", ListChoice::None, QStringList(), true, false, "okButton", true);
        row("Neo-Geo only, Cancel", ListChoice::NeoGeo, QStringList(), false, true, "okButton", false);
        row("all, then Retro only", ListChoice::All, QStringList{"retroOnlyButton"}, true, false, "okButton", true);
        row("Neo-Geo only, then all games", ListChoice::All, QStringList{"neoGeoOnlyButton", "allGamesButton"}, true,
            true, "retroRomsEdit", false); // emptied while out of use
    }
    void pagesAndLeaving() {
        open(cell<ListChoice>("stored"));
        const config::AppState before = m_state;
        onPage(false, "nextButton");
        QVERIFY(!child("backColourButton")->isEnabled()); // the star field, not colours
        for (const QString& option : cell<QStringList>("chosen"))
            click(child(option));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_N, Qt::AltModifier);
        QTRY_VERIFY(child("directoriesPage")->isEnabled());
        onPage(true, cell<QString>("focus"));
        QTEST(edit("retroRoms")->isEnabled(), "retroRoms");
        QTEST(edit("neoGeoRoms")->isEnabled(), "neoGeoRoms");
        edit("mame")->selectAll();
        QTest::keyClick(edit("mame"), Qt::Key_Delete);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_B, Qt::AltModifier);
        QTRY_VERIFY(child("nextButton")->isEnabled());
        onPage(false, "nextButton");
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return); // Next is the default button
        onPage(true, "mameEdit");
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return); // now OK is
        QCOMPARE(m_dialogs.texts(), QStringList{"You must select a M.A.M.E. directory!"});
        QVERIFY(m_dialog->isVisible() && focus() == "mameEdit" &&
                m_dialogs.shown[0].icon == gui::Dialogs::Icon::Critical);
        cell<bool>("escape") ? QTest::keyClick(m_dialog.get(), Qt::Key_Escape) : click(child("cancelButton"));
        QVERIFY(!m_dialog->isVisible() && m_dialog->result() == QDialog::Rejected);
        QVERIFY(m_state.directories == before.directories && m_state.preferences == before.preferences);
        QVERIFY(!QFile::exists(m_state.optionsFile()) && !QFile::exists(m_state.directories.mame + "mame.cfg"));
    }
    // The row browsed for all games, the folder chosen, the refusal shown, the five boxes then and the focus.
    void browse_data() {
        columns<QString, QString, QString, QStringList, QString>({"row", "chosen", "refusal", "boxes", "focus"});
        const auto storedBut = [](int index, const QString& shown) {
            QStringList boxes{"mame/", "mame/roms/", "mame/neogeo/", "mame/samples/", "mame/snap/"};
            boxes[index] = shown;
            return boxes;
        };
        row("Retro ROMs", "retroRoms", "r", "", storedBut(1, "r/"), "neoGeoRomsEdit");
        row("snapshots", "snapshots", "p", "", storedBut(4, "p/"), "okButton");
        row("snapshots in the root", "snapshots", QDir::rootPath(),
            "Snapshots cannot reside in the root!  Please select a directory.", storedBut(4, ""), "snapshotsEdit");
        row("a name Latin-1 cannot hold", "samples", "\u30B9\u30CA\u30C3\u30D7",
            "Invalid selection!  Please try again.", storedBut(3, ""), "samplesEdit");
        row("no emulator", "mame", "app", "Cannot find " + config::mameFileName() + "!", storedBut(0, ""), "mameEdit");
        row("the emulator's folder", "mame", "o", "",
            QStringList{"o/", "o/roms/", "o/neoroms/", "o/samples/", "o/snap/"}, "retroRomsEdit");
    }
    void browse() {
        const QString& row = cell<QString>("row");
        writeFile(path("o/") + config::mameFileName(), "");
        open(ListChoice::All);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        m_dialogs.folders << path(cell<QString>("chosen"));
        click(child(row + "BrowseButton"));
        const QString label = child(row + "Label")->property("text").toString(); // "Retro ROMs:"
        QCOMPARE(m_dialogs.shown.first().text, "Select your " + label.chopped(1) + " directory...");
        QCOMPARE(m_dialogs.texts().join(""), cell<QString>("refusal"));
        for (int index = 0; const char* each : {"mame", "retroRoms", "neoGeoRoms", "samples", "snapshots"})
            QCOMPARE(edit(each)->text(), path(cell<QStringList>("boxes")[index++]));
        QTEST(focus(), "focus");
    }
    // Stored: colours instead of the star field, kept by closed colour pickers. Hidden clones show no shots.
    void ok() {
        m_state.preferences = {.useStarfield = false, .backColour = 0x102030, .foreColour = 0x405060};
        m_dialogs.colours << std::nullopt << std::nullopt;
        open(ListChoice::Retro);
        for (const char* option : {"allGamesButton", "cloneShotsBox", "hideClonesBox", "disableHotKeysBox",
                                   "backColourButton", "foreColourButton"})
            click(child(option));
        // Left empty, the artwork folder is the one that holds the snapshots directory.
        QCOMPARE(edit("artworkFolder")->placeholderText(), m_sandbox->mamePath());
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        edit("samples")->selectAll();
        QTest::keyClicks(edit("samples"), path("t")); // without its separator
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        QCOMPARE(m_dialog->result(), int(QDialog::Accepted));
        const config::Directories& d = m_sandbox->state().directories;
        const QString t = path("t/");
        QCOMPARE(QString(readFile(m_state.optionsFile())),
                 "[Preferences]\r\nGameList=RetroP\r\nHideClones=True\r\nCloneShots=False\r\nDisableHotKeys=False\r\n"
                 "UseStarfield=False\r\nBackColor=1056816\r\nForeColor=4214880\r\n[Directories]\r\nMAME=" +
                     d.mame + "\r\nRetroROMs=" + d.retroRoms + "\r\nNeoGeoROMs=" + d.neoGeoRoms + "\r\nSamples=" + t +
                     "\r\nSnapshots=" + d.snapshots + "\r\n");
        QCOMPARE(QString(readFile(d.mame + "mame.cfg")), "[directory]\r\nrompath = " + d.retroRoms + ';' +
                                                             d.neoGeoRoms + "\r\nsamplepath = " + t +
                                                             "\r\nsnap = " + d.snapshots + "\r\n");
    }
};

QTEST_MAIN(TestSetupDialog)
#include "TestSetupDialog.moc"
