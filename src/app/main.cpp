#include "app/MainWindow.h"
#include "app/SingleInstance.h"
#include "core/config/AppState.h"
#include "gui/common/QtDialogs.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Marqueon"));

    app::SingleInstance instance(config::applicationDirectory());
    if (instance.activatePrevious())
        return 0;
    instance.listen();

    gui::QtDialogs dialogs;
    config::AppState state;
    app::MainWindow window(state, dialogs);
    QObject::connect(&instance, &app::SingleInstance::activationRequested, &window, &app::MainWindow::bringToFront);
    if (!window.load())
        return 0;
    window.show();
    // Take the keyboard at once, also where no window manager hands it over.
    window.activateWindow();
    return QApplication::exec();
}
