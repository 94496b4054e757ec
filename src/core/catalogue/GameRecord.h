#pragma once

#include <QSharedData>
#include <QString>

#include <array>

namespace catalogue {

// How well the emulator runs a game or a part of it.
enum class Support : quint8 { Unknown, Good, Imperfect, Preliminary };

// The kinds of control a game's cabinet has, one bit each.
enum Control : quint32 {
    Joystick = 1u << 0, // any joystick
    Joystick2Way = 1u << 1,
    Joystick4Way = 1u << 2,
    Joystick8Way = 1u << 3,
    DoubleJoystick = 1u << 4,
    Trackball = 1u << 5,
    Lightgun = 1u << 6,
    Paddle = 1u << 7,
    Dial = 1u << 8,
    Pedal = 1u << 9,
    Mahjong = 1u << 10,
    Hanafuda = 1u << 11,
    Gambling = 1u << 12,
    Keyboard = 1u << 13,
    Keypad = 1u << 14,
    Mouse = 1u << 15,
    ButtonsOnly = 1u << 16,
    Stick = 1u << 17,
    Positional = 1u << 18,
};

// What today's emulator tells of a game beyond its catalogue line (kept beside the catalogue),
// and what the user's community files add. Unknown numbers are 0.
struct GameFacts {
    bool detailed = false; // the emulator told these (today's -listxml); the classic one does not
    Support emulation = Support::Unknown;
    bool saveState = false;
    bool needsChd = false;
    quint8 players = 0;
    quint8 buttons = 0;
    quint8 screens = 0;
    quint32 controls = 0; // Control bits
    // From catver.ini and nplayers.ini, when the user has them.
    bool mature = false;
    QString genre; // "Shooter / Flying Vertical"

    bool operator==(const GameFacts&) const = default;
};

// A text that recurs from game to game (a year, a status, a maker, a display, an origin), held
// once for the whole program and named by a number. Such texts are never let go: there are some
// thousands of them.
class SharedText {
public:
    SharedText() = default;
    explicit SharedText(const QString& text);
    const QString& text() const;
    bool operator==(const SharedText&) const = default;

private:
    quint32 m_id = 0; // 0: the empty text
};

// One catalogue line and one list row: ten text fields in file and column order, and what the
// code asks of them as values, worked out once when the fields are set (settle()). A record is
// shared, not copied, between the lists that show it: a copy costs a pointer until one of them
// changes it. The fields other than the description and the ROM name are shared texts.
class GameRecord {
public:
    enum Field {
        Description,
        Year,
        DriverStatus,
        ColorStatus,
        SoundStatus,
        Manufacturer,
        VideoType,
        Display,
        Origin,
        RomName,
    };
    static constexpr int FieldCount = 10;

    const QString& operator[](Field field) const { return this->field(field); }
    const QString& field(int column) const {
        return column == Description ? d->description
               : column == RomName   ? d->romName
                                     : d->shared[size_t(column - 1)].text();
    }
    void set(Field field, const QString& text);
    void set(Field field, SharedText text); // not the description or the ROM name
    std::array<QString, FieldCount> fields() const;
    GameFacts& facts() { return d->facts; }
    const GameFacts& facts() const { return d->facts; }

    const QString& description() const { return d->description; }
    const QString& origin() const { return field(Origin); }
    const QString& romName() const { return d->romName; }

    // The typed values, from the fields: "Clone of <parent>" marks a clone, a display ending in
    // "V" stands on its side, "Vector" draws lines, a year is four digits.
    void settle();
    bool isClone() const { return d->clone; }
    QString parentName() const { return d->clone ? origin().mid(9) : QString(); }
    bool isVertical() const { return d->vertical; }
    bool isVector() const { return d->vector; }
    Support driver() const { return d->driver; }
    Support colour() const { return d->colour; }
    Support sound() const { return d->sound; }
    int year() const { return d->year; } // 0 when not known ("198?")

    bool operator==(const GameRecord& other) const {
        return d == other.d || (d->description == other.d->description && d->romName == other.d->romName &&
                                d->shared == other.d->shared && d->facts == other.d->facts);
    }

private:
    struct Data : QSharedData {
        QString description;
        QString romName;
        std::array<SharedText, FieldCount - 2> shared; // the fields between, in order
        GameFacts facts;
        quint16 year = 0;
        Support driver = Support::Unknown;
        Support colour = Support::Unknown;
        Support sound = Support::Unknown;
        bool clone = false;
        bool vertical = false;
        bool vector = false;
    };
    QSharedDataPointer<Data> d{new Data};
};

// A status text ("Good", "Imperfect", "Preliminary") as a value.
Support supportOf(QStringView text);

// Lists of records grow by moving memory, not record by record.
} // namespace catalogue
Q_DECLARE_TYPEINFO(catalogue::GameRecord, Q_RELOCATABLE_TYPE);
namespace catalogue {

// The column headings, in field order.
const std::array<QString, GameRecord::FieldCount>& columnHeadings();

} // namespace catalogue
