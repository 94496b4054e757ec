#pragma once

#include "core/catalogue/CatalogueInfo.h"
#include "core/catalogue/Extraction.h"
#include "core/exec/CommandRunner.h"

#include <QHash>
#include <QStringList>

#include <optional>

namespace config {
struct AppState;
}
namespace exec {
class Progress;
}

namespace catalogue {

// The first characters of the emulator's machine names, in the order it sorts them.
inline constexpr char NameStarts[] = "0123456789_abcdefghijklmnopqrstuvwxyz";

// The name patterns of each of several listing runs made at once ("a*", "b*" ...): every name
// matched once, in runs of neighbouring names that hold about as many machines each, weighed by
// the counts given (by first one and two characters, from the former catalogue; the emulator's
// usual shares where there are none). A first character too large for one run is split by its
// second ("m", "m0*" ... "mz*").
QList<QStringList> shardPatterns(int shards, const QHash<QString, qint64>& counts = {});

// How many listing runs go at once here: one for every two processors (an emulator run keeps
// about two busy itself), at least one, at most eight.
int defaultShards();

// The names in a catalogue, counted by their first character and by their first two.
QHash<QString, qint64> nameStartCounts(const QString& cataloguePath);

// Why a listing run cannot be trusted: an end from outside (a crash, a kill), or, where the
// status counts, an error status. Nothing for a run that went well.
std::optional<QString> listingFailure(const exec::RunResult& run, bool statusCounts);

// Today's listing read as the emulator writes it, by as many runs at once as shards asks (one:
// a single run of every name), merged into one catalogue in the order of one whole run. The
// catalogue and its facts are written only when every run ended well with a whole document.
Extraction importListXml(exec::CommandRunner& runner, const exec::Emulator& emulator, const config::AppState& state,
                         exec::Progress& progress, exec::RunResult& run, CatalogueInfo& info, int shards);

} // namespace catalogue
