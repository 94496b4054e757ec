#pragma once

#include "core/exec/Emulator.h"

#include <QString>

#include <optional>

// The whole-collection reports as shown in the text panel. Both work on the panel's text with
// CR LF line ends; every index below counts characters of that text from 0.
namespace audit {

// Moves the report's summary line ("N romsets found, M were OK.") to the top and closes the
// body with "End of report." in its place. A ROMs or Sets report looks for "romsets found", a
// Samples report for "samplesets found". Without a summary the result is a one-sentence error, or
// with keepUnsummarised the report as the emulator wrote it, when it wrote anything.
QString moveSummary(const QString& text, bool romSetReport, bool keepUnsummarised = false);

struct BadSet {
    qsizetype start;
    qsizetype end; // one past the last selected character
};

struct FindResult {
    std::optional<BadSet> found;
    qsizetype nextPosition; // where the next search starts; 0 starts over from the top
    QString message;        // to show when nothing was found, empty otherwise
};

// Finds the next " is bad" line from findPosition (0: from the top, the first search) and
// selects it from its set word ("romset" or "sampleset") to the end of the line.
FindResult findBadSet(const QString& text, qsizetype findPosition, bool romSetReport);

// How a report is named to the user.
struct ReportText {
    QString createCaption; // the panel's caption while it is made: "Verify All ROMs"
    QString viewCaption;   // and while it is viewed: "View ROMs Report"
    QString name;          // in messages: "ROMs"
    bool romSets;          // counts rom sets (ROMs, Sets) rather than sample sets
};
const ReportText& reportText(exec::Report report);

// The message for a report asked to be viewed that has not been made.
QString missingReportMessage(exec::Report report);

} // namespace audit
