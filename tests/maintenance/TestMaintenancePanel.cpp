#include "maintenance/MaintenancePanel.h"
#include "support/ScriptedDialogs.h"
#include "support/TestSandbox.h"

#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QDirIterator>
#include <QPushButton>
#include <QSignalSpy>
#include <QTabWidget>
#include <QTest>
#include <QVBoxLayout>

#include <memory>

using Icon = app::Dialogs::Icon;
using Kind = ScriptedDialogs::Shown::Kind;

namespace {

// The four file tabs, in tab order, each with its folder under the MAME directory.
struct FileKind {
    const char *perGame, *all, *button, *folder, *ext;
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
    void reports_data();
    void reports();
    void recreate_data();
    void recreate();
    void returnButton();

private:
    QCheckBox* box(const QString& name) const { return m_panel->findChild<QCheckBox*>(name); }
    QPushButton* button(const QString& name) const { return m_panel->findChild<QPushButton*>(name); }
    QString focused() const { return QApplication::focusWidget() ? QApplication::focusWidget()->objectName() : ""; }
    // Every entry under the sandbox, links not followed.
    QStringList everything() const;
    // The texts of the messages and questions shown, each checked for its title and icon, with No the
    // default answer of every question.
    QStringList shown() const;
    // After an OK: nothing ticked on the tab, its button out of use and the focus back on the return button.
    void settled(int tab) const;

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

QStringList TestMaintenancePanel::shown() const {
    QStringList texts;
    for (const ScriptedDialogs::Shown& each : std::as_const(m_dialogs->shown)) {
        // What failed is critical news; everything else is for information.
        const Icon icon = each.text.contains("could not") ? Icon::Critical : Icon::Information;
        if (each.title != u"Marqueon" || each.icon != icon || each.defaultNo != (each.kind == Kind::Question))
            QTest::qFail(qPrintable("shown in the wrong way: " + each.text), __FILE__, __LINE__);
        texts << each.text;
    }
    return texts;
}

void TestMaintenancePanel::settled(int tab) const {
    for (QCheckBox* each : m_panel->SSTab2->widget(tab)->findChildren<QCheckBox*>())
        QVERIFY2(!each->isChecked(), qPrintable(each->objectName()));
    for (QPushButton* each : m_panel->SSTab2->widget(tab)->findChildren<QPushButton*>())
        QVERIFY2(!each->isEnabled(), qPrintable(each->objectName()));
    QCOMPARE(focused(), QStringLiteral("cmdGameList2"));
}

void TestMaintenancePanel::opening_data() {
    QTest::addColumn<QString>("rom");
    QTest::newRow("a game") << "galx";
    QTest::newRow("no game in the shown list") << "";
}

void TestMaintenancePanel::opening() {
    QFETCH(QString, rom);
    // Left with a box ticked on every tab and the last tab shown.
    for (QCheckBox* each : m_panel->findChildren<QCheckBox*>())
        each->setChecked(true);
    m_panel->SSTab2->setCurrentIndex(4);

    m_panel->open(rom);
    QCOMPARE(m_panel->SSTab2->currentIndex(), 0);
    QCOMPARE(m_panel->SSTab2->tabText(0), QStringLiteral("Cfg Folder"));
    QCOMPARE(m_panel->SSTab2->tabText(5), QStringLiteral("M.A.M.E. Config File"));
    for (int tab = 0; tab < 6; ++tab)
        settled(tab);
    for (const FileKind& kind : Kinds) {
        QCOMPARE(box(kind.perGame)->isEnabled(), !rom.isEmpty());
        QVERIFY(box(kind.all)->isEnabled());
    }
}

void TestMaintenancePanel::boxRule_data() {
    QTest::addColumn<int>("tab");
    QTest::addColumn<QStringList>("clicks");
    QTest::addColumn<QStringList>("ticked"); // on that tab afterwards
    QTest::addColumn<QString>("command");
    for (int tab = 0; tab < 4; ++tab) {
        const FileKind& k = Kinds[tab];
        const auto row = [&](const char* name, const QStringList& clicks, const QStringList& ticked) {
            QTest::addRow("%s, %s", k.ext, name) << tab << clicks << ticked << QString(k.button);
        };
        row("per-game, then all", {k.perGame, k.all}, {k.all});
        row("all, then per-game", {k.all, k.perGame}, {k.perGame});
        row("per-game ticked and cleared", {k.perGame, k.perGame}, {});
        row("all ticked and cleared", {k.all, k.all}, {});
    }
    const QString roms = "chkDeleteROMs", sets = "chkDeleteSets", config = "chkDeleteMAMECFG";
    QTest::newRow("a report") << 4 << QStringList{roms} << QStringList{roms} << "cmdReports";
    QTest::newRow("one of two reports cleared")
        << 4 << QStringList{roms, sets, roms} << QStringList{sets} << "cmdReports";
    QTest::newRow("two reports cleared") << 4 << QStringList{roms, sets, roms, sets} << QStringList{} << "cmdReports";
    QTest::newRow("mame.cfg") << 5 << QStringList{config} << QStringList{config} << "cmdMAMECfg";
    QTest::newRow("mame.cfg cleared") << 5 << QStringList{config, config} << QStringList{} << "cmdMAMECfg";
}

void TestMaintenancePanel::boxRule() {
    QFETCH(int, tab);
    QFETCH(QStringList, clicks);
    QFETCH(QStringList, ticked);
    QFETCH(QString, command);
    m_panel->SSTab2->setCurrentIndex(tab);
    for (const QString& name : clicks)
        QTest::mouseClick(box(name), Qt::LeftButton, {}, QPoint(4, box(name)->height() / 2));
    for (QCheckBox* each : m_panel->SSTab2->widget(tab)->findChildren<QCheckBox*>())
        QCOMPARE(each->isChecked(), ticked.contains(each->objectName()));
    QCOMPARE(button(command)->isEnabled(), !ticked.isEmpty());
    // The click that ticks a box hands the focus to the button; the last box cleared hands it back.
    if (ticked.isEmpty() || ticked.contains(clicks.last()))
        QCOMPARE(focused(), ticked.isEmpty() ? QStringLiteral("cmdGameList2") : command);
}

void TestMaintenancePanel::deleteCommand_data() {
    QTest::addColumn<int>("tab");
    QTest::addColumn<bool>("perGame"); // the per-game box, else the delete-all box
    QTest::addColumn<QChar>("outcome");
    // Y and N: answered Yes or No; 0: nothing matching directly in the folder; M: no folder at all.
    const QMap<QChar, const char*> outcomes{{u'Y', "Yes"}, {u'N', "No"}, {u'0', "nothing there"}, {u'M', "no folder"}};
    for (int tab = 0; tab < 4; ++tab) {
        for (QChar outcome : {u'Y', u'N', u'0'})
            QTest::addRow("%s, game's file, %s", Kinds[tab].ext, outcomes[outcome]) << tab << true << outcome;
        for (QChar outcome : {u'Y', u'N', u'0', u'M'})
            QTest::addRow("%s, all, %s", Kinds[tab].ext, outcomes[outcome]) << tab << false << outcome;
    }
}

void TestMaintenancePanel::deleteCommand() {
    QFETCH(int, tab);
    QFETCH(bool, perGame);
    QFETCH(QChar, outcome);
    const FileKind& kind = Kinds[tab];
    const QString ext = kind.ext, root = m_sandbox->root() + "/";
    // The files of each kind the emulator leaves, for galx and zoom, plus look-alikes where they do not
    // belong. A single game's screen shot is looked for in the snapshot directory, here apart from snap.
    m_sandbox->state().SnapPath = QDir::toNativeSeparators(root + "shots/");
    for (const FileKind& each : Kinds) {
        const QString in = m_sandbox->mamePath() + each.folder + "/";
        for (const char* name : {"galx", "zoom", "sub/galx", "galxb"})
            writeFile(in + name + each.ext, "x");
        writeFile(in + "GALX" + QString(each.ext).toUpper(), "x");
        writeFile(in + "galx.txt", "x");
        writeFile(m_sandbox->mamePath() + "galx" + each.ext, "x");
        QVERIFY(QDir().mkpath(in + "folder" + each.ext));
        writeFile(root + "elsewhere/kept" + each.ext, "kept");
        QVERIFY(QFile::link(root + "elsewhere/kept" + each.ext, in + "linked" + each.ext));
    }
    for (const char* name : {"galx", "zoom", "galxb"})
        writeFile(root + "shots/" + name + ".png", "x");

    const QString where = perGame && tab == 3 ? "shots/" : "mame/" + QString(kind.folder) + "/";
    const QStringList matching = perGame ? QStringList{"galx"} : QStringList{"galx", "zoom", "galxb"};
    if (outcome == u'M')
        QVERIFY(QDir(root + where).removeRecursively());
    QStringList expected = everything();
    for (const QString& name : matching) {
        if (outcome == u'0')
            QVERIFY(QFile::remove(root + where + name + ext));
        if (outcome == u'0' || outcome == u'Y')
            expected.removeAll(where + name + ext);
    }
    const bool asked = outcome == u'Y' || outcome == u'N';
    if (asked)
        m_dialogs->answers << (outcome == u'Y');

    m_panel->SSTab2->setCurrentIndex(tab);
    box(perGame ? kind.perGame : kind.all)->click();
    button(kind.button)->click();

    const QString text =
        perGame ? (asked ? "Are you sure you want to delete the %1 file for galx?" : "There is no %1 file for galx.")
                : (asked ? "Are you sure you want to delete all %1 files?" : "There are no %1 files to delete.");
    QCOMPARE(shown(), QStringList{text.arg(ext)});
    QCOMPARE(everything(), expected);
    settled(tab);
}

void TestMaintenancePanel::reports_data() {
    // For the ROMs, Samples and Sets reports in turn: - not ticked; ticked and then Y Yes, N No, 0 no such file.
    QTest::addColumn<QString>("outcomes");
    QTest::newRow("all three, Yes No Yes") << "YNY";
    QTest::newRow("none there") << "000";
    QTest::newRow("Samples missing") << "Y0Y";
    QTest::newRow("Sets alone") << "--Y";
}

void TestMaintenancePanel::reports() {
    QFETCH(QString, outcomes);
    const QString reports = m_sandbox->reportsPath();
    for (const char* other : {"gameinfo.txt", "listinfo.txt", "temp1.txt", "version.txt"})
        writeFile(reports + other, "x");
    QCheckBox* const boxes[] = {m_panel->chkDeleteROMs, m_panel->chkDeleteSamples, m_panel->chkDeleteSets};
    const QStringList names = {"ROMs", "Samples", "Sets"}, files = {"roms.txt", "samples.txt", "sets.txt"};
    for (int i = 0; i < 3; ++i) {
        if (outcomes[i] != u'0')
            writeFile(reports + files[i], "x");
    }
    QStringList expected = everything(), texts;
    m_panel->SSTab2->setCurrentIndex(4);
    for (int i = 0; i < 3; ++i) {
        if (outcomes[i] == u'-')
            continue;
        boxes[i]->click();
        if (outcomes[i] == u'0')
            texts << "There is no " + names[i] + " report to delete.";
        else
            texts << "Are you sure you want to delete the " + names[i] + " report?";
        if (outcomes[i] != u'0')
            m_dialogs->answers << (outcomes[i] == u'Y');
        if (outcomes[i] == u'Y')
            expected.removeAll("app/reports/" + files[i]);
    }
    m_panel->cmdReports->click();
    QCOMPARE(shown(), texts);
    QCOMPARE(everything(), expected);
    settled(4);
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
    const QString path = m_sandbox->mamePath() + "mame.cfg";
    const QByteArray edited = "[directory]\r\nrompath = mine\r\n[video]\r\nscanlines = no\r\n";
    if (file == "present")
        writeFile(path, edited);
    else if (file == "folder")
        QDir().mkpath(path);
    if (answer >= 0)
        m_dialogs->answers << (answer == 1);

    m_panel->SSTab2->setCurrentIndex(5);
    m_panel->chkDeleteMAMECFG->click();
    m_panel->cmdMAMECfg->click();
    QCOMPARE(shown(), texts.replaceInStrings("<mame>", m_sandbox->mamePath()));
    if (file == "missing")
        QVERIFY(!QFileInfo::exists(path));
    else if (file == "present")
        QCOMPARE(QString::fromLatin1(readFile(path)),
                 answer == 0 ? QString::fromLatin1(edited)
                             : "[directory]\r\nrompath = " + state.ROMPath + ";" + state.NeoROMPath +
                                   "\r\nsamplepath = " + state.SamPath + "\r\nsnap = " + state.SnapPath + "\r\n");
    settled(5);
}

void TestMaintenancePanel::returnButton() {
    QSignalSpy returned(m_panel, &maintenance::MaintenancePanel::returnRequested);
    // The accelerator presses the button visibly, so the click comes a moment later.
    QTest::keyClick(m_host.get(), Qt::Key_G, Qt::AltModifier);
    QTRY_COMPARE(returned.count(), 1);
}

QTEST_MAIN(TestMaintenancePanel)
#include "TestMaintenancePanel.moc"
