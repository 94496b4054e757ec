#include "history/History.h"
#include "support/TestSandbox.h"

#include <QTemporaryDir>
#include <QTest>

using Outcome = history::HistoryResult::Outcome;
Q_DECLARE_METATYPE(Outcome)

namespace {

const QString NoHistory = QStringLiteral("There is no history information for this game.");

// The longer name first, so that a lookup by prefix would stop at the wrong game.
const QByteArray Listing = "game (\n"
                           "\tname galwar2\n"
                           "\tyear 1981\n"
                           "\thistory \"The sequel, sold as a caf\xe9 conversion kit.\"\n"
                           "\tromof galwar\n"
                           "\trom ( name gw2.1 size 4096 crc 0badf00d region cpu1 offs 0 )\n"
                           ")\n"
                           "game (\n"
                           "\tname galwar\n"
                           "\thistory \"\\\"Galactic Warriors\\\" came first.\\n\\nTIPS:\\n- Wait for wave 8.\"\n"
                           "\trom ( name gw.1 size 4096 crc 12345678 region cpu1 offs 0 )\n"
                           ")\n"
                           "game (\n"
                           "\tname plain\n"
                           "\trom ( name p.1 size 4096 crc 12345678 region cpu1 offs 0 )\n"
                           "\thistory \"Belongs to no header.\"\n"
                           ")\n"
                           "game (\n"
                           "\tname romword\n"
                           "\tromof galwar\n"
                           "\thistory \"After the header.\"\n"
                           ")\n"
                           "game (\n"
                           "\tname empty\n"
                           "\thistory \"\"\n"
                           ")\n"
                           "game (\n"
                           "\tname noroms\n"
                           ")\n"
                           "game (\n"
                           "\tname after\n"
                           "\thistory \"Not the story of noroms.\"\n"
                           ")\n"
                           "game (\n"
                           "\tname cutshort\n"
                           "\tdescription \"Listing Ends Here\"";

} // namespace

class TestHistory : public QObject {
    Q_OBJECT

private slots:
    void lookup_data();
    void lookup();
    void missingListing();

private:
    QTemporaryDir m_dir;
};

void TestHistory::lookup_data() {
    QTest::addColumn<QByteArray>("listing");
    QTest::addColumn<QString>("romName");
    QTest::addColumn<Outcome>("outcome");
    QTest::addColumn<QString>("text");

    QByteArray crlf = Listing;
    crlf.replace("\n", "\r\n");
    const std::pair<const char*, QByteArray> flavours[] = {{"LF", Listing}, {"CR LF", crlf}};
    for (const auto& [ends, listing] : flavours) {
        auto row = [&](const char* name) -> QTestData& {
            return QTest::addRow("%s, %s", name, ends) << listing;
        };
        row("escaped quotes and line breaks")
            << "galwar" << Outcome::Found << "\"Galactic Warriors\" came first.TIPS:- Wait for wave 8.";
        row("Latin-1 text, a prefix of its name listed later")
            << "galwar2" << Outcome::Found << "The sequel, sold as a caf\u00e9 conversion kit.";
        row("rom line before the history") << "plain" << Outcome::NoHistory << NoHistory;
        row("word beginning with rom before the history") << "romword" << Outcome::NoHistory << NoHistory;
        row("empty history") << "empty" << Outcome::NoHistory << NoHistory;
        row("block ends without rom line") << "noroms" << Outcome::NoHistory << NoHistory;
        row("listing ends inside the header") << "cutshort" << Outcome::NoHistory << NoHistory;
        row("name differing in case") << "GALWAR" << Outcome::GameNotListed << NoHistory;
        row("prefix of a listed name") << "galwa" << Outcome::GameNotListed << NoHistory;
        row("value of another keyword") << "1981" << Outcome::GameNotListed << NoHistory;
        row("empty name") << "" << Outcome::GameNotListed << NoHistory;
        row("name outside Latin-1") << "galwar\u4e00" << Outcome::GameNotListed << NoHistory;
    }
    QTest::newRow("empty listing") << QByteArray() << "galwar" << Outcome::GameNotListed << NoHistory;
    QTest::newRow("name line is the last line")
        << QByteArray("game (\n\tname galwar") << "galwar" << Outcome::NoHistory << NoHistory;
}

void TestHistory::lookup() {
    QFETCH(QByteArray, listing);
    QFETCH(QString, romName);
    QFETCH(Outcome, outcome);
    QFETCH(QString, text);

    const QString path = m_dir.filePath(QStringLiteral("listinfo.txt"));
    writeFile(path, listing);
    const history::HistoryResult result = history::gameHistory(path, romName);
    QCOMPARE(result.outcome, outcome);
    QCOMPARE(result.text, text);
}

void TestHistory::missingListing() {
    const history::HistoryResult result = history::gameHistory(m_dir.filePath(QStringLiteral("none.txt")), "galwar");
    QCOMPARE(result.outcome, Outcome::ListingMissing);
    QVERIFY(!result.text.isEmpty());
}

QTEST_GUILESS_MAIN(TestHistory)
#include "TestHistory.moc"
