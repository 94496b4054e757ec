#include "core/artwork/ArtworkLibrary.h"
#include "support/TableRows.h"

#include <QSignalSpy>
#include <QTemporaryDir>

#include <archive.h>
#include <archive_entry.h>
#include <sys/stat.h>

using artwork::ArtKind;

namespace {

// A picture's bytes: its mark repeated, so that packs really compress them.
QByteArray picture(const QByteArray& mark) {
    return mark.repeated(20);
}

// A pack of our own making from "name=mark" entries; a "!" before a name damages its packed bytes.
QByteArray makePack(bool zip, bool stored, const QStringList& entries) {
    QByteArray pack(1 << 20, '\0');
    size_t used = 0;
    archive* writer = archive_write_new();
    zip ? archive_write_set_format_zip(writer) : archive_write_set_format_7zip(writer);
    if (stored)
        archive_write_set_options(writer, "zip:compression=store");
    archive_write_open_memory(writer, pack.data(), size_t(pack.size()), &used);
    for (const QString& layout : entries) {
        const QByteArray name = layout.section(u'=', 0, 0).remove(u'!').toUtf8(),
                         data = picture(layout.section(u'=', 1).toUtf8());
        archive_entry* entry = archive_entry_new();
        archive_entry_set_pathname(entry, name.constData());
        archive_entry_set_filetype(entry, AE_IFREG);
        archive_entry_set_perm(entry, 0644);
        archive_entry_set_size(entry, data.size());
        archive_write_header(writer, entry);
        archive_write_data(writer, data.constData(), size_t(data.size()));
        archive_entry_free(entry);
    }
    archive_write_close(writer);
    archive_write_free(writer);
    pack.truncate(qsizetype(used));
    for (const QString& layout : entries) {
        if (!layout.startsWith(u'!'))
            continue;
        const QByteArray name = layout.section(u'=', 0, 0).mid(1).toUtf8();
        const qsizetype at = pack.indexOf(name); // the local header's name comes first
        const qsizetype data = at + name.size() + uchar(pack[at - 2]) + 256 * uchar(pack[at - 1]);
        pack[data + 3] = char(pack[data + 3] ^ 0x5a);
    }
    return pack;
}

// Lays out a file from "path=mark", "path=<fifo>", or a pack "snap.zip{name=mark,...}", with
// "#stored" after the pack's name for a zip without compression and "<cut>" at the end for half of it.
void lay(const QString& folder, const QString& layout) {
    const QString path = folder + u'/' + layout.section(QRegularExpression("[={#]"), 0, 0);
    QDir().mkpath(QFileInfo(path).path());
    if (layout.endsWith(u"=<fifo>")) {
        QVERIFY(mkfifo(QFile::encodeName(path).constData(), 0600) == 0);
    } else if (layout.contains(u'{')) {
        const QStringList entries = layout.section(u'{', 1).section(u'}', 0, 0).split(u',');
        QByteArray pack = makePack(path.endsWith(u".zip"), layout.contains(u"#stored"), entries);
        writeFile(path, layout.endsWith(u"<cut>") ? pack.left(pack.size() / 2) : pack);
    } else {
        writeFile(path, layout.endsWith(u"=garbage") ? QByteArray("7z\xBC\xAF\x27\x1C\0\4garbage", 15)
                                                     : picture(layout.section(u'=', 1).toUtf8()));
    }
}

// Indexes the kind's packs and waits until that is done.
bool prepared(artwork::ArtworkLibrary& library, ArtKind kind) {
    QSignalSpy ready(&library, &artwork::ArtworkLibrary::ready);
    return !library.prepare(kind) || ready.wait(10000);
}

std::optional<QByteArray> lookUp(artwork::ArtworkLibrary& library, ArtKind kind, const QString& game, qint64 max) {
    const auto source = library.find(kind, game);
    return source ? artwork::ArtworkLibrary::load(*source, max) : std::nullopt;
}

} // namespace

