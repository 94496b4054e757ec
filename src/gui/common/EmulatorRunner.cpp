#include "gui/common/EmulatorRunner.h"

#include "gui/common/Dialogs.h"

namespace gui {

EmulatorRunner::EmulatorRunner(Dialogs& dialogs)
    : m_dialogs(dialogs) {}

bool EmulatorRunner::run(const exec::Command& command) {
    exec::RunResult result;
    return run(command, result);
}

bool EmulatorRunner::run(const exec::Command& command, exec::RunResult& result, exec::RunObserver* observer) {
    result = m_runner.run(command, observer);
    return report(result);
}

bool EmulatorRunner::report(const exec::RunResult& result) {
    switch (result.status) {
    case exec::RunResult::Status::DriveFault:
        m_dialogs.message(QStringLiteral("There is a problem communicating with the drive M.A.M.E. is on!  Try again."),
                          Dialogs::Icon::Critical);
        return true;
    case exec::RunResult::Status::NoDirectory:
        m_dialogs.message(QStringLiteral("Error: ") + result.error, Dialogs::Icon::Critical);
        m_dialogs.endProgram();
        return false;
    case exec::RunResult::Status::Finished:
    case exec::RunResult::Status::Crashed:
    case exec::RunResult::Status::NotStarted:
    case exec::RunResult::Status::Cancelled:
        break;
    }
    return true;
}

std::optional<maintenance::EmulatorFiles> EmulatorRunner::locateFiles(const config::AppState& state,
                                                                      const exec::Emulator& emulator) {
    std::optional<maintenance::EmulatorFiles> files = maintenance::EmulatorFiles::locate(state, emulator, m_runner);
    if (!files)
        m_dialogs.message(QStringLiteral("M.A.M.E. did not say where it keeps its mame.ini file (mame -showconfig)."),
                          Dialogs::Icon::Critical);
    return files;
}

} // namespace gui
