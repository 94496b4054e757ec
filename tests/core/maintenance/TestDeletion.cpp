#include "core/exec/CommandRunner.h"
#include "core/exec/Emulator.h"
#include "core/maintenance/Deletion.h"
#include "support/TableRows.h"

#include <QDirIterator>

using maintenance::GameFileLocation;

namespace {

// The kinds as the emulators keep them, in a folder of the given name under the root.
GameFileLocation location(const QString& root, const QString& kind) {
    const QString folder = root + u'/' + kind + u'/';
    if (kind == u"cfg") // the classic emulator: *.cfg directly in the folder
        return {folder, folder, QStringLiteral(".cfg"), false, QString(), true, QString()};
    if (kind == u"nvram") // today's: a folder per game, holding any file
        return {folder, folder, QStringLiteral(".nv"), true, QStringLiteral("*"), false, QStringLiteral("NVRAM")};
    return {folder, folder, QStringLiteral(".png"), true, QStringLiteral("*.png"), false, QString()};
}

} // namespace

class TestDeletion : public QObject {
    Q_OBJECT
    std::unique_ptr<QTemporaryDir> m_root;
    QString path(const QString& relative) const { return m_root->filePath(relative); }

    // "a/b" a file, "a/" a folder, "a->b" a link to b; all under the root.
    void lay(const QStringList& entries) const {
        for (const QString& entry : entries) {
            if (entry.contains("->")) {
                QDir().mkpath(QFileInfo(path(entry.section("->", 0, 0))).path());
                QVERIFY(QFile::link(path(entry.section("->", 1)), path(entry.section("->", 0, 0))));
            } else if (entry.endsWith(u'/')) {
                QDir().mkpath(path(entry));
            } else {
                writeFile(path(entry), "x");
            }
        }
    }
    // Every entry under the root, links not followed.
    QStringList everything() const {
        QStringList entries;
        for (QDirIterator it(m_root->path(), QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                             QDirIterator::Subdirectories);
             it.hasNext();)
            entries << QDir(m_root->path()).relativeFilePath(it.next());
        entries.sort();
        return entries;
    }
    QList<maintenance::KeptFolder> kept() const {
        config::AppState state;
        state.directories = {path("mame/"), path("roms/"), path("roms/"), path("samples/"), path("snap/")};
        return maintenance::keptFolders(
            state, *maintenance::EmulatorFiles::locate(state, exec::Emulator(state), m_runner), path("home"));
    }
    mutable exec::CommandRunner m_runner;

private slots:
    void init() { m_root = std::make_unique<QTemporaryDir>(); }

    // Delete All takes the kind's files and, today, those in the folders named after a game;
    // what it asks tells how many go. Games in the catalogue: galx, zoom.
    void deleteAll_data() {
        columns<QString, QStringList, QStringList, QString>({"kind", "present", "left", "question"});
        const QString all = "Are you sure you want to delete all ";
        row("the classic emulator's: the kind's files only", "cfg",
            QStringList{"cfg/a.cfg", "cfg/my game.cfg", "cfg/b.hi", "cfg/c.cfgx", "cfg/d.cfg.bak", "cfg/sub/x.cfg",
                        "cfg/E.CFG"},
            QStringList{"cfg", "cfg/E.CFG", "cfg/b.hi", "cfg/c.cfgx", "cfg/d.cfg.bak", "cfg/sub", "cfg/sub/x.cfg"},
            all + ".cfg files?");
        row("game folders emptied and removed", "snap",
            QStringList{"snap/galx/0000.png", "snap/galx/0001.png", "snap/zoom.png", "snap/zoom/"}, QStringList{"snap"},
            all + ".png files?  3 files will be deleted.");
        row("a folder that is no game's stays whole", "snap",
            QStringList{"snap/holiday-photos/beach.png", "snap/backup/galx.png", "snap/galx/0000.png"},
            QStringList{"snap", "snap/backup", "snap/backup/galx.png", "snap/holiday-photos",
                        "snap/holiday-photos/beach.png"},
            all + ".png files?  1 file will be deleted.");
        row("a game folder keeps what is not of the kind", "snap",
            QStringList{"snap/galx/0000.png", "snap/galx/notes.txt", "snap/galx/old/0000.png"},
            QStringList{"snap", "snap/galx", "snap/galx/notes.txt", "snap/galx/old", "snap/galx/old/0000.png"},
            all + ".png files?  1 file will be deleted.");
        row("NVRAM: every file of a game's folder", "nvram",
            QStringList{"nvram/galx/eeprom", "nvram/galx/nvram", "nvram/roms/a.zip"},
            QStringList{"nvram", "nvram/roms", "nvram/roms/a.zip"}, all + "NVRAM files?  2 files will be deleted.");
        row("links are neither followed nor removed", "snap",
            QStringList{"outside/0000.png", "outside/zoom.png", "snap/galx->outside",
                        "snap/zoom.png->outside/zoom.png"},
            QStringList{"outside", "outside/0000.png", "outside/zoom.png", "snap", "snap/galx", "snap/zoom.png"},
            QString());
    }
    void deleteAll() {
        lay(cell<QStringList>("present"));
        const GameFileLocation where = location(m_root->path(), cell<QString>("kind"));
        const maintenance::Deletion deletion = maintenance::planDeleteAll(where, {"galx", "zoom"}, kept());
        QCOMPARE(deletion.refusal, QString());
        QTEST(deletion.count() ? maintenance::askAllFilesMessage(where, deletion) : QString(), "question");
        QCOMPARE(maintenance::carryOut(deletion), 0);
        QTEST(everything(), "left");
    }

