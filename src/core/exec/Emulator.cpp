#include "core/exec/Emulator.h"

#include "core/config/AppState.h"
#include "core/exec/CommandRunner.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>

#include <algorithm>

#ifndef Q_OS_WIN
#include <dirent.h>
#endif

namespace exec {
namespace {

const QString ClassicWord = QStringLiteral("M.A.M.E.");
const QString TodayWord = QStringLiteral("MAME");

// The short form where there is one; a path that has none (it does not exist) stays whole, so
// a missing emulator is never looked for on the search path or a report written elsewhere.
QString commandPath(const QString& shortForm, const QString& longForm) {
    return shortForm.isEmpty() ? longForm : shortForm;
}

// The directories the way the emulator's options take them: a list separated by ";".
QString pathList(const QStringList& directories) {
    QStringList paths;
    for (const QString& directory : directories) {
        if (!directory.isEmpty() && !paths.contains(directory))
            paths << directory;
    }
    return paths.join(u';');
}

// One of the classic emulator's options, as today's takes it: the same where it kept it, its new
// spelling where it has one, nothing where it has no equivalent. Words of another kind (the
// user's own parameters) go as typed.
QStringList todayArguments(const QStringList& words) {
    static const QStringList gone = {"-auto",         "-vgafreq",
                                     "-monitor",      "-depth",
                                     "-vesamode",     "-skipcolumns",
                                     "-skiplines",    "-centerx",
                                     "-centery",      "-sb",
                                     "-hotrod",       "-hotrodse",
                                     "-tweak",        "-notweak",
                                     "-scanlines",    "-noscanlines",
                                     "-alwayssynced", "-noalwayssynced",
                                     "-stretch",      "-nostretch",
                                     "-novsync",      "-waitinterlace",
                                     "-triplebuffer", "-notriplebuffer",
                                     "-ntsc",         "-artwork",
                                     "-noartwork",    "-nowaitvsync",
                                     "-antialias",    "-noantialias",
                                     "-translucency", "-notranslucency",
                                     "-stereo",       "-nostereo",
                                     "-ym3812opl",    "-noym3812opl",
                                     "none",          "ask"};
    static const QRegularExpression resolution(QStringLiteral("^-(\\d+x\\d+)$"));
    const QString option = words.value(0);
    const QString value = words.value(1);
    if (option.isEmpty() || gone.contains(option))
        return {};
    if (const QRegularExpressionMatch size = resolution.match(option); size.hasMatch())
        return {QStringLiteral("-resolution"), size.captured(1)};
    if (option == u"-sr")
        return {QStringLiteral("-samplerate"), value};
    if (option == u"-beam")
        return {QStringLiteral("-beam_width_min"), value, QStringLiteral("-beam_width_max"), value};
    if (option == u"-soundcard")
        return value == u"0" ? QStringList{QStringLiteral("-sound"), QStringLiteral("none")} : QStringList();
    if (option == u"-joy")
        return value == u"none" ? QStringList() : QStringList{QStringLiteral("-joystick")};
    if (option == u"-frameskip") {
        if (value == u"auto")
            return {QStringLiteral("-autoframeskip")};
        // Today's emulator takes at most 10 and falls back to none for more.
        return {QStringLiteral("-frameskip"), QString::number(std::min(value.toInt(), 10))};
    }
    if (option == u"-vsync" || option == u"-waitvsync")
        return {QStringLiteral("-waitvsync")};
    return words;
}

} // namespace

std::optional<Interface> interfaceFromHelp(QByteArrayView helpOutput) {
    // The banner is the first line that names the emulator.
    for (const QByteArray& line : helpOutput.toByteArray().split('\n')) {
        if (line.startsWith("M.A.M.E. v"))
            return Interface::Classic;
        if (line.startsWith("MAME v"))
            return Interface::Today;
    }
    return std::nullopt;
}

QString interfaceWord(Interface interface) {
    return interface == Interface::Classic ? ClassicWord : TodayWord;
}

std::optional<Interface> interfaceFromWord(const QString& word) {
    if (word == ClassicWord)
        return Interface::Classic;
    if (word == TodayWord)
        return Interface::Today;
    return std::nullopt;
}

bool isPlainGameName(QStringView name) {
    constexpr qsizetype Longest = 16;
    if (name.isEmpty() || name.size() > Longest)
        return false;
    return std::all_of(name.begin(), name.end(), [](QChar c) {
        return (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z') || (c >= u'0' && c <= u'9') || c == u'_';
    });
}

QString unplainGameNameMessage(const QString& name) {
    constexpr qsizetype Shown = 40;
    QString shown = name.left(Shown);
    for (QChar& c : shown) {
        if (!c.isPrint())
            c = u'?';
    }
    if (name.size() > Shown)
        shown += QStringLiteral("...");
    return QStringLiteral("Marqueon will not use the game name \"%1\": M.A.M.E.'s game names hold only letters, "
                          "digits and underscores, at most 16 of them.")
        .arg(shown);
}

QString reportFileName(Report report) {
    switch (report) {
    case Report::Roms:
        return QStringLiteral("roms.txt");
    case Report::Samples:
        return QStringLiteral("samples.txt");
    case Report::Sets:
        break;
    }
    return QStringLiteral("sets.txt");
}

RomSetIndex::RomSetIndex(const QString& directory, Interface interface) {
    if (directory.isNull())
        return;
    const QString path = directory.isEmpty() ? QStringLiteral(".") : directory;
    const bool today = interface == Interface::Today;
    const auto add = [this](QString name) {
#ifdef Q_OS_WIN
        name = name.toLower();
#endif
        m_names.insert(name);
    };
#ifdef Q_OS_WIN
    QDirIterator it(path, QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot | QDir::Hidden);
    while (it.hasNext()) {
        const QFileInfo entry = it.nextFileInfo();
        if (entry.isDir() ? today
                          : entry.suffix().compare(u"zip", Qt::CaseInsensitive) == 0 ||
                                (today && entry.suffix().compare(u"7z", Qt::CaseInsensitive) == 0))
            add(entry.isDir() ? entry.fileName() : entry.completeBaseName());
    }
#else
    // One pass over the directory entries; only links and unknown types need a closer look.
    DIR* folder = ::opendir(QFile::encodeName(path).constData());
    if (!folder)
        return;
    while (const dirent* entry = ::readdir(folder)) {
        const QByteArrayView name(entry->d_name);
        if (name == "." || name == "..")
            continue;
        const auto type = [&]() -> int {
            if (entry->d_type != DT_UNKNOWN && entry->d_type != DT_LNK)
                return entry->d_type;
            const QFileInfo info(QDir(path).filePath(QFile::decodeName(entry->d_name)));
            return info.isDir() ? DT_DIR : info.isFile() ? DT_REG : DT_UNKNOWN;
        };
        if (name.endsWith(".zip") && name.size() > 4) {
            if (type() == DT_REG)
                add(QFile::decodeName(name.chopped(4).toByteArray()));
        } else if (today && name.endsWith(".7z") && name.size() > 3) {
            if (type() == DT_REG)
                add(QFile::decodeName(name.chopped(3).toByteArray()));
        } else if (today && type() == DT_DIR) {
            add(QFile::decodeName(name.toByteArray()));
        }
    }
    ::closedir(folder);
#endif
}

bool RomSetIndex::contains(const QString& romName) const {
#ifdef Q_OS_WIN
    return m_names.contains(romName.toLower());
#else
    return m_names.contains(romName);
#endif
}

Emulator::Emulator(const config::AppState& state, Interface interface)
    : m_state(state)
    , m_interface(interface) {}

// A game's command; a name the emulator does not use leaves it without a program, so that it
// can never run (callers refuse such names before).
Command Emulator::forGame(const QString& game, Command command) const {
    if (!isPlainGameName(game))
        command.program.clear();
    return command;
}

Command Emulator::run(QStringList arguments, const QString& outputName) const {
    const QString mame = commandPath(m_state.shortMamePath(), m_state.directories.mame);
    QString output;
    if (!outputName.isEmpty())
        output = commandPath(m_state.shortAppPath(), m_state.appPath) + QStringLiteral("reports") + QDir::separator() +
                 outputName;
    return Command{mame + config::mameFileName(), std::move(arguments), m_state.directories.mame, output, false};
}

// Today's emulator gets Marqueon's directories on the command line, so that what Marqueon shows
// as installed and what the emulator finds always agree; and it says some answers on standard
// error, which belong with the rest.
Command Emulator::withDirectories(Command command) const {
    if (m_interface == Interface::Classic)
        return command;
    const config::Directories& d = m_state.directories;
    command.arguments << QStringLiteral("-rompath") << pathList({d.retroRoms, d.neoGeoRoms})
                      << QStringLiteral("-samplepath") << pathList({d.samples});
    command.withErrors = !command.outputFile.isEmpty();
    return command;
}

Command Emulator::help() const {
    return run({QStringLiteral("-help")}, QStringLiteral("version.txt"));
}

Command Emulator::banner() const {
    return run({QStringLiteral("-help")}, QString());
}

Command Emulator::showConfig() const {
    return run({QStringLiteral("-showconfig")}, QString());
}

Command Emulator::optionCheck(const QStringList& options) const {
    return run(QStringList(options) << QStringLiteral("-showconfig"), QString());
}

ListingFormat Emulator::listingFormat() const {
    return m_interface == Interface::Classic ? ListingFormat::ListInfo : ListingFormat::ListXml;
}

Command Emulator::listing() const {
    if (m_interface == Interface::Classic)
        return run({QStringLiteral("-listinfo")}, config::ListingFileName);
    // Without the document type the emulator writes less and nothing is lost.
    return run({QStringLiteral("-listxml"), QStringLiteral("-nodtd")}, QString());
}

Command Emulator::listing(const QStringList& patterns) const {
    return run(QStringList{QStringLiteral("-listxml"), QStringLiteral("-nodtd")} + patterns, QString());
}

Command Emulator::verifyRoms(const QString& game) const {
    return forGame(game, withDirectories(run({game, QStringLiteral("-verifyroms")}, QStringLiteral("temp1.txt"))));
}

Command Emulator::verifySamples(const QString& game) const {
    return forGame(game, withDirectories(run({game, QStringLiteral("-verifysamples")}, QStringLiteral("temp2.txt"))));
}

Command Emulator::listRoms(const QString& game) const {
    return forGame(game, withDirectories(run({game, QStringLiteral("-listroms")}, QStringLiteral("temp3.txt"))));
}

Command Emulator::listSamples(const QString& game) const {
    return forGame(game, withDirectories(run({game, QStringLiteral("-listsamples")}, QStringLiteral("temp4.txt"))));
}

Command Emulator::verifyAll(Report report) const {
    if (m_interface == Interface::Today) {
        // Today's emulator checks every set when given no name, and knows no -verifysets.
        const QString verb =
            report == Report::Samples ? QStringLiteral("-verifysamples") : QStringLiteral("-verifyroms");
        return withDirectories(run({verb}, reportFileName(report)));
    }
    const QString verb = report == Report::Roms      ? QStringLiteral("-verifyroms")
                         : report == Report::Samples ? QStringLiteral("-verifysamples")
                                                     : QStringLiteral("-verifysets");
    return run({QStringLiteral("*"), verb}, reportFileName(report));
}

Command Emulator::play(const QStringList& arguments) const {
    Command command = forGame(arguments.value(0), withDirectories(run(arguments, QString())));
    if (m_interface == Interface::Today)
        command.arguments << QStringLiteral("-snapshot_directory") << pathList({m_state.directories.snapshots});
    return command;
}

std::optional<QString> Emulator::playProblem(const RunResult& result) const {
    // A drive or directory fault has been said already by whoever ran the command.
    if (m_interface == Interface::Classic || result.finishedWell() || result.status == RunResult::Status::DriveFault ||
        result.status == RunResult::Status::NoDirectory)
        return std::nullopt;
    const QString fatal = QStringLiteral("Fatal error: ");
    QString reason =
        result.lastErrorLine.startsWith(fatal) ? result.lastErrorLine.mid(fatal.size()) : result.lastErrorLine;
    if (result.status == RunResult::Status::NotStarted)
        reason = QStringLiteral("It could not be started.");
    else if (reason.isEmpty())
        reason = result.status == RunResult::Status::Crashed
                     ? QStringLiteral("It ended abnormally.")
                     : QStringLiteral("It ended with status %1.").arg(result.exitCode);
    return QStringLiteral("M.A.M.E. could not run the game.\r") + reason;
}

RomSetIndex Emulator::romSets(const QString& directory) const {
    return RomSetIndex(directory, m_interface);
}

bool Emulator::needsNoRoms(const QString& romName) const {
    return m_interface == Interface::Today && m_romless.contains(romName);
}

bool Emulator::isInstalled(const QString& romName) const {
    if (!isPlainGameName(romName))
        return false;
    if (needsNoRoms(romName))
        return true;
    const config::Directories& d = m_state.directories;
    for (const QString& directory : {d.retroRoms, d.neoGeoRoms}) {
        if (QFileInfo::exists(directory + romName + QStringLiteral(".zip")))
            return true;
        if (m_interface == Interface::Today &&
            (QFileInfo::exists(directory + romName + QStringLiteral(".7z")) || QFileInfo(directory + romName).isDir()))
            return true;
    }
    return false;
}

QString Emulator::screenShot(const QString& romName) const {
    if (!isPlainGameName(romName))
        return QString();
    const QString snapshots = m_state.directories.snapshots;
    const QString own = snapshots + romName + QStringLiteral(".png");
    if (m_interface == Interface::Classic || QFileInfo::exists(own))
        return own;
    // Today's emulator numbers its snapshots in a folder per game: the first one shows the game.
    QDir folder(snapshots + romName);
    const QStringList pictures =
        folder.exists() ? folder.entryList({QStringLiteral("*.png")}, QDir::Files, QDir::Name) : QStringList();
    return pictures.isEmpty() ? own : folder.filePath(pictures.first());
}

QStringList Emulator::readmeFiles() const {
    QStringList files = {m_state.directories.mame + QStringLiteral("readme.txt")};
    if (m_interface == Interface::Today)
        files << m_state.directories.mame + QStringLiteral("README.md")
              << QStringLiteral("/usr/share/doc/mame/README.md") << QStringLiteral("/usr/share/doc/mame/README.Debian");
    return files;
}

QString Emulator::missingReadmeMessage() const {
    if (m_interface == Interface::Classic)
        return QStringLiteral("Cannot find readme.txt!");
    return QStringLiteral("Cannot find M.A.M.E.'s readme: neither readme.txt in its directory nor its documentation "
                          "in /usr/share/doc/mame/ is there.");
}

QStringList Emulator::optionArguments(const QStringList& classicTokens) const {
    QStringList arguments;
    for (const QString& token : classicTokens) {
        const QStringList words = token.toLower().split(u' ', Qt::SkipEmptyParts);
        if (m_interface == Interface::Classic) {
            arguments << words;
            continue;
        }
        for (const QString& argument : todayArguments(words)) {
            // Vsync and Wait Vsync both ask for the one option today's emulator has.
            if (argument != u"-waitvsync" || !arguments.contains(argument))
                arguments << argument;
        }
    }
    return arguments;
}

std::optional<int> Emulator::commandLineLimit() const {
    if (m_interface == Interface::Classic)
        return 131;
    return std::nullopt;
}

} // namespace exec
