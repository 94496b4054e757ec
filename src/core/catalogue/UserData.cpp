#include "core/catalogue/UserData.h"

#include <QFileInfo>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>

#include <atomic>

namespace catalogue {
namespace {

QString uniqueConnection(const char* what) {
    static std::atomic<int> next = 0;
    return QStringLiteral("marqueon-%1-%2").arg(QLatin1String(what)).arg(next++);
}

// The moment as the database keeps it: UTC, to the second, in a form that sorts as text.
QString stamp(const QDateTime& moment) {
    return moment.toUTC().toString(Qt::ISODate);
}

} // namespace

UserData::UserData()
    : m_connection(uniqueConnection("user")) {}

UserData::~UserData() {
    close();
}

bool UserData::isOpen() const {
    return QSqlDatabase::contains(m_connection) && QSqlDatabase::database(m_connection, false).isOpen();
}

void UserData::close() {
    m_favourites.clear();
    m_plays.clear();
    if (!QSqlDatabase::contains(m_connection))
        return;
    QSqlDatabase::database(m_connection, false).close();
    QSqlDatabase::removeDatabase(m_connection);
}

bool UserData::open(const QString& path) {
    close();
    m_error.clear();
    m_path = path;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), m_connection);
        db.setDatabaseName(path);
        QSqlQuery query(db);
        // Every commit is on the disk before it returns (the rollback journal's full
        // synchronisation): a crash loses at most the change being made.
        const bool ready =
            db.open() && query.exec(QStringLiteral("PRAGMA synchronous = FULL")) &&
            query.exec(QStringLiteral("CREATE TABLE IF NOT EXISTS favourites (game TEXT PRIMARY KEY NOT NULL)")) &&
            query.exec(QStringLiteral("CREATE TABLE IF NOT EXISTS plays (game TEXT PRIMARY KEY NOT NULL, "
                                      "count INTEGER NOT NULL, seconds INTEGER NOT NULL, last TEXT NOT NULL)")) &&
            query.exec(QStringLiteral("SELECT game FROM favourites"));
        if (ready) {
            while (query.next())
                m_favourites.insert(query.value(0).toString());
        }
        QSqlQuery plays(db);
        if (ready && plays.exec(QStringLiteral("SELECT game, count, seconds, last FROM plays"))) {
            while (plays.next())
                m_plays.insert(plays.value(0).toString(),
                               {plays.value(1).toInt(), plays.value(2).toLongLong(),
                                QDateTime::fromString(plays.value(3).toString(), Qt::ISODate)});
            return true;
        }
        m_error = (db.lastError().isValid() ? db.lastError() : query.lastError()).text();
        if (m_error.isEmpty())
            m_error = plays.lastError().text();
    }
    close();
    return false;
}

bool UserData::change(const std::function<bool()>& statements) {
    if (!isOpen()) {
        if (m_error.isEmpty())
            m_error = QStringLiteral("the database is not open");
        return false;
    }
    QSqlDatabase db = QSqlDatabase::database(m_connection, false);
    if (db.transaction() && statements() && db.commit())
        return true;
    m_error = db.lastError().text();
    db.rollback();
    return false;
}

bool UserData::setFavourite(const QString& romName, bool favourite) {
    const bool done = change([&] {
        QSqlQuery query(QSqlDatabase::database(m_connection, false));
        query.prepare(favourite ? QStringLiteral("INSERT OR IGNORE INTO favourites (game) VALUES (?)")
                                : QStringLiteral("DELETE FROM favourites WHERE game = ?"));
        query.addBindValue(romName);
        return query.exec();
    });
    if (done) {
        if (favourite)
            m_favourites.insert(romName);
        else
            m_favourites.remove(romName);
    }
    return done;
}

bool UserData::setFavourites(const QSet<QString>& romNames) {
    const bool done = change([&] {
        const QSqlDatabase db = QSqlDatabase::database(m_connection, false);
        QSqlQuery query(db);
        if (!query.exec(QStringLiteral("DELETE FROM favourites")))
            return false;
        query.prepare(QStringLiteral("INSERT OR IGNORE INTO favourites (game) VALUES (?)"));
        for (const QString& romName : romNames) {
            query.addBindValue(romName);
            if (!query.exec())
                return false;
        }
        return true;
    });
    if (done)
        m_favourites = romNames;
    return done;
}

bool UserData::recordPlay(const QString& romName, const QDateTime& started, qint64 seconds) {
    const bool done = change([&] {
        QSqlQuery query(QSqlDatabase::database(m_connection, false));
        query.prepare(QStringLiteral("INSERT INTO plays (game, count, seconds, last) VALUES (?, 1, ?, ?) "
                                     "ON CONFLICT (game) DO UPDATE SET count = count + 1, "
                                     "seconds = seconds + excluded.seconds, last = excluded.last"));
        query.addBindValue(romName);
        query.addBindValue(seconds);
        query.addBindValue(stamp(started));
        return query.exec();
    });
    if (done) {
        PlayRecord& record = m_plays[romName];
        ++record.count;
        record.seconds += seconds;
        record.last = QDateTime::fromString(stamp(started), Qt::ISODate);
    }
    return done;
}

void UserData::setEmulatorPlays(QHash<QString, PlayRecord> plays) {
    m_emulatorPlays = std::move(plays);
}

PlayRecord UserData::plays(const QString& romName) const {
    PlayRecord record = m_plays.value(romName);
    if (const auto timer = m_emulatorPlays.constFind(romName); timer != m_emulatorPlays.cend()) {
        record.count += timer->count;
        record.seconds += timer->seconds;
    }
    return record;
}

QHash<QString, PlayRecord> readEmulatorTimer(const QString& path) {
    QHash<QString, PlayRecord> plays;
    if (!QFileInfo(path).isFile())
        return plays;
    const QString connection = uniqueConnection("timer");
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), connection);
        db.setDatabaseName(path);
        db.setConnectOptions(QStringLiteral("QSQLITE_OPEN_READONLY"));
        QSqlQuery query(db);
        if (db.open() && query.exec(QStringLiteral("SELECT driver, SUM(total_time), SUM(play_count) FROM timer "
                                                   "WHERE software = '' GROUP BY driver"))) {
            while (query.next()) {
                const qint64 seconds = query.value(1).toLongLong();
                const int count = query.value(2).toInt();
                if (count > 0 || seconds > 0)
                    plays.insert(query.value(0).toString(), {count, seconds, QDateTime()});
            }
        }
        db.close();
    }
    QSqlDatabase::removeDatabase(connection);
    return plays;
}

} // namespace catalogue
