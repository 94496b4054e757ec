#include "core/catalogue/CatalogueLoader.h"

#include "core/catalogue/GameFactsFile.h"

#include "core/exec/Progress.h"
#include "core/io/LineReader.h"

#include <QFile>
#include <QFileInfo>

#include <algorithm>
#include <cstring>

namespace catalogue {
namespace {

const QString NeoGeoBoundary = QStringLiteral("NAM-1975");

bool isBlank(char c) {
    return c == ' ' || c == '\t';
}

// Where c next stands in line from position from; -1 when it does not. A plain memchr: the
// general search costs more than the short fields it looks through.
qsizetype find(QByteArrayView line, char c, qsizetype from) {
    if (from >= line.size())
        return -1;
    const void* at = std::memchr(line.data() + from, c, size_t(line.size() - from));
    return at ? static_cast<const char*>(at) - line.data() : -1;
}

QString latin1(QByteArrayView bytes) {
    return QString::fromLatin1(bytes);
}

// The facts file is written in the catalogue's order, so its lines are read beside the
// catalogue's; should the two not line up (a catalogue edited by hand), the rest is looked up by
// name.
class FactsReader {
public:
    explicit FactsReader(const QString& path)
        : m_file(path) {}

    void attach(GameRecord& game) {
        if (!m_file.isOpen())
            return;
        if (m_byName) {
            if (const auto found = m_byName->constFind(game.romName()); found != m_byName->cend())
                game.facts() = *found;
            return;
        }
        QByteArrayView line;
        std::optional<FactsLine> read;
        if (m_file.next(line))
            read = parseFactsLine(line);
        if (read && read->romName == game.romName()) {
            game.facts() = read->facts;
            return;
        }
        m_byName.emplace();
        if (read)
            m_byName->insert(read->romName, read->facts);
        while (m_file.next(line)) {
            if (std::optional<FactsLine> each = parseFactsLine(line))
                m_byName->insert(each->romName, each->facts);
        }
        attach(game);
    }

private:
    io::LineReader m_file;
    std::optional<QHash<QString, GameFacts>> m_byName;
};

enum class Installed { InRetro, InNeoGeo, InEither };

struct Rules {
    Installed installed;
    bool fromBoundary = false; // skip everything before the boundary game
    bool toBoundary = false;   // stop at the boundary game
    bool skipTestEntries = false;
};

GameLists load(const LoadSettings& settings, const Rules& rules, exec::Progress& progress) {
    GameLists lists;
    if (!QFile::exists(settings.cataloguePath)) {
        lists.missing = true;
        return lists;
    }
    const bool needRetro = rules.installed != Installed::InNeoGeo;
    const bool needNeo = rules.installed != Installed::InRetro;
    // The emulator says which files and folders are ROM sets; without one, the classic emulator's.
    const config::AppState none;
    const exec::Emulator classic(none);
    const exec::Emulator& emulator = settings.emulator ? *settings.emulator : classic;
    const exec::RomSetIndex retro = emulator.romSets(needRetro ? settings.romPath : QString());
    const exec::RomSetIndex neo = emulator.romSets(needNeo ? settings.neoRomPath : QString());

    io::LineReader file(settings.cataloguePath);
    RecordReader reader;
    FactsReader facts(settings.factsPath);
    // About a hundred bytes a game: room for them all at once instead of growing step by step.
    const qsizetype expected = QFileInfo(settings.cataloguePath).size() / 100;
    lists.all.reserve(expected);
    bool started = !rules.fromBoundary;
    QByteArrayView line;
    for (int position = 0; file.next(line); ++position) {
        std::optional<GameRecord> game = reader.parse(line);
        if (!game) {
            lists.damaged = true;
            continue;
        }
        facts.attach(*game);
        lists.abilities.details = lists.abilities.details || game->facts().detailed;
        if (settings.community) {
            if (const auto genre = settings.community->genres.constFind(game->romName());
                genre != settings.community->genres.cend()) {
                game->facts().genre = genre->genre;
                game->facts().mature = genre->mature;
            }
            if (const auto players = settings.community->players.constFind(game->romName());
                players != settings.community->players.cend())
                game->facts().players = quint8(std::clamp(*players, 0, 255));
        }
        if (settings.hideMature && game->facts().mature)
            continue;
        const bool boundary =
            settings.neoGeoFrom >= 0 ? position == settings.neoGeoFrom : game->description() == NeoGeoBoundary;
        if (rules.toBoundary && boundary)
            break;
        started = started || boundary;
        if (!started)
            continue;
        if (rules.skipTestEntries && (game->romName() == u"sentetst" || game->romName() == u"sfzch"))
            continue;
        if (settings.hideClones && game->isClone())
            continue;
        const bool installed = (needRetro && retro.contains(game->romName())) ||
                               (needNeo && neo.contains(game->romName())) ||
                               (settings.emulator && settings.emulator->needsNoRoms(game->romName()));
        (installed ? lists.installed : lists.uninstalled).append(*game);
        lists.all.append(std::move(*game));
        // Often enough to see the count rise, seldom enough to cost nothing.
        if (lists.all.size() % 256 == 0)
            progress.setCount(int(lists.all.size()));
    }
    progress.setCount(int(lists.all.size()));
    lists.damaged = lists.damaged || file.lastLineUnterminated();
    lists.abilities.genres = settings.community && !settings.community->genres.isEmpty();
    lists.abilities.players = settings.community && !settings.community->players.isEmpty();
    return lists;
}

} // namespace

SharedText RecordReader::shared(int field, QByteArrayView text) {
    // Neighbouring games often say the same (statuses above all): the field's last text is
    // checked before the table.
    Recent& recent = m_recent[size_t(field)];
    if (text == recent.bytes)
        return recent.text;
    // A raw-data key looks the text up without copying it.
    const QByteArray key = QByteArray::fromRawData(text.data(), text.size());
    const auto found = m_texts.constFind(key);
    if (found != m_texts.cend()) {
        recent = {found.key(), *found};
    } else {
        recent = {QByteArray(text.data(), text.size()), SharedText(QString::fromLatin1(text))};
        m_texts.insert(recent.bytes, recent.text);
    }
    return recent.text;
}

std::optional<GameRecord> RecordReader::parse(QByteArrayView line) {
    GameRecord record;
    qsizetype pos = 0;
    const qsizetype size = line.size();
    for (int i = 0; i < GameRecord::FieldCount; ++i) {
        while (pos < size && isBlank(line[pos]))
            ++pos;
        qsizetype end;
        QByteArrayView text;
        QByteArray unquoted; // a text holding quotes, which stand doubled in the line
        if (pos < size && line[pos] == '"') {
            qsizetype close = find(line, '"', pos + 1);
            while (close >= 0 && close + 1 < size && line[close + 1] == '"') {
                unquoted += line.sliced(pos + 1, close - pos);
                pos = close + 1;
                close = find(line, '"', pos + 1);
            }
            if (close < 0)
                return std::nullopt;
            text = line.sliced(pos + 1, close - pos - 1);
            if (!unquoted.isEmpty()) {
                unquoted += text;
                text = unquoted;
            }
            // Anything between the closing quote and the comma is not part of the field.
            end = find(line, ',', close + 1);
        } else {
            end = find(line, ',', pos);
            text = line.sliced(pos, (end < 0 ? size : end) - pos);
            while (!text.isEmpty() && isBlank(text.back()))
                text.chop(1);
        }
        const bool unique = i == GameRecord::Description || i == GameRecord::RomName;
        if (unique)
            record.set(GameRecord::Field(i), latin1(text));
        else
            record.set(GameRecord::Field(i), shared(i, text));
        const bool last = i == GameRecord::FieldCount - 1;
        if (last != (end < 0))
            return std::nullopt;
        pos = end + 1;
    }
    record.settle();
    return record;
}

GameLists loadGames(config::ListChoice choice, const LoadSettings& settings, exec::Progress& progress) {
    switch (choice) {
    case config::ListChoice::Retro:
        return load(settings, {Installed::InRetro, false, true, true}, progress);
    case config::ListChoice::All:
        return load(settings, {Installed::InEither, false, false, false}, progress);
    case config::ListChoice::NeoGeo:
        return load(settings, {Installed::InNeoGeo, true, false, false}, progress);
    case config::ListChoice::None:
        break;
    }
    return {};
}

QSet<QString> romNames(const QString& cataloguePath) {
    QSet<QString> names;
    io::LineReader file(cataloguePath);
    RecordReader reader;
    QByteArrayView line;
    while (file.next(line)) {
        if (const std::optional<GameRecord> game = reader.parse(line))
            names.insert(game->romName());
    }
    return names;
}

} // namespace catalogue
