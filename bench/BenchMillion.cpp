// bench-million [games=1000000] [rounds=3]: where the per-game costs are. A catalogue of a
// million games (a generated one of 40,000, again and again under other names) loaded into the
// three lists as the window fills them: the time, the memory each game takes beyond its text,
// and the time of a search keystroke over the whole list.

#include "ListingGenerator.h"
#include "Measure.h"

#include "core/catalogue/CatalogueLoader.h"
#include "core/catalogue/GameListModel.h"
#include "core/catalogue/ListInfoExtraction.h"
#include "core/io/AtomicFile.h"
#include "core/io/LineReader.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>

#include <algorithm>
#include <array>
#include <cstdio>
#include <memory>

namespace {

const char* verdict(bool met) {
    return met ? "ok" : "MISSED";
}

double millisecondsSince(const QElapsedTimer& timer) {
    return double(timer.nsecsElapsed()) / 1e6;
}

// The catalogue's lines again and again, each time with the ROM name and the description made
// another game's ("pacman" becomes "pacman_7", "Pac-Man" "Pac-Man 7").
bool writeCopies(const QString& from, const QString& to, int games) {
    QList<QByteArray> lines;
    io::LineReader reader(from);
    QByteArrayView line;
    while (reader.next(line))
        lines << line.toByteArray();
    io::AtomicFile out(to);
    if (lines.isEmpty() || !out.open())
        return false;
    QByteArray block;
    for (int game = 0; game < games; ++game) {
        const int copy = game / int(lines.size());
        QByteArray each = lines[game % lines.size()];
        if (copy > 0) {
            const QByteArray suffix = QByteArray::number(copy);
            each.insert(each.indexOf("\",\""), ' ' + suffix); // after the description
            each.insert(each.size() - 1, '_' + suffix);       // before the ROM name's closing quote
        }
        block += each + "\r\n";
        if (block.size() > (1 << 20)) {
            out.write(block);
            block.clear();
        }
    }
    return out.write(block) && out.commit();
}

QStringList keystrokes() {
    QStringList texts;
    for (const QString& word : {QStringLiteral("pac 1980"), QStringLiteral("galactic"), QStringLiteral("ninja 1985"),
                                QStringLiteral("japan"), QStringLiteral("a")}) {
        for (qsizetype typed = 1; typed <= word.size(); ++typed)
            texts << word.first(typed);
        for (qsizetype typed = word.size() - 1; typed >= 0; --typed)
            texts << word.first(typed);
    }
    return texts;
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication application(argc, argv);
    const int games = bench::intArgument(1, 1000000);
    const int rounds = bench::intArgument(2, 3);
    if (games < 1 || rounds < 1) {
        std::fprintf(stderr, "usage: bench-million [games=1000000] [rounds=3]\n");
        return 2;
    }
    QTemporaryDir work;
    const QString listing = work.filePath(QStringLiteral("listinfo.txt"));
    const QString generated = work.filePath(QStringLiteral("generated.txt"));
    const QString catalogue = work.filePath(QStringLiteral("gameinfo.txt"));
    bench::SilentProgress progress;
    const int generatedGames = std::min(games, 40000);
    if (!work.isValid() || !bench::writeListing(listing, generatedGames, 1) ||
        catalogue::createGameInfo(listing, generated, progress).games != generatedGames ||
        !writeCopies(generated, catalogue, games)) {
        std::fprintf(stderr, "bench-million: cannot write the catalogue\n");
        return 1;
    }
    QFile::remove(listing);

    // The load, as the window does it: every game, a third of them installed, the two smaller
    // lists taking the whole list's games.
    const std::optional<double> before = bench::processMemoryMb("VmRSS");
    QElapsedTimer loading;
    loading.start();
    const catalogue::LoadSettings settings{catalogue, QString(), QString(), false};
    catalogue::GameLists lists = catalogue::loadGames(config::ListChoice::All, settings, progress);
    const double readTime = millisecondsSince(loading);
    QSet<QString> installed;
    for (int i = 0; i < lists.all.size(); i += 3)
        installed.insert(lists.all[i].romName());
    std::array<catalogue::GameListModel, 3> models;
    models[0].setGames(std::move(lists.all));
    const auto isInstalled = [&](const catalogue::GameRecord& game) {
        return installed.contains(game.romName());
    };
    models[1].takeGames(models[0], isInstalled);
    models[2].takeGames(models[0], [&](const catalogue::GameRecord& game) { return !isInstalled(game); });
    const double loadTime = millisecondsSince(loading);
    const std::optional<double> after = bench::processMemoryMb("VmRSS");
    if (models[0].count() != games) {
        std::fprintf(stderr, "bench-million: loaded %d games, not %d\n", models[0].count(), games);
        return 1;
    }
    qint64 textBytes = 0; // every field's letters, a byte each as in the catalogue
    for (int row = 0; row < models[0].count(); ++row) {
        for (const QString& field : models[0].game(row).fields())
            textBytes += field.size();
    }
    std::printf("catalogue: %d games, %.1f MB, %.1f letters of text per game\n", games,
                double(QFileInfo(catalogue).size()) / (1 << 20), double(textBytes) / games);
    std::printf("loading: %.0f ms (reading %.0f ms, the three lists the rest)\n", loadTime, readTime);
    if (before && after) {
        const double perGame = (*after - *before) * (1 << 20) / games;
        const double beyond = perGame - double(textBytes) / games;
        std::printf("memory: %.0f MB for the lists, %.0f bytes a game, %.0f beyond its text (goal < 300) %s\n",
                    *after - *before, perGame, beyond, verdict(beyond < 300.0));
    }

    // Keystrokes in the whole list's search, each text typed a letter at a time and deleted
    // again. The first after loading is told apart: it is the first to read the search texts.
    QList<double> times;
    QString slowest;
    double slowestTime = 0;
    double first = -1;
    for (int round = 0; round < rounds; ++round) {
        for (const QString& text : keystrokes()) {
            QElapsedTimer keystroke;
            keystroke.start();
            models[0].search(text);
            const double time = millisecondsSince(keystroke);
            if (first < 0)
                first = time;
            else
                times << time;
            if (time > slowestTime) {
                slowestTime = time;
                slowest = text;
            }
        }
    }
    std::printf(
        "keystroke: the first after loading %.1f ms; the others %.1f ms median; %.1f ms at most (\"%s\") over %d "
        "games (goal < 30 ms) %s\n",
        first, bench::median(times), slowestTime, qPrintable(slowest), games, verdict(slowestTime < 30.0));
    return 0;
}
