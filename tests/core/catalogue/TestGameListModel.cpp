#include "core/catalogue/CatalogueLoader.h"
#include "core/catalogue/GameListModel.h"
#include "support/TableRows.h"

#include <QPersistentModelIndex>

using catalogue::GameListModel;
using catalogue::GameRecord;

namespace {
// A game from its catalogue line.
GameRecord game(const char* line) {
    return *catalogue::RecordReader().parse(line);
}

// The ROM names of the whole list, or of the games the search shows.
QString romOrder(const GameListModel& model, bool shown = false) {
    QStringList roms;
    for (int row = 0; row < (shown ? model.rowCount() : model.count()); ++row)
        roms << model.game(shown ? model.listRow(row) : row).romName();
    return roms.join(u' ');
}

QList<GameRecord> searchedGames() {
    return {game("Pac-Man (Midway),1980,,,,Midway,,,,pacman"), game("Pok\xe9mon Stadium,1999,,,,Nintendo,,,,poke"),
            game("Galaxian,1979,,,,Namco,,,,galaxian"), game("Ms. PAC-MAN,1981,,,,Midway,,,,mspacman")};
}
// Today's emulator's games with what it tells of them, and the user's marks.
GameRecord detailed(const char* line, quint8 players, quint8 buttons, quint32 controls, const char* genre = "",
                    bool chd = false) {
    GameRecord record = game(line);
    record.facts().detailed = true;
    record.facts().players = players;
    record.facts().buttons = buttons;
    record.facts().controls = controls;
    record.facts().genre = QString::fromUtf8(genre);
    record.facts().mature = record.facts().genre.contains(u"Mature");
    record.facts().needsChd = chd;
    return record;
}

QList<GameRecord> filteredGames() {
    using namespace catalogue;
    return {detailed("Pac-Man,1980,Good,Good,Good,Midway,Raster,224x288 V,Original,pacman", 2, 0,
                     Joystick | Joystick4Way, "Maze / Collect"),
            detailed("Ms. Pac-Man,1981,Good,Good,Imperfect,Midway,Raster,224x288 V,Clone of pacman,mspacman", 2, 0,
                     Joystick | Joystick4Way, "Maze / Collect"),
            detailed("Asteroids,1979,Good,Good,Good,Atari,Vector,Unknown H,Original,asteroid", 2, 5, ButtonsOnly,
                     "Shooter / Asteroids"),
            detailed("Mahjong Queen,198?,Preliminary,Good,Good,Nichibutsu,Raster,256x224 H,Original,mjqueen", 1, 0,
                     Mahjong, "Mahjong * Mature *"),
            detailed("Tron,1982,Imperfect,Imperfect,Good,Bally Midway,Raster,400x480 H,Original,tron", 2, 1,
                     Joystick | Joystick8Way | Dial),
            detailed("Killer Instinct,1994,Good,Good,Good,Rare,Raster,320x240 H,Original,kinst", 2, 6,
                     Joystick | Joystick8Way, "Fighter / Versus", true)};
}

struct Marks : catalogue::GameMarks {
    bool isFavourite(const QString& rom) const override { return rom == u"pacman"; }
    catalogue::PlayRecord plays(const QString& rom) const override { return {rom == u"mspacman" ? 3 : 0, 0, {}}; }
    bool isInstalled(const QString& rom) const override { return rom == u"kinst" || rom == u"tron"; }
};
} // namespace

class TestGameListModel : public QObject {
    Q_OBJECT
private slots:
    // Then a game added at its sorted place, and taken away again.
    void sorts_data() {
        columns<int, Qt::SortOrder, QString, QString>({"column", "order", "roms", "added"});
        row("game ascending, case ignored", 0, Qt::AscendingOrder, "a b1 b2 c d", "a b1 b2 c d e");
        row("game descending, equal keys keep their order", 0, Qt::DescendingOrder, "d c b1 b2 a", "e d c b1 b2 a");
        row("year ascending", 1, Qt::AscendingOrder, "c a b1 b2 d", "c e a b1 b2 d");
        row("ROM descending", 9, Qt::DescendingOrder, "d c b2 b1 a", "e d c b2 b1 a");
    }
    void sorts() {
        GameListModel model;
        model.sort(5); // a start from another column, so each row really sorts
        model.setGames({game("delta,1990,,,,,,,,d"), game("Bravo,1985,,,,,,,,b1"), game("alpha,1983,,,,,,,,a"),
                        game("bravo,1985,,,,,,,,b2"), game("Charlie,1979,,,,,,,,c")});
        const QPersistentModelIndex selected = model.index(2, 0);
        model.sort(cell<int>("column"), cell<Qt::SortOrder>("order"));
        QTEST(romOrder(model), "roms");
        QCOMPARE(model.game(selected.row()).romName(), QStringLiteral("a")); // the selection follows its game
        QCOMPARE(model.data(model.index(0, 9), Qt::DisplayRole).toString(), model.game(0).romName());
        QCOMPARE(model.headerData(5, Qt::Horizontal, Qt::DisplayRole).toString(), QStringLiteral("Manufacturer"));
        const int added = model.addGame(game("Echo,1980,,,,,,,,e"));
        QTEST(romOrder(model), "added");
        QCOMPARE(model.game(added).romName(), QStringLiteral("e"));
        model.removeGame(added);
        QTEST(romOrder(model), "roms");
    }

