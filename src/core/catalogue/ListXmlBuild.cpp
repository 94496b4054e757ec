#include "core/catalogue/ListXmlBuild.h"

#include "core/catalogue/CatalogueLoader.h"
#include "core/catalogue/ListXmlImport.h"
#include "core/config/AppState.h"
#include "core/exec/Emulator.h"
#include "core/exec/Progress.h"
#include "core/io/AtomicFile.h"

#include <QThread>

#include <atomic>
#include <memory>
#include <vector>

namespace catalogue {
namespace {

// Today's emulator's machines by first character (0.251): where there is no former catalogue.
constexpr qint64 UsualShares[] = {1,    56,   20,   43,   31,   12,  6,   16,   9,   12,  0,    1553, 1142,
                                  1527, 1129, 1711, 885,  1350, 786, 413, 1789, 550, 598, 9292, 523,  281,
                                  2341, 189,  1019, 8663, 1470, 159, 913, 605,  129, 56,  167};
static_assert(std::size(UsualShares) + 1 == std::size(NameStarts));

// One listing run's share: its document, read as it arrives; the first run also tells the count
// of all and hears Cancel.
struct Shard final : exec::RunObserver {
    ListXmlImport import;
    std::atomic<int> games = 0;
    std::atomic<bool> wrote = false;
    exec::Progress* progress = nullptr;
    const std::vector<std::unique_ptr<Shard>>* all = nullptr;

