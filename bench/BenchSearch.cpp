// bench-search [games=45000] [rounds=3]: times find-as-you-type in a real game list. Each keystroke's
// update is the search, the view's layout and paint, and the selection that follows; the words
// are typed a letter at a time and deleted again, as a user does.

#include "ListingGenerator.h"
#include "Measure.h"

#include "core/catalogue/CatalogueLoader.h"
#include "core/catalogue/GameInfo.h"
#include "core/catalogue/GameListModel.h"
#include "gui/catalogue/GameListView.h"
#include "gui/common/Artwork.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
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
    return 0;
}
