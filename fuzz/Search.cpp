// A game list's search: the catalogue's games (after the first line) searched for the first
// line, typed a key at a time, the list sorted by a column the input picks. Each search shows
// exactly the games whose folded text holds every word and no unwanted one.
#include "FuzzSupport.h"

#include "core/catalogue/CatalogueLoader.h"
#include "core/catalogue/GameFilter.h"
#include "core/catalogue/GameListModel.h"

#include <QHash>

#include <algorithm>

namespace {

bool holds(QByteArrayView text, const catalogue::SearchWords& words) {
    return std::any_of(words.cbegin(), words.cend(), [text](const QByteArray& word) { return text.contains(word); });
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QList<QByteArrayView> parts = fuzz::parts(fuzz::bytes(data, size), '\n', 2);
    const QString typed = QString::fromUtf8(parts[0]);
    QList<catalogue::GameRecord> games;
    catalogue::RecordReader reader;
    for (const QByteArray& line : parts[1].toByteArray().split('\n'))
        if (std::optional<catalogue::GameRecord> game = reader.parse(line))
            games << *game;

    catalogue::GameListModel model;
    model.setGames(games);
    const size_t hash = qHash(parts[1]);
    model.sort(int(hash % catalogue::GameListModel::ColumnCount), hash & 64 ? Qt::DescendingOrder : Qt::AscendingOrder);
    for (qsizetype keys = 1; keys <= typed.size(); ++keys) {
        const QStringView text = QStringView(typed).first(keys);
        model.search(text);
        const catalogue::SearchQuery query = catalogue::parseSearch(text, {});
        if (!query.terms.isEmpty())
            continue;
        qsizetype shown = 0;
        for (int row = 0; row < model.count(); ++row) {
            QByteArray folded;
            catalogue::appendSearchText(folded, model.game(row));
            const bool found = std::all_of(query.words.cbegin(), query.words.cend(),
                                           [&](const QByteArray& word) { return folded.contains(word); }) &&
                               !holds(folded, query.unwanted);
            fuzz::expect(found == (model.shownRow(row) >= 0), "a game is shown when its text holds the words");
            shown += found;
        }
        fuzz::expect(shown == model.rowCount(), "only those games are shown");
    }
    return 0;
}
