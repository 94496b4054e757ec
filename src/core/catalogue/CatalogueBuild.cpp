#include "core/catalogue/CatalogueBuild.h"

#include "core/catalogue/ListInfoExtraction.h"
#include "core/catalogue/ListXmlBuild.h"
#include "core/config/AppState.h"
#include "core/exec/Progress.h"

#include <QFile>

namespace catalogue {

QString extractionProblem(const Extraction& extraction) {
    const QString kept = QStringLiteral("  The game list was not updated.");
    switch (extraction.outcome) {
    case Extraction::Outcome::ListingUnreadable:
        return QStringLiteral("Cannot read listinfo.txt.") + kept;
    case Extraction::Outcome::NoGames:
        return QStringLiteral("M.A.M.E. listed no games.") + kept;
    case Extraction::Outcome::CatalogueUnwritable:
        return QStringLiteral("Cannot write gameinfo.txt.") + kept;
    case Extraction::Outcome::UnknownEmulator:
        return QStringLiteral("The program in the M.A.M.E. directory does not answer as M.A.M.E. does (it says \"") +
               extraction.detail + QStringLiteral("\").") + kept;
    case Extraction::Outcome::EmulatorFailed:
        return QStringLiteral("M.A.M.E. stopped before it had listed all its games (") + extraction.detail +
               QStringLiteral(").") + kept;
    case Extraction::Outcome::BadDocument:
        return QStringLiteral("M.A.M.E.'s list of games cannot be read at ") + extraction.detail + u'.' + kept;
    case Extraction::Outcome::Cancelled:
        return extraction.firstBuild ? QStringLiteral("You cancelled the game list.  The game list was not built.")
                                     : QStringLiteral("You cancelled the game list.") + kept;
    case Extraction::Outcome::Written:
        break;
    }
    return QString();
}

namespace {

int countLines(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return 0;
    int lines = 0;
    QByteArray block(1 << 16, Qt::Uninitialized);
    for (qint64 got; (got = file.read(block.data(), block.size())) > 0;)
        lines += int(QByteArrayView(block.constData(), got).count('\n'));
    return lines;
}

// Which emulator answers: its banner says. A program that could not be started says nothing,
// and the interface stays as it was.
std::optional<QString> findInterface(exec::CommandRunner& runner, exec::Emulator& emulator, exec::RunResult& run) {
    struct Banner final : exec::RunObserver {
        QByteArray text;
        void output(QByteArrayView data) override {
            if (text.size() < (1 << 16))
                text += data;
        }
    } answer;
    run = runner.run(emulator.banner(), &answer);
    const QByteArray& banner = answer.text;
    if (run.status != exec::RunResult::Status::Finished)
        return std::nullopt;
    if (const std::optional<exec::Interface> interface = exec::interfaceFromHelp(banner)) {
        emulator.setInterface(*interface);
        return std::nullopt;
    }
    return QString::fromLatin1(banner.trimmed().split('\n').value(0).trimmed().left(80));
}

} // namespace

CatalogueBuild buildCatalogue(exec::CommandRunner& runner, exec::Emulator& emulator, const config::AppState& state,
                              exec::Progress& progress, int shards) {
    CatalogueBuild build;
    progress.setMessage(QStringLiteral("Creating listinfo.txt..."));
    if (const std::optional<QString> stranger = findInterface(runner, emulator, build.run)) {
        build.extraction = {Extraction::Outcome::UnknownEmulator, 0, *stranger};
        return build;
    }
    if (build.run.status == exec::RunResult::Status::NoDirectory ||
        build.run.status == exec::RunResult::Status::DriveFault)
        return build;
    // The former catalogue's size is what this one will roughly hold.
    const bool firstBuild = !QFile::exists(state.cataloguePath());
    progress.setTotal(firstBuild ? 0 : countLines(state.cataloguePath()));
    progress.setCancellable(true);
    if (emulator.listingFormat() == exec::ListingFormat::ListXml) {
        build.extraction = importListXml(runner, emulator, state, progress, build.run, build.info,
                                         shards > 0 ? shards : defaultShards());
    } else {
        exec::ProgressObserver reading(progress, [](QByteArrayView line) { return line.startsWith("game ("); });
        build.run = runner.run(emulator.listing(), &reading);
        progress.setCancellable(false);
        if (build.run.status == exec::RunResult::Status::Cancelled) {
            build.extraction.outcome = Extraction::Outcome::Cancelled;
        } else if (const std::optional<QString> failure = listingFailure(build.run, false)) {
            // Half a listing would make a catalogue with games missing.
            build.extraction = {Extraction::Outcome::EmulatorFailed, 0, *failure};
        } else if (build.run.status != exec::RunResult::Status::NoDirectory) {
            build.extraction = createGameInfo(state.listingPath(), state.cataloguePath(), progress);
            // A classic catalogue needs nothing beside it.
            if (build.extraction.outcome == Extraction::Outcome::Written) {
                QFile::remove(state.catalogueInfoPath());
                QFile::remove(state.gameFactsPath());
            }
        }
    }
    progress.setCancellable(false);
    build.extraction.firstBuild = firstBuild;
    if (build.extraction.outcome == Extraction::Outcome::Written)
        emulator.setRomless(build.info.romless);
    return build;
}

} // namespace catalogue
