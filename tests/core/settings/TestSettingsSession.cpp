#include "core/exec/CommandRunner.h"
#include "core/settings/SettingsSession.h"
#include "support/FormText.h"
#include "support/Listing.h"
#include "support/TableRows.h"

using settings::SettingsKind;
using Outcome = settings::SaveResult::Outcome;

// "raster" and "vector" stand for the defaults of a kind, "galx" for a raster game, "vecx" for a vector one.
class TestSettingsSession : public QObject {
    Q_OBJECT
    static bool vector(const QString& what) { return what.startsWith(u'v'); }
    settings::PanelContent open(settings::SettingsSession& session, const QString& what, const QString& shown = {}) {
        if (what.endsWith(u'x'))
            return session.openCustom(what, vector(what) ? "Vector" : "Raster", formFrom(shown));
        return session.openDefaults(vector(what) ? SettingsKind::Vector : SettingsKind::Raster, formFrom(shown));
    }
    // Files as OK leaves them (defaults: gamma 1.20, beam 2.5; custom: gamma 1.10), or "blocked" by a file.
    void writeFiles(const QString& files) {
        settings::SettingsSession session(m_state, m_emulator, m_runner);
        for (const QString& name : files.split(u' ', Qt::SkipEmptyParts)) {
            const QString form = name.endsWith(u'x') ? "gamma=12" : name == u"vector" ? "gamma=14 beam=15" : "gamma=14";
            if (name == u"blocked")
                place(m_state.settingsPath().chopped(1), "a file");
            else
                QCOMPARE(session.save(open(session, name).editing, formFrom(form)).outcome, Outcome::Saved);
        }
    }
    QString settingsFiles() const { return QDir(m_state.settingsPath()).entryList(QDir::Files).join(u' '); }
    std::unique_ptr<TestSandbox> m_sandbox;
    config::AppState m_state;
    exec::Emulator m_emulator{m_state};
    exec::CommandRunner m_runner;
private slots:
    void init() { m_state = (m_sandbox = std::make_unique<TestSandbox>())->state(); }
    // Each opens over a form with the beam at 1.7.
    void openAndRestore_data() {
        columns<QString, QString, QString, QString, QString, QString>(
            {"files", "open", "caption", "restoreCaption", "form", "restored"});
        const char *mame = "R&estore M.A.M.E. Defaults", *custom = "Custom Settings";
        row("raster defaults, none saved", "", "raster", "Raster Defaults", mame, "", "");
        row("raster defaults", "raster vector", "raster", "Raster Defaults", mame, "gamma=14 beam=7", "");
        row("vector defaults", "raster vector", "vector", "Vector Defaults", mame, "gamma=14 beam=15", "");
        row("custom settings, none saved", "", "galx", custom, mame, "", "");
        row("custom settings from the raster defaults", "raster", "galx", custom, mame, "gamma=14 beam=7", "");
        row("custom and raster defaults", "raster galx", "galx", custom, "R&estore Raster Defaults", "gamma=12 beam=7",
            "gamma=14 beam=7");
        row("custom and vector defaults", "vector vecx", "vecx", custom, "R&estore Vector Defaults", "gamma=12",
            "gamma=14 beam=15");
        row("custom without vector defaults", "raster vecx", "vecx", custom, mame, "gamma=12", "");
    }
    void openAndRestore() {
        const QString& open = cell<QString>("open");
        writeFiles(cell<QString>("files"));
        const QString before = settingsFiles();
        settings::SettingsSession session(m_state, m_emulator, m_runner);
        const settings::PanelContent content = this->open(session, open, "beam=7");
        QTEST(settings::editingCaption(content.editing), "caption");
        QTEST(content.restoreCaption, "restoreCaption");
        QCOMPARE(content.vectorControls, vector(open));
        QCOMPARE(content.form, formFrom(cell<QString>("form")));
        const settings::PanelContent after = session.restore(content);
        QCOMPARE(after.form, formFrom(cell<QString>("restored")));
        QCOMPARE(after.restoreCaption, content.restoreCaption);
        QCOMPARE(settingsFiles(), before); // Restore saves nothing
    }
    // OK: why it is refused or fails, the files then, and the options "galx" or the game edited starts with.
    void save_data() {
        columns<QString, QString, QString, QString, QString, QString>(
            {"files", "open", "form", "refusal", "after", "play"});
        row("custom as the raster defaults", "raster", "galx", "gamma=14", "", "raster.cfg", "-gamma 1.20");
        row("custom other than the defaults", "raster", "galx", "gamma=12", "", "galx.cfg raster.cfg", "-gamma 1.10");
        row("custom at the emulator's, other defaults", "raster", "galx", "", "", "galx.cfg raster.cfg", "");
        row("custom at the emulator's, no defaults", "", "galx", "", "", "", "");
        row("custom changed, no defaults", "", "galx", "gamma=12", "", "galx.cfg", "-gamma 1.10");
        row("custom as the vector defaults", "vector vecx", "vecx", "gamma=14 beam=15", "", "vector.cfg",
            "-gamma 1.20 -beam 2.5");
        row("raster defaults changed", "", "raster", "gamma=14 tweak", "", "raster.cfg", "-gamma 1.20 -tweak");
        row("raster defaults back at the emulator's", "raster galx", "raster", "", "", "galx.cfg", "-gamma 1.10");
        // Hidden controls count too: a vector-only setting away from its default keeps the file.
        row("raster defaults with a hidden vector setting", "raster", "raster", "beam=15", "", "raster.cfg", "");
        row("vector defaults back at the emulator's", "vector", "vector", "", "", "", "");
        const QString x117(117, u'x');
        row("command line of 131", "", "raster", "parameters=" + x117, "", "raster.cfg", x117);
        row("command line of 132", "raster", "raster", "parameters=x" + x117, "line 132 characters", "raster.cfg",
            "-gamma 1.20");
        // Today's emulator has no length limit and its own spelling.
        row("today: command line of 132", "", "raster", "parameters=x" + x117, "", "raster.cfg", "x" + x117);
        row("today: options it lacks left out", "", "raster", "gamma=14 tweak", "", "raster.cfg", "-gamma 1.20");
        row("double quote", "", "galx", "parameters=\"", "cannot contain a double quote", "", "");
        row("defaults unwritable", "blocked", "raster", "gamma=3", "could not be saved in @", "", "");
        row("custom unwritable", "blocked", "galx", "gamma=3", "could not be saved in @", "", "");
    }
    void save() {
        const QString& open = cell<QString>("open");
        const QString refusal = QString(cell<QString>("refusal")).replace(u'@', m_state.settingsPath());
        writeFiles(cell<QString>("files"));
        m_emulator.setInterface(QByteArray(QTest::currentDataTag()).startsWith("today") ? exec::Interface::Today
                                                                                        : exec::Interface::Classic);
        settings::SettingsSession session(m_state, m_emulator, m_runner);
        const auto result = session.save(this->open(session, open).editing, formFrom(cell<QString>("form")));
        QCOMPARE(result.outcome, refusal.isEmpty()                    ? Outcome::Saved
                                 : refusal.startsWith("could not be") ? Outcome::WriteFailed
                                                                      : Outcome::Refused);
        QVERIFY2(result.message.contains(refusal) && result.message.isEmpty() == refusal.isEmpty(),
                 qPrintable(result.message));
        QTEST(settingsFiles(), "after");
        const QString game = open.endsWith(u'x') ? open : QStringLiteral("galx");
        const QString play = ("mame " + game + " " + cell<QString>("play")).trimmed();
        QCOMPARE(session.playLine(game, vector(game) ? "Vector" : "Raster").commandLine, play);
    }

