#pragma once

#include "core/catalogue/GameRecord.h"
#include "core/config/AppState.h"

#include <QByteArrayView>
#include <QHash>
#include <QList>
#include <QSet>

#include <optional>

namespace exec {
class Progress;
}

namespace catalogue {

// The ROM archives in one directory, listed once so that a catalogue of tens of thousands
// of games needs no file-exists call per game.
class ArchiveIndex {
public:
    explicit ArchiveIndex(const QString& directory);
    // Whether <directory><romName>.zip exists.
    bool contains(const QString& romName) const;

private:
    QSet<QString> m_names;
};

// Reads catalogue lines: ten comma-separated fields, a field that begins with a double quote
// running to the next one. Nothing when a line is damaged (fewer or more than ten fields, or a
// quote left open). Texts that recur from game to game (years, statuses, makers, displays,
// origins) are shared between records instead of held once per game.
class RecordReader {
public:
    std::optional<GameRecord> parse(QByteArrayView line);

private:
    QString shared(QByteArrayView text);
    QHash<QByteArray, QString> m_texts;
};

// The games of one list choice, split by installed state.
struct GameLists {
    QList<GameRecord> all;
    QList<GameRecord> installed;
    QList<GameRecord> uninstalled;
    bool missing = false; // there was no catalogue to read
    bool damaged = false; // some lines could not be read, or the file was cut short
};

struct LoadSettings {
    QString cataloguePath;
    QString romPath;
    QString neoRomPath;
    bool hideClones = false;
};

// The games of a list choice from the catalogue:
// - Retro: every game before the first one described "NAM-1975", but for the test entries
//   "sentetst" and "sfzch"; installed when the archive lies in the Retro ROM directory.
// - All: every game; installed when the archive lies in either ROM directory.
// - Neo-Geo: from the game described "NAM-1975" to the end; installed when the archive lies in
//   the Neo-Geo ROM directory.
// No list choice loads nothing.
GameLists loadGames(config::ListChoice choice, const LoadSettings& settings, exec::Progress& progress);

} // namespace catalogue
