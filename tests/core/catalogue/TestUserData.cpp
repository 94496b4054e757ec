#include "core/catalogue/UserData.h"
#include "support/TableRows.h"

#include <QProcess>
#include <QSqlDatabase>
#include <QSqlQuery>

#include <csignal>

using catalogue::PlayRecord;
using catalogue::UserData;

namespace {
const QDateTime Evening(QDate(2026, 12, 7), QTime(20, 15, 30), Qt::UTC);

// Runs statements on a database of our own making (the emulator's timer file).
void execute(const QString& path, const QStringList& statements) {
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("maker"));
        db.setDatabaseName(path);
        QVERIFY(db.open());
        QSqlQuery query(db);
        for (const QString& statement : statements)
            QVERIFY2(query.exec(statement), qPrintable(statement));
    }
    QSqlDatabase::removeDatabase(QStringLiteral("maker"));
}

// The child a test kills: changes the database as fast as it can, each change a play of one
// second or a swap between two whole sets of favourites, until it is killed.
int writeUntilKilled(const QString& path) {
    UserData data;
    if (!data.open(path))
        return 1;
    for (int i = 0;; ++i) {
        const bool done = i % 2 ? data.recordPlay(QStringLiteral("g%1").arg(i % 7), Evening, 1)
                                : data.setFavourites(i % 4 ? QSet<QString>{"a", "b", "c"} : QSet<QString>{"d", "e"});
        if (!done)
            return 2;
        if (i == 20)
            fputs("writing\n", stdout), fflush(stdout);
    }
}
} // namespace

class TestUserData : public QObject {
    Q_OBJECT
    QTemporaryDir m_dir;
    QString path() const { return m_dir.filePath("marqueon.db"); }
private slots:
    void init() { QFile::remove(path()); }

    // Favourites and plays as the next start finds them; the emulator's own counts added in,
    // never written.
    void keepsAcrossStarts() {
        {
            UserData data;
            QVERIFY(data.open(path()));
            QVERIFY(data.setFavourite("pacman", true) && data.setFavourite("galaga", true));
            QVERIFY(data.setFavourite("pacman", false) && data.setFavourite("galaga", true));
            QVERIFY(data.recordPlay("pong", Evening.addDays(-1), 90) && data.recordPlay("pong", Evening, 30));
            data.setEmulatorPlays({{"pong", {2, 100, {}}}, {"tron", {1, 5, {}}}});
            QCOMPARE(data.plays("pong"), (PlayRecord{4, 220, Evening}));
        }
        UserData data;
        QVERIFY(data.open(path()));
        QCOMPARE(data.favourites(), QSet<QString>{"galaga"});
        QCOMPARE(data.plays("pong"), (PlayRecord{2, 120, Evening}));
        QCOMPARE(data.plays("tron"), PlayRecord{});
        QVERIFY(data.setFavourites({"a", "b"}));
        data.close();
        QVERIFY(!data.setFavourite("c", true));
        QVERIFY(data.open(path()));
        QCOMPARE(data.favourites(), (QSet<QString>{"a", "b"}));
    }

    // What is not a database is refused with a reason and left as it was.
    void refusesWhatIsNoDatabase_data() {
        columns<QByteArray>({"bytes"});
        row("text", QByteArray("favourites: pacman\n"));
        row("a folder", QByteArray("/"));
    }
    void refusesWhatIsNoDatabase() {
        place(path(), cell<QByteArray>("bytes"));
        UserData data;
        QVERIFY(!data.open(path()));
        QVERIFY(!data.error().isEmpty());
        QVERIFY(!data.setFavourite("pacman", true));
        QTEST(contents(path()), "bytes");
        place(path(), "<none>");
    }

    // A writer killed at any moment leaves a whole database: every change in it or not at all.
    void survivesAKilledWriter() {
        for (int round = 0; round < 3; ++round) {
            QProcess writer;
            writer.setProcessEnvironment(QProcessEnvironment::systemEnvironment());
            writer.start(QCoreApplication::applicationFilePath(), {"--write-until-killed", path()});
            QVERIFY(writer.waitForReadyRead(10000));
            QTest::qWait(50 + 40 * round);
            ::kill(pid_t(writer.processId()), SIGKILL);
            QVERIFY(writer.waitForFinished());

            UserData data;
            QVERIFY2(data.open(path()), qPrintable(data.error()));
            QVERIFY(data.favourites() == (QSet<QString>{"a", "b", "c"}) ||
                    data.favourites() == (QSet<QString>{"d", "e"}));
            int plays = 0;
            for (int game = 0; game < 7; ++game) {
                const PlayRecord record = data.plays(QStringLiteral("g%1").arg(game));
                QCOMPARE(record.seconds, qint64(record.count));
                plays += record.count;
            }
            QVERIFY(plays >= 10);
        }
    }

    // The emulator's timer: machines only, summed over rows; no file or a damaged one is nothing.
    void readsTheEmulatorsTimer() {
        const QString timer = m_dir.filePath("timer.db");
        execute(timer, {"CREATE TABLE timer (driver VARCHAR(32) NOT NULL, softlist VARCHAR(24) NOT NULL DEFAULT '', "
                        "software VARCHAR(16) NOT NULL DEFAULT '', total_time INTEGER NOT NULL, "
                        "play_count INTEGER NOT NULL, emu_sample INTEGER NOT NULL DEFAULT 0, "
                        "PRIMARY KEY (driver, softlist, software))",
                        "INSERT INTO timer VALUES ('pong', '', '', 75, 3, 0), ('tron', '', '', 0, 0, 0), "
                        "('nes', 'nes', 'smb', 600, 9, 0), ('nes', '', '', 10, 1, 0)"});
        const QHash<QString, PlayRecord> expected{{"pong", {3, 75, {}}}, {"nes", {1, 10, {}}}};
        QCOMPARE(catalogue::readEmulatorTimer(timer), expected);
        writeFile(timer, "not a database");
        QVERIFY(catalogue::readEmulatorTimer(timer).isEmpty());
        QVERIFY(catalogue::readEmulatorTimer(m_dir.filePath("none.db")).isEmpty());
    }
};

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    if (argc == 3 && qstrcmp(argv[1], "--write-until-killed") == 0)
        return writeUntilKilled(QString::fromLocal8Bit(argv[2]));
    TestUserData test;
    return QTest::qExec(&test, argc, argv);
}
#include "TestUserData.moc"
