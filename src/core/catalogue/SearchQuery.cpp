#include "core/catalogue/SearchQuery.h"

#include "core/catalogue/GameFactsFile.h"

#include <QLocale>

#include <algorithm>
#include <limits>

namespace catalogue {
namespace {

using Kind = SearchTerm::Kind;

struct Switch {
    const char* word;
    Kind kind;
};

constexpr Switch Switches[] = {
    {"working", Kind::Working},
    {"imperfect", Kind::Imperfect},
    {"broken", Kind::Broken},
    {"parent", Kind::Parent},
    {"clone", Kind::Clone},
    {"vertical", Kind::Vertical},
    {"horizontal", Kind::Horizontal},
    {"vector", Kind::Vector},
    {"favourite", Kind::Favourite},
    {"favorite", Kind::Favourite},
    {"played", Kind::Played},
    {"installed", Kind::Installed},
    {"chd", Kind::Chd},
    {"mature", Kind::Mature},
};

// The typed text split at blanks; a double-quoted stretch ("data east") keeps its blanks.
QStringList tokens(QStringView typed) {
    QStringList out;
    QString current;
    bool quoted = false;
    bool any = false;
    for (QChar c : typed) {
        if (c == u'"') {
            quoted = !quoted;
            any = true;
        } else if (!quoted && c.isSpace()) {
            if (any)
                out << current;
            current.clear();
            any = false;
        } else {
            current += c;
            any = true;
        }
    }
    if (any)
        out << current;
    return out;
}

QByteArray foldedText(QStringView text) {
    const SearchWords words = searchWords(text);
    return words.join(' ');
}

// "2" (at least, or exactly where exact), "=2", "<=3", "<3", ">=2", ">2", "1980-1985".
bool readRange(QStringView value, bool atLeast, int* low, int* high) {
    const QLocale c = QLocale::c();
    bool ok = false;
    const int most = std::numeric_limits<int>::max();
    const auto number = [&](QStringView text) {
        return c.toInt(text, &ok);
    };
    if (value.startsWith(u"<=")) {
        *low = 0;
        *high = number(value.sliced(2));
    } else if (value.startsWith(u">=")) {
        *low = number(value.sliced(2));
        *high = most;
    } else if (value.startsWith(u'<')) {
        *low = 0;
        *high = number(value.sliced(1)) - 1;
    } else if (value.startsWith(u'>')) {
        *low = number(value.sliced(1)) + 1;
        *high = most;
    } else if (value.startsWith(u'=')) {
        *low = *high = number(value.sliced(1));
    } else if (const qsizetype dash = value.indexOf(u'-'); dash > 0) {
        *low = number(value.first(dash));
        if (ok)
            *high = number(value.sliced(dash + 1));
    } else {
        *low = number(value);
        *high = atLeast ? most : *low;
    }
    return ok && *low >= 0 && *low <= *high;
}

std::optional<Support> supportWord(QStringView value) {
    if (value == u"good")
        return Support::Good;
    if (value == u"imperfect")
        return Support::Imperfect;
    if (value == u"preliminary" || value == u"broken")
        return Support::Preliminary;
    return std::nullopt;
}

// The term a token stands for; problem says why there is none.
std::optional<SearchTerm> readTerm(const QString& key, const QString& value, const SearchAbilities& abilities,
                                   QString* problem) {
    const QString written = key + u':';
    SearchTerm term;
    const auto unknownValue = [&] {
        *problem = QStringLiteral("Unknown filter: %1%2").arg(written, value);
        return std::nullopt;
    };
    if (key == u"is") {
        const auto found = std::find_if(std::begin(Switches), std::end(Switches),
                                        [&](const Switch& each) { return value == QLatin1String(each.word); });
        if (found == std::end(Switches))
            return unknownValue();
        term.kind = found->kind;
        if (term.kind == Kind::Chd && !abilities.details) {
            *problem = QStringLiteral("is:chd is not known for this emulator");
            return std::nullopt;
        }
        if (term.kind == Kind::Mature && !abilities.genres) {
            *problem = QStringLiteral("is:mature is not known without catver.ini");
            return std::nullopt;
        }
        return term;
    }
    if (key == u"players" || key == u"buttons" || key == u"year") {
        term.kind = key == u"players" ? Kind::Players : key == u"buttons" ? Kind::Buttons : Kind::Year;
        const bool known =
            term.kind == Kind::Year || abilities.details || (term.kind == Kind::Players && abilities.players);
        if (!known) {
            *problem = QStringLiteral("%1 is not known for this emulator").arg(written);
            return std::nullopt;
        }
        if (!readRange(value, term.kind != Kind::Year, &term.low, &term.high)) {
            *problem = QStringLiteral("Cannot read the filter: %1%2").arg(written, value);
            return std::nullopt;
        }
        return term;
    }
    if (key == u"control") {
        if (!abilities.details) {
            *problem = QStringLiteral("control: is not known for this emulator");
            return std::nullopt;
        }
        term.kind = Kind::Control;
        term.controls = controlOf(value);
        if (!term.controls)
            return unknownValue();
        return term;
    }
    if (key == u"maker" || key == u"genre") {
        term.kind = key == u"maker" ? Kind::Maker : Kind::Genre;
        if (term.kind == Kind::Genre && !abilities.genres) {
            *problem = QStringLiteral("genre: is not known without catver.ini");
            return std::nullopt;
        }
        term.text = foldedText(value);
        return term;
    }
    if (key == u"colour" || key == u"color" || key == u"sound") {
        term.kind = key == u"sound" ? Kind::Sound : Kind::Colour;
        const std::optional<Support> support = supportWord(value);
        if (!support)
            return unknownValue();
        term.support = *support;
        return term;
    }
    *problem = QStringLiteral("Unknown filter: %1").arg(written);
    return std::nullopt;
}

bool isKey(QStringView text) {
    return !text.isEmpty() && std::all_of(text.begin(), text.end(), [](QChar c) { return c >= u'a' && c <= u'z'; });
}

bool inRange(int value, const SearchTerm& term) {
    return value >= term.low && value <= term.high;
}

bool meets(const GameRecord& game, QByteArrayView searchText, QByteArrayView genre, const SearchTerm& term,
           const GameMarks* marks) {
    switch (term.kind) {
    case Kind::Working:
        return game.driver() == Support::Good;
    case Kind::Imperfect:
        return game.driver() == Support::Imperfect;
    case Kind::Broken:
        return game.driver() == Support::Preliminary;
    case Kind::Parent:
        return !game.isClone();
    case Kind::Clone:
        return game.isClone();
    case Kind::Vertical:
        return game.isVertical();
    case Kind::Horizontal:
        return !game.isVertical() && !game[GameRecord::Display].isEmpty();
    case Kind::Vector:
        return game.isVector();
    case Kind::Favourite:
        return marks && marks->isFavourite(game.romName());
    case Kind::Played:
        return marks && marks->plays(game.romName()).count > 0;
    case Kind::Installed:
        return marks && marks->isInstalled(game.romName());
    case Kind::Chd:
        return game.facts().needsChd;
    case Kind::Mature:
        return game.facts().mature;
    case Kind::Players:
        return game.facts().players > 0 && inRange(game.facts().players, term);
    case Kind::Buttons:
        return game.facts().detailed && inRange(game.facts().buttons, term);
    case Kind::Control:
        return (game.facts().controls & term.controls) == term.controls;
    case Kind::Year:
        return game.year() > 0 && inRange(game.year(), term);
    case Kind::Maker: {
        // Description, ROM name, maker, year: the third line.
        qsizetype start = searchText.indexOf('\n');
        start = start < 0 ? -1 : searchText.indexOf('\n', start + 1);
        if (start < 0)
            return false;
        const qsizetype end = searchText.indexOf('\n', start + 1);
        return searchText.sliced(start + 1, (end < 0 ? searchText.size() : end) - start - 1).contains(term.text);
    }
    case Kind::Genre:
        return genre.contains(term.text);
    case Kind::Colour:
        return game.colour() == term.support;
    case Kind::Sound:
        return game.sound() == term.support;
    }
    return false;
}

} // namespace

SearchQuery parseSearch(QStringView typed, const SearchAbilities& abilities) {
    SearchQuery query;
    QStringList plain;
    QStringList unwanted;
    for (QString token : tokens(typed)) {
        const bool negated = token.size() > 1 && token.startsWith(u'-');
        if (negated)
            token.remove(0, 1);
        const qsizetype colon = token.indexOf(u':');
        const QString key = colon > 0 ? token.first(colon).toLower() : QString();
        if (colon > 0 && isKey(key)) {
            const QString value = token.sliced(colon + 1).toLower();
            if (value.isEmpty())
                continue; // still being typed
            QString problem;
            if (std::optional<SearchTerm> term = readTerm(key, value, abilities, &problem)) {
                term->negated = negated;
                query.terms.append(*term);
            } else if (query.problem.isEmpty()) {
                query.problem = problem;
            }
            continue;
        }
        (negated ? unwanted : plain) << token;
    }
    query.words = searchWords(plain.join(u' '));
    query.unwanted = searchWords(unwanted.join(u' '));
    return query;
}

bool narrows(const SearchQuery& query, const SearchQuery& previous) {
    return query.terms == previous.terms && query.unwanted == previous.unwanted && narrows(query.words, previous.words);
}

bool meetsTerms(const GameRecord& game, QByteArrayView searchText, QByteArrayView genre, const QList<SearchTerm>& terms,
                const GameMarks* marks) {
    return std::all_of(terms.cbegin(), terms.cend(), [&](const SearchTerm& term) {
        return meets(game, searchText, genre, term, marks) != term.negated;
    });
}

const QList<CommonTerm>& commonTerms() {
    static const QList<CommonTerm> terms = {
        {QStringLiteral("is:working"), QStringLiteral("Working")},
        {QStringLiteral("-is:clone"), QStringLiteral("No Clones")},
        {QStringLiteral("is:favourite"), QStringLiteral("Favourites")},
        {QStringLiteral("is:played"), QStringLiteral("Played")},
        {QStringLiteral("is:installed"), QStringLiteral("Installed")},
        {QStringLiteral("is:vertical"), QStringLiteral("Vertical Screen")},
        {QStringLiteral("is:horizontal"), QStringLiteral("Horizontal Screen")},
        {QStringLiteral("is:vector"), QStringLiteral("Vector")},
        {QStringLiteral("players:2"), QStringLiteral("Two Players Or More")},
        {QStringLiteral("control:trackball"), QStringLiteral("Trackball")},
        {QStringLiteral("control:lightgun"), QStringLiteral("Light Gun")},
        {QStringLiteral("-control:mahjong"), QStringLiteral("No Mahjong")},
        {QStringLiteral("-is:mature"), QStringLiteral("No Mature Games")},
        {QStringLiteral("year:1980-1989"), QStringLiteral("The 1980s")},
    };
    return terms;
}

} // namespace catalogue
