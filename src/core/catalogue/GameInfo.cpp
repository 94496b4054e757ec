#include "core/catalogue/GameInfo.h"

#include "core/catalogue/GameRecord.h"
#include "core/catalogue/ListXmlBuild.h"
#include "core/config/AppState.h"
#include "core/exec/Progress.h"
#include "core/io/AtomicFile.h"
#include "core/io/LineReader.h"

#include <QFile>

#include <array>
#include <atomic>
#include <cstring>

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

// Field buffers are reused from game to game, so a listing of tens of thousands of games
// costs no allocation per line.
void setText(QByteArray& field, QByteArrayView text) {
    field.resize(text.size());
    if (!text.isEmpty())
        std::memcpy(field.data(), text.data(), size_t(text.size()));
}

void setWithoutLastCharacter(QByteArray& field, QByteArrayView text) {
    setText(field, text.chopped(text.isEmpty() ? 0 : 1));
}

// The first letter of each word in capitals, the rest in lower case.
void setProperCase(QByteArray& field, QByteArrayView text) {
    setText(field, text);
    for (qsizetype i = 0; i < field.size(); ++i) {
        const bool wordStart = i == 0 || field[i - 1] == ' ';
        const uchar c = uchar(field[i]);
        field[i] = char(wordStart ? QChar::toUpper(c) : QChar::toLower(c));
    }
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

// One quoted, comma-separated line, copied in with one size check instead of an append a piece.
void appendRecord(QByteArray& out, const Fields& fields) {
    qsizetype length = 2 * GameRecord::FieldCount + (GameRecord::FieldCount - 1) + 2;
    for (const QByteArray& field : fields)
        length += field.size();
    const qsizetype start = out.size();
    out.resize(start + length);
    char* at = out.data() + start;
    for (int i = 0; i < GameRecord::FieldCount; ++i) {
        if (i > 0)
            *at++ = ',';
        *at++ = '"';
        std::memcpy(at, fields[i].constData(), size_t(fields[i].size()));
        at += fields[i].size();
        *at++ = '"';
    }
    *at++ = '\r';
    *at = '\n';
}

void readVideo(QByteArrayView line, Fields& record) {
    QByteArray& type = record[GameRecord::VideoType];
    setProperCase(type, mid(line, 17, 6));
    const bool vertical = charAt(line, 36) == 'v';
    QByteArray& display = record[GameRecord::Display];
    if (type == "Raster") {
        const QByteArrayView width = vertical ? mid(line, 47, 3) : mid(line, 49, 3);
        const QByteArrayView height = vertical ? mid(line, 53, 3) : mid(line, 55, 3);
        display.resize(0);
        display.append(width.data(), width.size()).append('x').append(height.data(), height.size());
        display.append(vertical ? "   V" : "   H");
    } else if (type == "Vector") {
        display = vertical ? QByteArrayLiteral("Unknown V") : QByteArrayLiteral("Unknown H");
    }
}

void readDriver(QByteArrayView line, Fields& record) {
    record[GameRecord::DriverStatus] = statusWord(charAt(line, 18), false);
    record[GameRecord::ColorStatus] = statusWord(wordStatusLetter(line, "color"), true);
    record[GameRecord::SoundStatus] = statusWord(wordStatusLetter(line, "sound"), true);
}

bool isKey(QByteArrayView line, const char (&key)[5]) {
    return std::memcmp(line.data() + 1, key, 4) == 0;
}

// One catalogue line per game block that has a driver line, written as the block's driver
// line is read. Fields other than the origin carry over to the next block when it lacks them.
int extractGames(io::LineReader& listing, io::AtomicFile& catalogue) {
    static const QByteArray Original = QByteArrayLiteral("Original");
    Fields record;
    record[GameRecord::Origin] = Original;
    bool write = false;
    int games = 0;
    QByteArray out;
    out.reserve(1 << 21);
    QByteArrayView line;
    while (listing.next(line)) {
        // The key is characters 2 to 5; shorter lines have none, and most lines (the ROM
        // lists) are told apart by their first letter.
        if (line.size() < 5)
            continue;
        switch (line[1]) {
        case 'n':
            if (isKey(line, "name")) {
                setText(record[GameRecord::RomName], mid(line, 7));
                write = record[GameRecord::RomName] != "neogeo"; // the Neo-Geo system, not a game
            }
            break;
        case 'd':
            if (isKey(line, "desc")) {
                setWithoutLastCharacter(record[GameRecord::Description], mid(line, 15));
            } else if (isKey(line, "driv")) {
                readDriver(line, record);
                if (write) {
                    appendRecord(out, record);
                    ++games;
                    if (out.size() > (1 << 20)) {
                        catalogue.write(out);
                        out.resize(0);
                    }
                }
                record[GameRecord::Origin] = Original;
            }
            break;
        case 'y':
            if (isKey(line, "year"))
                setText(record[GameRecord::Year], mid(line, 7));
            break;
        case 'm':
            if (isKey(line, "manu"))
                setWithoutLastCharacter(record[GameRecord::Manufacturer], mid(line, 16));
            break;
        case 'c':
            if (isKey(line, "clon")) {
                QByteArray& origin = record[GameRecord::Origin];
                const QByteArrayView parent = mid(line, 10);
                origin = QByteArrayLiteral("Clone of ");
                origin.append(parent.data(), parent.size());
            }
            break;
        case 'v':
            if (isKey(line, "vide"))
                readVideo(line, record);
            break;
        default:
            break;
        }
    }
    catalogue.write(out);
    return games;
}

} // namespace

