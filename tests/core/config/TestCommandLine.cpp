#include "core/config/CommandLine.h"
#include "support/TableRows.h"

using Request = config::CommandLine::Request;
Q_DECLARE_METATYPE(Request)

class TestCommandLine : public QObject {
    Q_OBJECT
private slots:
    void readsTheRequest_data() {
        columns<QStringList, Request, QString>({"arguments", "request", "error"});
        row("nothing", QStringList{}, Request::Run, QString());
        row("--help", QStringList{"--help"}, Request::Help, QString());
        row("-v", QStringList{"-v"}, Request::Version, QString());
        row("Qt's options, values included", QStringList{"-style", "fusion", "--platform=offscreen", "-reverse"},
            Request::Run, QString());
        row("after Qt's options", QStringList{"-platform", "offscreen", "--version"}, Request::Version, QString());
        row("unknown option", QStringList{"--bogus", "--help"}, Request::Error, QString("unknown option '--bogus'"));
        row("argument", QStringList{"galaga"}, Request::Error, QString("unexpected argument 'galaga'"));
    }
    void readsTheRequest() {
        const config::CommandLine line = config::parseCommandLine(cell<QStringList>("arguments"));
        QCOMPARE(line.request, cell<Request>("request"));
        QCOMPARE(line.error.section(u'\n', 0, 0).section(QStringLiteral(": "), 1), cell<QString>("error"));
    }
};

QTEST_GUILESS_MAIN(TestCommandLine)
#include "TestCommandLine.moc"
