#include "core/config/AppState.h"
#include "support/TableRows.h"

// Copies laid out in one folder: installed (usr/bin beside usr/share/marqueon), a bin folder
// without share/marqueon, a build folder; "user" stands for ~/.local/share/marqueon.
class TestAppDirectory : public QObject {
    Q_OBJECT
    QTemporaryDir m_root;
    QString path(const QString& relative) const {
        return relative.isEmpty() ? relative : config::directoryText(m_root.filePath(relative));
    }

private slots:
    void initTestCase() {
        for (const char* folder : {"usr/bin", "usr/games", "usr/share/marqueon", "portable/bin", "build/src", "app"})
            QVERIFY(QDir(m_root.path()).mkpath(QLatin1String(folder)));
    }

    void choosesTheFolder_data() {
        columns<QString, QString, QString>({"home", "program", "expected"});
        row("installed: the user's folder", "", "usr/bin", "user");
        row("installed as Debian keeps games", "", "usr/games", "user");
        row("MARQUEON_HOME over an installation", "app", "usr/bin", "app");
        row("bin without share/marqueon", "", "portable/bin", "portable/bin");
        row("build folder", "", "build/src", "build/src");
    }
    void choosesTheFolder() {
        QCOMPARE(config::chooseApplicationDirectory(path(cell<QString>("home")), path(cell<QString>("program")),
                                                    m_root.filePath(QStringLiteral("user"))),
                 path(cell<QString>("expected")));
    }

    // The application directory's guide first, as the user may keep their own there.
    void findsTheUserGuide_data() {
        columns<QStringList, QString, QString>({"guides", "program", "expected"});
        const QString app = "app/retro.txt", installed = "usr/share/marqueon/retro.txt";
        row("application directory", QStringList{app, installed}, "usr/bin", app);
        row("beside the program", QStringList{"build/src/retro.txt"}, "build/src", "build/src/retro.txt");
        row("installed", QStringList{installed}, "usr/bin", installed);
        row("nowhere: the application directory's", QStringList{}, "usr/bin", app);
        row("not an installed copy", QStringList{installed}, "portable/bin", app);
    }
    void findsTheUserGuide() {
        for (const QString& guide : cell<QStringList>("guides"))
            writeFile(m_root.filePath(guide), "Guide\r\n");
        QCOMPARE(config::userGuidePath(path(QStringLiteral("app")), path(cell<QString>("program"))),
                 m_root.filePath(cell<QString>("expected")));
        for (const QString& guide : cell<QStringList>("guides"))
            QFile::remove(m_root.filePath(guide));
    }
};

QTEST_GUILESS_MAIN(TestAppDirectory)
#include "TestAppDirectory.moc"
