#include "maintenance/MaintenancePanel.h"
#include "support/ScriptedDialogs.h"
#include "support/TestSandbox.h"

#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QDirIterator>
#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>
#include <QTabWidget>
#include <QTest>
#include <QVBoxLayout>

#include <memory>

using Icon = app::Dialogs::Icon;
using Kind = ScriptedDialogs::Shown::Kind;

namespace {

// The four file tabs, in tab order.
struct FileKind {
    const char* perGame;
    const char* all;
    const char* button;
    const char* folder; // under the MAME directory
    const char* ext;
};
constexpr FileKind Kinds[] = {
    {"chkDeleteCFG", "chkDeleteAllCFG", "cmdCFG", "cfg", ".cfg"},
    {"chkDeleteHI", "chkDeleteAllHI", "cmdHI", "hi", ".hi"},
    {"chkDeleteNV", "chkDeleteAllNV", "cmdNVRam", "nvram", ".nv"},
    {"chkDeletePNG", "chkDeleteAllPNG", "cmdPNG", "snap", ".png"},
};

} // namespace

class TestMaintenancePanel : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void opening_data();
    void opening();
    void boxRule_data();
    void boxRule();
    void deleteCommand_data();
    void deleteCommand();
    void screenshotsOutsideTheSnapFolder();
    void reports_data();
    void reports();
    void reportBoxes();
    void recreate_data();
    void recreate();
    void returnButton();

private:
    template <typename T> T* control(const QString& name) const { return m_panel->findChild<T*>(name); }
    QCheckBox* box(const char* name) const { return control<QCheckBox>(QLatin1String(name)); }
    QPushButton* button(const char* name) const { return control<QPushButton>(QLatin1String(name)); }
    QString mame(const QString& relative) const { return m_sandbox->mamePath() + relative; }
    QString focused() const { return QApplication::focusWidget() ? QApplication::focusWidget()->objectName() : ""; }
    // Every entry under the sandbox, links not followed.
    QStringList everything() const;
    // The files of each kind the emulator leaves, for galx and zoom, plus look-alikes where they do not belong.
    void layOutEmulatorFiles() const;

    std::unique_ptr<TestSandbox> m_sandbox;
    std::unique_ptr<ScriptedDialogs> m_dialogs;
    std::unique_ptr<QWidget> m_host;
    maintenance::MaintenancePanel* m_panel = nullptr;
};

void TestMaintenancePanel::init() {
    m_sandbox = std::make_unique<TestSandbox>();
    m_dialogs = std::make_unique<ScriptedDialogs>();
    m_host = std::make_unique<QWidget>();
    m_panel = new maintenance::MaintenancePanel(m_sandbox->state(), *m_dialogs, m_host.get());
    (new QVBoxLayout(m_host.get()))->addWidget(m_panel);
    m_host->show();
    QVERIFY(QTest::qWaitForWindowActive(m_host.get()));
    m_panel->open("galx");
}

void TestMaintenancePanel::cleanup() {
    if (m_dialogs)
        QVERIFY2(m_dialogs->answers.isEmpty(), "questions expected but not asked");
    m_host.reset();
    m_dialogs.reset();
    m_sandbox.reset();
}

QStringList TestMaintenancePanel::everything() const {
    QStringList entries;
    const QDir root(m_sandbox->root());
    QDirIterator it(root.path(), QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                    QDirIterator::Subdirectories);
    while (it.hasNext())
        entries << root.relativeFilePath(it.next());
    entries.sort();
    return entries;
}

void TestMaintenancePanel::layOutEmulatorFiles() const {
    for (const FileKind& kind : Kinds) {
        const QString folder = mame(kind.folder) + "/";
        for (const char* name : {"galx", "zoom", "sub/galx", "galxb"})
            writeFile(folder + name + kind.ext, "x");
        writeFile(folder + "galx.txt", "x");
        writeFile(mame("galx") + kind.ext, "x");
#ifndef Q_OS_WIN
        writeFile(folder + "GALX" + QString(kind.ext).toUpper(), "x");
#endif
    }
    writeFile(m_sandbox->root() + "/elsewhere/kept.cfg", "kept");
    QFile::link(m_sandbox->root() + "/elsewhere/kept.cfg", mame("cfg/linked.cfg"));
}

void TestMaintenancePanel::opening_data() {
    QTest::addColumn<QString>("rom");
    QTest::newRow("a game") << "galx";
    QTest::newRow("no game in the shown list") << "";
}

