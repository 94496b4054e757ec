// The options file: read, its sections written back into it, read again the same.
#include "FuzzSupport.h"

#include "core/config/OptionsFile.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static const QString path = fuzz::scratchPath(QStringLiteral("options.ini"));
    fuzz::writeFile(path, fuzz::bytes(data, size));

    config::AppState state;
    config::SavedView view;
    if (!config::readOptions(path, state, view))
        return 0; // a damaged file: the setup is shown instead
    fuzz::expect(config::writeSetup(path, state) && config::writeShutDown(path, view), "the file can be written");
    config::AppState again;
    config::SavedView viewAgain;
    fuzz::expect(config::readOptions(path, again, viewAgain), "what was written reads");

    // Values come back as the ini reader hands them out.
    config::Directories& directories = state.directories;
    for (QString* text : {&directories.mame, &directories.retroRoms, &directories.neoGeoRoms, &directories.samples,
                          &directories.snapshots, &view.mameDate})
        *text = fuzz::iniValue(*text);
    fuzz::expect(again.preferences == state.preferences, "the preferences read back");
    fuzz::expect(again.directories == state.directories, "the directories read back");
    fuzz::expect(viewAgain == view, "the last view reads back");
    return 0;
}
