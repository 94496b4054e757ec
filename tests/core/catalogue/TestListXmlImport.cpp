#include "core/catalogue/ListXmlImport.h"
#include "support/TableRows.h"

namespace {

// A document the way today's emulator writes it, one element a line.
QByteArray document(const QByteArray& machines) {
    return "<?xml version=\"1.0\"?>\n<mame build=\"0.251 (unknown)\" debug=\"no\" mameconfig=\"10\">\n" + machines +
           "</mame>\n";
}

QByteArray machine(const QByteArray& attributes, const QByteArray& children) {
    return "\t<machine " + attributes + ">\n" + children + "\t</machine>\n";
}

// Description, year, maker, a display, coins and a good driver: what a game has.
QByteArray game(const QByteArray& description, const QByteArray& display, const QByteArray& more = {}) {
    return "\t\t<description>" + description + "</description>\n\t\t<year>1980</year>\n" +
           "\t\t<manufacturer>Namco</manufacturer>\n" + display + "\t\t<input players=\"2\" coins=\"1\">\n" +
           "\t\t\t<control type=\"joy\" player=\"1\" buttons=\"1\" ways=\"4\"/>\n\t\t</input>\n" +
           "\t\t<driver status=\"good\" emulation=\"good\" savestate=\"supported\"/>\n" + more;
}

const QByteArray Raster90 =
    "\t\t<display tag=\"screen\" type=\"raster\" rotate=\"90\" width=\"288\" height=\"224\"/>\n";
const QByteArray Raster0 = "\t\t<display tag=\"screen\" type=\"raster\" rotate=\"0\" width=\"256\" height=\"224\"/>\n";
const QByteArray Rom = "\t\t<rom name=\"a.1\" size=\"2048\" crc=\"f36e88ab\" sha1=\"0\" region=\"maincpu\"/>\n";

// Hands the document over in pieces of the given size, as a pipe might.
void feed(catalogue::ListXmlImport& import, const QByteArray& data, qsizetype piece) {
    for (qsizetype at = 0; at < data.size(); at += piece)
        import.addData(QByteArrayView(data).sliced(at, qMin(piece, data.size() - at)));
}

} // namespace