    // Marks, accents and case: a sorted list and a game added to it agree on the order.
    void sortsAnyText() {
        GameListModel model;
        model.setGames({game("\xe9p\xe9"
                             "e,,,,,,,,,p"),
                        game("Zed,,,,,,,,,z"), game("alpha,,,,,,,,,a"), game("_under,,,,,,,,,u"),
                        game("\xc9"
                             "clair,,,,,,,,,E"),
                        game("[brack,,,,,,,,,b"), game("eclair,,,,,,,,,e")});
        QCOMPARE(romOrder(model), QStringLiteral("b u a e z E p"));
        model.addGame(game("Ebene,,,,,,,,,x"));
        model.addGame(game("\xc9"
                           "CLAIR,,,,,,,,,y"));
        QCOMPARE(romOrder(model), QStringLiteral("b u a x e z E y p"));
    }

    void searches_data() {
        columns<QString, QString>({"text", "roms"});
        row("case ignored", "pac-MAN", "mspacman pacman");
        row("every word, each anywhere", "pac 1980", "pacman");
        row("accent in the game", "pokemon", "poke");
        row("accent typed", QString::fromUtf8("GAL\u00c1XIAN"), "galaxian");
        row("ROM name", "mspac", "mspacman");
        row("manufacturer", "namco", "galaxian");
        row("year", "1999", "poke");
        row("no match", "pac 1979", "");
        row("no word across two fields", "stadiumpoke", "");
    }
    void searches() {
        const QString text = cell<QString>("text");
        GameListModel model;
        model.setGames(searchedGames());
        // Typed a letter at a time and deleted again, each search starting from the one before
        // finds what a search of the whole list finds.
        const auto searchFor = [&](qsizetype typed) {
            GameListModel whole;
            whole.setGames(searchedGames());
            whole.search(QStringView(text).first(typed));
            model.search(QStringView(text).first(typed));
            QCOMPARE(romOrder(model, true), romOrder(whole, true));
        };
        for (qsizetype typed = 1; typed <= text.size(); ++typed)
            searchFor(typed);
        QTEST(romOrder(model, true), "roms");
        for (qsizetype typed = text.size() - 1; typed >= 0; --typed)
            searchFor(typed);
    }

