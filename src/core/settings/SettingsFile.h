#pragma once

#include "core/settings/SettingsRecord.h"

// Settings files (raster.cfg, vector.cfg, <rom>.cfg): one record a line, a quoted token and,
// for list settings, a comma and the list position. 37 records for raster, 41 for vector.
namespace settings {

struct ReadResult {
    enum class Outcome {
        Complete,   // every record of the kind was read
        EndedEarly, // the file ended first: the fields not read keep their values
        Unreadable, // a position that is no 16-bit number: description says what
        Missing,    // the file could not be opened; the record is untouched
    } outcome = Outcome::Complete;
    QString description;
};

// Reads the records of the kind into the record, in file order.
ReadResult readSettingsFile(const QString& path, SettingsKind kind, SettingsRecord& record);

// Writes the record in the layout of the kind, replacing the file as a whole. Positions come
// from the record (the panel puts its lists' positions there just before).
bool writeSettingsFile(const QString& path, SettingsKind kind, const SettingsRecord& record);

// The two-line warning for a file that ended early.
QString optionsChangedMessage();

// The files under the settings folder.
QString defaultsFileName(SettingsKind kind); // "raster.cfg" or "vector.cfg"
QString customFileName(const QString& romName);

} // namespace settings
