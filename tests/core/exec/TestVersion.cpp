#include "core/exec/Version.h"
#include "support/TableRows.h"

class TestVersion : public QObject {
    Q_OBJECT
private slots:
    void version_data() {
        columns<QByteArray, QString>({"help", "version"}); // help "<none>": no output file
        const QByteArray banner = "M.A.M.E. v0.37 BETA 5 (Jul  2 2000) - Multiple Arcade Machine Emulator";
        const QByteArray usage = "Copyright (C) 1997-2000 by the team\r\n\r\nUsage:  MAME gamename [options]\r\n";
        const char* const beta5 = "M.A.M.E. Version 0.37 BETA 5";
        row("banner first", banner + "\r\n" + usage, beta5);
        row("lines before the banner skipped",
            "\r\n   \r\nloading...\r\n M.A.M.E. v9 (indented)\r\nWelcome to M.A.M.E. v1 (x)\r\n" + banner + "\r\n",
            beta5);
        row("the first banner wins", "M.A.M.E. v0.36 (Jan  1 2000)\r\n" + banner, "M.A.M.E. Version 0.36");
        row("every lower-case v", QByteArray("M.A.M.E. v0.37b5 rev2 (Jul  2 2000)"),
            "M.A.M.E. Version 0.37b5 reVersion 2");
        row("capital V kept", QByteArray("M.A.M.E. V0.37 (Jul  2 2000)"), "M.A.M.E. V0.37");
        row("v after the date dropped", QByteArray("M.A.M.E. 0.37 (Jul  2 2000) v"), "M.A.M.E. 0.37");
        row("no blank before the date", QByteArray("M.A.M.E. v0.37(Jul  2 2000)"), "M.A.M.E. Version 0.37");
        row("today's banner", QByteArray("MAME v0.251 (unknown)\nCopyright MAMEdev and contributors\n"),
            "MAME Version 0.251");
        row("banner without parenthesis", QByteArray("M.A.M.E. v0.37 BETA 5\r\nusage\r\n"), beta5);
        row("no banner", usage, "Unknown");
        row("name in lower case", QByteArray("m.a.m.e. v0.37 (Jul  2 2000)\r\n"), "Unknown");
        row("empty output", QByteArray(""), "Unknown");
        row("no output", QByteArray("<none>"), "Unknown");
    }
    void version() {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("version.txt"));
        place(path, cell<QByteArray>("help"));
        QTEST(exec::versionFromHelp(path), "version");
    }
};

QTEST_GUILESS_MAIN(TestVersion)
#include "TestVersion.moc"
