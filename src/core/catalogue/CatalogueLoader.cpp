#include "core/catalogue/CatalogueLoader.h"

#include "core/exec/Progress.h"
#include "core/io/LineReader.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>

#ifndef Q_OS_WIN
#include <dirent.h>
#endif

namespace catalogue {
namespace {

const QString NeoGeoBoundary = QStringLiteral("NAM-1975");

bool isBlank(char c) {
    return c == ' ' || c == '\t';
}

QString latin1(QByteArrayView bytes) {
    return QString::fromLatin1(bytes);
}

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
    const ArchiveIndex retro(needRetro ? settings.romPath : QString());
    const ArchiveIndex neo(needNeo ? settings.neoRomPath : QString());

    io::LineReader file(settings.cataloguePath);
    RecordReader reader;
    // About a hundred bytes a game: room for them all at once instead of growing step by step.
    const qsizetype expected = QFileInfo(settings.cataloguePath).size() / 100;
    lists.all.reserve(expected);
    bool started = !rules.fromBoundary;
    QByteArrayView line;
    while (file.next(line)) {
        std::optional<GameRecord> game = reader.parse(line);
        if (!game) {
            lists.damaged = true;
            continue;
        }
        const bool boundary = game->description() == NeoGeoBoundary;
        if (rules.toBoundary && boundary)
            break;
        started = started || boundary;
        if (!started)
            continue;
        if (rules.skipTestEntries && (game->romName() == u"sentetst" || game->romName() == u"sfzch"))
            continue;
        if (settings.hideClones && game->isClone())
            continue;
        const bool installed =
            (needRetro && retro.contains(game->romName())) || (needNeo && neo.contains(game->romName()));
        (installed ? lists.installed : lists.uninstalled).append(*game);
        lists.all.append(std::move(*game));
        // Often enough to see the count rise, seldom enough to cost nothing.
        if (lists.all.size() % 256 == 0)
            progress.setCount(int(lists.all.size()));
    }
    progress.setCount(int(lists.all.size()));
    lists.damaged = lists.damaged || file.lastLineUnterminated();
    return lists;
}

} // namespace

ArchiveIndex::ArchiveIndex(const QString& directory) {
    if (directory.isNull())
        return;
    const QString path = directory.isEmpty() ? QStringLiteral(".") : directory;
#ifdef Q_OS_WIN
    QDirIterator it(path, {QStringLiteral("*.zip")}, QDir::Files | QDir::Hidden);
    while (it.hasNext()) {
        QString name = it.nextFileInfo().fileName();
        name.chop(4);
        m_names.insert(name.toLower());
    }
#else
    // One pass over the directory entries; only links and unknown types need a closer look.
    DIR* folder = ::opendir(QFile::encodeName(path).constData());
    if (!folder)
        return;
    while (const dirent* entry = ::readdir(folder)) {
        const QByteArrayView name(entry->d_name);
        if (!name.endsWith(".zip") || name.size() <= 4)
            continue;
        if (entry->d_type != DT_REG && !QFileInfo(QDir(path).filePath(QFile::decodeName(entry->d_name))).isFile())
            continue;
        m_names.insert(QFile::decodeName(name.chopped(4).toByteArray()));
    }
    ::closedir(folder);
#endif
}

bool ArchiveIndex::contains(const QString& romName) const {
#ifdef Q_OS_WIN
    return m_names.contains(romName.toLower());
#else
    return m_names.contains(romName);
#endif
}

QString RecordReader::shared(QByteArrayView text) {
    // A raw-data key looks the text up without copying it.
    const QByteArray key = QByteArray::fromRawData(text.data(), text.size());
    const auto found = m_texts.constFind(key);
    if (found != m_texts.cend())
        return *found;
    return *m_texts.insert(QByteArray(text.data(), text.size()), QString::fromLatin1(text));
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
        if (pos < size && line[pos] == '"') {
            const qsizetype close = line.indexOf('"', pos + 1);
            if (close < 0)
                return std::nullopt;
            text = line.sliced(pos + 1, close - pos - 1);
            // Anything between the closing quote and the comma is not part of the field.
            end = line.indexOf(',', close + 1);
        } else {
            end = line.indexOf(',', pos);
            text = line.sliced(pos, (end < 0 ? size : end) - pos);
            while (!text.isEmpty() && isBlank(text.back()))
                text.chop(1);
        }
        const bool unique = i == GameRecord::Description || i == GameRecord::RomName;
        record.fields[i] = unique ? latin1(text) : shared(text);
        const bool last = i == GameRecord::FieldCount - 1;
        if (last != (end < 0))
            return std::nullopt;
        pos = end + 1;
    }
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

} // namespace catalogue
