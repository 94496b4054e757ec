// bench-history [megabytes=40] [runs=7]: times Game History with today's emulator on a generated
// history.xml and history.dat: the first lookup (which builds the index) and the later ones,
// beside the floor of reading the same file line by line.

#include "Measure.h"

#include "core/catalogue/GameRecord.h"
#include "core/config/AppState.h"
#include "core/history/GameHistory.h"
#include "core/io/LineReader.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>

namespace {

// One entry of the file: the systems it tells about (a parent and its clones), or a software
// item only, as in the real files, where software entries are about half.
struct Entry {
    QStringList systems;
    QString software;
    QString text;        // paragraphs separated by an empty line
    bool shared = false; // its first system is named by a later entry too
};

const char* const Words[] = {
    "the",    "player",    "controls", "a",        "ship",    "that",    "must",     "destroy",   "waves",
    "of",     "alien",     "invaders", "before",   "they",    "reach",   "bottom",   "screen",    "bonus",
    "points", "are",       "awarded",  "for",      "each",    "enemy",   "shot",     "down",      "in",
    "flight", "released",  "Japan",    "arcade",   "cabinet", "upright", "cocktail", "version",   "sequel",
    "game's", "designer",  "music",    "composed", "by",      "stage",   "boss",     "caf\u00e9", "\u00a9",
    "R&D",    "\"Hyper\"", "<no.1>",   "it's",     "level"};

class Generator {
public:
    explicit Generator(quint64 seed)
        : m_random(seed) {}

    int below(int limit) { return int(m_random.bounded(limit)); }

    QString sentence() {
        QStringList words;
        for (int i = 3 + below(14); i > 0; --i)
            words.append(QString::fromUtf8(Words[below(int(std::size(Words)))]));
        words.first()[0] = words.first()[0].toUpper();
        return words.join(u' ') + u'.';
    }