class TestArtPacks : public QObject {
    Q_OBJECT
private slots:
    // Files laid out under the root ("extra/" is the kind's other folder); the mark of the
    // picture expected, or "<none>".
    void find_data() {
        columns<QStringList, ArtKind, QString, qint64, QByteArray>({"files", "kind", "game", "max", "expected"});
        const char* folders[] = {"snap", "titles", "flyers", "marquees", "cabinets", "cpanel", "pcb"};
        for (int k = 0; k < artwork::ArtKindCount; ++k) {
            const QString f = folders[k];
            const auto kind = ArtKind(k);
            QTest::addRow("%s folder", folders[k])
                << QStringList{f + "/pacman.png=F"} << kind << "pacman" << 999LL << QByteArray("F");
            QTest::addRow("%s zip", folders[k])
                << QStringList{f + ".zip{pacman.png=Z}"} << kind << "pacman" << 999LL << QByteArray("Z");
            QTest::addRow("%s 7z", folders[k])
                << QStringList{f + ".7z{pacman.jpg=S}"} << kind << "pacman" << 999LL << QByteArray("S");
            QTest::addRow("%s zip, top folder", folders[k])
                << QStringList{f + ".zip{" + f + "/pacman.png=T}"} << kind << "pacman" << 999LL << QByteArray("T");
            QTest::addRow("%s 7z, top folder", folders[k])
                << QStringList{f + ".7z{" + f + "/pacman.png=U}"} << kind << "pacman" << 999LL << QByteArray("U");
        }
        const auto shot = ArtKind::ScreenShot;
        row("stored zip", QStringList{"snap.zip#stored{mspacman.png=M}"}, shot, QString("mspacman"), 999LL,
            QByteArray("M"));
        row("png before jpg", QStringList{"snap/pacman.jpg=J", "snap/pacman.png=P"}, shot, QString("pacman"), 999LL,
            QByteArray("P"));
        row("png before jpg in a pack", QStringList{"snap.zip{pacman.jpg=J,snap/pacman.png=P,pacman.jpeg=K}"}, shot,
            QString("pacman"), 999LL, QByteArray("P"));
        row("any case, .jpeg", QStringList{"snap.7z{SNAP/PacMan.JPEG=J}"}, shot, QString("pacman"), 999LL,
            QByteArray("J"));
        row("folder before pack", QStringList{"snap/pacman.jpg=F", "snap.zip{pacman.png=Z}"}, shot, QString("pacman"),
            999LL, QByteArray("F"));
        row("zip before 7z", QStringList{"snap.zip{pacman.png=Z}", "snap.7z{pacman.png=S}"}, shot, QString("pacman"),
            999LL, QByteArray("Z"));
        row("roots before other folders", QStringList{"snap.zip{pacman.png=Z}", "extra/pacman.png=E"}, shot,
            QString("pacman"), 999LL, QByteArray("Z"));
        row("other folder", QStringList{"extra/pacman.jpg=E"}, shot, QString("pacman"), 999LL, QByteArray("E"));
        row("another kind's folder in a pack", QStringList{"snap.zip{titles/pacman.png=T,x/snap/pacman.png=X}"}, shot,
            QString("pacman"), 999LL, QByteArray("<none>"));
        row("another kind's pack", QStringList{"titles.zip{pacman.png=T}"}, shot, QString("pacman"), 999LL,
            QByteArray("<none>"));
        row("damaged entry", QStringList{"snap.zip{!pacman.png=D,galaga.png=G}"}, shot, QString("pacman"), 999LL,
            QByteArray("<none>"));
        row("sound entry beside a damaged one", QStringList{"snap.zip{!pacman.png=D,galaga.png=G}"}, shot,
            QString("galaga"), 999LL, QByteArray("G"));
        row("damaged stored entry", QStringList{"snap.zip#stored{!pacman.png=DAMAGED}"}, shot, QString("pacman"), 999LL,
            QByteArray("<none>"));
        row("truncated zip", QStringList{"snap.zip{pacman.png=Z,galaga.png=G}<cut>"}, shot, QString("pacman"), 999LL,
            QByteArray("<none>"));
        row("truncated 7z", QStringList{"snap.7z{pacman.png=Z,galaga.png=G}<cut>"}, shot, QString("pacman"), 999LL,
            QByteArray("<none>"));
        row("garbage zip", QStringList{"snap.zip=garbage"}, shot, QString("pacman"), 999LL, QByteArray("<none>"));
        row("garbage 7z", QStringList{"snap.7z=garbage"}, shot, QString("pacman"), 999LL, QByteArray("<none>"));
        row("file at its limit", QStringList{"snap/pacman.png=1234"}, shot, QString("pacman"), 80LL,
            QByteArray("1234"));
        row("file over the limit", QStringList{"snap/pacman.png=1234"}, shot, QString("pacman"), 79LL,
            QByteArray("<none>"));
        row("zip entry at its limit", QStringList{"snap.zip{pacman.png=1234}"}, shot, QString("pacman"), 80LL,
            QByteArray("1234"));
        row("zip entry over the limit", QStringList{"snap.zip{pacman.png=1234}"}, shot, QString("pacman"), 79LL,
            QByteArray("<none>"));
        row("7z entry over the limit", QStringList{"snap.7z{pacman.png=1234}"}, shot, QString("pacman"), 79LL,
            QByteArray("<none>"));
        row("pipe as picture", QStringList{"snap/pacman.png=<fifo>", "snap/pacman.jpg=J"}, shot, QString("pacman"),
            999LL, QByteArray("J"));
        row("pipe as pack", QStringList{"snap.zip=<fifo>", "snap.7z{pacman.png=S}"}, shot, QString("pacman"), 999LL,
            QByteArray("S"));
        row("no path in the name", QStringList{"snap/pacman.png=P"}, shot, QString("../snap/pacman"), 999LL,
            QByteArray("<none>"));
    }
    void find() {
        QTemporaryDir dir;
        for (const QString& layout : cell<QStringList>("files"))
            lay(dir.path() + "/root", layout);
        artwork::ArtworkLibrary library;
        artwork::ArtPlaces places{{dir.path() + "/root"}, {}};
        places.folders[int(cell<ArtKind>("kind"))] = {dir.path() + "/root/extra"};
        library.setPlaces(places);
        QVERIFY(prepared(library, cell<ArtKind>("kind")));
        const auto found = lookUp(library, cell<ArtKind>("kind"), cell<QString>("game"), cell<qint64>("max"));
        const QByteArray& expected = cell<QByteArray>("expected");
        QCOMPARE(found.value_or("<none>"), expected == "<none>" ? expected : picture(expected));
    }