    // Today's emulator keeps the settings in its own ini files in the user's ini folder, which it
    // reads at every start: the user's own lines stay, what the defaults say is not repeated, and a
    // game starts with nothing but its name (and the directories).
    void todaysIniFiles() {
        writeFile(m_sandbox->mamePath() + "standin-today", "");
        m_sandbox->setCatalogue(listing({{"galx", "Galaxy Raid"}}));
        TestSandbox::addArchive(m_state.directories.retroRoms, "galx");
        m_emulator.setInterface(exec::Interface::Today);
        const QString folder = m_sandbox->home() + "/.mame/";
        writeFile(folder + "galx.ini", "\xEF\xBB\xBF# mine\r\nartpath \"my art\"\r\ngamma 1.5\r\n");
        settings::SettingsSession session(m_state, m_emulator, m_runner);
        const auto save = [&](settings::PanelContent content, const QMap<QString, QString>& change) {
            for (auto it = change.cbegin(); it != change.cend(); ++it)
                content.iniForm.values[it.key()] = it.value();
            return session.saveIni(content.editing, content.iniForm);
        };

        // The raster defaults, then a game of that kind over them.
        settings::PanelContent raster = session.openDefaults(SettingsKind::Raster, {});
        QVERIFY(raster.ini && raster.problem.isEmpty());
        QCOMPARE(raster.iniForm.values.value("gamma"), QStringLiteral("1.00")); // the emulator's own
        QCOMPARE(save(raster, {{"gamma", "0.80"}}).outcome, Outcome::Saved);
        QCOMPARE(readFile(folder + "raster.ini"), QByteArray("gamma                     0.80\n"));
        settings::PanelContent galx = session.openCustom("galx", "Raster", {});
        QCOMPARE(galx.restoreCaption, QStringLiteral("R&estore Raster Defaults"));
        QCOMPARE(galx.iniForm.values.value("gamma"), QStringLiteral("1.50"));
        QCOMPARE(galx.iniForm.parameters, QStringLiteral("-artpath \"my art\""));
        QCOMPARE(save(galx, {{"window", "1"}}).outcome, Outcome::Saved);
        QCOMPARE(readFile(folder + "galx.ini"),
                 QByteArray("\xEF\xBB\xBF# mine\r\nartpath                   \"my art\"\r\n"
                            "gamma                     1.50\r\n"
                            "window                    1\r\n"));
        QVERIFY(session.hasCustomSettings("galx") && !session.hasCustomSettings("vecx"));
        const settings::PlayLine line = session.playLine("galx", "Raster");
        QCOMPARE(line.arguments, QStringList{"galx"});
        QVERIFY(exec::CommandRunner().run(m_emulator.play(line.arguments)).finishedWell());
        const QByteArray read = readFile(m_sandbox->mamePath() + "standin-lastini.txt");
        QVERIFY2(read.contains("Parsing raster.ini\nParsing galx.ini\n") && read.contains("\nwindow 1\n") &&
                     read.contains("\ngamma 1.50\n"),
                 read.constData());

        // An option the emulator does not know is refused before anything is written.
        galx = session.openCustom("galx", "Raster", {});
        galx.iniForm.parameters += " -bogus 2";
        const settings::SaveResult refused = session.saveIni(galx.editing, galx.iniForm);
        QCOMPARE(refused.outcome, Outcome::Refused);
        QVERIFY2(refused.message.contains("unknown option: -bogus"), qPrintable(refused.message));
        // Back at the raster defaults: Marqueon's keys go, the user's own lines stay.
        QCOMPARE(
            session.saveIni(galx.editing, session.restore(session.openCustom("galx", "Raster", {})).iniForm).outcome,
            Outcome::Saved);
        QCOMPARE(readFile(folder + "galx.ini"),
                 QByteArray("\xEF\xBB\xBF# mine\r\nartpath                   \"my art\"\r\n"));
        // With nothing else in it, the file goes.
        raster = session.openDefaults(SettingsKind::Raster, {});
        QCOMPARE(session.saveIni(raster.editing, session.restore(raster).iniForm).outcome, Outcome::Saved);
        QVERIFY(!QFile::exists(folder + "raster.ini"));
    }

