#include "support/Session.h"
#include "support/TableRows.h"

#include <QDir>
#include <QFile>
#include <QProcess>

class TestTextCommands : public QObject {
    Q_OBJECT

private slots:
    void cleanup() { m_session.reset(); }

    void init() {
        QList<ListedGame> games = Games;
        games[0].driver += "\n\tsampleof galx\n\tsample boom.wav"; // galx uses samples
        games[0].history = "A raid from \\\"beyond\\\" the stars.\\n\\nFirst seen in 1981.";
        m_session = std::make_unique<Session>(games);
        writeFile(s().sandbox.state().directories.samples + "galx/boom.wav", "RIFF");
    }

    void audit_data() {
        columns<QByteArray, QString, QString, bool>({"view", "list", "rom", "emulator"});
        row("all games, with samples", QByteArray("All Games"), "allList", "galx", true);
        row("installed, without samples", QByteArray("Installed Games"), "installedList", "nam1975", true);
        row("uninstalled, still missing", QByteArray("Uninstalled Games"), "uninstalledList", "zoom", true);
        row("an emulator that does not start", QByteArray("All Games"), "allList", "galx", false);
    }

    void audit() {
        const QString &rom = cell<QString>("rom"), &list = cell<QString>("list");
        const bool emulator = cell<bool>("emulator");
        QVERIFY(s().startWith("RetroP", "GameView=" + cell<QByteArray>("view")));
        s().select(rom, qPrintable(list));
        // The ROM check and list under "ROMs", then the sample check and list under "Samples".
        const QString expected = "ROMs\n----------\n" + this->emulator({rom, "-verifyroms"}) +
                                 this->emulator({rom, "-listroms"}) + "\n\nSamples\n-------------\n" +
                                 this->emulator({rom, "-verifysamples"}) + this->emulator({rom, "-listsamples"});
        if (!emulator)
            QFile::remove(s().sandbox.state().mameExecutable());
        s().click("auditButton");
        QCOMPARE(s().text(), emulator ? expected : QStringLiteral("ROMs\n----------\n\n\nSamples\n-------------\n"));
        QCOMPARE(s().textCaption(), QStringLiteral("Game Audit"));
        QVERIFY(s().panelOpen());
        QVERIFY(!s().child<QWidget>("statusCover")->isVisible()); // the game's details stay in view
        QVERIFY(s().enabled("exitButton"));
        QVERIFY(s().textButton("returnButton")->hasFocus());
        QVERIFY(!s().textButton("findButton")->isEnabled());
        QCOMPARE(QDir(s().sandbox.reportsPath()).entryList({"temp*.txt"}), QStringList());

        s().leaveText();
        QVERIFY(!s().panelOpen());
        QCOMPARE(s().text(), QString());
        QCOMPARE(s().selectedRom(qPrintable(list)), rom);
        QCOMPARE(s().list("uninstalledList")->count(), 3);
        QVERIFY(s().enabled("rasterButton"));
    }

    void newRomMovesToTheInstalledList_data() {
        columns<bool>({"neoGeoFolder"});
        row("archive in the Retro ROM folder", false);
        row("archive in the Neo-Geo ROM folder", true);
    }

    void newRomMovesToTheInstalledList() {
        QVERIFY(s().startWith("RetroP", "GameView=Uninstalled Games"));
        s().select("zoom", "uninstalledList");
        const config::Directories& d = s().sandbox.state().directories;
        TestSandbox::addArchive(cell<bool>("neoGeoFolder") ? d.neoGeoRoms : d.retroRoms, "zoom");

        s().trigger("auditAction");
        QCOMPARE(s().panel(1), QStringLiteral("Total Games: 2"));
        QCOMPARE(s().panel(6), QStringLiteral("New ROM Found"));
        QCOMPARE(s().list("uninstalledList")->count(), 3); // the lists change on return

        s().leaveText();
        QCOMPARE(s().list("uninstalledList")->count(), 2);
        QCOMPARE(s().list("installedList")->count(), 3);
        QCOMPARE(s().list("allList")->count(), 5);
        QCOMPARE(s().panel(1), QStringLiteral("Total Games: 2"));
        QCOMPARE(s().panel(6), QStringLiteral("Not Installed"));
        s().trigger("viewInstalledAction");
        QCOMPARE(s().panel(1), QStringLiteral("Total Games: 3"));
        s().select("zoom", "installedList");
        QCOMPARE(s().selectedRom("installedList"), QStringLiteral("zoom"));
    }