    void output(QByteArrayView data) override {
        wrote = wrote || !data.isEmpty();
        import.addData(data);
        games = import.games();
    }
    void tick() override {
        if (!progress)
            return;
        int count = 0;
        for (const std::unique_ptr<Shard>& each : *all)
            count += each->games;
        progress->setCount(count);
    }
    bool cancelRequested() override { return progress && progress->cancelRequested(); }
    bool takesInput() override { return progress && progress->takesInput(); }
};

// A run that found no machine for one of its patterns says so and ends with status 5, its
// document whole: no name began so, which is no fault.
bool onlyUnmatched(const exec::RunResult& run) {
    return run.status == exec::RunResult::Status::Finished && run.exitCode == 5 &&
           run.lastErrorLine.startsWith(QLatin1String("No matching machines found"));
}

} // namespace

QList<QStringList> shardPatterns(int shards, const QHash<QString, qint64>& counts) {
    struct Unit {
        QString pattern;
        qint64 weight;
    };
    const QByteArrayView starts(NameStarts);
    const auto weightOf = [&](qsizetype at) {
        return counts.isEmpty() ? UsualShares[at] : counts.value(QString(QChar(starts[at])));
    };
    qint64 total = 0;
    for (qsizetype at = 0; at < starts.size(); ++at)
        total += weightOf(at);
    shards = std::max(shards, 1);
    QList<Unit> units;
    for (qsizetype at = 0; at < starts.size(); ++at) {
        const QString first{QChar(starts[at])};
        const qint64 weight = weightOf(at);
        if (shards == 1 || weight * shards * 2 <= total) {
            units.append({first + u'*', weight});
            continue;
        }
        units.append({first, 0}); // the one-letter name itself
        for (char second : starts) {
            const QString prefix = first + QChar(second);
            units.append({prefix + u'*', counts.isEmpty() ? weight / starts.size() : counts.value(prefix)});
        }
    }
    // Neighbouring units fill each run up to its share of the whole; each later run keeps a unit.
    QList<QStringList> patterns(std::min<qsizetype>(shards, units.size()));
    qint64 placed = 0;
    qsizetype shard = 0;
    for (qsizetype at = 0; at < units.size(); ++at) {
        const qsizetype later = patterns.size() - shard - 1;
        if (!patterns[shard].isEmpty() && later > 0) {
            const qint64 end = total * (shard + 1) / patterns.size();
            if (units.size() - at <= later || placed + units[at].weight - end > end - placed)
                ++shard;
        }
        patterns[shard] << units[at].pattern;
        placed += units[at].weight;
    }
    return patterns;
}

int defaultShards() {
    // Today's emulator lists its machines on about two processors of its own (0.251: 9 s of
    // processor time in 6 s on two), so more runs than half the processors only take turns.
    return std::clamp(QThread::idealThreadCount() / 2, 1, 8);
}

QHash<QString, qint64> nameStartCounts(const QString& cataloguePath) {
    QHash<QString, qint64> counts;
    for (const QString& name : romNames(cataloguePath)) {
        ++counts[name.left(1)];
        ++counts[name.left(2)];
    }
    return counts;
}

std::optional<QString> listingFailure(const exec::RunResult& run, bool statusCounts) {
    QString detail;
    if (run.status == exec::RunResult::Status::Crashed)
        detail = QStringLiteral("it did not end normally");
    else if (statusCounts && run.status == exec::RunResult::Status::Finished && run.exitCode != 0)
        detail = QStringLiteral("exit status %1").arg(run.exitCode);
    else
        return std::nullopt;
    if (!run.lastErrorLine.isEmpty())
        detail += QStringLiteral(": ") + run.lastErrorLine;
    return detail;
}

Extraction importListXml(exec::CommandRunner& runner, const exec::Emulator& emulator, const config::AppState& state,
                         exec::Progress& progress, exec::RunResult& run, CatalogueInfo& info, int shards) {
    progress.setMessage(QStringLiteral("Creating gameinfo.txt..."));
    // Each document is read where it arrives, beside the emulator writing it; the count is shown
    // from the caller's thread.
    const QList<QStringList> patterns =
        shards > 1 ? shardPatterns(shards, nameStartCounts(state.cataloguePath())) : QList<QStringList>();
    std::vector<std::unique_ptr<Shard>> parts;
    QList<exec::Command> commands;
    QList<exec::RunObserver*> observers;
    for (qsizetype at = 0; at < std::max<qsizetype>(patterns.size(), 1); ++at) {
        parts.push_back(std::make_unique<Shard>());
        commands << (patterns.isEmpty() ? emulator.listing() : emulator.listing(patterns[at]));
        observers << parts.back().get();
    }
    parts.front()->progress = &progress;
    parts.front()->all = &parts;
    const QList<exec::RunResult> runs = patterns.isEmpty()
                                            ? QList<exec::RunResult>{runner.run(commands.front(), observers.front())}
                                            : runner.runAll(commands, observers);
    // The run told is the first that went wrong, else the first.
    run = runs.front();
    for (const exec::RunResult& each : runs) {
        if (each.status != exec::RunResult::Status::Finished || (each.exitCode != 0 && !onlyUnmatched(each))) {
            run = each;
            break;
        }
    }
    Extraction result;
    const auto cancelled = [](const exec::RunResult& each) {
        return each.status == exec::RunResult::Status::Cancelled;
    };
    if (std::any_of(runs.cbegin(), runs.cend(), cancelled)) {
        result.outcome = Extraction::Outcome::Cancelled;
    } else if (const std::optional<QString> failure = onlyUnmatched(run) ? std::nullopt : listingFailure(run, true)) {
        result.outcome = Extraction::Outcome::EmulatorFailed;
        result.detail = *failure;
    }
    ListXmlImport merged;
    QList<ListXmlImport*> imports;
    for (size_t at = 0; at < parts.size() && result.outcome == Extraction::Outcome::Written; ++at) {
        Shard& part = *parts[at];
        if (!part.wrote && onlyUnmatched(runs[qsizetype(at)]))
            continue; // none of its names is the emulator's
        if (!part.import.finish()) {
            result.outcome = Extraction::Outcome::BadDocument;
            result.detail = part.import.errorText();
        }
        imports << &part.import;
    }
    if (result.outcome == Extraction::Outcome::Written) {
        merged.merge(imports);
        if (merged.games() == 0)
            result.outcome = Extraction::Outcome::NoGames;
    }
    progress.setMessage(QString());
    if (result.outcome != Extraction::Outcome::Written)
        return result;
    result.games = merged.games();
    info = CatalogueInfo{exec::Interface::Today, merged.neoGeoFrom(), merged.romless()};
    // The facts go first: a catalogue is never newer than the facts beside it.
    if (!io::replaceFile(state.gameFactsPath(), merged.facts()) ||
        !io::replaceFile(state.cataloguePath(), merged.catalogue()) ||
        !writeCatalogueInfo(state.catalogueInfoPath(), info))
        result.outcome = Extraction::Outcome::CatalogueUnwritable;
    return result;
}

} // namespace catalogue
