#include "core/history/History.h"

#include "core/io/LineReader.h"

namespace history {
namespace {

using Outcome = HistoryResult::Outcome;

// The listing's lines are a tab, a keyword and a blank, then the value: "\tname pacman",
// "\thistory \"...\"", "\trom ( name ... )". Positions below count from 0.
bool isNameLine(QByteArrayView line, QByteArrayView romName) {
    // The keyword is checked too, so that a ROM name like "1981" never meets a year line.
    return line.size() == 6 + romName.size() && line.sliced(1, 5) == "name " && line.sliced(6) == romName;
}

bool isHistoryLine(QByteArrayView line) {
    return line.size() >= 8 && line.sliced(1, 7) == "history";
}

// Also "romof": either way the game's header is over.
bool isRomLine(QByteArrayView line) {
    return line.size() >= 4 && line.sliced(1, 3) == "rom";
}

// The closing parenthesis of the game's block: a game without ROMs must not borrow the
// history of the game that follows it.
bool isBlockEnd(QByteArrayView line) {
    return line.startsWith(')');
}

// The quoted value from its 11th character without the closing quote; escaped line breaks
// vanish and the other escapes lose their backslash, so the text reads as one paragraph.
QString historyText(QByteArrayView line) {
    QByteArrayView quoted = line.size() > 10 ? line.sliced(10) : QByteArrayView();
    QString text = QString::fromLatin1(quoted.chopped(quoted.isEmpty() ? 0 : 1));
    text.remove(QStringLiteral("\\n"));
    text.remove(u'\\');
    return text;
}

} // namespace

QString noHistoryText() {
    return QStringLiteral("There is no history information for this game.");
}

HistoryResult gameHistory(const QString& listInfoPath, const QString& romName) {
    io::LineReader listing(listInfoPath);
    if (!listing.isOpen())
        return {Outcome::ListingMissing,
                QStringLiteral("Cannot find the history database.  Refresh the Game List to create it.")};

    // The listing is single-byte text; a name with other characters cannot be in it.
    const QByteArray name = romName.toLatin1();
    const bool representable = !romName.isEmpty() && QString::fromLatin1(name) == romName;
    QByteArrayView line;
    bool listed = false;
    while (representable && listing.next(line)) {
        if (isNameLine(line, name)) {
            listed = true;
            break;
        }
    }
    if (!listed)
        return {Outcome::GameNotListed, noHistoryText()};

    while (listing.next(line)) {
        if (isRomLine(line) || isBlockEnd(line))
            break;
        if (isHistoryLine(line)) {
            QString text = historyText(line);
            if (text.isEmpty())
                break;
            return {Outcome::Found, text};
        }
    }
    // Also a listing cut short inside the game's header.
    return {Outcome::NoHistory, noHistoryText()};
}

} // namespace history