    void reports_data() {
        columns<QString, QString, QString, QString, QString>({"create", "view", "file", "caption", "summary"});
        row("ROMs", "verifyRomsAction", "viewRomsReportAction", "roms.txt", "ROMs", "romsets found");
        row("samples", "verifySamplesAction", "viewSamplesReportAction", "samples.txt", "Samples", "samplesets found");
        row("sets", "verifySetsAction", "viewSetsReportAction", "sets.txt", "Sets", "romsets found");
    }

    // Viewing a report not yet there says how to create one; a declined creation writes none.
    void reports() {
        const QString &caption = cell<QString>("caption"), &summary = cell<QString>("summary");
        const QByteArray create = cell<QString>("create").toLatin1(), view = cell<QString>("view").toLatin1();
        const QString file = s().sandbox.reportsPath() + cell<QString>("file");
        QVERIFY(s().startWith());
        s().trigger(view.constData());
        s().dialogs.answers << false << true;
        s().trigger(create.constData());
        QVERIFY(!s().panelOpen() && !QFile::exists(file));
        s().trigger(create.constData());
        const QString question = "This could take a long time.  Do you want to continue?";
        QCOMPARE(s().dialogs.texts(),
                 QStringList(
                     {"Cannot find " + caption + " report.  You can create one from the Reports pull-down menu above.",
                      question, question}));
        QCOMPARE(s().dialogs.shown.last().icon, gui::Dialogs::Icon::Exclamation);
        QCOMPARE(s().textCaption(), caption == "ROMs" ? "Verify All ROMs" : "Verify All " + caption);
        QVERIFY(s().child<QWidget>("statusCover")->isVisible());
        QVERIFY(s().textButton("findButton")->isEnabled());

        // The summary first, the body, then "End of report." where the summary stood.
        const QString report = QString::fromLatin1(readFile(file));
        const QStringList lines = s().text().split('\n');
        QVERIFY2(lines.first().contains(summary), qPrintable(s().text()));
        QCOMPARE(lines.at(1), QString());
        QVERIFY(report.contains(lines.first())); // the file itself is kept as the emulator wrote it
        QVERIFY(s().text().contains("\n\nEnd of report."));
        QVERIFY(!report.contains("End of report."));

        // Viewing it again moves the summary again, from the file.
        s().leaveText();
        QVERIFY(!s().child<QWidget>("statusCover")->isVisible());
        QVERIFY(!s().textButton("findButton")->isEnabled());
        s().trigger(view.constData());
        QCOMPARE(s().textCaption(), "View " + caption + " Report");
        QVERIFY(s().text().split('\n').first().contains(summary));
    }

    // A report that cannot be written (a full disk, a folder in its place) is said, not shown stale.
    void reportUnwritable() {
        QVERIFY(s().startWith());
        QVERIFY(QDir().mkpath(s().sandbox.reportsPath() + "roms.txt/former"));
        s().dialogs.answers << true;
        s().trigger("verifyRomsAction");
        QCOMPARE(s().dialogs.texts().last(), "The report could not be written in " + s().sandbox.reportsPath() +
                                                 ".  The former report, if any, is unchanged.");
        QVERIFY(!s().panelOpen());
        QVERIFY(QFileInfo(s().sandbox.reportsPath() + "roms.txt/former").isDir());
    }

