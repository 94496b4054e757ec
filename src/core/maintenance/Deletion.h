#pragma once

#include "core/maintenance/EmulatorFiles.h"

#include <QSet>
#include <QStringList>

// The rules for deleting the emulator's per-game files, and what the user is told about it.
namespace maintenance {

// A deletion worked out before the user is asked, so that the question can say what goes.
struct Deletion {
    QString refusal;     // why Marqueon deletes nothing there; empty when it may
    QStringList files;   // the files that go
    QStringList folders; // game folders taken away afterwards, when nothing else is left in them

    qsizetype count() const { return files.size(); }
};

// A folder Marqueon never deletes files in, and what it is ("a ROM directory").
struct KeptFolder {
    QString path; // links resolved
    QString what;
};
// The emulator's directory, Marqueon's and the emulator's ROM and sample folders, the user's
// home folder and every folder above it.
QList<KeptFolder> keptFolders(const config::AppState& state, const EmulatorFiles& files, const QString& home);

// One game's files of a kind: its file in the folder and, where the emulator keeps a folder
// per game, that folder's files of the kind; the folder goes too once it is empty.
Deletion planGameDeletion(const GameFileLocation& where, const QString& game, const QList<KeptFolder>& kept);

// Every file of a kind: those directly in the folder and, where the emulator keeps a folder per
// game, the kind's files in the folders named after a catalogue game. Other folders, other files
// and links (and what they point to) are never touched.
Deletion planDeleteAll(const GameFileLocation& where, const QSet<QString>& games, const QList<KeptFolder>& kept);

// Deletes what was planned; the number of files that could not be deleted.
qsizetype carryOut(const Deletion& deletion);

// What the maintenance panel says of a kind's files: the classic emulator's texts as they always
// were (".cfg file"), today's naming its folders and what it keeps there (its "NVRAM").
struct FilesText {
    QString note;           // above the tab's boxes
    QString perGameCaption; // "Delete Selected Game's .CFG File"
    QString allCaption;     // "Delete All .CFG Files"
};
FilesText filesText(GameFiles kind, const GameFileLocation& where);
QString noGameFileMessage(const GameFileLocation& where, const QString& game);
QString askGameFileMessage(const GameFileLocation& where, const QString& game);
QString gameFileFailedMessage(const GameFileLocation& where, const QString& game);
QString noFilesMessage(const GameFileLocation& where);
// Today's question also says how many files will go.
QString askAllFilesMessage(const GameFileLocation& where, const Deletion& deletion);
QString filesFailedMessage(const GameFileLocation& where, qsizetype failed);

} // namespace maintenance
