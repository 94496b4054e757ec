#include "catalogue/GameInfo.h"

#include "app/LineScanner.h"
#include "catalogue/GameRecord.h"
#include "catalogue/Progress.h"
#include "exec/CommandRunner.h"
#include "exec/MameCommands.h"

#include <QFile>
#include <QSaveFile>

#include <array>

namespace catalogue {
namespace {

// The listing is read at fixed character positions, counted from 1 as the emulator's lines
// are laid out: a tab, the keyword, a blank, the value. Positions past the end give empty text.
QByteArrayView mid(QByteArrayView line, qsizetype position, qsizetype length = -1) {
    const qsizetype start = position - 1;
    if (start >= line.size())
        return {};
    const qsizetype available = line.size() - start;
    return line.sliced(start, length < 0 ? available : qMin(length, available));
}

char charAt(QByteArrayView line, qsizetype position) {
    return position >= 1 && position <= line.size() ? line[position - 1] : '\0';
}

QByteArray withoutLastCharacter(QByteArrayView text) {
    return text.chopped(text.isEmpty() ? 0 : 1).toByteArray();
}

// The first letter of each word in capitals, the rest in lower case.
QByteArray properCase(QByteArrayView text) {
    QByteArray result = text.toByteArray().toLower();
    for (qsizetype i = 0; i < result.size(); ++i) {
        if (i == 0 || result[i - 1] == ' ')
            result[i] = char(QChar::toUpper(uchar(result[i])));
    }
    return result;
}

QByteArray statusWord(char letter, bool imperfectKnown) {
    switch (letter) {
    case 'g':
        return QByteArrayLiteral("Good");
    case 'p':
        return QByteArrayLiteral("Preliminary");
    case 'i':
        return imperfectKnown ? QByteArrayLiteral("Imperfect") : QByteArray();
    default:
        return QByteArray();
    }
}

// The status letter after "color" or "sound": six positions on from the word's start. Without
// the word the search yields 0, and so the letter at position 6 of the line.
char wordStatusLetter(QByteArrayView line, QByteArrayView word) {
    const qsizetype found = line.size() >= 18 ? line.indexOf(word, 17) : -1;
    return charAt(line, found + 1 + 6);
}

using Fields = std::array<QByteArray, GameRecord::FieldCount>;

void appendRecord(QByteArray& out, const Fields& fields) {
    for (int i = 0; i < GameRecord::FieldCount; ++i) {
        if (i > 0)
            out += ',';
        out += '"';
        out += fields[i];
        out += '"';
    }
    out += "\r\n";
}

void readVideo(QByteArrayView line, Fields& record) {
    record[GameRecord::VideoType] = properCase(mid(line, 17, 6));
    const bool vertical = charAt(line, 36) == 'v';
    if (record[GameRecord::VideoType] == "Raster") {
        record[GameRecord::Display] =
            vertical ? mid(line, 47, 3).toByteArray() + 'x' + mid(line, 53, 3).toByteArray() + "   V"
                     : mid(line, 49, 3).toByteArray() + 'x' + mid(line, 55, 3).toByteArray() + "   H";
    } else if (record[GameRecord::VideoType] == "Vector") {
        record[GameRecord::Display] = vertical ? QByteArrayLiteral("Unknown V") : QByteArrayLiteral("Unknown H");
    }
}

void readDriver(QByteArrayView line, Fields& record) {
    record[GameRecord::DriverStatus] = statusWord(charAt(line, 18), false);
    record[GameRecord::ColorStatus] = statusWord(wordStatusLetter(line, "color"), true);
    record[GameRecord::SoundStatus] = statusWord(wordStatusLetter(line, "sound"), true);
}

// One catalogue line per game block that has a driver line, written as the block's driver
// line is read. Fields other than the origin carry over to the next block when it lacks them.
int extractGames(app::LineScanner& listing, QSaveFile& catalogue) {
    Fields record;
    record[GameRecord::Origin] = QByteArrayLiteral("Original");
    bool write = false;
    int games = 0;
    QByteArray out;
    QByteArrayView line;
    while (listing.next(line)) {
        const QByteArrayView key = mid(line, 2, 4);
        if (key == "name") {
            record[GameRecord::RomName] = mid(line, 7).toByteArray();
            write = record[GameRecord::RomName] != "neogeo"; // the Neo-Geo system, not a game
        } else if (key == "desc") {
            record[GameRecord::Description] = withoutLastCharacter(mid(line, 15));
        } else if (key == "year") {
            record[GameRecord::Year] = mid(line, 7).toByteArray();
        } else if (key == "manu") {
            record[GameRecord::Manufacturer] = withoutLastCharacter(mid(line, 16));
        } else if (key == "clon") {
            record[GameRecord::Origin] = "Clone of " + mid(line, 10).toByteArray();
        } else if (key == "vide") {
            readVideo(line, record);
        } else if (key == "driv") {
            readDriver(line, record);
            if (write) {
                appendRecord(out, record);
                ++games;
                if (out.size() > (1 << 20)) {
                    catalogue.write(out);
                    out.clear();
                }
            }
            record[GameRecord::Origin] = QByteArrayLiteral("Original");
        }
    }
    catalogue.write(out);
    return games;
}

} // namespace

exec::RunResult CreateListInfo(exec::CommandRunner& runner, const exec::MameCommands& commands, Progress& progress) {
    progress.setMessage(QStringLiteral("Creating listinfo.txt..."));
    return runner.ExecCmd(commands.listInfo());
}

Extraction CreateGameInfo(const QString& listInfoPath, const QString& gameInfoPath, Progress& progress) {
    progress.setMessage(QStringLiteral("Creating gameinfo.txt..."));
    Extraction result;
    app::LineScanner listing(listInfoPath);
    const bool hadCatalogue = QFile::exists(gameInfoPath);
    QSaveFile catalogue(gameInfoPath);
    if (catalogue.open(QIODevice::WriteOnly)) {
        if (listing.isOpen())
            result.games = extractGames(listing, catalogue);
        result.outcome = !listing.isOpen()   ? Extraction::Outcome::ListingUnreadable
                         : result.games == 0 ? Extraction::Outcome::NoGames
                                             : Extraction::Outcome::Written;
        // With no catalogue yet, an empty one lets the lists load (empty) instead of failing.
        if (result.games > 0 || !hadCatalogue)
            catalogue.commit();
    } else {
        result.outcome = Extraction::Outcome::CatalogueUnwritable;
    }
    progress.setMessage(QString());
    return result;
}

QString extractionProblem(const Extraction& extraction) {
    switch (extraction.outcome) {
    case Extraction::Outcome::ListingUnreadable:
        return QStringLiteral("Cannot read listinfo.txt.  The game list was not updated.");
    case Extraction::Outcome::NoGames:
        return QStringLiteral("M.A.M.E. listed no games.  The game list was not updated.");
    case Extraction::Outcome::CatalogueUnwritable:
        return QStringLiteral("Cannot write gameinfo.txt.  The game list was not updated.");
    case Extraction::Outcome::Written:
        break;
    }
    return QString();
}

} // namespace catalogue
