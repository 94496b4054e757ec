#include "settings/SettingsFile.h"
#include "support/TestSandbox.h"

#include <QTemporaryDir>
#include <QTest>

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

// A record with every field and position away from the defaults, so each one is seen to travel.
SettingsRecord unusual() {
    SettingsRecord record;
    for (int index = 0; index < settings::FieldCount; ++index)
        record.tokens[size_t(index)] = QStringLiteral("-t%1").arg(index);
    record.token(Field::AddParams) = QStringLiteral("-foo a,b -bar");
    for (size_t index = 0; index < record.positions.size(); ++index)
        record.positions[index] = int(index) - 5;
    record.position(Field::Beam) = 150;
    return record;
}

} // namespace

class TestSettingsFile : public QObject {
    Q_OBJECT

private slots:
    void writesDefaults_data();
    void writesDefaults();
    void roundTrip_data();
    void roundTrip();
    void endsInsideRecord();
    void readingRules_data();
    void readingRules();
    void unreadablePosition_data();
    void unreadablePosition();
    void missingFile();

private:
    QString path(const QString& name) const { return m_dir.filePath(name); }
    QTemporaryDir m_dir;
};

void TestSettingsFile::writesDefaults_data() {
    QTest::addColumn<SettingsKind>("kind");
    QTest::addColumn<QByteArray>("bytes");
    QTest::newRow("raster") << SettingsKind::Raster << RasterDefaults;
    QTest::newRow("vector") << SettingsKind::Vector << RasterDefaults + VectorPart;
}

void TestSettingsFile::writesDefaults() {
    QFETCH(SettingsKind, kind);
    QFETCH(QByteArray, bytes);
    QVERIFY(settings::WriteSettingsFile(path("defaults.cfg"), kind, SettingsRecord::defaults()));
    QCOMPARE(readFile(path("defaults.cfg")), bytes);
}

void TestSettingsFile::roundTrip_data() {
    QTest::addColumn<SettingsKind>("written");
    QTest::addColumn<SettingsKind>("read");
    QTest::addColumn<Outcome>("outcome");
    const SettingsKind raster = SettingsKind::Raster;
    const SettingsKind vector = SettingsKind::Vector;
    QTest::newRow("raster") << raster << raster << Outcome::Complete;
    QTest::newRow("vector") << vector << vector << Outcome::Complete;
    QTest::newRow("raster file read as vector") << raster << vector << Outcome::EndedEarly;
    QTest::newRow("vector file read as raster") << vector << raster << Outcome::Complete;
}

void TestSettingsFile::roundTrip() {
    QFETCH(SettingsKind, written);
    QFETCH(SettingsKind, read);
    QFETCH(Outcome, outcome);
    QVERIFY(settings::WriteSettingsFile(path("game.cfg"), written, unusual()));

    SettingsRecord record = SettingsRecord::defaults();
    QCOMPARE(settings::ReadSettingsFile(path("game.cfg"), read, record).outcome, outcome);
    // The vector settings travel only when both sides have them; otherwise they keep their values.
    SettingsRecord expected = unusual();
    if (written == SettingsKind::Raster || read == SettingsKind::Raster) {
        for (Field field : {Field::Beam, Field::Flicker, Field::Antialias, Field::Translucency})
            expected.token(field) = settings::defaultToken(field);
        expected.position(Field::Beam) = 0;
        expected.position(Field::Flicker) = 0;
    }
    QCOMPARE(record.tokens, expected.tokens);
    QCOMPARE(record.positions, expected.positions);
}

void TestSettingsFile::endsInsideRecord() {
    // Cut after the frame-skip token: the token arrives, its position does not.
    const qsizetype cut = RasterDefaults.indexOf("\"-frameskip auto\"") + 17;
    writeFile(path("short.cfg"),
              RasterDefaults.left(cut).replace("-frameskip auto", "-frameskip 3").replace("\"-auto\"", "\"-640x480\""));
    SettingsRecord record = SettingsRecord::defaults();
    record.position(Field::FrameSkip) = 7;
    record.token(Field::Tweak) = "-tweak";
    QCOMPARE(settings::ReadSettingsFile(path("short.cfg"), SettingsKind::Raster, record).outcome, Outcome::EndedEarly);
    QCOMPARE(record.token(Field::Resolution), "-640x480");
    QCOMPARE(record.token(Field::FrameSkip), "-frameskip 3");
    QCOMPARE(record.position(Field::FrameSkip), 7);
    QCOMPARE(record.token(Field::Tweak), "-tweak");
}