    // A title line, then paragraphs and the usual sections with short lines.
    QString text(const QString& name) {
        QStringList paragraphs = {
            QStringLiteral("%1 (c) 19%2 Maker %3.").arg(name).arg(70 + below(30)).arg(below(300))};
        for (int p = 1 + below(5); p > 0; --p) {
            QStringList sentences;
            for (int s = 2 + below(6); s > 0; --s)
                sentences.append(sentence());
            paragraphs.append(sentences.join(u' '));
        }
        for (const char* section : {"- TRIVIA -", "- SERIES -", "- STAFF -"}) {
            if (below(2))
                continue;
            QStringList lines = {QString::fromLatin1(section)};
            for (int l = 2 + below(5); l > 0; --l)
                lines.append(QStringLiteral("%1. %2").arg(l).arg(sentence()));
            paragraphs.append(lines.join(u'\n'));
        }
        return paragraphs.join(QStringLiteral("\n\n"));
    }

private:
    QRandomGenerator m_random;
};

QByteArray escaped(const QString& text) {
    QString xml = text;
    xml.replace(u'&', QStringLiteral("&amp;"))
        .replace(u'<', QStringLiteral("&lt;"))
        .replace(u'>', QStringLiteral("&gt;"));
    xml.replace(u'"', QStringLiteral("&quot;")).replace(u'\'', QStringLiteral("&#39;"));
    return xml.toUtf8();
}

// Entries until the history.xml reaches the size; 1% of the systems appear in a second entry.
QList<Entry> makeEntries(qint64 bytes, Generator& generator) {
    QList<Entry> entries;
    qint64 size = 0;
    for (int i = 0; size < bytes; ++i) {
        Entry entry;
        const QString name = QStringLiteral("g%1").arg(i, 5, 36, QLatin1Char('0'));
        if (generator.below(2)) {
            entry.software = name;
        } else {
            entry.systems.append(name);
            for (int c = generator.below(4); c > 0; --c)
                entry.systems.append(name + QChar(u'a' + c));
            if (i > 100 && generator.below(100) == 0 && !entries[i - 100].systems.isEmpty()) {
                entry.systems.append(entries[i - 100].systems.first());
                entries[i - 100].shared = true;
            }
        }
        entry.text = generator.text(name);
        size += entry.text.toUtf8().size() + 120 + 30 * entry.systems.size();
        entries.append(entry);
    }
    return entries;
}

bool writeXml(const QString& path, const QList<Entry>& entries) {
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    QByteArray out = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<history version=\"2.51\" date=\"2022-12-31\">\n";
    for (const Entry& entry : entries) {
        out += "\t<entry>\n";
        if (!entry.systems.isEmpty()) {
            out += "\t\t<systems>\n";
            for (const QString& system : entry.systems)
                out += "\t\t\t<system name=\"" + system.toLatin1() + "\" />\n";
            out += "\t\t</systems>\n";
        } else {
            out += "\t\t<software>\n\t\t\t<item list=\"nes\" name=\"" + entry.software.toLatin1() +
                   "\" />\n"
                   "\t\t</software>\n";
        }
        out += "\t\t<text>\n" + escaped(entry.text) + "\n\t\t</text>\n\t</entry>\n";
        if (out.size() > (1 << 20) && file.write(std::exchange(out, QByteArray())) < 0)
            return false;
    }
    out += "</history>\n";
    return file.write(out) == out.size();
}

bool writeDat(const QString& path, const QList<Entry>& entries) {
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    QByteArray out = "##\n## history.dat (generated)\n##\n\n";
    for (const Entry& entry : entries) {
        out += entry.systems.isEmpty() ? "$nes=" + entry.software.toLatin1() + ",\n"
                                       : "$info=" + entry.systems.join(u',').toLatin1() + ",\n";
        out += "$bio\n\n" + entry.text.toUtf8() + "\n\n$end\n\n";
        if (out.size() > (1 << 20) && file.write(std::exchange(out, QByteArray())) < 0)
            return false;
    }
    return file.write(out) == out.size();
}

const char* verdict(bool met) {
    return met ? "ok" : "MISSED";
}

void printRuns(const QList<double>& times) {
    std::printf("    runs:");
    for (double time : times)
        std::printf(" %.1f", time);
    std::printf(" ms\n");
}

catalogue::GameRecord game(const QString& romName, const QString& parent = QString()) {
    catalogue::GameRecord record;
    record.set(catalogue::GameRecord::RomName, romName);
    record.set(catalogue::GameRecord::Origin, parent.isEmpty() ? QStringLiteral("Original") : "Clone of " + parent);
    record.settle();
    return record;
}

// Game History as the window runs it: find the file, then the text.
QString lookUp(history::GameHistory& gameHistory, const config::AppState& state, const catalogue::GameRecord& record) {
    const history::HistorySource source = history::findHistory(exec::Interface::Today, state, QString());
    return gameHistory.text(source, &record);
}

// Times one file's lookups; false when a text differs from what was generated.
bool measure(const QString& format, const config::AppState& state, const QList<Entry>& entries, int runs) {
    const QString path = state.directories.mame + QStringLiteral("history/history.") + format;
    const qint64 bytes = QFileInfo(path).size();
    const QList<double> floorTimes = bench::timeRuns(runs, [&](int) {
        io::LineReader reader(path);
        QByteArrayView line;
        while (reader.next(line)) {
        }
    });
    std::printf("\nhistory.%s: %.1f MB, %lld entries\n", qPrintable(format), double(bytes) / (1 << 20),
                qlonglong(entries.size()));
    std::printf("floor: %.1f ms median (LineReader over the file)\n", bench::median(floorTimes));

    // The systems of single entries, with their texts, to look up and check.
    QList<qsizetype> picks;
    QRandomGenerator pick(11);
    while (picks.size() < 200) {
        const qsizetype i = pick.bounded(entries.size());
        if (!entries[i].systems.isEmpty() && !entries[i].shared)
            picks.append(i);
    }
    bool correct = true;
    const QList<double> firstTimes = bench::timeRuns(runs, [&](int run) {
        history::GameHistory gameHistory; // a new program run
        const Entry& entry = entries[picks[run]];
        correct = correct && lookUp(gameHistory, state, game(entry.systems.first())) == entry.text;
    });
    const double first = bench::median(firstTimes);
    std::printf("first lookup: %.1f ms median, index built (goal < 1500 ms) %s\n", first, verdict(first < 1500.0));
    printRuns(firstTimes);

    // Later lookups: the game's own entry, a clone's through its parent, and a game without one.
    history::GameHistory gameHistory;
    lookUp(gameHistory, state, game(QStringLiteral("none")));
    QList<double> laterTimes;
    for (qsizetype i : std::as_const(picks)) {
        const Entry& entry = entries[i];
        const QList<double> times = bench::timeRuns(1, [&](int) {
            correct =
                correct && lookUp(gameHistory, state, game(entry.systems.first())) == entry.text &&
                lookUp(gameHistory, state, game(entry.systems.first() + u'q', entry.systems.first())) == entry.text &&
                lookUp(gameHistory, state, game(QStringLiteral("nosuch"))) == history::noHistoryText();
        });
        laterTimes.append(times.first() / 3.0);
    }
    const double later = bench::median(laterTimes);
    const double slowest = *std::max_element(laterTimes.cbegin(), laterTimes.cend());
    std::printf("later lookups: %.3f ms median, %.3f ms the slowest of %lld (goal < 100 ms) %s\n", later, slowest,
                qlonglong(laterTimes.size()), verdict(slowest < 100.0));
    const std::optional<double> peak = bench::processMemoryMb("VmHWM");
    std::printf("memory: VmHWM %.1f MB so far\n", peak.value_or(-1));
    if (!correct)
        std::fprintf(stderr, "bench-history: a text read from history.%s differs from the one written\n",
                     qPrintable(format));
    return correct;
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication application(argc, argv);
    const int megabytes = bench::intArgument(1, 40);
    const int runs = bench::intArgument(2, 7);
    if (megabytes < 1 || runs < 1) {
        std::fprintf(stderr, "usage: bench-history [megabytes=40] [runs=7]\n");
        return 2;
    }

    // A MAME directory with the file in its history/ folder, where Game History finds it third.
    QTemporaryDir work;
    config::AppState state;
    state.directories.mame = config::directoryText(work.path() + QStringLiteral("/mame"));
    const QString folder = state.directories.mame + QStringLiteral("history/");
    if (!work.isValid() || !QDir().mkpath(folder)) {
        std::fprintf(stderr, "bench-history: cannot lay out a work directory\n");
        return 1;
    }
    QElapsedTimer setup;
    setup.start();
    Generator generator(1);
    const QList<Entry> entries = makeEntries(qint64(megabytes) << 20, generator);
    if (!writeXml(folder + QStringLiteral("history.xml"), entries)) {
        std::fprintf(stderr, "bench-history: cannot write history.xml\n");
        return 1;
    }
    std::printf("generated in %.1f s; each figure is the median of %d runs\n", double(setup.elapsed()) / 1000.0, runs);
    bool correct = measure(QStringLiteral("xml"), state, entries, runs);

    // The older format on its own: history.xml would be found first.
    QFile::remove(folder + QStringLiteral("history.xml"));
    if (!writeDat(folder + QStringLiteral("history.dat"), entries)) {
        std::fprintf(stderr, "bench-history: cannot write history.dat\n");
        return 1;
    }
    correct = measure(QStringLiteral("dat"), state, entries, runs) && correct;
    return correct ? 0 : 1;
}
