#include "core/audit/Reports.h"

namespace audit {
namespace {

const QString LineEnd = QStringLiteral("\r\n");

// Just after the last CR LF that ends before the position, or 0 on the first line.
qsizetype lineStart(const QString& text, qsizetype position) {
    if (position < 2)
        return 0;
    const qsizetype lineEnd = text.lastIndexOf(LineEnd, position - 2);
    return lineEnd < 0 ? 0 : lineEnd + LineEnd.size();
}

// The first CR LF at or after the position; a last line without one runs to the end.
qsizetype lineEnd(const QString& text, qsizetype position) {
    const qsizetype found = text.indexOf(LineEnd, position);
    return found < 0 ? text.size() : found;
}

} // namespace

QString moveSummary(const QString& text, bool romSetReport, bool keepUnsummarised) {
    const QString key = romSetReport ? QStringLiteral("romsets found") : QStringLiteral("samplesets found");
    // The search starts at index 1; a real summary starts with its count, so it is never missed.
    const qsizetype found = text.indexOf(key, 1, Qt::CaseInsensitive);
    if (found < 0 && keepUnsummarised && !text.trimmed().isEmpty())
        return text;
    if (found < 0)
        return QStringLiteral("There was an error in the MoveSummary procedure.");

    const qsizetype start = lineStart(text, found);
    const qsizetype end = lineEnd(text, found);
    const QString summary = text.sliced(start, end - start);
    QString moved = text;
    moved.replace(start, end - start, LineEnd + QStringLiteral("End of report."));
    return summary + LineEnd + LineEnd + moved;
}

FindResult findBadSet(const QString& text, qsizetype findPosition, bool romSetReport) {
    // A negative position (never handed out) would count from the end in Qt's searches.
    const qsizetype from = findPosition > 0 ? findPosition : 1;
    const qsizetype found = text.indexOf(QStringLiteral(" is bad"), from, Qt::CaseInsensitive);
    if (found < 0) {
        const QString message =
            findPosition > 0 ? QStringLiteral("Finished searching report.") : QStringLiteral("No bad sets found.");
        return {std::nullopt, 0, message};
    }

    // The set word of this line only: a line without one is selected whole rather than
    // reaching back into the line of an earlier set.
    const QString setWord = romSetReport ? QStringLiteral("romset") : QStringLiteral("sampleset");
    const qsizetype start = lineStart(text, found);
    const qsizetype wordAt =
        found >= setWord.size() ? text.lastIndexOf(setWord, found - setWord.size(), Qt::CaseInsensitive) : -1;
    const qsizetype end = lineEnd(text, found);
    return {BadSet{wordAt >= start ? wordAt : start, end}, end, QString()};
}

const ReportText& reportText(exec::Report report) {
    static const ReportText texts[] = {
        {QStringLiteral("Verify All ROMs"), QStringLiteral("View ROMs Report"), QStringLiteral("ROMs"), true},
        {QStringLiteral("Verify All Samples"), QStringLiteral("View Samples Report"), QStringLiteral("Samples"), false},
        {QStringLiteral("Verify All Sets"), QStringLiteral("View Sets Report"), QStringLiteral("Sets"), true},
    };
    return texts[int(report)];
}

QString missingReportMessage(exec::Report report) {
    return QStringLiteral("Cannot find ") + reportText(report).name +
           QStringLiteral(" report.  You can create one from the Reports pull-down menu above.");
}

} // namespace audit
