// catver.ini and nplayers.ini read from any file: keys and genres stay on one line, player counts
// are counts, and Windows line ends read the same.
#include "FuzzSupport.h"

#include "core/catalogue/CommunityLists.h"

namespace {

bool blank(QChar c) {
    return c == u' ' || c == u'\t' || c == u'\r' || c == u'\n' || c == u'\v' || c == u'\f';
}

bool oneLine(const QString& text) {
    return !text.contains(u'\n') && !text.contains(u'\r');
}

bool trimmed(const QString& text) {
    return text.isEmpty() || (!blank(text.front()) && !blank(text.back()));
}

bool goodKey(const QString& key) {
    return !key.isEmpty() && !key.contains(u'=') && oneLine(key) && trimmed(key) && key == key.toLower();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QByteArrayView input = fuzz::bytes(data, size);
    const QHash<QString, catalogue::CommunityLists::Genre> genres = catalogue::readCatver(input);
    const QHash<QString, int> players = catalogue::readNPlayers(input);

    const bool marked = input.toByteArray().toLower().contains("* mature *");
    for (auto it = genres.cbegin(); it != genres.cend(); ++it) {
        fuzz::expect(goodKey(it.key()), "a genre's key is a lower-case name on one line");
        fuzz::expect(oneLine(it->genre) && trimmed(it->genre), "a genre is one line without blanks around it");
        fuzz::expect(!it->genre.isEmpty() || it->mature, "a genre names something");
        fuzz::expect(!it->mature || marked, "only the mark makes a game mature");
        fuzz::expect(!it->genre.contains(QLatin1String("* mature *"), Qt::CaseInsensitive),
                     "the mark is not part of the genre");
    }
    for (auto it = players.cbegin(); it != players.cend(); ++it) {
        fuzz::expect(goodKey(it.key()), "a player count's key is a lower-case name on one line");
        fuzz::expect(*it >= 1 && *it <= 999, "a player count is a count");
    }

    QByteArray crlf = input.toByteArray();
    crlf.replace("\n", "\r\n");
    fuzz::expect(catalogue::readNPlayers(crlf) == players, "CR LF line ends give the same player counts");
    const QHash<QString, catalogue::CommunityLists::Genre> again = catalogue::readCatver(crlf);
    fuzz::expect(again.size() == genres.size(), "CR LF line ends give as many genres");
    for (auto it = genres.cbegin(); it != genres.cend(); ++it) {
        const auto found = again.constFind(it.key());
        fuzz::expect(found != again.cend() && found->genre == it->genre && found->mature == it->mature,
                     "CR LF line ends give the same genres");
    }
    return 0;
}
