#pragma once

#include "app/MainWindow.h"
#include "catalogue/GameListModel.h"
#include "catalogue/GameListView.h"
#include "support/Listing.h"
#include "support/ScriptedDialogs.h"
#include "support/TestSandbox.h"

#include <QApplication>
#include <QDialog>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <memory>

using catalogue::GameListView;

namespace {

// Listing order; sorted by description they read galx, galxb, nam1975, neob, zoom.
const QList<ListedGame> Games = {
    {"galx", "Galaxy Raid"},
    {"galxb", "Galaxy Raid (bootleg)", "galx", "1982"},
    {"zoom",
     "Zoom Racer",
     {},
     "1979",
     "video ( screen raster orientation horizontal x 256 y 224 colors 16 freq 60.0 )"},
    {"nam1975", "NAM-1975", {}, "1990"},
    {"neob", "Neo Brawl", {}, "1993"},
};

} // namespace

// Runs an action on the next modal dialog once it shows (the setup wizard, say), since
// the code that opens it waits until it closes.
inline void onNextModal(std::function<void(QDialog*)> action) {
    auto* timer = new QTimer;
    timer->setInterval(10);
    QObject::connect(timer, &QTimer::timeout, [timer, action] {
        if (auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget())) {
            timer->stop();
            timer->deleteLater();
            action(dialog);
        }
    });
    timer->start();
}

// One start of Marqueon on a sandbox installation, with scripted dialogs.
class Session {
public:
    Session() {
        sandbox.setCatalogue(listing(Games));
        TestSandbox::addArchive(sandbox.state().ROMPath, "galx");
        TestSandbox::addArchive(sandbox.state().NeoROMPath, "nam1975");
        qputenv("MARQUEON_HOME", sandbox.appPath().toLocal8Bit());
    }

    // Runs the load sequence and, when it succeeds, shows the window and waits for the
    // first activation. False when the program would end instead.
    bool start() {
        state = app::AppState();
        window = std::make_unique<app::MainWindow>(state, dialogs);
        if (!window->load())
            return false;
        window->show();
        return QTest::qWaitFor([&] { return !state.StartingUp; });
    }

    template <typename T> T* child(const QString& name) const { return window->findChild<T*>(name); }
    GameListView* list(const char* name) const { return child<GameListView>(QLatin1String(name)); }
    QString panel(int number) const { return child<QLabel>(QStringLiteral("Panel%1").arg(number))->text(); }
    QString shownCaption() const { return child<QGroupBox>("fraList")->title(); }
    bool enabled(const char* button) const { return child<QPushButton>(QLatin1String(button))->isEnabled(); }
    QString selectedRom(const char* name) const {
        const catalogue::GameRecord* game = list(name)->selectedGame();
        return game ? game->romName() : QString();
    }
    QByteArray shutDownSection() const {
        const QByteArray options = readFile(sandbox.optionsFile());
        return options.mid(options.indexOf("[ShutDown]"));
    }
    void clickColumn(GameListView* view, int column) {
        QHeaderView* header = view->header();
        QTest::mouseClick(header->viewport(), Qt::LeftButton, {},
                          QPoint(header->sectionViewportPosition(column) + 5, header->height() / 2));
    }
    void clickRow(GameListView* view, int row, bool twice = false) {
        const QRect rect = view->visualRect(view->model()->index(row, 0));
        QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, rect.center());
        if (twice)
            QTest::mouseDClick(view->viewport(), Qt::LeftButton, {}, rect.center());
    }

    TestSandbox sandbox;
    ScriptedDialogs dialogs;
    app::AppState state;
    std::unique_ptr<app::MainWindow> window;
};
