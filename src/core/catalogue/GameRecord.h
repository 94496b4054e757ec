#pragma once

#include <QString>

#include <array>

namespace catalogue {

// One catalogue line and one list row: ten text fields in file and column order.
struct GameRecord {
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

    std::array<QString, FieldCount> fields;

    QString& operator[](Field field) { return fields[field]; }
    const QString& operator[](Field field) const { return fields[field]; }

    const QString& description() const { return fields[Description]; }
    const QString& origin() const { return fields[Origin]; }
    const QString& romName() const { return fields[RomName]; }

    // "Clone of <parent>" marks a clone; the parent's ROM name follows from the 10th character.
    bool isClone() const { return origin().startsWith(QLatin1String("Clone of")); }
    QString parentName() const { return origin().mid(9); }

    bool operator==(const GameRecord&) const = default;
};

// Lists of records grow by moving memory, not record by record.
} // namespace catalogue
Q_DECLARE_TYPEINFO(catalogue::GameRecord, Q_RELOCATABLE_TYPE);
namespace catalogue {

// The column headings, in field order.
const std::array<QString, GameRecord::FieldCount>& columnHeadings();

} // namespace catalogue