Extraction createGameInfo(const QString& listingPath, const QString& cataloguePath, exec::Progress& progress) {
    progress.setMessage(QStringLiteral("Creating gameinfo.txt..."));
    Extraction result;
    io::LineReader listing(listingPath);
    const bool hadCatalogue = QFile::exists(cataloguePath);
    io::AtomicFile catalogue(cataloguePath);
    if (catalogue.open()) {
        if (listing.isOpen())
            result.games = extractGames(listing, catalogue);
        result.outcome = !listing.isOpen()   ? Extraction::Outcome::ListingUnreadable
                         : result.games == 0 ? Extraction::Outcome::NoGames
                                             : Extraction::Outcome::Written;
        // With no catalogue yet, an empty one lets the lists load (empty) instead of failing.
        if ((result.games > 0 || !hadCatalogue) && !catalogue.commit())
            result.outcome = Extraction::Outcome::CatalogueUnwritable;
    } else {
        result.outcome = Extraction::Outcome::CatalogueUnwritable;
    }
    progress.setMessage(QString());
    return result;
}

QString extractionProblem(const Extraction& extraction) {
    const QString kept = QStringLiteral("  The game list was not updated.");
    switch (extraction.outcome) {
    case Extraction::Outcome::ListingUnreadable:
        return QStringLiteral("Cannot read listinfo.txt.") + kept;
    case Extraction::Outcome::NoGames:
        return QStringLiteral("M.A.M.E. listed no games.") + kept;
    case Extraction::Outcome::CatalogueUnwritable:
        return QStringLiteral("Cannot write gameinfo.txt.") + kept;
    case Extraction::Outcome::UnknownEmulator:
        return QStringLiteral("The program in the M.A.M.E. directory does not answer as M.A.M.E. does (it says \"") +
               extraction.detail + QStringLiteral("\").") + kept;
    case Extraction::Outcome::EmulatorFailed:
        return QStringLiteral("M.A.M.E. stopped before it had listed all its games (") + extraction.detail +
               QStringLiteral(").") + kept;
    case Extraction::Outcome::BadDocument:
        return QStringLiteral("M.A.M.E.'s list of games cannot be read at ") + extraction.detail + u'.' + kept;
    case Extraction::Outcome::Cancelled:
        return extraction.firstBuild ? QStringLiteral("You cancelled the game list.  The game list was not built.")
                                     : QStringLiteral("You cancelled the game list.") + kept;
    case Extraction::Outcome::Written:
        break;
    }
    return QString();
}

namespace {

int countLines(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return 0;
    int lines = 0;
    QByteArray block(1 << 16, Qt::Uninitialized);
    for (qint64 got; (got = file.read(block.data(), block.size())) > 0;)
        lines += int(QByteArrayView(block.constData(), got).count('\n'));
    return lines;
}

// Which emulator answers: its banner says. A program that could not be started says nothing,
// and the interface stays as it was.
std::optional<QString> findInterface(exec::CommandRunner& runner, exec::Emulator& emulator, exec::RunResult& run) {
    struct Banner final : exec::RunObserver {
        QByteArray text;
        void output(QByteArrayView data) override {
            if (text.size() < (1 << 16))
                text += data;
        }
    } answer;
    run = runner.run(emulator.banner(), &answer);
    const QByteArray& banner = answer.text;
    if (run.status != exec::RunResult::Status::Finished)
        return std::nullopt;
    if (const std::optional<exec::Interface> interface = exec::interfaceFromHelp(banner)) {
        emulator.setInterface(*interface);
        return std::nullopt;
    }
    return QString::fromLatin1(banner.trimmed().split('\n').value(0).trimmed().left(80));
}

} // namespace

CatalogueBuild buildCatalogue(exec::CommandRunner& runner, exec::Emulator& emulator, const config::AppState& state,
                              exec::Progress& progress, int shards) {
    CatalogueBuild build;
    progress.setMessage(QStringLiteral("Creating listinfo.txt..."));
    if (const std::optional<QString> stranger = findInterface(runner, emulator, build.run)) {
        build.extraction = {Extraction::Outcome::UnknownEmulator, 0, *stranger};
        return build;
    }
    if (build.run.status == exec::RunResult::Status::NoDirectory ||
        build.run.status == exec::RunResult::Status::DriveFault)
        return build;
    // The former catalogue's size is what this one will roughly hold.
    const bool firstBuild = !QFile::exists(state.cataloguePath());
    progress.setTotal(firstBuild ? 0 : countLines(state.cataloguePath()));
    progress.setCancellable(true);
    if (emulator.listingFormat() == exec::ListingFormat::ListXml) {
        build.extraction = importListXml(runner, emulator, state, progress, build.run, build.info,
                                         shards > 0 ? shards : defaultShards());
    } else {
        exec::ProgressObserver reading(progress, [](QByteArrayView line) { return line.startsWith("game ("); });
        build.run = runner.run(emulator.listing(), &reading);
        progress.setCancellable(false);
        if (build.run.status == exec::RunResult::Status::Cancelled) {
            build.extraction.outcome = Extraction::Outcome::Cancelled;
        } else if (const std::optional<QString> failure = listingFailure(build.run, false)) {
            // Half a listing would make a catalogue with games missing.
            build.extraction = {Extraction::Outcome::EmulatorFailed, 0, *failure};
        } else if (build.run.status != exec::RunResult::Status::NoDirectory) {
            build.extraction = createGameInfo(state.listingPath(), state.cataloguePath(), progress);
            // A classic catalogue needs nothing beside it.
            if (build.extraction.outcome == Extraction::Outcome::Written) {
                QFile::remove(state.catalogueInfoPath());
                QFile::remove(state.gameFactsPath());
            }
        }
    }
    progress.setCancellable(false);
    build.extraction.firstBuild = firstBuild;
    if (build.extraction.outcome == Extraction::Outcome::Written)
        emulator.setRomless(build.info.romless);
    return build;
}

} // namespace catalogue
