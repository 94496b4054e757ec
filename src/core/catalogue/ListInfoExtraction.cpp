#include "core/catalogue/ListInfoExtraction.h"

#include "core/catalogue/GameRecord.h"
#include "core/exec/Progress.h"
#include "core/io/AtomicFile.h"

#include <QFile>
#include <QFileInfo>

#include <array>
#include <cstring>
#include <string>

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

// A game's fields, most of them views into the listing as read. A field that is composed
// (proper case, a display size, a clone's origin) is held in the record itself; so is every
// field before the block of the file it points into is replaced, since fields carry over to
// the next game when it lacks them.
class Record {
public:
    void set(int field, QByteArrayView text) { m_fields[size_t(field)] = text; }
    QByteArrayView operator[](int field) const { return m_fields[size_t(field)]; }
    // The field's own buffer, to compose into; then commit(field).
    std::string& buffer(int field) { return m_owned[size_t(field)]; }
    void commit(int field) { m_fields[size_t(field)] = QByteArrayView(m_owned[size_t(field)]); }
    void holdAll() {
        for (int i = 0; i < GameRecord::FieldCount; ++i) {
            if (m_fields[size_t(i)].data() != m_owned[size_t(i)].data()) {
                m_owned[size_t(i)].assign(m_fields[size_t(i)].data(), size_t(m_fields[size_t(i)].size()));
                commit(i);
            }
        }
    }

    // One quoted, comma-separated line, copied in with one size check instead of an append a piece.
    void appendTo(QByteArray& out) const {
        qsizetype length = 2 * GameRecord::FieldCount + (GameRecord::FieldCount - 1) + 2;
        for (QByteArrayView field : m_fields)
            length += field.size();
        const qsizetype start = out.size();
        out.resize(start + length);
        char* at = out.data() + start;
        for (int i = 0; i < GameRecord::FieldCount; ++i) {
            if (i > 0)
                *at++ = ',';
            *at++ = '"';
            const QByteArrayView field = m_fields[size_t(i)];
            if (!field.isEmpty())
                std::memcpy(at, field.data(), size_t(field.size()));
            at += field.size();
            *at++ = '"';
        }
        *at++ = '\r';
        *at = '\n';
    }

private:
    std::array<QByteArrayView, GameRecord::FieldCount> m_fields;
    std::array<std::string, GameRecord::FieldCount> m_owned;
};

QByteArrayView withoutLastCharacter(QByteArrayView text) {
    return text.chopped(text.isEmpty() ? 0 : 1);
}

char lower(char c) {
    return c >= 'A' && c <= 'Z' ? char(c + ('a' - 'A')) : c;
}
char upper(char c) {
    return c >= 'a' && c <= 'z' ? char(c - ('a' - 'A')) : c;
}

// The first letter of each word in capitals, the rest in lower case (Latin-1 letters too).
void setProperCase(Record& record, int field, QByteArrayView text) {
    std::string& cased = record.buffer(field);
    cased.assign(text.data(), size_t(text.size()));
    for (size_t i = 0; i < cased.size(); ++i) {
        const bool wordStart = i == 0 || cased[i - 1] == ' ';
        const char c = cased[i];
        if (uchar(c) < 0x80)
            cased[i] = wordStart ? upper(c) : lower(c);
        else
            cased[i] = char(wordStart ? QChar::toUpper(uchar(c)) : QChar::toLower(uchar(c)));
    }
    record.commit(field);
}

QByteArrayView statusWord(char letter, bool imperfectKnown) {
    switch (letter) {
    case 'g':
        return "Good";
    case 'p':
        return "Preliminary";
    case 'i':
        return imperfectKnown ? "Imperfect" : "";
    default:
        return "";
    }
}

// Where word first stands in line from position from (counted from 0); -1 when it does not.
// Driver lines are short: a plain scan beats a general search's set-up.
qsizetype find(QByteArrayView line, QByteArrayView word, qsizetype from) {
    for (qsizetype i = from; i + word.size() <= line.size(); ++i) {
        if (line[i] == word[0] && std::memcmp(line.data() + i, word.data(), size_t(word.size())) == 0)
            return i;
    }
    return -1;
}

// The status letter after "color" or "sound": six positions on from the word's start. Without
// the word the search yields 0, and so the letter at position 6 of the line.
char wordStatusLetter(QByteArrayView line, QByteArrayView word) {
    const qsizetype found = line.size() >= 18 ? find(line, word, 17) : -1;
    return charAt(line, found + 1 + 6);
}

void readVideo(QByteArrayView line, Record& record) {
    setProperCase(record, GameRecord::VideoType, mid(line, 17, 6));
    const QByteArrayView type = record[GameRecord::VideoType];
    const bool vertical = charAt(line, 36) == 'v';
    if (type == "Raster") {
        const QByteArrayView width = vertical ? mid(line, 47, 3) : mid(line, 49, 3);
        const QByteArrayView height = vertical ? mid(line, 53, 3) : mid(line, 55, 3);
        std::string& display = record.buffer(GameRecord::Display);
        display.assign(width.data(), size_t(width.size()));
        display += 'x';
        display.append(height.data(), size_t(height.size()));
        display += vertical ? "   V" : "   H";
        record.commit(GameRecord::Display);
    } else if (type == "Vector") {
        record.set(GameRecord::Display, vertical ? "Unknown V" : "Unknown H");
    }
}