class TestListXmlImport : public QObject {
    Q_OBJECT
private slots:
    void games_data() {
        columns<QByteArray, QByteArray>({"machine", "line"}); // line: the catalogue's, "" for none
        row("a vertical game", machine("name=\"puckman\"", game("PuckMan", Raster90, Rom)),
            lineOf("PuckMan|1980|Good|Good|Good|Namco|Raster|224x288   V|Original|puckman"));
        row("a clone, upright", machine("name=\"pacman\" cloneof=\"puckman\" romof=\"puckman\"", game("Pac", Raster0)),
            lineOf("Pac|1980|Good|Good|Good|Namco|Raster|256x224   H|Clone of puckman|pacman"));
        row("a vector game on its side",
            machine("name=\"tac\"", game("Tac", "\t\t<display type=\"vector\" rotate=\"270\" refresh=\"60\"/>\n")),
            lineOf("Tac|1980|Good|Good|Good|Namco|Vector|Unknown V|Original|tac"));
        row("no display", machine("name=\"blind\"", game("Blind", "")),
            lineOf("Blind|1980|Good|Good|Good|Namco|||Original|blind"));
        row("a liquid crystal screen",
            machine("name=\"lcd\"",
                    game("LCD", "\t\t<display type=\"lcd\" rotate=\"0\" width=\"64\" height=\"48\"/>\n")),
            lineOf("LCD|1980|Good|Good|Good|Namco|LCD|64x48   H|Original|lcd"));
        row("the first display counts", machine("name=\"two\"", game("Two", Raster0 + Raster90)),
            lineOf("Two|1980|Good|Good|Good|Namco|Raster|256x224   H|Original|two"));
        row("features and driver",
            machine("name=\"f\"",
                    game("F", Raster0,
                         "\t\t<driver status=\"preliminary\"/>\n\t\t<feature type=\"palette\" status=\"imperfect\"/>\n"
                         "\t\t<feature type=\"sound\" status=\"unemulated\"/>\n")),
            lineOf("F|1980|Preliminary|Imperfect|Preliminary|Namco|Raster|256x224   H|Original|f"));
        // A device's fault ("overall") counts as much as the machine's own; the worse one shows.
        row("faults of the machine's devices",
            machine("name=\"o\"",
                    game("O", Raster0,
                         "\t\t<feature type=\"sound\" overall=\"imperfect\"/>\n"
                         "\t\t<feature type=\"palette\" status=\"imperfect\" overall=\"unemulated\"/>\n")),
            lineOf("O|1980|Good|Preliminary|Imperfect|Namco|Raster|256x224   H|Original|o"));
        row("entities, a quote and text Latin-1 cannot hold",
            machine("name=\"q\"", game("14&quot; &amp; &lt;&#x3C0;&gt; &#163;20 \xe2\x98\x85", Raster0)),
            QByteArray("\"14\"\" & <?> \xa3"
                       "20 ?\",\"1980\",\"Good\",\"Good\",\"Good\",\"Namco\",\"Raster\",\"256x224   H\","
                       "\"Original\",\"q\"\r\n"));
        row("line breaks in a text", machine("name=\"n\"", game("Two\nlines&#13;", Raster0)),
            lineOf("Two lines |1980|Good|Good|Good|Namco|Raster|256x224   H|Original|n"));
        row("the emulator's display line, a blank before its end",
            machine("name=\"d\" sourcefile=\"d.cpp\"",
                    game("D", "\t\t<display tag=\"screen\" type=\"raster\" rotate=\"270\" width=\"256\" "
                              "height=\"224\" refresh=\"60.000000\" pixclock=\"5156160\" />\n")),
            lineOf("D|1980|Good|Good|Good|Namco|Raster|224x256   V|Original|d"));
        row("coins as a character reference",
            machine("name=\"c\"", QByteArray(game("C", Raster0)).replace("coins=\"1\"", "coins=\"&#49;\"")),
            lineOf("C|1980|Good|Good|Good|Namco|Raster|256x224   H|Original|c"));
        row("a tag laid out unusually", machine("name=\"t\"\t\tcloneof=\"u\"", game("T", Raster0)),
            lineOf("T|1980|Good|Good|Good|Namco|Raster|256x224   H|Clone of u|t"));
        row("nothing after the root is read", machine("name=\"e\"", game("E", Raster0)) + "</mame>\n<a=\"\n<?x",
            lineOf("E|1980|Good|Good|Good|Namco|Raster|256x224   H|Original|e"));
        // No game, however its tag is laid out: the line filter drops the emulator's own layout, the
        // import itself any other.
        for (const char* separator : {" ", "\t\t"}) {
            const QByteArray layout = separator[0] == ' ' ? " (the emulator's layout)" : " (laid out unusually)";
            const auto noGame = [&](const char* name, const QByteArray& attributes) {
                row(qPrintable(name + layout),
                    machine("name=\"x\"" + QByteArray(separator) + attributes, game("X", Raster0)), QByteArray());
            };
            noGame("a device", "isdevice=\"yes\" runnable=\"no\"");
            noGame("a BIOS", "isbios=\"yes\"");
            noGame("a mechanical machine", "ismechanical=\"yes\"");
            noGame("not runnable", "runnable=\"no\"");
        }
        row("no coin slot", machine("name=\"pc\"", "\t\t<description>PC</description>\n" + Raster0), QByteArray());
    }
    void games() {
        // Any split of the document reads the same.
        for (qsizetype piece : {qsizetype(1), qsizetype(7), qsizetype(1 << 16)}) {
            catalogue::ListXmlImport import;
            feed(import, document(cell<QByteArray>("machine")), piece);
            QVERIFY2(import.finish(), qPrintable(import.errorText()));
            QTEST(import.catalogue(), "line");
        }
    }

    // What the catalogue line cannot say, one facts line a game.
    void facts_data() {
        columns<QByteArray, QByteArray>({"children", "facts"});
        row("a joystick game", game("A", Raster0), QByteArray("a\tgood\t1\t2\t1\t1\t0\tjoy4"));
        row("controls of every player, most buttons, two screens, a disk",
            "\t\t<description>B</description>\n" + Raster0 + Raster90 +
                "\t\t<disk name=\"b\" sha1=\"1\" region=\"ide\"/>\n\t\t<input players=\"4\" coins=\"2\">\n"
                "\t\t\t<control type=\"trackball\" player=\"1\" buttons=\"3\"/>\n"
                "\t\t\t<control type=\"joy\" player=\"2\" buttons=\"6\" ways=\"5 (half8)\"/>\n"
                "\t\t\t<control type=\"dial\" player=\"3\"/>\n\t\t</input>\n"
                "\t\t<driver status=\"preliminary\" emulation=\"imperfect\" savestate=\"unsupported\"/>\n",
            QByteArray("a\timperfect\t0\t4\t6\t2\t1\tjoy8 trackball dial"));
        row("buttons only, a disk not dumped, a double joystick",
            "\t\t<description>C</description>\n" + Raster0 +
                "\t\t<disk name=\"c\" status=\"nodump\" region=\"ide\"/>\n\t\t<input players=\"1\" coins=\"1\">\n"
                "\t\t\t<control type=\"only_buttons\" buttons=\"2\"/>\n"
                "\t\t\t<control type=\"doublejoy\" ways=\"8\" ways2=\"8\"/>\n\t\t</input>\n"
                "\t\t<driver status=\"good\" emulation=\"good\" savestate=\"supported\"/>\n",
            QByteArray("a\tgood\t1\t1\t2\t1\t0\tdoublejoy buttons"));
    }
    void facts() {
        catalogue::ListXmlImport import;
        feed(import, document(machine("name=\"a\"", cell<QByteArray>("children"))), 5);
        QVERIFY2(import.finish(), qPrintable(import.errorText()));
        QCOMPARE(import.facts(), cell<QByteArray>("facts") + '\n');
    }

