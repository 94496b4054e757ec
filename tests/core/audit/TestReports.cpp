#include "core/audit/Reports.h"
#include "support/TableRows.h"

namespace {
const QString Error = QStringLiteral("There was an error in the MoveSummary procedure.");
const QString Finished = QStringLiteral("Finished searching report.");
const QString NoneFound = QStringLiteral("No bad sets found.");

QString lines(const QString& text) {
    return QString::fromLatin1(crlf(text.toLatin1()));
}
} // namespace

class TestReports : public QObject {
    Q_OBJECT
private slots:
    void moveSummary_data() {
        columns<QString, bool, QString>({"text", "romSetReport", "expected"});
        const QString s = QStringLiteral("3 romsets found, 1 were OK.");
        row("body and summary", "romset a is bad|" + s + "|", true, s + "||romset a is bad||End of report.|");
        row("summary without a line end", "romset a is bad|" + s, true, s + "||romset a is bad||End of report.");
        row("lines after the summary stay after it", "B|" + s + "|after|", true, s + "||B||End of report.|after|");
        row("summary as the first line", s + "|B|", true, s + "|||End of report.|B|");
        row("capitals", "B|2 ROMSETS FOUND, 2 were OK.|", true, "2 ROMSETS FOUND, 2 were OK.||B||End of report.|");
        row("samples report", "sampleset x is bad|4 samplesets found, 3 were OK.|", false,
            "4 samplesets found, 3 were OK.||sampleset x is bad||End of report.|");
        row("key at the first character is not seen", "romsets found, 0 were OK.|", true, Error);
        row("key at the first character, another later", "romsets found here|B|" + s + "|", true,
            s + "||romsets found here|B||End of report.|");
        row("no summary", "romset a is bad|", true, Error);
        row("empty report", "", true, Error);
        row("ROM key in a samples report", "B|" + s + "|", false, Error);
    }
    void moveSummary() {
        QCOMPARE(audit::moveSummary(lines(cell<QString>("text")), cell<bool>("romSetReport")),
                 lines(cell<QString>("expected")));
    }
    // Each click, the first from a position, selects a bad set's line or shows a message (F: the
    // search is finished, N: no bad set found); the clicks are joined by "|".
    void findCyclesThroughBadSets_data() {
        columns<QString, bool, int, QString>({"text", "romSetReport", "start", "clicks"});
        row("no bad set", "romset a is good|1 romsets found, 1 were OK.|", true, 0, "N|N");
        row("one bad set", "romset a is good|romset b is bad|2 romsets found, 1 were OK.|", true, 0,
            "romset b is bad|F|romset b is bad");
        row("two bad sets among ROM lines",
            "a.1      : a.1             4096 bytes 00000000 NOT FOUND|romset a is bad|"
            "b.1      : b.1             4096 bytes 1234abcd INCORRECT LENGTH|romset b [a] is bad|"
            "3 romsets found, 1 were OK.|",
            true, 0, "romset a is bad|romset b [a] is bad|F|romset a is bad");
        row("letter case ignored", "x|ROMSET A IS BAD|RomSet B Is Bad|", true, 0, "ROMSET A IS BAD|RomSet B Is Bad|F");
        row("samples report", "sampleset x is bad|sampleset y is good|sampleset z is bad|", false, 0,
            "sampleset x is bad|sampleset z is bad|F");
        row("sample line in a ROM report", "romset a is good|sampleset x is bad|", true, 0, "sampleset x is bad|F");
        row("bad line without set word", "romset a is good|something is bad|romset c is bad|", true, 0,
            "something is bad|romset c is bad|F");
        row("last line without line end", "romset a is bad|romset b is bad", true, 0,
            "romset a is bad|romset b is bad|F|romset a is bad");
        // The panel's text may have changed since the last search (another report shown).
        row("from the end", "romset a is bad|", true, 17, "F|romset a is bad");
        row("from past the end", "romset a is bad|", true, 67, "F");
        row("empty text", "", true, 0, "N");
    }
    void findCyclesThroughBadSets() {
        const QString text = lines(cell<QString>("text"));
        qsizetype findPosition = cell<int>("start");
        for (const QString& click : cell<QString>("clicks").split(u'|')) {
            const audit::FindResult result = audit::findBadSet(text, findPosition, cell<bool>("romSetReport"));
            const auto [start, end] = result.found.value_or(audit::BadSet{0, 0});
            QCOMPARE(result.found ? text.mid(start, end - start) : result.message, click == u"F"   ? Finished
                                                                                   : click == u"N" ? NoneFound
                                                                                                   : click);
            QCOMPARE(result.message.isEmpty(), result.found.has_value());
            // The next search continues at the line's end, its CR LF or the end of the text; or from the top.
            QCOMPARE(result.nextPosition, end);
            QVERIFY(!result.found || end == text.size() || text.mid(end, 2) == u"\r\n");
            findPosition = result.nextPosition;
        }
    }
};

QTEST_GUILESS_MAIN(TestReports)
#include "TestReports.moc"
