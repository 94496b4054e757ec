#include "core/config/AppState.h"
#include "core/history/GameHistory.h"
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

// Today's history files, in both formats with the same texts: one entry naming two systems and a
// software item, a game in two entries, and a clone with an entry of its own.
const QByteArray Xml =
    "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<history version=\"2.51\">\n\t<entry>\n"
    "\t\t<systems>\n\t\t\t<system name=\"pong\"/>\n\t\t\t<system name=\"pongd\"/>\n\t\t</systems>\n"
    "\t\t<software><item list=\"a2600\" name=\"tennis\"/></software>\n\t\t<text>\nPong &amp; "
    "&quot;Doubles&quot; &lt;1972&gt; caf\xc3\xa9 &#39;73\n\nTwo paragraphs.\n\t\t</text>\n\t</entry>\n"
    "\t<entry><systems><system name=\"galx\"/></systems><text>Galaxy Raid.</text></entry>\n"
    "\t<entry><systems><system name=\"galx\"/><system name=\"galxb\"/></systems>"
    "<text>Both Raids.</text></entry>\n</history>\n";
const QByteArray Dat =
    "## a comment\n$info=pong,pongd,\n$bio\n\nPong & \"Doubles\" <1972> caf\xe9 '73\n\nTwo paragraphs.\n\n"
    "$end\n$a2600=tennis,\n$bio\nA cartridge.\n$end\n$info=galx,\n$bio\nGalaxy Raid.\n$end\n"
    "$info=galx,galxb,\n$bio\nBoth Raids.\n$end\n";
