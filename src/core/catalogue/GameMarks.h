#pragma once

#include <QDateTime>
#include <QString>

namespace catalogue {

// How often and how long a game was played, and when last.
struct PlayRecord {
    int count = 0;
    qint64 seconds = 0;
    QDateTime last; // invalid when only the emulator's own timer knows the game

    bool operator==(const PlayRecord&) const = default;
};

// What the user's own data and the lists say of a game, beyond the catalogue: for the search
// terms that ask it and the columns that show it.
class GameMarks {
public:
    virtual ~GameMarks() = default;
    virtual bool isFavourite(const QString& romName) const = 0;
    virtual PlayRecord plays(const QString& romName) const = 0;
    virtual bool isInstalled(const QString& romName) const = 0;
};

} // namespace catalogue
