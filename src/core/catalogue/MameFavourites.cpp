#include "core/catalogue/MameFavourites.h"

namespace catalogue {
namespace {

constexpr int EntryLines = 16;

QByteArray oneLine(const QString& text) {
    return text.toUtf8().replace('\n', ' ').replace('\r', ' ');
}

} // namespace

QString MameFavourite::machine() const {
    return lines.size() == EntryLines && lines[11].trimmed() == "1" ? QString::fromUtf8(lines[7]) : QString();
}

MameFavourite mameFavourite(const GameRecord& game) {
    // A machine's entry, as the emulator writes one: no software part, list or parent.
    const QByteArray name = oneLine(game.romName());
    return {{name, oneLine(game.description()), QByteArray(), oneLine(game[GameRecord::Year]),
             oneLine(game[GameRecord::Manufacturer]), "0", QByteArray(), name, QByteArray(), QByteArray(), QByteArray(),
             "1", QByteArray(), QByteArray(), QByteArray(), "0"}};
}

QByteArray mameFavouritesFile(const QList<MameFavourite>& entries) {
    QByteArray out = "[ROOT_FOLDER]\n[Favorite]\n\n";
    for (const MameFavourite& entry : entries) {
        for (const QByteArray& line : entry.lines)
            out += line + '\n';
    }
    return out;
}

std::optional<QList<MameFavourite>> readMameFavourites(QByteArrayView bytes) {
    QList<QByteArray> lines = bytes.toByteArray().split('\n');
    // Every CR before the LF: a file converted twice ends its lines in CR CR LF, and a CR kept
    // would be lost on the next save.
    for (QByteArray& line : lines) {
        while (line.endsWith('\r'))
            line.chop(1);
    }
    if (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast();
    // The emulator reads past the section lines and the line after them.
    qsizetype at = 0;
    while (at < lines.size() && lines[at].startsWith('['))
        ++at;
    if (at == 0)
        return std::nullopt;
    if (at < lines.size() && lines[at].isEmpty())
        ++at;
    if ((lines.size() - at) % EntryLines != 0)
        return std::nullopt;
    QList<MameFavourite> entries;
    for (; at < lines.size(); at += EntryLines)
        entries.append({lines.mid(at, EntryLines)});
    return entries;
}

} // namespace catalogue