    // A pack replaced while the library runs is indexed again; its former entries are never served.
    void replacedPack() {
        QTemporaryDir dir;
        const QString pack = dir.path() + "/snap.zip";
        artwork::ArtworkLibrary library;
        library.setPlaces({{dir.path()}, {}});
        lay(dir.path(), "snap.zip{pacman.png=OLD,galaga.png=G}");
        QVERIFY(!library.find(ArtKind::ScreenShot, "pacman")); // not indexed on this thread
        QVERIFY(prepared(library, ArtKind::ScreenShot));
        auto old = library.find(ArtKind::ScreenShot, "pacman");
        QVERIFY(old && artwork::ArtworkLibrary::load(*old, 999) == picture("OLD"));

        const QDateTime date = QFileInfo(pack).lastModified();
        for (const auto& [mark, seconds] : {std::pair{"NEWER", 10}, std::pair{"NEWEE", 20}}) { // size, then only date
            lay(dir.path(), QString("snap.zip{pacman.png=%1}").arg(mark));
            QFile file(pack);
            QVERIFY(file.open(QIODevice::ReadWrite) &&
                    file.setFileTime(date.addSecs(seconds), QFile::FileModificationTime));
            file.close();
            QVERIFY(!artwork::ArtworkLibrary::load(*old, 999));
            QVERIFY(!library.find(ArtKind::ScreenShot, "pacman"));
            QVERIFY(prepared(library, ArtKind::ScreenShot));
            old = library.find(ArtKind::ScreenShot, "pacman");
            QCOMPARE(old ? artwork::ArtworkLibrary::load(*old, 999) : std::nullopt, picture(mark));
            QVERIFY(!library.find(ArtKind::ScreenShot, "galaga"));
        }
    }
};

QTEST_GUILESS_MAIN(TestArtPacks)
#include "TestArtPacks.moc"