void TestMaintenancePanel::opening() {
    QFETCH(QString, rom);
    m_panel->SSTab2->setCurrentIndex(1);
    box("chkDeleteHI")->click();
    box("chkDeleteAllCFG")->setChecked(true);
    box("chkDeleteSets")->setChecked(true);
    box("chkDeleteMAMECFG")->setChecked(true);
    m_panel->SSTab2->setCurrentIndex(4);

    m_panel->open(rom);
    QCOMPARE(m_panel->SSTab2->currentIndex(), 0);
    QCOMPARE(m_panel->SSTab2->tabText(0), QStringLiteral("Cfg Folder"));
    QCOMPARE(m_panel->SSTab2->tabText(5), QStringLiteral("M.A.M.E. Config File"));
    for (QCheckBox* each : m_panel->findChildren<QCheckBox*>())
        QVERIFY2(!each->isChecked(), qPrintable(each->objectName()));
    for (QPushButton* each : m_panel->findChildren<QPushButton*>()) {
        if (each != m_panel->cmdGameList2)
            QVERIFY2(!each->isEnabled(), qPrintable(each->objectName()));
    }
    for (const FileKind& kind : Kinds) {
        QCOMPARE(box(kind.perGame)->isEnabled(), !rom.isEmpty());
        QVERIFY(box(kind.all)->isEnabled());
    }
    QCOMPARE(focused(), QStringLiteral("cmdGameList2"));
}

void TestMaintenancePanel::boxRule_data() {
    QTest::addColumn<int>("tab");
    QTest::addColumn<QString>("clicks"); // P per-game box, A delete-all box
    QTest::addColumn<bool>("perGame");
    QTest::addColumn<bool>("all");
    const struct {
        const char* name;
        const char* clicks;
        bool perGame, all;
    } scenarios[] = {
        {"per-game, then all", "PA", false, true},
        {"all, then per-game", "AP", true, false},
        {"per-game ticked and cleared", "PP", false, false},
        {"all ticked and cleared", "AA", false, false},
    };
    for (const auto& scenario : scenarios) {
        for (int tab = 0; tab < 4; ++tab)
            QTest::addRow("%s, %s", Kinds[tab].ext, scenario.name)
                << tab << scenario.clicks << scenario.perGame << scenario.all;
    }
}

void TestMaintenancePanel::boxRule() {
    QFETCH(int, tab);
    QFETCH(QString, clicks);
    QFETCH(bool, perGame);
    QFETCH(bool, all);
    const FileKind& kind = Kinds[tab];
    m_panel->SSTab2->setCurrentIndex(tab);
    for (QChar click : clicks) {
        QCheckBox* clicked = box(click == u'P' ? kind.perGame : kind.all);
        QTest::mouseClick(clicked, Qt::LeftButton, {}, QPoint(4, clicked->height() / 2));
    }
    QCOMPARE(box(kind.perGame)->isChecked(), perGame);
    QCOMPARE(box(kind.all)->isChecked(), all);
    QCOMPARE(button(kind.button)->isEnabled(), perGame || all);
    QCOMPARE(focused(), QLatin1String(perGame || all ? kind.button : "cmdGameList2"));
}

void TestMaintenancePanel::deleteCommand_data() {
    QTest::addColumn<int>("tab");
    QTest::addColumn<bool>("perGame");   // the per-game box, else the delete-all box
    QTest::addColumn<QString>("folder"); // full; empty: nothing matching directly in it; missing
    QTest::addColumn<int>("answer");     // 1 Yes, 0 No, -1 not asked
    for (int tab = 0; tab < 4; ++tab) {
        const char* ext = Kinds[tab].ext;
        QTest::addRow("%s, game's file, Yes", ext) << tab << true << "full" << 1;
        QTest::addRow("%s, game's file, No", ext) << tab << true << "full" << 0;
        QTest::addRow("%s, game's file missing", ext) << tab << true << "empty" << -1;
        QTest::addRow("%s, all, Yes", ext) << tab << false << "full" << 1;
        QTest::addRow("%s, all, No", ext) << tab << false << "full" << 0;
        QTest::addRow("%s, all, nothing matching", ext) << tab << false << "empty" << -1;
        QTest::addRow("%s, all, missing folder", ext) << tab << false << "missing" << -1;
    }
}

