#include "core/settings/SettingsFile.h"
#include "support/TableRows.h"

using settings::Field;
using settings::ReadResult;
using settings::SettingsKind;
using settings::SettingsRecord;
using Outcome = ReadResult::Outcome;

namespace {
const QByteArray RasterDefaults = "\"-auto\",0\r\n\"-vgafreq 0\",0\r\n\"-monitor standard\",0\r\n\"-gamma 1.00\",10\r\n"
                                  "\"-depth auto\",0\r\n\"-vesamode auto\",0\r\n\"-skipcolumns 0\",25\r\n"
                                  "\"-skiplines 0\",25\r\n\"none\",0\r\n\"none\",0\r\n\"-centerx 0\",8\r\n"
                                  "\"-centery 0\",16\r\n\"Ask\",0\r\n\"-sr 22050\",1\r\n\"-sb 8\",0\r\n"
                                  "\"-volume 0\",32\r\n\"none\"\r\n\"-joy None\",0\r\n\"none\",0\r\n"
                                  "\"-frameskip auto\",1\r\n\"-notweak\"\r\n\"-scanlines\"\r\n\"-noalwayssynced\"\r\n"
                                  "\"-stretch\"\r\n\"-novsync\"\r\n\"none\"\r\n\"-notriplebuffer\"\r\n\"none\"\r\n"
                                  "\"none\"\r\n\"-artwork\"\r\n\"-nowaitvsync\"\r\n\"-samples\"\r\n\"-stereo\"\r\n"
                                  "\"-noym3812opl\"\r\n\"-mouse\"\r\n\"none\"\r\n\"none\"\r\n";
const QByteArray VectorPart = "\"-beam 1.0\",0\r\n\"-flicker 0\",0\r\n\"-antialias\"\r\n\"-translucency\"\r\n";
} // namespace

class TestSettingsFile : public QObject {
    Q_OBJECT
    QString path(const QString& name) const { return m_dir.filePath(name); }
    QTemporaryDir m_dir;
private slots:
    void writesDefaults_data() {
        columns<SettingsKind, QByteArray>({"kind", "bytes"});
        row("raster", SettingsKind::Raster, RasterDefaults);
        row("vector", SettingsKind::Vector, RasterDefaults + VectorPart);
        row("a file where the folder should be", SettingsKind::Raster, QByteArray("kept"));
    }
    void writesDefaults() {
        const SettingsKind kind = cell<SettingsKind>("kind");
        const bool blocked = cell<QByteArray>("bytes") == "kept";
        if (blocked)
            writeFile(path("blocked"), "kept");
        const QString file = path(blocked ? "blocked/defaults.cfg" : "defaults.cfg");
        QCOMPARE(settings::writeSettingsFile(file, kind, SettingsRecord::defaults()), !blocked);
        QTEST(readFile(blocked ? path("blocked") : file), "bytes");
    }
    // Each read starts from the defaults with the frame-skip position at 7 and Tweak on. The
    // result: resolution token and position, VGA frequency, frame-skip token and position, Tweak.
    void reads_data() {
        columns<QByteArray, Outcome, QString, QString>({"file", "outcome", "description", "read"});
        const QByteArray rest = RasterDefaults.mid(RasterDefaults.indexOf("\"-monitor"));
        const char *defaults = "-auto|0|-vgafreq 0|-frameskip auto|1|-notweak",
                   *untouched = "-auto|0|-vgafreq 0|-frameskip auto|7|-tweak";
        row("blanks before fields", "  \"-auto\",  3\r\n\t\"-vgafreq 1\" ,0\r\n" + rest, Outcome::Complete, "",
            "-auto|3|-vgafreq 1|-frameskip auto|1|-notweak");
        row("16-bit limits", "\"-auto\",32767\r\n\"-vgafreq 1\",-32768\r\n" + rest, Outcome::Complete, "",
            "-auto|32767|-vgafreq 1|-frameskip auto|1|-notweak");
        row("line feeds only", QByteArray(RasterDefaults).replace("\r\n", "\n"), Outcome::Complete, "", defaults);
        row("records on one line", "\"-320x200\",1,\"-vgafreq 2\",2\r\n" + rest, Outcome::Complete, "",
            "-320x200|1|-vgafreq 2|-frameskip auto|1|-notweak");
        row("quote left open ends with its line", "\"-auto,0\r\n0\r\n\"-vgafreq 0\",0\r\n" + rest, Outcome::Complete,
            "", "-auto,0|0|-vgafreq 0|-frameskip auto|1|-notweak");
        // Cut after the frame-skip token: the token arrives, its position does not.
        row("ends inside a record",
            RasterDefaults.left(RasterDefaults.indexOf("\"-frameskip auto\"") + 17)
                .replace("-frameskip auto", "-frameskip 3"),
            Outcome::EndedEarly, "", "-auto|0|-vgafreq 0|-frameskip 3|7|-tweak");
        row("a vector file read as raster", RasterDefaults + VectorPart, Outcome::Complete, "", defaults);
        // Record 4 holds the gamma position; what comes before it is readable, yet nothing is taken.
        const auto gamma = [](const char* position) {
            return QByteArray(RasterDefaults).replace("\"-gamma 1.00\",10", "\"-gamma 1.50\"," + QByteArray(position));
        };
        row("letters", gamma("abc"), Outcome::Unreadable, "Type mismatch", untouched);
        row("decimal point", gamma("1.5"), Outcome::Unreadable, "Type mismatch", untouched);
        row("above 16 bits", gamma("40000"), Outcome::Unreadable, "Overflow", untouched);
        row("below 16 bits", gamma("-32769"), Outcome::Unreadable, "Overflow", untouched);
        row("missing", QByteArray("<none>"), Outcome::Missing, "", untouched);
    }
    void reads() {
        place(path("read.cfg"), cell<QByteArray>("file"));
        SettingsRecord record = SettingsRecord::defaults();
        record.position(Field::FrameSkip) = 7;
        record.token(Field::Tweak) = "-tweak";
        const ReadResult result = settings::readSettingsFile(path("read.cfg"), SettingsKind::Raster, record);
        QTEST(result.outcome, "outcome");
        QTEST(result.description, "description");
        QTEST((QStringList{record.token(Field::Resolution), QString::number(record.position(Field::Resolution)),
                           record.token(Field::VgaFreq), record.token(Field::FrameSkip),
                           QString::number(record.position(Field::FrameSkip)), record.token(Field::Tweak)})
                  .join(u'|'),
              "read");
    }
};

QTEST_GUILESS_MAIN(TestSettingsFile)
#include "TestSettingsFile.moc"