    // Neo-Geo games and their clones come last, wherever the document has them; a Neo-Geo cabinet
    // with no cartridge is no game; games without ROM files to find are named.
    void neoGeoRunAndRomless() {
        const QByteArray nodump = "\t\t<rom name=\"x\" size=\"1\" status=\"nodump\"/>\n";
        const QByteArray bios = "\t\t<rom name=\"sp\" merge=\"sp\" size=\"2\" crc=\"1\" region=\"mainbios\"/>\n";
        const QByteArray sprites = "\t\t<rom name=\"c1\" size=\"2\" crc=\"2\" region=\"cslot1:sprites\"/>\n";
        catalogue::ListXmlImport import;
        feed(import,
             document(machine("name=\"kof97h\" cloneof=\"kof97\" romof=\"kof97\"", game("KOF h", Raster0, Rom)) +
                      machine("name=\"pong\"", game("Pong", Raster0)) +
                      machine("name=\"kof97\" romof=\"neogeo\"", game("KOF", Raster0, bios + Rom + sprites)) +
                      machine("name=\"ng_mv1\" romof=\"neogeo\"", game("Neo-Geo MV-1", Raster0, bios)) +
                      machine("name=\"galx\"", game("Galaxy", Raster0, nodump + Rom)) +
                      machine("name=\"tank\"", game("Tank", Raster0, nodump))),
             64);
        QVERIFY(import.finish());
        QStringList names;
        for (const QString& line : QString::fromLatin1(import.catalogue()).split(u'\n'))
            names << line.section(u',', 9).remove(u'"').remove(u'\r');
        QCOMPARE(names, QStringList({"pong", "galx", "tank", "kof97h", "kof97", ""}));
        // The facts follow the catalogue's order, line for line.
        QStringList factNames;
        for (const QByteArray& line : import.facts().split('\n'))
            factNames << QString::fromUtf8(line.left(line.indexOf('\t')));
        QCOMPARE(factNames, names);
        QCOMPARE(import.neoGeoFrom(), 3);
        QCOMPARE(import.romless(), QSet<QString>({"pong", "tank"}));
    }

    void faults_data() {
        columns<QByteArray, QString>({"data", "error"});
        row("a wrong closing tag", document("\t<machine name=\"a\">\n\t</mame>\n"),
            "line 4, column 9: Opening and ending tag mismatch.");
        row("cut short", document(machine("name=\"a\"", game("A", Raster0))).chopped(12),
            "line 12, column 9: the document ends too early");
        row("no document", QByteArray(), "line 1, column 1: there is no document");
        // Lines the catalogue has no use for are still counted.
        row("after lines passed over",
            document("\t<machine name=\"a\">\n\t\t<dipswitch name=\"x\">\n\t\t\t<dipvalue name=\"y\"/>\n"
                     "\t\t</dipswitch>\n" +
                     Rom + Rom + "\t\t<year>19<80</year>\n"),
            "line 9, column 13: ");
        row("after a machine that is no game",
            document(machine("name=\"pc\"", "\t\t<description>PC</description>\n") +
                     "\t<machine name=\"a\">\n\t\t<year>19<80</year>\n"),
            "line 7, column 13: ");
        row("a broken line in a machine that is no game",
            document(machine("name=\"z80\" isdevice=\"yes\"", "\t\t<chip type=\"cpu\"\n")), "line 5, column ");
        row("binary garbage", QByteArray("\x01\x02\xff\xfe junk\n", 10), "");
    }
    void faults() {
        catalogue::ListXmlImport import;
        feed(import, cell<QByteArray>("data"), 5);
        QVERIFY(!import.finish());
        QVERIFY2(import.errorText().startsWith(cell<QString>("error")), qPrintable(import.errorText()));
        QVERIFY(import.errorText().startsWith("line "));
    }
};

QTEST_GUILESS_MAIN(TestListXmlImport)
#include "TestListXmlImport.moc"