    // Never in a folder that holds more than the emulator's files: nothing there is touched.
    void refusedFolders_data() {
        columns<QString, QString>({"folder", "what"});
        row("the emulator's directory", "mame", "the M.A.M.E. directory");
        row("a ROM directory", "roms", "a ROM directory");
        row("the samples directory", "samples", "a samples directory");
        row("the home folder", "home", "your home folder");
        row("above the home folder", "", "a folder that holds your home folder");
        row("the root", "/", "the root folder");
    }
    void refusedFolders() {
        const QString& name = cell<QString>("folder");
        lay({"home/"});
        if (name != "/")
            lay({name + "/galx/0000.png", name + "/galx.png"});
        const QString folder = name == "/" ? name : path(name) + u'/';
        GameFileLocation where = location(m_root->path(), "snap");
        where.gameFolder = where.allFolder = folder;
        const QStringList before = everything();
        const QString refusal = QStringLiteral("Marqueon will not delete files in %1: it is %2.")
                                    .arg(QDir::toNativeSeparators(folder), cell<QString>("what"));
        QCOMPARE(maintenance::planDeleteAll(where, {"galx"}, kept()).refusal, refusal);
        const maintenance::Deletion game = maintenance::planGameDeletion(where, "galx", kept());
        QCOMPARE(game.refusal, refusal);
        QCOMPARE(game.count(), 0);
        QCOMPARE(everything(), before);
    }

    // One game's files: its own file, and today the kind's files in its folder, which goes once empty.
    void gameFiles_data() {
        columns<QString, QString, QStringList, QStringList>({"kind", "game", "present", "left"});
        row("classic", "cfg", "galx", QStringList{"cfg/galx.cfg", "cfg/galx/", "cfg/galxb.cfg"},
            QStringList{"cfg", "cfg/galx", "cfg/galxb.cfg"});
        row("today", "snap", "galx", QStringList{"snap/galx.png", "snap/galx/0000.png", "snap/galx/a.txt"},
            QStringList{"snap", "snap/galx", "snap/galx/a.txt"});
        row("a name that leads elsewhere", "snap", "../x", QStringList{"x.png", "snap/"}, QStringList{"snap", "x.png"});
    }
    void gameFiles() {
        lay(cell<QStringList>("present"));
        const maintenance::Deletion deletion = maintenance::planGameDeletion(
            location(m_root->path(), cell<QString>("kind")), cell<QString>("game"), kept());
        QCOMPARE(maintenance::carryOut(deletion), 0);
        QTEST(everything(), "left");
    }
};

QTEST_GUILESS_MAIN(TestDeletion)
#include "TestDeletion.moc"
