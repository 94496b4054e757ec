#pragma once

#include "app/MainWindow.h"
#include "core/catalogue/GameListModel.h"
#include "gui/catalogue/GameListView.h"
#include "support/Listing.h"
#include "support/ScriptedDialogs.h"
#include "support/TestSandbox.h"

#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <memory>

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

// The status bar's six panels, left to right.
const char* const StatusPanels[6] = {"totalLabel",  "nameLabel",        "romLabel",
                                     "originLabel", "orientationLabel", "settingsLabel"};

} // namespace

// Runs an action on the next modal dialog once it shows (the setup dialog, say), since the
// code that opens it waits until it closes.
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

// One start of Marqueon on a sandbox installation, with scripted dialogs. Tests drive it as
// a user would: actions, buttons, keys and clicks, and read what is shown.
class Session {
public:
    explicit Session(const QList<ListedGame>& games = Games) {
        sandbox.setCatalogue(listing(games));
        TestSandbox::addArchive(sandbox.state().directories.retroRoms, "galx");
        TestSandbox::addArchive(sandbox.state().directories.neoGeoRoms, "nam1975");
        qputenv("MARQUEON_HOME", sandbox.appPath().toLocal8Bit());
    }

    // Runs the load sequence and, when it succeeds, shows the window and waits for the first
    // list to be shown. False when the program would end instead.
    bool start() {
        window.reset();
        state = config::AppState();
        window = std::make_unique<app::MainWindow>(state, dialogs);
        if (!window->load())
            return false;
        window->show();
        return QTest::qWaitFor([&] { return !child<QGroupBox>("listPanel")->title().isEmpty(); });
    }

    // Starts on a finished setup with the list choice and the ShutDown lines given.
    bool startWith(const QByteArray& gameList = "RetroP", const QByteArray& shutDown = {}) {
        sandbox.writeOptions(gameList, shutDown.isEmpty() ? QByteArray() : "[ShutDown]\r\n" + shutDown + "\r\n");
        return start();
    }

    template <typename T> T* child(const QString& name) const { return window->findChild<T*>(name); }
    template <typename T> T* child(const char* name) const { return child<T>(QLatin1String(name)); }
    gui::GameListView* list(const char* name) const { return child<gui::GameListView>(name); }
    QString panel(int number) const { return child<QLabel>(StatusPanels[number - 1])->text(); }
    QString shownCaption() const { return child<QGroupBox>("listPanel")->title(); }
    QString listCaption() const { return child<QLabel>("listLabel")->text(); }
    bool enabled(const char* name) const { return child<QAbstractButton>(name)->isEnabled(); }
    void click(const char* button) const { QTest::mouseClick(child<QAbstractButton>(button), Qt::LeftButton); }
    void trigger(const char* action) const { child<QAction>(action)->trigger(); }
    QString selectedRom(const char* name) const {
        const catalogue::GameRecord* game = list(name)->selectedGame();
        return game ? game->romName() : QString();
    }
    // Selects the game with that ROM name in the all-games list, as a click would.
    void select(const QString& rom, const char* name = "allList") {
        const QStringList roms = shownRoms(name).split(u' ');
        if (roms.contains(rom))
            clickRow(list(name), int(roms.indexOf(rom)));
    }
    // The ROM names of the games a list shows, in its order.
    QString shownRoms(const char* name) const {
        const QAbstractItemModel* games = list(name)->model();
        QStringList roms;
        for (int row = 0; row < games->rowCount(); ++row)
            roms << games->index(row, catalogue::GameRecord::RomName).data().toString();
        return roms.join(u' ');
    }
    // What a list shows of a game in a column; "<not shown>" when the game is not shown.
    QString shownText(const char* name, const QString& rom, int column) const {
        const QAbstractItemModel* games = list(name)->model();
        for (int row = 0; row < games->rowCount(); ++row) {
            if (games->index(row, catalogue::GameRecord::RomName).data().toString() == rom)
                return games->index(row, column).data().toString();
        }
        return QStringLiteral("<not shown>");
    }
    void type(const QString& text) const { QTest::keyClicks(child<QLineEdit>("searchEdit"), text); }
    // The options file's ShutDown section, up to the next section.
    QByteArray shutDownSection() const {
        const QByteArray options = readFile(sandbox.optionsFile());
        const qsizetype start = options.indexOf("[ShutDown]");
        const qsizetype next = options.indexOf("\r\n[", start);
        return options.mid(start, next < 0 ? -1 : next + 2 - start);
    }
    void clickColumn(gui::GameListView* view, int column) {
        QHeaderView* header = view->header();
        QTest::mouseClick(header->viewport(), Qt::LeftButton, {},
                          QPoint(header->sectionViewportPosition(column) + 5, header->height() / 2));
    }
    void clickRow(gui::GameListView* view, int row, bool twice = false) {
        view->scrollTo(view->model()->index(row, 0));
        const QRect rect = view->visualRect(view->model()->index(row, 0));
        QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, rect.center());
        if (twice)
            QTest::mouseDClick(view->viewport(), Qt::LeftButton, {}, rect.center());
    }
    // Exit, answering Yes: the view is saved.
    bool exit() {
        dialogs.answers << true;
        return window->close();
    }
    // Whether a panel covers the list: the list frame is then out of reach.
    bool panelOpen() const { return !child<QGroupBox>("listPanel")->isEnabled(); }
    // The text panel: its caption, its text and its buttons; leaving it by its return button.
    QString textCaption() const { return child<QGroupBox>("textPanel")->title(); }
    QString text() const { return child<QPlainTextEdit>("textBox")->toPlainText(); }
    QPushButton* textButton(const char* name) const {
        return child<QWidget>("textPanel")->findChild<QPushButton*>(QLatin1String(name));
    }
    void leaveText() const { QTest::mouseClick(textButton("returnButton"), Qt::LeftButton); }

    TestSandbox sandbox;
    ScriptedDialogs dialogs;
    config::AppState state;
    std::unique_ptr<app::MainWindow> window;
};
