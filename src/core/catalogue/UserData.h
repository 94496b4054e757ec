#pragma once

#include "core/catalogue/GameMarks.h"

#include <QHash>
#include <QSet>
#include <QString>

#include <functional>

namespace catalogue {

// The user's own data: favourites and play history, one SQLite database in the application
// directory. Each change is one transaction, so that a crash at any moment leaves the database
// as it was before or after it. What is read is kept in memory; the lists ask that copy.
class UserData {
public:
    UserData();
    ~UserData();
    UserData(const UserData&) = delete;
    UserData& operator=(const UserData&) = delete;

    // Opens the database, making it when there is none; false with error() saying why.
    bool open(const QString& path);
    void close();
    bool isOpen() const;
    const QString& path() const { return m_path; }
    QString error() const { return m_error; }

    // A change that could not be written leaves everything as it was and returns false.
    bool setFavourite(const QString& romName, bool favourite);
    // Replaces every favourite (an import): one transaction.
    bool setFavourites(const QSet<QString>& romNames);
    const QSet<QString>& favourites() const { return m_favourites; }
    bool recordPlay(const QString& romName, const QDateTime& started, qint64 seconds);

    // Counts and times the emulator's own timer kept, added to what Marqueon recorded; never
    // written to the database (the emulator can tell them again).
    void setEmulatorPlays(QHash<QString, PlayRecord> plays);
    PlayRecord plays(const QString& romName) const;

    bool isFavourite(const QString& romName) const { return m_favourites.contains(romName); }

private:
    bool change(const std::function<bool()>& statements);

    QString m_connection;
    QString m_path;
    QString m_error;
    QSet<QString> m_favourites;
    QHash<QString, PlayRecord> m_plays;
    QHash<QString, PlayRecord> m_emulatorPlays;
};

// The counts and times in the emulator's timer plugin's database (timer.db: timer(driver,
// softlist, software, total_time, play_count)), the machines only; nothing when there is none.
QHash<QString, PlayRecord> readEmulatorTimer(const QString& path);

} // namespace catalogue