void readDriver(QByteArrayView line, Record& record) {
    record.set(GameRecord::DriverStatus, statusWord(charAt(line, 18), false));
    record.set(GameRecord::ColorStatus, statusWord(wordStatusLetter(line, "color"), true));
    record.set(GameRecord::SoundStatus, statusWord(wordStatusLetter(line, "sound"), true));
}

bool isKey(QByteArrayView line, const char (&key)[5]) {
    return std::memcmp(line.data() + 1, key, 4) == 0;
}

// One catalogue line per game block that has a driver line, written as the block's driver
// line is read. Fields other than the origin carry over to the next block when it lacks them.
class Extractor {
public:
    explicit Extractor(io::AtomicFile& catalogue)
        : m_catalogue(catalogue) {
        m_record.set(GameRecord::Origin, Original);
        m_out.reserve(1 << 21);
    }

    void read(QByteArrayView line) {
        // The key is characters 2 to 5; shorter lines have none, and most lines (the ROM
        // lists) are told apart by their first letter, here, before any call.
        if (line.size() >= 5 && line[1] != 'r')
            readKeyed(line);
    }

    // The block of the listing the fields point into is about to change.
    void holdFields() { m_record.holdAll(); }

    int finish() {
        m_catalogue.write(m_out);
        return m_games;
    }

private:
    Q_NEVER_INLINE void readKeyed(QByteArrayView line) {
        switch (line[1]) {
        case 'n':
            if (isKey(line, "name")) {
                m_record.set(GameRecord::RomName, mid(line, 7));
                m_write = m_record[GameRecord::RomName] != "neogeo"; // the Neo-Geo system, not a game
            }
            break;
        case 'd':
            if (isKey(line, "desc")) {
                m_record.set(GameRecord::Description, withoutLastCharacter(mid(line, 15)));
            } else if (isKey(line, "driv")) {
                readDriver(line, m_record);
                if (m_write) {
                    m_record.appendTo(m_out);
                    ++m_games;
                    if (m_out.size() > (1 << 20)) {
                        m_catalogue.write(m_out);
                        m_out.resize(0);
                    }
                }
                m_record.set(GameRecord::Origin, Original);
            }
            break;
        case 'y':
            if (isKey(line, "year"))
                m_record.set(GameRecord::Year, mid(line, 7));
            break;
        case 'm':
            if (isKey(line, "manu"))
                m_record.set(GameRecord::Manufacturer, withoutLastCharacter(mid(line, 16)));
            break;
        case 'c':
            if (isKey(line, "clon")) {
                const QByteArrayView parent = mid(line, 10);
                std::string& origin = m_record.buffer(GameRecord::Origin);
                origin = "Clone of ";
                origin.append(parent.data(), size_t(parent.size()));
                m_record.commit(GameRecord::Origin);
            }
            break;
        case 'v':
            if (isKey(line, "vide"))
                readVideo(line, m_record);
            break;
        default:
            break;
        }
    }

    static constexpr QByteArrayView Original = "Original";
    io::AtomicFile& m_catalogue;
    Record m_record;
    bool m_write = false;
    int m_games = 0;
    QByteArray m_out;
};

// The listing's lines, without their CR LF or LF, read a large block at a time. Lines are
// split here rather than by io::LineReader so that the fields of a game can stay views into
// the block until it is replaced.
int extractGames(QFile& listing, io::AtomicFile& catalogue) {
    constexpr qsizetype BlockSize = 1 << 20;
    Extractor extractor(catalogue);
    QByteArray block;
    qsizetype position = 0;
    const auto take = [&](const char* begin, qsizetype length) {
        if (length > 0 && begin[length - 1] == '\r')
            --length;
        extractor.read(QByteArrayView(begin, length));
    };
    for (;;) {
        extractor.holdFields();
        block.remove(0, position); // the unfinished line, with the next block after it
        position = 0;
        const qsizetype kept = block.size();
        block.resize(kept + BlockSize);
        const qint64 got = listing.read(block.data() + kept, BlockSize);
        block.resize(kept + qMax<qint64>(got, 0));
        if (got <= 0)
            break;
        const char* data = block.constData();
        const qsizetype size = block.size();
        while (const void* newline = std::memchr(data + position, '\n', size_t(size - position))) {
            const qsizetype end = static_cast<const char*>(newline) - data;
            take(data + position, end - position);
            position = end + 1;
        }
    }
    if (position < block.size()) // a last line without a line end
        take(block.constData() + position, block.size() - position);
    return extractor.finish();
}

} // namespace

Extraction createGameInfo(const QString& listingPath, const QString& cataloguePath, exec::Progress& progress) {
    progress.setMessage(QStringLiteral("Creating gameinfo.txt..."));
    Extraction result;
    // A named pipe or a device would block or never end: only regular files are read.
    QFile listing(listingPath);
    if (QFileInfo(listingPath).isFile())
        (void)listing.open(QIODevice::ReadOnly);
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

} // namespace catalogue
