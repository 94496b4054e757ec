#include "support/Session.h"
#include "support/TableRows.h"

#include <QDir>
#include <QFile>
#include <QPlainTextEdit>
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
        QFETCH(QByteArray, view);
        QFETCH(QString, list);
        QFETCH(QString, rom);
        QFETCH(bool, emulator);
        QVERIFY(s().startWith("RetroP", "GameView=" + view + ""));
        s().select(rom, qPrintable(list));
        // The ROM check and list under "ROMs", then the sample check and list under "Samples".
        const QString expected = "ROMs\n----------\n" + this->emulator({rom, "-verifyroms"}) +
                                 this->emulator({rom, "-listroms"}) + "\n\nSamples\n-------------\n" +
                                 this->emulator({rom, "-verifysamples"}) + this->emulator({rom, "-listsamples"});
        if (!emulator)
            QFile::remove(s().sandbox.state().mameExecutable());
        s().click("auditButton");
        QCOMPARE(text(), emulator ? expected : QStringLiteral("ROMs\n----------\n\n\nSamples\n-------------\n"));
        if (rom == "galx" && emulator)
            QVERIFY(text().contains("sampleset galx is good"));
        QCOMPARE(caption(), QStringLiteral("Game Audit"));
        QVERIFY(s().panelOpen());
        QVERIFY(!s().child<QWidget>("statusCover")->isVisible()); // the game's details stay in view
        QVERIFY(s().enabled("exitButton"));
        QVERIFY(panelButton("returnButton")->hasFocus());
        QVERIFY(!panelButton("findButton")->isEnabled());
        QCOMPARE(QDir(s().sandbox.reportsPath()).entryList({"temp*.txt"}), QStringList());

        leave();
        QVERIFY(!s().panelOpen());
        QCOMPARE(text(), QString());
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
        QFETCH(bool, neoGeoFolder);
        QVERIFY(s().startWith("RetroP", "GameView=Uninstalled Games"));
        s().select("zoom", "uninstalledList");
        const config::Directories& d = s().sandbox.state().directories;
        TestSandbox::addArchive(neoGeoFolder ? d.neoGeoRoms : d.retroRoms, "zoom");

        s().trigger("auditAction");
        QCOMPARE(s().panel(1), QStringLiteral("Total Games: 2"));
        QCOMPARE(s().panel(6), QStringLiteral("New ROM Found"));
        QCOMPARE(s().list("uninstalledList")->count(), 3); // the lists change on return

        leave();
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

    void reports() {
        QFETCH(QString, create);
        QFETCH(QString, view);
        QFETCH(QString, file);
        QFETCH(QString, caption);
        QFETCH(QString, summary);
        QVERIFY(s().startWith());
        s().dialogs.answers << true;
        s().trigger(qPrintable(create));
        QCOMPARE(s().dialogs.texts(), QStringList{"This could take a long time.  Do you want to continue?"});
        QCOMPARE(s().dialogs.shown.first().icon, gui::Dialogs::Icon::Exclamation);
        QCOMPARE(this->caption(), caption == "ROMs" ? "Verify All ROMs" : "Verify All " + caption);
        QVERIFY(s().child<QWidget>("statusCover")->isVisible());
        QVERIFY(panelButton("findButton")->isEnabled());

        // The summary first, the body, then "End of report." where the summary stood.
        const QString report = QString::fromLatin1(readFile(s().sandbox.reportsPath() + file));
        const QStringList lines = text().split('\n');
        QVERIFY2(lines.first().contains(summary), qPrintable(text()));
        QCOMPARE(lines.at(1), QString());
        QVERIFY(report.contains(lines.first())); // the file itself is kept as the emulator wrote it
        QVERIFY(text().contains("\n\nEnd of report."));
        QVERIFY(!report.contains("End of report."));

        // Viewing it again moves the summary again, from the file.
        leave();
        QVERIFY(!s().child<QWidget>("statusCover")->isVisible());
        QVERIFY(!panelButton("findButton")->isEnabled());
        s().trigger(qPrintable(view));
        QCOMPARE(this->caption(), "View " + caption + " Report");
        QVERIFY(text().split('\n').first().contains(summary));
    }

    void reportRefusedOrMissing_data() {
        QTest::addColumn<QString>("action");
        QTest::addColumn<QString>("message");
        QTest::newRow("creation declined") << "verifySetsAction"
                                           << "This could take a long time.  Do you want to continue?";
        for (const char* report : {"ROMs", "Samples", "Sets"}) {
            const QString name =
                QStringLiteral("view%1ReportAction").arg(report == QStringLiteral("ROMs") ? "Roms" : report);
            QTest::newRow(report) << name
                                  << QStringLiteral("Cannot find %1 report.  You can create one from the Reports "
                                                    "pull-down menu above.")
                                         .arg(report);
        }
    }

    void reportRefusedOrMissing() {
        QFETCH(QString, action);
        QFETCH(QString, message);
        QVERIFY(s().startWith());
        s().dialogs.answers << false;
        s().trigger(qPrintable(action));
        QCOMPARE(s().dialogs.texts(), QStringList{message});
        QVERIFY(!s().panelOpen());
        QVERIFY(!QFile::exists(s().sandbox.reportsPath() + "sets.txt"));
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
            QTest::mouseClick(panelButton("findButton"), Qt::LeftButton);
            return textBox()->textCursor().selectedText();
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
        leave();

        // A run that left no report: the summary error, and nothing to find.
        QFile::remove(s().sandbox.state().mameExecutable());
        s().dialogs.answers << true;
        s().trigger("verifySamplesAction");
        QCOMPARE(text(), QStringLiteral("There was an error in the MoveSummary procedure."));
        find();
        QCOMPARE(s().dialogs.texts().last(), QStringLiteral("No bad sets found."));
        leave();
        QVERIFY(!s().panelOpen());
    }

    void textFilesAndHistory_data() {
        // Files in the MAME ("m:") or application ("a:") directory; without a caption the message when it is missing.
        columns<QString, QString, QString, QString>({"action", "file", "caption", "shown"});
        const QString twoLines = "Line one\nLine two\n";
        row("readme", "readmeAction", "m:readme.txt", "M.A.M.E. Readme File", twoLines);
        row("readme missing", "readmeAction", "", "", "Cannot find readme.txt!");
        row("guide", "helpFileAction", "a:retro.txt", "Marqueon File", twoLines);
        row("history", "historyAction", "m:history.dat", "Game History",
            "A raid from \"beyond\" the stars.First seen in 1981.");
        row("history without its file", "historyAction", "", "",
            "Cannot find history.dat file.  Download and install this file in your M.A.M.E. directory.\rOnce this "
            "file exists, refresh the Game List to initialize the history database.");
    }

    void textFilesAndHistory() {
        QFETCH(QString, action);
        QFETCH(QString, file);
        QFETCH(QString, caption);
        QFETCH(QString, shown);
        QVERIFY(s().startWith());
        if (!file.isEmpty())
            writeFile((file.startsWith("m:") ? s().sandbox.mamePath() : s().sandbox.appPath()) + file.mid(2),
                      "Line one\r\nLine two\r\n");
        s().trigger(qPrintable(action));
        if (caption.isEmpty()) {
            QCOMPARE(s().dialogs.texts(), QStringList{shown});
            QVERIFY(!s().panelOpen());
            return;
        }
        QCOMPARE(this->caption(), caption);
        QVERIFY(text().startsWith(shown));
        QVERIFY(s().panelOpen());
        QCOMPARE(s().child<QWidget>("statusCover")->isVisible(), action != "historyAction");
        QVERIFY(panelButton("returnButton")->hasFocus());
        leave();
        QVERIFY(!s().panelOpen());
        QCOMPARE(s().selectedRom("allList"), QStringLiteral("galx"));
    }

    // Today's emulator writes no listing: Game History reads history.xml itself, from the MAME
    // directory's history/ folder here, and shows the clone its parent's paragraphs.
    void historyWithTodaysEmulator_data() {
        columns<QByteArray, QString>({"file", "shown"}); // without a file the message
        row("paragraphs of the parent",
            QByteArray("<history version=\"1\"><entry><systems><system name=\"galx\"/>"
                       "</systems><text>\nGalaxy Raid &amp; more.\n\nTwo lines\nhere."
                       "\n</text></entry></history>"),
            "Galaxy Raid & more.\n\nTwo lines\nhere.");
        row("no file", QByteArray("<none>"),
            "Cannot find history.xml or history.dat file.  Marqueon looked in @mame, @mame/history, @mame/dats, "
            "@home/.mame/history.  Download one of these files and put it in one of these folders.");
    }
    void historyWithTodaysEmulator() {
        qputenv("HOME", m_home.path().toLocal8Bit()); // never the user's own history files
        writeFile(s().sandbox.mamePath() + "standin-today", "");
        place(s().sandbox.mamePath() + "history/history.xml", cell<QByteArray>("file"));
        QVERIFY(s().startWith());
        s().select("galxb");
        s().trigger("historyAction");
        if (cell<QByteArray>("file") == "<none>") {
            QCOMPARE(s().dialogs.texts(), QStringList{QString(cell<QString>("shown"))
                                                          .replace("@mame", s().sandbox.mamePath().chopped(1))
                                                          .replace("@home", m_home.path())});
            QVERIFY(!s().panelOpen());
            return;
        }
        QCOMPARE(caption(), QStringLiteral("Game History"));
        QCOMPARE(text(), cell<QString>("shown"));
        QVERIFY(panelButton("returnButton")->hasFocus());
        leave();
        QCOMPARE(s().selectedRom("allList"), QStringLiteral("galxb"));
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
        QFETCH(QByteArray, before);
        QFETCH(bool, typed);
        QFETCH(int, answer);
        QFETCH(QByteArray, after);
        const bool today = QByteArray(QTest::currentDataTag()).startsWith("today");
        const QString name = today ? "mame.ini" : "mame.cfg";
        if (today) {
            writeFile(s().sandbox.mamePath() + "standin-today", "");
            qputenv("HOME", s().sandbox.root().toLocal8Bit());
        }
        QVERIFY(s().startWith("Retro"));
        const QString path = today ? s().sandbox.root() + "/.mame/mame.ini" : s().sandbox.mamePath() + "mame.cfg";
        const QByteArray roms = s().sandbox.mamePath().toLatin1() + "roms/";
        QVERIFY(readFile(path).startsWith(today ? "rompath                   " + roms + "\nsamplepath"
                                                : "[directory]\r\nrompath = " + roms + "\r\n")); // at start-up
        if (before.isEmpty())
            QFile::remove(path);
        else
            writeFile(path, before);
        s().trigger("editConfigAction");
        QCOMPARE(s().dialogs.texts(), before.isEmpty() ? QStringList{"Cannot find the " + name +
                                                                     " file.  Marqueon will now create one for you."}
                                                       : QStringList());
        QCOMPARE(caption(), QStringLiteral("Edit M.A.M.E. Config File"));
        QVERIFY(!textBox()->isReadOnly());
        if (typed) {
            textBox()->moveCursor(QTextCursor::Start);
            QTest::keyClicks(textBox(), "; mine");
            QTest::keyClick(textBox(), Qt::Key_Return);
        }
        s().dialogs.shown.clear();
        if (answer >= 0)
            s().dialogs.answers << (answer == 1);
        leave();
        QCOMPARE(s().dialogs.texts(), answer >= 0
                                          ? QStringList{"Do you want to save the changes to the " + name + " file?"}
                                          : QStringList());
        QVERIFY(readFile(path).startsWith(after));
        QVERIFY(textBox()->isReadOnly());
        QVERIFY(!s().panelOpen());
    }

    void aboutBoxAsksTheEmulatorsVersion_data() {
        columns<QByteArray, QString>({"help", "version"}); // the emulator's -help output; empty: its own
        row("banner", QByteArray(), "M.A.M.E. Version 0.37 BETA 5");
        row("no banner", QByteArray("usage: mame [game] [options]\n"), "Unknown");
    }

    void aboutBoxAsksTheEmulatorsVersion() {
        QFETCH(QByteArray, help);
        QFETCH(QString, version);
        QVERIFY(s().startWith());
        if (!help.isEmpty())
            writeFile(s().sandbox.mamePath() + "standin-help.txt", help);
        onNextModal([&](QDialog* about) {
            QCOMPARE(about->windowTitle(), QStringLiteral("About Marqueon"));
            QVERIFY(about->findChild<QLabel*>("versionLabel")->text().startsWith("Version "));
            auto* button = about->findChild<QPushButton*>("versionButton");
            QCOMPARE(button->toolTip(), QStringLiteral("Show current version of M.A.M.E."));
            QTest::mouseClick(button, Qt::LeftButton);
            QCOMPARE(about->findChild<QLabel*>("emulatorVersionLabel")->text(), version);
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
    QPlainTextEdit* textBox() const { return m_session->child<QPlainTextEdit>("textBox"); }
    QString text() const { return textBox()->toPlainText(); }
    QString caption() const { return m_session->child<QGroupBox>("textPanel")->title(); }
    QPushButton* panelButton(const char* name) const {
        return m_session->child<QWidget>("textPanel")->findChild<QPushButton*>(QLatin1String(name));
    }
    void leave() { QTest::mouseClick(panelButton("returnButton"), Qt::LeftButton); }
    // What the emulator prints for a command, asked directly.
    QString emulator(const QStringList& arguments) const {
        QProcess process;
        process.setWorkingDirectory(m_session->sandbox.mamePath());
        process.start(m_session->sandbox.state().mameExecutable(), arguments);
        process.waitForFinished();
        return QString::fromLatin1(process.readAllStandardOutput());
    }
    std::unique_ptr<Session> m_session;
    QTemporaryDir m_home;
};

QTEST_MAIN(TestTextCommands)
#include "TestTextCommands.moc"
