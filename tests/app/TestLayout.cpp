#include "gui/about/AboutBox.h"
#include "gui/common/QtDialogs.h"
#include "gui/common/SplashWindow.h"
#include "gui/common/WaitWindow.h"
#include "gui/setup/SetupDialog.h"
#include "support/Session.h"
#include "support/TableRows.h"

#include <QAbstractButton>
#include <QTabWidget>

namespace {

// Every shown label, button and frame title of the window whose text is wider (or, wrapped,
// taller) than the control itself: text the user cannot read whole.
QStringList clipped(const QWidget* window) {
    QCoreApplication::processEvents(); // the layouts' pending requests
    QStringList found;
    for (const QWidget* widget : window->findChildren<QWidget*>()) {
        if (!widget->isVisible())
            continue;
        const auto report = [&](const QString& text) {
            found << QStringLiteral("%1 \"%2\" (%3x%4, needs %5x%6)")
                         .arg(widget->objectName(), text)
                         .arg(widget->width())
                         .arg(widget->height())
                         .arg(widget->sizeHint().width())
                         .arg(widget->sizeHint().height());
        };
        if (const auto* label = qobject_cast<const QLabel*>(widget); label && !label->text().isEmpty()) {
            if (label->wordWrap() ? label->height() < label->heightForWidth(label->width())
                                  : label->width() < label->sizeHint().width())
                report(label->text());
        } else if (const auto* button = qobject_cast<const QAbstractButton*>(widget);
                   button && !button->text().isEmpty() && (button->width() < button->sizeHint().width() ||
                                                           button->height() < button->sizeHint().height())) {
            report(button->text());
        } else if (const auto* frame = qobject_cast<const QGroupBox*>(widget);
                   frame && frame->width() < frame->fontMetrics().horizontalAdvance(frame->title())) {
            report(frame->title());
        }
    }
    return found;
}

} // namespace

// Every window at this run's screen scale (QT_SCALE_FACTOR; the suite runs at 1, 1.5 and 2) and
// with a large desktop font: no text is cut off anywhere.
class TestLayout : public QObject {
    Q_OBJECT
    std::unique_ptr<Session> m_session;
    Session& s() { return *m_session; }

private slots:
    void init() { m_session = std::make_unique<Session>(); }
    void cleanup() { m_session.reset(); }

    void everyWindowShowsItsTextsWhole_data() {
        columns<int>({"fontPoints"});
        row("the desktop's font", 0);
        row("a large font", 16);
    }
    void everyWindowShowsItsTextsWhole() {
        const QFont before = QApplication::font();
        const auto restore = qScopeGuard([&] { QApplication::setFont(before); });
        if (const int points = cell<int>("fontPoints")) {
            QFont large = before;
            large.setPointSize(points);
            QApplication::setFont(large);
        }
        QVERIFY(s().startWith("RetroP", "ScreenShots=True"));
        QVERIFY2(clipped(s().window.get()).isEmpty(), qPrintable(clipped(s().window.get()).join(u'\n')));
        // Each panel in front in turn, and every tab of the maintenance panel.
        for (const char* action : {"rasterDefaultsAction", "maintenanceAction", "helpFileAction"}) {
            s().trigger(action);
            for (QTabWidget* tabs : s().window->findChildren<QTabWidget*>()) {
                for (int tab = 0; tab < tabs->count(); ++tab) {
                    if (!tabs->isVisible())
                        continue;
                    tabs->setCurrentIndex(tab);
                    QVERIFY2(clipped(s().window.get()).isEmpty(), qPrintable(clipped(s().window.get()).join(u'\n')));
                }
            }
            QVERIFY2(clipped(s().window.get()).isEmpty(), qPrintable(clipped(s().window.get()).join(u'\n')));
            for (QPushButton* back : s().window->findChildren<QPushButton*>()) {
                if (back->isVisible() && back->isEnabled() &&
                    (back->objectName() == "returnButton" || back->objectName() == "cancelButton"))
                    back->click();
            }
        }

        config::AppState state = s().sandbox.state();
        gui::SetupDialog setup(state, s().dialogs);
        setup.show();
        QVERIFY2(clipped(&setup).isEmpty(), qPrintable(clipped(&setup).join(u'\n')));
        setup.findChild<QPushButton*>("nextButton")->click();
        QVERIFY2(clipped(&setup).isEmpty(), qPrintable(clipped(&setup).join(u'\n')));

        gui::WaitWindow wait;
        wait.setReason("Please wait while M.A.M.E. checks your whole collection.");
        wait.setMessage("Creating gameinfo.txt...");
        wait.setCountCaption("Megabytes Read:");
        wait.setCancellable(true);
        wait.show();
        wait.setCount(17590);
        QVERIFY2(clipped(&wait).isEmpty(), qPrintable(clipped(&wait).join(u'\n')));

        gui::SplashWindow splash;
        splash.setMessage("Creating listinfo.txt...");
        splash.setCancellable(true);
        splash.show();
        QVERIFY2(clipped(&splash).isEmpty(), qPrintable(clipped(&splash).join(u'\n')));

        exec::Emulator emulator(state);
        gui::EmulatorRunner runner(s().dialogs);
        gui::AboutBox about(emulator, runner);
        about.show();
        QVERIFY2(clipped(&about).isEmpty(), qPrintable(clipped(&about).join(u'\n')));

        // Path Information, as the program shows it.
        QStringList shown;
        onNextModal([&](QDialog* box) {
            shown = clipped(box);
            box->accept();
        });
        gui::QtDialogs().message("Application Path:\t\t/home/someone/a rather long/folder name/marqueon/\r"
                                 "Short Application Path:\t/home/someone/a rather long/folder name/marqueon/",
                                 gui::Dialogs::Icon::Information, "Path Information");
        QVERIFY2(shown.isEmpty(), qPrintable(shown.join(u'\n')));
    }

    // The window grows: maximised, its lists and the picture beside them grow with it.
    void growsWithTheWindow() {
        QVERIFY(s().startWith("RetroP", "ScreenShots=True"));
        const QSize first = s().window->size();
        const int listWidth = s().list("allList")->width();
        const int pictureWidth = s().child<QWidget>("screenShot")->width();
        s().window->showMaximized();
        QTRY_VERIFY(s().window->size().width() > first.width());
        QTRY_VERIFY(s().list("allList")->width() + s().child<QWidget>("screenShot")->width() >
                    listWidth + pictureWidth);
        QVERIFY2(clipped(s().window.get()).isEmpty(), qPrintable(clipped(s().window.get()).join(u'\n')));
    }
};

QTEST_MAIN(TestLayout)
#include "TestLayout.moc"
