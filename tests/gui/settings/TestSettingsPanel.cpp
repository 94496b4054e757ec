#include "../ScriptedUser.h"
#include "core/settings/SettingsFile.h"
#include "gui/settings/SettingsPanel.h"
#include "support/ScriptedDialogs.h"
#include "support/TestSandbox.h"

#include <QDir>
#include <QSignalSpy>

#include <memory>

using settings::SettingsKind;

namespace {

// Files laid out first ("raster.cfg=14": its gamma item), what is opened, its caption and Restore's (none: not
// checked), steps, and what leaves the panel. After OK the file saved, with its lines unlike the emulator's defaults
// ("index=line;..."; none: the file is gone); else every file as it was. Last, what opening again shows.
struct Edit {
    QString files, mode, caption, restore, steps, leave, file, lines, reopened;
};
// raster.cfg ("/": a folder in its place), the parameters typed before OK, and the messages shown.
struct Message {
    QByteArray file;
    QString parameters, texts;
};

// Files and games whose names begin with v hold vector settings.
SettingsKind kindOf(const QString& name) {
    return name.startsWith(u'v') ? SettingsKind::Vector : SettingsKind::Raster;
}

} // namespace

Q_DECLARE_METATYPE(Edit)
Q_DECLARE_METATYPE(Message)

class TestSettingsPanel : public QObject {
    Q_OBJECT

    std::unique_ptr<TestSandbox> m_sandbox;
    std::unique_ptr<ScriptedDialogs> m_dialogs;
    std::unique_ptr<settings::SettingsSession> m_session;
    std::unique_ptr<gui::SettingsPanel> m_panel;
    std::unique_ptr<QSignalSpy> m_finished;
    ScriptedUser m_user;

    QString file(const QString& name) const { return m_sandbox->settingsPath() + name; }
    // "raster", "vector" or a game's custom settings: "vecx".
    bool open(const QString& mode) {
        if (mode == u"raster" || mode == u"vector")
            return m_panel->openDefaults(kindOf(mode));
        return m_panel->openCustom(mode, kindOf(mode) == SettingsKind::Raster ? "Raster" : "Vector");
    }
    // A settings file at the emulator's defaults but for its gamma item.
    void writeSettings(const QString& name, int gamma) const {
        settings::SettingsRecord record = settings::SettingsRecord::defaults();
        record.token(settings::Field::Gamma) = settings::listSetting(settings::Field::Gamma)->token(gamma);
        record.position(settings::Field::Gamma) = gamma;
        QVERIFY(settings::writeSettingsFile(file(name), kindOf(name), record));
    }
    QByteArray settingsFiles() const {
        QByteArray all;
        for (const QString& name : QDir(m_sandbox->settingsPath()).entryList(QDir::Files))
            all += name.toLatin1() + ':' + readFile(file(name));
        return all;
    }

private slots:
    void init() {
        m_sandbox = std::make_unique<TestSandbox>();
        m_dialogs = std::make_unique<ScriptedDialogs>();
        m_session = std::make_unique<settings::SettingsSession>(m_sandbox->state());
        m_panel = std::make_unique<gui::SettingsPanel>(*m_session, *m_dialogs);
        m_finished = std::make_unique<QSignalSpy>(m_panel.get(), &gui::SettingsPanel::finished);
        m_user = ScriptedUser{m_panel.get()};
        m_panel->show();
        QVERIFY(QTest::qWaitForWindowActive(m_panel.get()));
    }
    void cleanup() { m_panel.reset(); }

