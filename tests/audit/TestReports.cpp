#include "audit/Reports.h"

#include <QTest>

class TestReports : public QObject {
    Q_OBJECT

private slots:
    void moveSummary_data();
    void moveSummary();
    void findCyclesThroughBadSets_data();
    void findCyclesThroughBadSets();
    void findToleratesStalePositions_data();
    void findToleratesStalePositions();
};

namespace {
const QString Error = QStringLiteral("There was an error in the MoveSummary procedure.");
const QString Finished = QStringLiteral("Finished searching report.");
const QString NoneFound = QStringLiteral("No bad sets found.");
} // namespace

void TestReports::moveSummary_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("romSetReport");
    QTest::addColumn<QString>("expected");

    const QString s = QStringLiteral("3 romsets found, 1 were OK.");
    QTest::newRow("body and summary") << "romset a is bad\r\n" + s + "\r\n"
                                      << true << s + "\r\n\r\nromset a is bad\r\n\r\nEnd of report.\r\n";
    QTest::newRow("summary without a line end")
        << "romset a is bad\r\n" + s << true << s + "\r\n\r\nromset a is bad\r\n\r\nEnd of report.";
    QTest::newRow("lines after the summary stay after it")
        << "B\r\n" + s + "\r\nafter\r\n"
        << true << s + "\r\n\r\nB\r\n\r\nEnd of report.\r\nafter\r\n";
    QTest::newRow("summary as the first line") << s + "\r\nB\r\n" << true << s + "\r\n\r\n\r\nEnd of report.\r\nB\r\n";
    QTest::newRow("key in capitals") << QString("B\r\n2 ROMSETS FOUND, 2 were OK.\r\n") << true
                                     << QString("2 ROMSETS FOUND, 2 were OK.\r\n\r\nB\r\n\r\nEnd of report.\r\n");
    QTest::newRow("samples report")
        << QString("sampleset x is bad\r\n4 samplesets found, 3 were OK.\r\n") << false
        << QString("4 samplesets found, 3 were OK.\r\n\r\nsampleset x is bad\r\n\r\nEnd of report.\r\n");
    QTest::newRow("key at the first character is not seen")
        << QString("romsets found, 0 were OK.\r\n") << true << Error;
    QTest::newRow("key at the first character, another later")
        << QString("romsets found here\r\nB\r\n" + s + "\r\n") << true
        << s + "\r\n\r\nromsets found here\r\nB\r\n\r\nEnd of report.\r\n";
    QTest::newRow("no summary") << QString("romset a is bad\r\n") << true << Error;
    QTest::newRow("empty report") << QString() << true << Error;
    QTest::newRow("ROM key in a samples report") << "B\r\n" + s + "\r\n" << false << Error;
}

void TestReports::moveSummary() {
    QFETCH(QString, text);
    QFETCH(bool, romSetReport);
    QFETCH(QString, expected);
    QCOMPARE(audit::MoveSummary(text, romSetReport), expected);
}

void TestReports::findCyclesThroughBadSets_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("romSetReport");
    QTest::addColumn<QStringList>("clicks"); // the selected text, or the message shown

    QTest::newRow("no bad set") << QString("romset a is good\r\n1 romsets found, 1 were OK.\r\n") << true
                                << QStringList{NoneFound, NoneFound};
    QTest::newRow("one bad set") << QString("romset a is good\r\nromset b is bad\r\n2 romsets found, 1 were OK.\r\n")
                                 << true << QStringList{"romset b is bad", Finished, "romset b is bad"};
    QTest::newRow("two bad sets among ROM lines")
        << QString("a.1      : a.1             4096 bytes 00000000 NOT FOUND\r\nromset a is bad\r\n"
                   "b.1      : b.1             4096 bytes 1234abcd INCORRECT LENGTH\r\nromset b [a] is bad\r\n"
                   "3 romsets found, 1 were OK.\r\n")
        << true << QStringList{"romset a is bad", "romset b [a] is bad", Finished, "romset a is bad"};
    QTest::newRow("letter case ignored") << QString("x\r\nROMSET A IS BAD\r\nRomSet B Is Bad\r\n") << true
                                         << QStringList{"ROMSET A IS BAD", "RomSet B Is Bad", Finished};
    QTest::newRow("samples report") << QString("sampleset x is bad\r\nsampleset y is good\r\nsampleset z is bad\r\n")
                                    << false << QStringList{"sampleset x is bad", "sampleset z is bad", Finished};
    QTest::newRow("sample lines in a ROM report start at the line")
        << QString("romset a is good\r\nsampleset x is bad\r\n") << true << QStringList{"sampleset x is bad", Finished};
    QTest::newRow("bad line without set word") << QString("romset a is good\r\nsomething is bad\r\nromset c is bad\r\n")
                                               << true << QStringList{"something is bad", "romset c is bad", Finished};
    QTest::newRow("last line without line end")
        << QString("romset a is bad\r\nromset b is bad") << true
        << QStringList{"romset a is bad", "romset b is bad", Finished, "romset a is bad"};
}

void TestReports::findCyclesThroughBadSets() {
    QFETCH(QString, text);
    QFETCH(bool, romSetReport);
    QFETCH(QStringList, clicks);

    qsizetype findPosition = 0;
    for (qsizetype click = 0; click < clicks.size(); ++click) {
        const audit::FindResult result = audit::findBadSet(text, findPosition, romSetReport);
        if (result.found) {
            const audit::BadSet set = *result.found;
            QVERIFY(0 <= set.start && set.start <= set.end && set.end <= text.size());
            QVERIFY(result.message.isEmpty());
            QCOMPARE(text.sliced(set.start, set.end - set.start), clicks[click]);
            // The next search continues at this line's end: its CR LF, or the end of the text.
            QCOMPARE(result.nextPosition, set.end);
            QVERIFY(result.nextPosition == text.size() || text.sliced(result.nextPosition).startsWith("\r\n"));
        } else {
            QCOMPARE(result.message, clicks[click]);
            QCOMPARE(result.nextPosition, 0);
        }
        findPosition = result.nextPosition;
    }
}

void TestReports::findToleratesStalePositions_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<qsizetype>("findPosition");
    QTest::addColumn<QString>("message");

    const QString report = QStringLiteral("romset a is bad\r\n");
    QTest::newRow("at the end") << report << report.size() << Finished;
    QTest::newRow("past the end") << report << report.size() + 50 << Finished;
    QTest::newRow("empty text, first search") << QString() << qsizetype(0) << NoneFound;
}

// The panel's text may have changed since the last search (another report shown).
void TestReports::findToleratesStalePositions() {
    QFETCH(QString, text);
    QFETCH(qsizetype, findPosition);
    QFETCH(QString, message);
    const audit::FindResult result = audit::findBadSet(text, findPosition, true);
    QVERIFY(!result.found);
    QCOMPARE(result.message, message);
    QCOMPARE(result.nextPosition, 0);
}

QTEST_GUILESS_MAIN(TestReports)
#include "TestReports.moc"