    // Filter terms beside the words, typed a key at a time: each step finds what a search of the
    // whole list finds, and what the catalogue cannot answer is said, not guessed.
    void filters_data() {
        columns<QString, bool, QString, QString>({"text", "detailed", "roms", "problem"}); // roms as listed, by name
        row("working", "is:working", true, "asteroid kinst mspacman pacman", "");
        row("negated, with a word", "-is:working midway", true, "tron", "");
        row("imperfect, broken", "is:imperfect", true, "tron", "");
        row("broken", "is:broken", true, "mjqueen", "");
        row("parents and clones", "is:clone", true, "mspacman", "");
        row("no clones, vertical", "-is:clone is:vertical", true, "pacman", "");
        row("horizontal, vector", "is:horizontal -is:vector", true, "kinst mjqueen tron", "");
        row("vector", "IS:VECTOR", true, "asteroid", "");
        row("favourite, either spelling", "is:favorite", true, "pacman", "");
        row("played", "is:played", true, "mspacman", "");
        row("installed", "is:installed -is:chd", true, "tron", "");
        row("CHD", "is:chd", true, "kinst", "");
        row("mature", "is:mature", true, "mjqueen", "");
        row("players at least", "players:2", true, "asteroid kinst mspacman pacman tron", "");
        row("players exactly", "players:=1", true, "mjqueen", "");
        row("buttons at most", "buttons:<=1", true, "mjqueen mspacman pacman tron", "");
        row("buttons more than", "buttons:>5", true, "kinst", "");
        row("buttons below, at least", "buttons:<1 buttons:>=0", true, "mjqueen mspacman pacman", "");
        row("control, ways", "control:joy4", true, "mspacman pacman", "");
        row("control, two at once", "control:dial control:joy", true, "tron", "");
        row("no mahjong", "-control:mahjong -control:joy", true, "asteroid", "");
        row("year range, unknown year left out", "year:1979-1980", true, "asteroid pacman", "");
        row("year exactly, on the classic list", "year:1981", false, "mspacman", "");
        row("maker, quoted blanks", "maker:\"bally midway\"", true, "tron", "");
        row("maker is only the maker", "maker:pac", true, "", "");
        row("genre", "genre:shooter", true, "asteroid", "");
        row("a word is not looked for in the genre", "collect", true, "", "");
        row("colour and sound", "colour:imperfect", false, "tron", "");
        row("sound", "sound:imperfect", false, "mspacman", "");
        row("the common terms together", "is:working players:2 -is:clone pac", true, "pacman", "");
        row("unknown key", "foo:bar pac", true, "mspacman pacman", "Unknown filter: foo:");
        row("unknown value", "is:great", true, "asteroid kinst mjqueen mspacman pacman tron",
            "Unknown filter: is:great");
        row("unreadable range", "year:1985-1980", true, "asteroid kinst mjqueen mspacman pacman tron",
            "Cannot read the filter: year:1985-1980");
        row("players on the classic list", "players:2", false, "asteroid kinst mjqueen mspacman pacman tron",
            "players: is not known for this emulator");
        row("control on the classic list", "control:dial", false, "asteroid kinst mjqueen mspacman pacman tron",
            "control: is not known for this emulator");
        row("genre without the list", "genre:maze", false, "asteroid kinst mjqueen mspacman pacman tron",
            "genre: is not known without catver.ini");
    }
    void filters() {
        const QString text = cell<QString>("text");
        const catalogue::SearchAbilities abilities{cell<bool>("detailed"), cell<bool>("detailed"), false};
        const Marks marks;
        const auto model = [&] {
            auto made = std::make_unique<GameListModel>();
            made->setSearchAbilities(abilities);
            made->setMarks(&marks);
            made->setGames(filteredGames());
            return made;
        };
        const auto typed = model();
        for (qsizetype keys = 1; keys <= text.size(); ++keys) {
            const auto whole = model();
            whole->search(QStringView(text).first(keys));
            typed->search(QStringView(text).first(keys));
            QCOMPARE(romOrder(*typed, true), romOrder(*whole, true));
        }
        QTEST(romOrder(*typed, true), "roms");
        QTEST(typed->searchProblem(), "problem");
    }

    // A list taken from another: as it is when the two sort alike, sorted anew when not; either
    // way its search finds its own games.
    void takesAnotherListsGames() {
        GameListModel all;
        all.setGames(searchedGames());
        GameListModel alike;
        alike.takeGames(all, [](const GameRecord& game) { return game[GameRecord::Manufacturer] == u"Midway"; });
        QCOMPARE(romOrder(alike), QStringLiteral("mspacman pacman"));
        alike.search(u"pac 1980");
        QCOMPARE(romOrder(alike, true), QStringLiteral("pacman"));
        GameListModel byYear;
        byYear.sort(1, Qt::DescendingOrder);
        byYear.takeGames(all, [](const GameRecord&) { return true; });
        QCOMPARE(romOrder(byYear), QStringLiteral("poke mspacman pacman galaxian"));
        byYear.search(u"namco");
        QCOMPARE(romOrder(byYear, true), QStringLiteral("galaxian"));
    }

    // Sorted, added and removed behind a search, games keep their shown rows and whole-list places apart.
    void searchFollowsChanges() {
        GameListModel model;
        model.setGames(searchedGames());
        model.search(u"midway");
        model.sort(0, Qt::DescendingOrder);
        model.addGame(game("Bosconian,1981,,,,Namco,,,,bosco"));
        const int added = model.addGame(game("Ms. Pac-Man Plus,1981,,,,Midway,,,,mspacplus"));
        QCOMPARE(romOrder(model, true), QStringLiteral("pacman mspacplus mspacman"));
        QCOMPARE(romOrder(model), QStringLiteral("poke pacman mspacplus mspacman galaxian bosco"));
        QCOMPARE(model.shownRow(added), 1);
        model.removeGame(added);
        model.removeGame(0);
        QCOMPARE(romOrder(model, true), QStringLiteral("pacman mspacman"));
        QCOMPARE(model.shownRow(2), -1);
        // Searches of the whole list again, after the order, the games and their texts changed.
        model.addGame(game("Pac-Land,1984,,,,Namco,,,,pacland"));
        model.search(u"namco");
        QCOMPARE(romOrder(model, true), QStringLiteral("pacland galaxian bosco"));
        model.search(u"pok");
        QCOMPARE(romOrder(model, true), QString());
        model.search(u"pac");
        QCOMPARE(romOrder(model, true), QStringLiteral("pacman pacland mspacman"));
    }
};

QTEST_GUILESS_MAIN(TestGameListModel)
#include "TestGameListModel.moc"