    void edit_data() {
        QTest::addColumn<Edit>("row");
        const QString emulator = "R&estore M.A.M.E. Defaults", custom = "Custom Settings";
        // Restore saves nothing and gives OK the focus; leaving without OK forgets every change.
        const QString restore = " restoreButton okButton:focus tweakBox ?gammaList=";
        addRow<Edit>("raster defaults file", "raster.cfg=14", "raster", "Raster Defaults", emulator,
                     "?gammaList=1.20" + restore + "1.00", "Esc", "", "", "gammaList=1.20 tweakBox:off");
        addRow<Edit>("custom file and raster defaults", "raster.cfg=14 galx.cfg=12", "galx", custom,
                     "R&estore Raster Defaults", "?gammaList=1.10" + restore + "1.20", "Esc", "", "", "gammaList=1.10");
        addRow<Edit>("custom file and vector defaults", "vector.cfg=14 vecx.cfg=12", "vecx", custom,
                     "R&estore Vector Defaults", "?gammaList=1.10" + restore + "1.20", "Alt+C", "", "",
                     "gammaList=1.10");
        addRow<Edit>(
            "hints, and the monitor, sound card and vsync rules", "", "raster", "", "",
            "~restoreButton displayHint:shown soundHint:shown otherHint:shown ~ otherHint:hidden displayHint:hidden "
            "monitorList=Arcade centerXLabel:enabled centerXList=3 monitorList=Standard ?centerXList=0 "
            "centerXList:disabled centerXLabel:disabled waitInterlaceBox:disabled volumeList=-10 stereoBox "
            "soundCardList=None ?volumeList=0 stereoBox:on volumeLabel:disabled stereoBox:disabled "
            "soundCardList=Ask volumeLabel:enabled stereoBox:enabled clearButton:disabled vsyncButton "
            "clearButton:enabled waitVsyncButton vsyncButton:off waitVsyncButton:on clearButton "
            "waitVsyncButton:off clearButton:disabled",
            "Esc", "", "", "");
        addRow<Edit>("raster defaults saved", "", "raster", "", "",
                     "gammaList=1.20 scanlinesBox waitVsyncButton controllerList=4Button parametersEdit=-NoVsync",
                     "Alt+O", "raster.cfg",
                     "3=\"-gamma 1.20\",14;16=\"-novsync\";17=\"-joy 4Button\",4;21=\"-noscanlines\";30=\"-waitvsync\"",
                     "gammaList=1.20 scanlinesBox:off waitVsyncButton:on clearButton:enabled parametersEdit=-novsync");
        addRow<Edit>("vector defaults saved", "", "vector", "Vector Defaults", emulator,
                     "beamList=2.5 flickerList=30 okButton:focus", "Return", "vector.cfg",
                     "37=\"-beam 2.5\",15;38=\"-flicker 30\",30", "beamList=2.5");
        addRow<Edit>("a vector game's custom settings saved", "", "vecx", "", "", "translucencyBox cheatBox",
                     "okButton", "vecx.cfg", "35=\"-cheat\";40=\"-notranslucency\"", "translucencyBox:off cheatBox:on");
    }
    void edit() {
        QFETCH(Edit, row);
        for (const QString& each : row.files.split(u' ', Qt::SkipEmptyParts))
            writeSettings(each.section(u'=', 0, 0), each.section(u'=', 1).toInt());
        const QByteArray before = settingsFiles();
        m_panel->findChild<QTabWidget*>("settingsTabs")->setCurrentIndex(2);
        QVERIFY(open(row.mode));
        // On the first tab; Beam, Flicker, Antialias and Translucency for vector settings only.
        const char* state = kindOf(row.mode) == SettingsKind::Vector ? ":shown " : ":hidden ";
        m_user.verify(QString("beamList beamLabel translucencyBox okButton:focus").replace(" ", state) +
                      " settingsTabs=0 displayHint:hidden");
        QCOMPARE(m_user.find("otherHint")->property("text"),
                 "Pressing this button will affect Display, Sound, and Other.");
        if (!row.caption.isEmpty()) {
            QCOMPARE(m_panel->title(), row.caption);
            QCOMPARE(m_user.find("restoreButton")->property("text"), row.restore);
        }
        m_user.act(row.steps);
        QCOMPARE(m_finished->count(), 0);
        m_user.act(row.leave);
        QCOMPARE(m_finished->count(), 1);
        QCOMPARE(m_dialogs->shown.size(), 0);
        if (row.file.isEmpty())
            QCOMPARE(settingsFiles(), before);
        else
            QCOMPARE(QFile::exists(file(row.file)), !row.lines.isEmpty());
        if (!row.lines.isEmpty()) {
            writeSettings(row.file.left(1) + "-expected", 10);
            QList<QByteArray> expected = readFile(file(row.file.left(1) + "-expected")).split('\n');
            for (const QString& line : row.lines.split(u';'))
                expected[line.section(u'=', 0, 0).toInt()] = line.section(u'=', 1).toLatin1() + '\r';
            QCOMPARE(readFile(file(row.file)), expected.join('\n'));
        }
        QVERIFY(open(row.mode)); // what the files hold
        m_user.verify(row.reopened);
    }

    void messages_data() {
        QTest::addColumn<Message>("row");
        addRow<Message>("132 characters", "", QString(118, u'x'),
                        "The settings you selected form a command line 132 characters long.\rThe maximum length "
                        "Marqueon allows is 131 characters to accomodate MS-DOS.\rPlease modify the settings and try "
                        "again.");
        addRow<Message>(
            "a double quote", "", "-cheat \"file\"",
            "The additional parameters cannot contain a double quote (\").  Please remove it and try again.");
        addRow<Message>("unwritable", "/", "-cheat",
                        "The settings could not be saved in @raster.cfg.  Nothing was changed.");
        addRow<Message>("short file", "\"-640x480\",9\r\n", "-cheat",
                        "Options have changed with this version of M.A.M.E.!\rCheck over your settings and press OK "
                        "to recreate your defaults.");
        addRow<Message>("not a number", "\"-640x480\",x\r\n", "", "Error: Type mismatch");
    }
    void messages() {
        QFETCH(Message, row);
        if (row.file == "/")
            QVERIFY(QDir().mkpath(file("raster.cfg")));
        else if (!row.file.isEmpty())
            writeFile(file("raster.cfg"), row.file);
        const bool readable = !row.texts.startsWith("Error"), saved = row.texts.startsWith("Options");
        QCOMPARE(open("raster"), readable);
        QCOMPARE(m_dialogs->endings, readable ? 0 : 1); // an unreadable file ends the program
        if (readable) {
            if (row.file.startsWith('"'))
                m_user.verify("resolutionList=640x480"); // what was read, for OK to write out whole
            QTest::keyClicks(m_user.find("parametersEdit"), row.parameters);
            m_user.act("okButton");
        }
        QCOMPARE(m_dialogs->texts().join(u'\n'), row.texts.replace(u'@', m_sandbox->settingsPath()));
        QCOMPARE(m_dialogs->shown[0].icon, saved ? gui::Dialogs::Icon::Exclamation : gui::Dialogs::Icon::Critical);
        QCOMPARE(m_finished->count(), saved ? 1 : 0); // a refused OK keeps the panel open
        QCOMPARE(readFile(file("raster.cfg")).count("\r\n"), saved ? 37 : row.file.count("\r\n"));
        QVERIFY(!saved || readFile(file("raster.cfg")).startsWith(row.file));
    }
};

QTEST_MAIN(TestSettingsPanel)
#include "TestSettingsPanel.moc"
