#pragma once

#include "catalogue/GameRecord.h"

#include <QByteArrayView>
#include <QHash>
#include <QList>
#include <QSet>

#include <optional>

namespace catalogue {

class Progress;

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

std::optional<GameRecord> parseRecord(QByteArrayView line);

// The games of one list choice, split by installed state.
struct GameLists {
    QList<GameRecord> all;
    QList<GameRecord> installed;
    QList<GameRecord> uninstalled;
    bool missing = false; // there was no catalogue to read
    bool damaged = false; // some lines could not be read, or the file was cut short
};

struct LoadSettings {
    QString gameInfoPath;
    QString romPath;
    QString neoRomPath;
    bool hideClones = false;
};

// Retro games: every game before the first one described "NAM-1975", but for the test entries
// "sentetst" and "sfzch"; installed when the archive lies in the Retro ROM directory.
GameLists LoadRetroList(const LoadSettings& settings, Progress& progress);
// All games; installed when the archive lies in either ROM directory.
GameLists LoadAllList(const LoadSettings& settings, Progress& progress);
// Neo-Geo games: from the game described "NAM-1975" to the end; installed when the archive
// lies in the Neo-Geo ROM directory.
GameLists LoadNeoList(const LoadSettings& settings, Progress& progress);

// The loader and caption for a list choice ("Retro", "RetroP", "NeoOnly"). Any other value
// loads nothing and has no caption.
struct ListChoice {
    GameLists (*load)(const LoadSettings&, Progress&) = nullptr;
    QString caption;
};
ListChoice listChoice(const QString& gameList);

} // namespace catalogue