void TestMaintenancePanel::deleteCommand() {
    QFETCH(int, tab);
    QFETCH(bool, perGame);
    QFETCH(QString, folder);
    QFETCH(int, answer);
    const FileKind& kind = Kinds[tab];
    const QString ext = kind.ext;
    layOutEmulatorFiles();
    const QString path = mame(kind.folder) + "/";
    const QStringList matching = {"galx", "zoom", "galxb"};
    if (folder == "missing")
        QVERIFY(QDir(path).removeRecursively());
    for (const QString& name : matching) {
        if (folder == "empty")
            QVERIFY(QFile::remove(path + name + ext));
    }
    QStringList expected = everything();
    for (const QString& name : perGame ? matching.mid(0, 1) : matching) {
        if (answer == 1)
            expected.removeAll("mame/" + QString(kind.folder) + "/" + name + ext);
    }
    if (answer >= 0)
        m_dialogs->answers << (answer == 1);

    m_panel->SSTab2->setCurrentIndex(tab);
    box(perGame ? kind.perGame : kind.all)->click();
    button(kind.button)->click();

    QString text;
    if (perGame)
        text = answer >= 0 ? "Are you sure you want to delete the " + ext + " file for galx?"
                           : "There is no " + ext + " file for galx.";
    else
        text = answer >= 0 ? "Are you sure you want to delete all " + ext + " files?"
                           : "There are no " + ext + " files to delete.";
    QCOMPARE(m_dialogs->texts(), QStringList{text});
    const ScriptedDialogs::Shown& shown = m_dialogs->shown.first();
    QCOMPARE(shown.kind, answer >= 0 ? Kind::Question : Kind::Message);
    QCOMPARE(shown.icon, Icon::Information);
    QCOMPARE(shown.defaultNo, answer >= 0);
    QCOMPARE(shown.title, QStringLiteral("Marqueon"));
    QCOMPARE(everything(), expected);
    QVERIFY(!box(kind.perGame)->isChecked() && !box(kind.all)->isChecked());
    QVERIFY(!button(kind.button)->isEnabled());
    QCOMPARE(focused(), QStringLiteral("cmdGameList2"));
}

void TestMaintenancePanel::screenshotsOutsideTheSnapFolder() {
    const QString shots = m_sandbox->root() + "/shots/";
    m_sandbox->state().SnapPath = QDir::toNativeSeparators(shots);
    for (const QString& name : {shots + "galx.png", shots + "zoom.png", mame("snap/galx.png"), mame("snap/zoom.png")})
        writeFile(name, "x");
    m_panel->SSTab2->setCurrentIndex(3);
    m_dialogs->answers << true << true;

    m_panel->chkDeletePNG->click();
    m_panel->cmdPNG->click();
    QVERIFY(!QFile::exists(shots + "galx.png"));
    QVERIFY(QFile::exists(mame("snap/galx.png")));

    m_panel->chkDeleteAllPNG->click();
    m_panel->cmdPNG->click();
    QVERIFY(QDir(mame("snap")).entryList({"*.png"}).isEmpty());
    QVERIFY(QFile::exists(shots + "zoom.png"));
    QCOMPARE(m_dialogs->texts(), QStringList({"Are you sure you want to delete the .png file for galx?",
                                              "Are you sure you want to delete all .png files?"}));
}

void TestMaintenancePanel::reports_data() {
    QTest::addColumn<QString>("present"); // R roms.txt, S samples.txt, E sets.txt
    QTest::addColumn<QString>("checked");
    QTest::addColumn<QList<bool>>("answers");
    QTest::addColumn<QStringList>("texts");
    QTest::addColumn<QStringList>("deleted");
    const QString ask = "Are you sure you want to delete the %1 report?";
    const QString none = "There is no %1 report to delete.";
    QTest::newRow("all three, Yes No Yes")
        << "RSE"
        << "RSE" << QList<bool>{true, false, true} << QStringList{ask.arg("ROMs"), ask.arg("Samples"), ask.arg("Sets")}
        << QStringList{"roms.txt", "sets.txt"};
    QTest::newRow("none there") << ""
                                << "RSE" << QList<bool>{}
                                << QStringList{none.arg("ROMs"), none.arg("Samples"), none.arg("Sets")}
                                << QStringList{};
    QTest::newRow("Samples missing") << "RE"
                                     << "RSE" << QList<bool>{true, true}
                                     << QStringList{ask.arg("ROMs"), none.arg("Samples"), ask.arg("Sets")}
                                     << QStringList{"roms.txt", "sets.txt"};
    QTest::newRow("Sets alone") << "RSE"
                                << "E" << QList<bool>{true} << QStringList{ask.arg("Sets")} << QStringList{"sets.txt"};
}