    // Marqueon's own settings file from before reaches the game translated until the first OK
    // carries it into the ini file and keeps it as .cfg.bak.
    void settingsFileCarriedOver() {
        writeFiles("vecx");
        writeFile(m_sandbox->mamePath() + "standin-today", "");
        m_emulator.setInterface(exec::Interface::Today);
        settings::SettingsSession session(m_state, m_emulator, m_runner);
        QCOMPARE(session.playLine("vecx", "Vector").commandLine, QStringLiteral("mame vecx -gamma 1.10"));
        const settings::PanelContent vecx = session.openCustom("vecx", "Vector", {});
        QCOMPARE(vecx.iniForm.values.value("gamma"), QStringLiteral("1.10"));
        QCOMPARE(session.saveIni(vecx.editing, vecx.iniForm).outcome, Outcome::Saved);
        QCOMPARE(readFile(m_sandbox->home() + "/.mame/vecx.ini"), QByteArray("gamma                     1.10\n"));
        QCOMPARE(settingsFiles(), QStringLiteral("vecx.cfg.bak"));
        QCOMPARE(session.playLine("vecx", "Vector").commandLine, QStringLiteral("mame vecx"));
    }
};

QTEST_GUILESS_MAIN(TestSettingsSession)
#include "TestSettingsSession.moc"
