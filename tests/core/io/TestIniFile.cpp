#include "core/io/IniFile.h"
#include "support/TableRows.h"

class TestIniFile : public QObject {
    Q_OBJECT
    QString path() const { return m_dir.filePath(QStringLiteral("options.ini")); }
    QTemporaryDir m_dir;
private slots:
    void read_data() {
        columns<QByteArray, QString, QString, QString>({"content", "section", "key", "expected"});
        const QByteArray file =
            crlf("[Preferences]|GameList=RetroP|HideClones = True |[Directories]|MAME=C:\\Games\\MAME\\|");
        row("value", file, "Preferences", "GameList", "RetroP");
        row("names ignore case", file, "preferences", "GAMELIST", "RetroP");
        row("blanks around the value", file, "Preferences", "HideClones", "True");
        row("other section", file, "Directories", "MAME", "C:\\Games\\MAME\\");
        row("key of another section", file, "Directories", "GameList", "default");
        row("missing key", file, "Preferences", "CloneShots", "default");
        row("missing section", file, "ShutDown", "GameList", "default");
        row("missing file", QByteArray("<none>"), "Preferences", "GameList", "default");
        row("empty value is not the default", crlf("[P]|HideClones=|"), "P", "HideClones", "");
        row("long value cut at 254", crlf("[P]|K=") + QByteArray(300, 'x') + "\r\n", "P", "K", QString(254, u'x'));
        row("LF-only file", crlf("[P]\nA=1\n[Q]\nA=2\n"), "Q", "A", "2");
        row("no line end at the end", crlf("[P]|A=last"), "P", "A", "last");
        row("first of two equal keys", crlf("[P]|A=1|A=2|"), "P", "A", "1");
        row("equals sign in the value", crlf("[P]|A=x=y|"), "P", "A", "x=y");
        row("Latin-1 bytes survive", crlf("[P]|A=caf\xe9|"), "P", "A", QString::fromLatin1("caf\xe9"));
    }
    void read() {
        place(path(), cell<QByteArray>("content"));
        QTEST(io::readIni(path(), cell<QString>("section"), cell<QString>("key"), "default"), "expected");
    }
    void write_data() {
        columns<QByteArray, QString, QString, QString, QByteArray>({"before", "section", "key", "value", "after"});
        row("creates the file", QByteArray("<none>"), "P", "A", "1", crlf("[P]|A=1|"));
        row("replaces in place", crlf("[P]|A=1|B=2|[Q]|A=3|"), "P", "A", "9", crlf("[P]|A=9|B=2|[Q]|A=3|"));
        row("replaces regardless of case", crlf("[P]|key = 1|"), "p", "Key", "2", crlf("[P]|key=2|"));
        row("adds at the end of its section", crlf("[P]|A=1||[Q]|B=2|"), "P", "C", "3", crlf("[P]|A=1|C=3||[Q]|B=2|"));
        row("adds a section at the end", crlf("[P]|A=1|"), "ShutDown", "GameView", "All Games",
            crlf("[P]|A=1|[ShutDown]|GameView=All Games|"));
        row("line breaks", QByteArray("<none>"), "P", "A", "one\r\ntwo\nthree", crlf("[P]|A=one  two three|"));
        row("LF-only file keeps its content", crlf("[P]\nA=1\n[Q]\nB=2\n"), "Q", "B", "5", crlf("[P]|A=1|[Q]|B=5|"));
        row("empty value", crlf("[P]|A=1|"), "P", "A", "", crlf("[P]|A=|"));
        row("a folder in the way: not written", QByteArray("/"), "P", "A", "1", QByteArray("/"));
    }
    void write() {
        place(path(), cell<QByteArray>("before"));
        QCOMPARE(io::writeIni(path(), cell<QString>("section"), cell<QString>("key"), cell<QString>("value")),
                 cell<QByteArray>("before") != "/");
        QTEST(contents(path()), "after");
    }
};

QTEST_GUILESS_MAIN(TestIniFile)
#include "TestIniFile.moc"
