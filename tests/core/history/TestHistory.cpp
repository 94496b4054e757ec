#include "core/history/History.h"
#include "support/TableRows.h"

using Outcome = history::HistoryResult::Outcome;

namespace {
const QString NoHistory = QStringLiteral("There is no history information for this game.");

// The longer name first, so that a lookup by prefix would stop at the wrong game.
const QByteArray Listing =
    "game (\n\tname galwar2\n\tyear 1981\n\thistory \"The sequel, sold as a caf\xe9 conversion kit.\"\n\tromof galwar\n"
    "\trom ( name gw2.1 size 4096 crc 0badf00d region cpu1 offs 0 )\n)\ngame (\n\tname galwar\n"
    "\thistory \"\\\"Galactic Warriors\\\" came first.\\n\\nTIPS:\\n- Wait for wave 8.\"\n"
    "\trom ( name gw.1 size 4096 crc 12345678 region cpu1 offs 0 )\n)\ngame (\n\tname plain\n"
    "\trom ( name p.1 size 4096 crc 12345678 region cpu1 offs 0 )\n\thistory \"Belongs to no header.\"\n)\n"
    "game (\n\tname romword\n\tromof galwar\n\thistory \"After the header.\"\n)\ngame (\n\tname empty\n"
    "\thistory \"\"\n)\ngame (\n\tname noroms\n)\ngame (\n\tname after\n\thistory \"Not the story of noroms.\"\n)\n"
    "game (\n\tname cutshort\n\tdescription \"Listing Ends Here\"";
} // namespace

class TestHistory : public QObject {
    Q_OBJECT
    QTemporaryDir m_dir;
private slots:
    void lookup_data() {
        columns<QByteArray, QString, Outcome, QString>({"listing", "romName", "outcome", "text"});
        const QByteArray crlf = QByteArray(Listing).replace("\n", "\r\n");
        for (const auto& [ends, listing] : {std::pair{"LF", Listing}, {"CR LF", crlf}}) {
            const auto add = [&](const char* name, const QString& rom, Outcome outcome, const QString& text) {
                QTest::addRow("%s, %s", name, ends) << listing << rom << outcome << text;
            };
            add("escaped quotes and line breaks", "galwar", Outcome::Found,
                "\"Galactic Warriors\" came first.TIPS:- Wait for wave 8.");
            add("Latin-1 text, a prefix of its name listed later", "galwar2", Outcome::Found,
                "The sequel, sold as a caf\u00e9 conversion kit.");
            add("rom line before the history", "plain", Outcome::NoHistory, NoHistory);
            add("word beginning with rom before the history", "romword", Outcome::NoHistory, NoHistory);
            add("empty history", "empty", Outcome::NoHistory, NoHistory);
            add("block ends without rom line", "noroms", Outcome::NoHistory, NoHistory);
            add("listing ends inside the header", "cutshort", Outcome::NoHistory, NoHistory);
            add("name differing in case", "GALWAR", Outcome::GameNotListed, NoHistory);
            add("prefix of a listed name", "galwa", Outcome::GameNotListed, NoHistory);
            add("value of another keyword", "1981", Outcome::GameNotListed, NoHistory);
            add("empty name", "", Outcome::GameNotListed, NoHistory);
            add("name outside Latin-1", "galwar\u4e00", Outcome::GameNotListed, NoHistory);
        }
        row("empty listing", QByteArray(), "galwar", Outcome::GameNotListed, NoHistory);
        row("name line is the last line", QByteArray("game (\n\tname galwar"), "galwar", Outcome::NoHistory, NoHistory);
        row("no listing", QByteArray("<none>"), "galwar", Outcome::ListingMissing,
            "Cannot find the history database.  Refresh the Game List to create it.");
    }
    void lookup() {
        const QString path = m_dir.filePath(QStringLiteral("listinfo.txt"));
        place(path, cell<QByteArray>("listing"));
        const history::HistoryResult result = history::gameHistory(path, cell<QString>("romName"));
        QTEST(result.outcome, "outcome");
        QTEST(result.text, "text");
    }
};

QTEST_GUILESS_MAIN(TestHistory)
#include "TestHistory.moc"
