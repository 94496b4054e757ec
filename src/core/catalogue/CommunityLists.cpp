#include "core/catalogue/CommunityLists.h"

#include <QDir>
#include <QFileInfo>

#include <algorithm>

namespace catalogue {
namespace {

// Calls take(key, value) for each "key=value" line of the named section, both trimmed.
template <typename Take> void forEachEntry(QByteArrayView bytes, QByteArrayView section, Take&& take) {
    bool inSection = false;
    qsizetype from = 0;
    while (from < bytes.size()) {
        // A lone CR ends a line too (old Mac files), so that no key or genre holds one.
        const qsizetype end =
            std::find_if(bytes.begin() + from, bytes.end(), [](char c) { return c == '\n' || c == '\r'; }) -
            bytes.begin();
        const QByteArrayView line = bytes.sliced(from, end - from).trimmed();
        from = end + 1;
        if (line.isEmpty() || line.startsWith(';'))
            continue;
        if (line.startsWith('[')) {
            const qsizetype close = line.indexOf(']');
            inSection = close > 1 && line.sliced(1, close - 1).trimmed().compare(section, Qt::CaseInsensitive) == 0;
            continue;
        }
        const qsizetype equals = line.indexOf('=');
        if (!inSection || equals <= 0)
            continue;
        take(line.first(equals).trimmed(), line.sliced(equals + 1).trimmed());
    }
}

} // namespace

QHash<QString, CommunityLists::Genre> readCatver(QByteArrayView bytes) {
    QHash<QString, CommunityLists::Genre> genres;
    QHash<QString, QString> shared; // a few hundred genres for tens of thousands of games
    forEachEntry(bytes, "Category", [&](QByteArrayView key, QByteArrayView value) {
        CommunityLists::Genre entry;
        QString genre = QString::fromUtf8(value);
        const qsizetype mark = genre.indexOf(QLatin1String("* Mature *"), 0, Qt::CaseInsensitive);
        if (mark >= 0) {
            entry.mature = true;
            genre = genre.left(mark).trimmed();
        }
        if (genre.isEmpty() && !entry.mature)
            return;
        auto found = shared.constFind(genre);
        if (found == shared.cend())
            found = shared.insert(genre, genre);
        entry.genre = *found;
        genres.insert(QString::fromUtf8(key).toLower(), entry);
    });
    return genres;
}

QHash<QString, int> readNPlayers(QByteArrayView bytes) {
    QHash<QString, int> players;
    forEachEntry(bytes, "NPlayers", [&](QByteArrayView key, QByteArrayView value) {
        // "4P alt / 2P sim": the largest number in front of a "P".
        int most = 0;
        for (qsizetype at = value.indexOf('P'); at > 0; at = value.indexOf('P', at + 1)) {
            qsizetype start = at;
            while (start > 0 && value[start - 1] >= '0' && value[start - 1] <= '9')
                --start;
            if (start < at && at - start <= 3)
                most = std::max(most, value.sliced(start, at - start).toByteArray().toInt());
        }
        if (most > 0)
            players.insert(QString::fromUtf8(key).toLower(), most);
    });
    return players;
}

QString findListFile(const QString& name, const QStringList& folders) {
    for (const QString& folder : folders) {
        const QString path = QDir(folder).filePath(name);
        if (!folder.isEmpty() && QFileInfo(path).isFile())
            return path;
    }
    return QString();
}

} // namespace catalogue