void TestSettingsFile::readingRules_data() {
    QTest::addColumn<QByteArray>("firstRecords"); // replaces records 1 and 2
    QTest::addColumn<QString>("resolution");
    QTest::addColumn<int>("resolutionIndex");
    QTest::addColumn<QString>("vgaFreq");

    const QByteArray rest = RasterDefaults.mid(RasterDefaults.indexOf("\"-monitor"));
    QTest::newRow("blanks before fields")
        << "  \"-auto\",  3\r\n\t\"-vgafreq 1\" ,0\r\n" + rest << "-auto" << 3 << "-vgafreq 1";
    QTest::newRow("line feeds only") << QByteArray(RasterDefaults).replace("\r\n", "\n") << "-auto" << 0
                                     << "-vgafreq 0";
    QTest::newRow("records on one line") << "\"-320x200\",1,\"-vgafreq 2\",2\r\n" + rest << "-320x200" << 1
                                         << "-vgafreq 2";
    QTest::newRow("quote left open ends with its line")
        << "\"-auto,0\r\n0\r\n\"-vgafreq 0\",0\r\n" + rest << "-auto,0" << 0 << "-vgafreq 0";
}

void TestSettingsFile::readingRules() {
    QFETCH(QByteArray, firstRecords);
    QFETCH(QString, resolution);
    QFETCH(int, resolutionIndex);
    QFETCH(QString, vgaFreq);

    writeFile(path("edited.cfg"), firstRecords);
    SettingsRecord record;
    QCOMPARE(settings::ReadSettingsFile(path("edited.cfg"), SettingsKind::Raster, record).outcome, Outcome::Complete);
    QCOMPARE(record.token(Field::Resolution), resolution);
    QCOMPARE(record.position(Field::Resolution), resolutionIndex);
    QCOMPARE(record.token(Field::VgaFreq), vgaFreq);
    QCOMPARE(record.token(Field::Debug), "none");
}

void TestSettingsFile::unreadablePosition_data() {
    QTest::addColumn<QByteArray>("position");
    QTest::addColumn<QString>("description");
    QTest::newRow("letters") << QByteArray("abc") << "Type mismatch";
    QTest::newRow("decimal point") << QByteArray("1.5") << "Type mismatch";
    QTest::newRow("above 16 bits") << QByteArray("40000") << "Overflow";
    QTest::newRow("below 16 bits") << QByteArray("-32769") << "Overflow";
}

void TestSettingsFile::unreadablePosition() {
    QFETCH(QByteArray, position);
    QFETCH(QString, description);
    // Record 4 holds the gamma position; what comes before it is readable.
    writeFile(path("bad.cfg"), QByteArray(RasterDefaults).replace("\"-gamma 1.00\",10", "\"-gamma 1.50\"," + position));
    SettingsRecord record = SettingsRecord::defaults();
    const ReadResult result = settings::ReadSettingsFile(path("bad.cfg"), SettingsKind::Raster, record);
    QCOMPARE(result.outcome, Outcome::Unreadable);
    QCOMPARE(result.description, description);
    QCOMPARE(record, SettingsRecord::defaults());
}

void TestSettingsFile::missingFile() {
    SettingsRecord record = unusual();
    QCOMPARE(settings::ReadSettingsFile(path("none.cfg"), SettingsKind::Vector, record).outcome, Outcome::Missing);
    QCOMPARE(record, unusual());
    QCOMPARE(settings::defaultsFileName(SettingsKind::Vector), "vector.cfg");
    QCOMPARE(settings::customFileName("pacman"), "pacman.cfg");
    QCOMPARE(settings::optionsChangedMessage(), "Options have changed with this version of M.A.M.E.!\r"
                                                "Check over your settings and press OK to recreate your defaults.");
}

QTEST_GUILESS_MAIN(TestSettingsFile)
#include "TestSettingsFile.moc"