    void findBadSetsCycle() {
        // Two sets the emulator will call bad.
        writeFile(s().sandbox.state().directories.retroRoms + "galx.zip", "BADCRC");
        writeFile(s().sandbox.state().directories.neoGeoRoms + "nam1975.zip", "MISSING");
        QVERIFY(s().startWith());
        const auto find = [&] {
            QTest::mouseClick(s().textButton("findButton"), Qt::LeftButton);
            return s().child<QPlainTextEdit>("textBox")->textCursor().selectedText();
        };
        s().dialogs.answers << true;
        s().trigger("verifyRomsAction");
        const QString first = find();
        QVERIFY2(first.startsWith("romset ") && first.endsWith(" is bad"), qPrintable(first));
        const QString second = find();
        QVERIFY(second.startsWith("romset ") && second != first);
        find();
        QCOMPARE(s().dialogs.texts().last(), QStringLiteral("Finished searching report."));
        QCOMPARE(s().dialogs.shown.last().icon, gui::Dialogs::Icon::None);
        QCOMPARE(find(), first); // and round again from the top
        s().leaveText();

        // A run that left no report: the summary error, and nothing to find.
        QFile::remove(s().sandbox.state().mameExecutable());
        s().dialogs.answers << true;
        s().trigger("verifySamplesAction");
        QCOMPARE(s().text(), QStringLiteral("There was an error in the MoveSummary procedure."));
        find();
        QCOMPARE(s().dialogs.texts().last(), QStringLiteral("No bad sets found."));
        s().leaveText();
        QVERIFY(!s().panelOpen());
    }

    // Files in the MAME ("m:") or application ("a:") directory; without a caption the message when it is
    // missing. Today's emulator reads history.xml itself, and shows the clone galxb its parent's history.
    void textFilesAndHistory_data() {
        columns<QString, QString, QString, QString>({"action", "file", "caption", "shown"});
        const QString twoLines = "Line one\nLine two\n";
        row("readme", "readmeAction", "m:readme.txt", "M.A.M.E. Readme File", twoLines);
        row("readme missing", "readmeAction", "", "", "Cannot find readme.txt!");
        row("guide", "helpFileAction", "a:retro.txt", "Marqueon File", twoLines);
        row("history", "historyAction", "m:history.dat", "Game History",
            "A raid from \"beyond\" the stars.First seen in 1981.");
        row("history without its file", "historyAction", "", "", "Cannot find history.dat file.  ");
        row("today: history", "historyAction", "m:history/history.xml", "Game History", "Galaxy Raid.");
        row("today: history without its file", "historyAction", "", "", "Cannot find history.xml or history.dat ");
    }

    void textFilesAndHistory() {
        const QString &action = cell<QString>("action"), &file = cell<QString>("file"), &shown = cell<QString>("shown");
        const bool today = QByteArray(QTest::currentDataTag()).startsWith("today");
        if (today)
            writeFile(s().sandbox.mamePath() + "standin-today", "");
        QVERIFY(s().startWith());
        if (!file.isEmpty())
            writeFile((file.startsWith("m:") ? s().sandbox.mamePath() : s().sandbox.appPath()) + file.mid(2),
                      today ? "<history><entry><systems><system name='galx'/></systems><text>Galaxy Raid."
                              "</text></entry></history>"
                            : "Line one\r\nLine two\r\n");
        s().select(today ? "galxb" : "galx");
        s().trigger(qPrintable(action));
        if (cell<QString>("caption").isEmpty()) {
            QCOMPARE(s().dialogs.texts().size(), 1);
            QVERIFY2(s().dialogs.texts()[0].startsWith(shown), qPrintable(s().dialogs.texts()[0]));
            QVERIFY(!s().panelOpen());
            return;
        }
        QTEST(s().textCaption(), "caption");
        QCOMPARE(s().text(), shown);
        QVERIFY(s().panelOpen());
        QCOMPARE(s().child<QWidget>("statusCover")->isVisible(), action != "historyAction");
        QVERIFY(s().textButton("returnButton")->hasFocus());
        s().leaveText();
        QVERIFY(!s().panelOpen());
        QCOMPARE(s().selectedRom("allList"), today ? "galxb" : "galx");
    }

    void configEditor_data() {
        columns<QByteArray, bool, int, QByteArray>({"before", "typed", "answer", "after"}); // answer -1: no question
        const QByteArray file = "[directory]\nrompath = x\n";
        row("nothing typed", file, false, -1, file);
        row("typed, No", file, true, 0, file);
        row("typed, Yes", file, true, 1, QByteArray("; mine\r\n[directory]\r\nrompath = x\r\n"));
        row("missing: created first", QByteArray(), false, -1, QByteArray("[directory]\r\nrompath = "));
        // Today's: the user's UTF-8 mame.ini, its byte-order mark and line ends kept.
        const QByteArray ini = "\xEF\xBB\xBFrompath x\r\n# caf\xC3\xA9\r\n";
        row("today: typed, Yes", ini, true, 1, QByteArray("\xEF\xBB\xBF; mine\r\nrompath x\r\n# caf\xC3\xA9\r\n"));
        row("today: missing: created first", QByteArray(), false, -1, QByteArray("rompath                   /"));
    }

