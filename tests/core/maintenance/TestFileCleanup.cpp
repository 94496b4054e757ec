#include "core/maintenance/FileCleanup.h"
#include "support/TableRows.h"

#include <QDirIterator>

using maintenance::FileCleanup;

class TestFileCleanup : public QObject {
    Q_OBJECT
    QString path(const QString& relative) const { return m_root->filePath(relative); }
    QString folder() const { return path("cfg") + QDir::separator(); }
    // Every entry under the root, links not followed.
    QStringList everything() const {
        QStringList entries;
        QDirIterator it(m_root->path(), QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                        QDirIterator::Subdirectories);
        while (it.hasNext())
            entries << QDir(m_root->path()).relativeFilePath(it.next());
        entries.sort();
        return entries;
    }
    std::unique_ptr<QTemporaryDir> m_root;
private slots:
    void init() { m_root = std::make_unique<QTemporaryDir>(); }
    void matchesThePatternOnly_data() {
        columns<QString, QString, QString>({"present", "pattern", "matching"}); // names joined by "|"
        row("extension, not a longer or further one", "a.cfg|b.hi|c.cfgx|d.cfg.bak|cfg|my game.cfg", "*.cfg",
            "a.cfg|my game.cfg");
#ifdef Q_OS_WIN
        row("letter case", "a.png|B.PNG|c.Png", "*.png", "B.PNG|a.png|c.Png");
#else
        row("letter case", "a.png|B.PNG|c.Png", "*.png", "a.png");
#endif
        row("nothing of the kind", "a.nv.old|hi", "*.nv", "");
    }
    void matchesThePatternOnly() {
        for (const QString& name : cell<QString>("present").split(u'|'))
            writeFile(folder() + name, "x");
        QTEST(FileCleanup(folder(), cell<QString>("pattern")).files().join(u'|'), "matching");
    }
    void deletesOnlyRegularFilesDirectlyInTheFolder() {
        for (const char* name : {"cfg/a.cfg", "cfg/b.cfg", "cfg/keep.txt", "cfg/C.CFG", "cfg/sub/x.cfg",
                                 "cfg/sub.cfg/inner.cfg", "outside/target.cfg", "outside/y.cfg", "x.cfg"})
            writeFile(path(name), "kept");
        QVERIFY(QFile::link(path("outside/target.cfg"), path("cfg/link.cfg")));
        QVERIFY(QFile::link(path("outside"), path("cfg/folderlink.cfg")));
        QVERIFY(QFile::link(path("nowhere.cfg"), path("cfg/dangling.cfg")));
        QStringList expected = everything();
        expected.removeAll("cfg/a.cfg");
        expected.removeAll("cfg/b.cfg");
        const FileCleanup cleanup(folder(), "*.cfg");
        QCOMPARE(cleanup.files(), QStringList({"a.cfg", "b.cfg"}));
        QCOMPARE(cleanup.deleteAll(), QStringList());
        QCOMPARE(everything(), expected);
        // The links stay links, and what they point at is untouched.
        QVERIFY(QFileInfo(path("cfg/link.cfg")).isSymLink());
        QCOMPARE(readFile(path("outside/target.cfg")), QByteArray("kept"));
        QCOMPARE(cleanup.files(), QStringList());
        // Nor does a single deletion remove a link or a folder.
        QVERIFY(!FileCleanup::deleteFile(path("cfg/link.cfg")));
        QVERIFY(!FileCleanup::deleteFile(path("cfg/sub.cfg")));
        QCOMPARE(everything(), expected);
    }
    // A missing folder holds no files; an empty folder text is no folder, not the working directory;
    // and a name that could lead elsewhere names no file.
    void nothingOutsideTheFolder() {
        QCOMPARE(FileCleanup(folder(), "*.cfg").pathOf("galx.cfg"), QDir(folder()).filePath("galx.cfg"));
        for (const char* name : {"../x.cfg", "sub/x.cfg", "..\\x.cfg", "..", ""})
            QCOMPARE(FileCleanup(folder(), "*.cfg").pathOf(name), QString());
        writeFile(path("a.cfg"), "kept");
        const QString working = QDir::currentPath();
        QVERIFY(QDir::setCurrent(m_root->path()));
        const FileCleanup missing(path("nope") + QDir::separator(), "*.cfg"), unnamed(QString(), "*.cfg");
        const QStringList found = missing.files() + missing.deleteAll() + unnamed.files() + unnamed.deleteAll();
        const QString named = unnamed.pathOf("a.cfg");
        QDir::setCurrent(working);
        QCOMPARE(found, QStringList());
        QCOMPARE(named, QString());
        QCOMPARE(everything(), QStringList{"a.cfg"});
    }
};

QTEST_GUILESS_MAIN(TestFileCleanup)
#include "TestFileCleanup.moc"