void TestMaintenancePanel::reports() {
    QFETCH(QString, present);
    QFETCH(QString, checked);
    QFETCH(QList<bool>, answers);
    QFETCH(QStringList, texts);
    QFETCH(QStringList, deleted);
    const QString reports = m_sandbox->reportsPath();
    for (const char* other : {"gameinfo.txt", "listinfo.txt", "temp1.txt", "version.txt"})
        writeFile(reports + other, "x");
    const QList<std::pair<QChar, QString>> files = {{u'R', "roms.txt"}, {u'S', "samples.txt"}, {u'E', "sets.txt"}};
    for (const auto& [letter, name] : files) {
        if (present.contains(letter))
            writeFile(reports + name, "x");
    }
    QStringList expected = everything();
    for (const QString& name : deleted)
        expected.removeAll("app/reports/" + name);
    m_dialogs->answers.append(answers);

    m_panel->SSTab2->setCurrentIndex(4);
    const QList<std::pair<QChar, QCheckBox*>> boxes = {
        {u'R', m_panel->chkDeleteROMs}, {u'S', m_panel->chkDeleteSamples}, {u'E', m_panel->chkDeleteSets}};
    for (const auto& [letter, each] : boxes) {
        if (checked.contains(letter))
            each->click();
    }
    m_panel->cmdReports->click();

    QCOMPARE(m_dialogs->texts(), texts);
    for (const ScriptedDialogs::Shown& shown : m_dialogs->shown) {
        QCOMPARE(shown.icon, Icon::Information);
        QCOMPARE(shown.defaultNo, shown.kind == Kind::Question);
    }
    QCOMPARE(everything(), expected);
    for (const auto& each : boxes)
        QVERIFY(!each.second->isChecked());
    QVERIFY(!m_panel->cmdReports->isEnabled());
}

void TestMaintenancePanel::reportBoxes() {
    m_panel->SSTab2->setCurrentIndex(4);
    m_panel->chkDeleteROMs->click();
    QCOMPARE(focused(), QStringLiteral("cmdReports"));
    m_panel->chkDeleteSets->click();
    m_panel->chkDeleteROMs->click();
    QVERIFY(m_panel->cmdReports->isEnabled());
    QVERIFY(m_panel->chkDeleteSets->isChecked());
    m_panel->chkDeleteSets->click();
    QVERIFY(!m_panel->cmdReports->isEnabled());
    QCOMPARE(focused(), QStringLiteral("cmdGameList2"));
}

void TestMaintenancePanel::recreate_data() {
    QTest::addColumn<QString>("file"); // missing, present, folder (cannot be written)
    QTest::addColumn<int>("answer");   // 1 Yes, 0 No, -1 not asked
    QTest::addColumn<QStringList>("texts");
    const QString ask = "Are you sure you want to delete the mame.cfg file?";
    QTest::newRow("missing") << "missing" << -1 << QStringList{"There is no mame.cfg file."};
    QTest::newRow("No") << "present" << 0 << QStringList{ask};
    QTest::newRow("Yes") << "present" << 1 << QStringList{ask};
    QTest::newRow("Yes, but it cannot be written")
        << "folder" << 1 << QStringList{ask, "The mame.cfg file could not be written in <mame>"};
}

void TestMaintenancePanel::recreate() {
    QFETCH(QString, file);
    QFETCH(int, answer);
    QFETCH(QStringList, texts);
    app::AppState& state = m_sandbox->state();
    state.GameList = "RetroP";
    const QString path = mame("mame.cfg");
    const QByteArray edited = "[directory]\r\nrompath = mine\r\n[video]\r\nscanlines = no\r\n";
    if (file == "present")
        writeFile(path, edited);
    else if (file == "folder")
        QDir().mkpath(path);
    if (answer >= 0)
        m_dialogs->answers << (answer == 1);

    m_panel->SSTab2->setCurrentIndex(5);
    m_panel->chkDeleteMAMECFG->click();
    QVERIFY(m_panel->cmdMAMECfg->isEnabled());
    QCOMPARE(focused(), QStringLiteral("cmdMAMECfg"));
    m_panel->cmdMAMECfg->click();

    texts.replaceInStrings("<mame>", m_sandbox->mamePath());
    QCOMPARE(m_dialogs->texts(), texts);
    QCOMPARE(m_dialogs->shown.first().icon, Icon::Information);
    if (texts.size() > 1)
        QCOMPARE(m_dialogs->shown.last().icon, Icon::Critical);
    if (file == "missing")
        QVERIFY(!QFileInfo::exists(path));
    else if (file == "present" && answer == 0)
        QCOMPARE(readFile(path), edited);
    else if (file == "present")
        QCOMPARE(QString::fromLatin1(readFile(path)), "[directory]\r\nrompath = " + state.ROMPath + ";" +
                                                          state.NeoROMPath + "\r\nsamplepath = " + state.SamPath +
                                                          "\r\nsnap = " + state.SnapPath + "\r\n");
    QVERIFY(!m_panel->chkDeleteMAMECFG->isChecked());
    QVERIFY(!m_panel->cmdMAMECfg->isEnabled());
    QCOMPARE(focused(), QStringLiteral("cmdGameList2"));
}

void TestMaintenancePanel::returnButton() {
    QSignalSpy returned(m_panel, &maintenance::MaintenancePanel::returnRequested);
    // The accelerator presses the button visibly, so the click comes a moment later.
    QTest::keyClick(m_host.get(), Qt::Key_G, Qt::AltModifier);
    QTRY_COMPARE(returned.count(), 1);
}

QTEST_MAIN(TestMaintenancePanel)
#include "TestMaintenancePanel.moc"
