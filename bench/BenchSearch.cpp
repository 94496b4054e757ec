// bench-search [games=45000] [rounds=3]: times find-as-you-type in a real game list. Each keystroke's
// update is the search, the view's layout and paint, and the selection that follows; the words
// are typed a letter at a time and deleted again, as a user does. Then the same with filter terms
// on games that carry today's emulator's facts.

#include "ListingGenerator.h"
#include "Measure.h"

#include "core/catalogue/CatalogueLoader.h"
#include "core/catalogue/GameFilter.h"
#include "core/catalogue/GameListModel.h"
#include "core/catalogue/ListInfoExtraction.h"
#include "gui/catalogue/GameListView.h"
#include "gui/common/Artwork.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QRandomGenerator>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>

namespace {

const char* verdict(bool met) {
    return met ? "ok" : "MISSED";
}

double millisecondsSince(const QElapsedTimer& timer) {
    return double(timer.nsecsElapsed()) / 1e6;
}

// What the search box sends: every text on the way to each word and back again; a word ending
// in "|" is cleared at once (Escape) instead of deleted letter by letter.
QStringList keystrokes() {
    const QStringList words = {"pac 1980", "galactic", "ninja 1985",   "kitsune|",
                               "japan",    "zzz|",     "super dragon", QStringLiteral("pok\u00e9mon|"),
                               "a"};
    QStringList texts;
    for (QString word : words) {
        const bool cleared = word.endsWith(u'|');
        word.remove(u'|');
        for (qsizetype typed = 1; typed <= word.size(); ++typed)
            texts << word.first(typed);
        for (qsizetype typed = cleared ? 0 : word.size() - 1; typed >= 0; --typed)
            texts << word.first(typed);
    }
    return texts;
}

// The games as today's emulator tells of them: driver statuses of all three kinds, one to four
// players, buttons, controls of every sort. Years and clones are the listing's own.
QList<catalogue::GameRecord> withFacts(QList<catalogue::GameRecord> games) {
    using namespace catalogue;
    static const char* const statuses[] = {"Good", "Good", "Good", "Good", "Imperfect", "Preliminary"};
    static const quint32 controls[] = {Joystick | Joystick8Way,
                                       Joystick | Joystick8Way,
                                       Joystick | Joystick4Way,
                                       Joystick | Joystick2Way,
                                       Joystick | DoubleJoystick | Joystick8Way,
                                       Trackball,
                                       Lightgun,
                                       Paddle,
                                       Dial | Pedal,
                                       Mahjong,
                                       ButtonsOnly,
                                       Joystick | Joystick8Way | Positional,
                                       Keyboard};
    static const quint8 players[] = {1, 1, 2, 2, 2, 3, 4};
    QRandomGenerator random(1980);
    for (GameRecord& game : games) {
        game.set(GameRecord::DriverStatus, QLatin1String(statuses[random.bounded(int(std::size(statuses)))]));
        game.settle();
        GameFacts& facts = game.facts();
        facts.detailed = true;
        facts.emulation = game.driver();
        facts.saveState = random.bounded(2) == 0;
        facts.needsChd = random.bounded(25) == 0;
        facts.players = players[random.bounded(int(std::size(players)))];
        facts.buttons = quint8(random.bounded(7));
        facts.screens = 1;
        facts.controls = controls[random.bounded(int(std::size(controls)))];
    }
    return games;
}

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    const int games = bench::intArgument(1, 45000);
    const int rounds = bench::intArgument(2, 3);
    if (games < 1 || rounds < 1) {
        std::fprintf(stderr, "usage: bench-search [games=45000] [rounds=3]\n");
        return 2;
    }

    // The games as the program loads them: a generated listing turned into a catalogue.
    QTemporaryDir work;
    const QString listInfoPath = work.path() + QStringLiteral("/listinfo.txt");
    const QString gameInfoPath = work.path() + QStringLiteral("/gameinfo.txt");
    bench::SilentProgress progress;
    if (!work.isValid() || !bench::writeListing(listInfoPath, games, 1) ||
        catalogue::createGameInfo(listInfoPath, gameInfoPath, progress).games != games) {
        std::fprintf(stderr, "bench-search: cannot lay out the catalogue\n");
        return 1;
    }
    const catalogue::LoadSettings settings{gameInfoPath, work.path(), work.path(), false};
    catalogue::GameLists lists = catalogue::loadGames(config::ListChoice::All, settings, progress);

    // The all-games list at its size in the window, on the star field, with the first game selected.
    gui::GameListView view(QStringLiteral("allList"));
    view.resize(519, 314);
    view.showStarField(gui::starFieldPicture(QSize(800, 600)));
    view.show();
    QElapsedTimer fill;
    fill.start();
    view.games()->setGames(std::move(lists.all));
    const double fillTime = millisecondsSince(fill);
    view.selectIndex(1);
    QApplication::processEvents();
    std::printf("filling: %.1f ms for %d games (sorting and folding the search texts)\n", fillTime, view.count());

