#include "maintenance/FileCleanup.h"
#include "support/TestSandbox.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using maintenance::FileCleanup;

class TestFileCleanup : public QObject {
    Q_OBJECT

private slots:
    void init() { m_root = std::make_unique<QTemporaryDir>(); }

    void matchesThePatternOnly_data();
    void matchesThePatternOnly();
    void deletesOnlyRegularFilesDirectlyInTheFolder();
    void missingOrUnnamedFolderHoldsNothing();
    void pathNeverLeavesTheFolder_data();
    void pathNeverLeavesTheFolder();

private:
    QString path(const QString& relative) const { return m_root->filePath(relative); }
    QString folder() const { return path("cfg") + QDir::separator(); }
    // Every entry under the root, links not followed.
    QStringList everything() const;
    std::unique_ptr<QTemporaryDir> m_root;
};

QStringList TestFileCleanup::everything() const {
    QStringList entries;
    QDirIterator it(m_root->path(), QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                    QDirIterator::Subdirectories);
    while (it.hasNext())
        entries << QDir(m_root->path()).relativeFilePath(it.next());
    entries.sort();
    return entries;
}

void TestFileCleanup::matchesThePatternOnly_data() {
    QTest::addColumn<QStringList>("present");
    QTest::addColumn<QString>("pattern");
    QTest::addColumn<QStringList>("matching");
    QTest::newRow("extension, not a longer or further one")
        << QStringList{"a.cfg", "b.hi", "c.cfgx", "d.cfg.bak", "cfg", "my game.cfg"} << "*.cfg"
        << QStringList{"a.cfg", "my game.cfg"};
#ifdef Q_OS_WIN
    QTest::newRow("letter case") << QStringList{"a.png", "B.PNG", "c.Png"} << "*.png"
                                 << QStringList{"a.png", "B.PNG", "c.Png"};
#else
    QTest::newRow("letter case") << QStringList{"a.png", "B.PNG", "c.Png"} << "*.png" << QStringList{"a.png"};
#endif
    QTest::newRow("nothing of the kind") << QStringList{"a.nv.old", "hi"} << "*.nv" << QStringList();
}

void TestFileCleanup::matchesThePatternOnly() {
    QFETCH(QStringList, present);
    QFETCH(QString, pattern);
    QFETCH(QStringList, matching);
    for (const QString& name : present)
        writeFile(folder() + name, "x");
    QCOMPARE(FileCleanup(folder(), pattern).files(), matching);
}

void TestFileCleanup::deletesOnlyRegularFilesDirectlyInTheFolder() {
    for (const char* name : {"cfg/a.cfg", "cfg/b.cfg", "cfg/keep.txt", "cfg/C.CFG", "cfg/sub/x.cfg",
                             "cfg/sub.cfg/inner.cfg", "outside/target.cfg", "outside/y.cfg", "x.cfg"})
        writeFile(path(name), "kept");
    QVERIFY(QFile::link(path("outside/target.cfg"), path("cfg/link.cfg")));
    QVERIFY(QFile::link(path("outside"), path("cfg/folderlink.cfg")));
    QVERIFY(QFile::link(path("nowhere.cfg"), path("cfg/dangling.cfg")));
    const QStringList before = everything();

    const FileCleanup cleanup(folder(), "*.cfg");
    QCOMPARE(cleanup.files(), QStringList({"a.cfg", "b.cfg"}));
    QCOMPARE(cleanup.deleteAll(), QStringList());

    QStringList expected = before;
    expected.removeAll("cfg/a.cfg");
    expected.removeAll("cfg/b.cfg");
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

void TestFileCleanup::missingOrUnnamedFolderHoldsNothing() {
    const FileCleanup missing(path("nope") + QDir::separator(), "*.cfg");
    QCOMPARE(missing.files(), QStringList());
    QCOMPARE(missing.deleteAll(), QStringList());
    QVERIFY(!QFileInfo::exists(path("nope")));

    // An empty folder text is no folder, not the working directory.
    writeFile(path("a.cfg"), "kept");
    const QString working = QDir::currentPath();
    QVERIFY(QDir::setCurrent(m_root->path()));
    const FileCleanup unnamed(QString(), "*.cfg");
    const QStringList files = unnamed.files();
    const QStringList failed = unnamed.deleteAll();
    const QString named = unnamed.pathOf("a.cfg");
    QDir::setCurrent(working);
    QCOMPARE(files, QStringList());
    QCOMPARE(failed, QStringList());
    QCOMPARE(named, QString());
    QVERIFY(QFileInfo::exists(path("a.cfg")));
}

void TestFileCleanup::pathNeverLeavesTheFolder_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("inFolder");
    QTest::newRow("plain name") << "galx.cfg" << true;
    QTest::newRow("parent") << "../x.cfg" << false;
    QTest::newRow("subfolder") << "sub/x.cfg" << false;
    QTest::newRow("backslash") << "..\\x.cfg" << false;
    QTest::newRow("dot-dot") << ".." << false;
    QTest::newRow("empty") << "" << false;
}

void TestFileCleanup::pathNeverLeavesTheFolder() {
    QFETCH(QString, name);
    QFETCH(bool, inFolder);
    QCOMPARE(FileCleanup(folder(), "*.cfg").pathOf(name), inFolder ? QDir(folder()).filePath(name) : QString());
}

QTEST_GUILESS_MAIN(TestFileCleanup)
#include "TestFileCleanup.moc"
