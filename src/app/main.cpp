#include "app/MainWindow.h"
#include "app/SingleInstance.h"
#include "app/TerminationWatcher.h"
#include "core/config/AppState.h"
#include "core/config/CommandLine.h"
#include "core/io/Memory.h"
#include "gui/common/QtDialogs.h"

#include <QApplication>
#include <QIcon>
#include <QTextStream>

namespace {

// --help and --version need no window system: a console application is enough to find the folders.
int answer(int argc, char* argv[], config::CommandLine::Request request) {
    QCoreApplication application(argc, argv);
    QTextStream out(stdout);
    if (request == config::CommandLine::Request::Version) {
        out << config::versionText();
        return 0;
    }
    const QString appPath = config::applicationDirectory();
    out << config::helpText(appPath, config::userGuidePath(appPath, QCoreApplication::applicationDirPath()));
    return 0;
}

} // namespace

int main(int argc, char* argv[]) {
    io::returnLargeBlocksToSystem();
    // Names the user's data folder (~/.local/share/marqueon) and ties windows to the desktop entry.
    QCoreApplication::setApplicationName(config::ProgramName);
    QGuiApplication::setDesktopFileName(QStringLiteral(MARQUEON_APP_ID));

    QStringList arguments;
    for (int i = 1; i < argc; ++i)
        arguments += QString::fromLocal8Bit(argv[i]);
    const config::CommandLine commandLine = config::parseCommandLine(arguments);
    if (commandLine.request == config::CommandLine::Request::Error) {
        QTextStream(stderr) << commandLine.error << u'\n';
        return 2;
    }
    if (commandLine.request != config::CommandLine::Request::Run)
        return answer(argc, argv, commandLine.request);

    QApplication application(argc, argv);
    // The installed icon, where the desktop's theme has it; else the program's own, at three sizes
    // so that it stays sharp on dense screens.
    QIcon own;
    for (const char* size : {"48", "128", "256"})
        own.addFile(QStringLiteral(":/icons/marqueon-%1.png").arg(QLatin1String(size)));
    QApplication::setWindowIcon(QIcon::fromTheme(QStringLiteral(MARQUEON_APP_ID), own));
    app::SingleInstance instance(config::applicationDirectory());
    if (instance.activatePrevious())
        return 0;
    instance.listen();

    gui::QtDialogs dialogs;
    config::AppState state;
    app::MainWindow window(state, dialogs);
    QObject::connect(&instance, &app::SingleInstance::activationRequested, &window, &app::MainWindow::bringToFront);
    app::TerminationWatcher termination;
    QObject::connect(&termination, &app::TerminationWatcher::terminationRequested, &window,
                     &app::MainWindow::endBySignal);
    if (!window.load())
        return window.startFailed() ? 1 : 0;
    window.show();
    // Take the keyboard at once, also where no window manager hands it over.
    window.activateWindow();
    return QApplication::exec();
}
