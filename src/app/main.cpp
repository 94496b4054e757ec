#include "app/MainWindow.h"
#include "app/SingleInstance.h"
#include "app/TerminationWatcher.h"
#include "core/config/AppState.h"
#include "core/config/CommandLine.h"
#include "core/io/Memory.h"
#include "gui/catalogue/GameListView.h"
#include "gui/common/QtDialogs.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QIcon>
#include <QTextStream>

#include <optional>

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

// For an observer timing the start (MARQUEON_STARTUP_MARK set): once a game list has first been
// painted, one line "shown GAMES MS" on standard output, the games it shows and the milliseconds
// since main() began. Watching paints from outside leaves the window's own code untouched.
class StartupMark final : public QObject {
public:
    explicit StartupMark(const QElapsedTimer& clock)
        : m_clock(clock) {
        qApp->installEventFilter(this);
    }

    bool eventFilter(QObject* watched, QEvent* event) override {
        const auto* list =
            event->type() == QEvent::Paint ? qobject_cast<gui::GameListView*>(watched->parent()) : nullptr;
        if (list && list->viewport() == watched) {
            qApp->removeEventFilter(this);
            const int games = list->shownCount();
            // Written once this paint is done, so that it counts.
            QMetaObject::invokeMethod(
                this,
                [this, games] { QTextStream(stdout) << "shown " << games << ' ' << m_clock.elapsed() << Qt::endl; },
                Qt::QueuedConnection);
        }
        return false;
    }

private:
    const QElapsedTimer& m_clock;
};

} // namespace

int main(int argc, char* argv[]) {
    QElapsedTimer started;
    started.start();
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
    std::optional<StartupMark> mark;
    if (qEnvironmentVariableIsSet("MARQUEON_STARTUP_MARK"))
        mark.emplace(started);
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
