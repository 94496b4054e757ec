#pragma once

#include "core/exec/Command.h"

#include <QSet>

#include <optional>

namespace config {
struct AppState;
}

namespace exec {

struct RunResult;

// The two kinds of emulator Marqueon speaks to: the MS-DOS one of 2000 ("M.A.M.E. v0.37 ...":
// -listinfo, -verifysets, mame.cfg, snap/NAME.png) and today's MAME ("MAME v0.251 ...":
// -listxml, -verifyroms, mame.ini, snap/NAME/0000.png).
enum class Interface { Classic, Today };

// The interface a -help banner announces; nothing for any other program.
std::optional<Interface> interfaceFromHelp(QByteArrayView helpOutput);
// The word that stands for an interface in Marqueon's files: "M.A.M.E." or "MAME".
QString interfaceWord(Interface interface);
std::optional<Interface> interfaceFromWord(const QString& word);

// Whether a game's name is one the emulator uses: letters, digits and underscores, at most 16.
// Any other name, from a listing or a catalogue someone edited, never reaches the emulator or
// a file path: "-autoboot_script" would be an option, "../x" a file elsewhere.
bool isPlainGameName(QStringView name);
// What the user is told when such a name is chosen; the name shown safely (no control
// characters, cut when long).
QString unplainGameNameMessage(const QString& name);

// The whole-collection reports, each kept in its own file under the reports folder.
enum class Report { Roms, Samples, Sets };
constexpr Report AllReports[] = {Report::Roms, Report::Samples, Report::Sets};
QString reportFileName(Report report); // "roms.txt", "samples.txt", "sets.txt"

// How the emulator lists its games: the classic text listing, kept in listinfo.txt, or today's
// XML document, read as it is written.
enum class ListingFormat { ListInfo, ListXml };

// The ROM sets in one directory, listed once so that a catalogue of tens of thousands of
// games needs no file test per game: NAME.zip, and for today's emulator NAME.7z and a folder NAME.
class RomSetIndex {
public:
    RomSetIndex() = default;
    RomSetIndex(const QString& directory, Interface interface);
    bool contains(const QString& romName) const;

private:
    QSet<QString> m_names;
};

// Every emulator run Marqueon makes, built for the emulator's interface, and what else differs
// between the two: where a game's ROM set and screen shot are. Nothing else tells the interfaces
// apart.
class Emulator {
public:
    explicit Emulator(const config::AppState& state, Interface interface = Interface::Classic);

    Interface interface() const { return m_interface; }
    void setInterface(Interface interface) { m_interface = interface; }
    // The games that need no ROM file at all (today's catalogue names them).
    void setRomless(QSet<QString> names) { m_romless = std::move(names); }

    // The usage text with the version banner, into version.txt.
    Command help() const;
    // The same for finding the interface: read from standard output, not kept.
    Command banner() const;
    // Today's emulator's effective options (EmulatorConfig), read from standard output.
    Command showConfig() const;
    // The emulator checks options without running anything: status 6 for one it does not know.
    Command optionCheck(const QStringList& options) const;

    ListingFormat listingFormat() const;
    // The full game information: into listinfo.txt, or to be read as it is written.
    Command listing() const;
    // Today's listing of the machines whose names match the patterns ("a*", "b*" ...).
    Command listing(const QStringList& patterns) const;

    // The four questions of a single-game audit, in the order they are run, into temp1.txt to
    // temp4.txt.
    Command verifyRoms(const QString& game) const;
    Command verifySamples(const QString& game) const;
    Command listRoms(const QString& game) const;
    Command listSamples(const QString& game) const;

    // A whole-collection report into its file.
    Command verifyAll(Report report) const;

    // A game start: the ROM name, then the options, each word one argument; today's emulator
    // also gets Marqueon's ROM, sample and snapshot directories.
    Command play(const QStringList& arguments) const;
    // What the user is told when a game start failed: today's emulator ends with an error status
    // and says why on its last error line; the classic one is not asked.
    std::optional<QString> playProblem(const RunResult& result) const;

    // The ROM sets of a directory, as this emulator finds them.
    RomSetIndex romSets(const QString& directory) const;
    // Whether a game can run: its set lies in the Retro or the Neo-Geo ROM directory, or (today)
    // it needs no ROM file.
    bool isInstalled(const QString& romName) const;
    bool needsNoRoms(const QString& romName) const;

    // A game's screen shot in the snapshot directory: NAME.png, else (today) the first picture
    // in the folder NAME; empty when there is none.
    QString screenShot(const QString& romName) const;

    // Where the emulator's readme may be, in the order looked at: its directory's readme.txt, and
    // for today's emulator Debian's documentation too; and what is said when none is there.
    QStringList readmeFiles() const;
    QString missingReadmeMessage() const;

    // Whether a collection report without a summary line still says what happened: today's
    // emulator writes why it found nothing ("sampleset "*" not found!") instead.
    bool explainsReportsWithoutSummary() const { return m_interface == Interface::Today; }
    // The longest command line the emulator takes (the classic one's MS-DOS limit); none today.
    std::optional<int> commandLineLimit() const;
    // Whether it keeps settings in ini files of its own (raster.ini, NAME.ini) that Marqueon
    // edits, rather than reading them from Marqueon's settings files on the command line.
    bool keepsSettingsInIniFiles() const { return m_interface == Interface::Today; }
    // Whether its own menu keeps favourites (favorites.ini) that Marqueon can take and give.
    bool keepsFavourites() const { return m_interface == Interface::Today; }
    // Whether it says where it keeps its files in its configuration (mame -showconfig).
    bool hasConfiguration() const { return m_interface == Interface::Today; }
    // The options of a game start, as the classic emulator spells them ("-gamma 1.20", "-sr 44100"),
    // each word one argument in this emulator's spelling; today's leaves out what it has no
    // equivalent for.
    QStringList optionArguments(const QStringList& classicTokens) const;

private:
    Command run(QStringList arguments, const QString& outputName) const;
    Command forGame(const QString& game, Command command) const;
    Command withDirectories(Command command) const;

    const config::AppState& m_state;
    Interface m_interface;
    QSet<QString> m_romless;
};

} // namespace exec