const QString Pong = QStringLiteral("Pong & \"Doubles\" <1972> caf\u00e9 '73\n\nTwo paragraphs.");
// An entry of a megabyte and a half first, so that the rest lies beyond the first block read.
const QByteArray Long = QByteArray(1536 * 1024, 'x');
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

    // The text column's %1 stands for the file's path.
    void todayLookup_data() {
        columns<QString, QByteArray, QString, QString, Outcome, QString>(
            {"file", "contents", "romName", "parent", "outcome", "text"});
        const auto both = [](const char* name, const QString& rom, const QString& parent, const QString& text) {
            const QByteArrayList files = {Xml, Dat, QByteArray(Xml).replace("\n", "\r\n"),
                                          QByteArray(Dat).replace("\n", "\r\n")};
            for (int i = 0; i < 4; ++i) {
                QTest::addRow("%s, %s%s", name, i % 2 ? "dat" : "xml", i > 1 ? ", CR LF" : "")
                    << (i % 2 ? "history.dat" : "history.xml") << files[i] << rom << parent
                    << (text == NoHistory ? Outcome::NoHistory : Outcome::Found) << text;
            }
        };
        both("entities, Latin-1 or UTF-8, paragraphs", "pong", "", Pong);
        both("second system of an entry", "pongd", "", Pong);
        both("a game in two entries", "galx", "", "Galaxy Raid.\n\nBoth Raids.");
        both("clone without an entry", "galxc", "galx", "Galaxy Raid.\n\nBoth Raids.");
        both("clone with its own entry", "galxb", "galx", "Both Raids.");
        both("software is no system", "tennis", "", NoHistory);
        both("no entry, nor its parent's", "zoom", "nope", NoHistory);
        row("beyond the first block, xml", "history.xml",
            QByteArray(Xml).insert(Xml.indexOf("\t<entry>"), "<entry><text>" + Long + "</text></entry>"), "galx", "",
            Outcome::Found, "Galaxy Raid.\n\nBoth Raids.");
        row("beyond the first block, dat", "history.dat", "$info=a,\n$bio\n" + Long + "\n$end\n" + Dat, "galxb", "",
            Outcome::Found, "Both Raids.");
        row("UTF-8 dat", "history.dat", QByteArray("$info=u,\n$bio\ncaf\xc3\xa9\n$end\n"), "u", "", Outcome::Found,
            "caf\u00e9");
        row("Latin-1 in UTF-8", "history.xml",
            QByteArray("<history><entry><system name='u'/><text>\xe9</text></entry></history>"), "u", "",
            Outcome::Found, "\u00e9");
        row("unknown encoding", "history.xml",
            QByteArray("<?xml version='1.0' encoding='x'?><history><entry><system "
                       "name='w'/><text>\xe9</text></entry></history>"),
            "w", "", Outcome::Found, "\u00e9");
        row("dat entry without its end", "history.dat",
            QByteArray("$info=a,\n$bio\nA.\n$1=4 credits\n$info=b,\n$bio\nB.\n"), "a", "", Outcome::Found,
            "A.\n$1=4 credits");
        const QString damaged = "The history file %1 is damaged (line %2).  Download and install it again.";
        row("xml cut short", "history.xml", Xml.left(Xml.indexOf("<text>Both")), "pong", "", Outcome::Damaged,
            damaged.arg("%1", "16: Premature end of document."));
        row("xml of another kind", "history.xml", QByteArray("<mame>\n<entry/></mame>"), "pong", "", Outcome::Damaged,
            damaged.arg("%1", "1: the document is no history list, its first element is <mame>"));
        row("missing file", "history.xml", QByteArray("<none>"), "pong", "", Outcome::Damaged,
            "The history file %1 cannot be read.");
    }
    void todayLookup() {
        const QString path = m_dir.filePath(cell<QString>("file"));
        place(path, cell<QByteArray>("contents"));
        history::HistoryDatabase database;
        const history::HistoryResult result = database.lookup(path, cell<QString>("romName"), cell<QString>("parent"));
        QTEST(result.outcome, "outcome");
        QCOMPARE(result.text, QString(cell<QString>("text")).replace("%1", QDir::toNativeSeparators(path)));
        QFile::remove(path);
    }

    // The index is built again when the file changes, and for another file.
    void indexFollowsTheFile() {
        const QString xml = m_dir.filePath("history.xml");
        history::HistoryDatabase database;
        const auto write = [&](const QByteArray& text, const QDateTime& modified) {
            writeFile(xml, "<history><entry><system name='a'/><text>" + text + "</text></entry></history>");
            QFile file(xml);
            QVERIFY(file.open(QIODevice::ReadWrite) && file.setFileTime(modified, QFileDevice::FileModificationTime));
        };
        const QDateTime then = QDateTime::currentDateTime().addSecs(-60);
        write("One.", then);
        QCOMPARE(database.lookup(xml, "a").text, "One.");
        write("Two, longer.", then); // the same time: the size tells
        QCOMPARE(database.lookup(xml, "a").text, "Two, longer.");
        write("Six, longer.", then.addSecs(30)); // the same size: the time tells
        QCOMPARE(database.lookup(xml, "a").text, "Six, longer.");
        writeFile(m_dir.filePath("history.dat"), "$info=a,\n$bio\nFrom the dat.\n$end\n");
        QCOMPARE(database.lookup(m_dir.filePath("history.dat"), "a").text, "From the dat.");
    }

    // The index of a large file is read off the user interface's thread with progress, and may be
    // stopped: nothing is kept then, and the next lookup reads the file again.
    void indexingCanBeStopped() {
        const QString xml = m_dir.filePath("big.xml");
        QByteArray entries;
        for (int i = 0; i < 30000; ++i)
            entries += "<entry><systems><system name='g" + QByteArray::number(i) + "'/></systems><text>Text " +
                       QByteArray::number(i) + ".</text></entry>\n";
        writeFile(xml, "<history version='1'>\n" + entries + "</history>\n");
        history::HistoryDatabase database;
        qint64 last = -1, size = 0;
        QVERIFY(!database.index(xml, [&](qint64 done, qint64 total) {
            last = done;
            size = total;
            return done == 0;
        }));
        QVERIFY(last > 0 && last < size && size == QFileInfo(xml).size());
        QVERIFY(!database.isIndexed(xml));
        QCOMPARE(database.lookup(xml, "g29999").text, "Text 29999.");
        QVERIFY(database.isIndexed(xml));
    }

    // Files under the test's folder: mame/ is the MAME directory, home/ the home directory.
    void findHistory_data() {
        columns<exec::Interface, QStringList, QString>({"interface", "files", "found"});
        const auto Today = exec::Interface::Today;
        row("MAME directory first", Today, QStringList{"mame/history/history.xml", "mame/history.dat"},
            "mame/history.dat");
        row("xml before dat", Today, QStringList{"mame/history.dat", "mame/history.xml"}, "mame/history.xml");
        row("history/ before dats/", Today, QStringList{"mame/dats/history.xml", "mame/history/history.dat"},
            "mame/history/history.dat");
        row("dats/ before home", Today, QStringList{"home/.mame/history/history.xml", "mame/dats/history.dat"},
            "mame/dats/history.dat");
        row("home", Today, QStringList{"home/.mame/history/history.xml", "mame/history.xml/"},
            "home/.mame/history/history.xml");
        row("none", Today, QStringList{"mame/history.txt"}, "");
        row("classic: history.dat", exec::Interface::Classic, QStringList{"mame/history.dat"}, "mame/history.dat");
        row("classic: no xml", exec::Interface::Classic, QStringList{"mame/history.xml"}, "");
    }
    void findHistory() {
        QTemporaryDir root;
        for (const QString& file : cell<QStringList>("files"))
            place(root.filePath(file.chopped(file.endsWith('/'))), file.endsWith('/') ? "/" : "text");
        config::AppState state;
        state.directories.mame = config::directoryText(root.filePath("mame"));
        const history::HistorySource source =
            history::findHistory(cell<exec::Interface>("interface"), state, root.filePath("home"));
        const QString found = cell<QString>("found");
        QCOMPARE(QDir::fromNativeSeparators(source.file), found.isEmpty() ? QString() : root.filePath(found));
    }
};

QTEST_GUILESS_MAIN(TestHistory)
#include "TestHistory.moc"
