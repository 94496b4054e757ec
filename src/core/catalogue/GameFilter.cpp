#include "core/catalogue/GameFilter.h"

#include <algorithm>

namespace catalogue {
namespace {

void appendFolded(QByteArray& out, QStringView text) {
    // Nearly all catalogue text is ASCII: lower-cased here, a byte a letter.
    const qsizetype start = out.size();
    out.resize(start + text.size());
    char* folded = out.data() + start;
    for (QChar c : text) {
        const char16_t u = c.unicode();
        if (u >= 0x80) {
            out.truncate(start);
            // Compatibility decomposition splits "é" into "e" and its accent, and spells "ﬁ" as "fi".
            QString plain = text.toString().normalized(QString::NormalizationForm_KD);
            plain.removeIf([](QChar each) { return each.isMark(); });
            out.append(plain.toCaseFolded().toUtf8());
            return;
        }
        *folded++ = char(u >= u'A' && u <= u'Z' ? u + 32 : u);
    }
}

} // namespace

SearchWords searchWords(QStringView typed) {
    QByteArray folded;
    appendFolded(folded, typed);
    SearchWords words = folded.simplified().split(' ');
    words.removeAll(QByteArray());
    return words;
}

namespace {

constexpr GameRecord::Field Searched[] = {GameRecord::Description, GameRecord::RomName, GameRecord::Manufacturer,
                                          GameRecord::Year};

} // namespace

qsizetype searchTextSize(const GameRecord& game) {
    qsizetype length = 0;
    for (GameRecord::Field field : Searched)
        length += game[field].size() + 1;
    return length;
}

void appendSearchText(QByteArray& texts, const GameRecord& game) {
    // Nearly always plain ASCII: made room for once and lower-cased in place.
    const qsizetype length = searchTextSize(game);
    const qsizetype start = texts.size();
    texts.resize(start + length);
    char* out = texts.data() + start;
    for (GameRecord::Field field : Searched) {
        for (const QChar c : game[field]) {
            const char16_t u = c.unicode();
            if (u >= 0x80) { // accents and the like: the careful way, for the whole text
                texts.truncate(start);
                for (GameRecord::Field each : Searched) {
                    appendFolded(texts, game[each]);
                    texts.append('\n');
                }
                return;
            }
            *out++ = char(u >= u'A' && u <= u'Z' ? u + 32 : u);
        }
        *out++ = '\n';
    }
}

bool matches(QByteArrayView text, const SearchWords& words) {
    return std::all_of(words.cbegin(), words.cend(), [text](const QByteArray& word) { return text.contains(word); });
}

bool narrows(const SearchWords& words, const SearchWords& previous) {
    return std::all_of(previous.cbegin(), previous.cend(), [&words](const QByteArray& old) {
        return std::any_of(words.cbegin(), words.cend(), [&old](const QByteArray& word) { return word.contains(old); });
    });
}

} // namespace catalogue