    const QStringList texts = keystrokes();
    QList<double> times;
    double worst = 0;
    QString worstText;
    for (int round = 0; round < rounds; ++round) {
        for (const QString& text : texts) {
            QElapsedTimer keystroke;
            keystroke.start();
            view.search(text);
            QApplication::processEvents(); // the layout and the paint
            const double time = millisecondsSince(keystroke);
            times.append(time);
            if (time > worst) {
                worst = time;
                worstText = text;
            }
        }
    }
    if (view.shownCount() != view.count() || view.selectedIndex() < 1) {
        std::fprintf(stderr, "bench-search: the emptied search shows %d of %d games\n", view.shownCount(),
                     view.count());
        return 1;
    }
    const double middle = bench::median(times);
    std::printf("keystrokes: %lld (%lld texts, %d rounds)\n", qlonglong(times.size()), qlonglong(texts.size()), rounds);
    std::printf("keystroke median: %.2f ms (goal <= 10 ms) %s\n", middle, verdict(middle <= 10.0));
    std::printf("keystroke maximum: %.2f ms for \"%s\" (goal <= 30 ms) %s\n", worst, qPrintable(worstText),
                verdict(worst <= 30.0));

    // The model's share: the same keystrokes on the list without a view.
    catalogue::GameListModel model;
    QList<catalogue::GameRecord> copies;
    for (int row = 0; row < view.count(); ++row)
        copies.append(view.games()->game(row));
    model.setGames(std::move(copies));
    QList<double> searchTimes;
    for (const QString& text : texts) {
        QElapsedTimer search;
        search.start();
        model.search(text);
        searchTimes.append(millisecondsSince(search));
    }
    std::printf("    of which the search alone: %.2f ms median, %.2f ms at most\n", bench::median(searchTimes),
                *std::max_element(searchTimes.cbegin(), searchTimes.cend()));

    // Filter terms and words typed a letter at a time into the list of games with facts, from
    // an empty search each run (cleared at once, as Escape does, outside the timing).
    const QString typed = QStringLiteral("is:working players:2 -is:clone pac man");
    QList<catalogue::GameRecord> detailed;
    for (int row = 0; row < model.count(); ++row)
        detailed.append(model.game(row));
    view.search(QString());
    view.games()->setGames(withFacts(std::move(detailed)));
    view.games()->setSearchAbilities({.details = true});
    QApplication::processEvents();
    QList<double> termTimes;
    double termWorst = 0;
    QString termWorstText;
    for (int round = 0; round < rounds; ++round) {
        view.search(QString());
        QApplication::processEvents();
        QList<double> runTimes;
        for (qsizetype length = 1; length <= typed.size(); ++length) {
            QElapsedTimer keystroke;
            keystroke.start();
            view.search(typed.first(length));
            QApplication::processEvents();
            runTimes.append(millisecondsSince(keystroke));
            if (runTimes.last() > termWorst) {
                termWorst = runTimes.last();
                termWorstText = typed.first(length);
            }
        }
        std::printf("filter terms, run %d: %.2f ms median, %.2f ms at most\n", round + 1, bench::median(runTimes),
                    *std::max_element(runTimes.cbegin(), runTimes.cend()));
        termTimes += runTimes;
    }
    // The games found are those that meet every term, counted here without the model.
    const catalogue::SearchWords words = catalogue::searchWords(u"pac man");
    int expected = 0;
    for (int row = 0; row < view.count(); ++row) {
        const catalogue::GameRecord& game = view.games()->game(row);
        QByteArray text;
        catalogue::appendSearchText(text, game);
        expected += game.driver() == catalogue::Support::Good && game.facts().players >= 2 && !game.isClone() &&
                    catalogue::matches(text, words);
    }
    if (view.shownCount() != expected || expected == 0 || !view.games()->searchProblem().isEmpty()) {
        std::fprintf(stderr, "bench-search: \"%s\" shows %d games, not %d\n", qPrintable(typed), view.shownCount(),
                     expected);
        return 1;
    }
    const double termMiddle = bench::median(termTimes);
    std::printf("filter keystroke median: %.2f ms for \"%s\" (%d games found, %lld keystrokes) (goal <= 10 ms) %s\n",
                termMiddle, qPrintable(typed), expected, qlonglong(termTimes.size()), verdict(termMiddle <= 10.0));
    std::printf("filter keystroke maximum: %.2f ms for \"%s\"\n", termWorst, qPrintable(termWorstText));
    return 0;
}
