#pragma once

#include <QString>

// Today's emulator reads its directories from the user's own mame.ini; Marqueon sets three keys
// there and leaves the rest of the file as the user keeps it.
namespace maintenance {

struct IniDirectories {
    QString rompath; // the ROM directories, already joined by ";"
    QString samplepath;
    QString snapshotDirectory;
};

// Sets rompath, samplepath and snapshot_directory in the file: every line of such a key is
// replaced where it stands, a missing key added at the end, every other byte kept (byte-order
// mark, line ends, comments, other keys). A missing file is created with its folder, holding
// the three keys only. False when it cannot be written (or a value holds a line break); the
// file then stays as it was.
bool writeMameIniDirectories(const QString& path, const IniDirectories& directories);

} // namespace maintenance