    void configEditor() {
        const QByteArray& before = cell<QByteArray>("before");
        const int answer = cell<int>("answer");
        const bool today = QByteArray(QTest::currentDataTag()).startsWith("today");
        const QString name = today ? "mame.ini" : "mame.cfg";
        if (today)
            writeFile(s().sandbox.mamePath() + "standin-today", "");
        QVERIFY(s().startWith("Retro"));
        const QString path = today ? s().sandbox.home() + "/.mame/mame.ini" : s().sandbox.mamePath() + "mame.cfg";
        const QByteArray roms = s().sandbox.mamePath().toLatin1() + "roms/";
        QVERIFY(readFile(path).startsWith(today ? "rompath                   " + roms + "\nsamplepath"
                                                : "[directory]\r\nrompath = " + roms + "\r\n")); // at start-up
        place(path, before.isEmpty() ? "<none>" : before);
        s().trigger("editConfigAction");
        QCOMPARE(s().dialogs.texts(), before.isEmpty() ? QStringList{"Cannot find the " + name +
                                                                     " file.  Marqueon will now create one for you."}
                                                       : QStringList());
        QCOMPARE(s().textCaption(), QStringLiteral("Edit M.A.M.E. Config File"));
        auto* box = s().child<QPlainTextEdit>("textBox");
        QVERIFY(!box->isReadOnly());
        if (cell<bool>("typed")) {
            box->moveCursor(QTextCursor::Start);
            QTest::keyClicks(box, "; mine");
            QTest::keyClick(box, Qt::Key_Return);
        }
        s().dialogs.shown.clear();
        if (answer >= 0)
            s().dialogs.answers << (answer == 1);
        s().leaveText();
        QCOMPARE(s().dialogs.texts(), answer >= 0
                                          ? QStringList{"Do you want to save the changes to the " + name + " file?"}
                                          : QStringList());
        QVERIFY(readFile(path).startsWith(cell<QByteArray>("after")));
        QVERIFY(box->isReadOnly());
        QVERIFY(!s().panelOpen());
    }

    void aboutBoxAsksTheEmulatorsVersion() {
        QVERIFY(s().startWith());
        onNextModal([&](QDialog* about) {
            QCOMPARE(about->windowTitle(), QStringLiteral("About Marqueon"));
            QVERIFY(about->findChild<QLabel*>("versionLabel")->text().startsWith("Version "));
            auto* button = about->findChild<QPushButton*>("versionButton");
            QCOMPARE(button->toolTip(), QStringLiteral("Show current version of M.A.M.E."));
            QTest::mouseClick(button, Qt::LeftButton);
            QCOMPARE(about->findChild<QLabel*>("emulatorVersionLabel")->text(),
                     QStringLiteral("M.A.M.E. Version 0.37 BETA 5"));
            QVERIFY(!button->isEnabled());
            QVERIFY(!QFile::exists(s().sandbox.reportsPath() + "version.txt"));
            QTest::mouseClick(about->findChild<QLabel*>("creditLabel"), Qt::LeftButton);
            QVERIFY(!about->findChild<QWidget*>("marquee")->isVisible());
            QVERIFY(about->findChild<QLabel*>("starField")->isVisible());
            QTest::keyClick(about, Qt::Key_Return); // OK is the default button
        });
        s().trigger("aboutAction");
        QVERIFY(!QApplication::activeModalWidget());
    }

private:
    Session& s() { return *m_session; }
    // What the emulator prints for a command, asked directly.
    QString emulator(const QStringList& arguments) const {
        QProcess process;
        process.setWorkingDirectory(m_session->sandbox.mamePath());
        process.start(m_session->sandbox.state().mameExecutable(), arguments);
        process.waitForFinished();
        return QString::fromLatin1(process.readAllStandardOutput());
    }
    std::unique_ptr<Session> m_session;
};

QTEST_MAIN(TestTextCommands)
#include "TestTextCommands.moc"
