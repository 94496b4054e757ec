#include "settings/SettingsRecord.h"

#include <QTest>

using settings::Field;

class TestSettingsRecord : public QObject {
    Q_OBJECT

private slots:
    void lists_data();
    void lists();
    void tokens_data();
    void tokens();
    void defaults();
};

void TestSettingsRecord::lists_data() {
    QTest::addColumn<Field>("field");
    QTest::addColumn<int>("count");
    QTest::addColumn<QStringList>("items"); // first, last, default
    QTest::addColumn<QString>("defaultToken");

    using L = QStringList;
    QTest::newRow("Resolution") << Field::Resolution << 17 << L{"Auto", "1600x1200", "Auto"} << "-auto";
    QTest::newRow("VgaFreq") << Field::VgaFreq << 4 << L{"0", "3", "0"} << "-vgafreq 0";
    QTest::newRow("Monitor") << Field::Monitor << 4 << L{"Standard", "Arcade", "Standard"} << "-monitor standard";
    QTest::newRow("Gamma") << Field::Gamma << 31 << L{"0.50", "2.00", "1.00"} << "-gamma 1.00";
    QTest::newRow("Depth") << Field::Depth << 3 << L{"Auto", "16", "Auto"} << "-depth auto";
    QTest::newRow("VesaMode") << Field::VesaMode << 5 << L{"Auto", "Vesa3", "Auto"} << "-vesamode auto";
    QTest::newRow("SkipColumns") << Field::SkipColumns << 51 << L{"-25", "25", "0"} << "-skipcolumns 0";
    QTest::newRow("SkipLines") << Field::SkipLines << 51 << L{"-25", "25", "0"} << "-skiplines 0";
    QTest::newRow("Rotate") << Field::Rotate << 3 << L{"None", "Left", "None"} << "none";
    QTest::newRow("Flip") << Field::Flip << 3 << L{"None", "Vertically", "None"} << "none";
    QTest::newRow("CenterX") << Field::CenterX << 17 << L{"-8", "8", "0"} << "-centerx 0";
    QTest::newRow("CenterY") << Field::CenterY << 33 << L{"-16", "16", "0"} << "-centery 0";
    QTest::newRow("Beam") << Field::Beam << 151 << L{"1.0", "16.0", "1.0"} << "-beam 1.0";
    QTest::newRow("Flicker") << Field::Flicker << 101 << L{"0", "100", "0"} << "-flicker 0";
    QTest::newRow("SoundCard") << Field::SoundCard << 9 << L{"Ask", "Ensoniq Soundscape", "Ask"} << "Ask";
    QTest::newRow("SampleRate") << Field::SampleRate << 3 << L{"11025", "44100", "22050"} << "-sr 22050";
    QTest::newRow("SampleBits") << Field::SampleBits << 2 << L{"8", "16", "8"} << "-sb 8";
    QTest::newRow("Volume") << Field::Volume << 33 << L{"-32", "0", "0"} << "-volume 0";
    QTest::newRow("Controller") << Field::Controller << 23 << L{"None", "N64Lpt3", "None"} << "-joy None";
    QTest::newRow("HotRod") << Field::HotRod << 3 << L{"None", "HotRodSE", "None"} << "none";
    QTest::newRow("FrameSkip") << Field::FrameSkip << 14 << L{"None", "12 out of 12", "Auto"} << "-frameskip auto";
}

void TestSettingsRecord::lists() {
    QFETCH(Field, field);
    QFETCH(int, count);
    QFETCH(QStringList, items);
    QFETCH(QString, defaultToken);

    const settings::ListSetting* list = settings::listSetting(field);
    QVERIFY(list);
    QCOMPARE(list->items.size(), count);
    QCOMPARE((QStringList{list->items.first(), list->items.last(), list->items.value(list->defaultPosition)}), items);
    QCOMPARE(list->defaultToken(), defaultToken);
    QCOMPARE(list->token(-1), QString());
    QCOMPARE(list->token(count), QString());
}

void TestSettingsRecord::tokens_data() {
    QTest::addColumn<Field>("field");
    QTest::addColumn<int>("position");
    QTest::addColumn<QString>("token");

    QTest::newRow("resolution lower-cased") << Field::Resolution << 16 << "-1600x1200";
    QTest::newRow("vesa lower-cased") << Field::VesaMode << 3 << "-vesamode vesa2l";
    QTest::newRow("gamma counted") << Field::Gamma << 29 << "-gamma 1.95";
    QTest::newRow("beam counted") << Field::Beam << 147 << "-beam 15.7";
    QTest::newRow("negative") << Field::SkipColumns << 0 << "-skipcolumns -25";
    QTest::newRow("rotate right") << Field::Rotate << 1 << "-ror";
    QTest::newRow("sound card None") << Field::SoundCard << 1 << "-soundcard 0";
    QTest::newRow("sound card Ensoniq") << Field::SoundCard << 8 << "-soundcard 7";
    QTest::newRow("controller keeps case") << Field::Controller << 4 << "-joy 4Button";
    QTest::newRow("frame skip None") << Field::FrameSkip << 0 << "-frameskip 0";
    QTest::newRow("frame skip 12 out of 12") << Field::FrameSkip << 13 << "-frameskip 12";
    QTest::newRow("hand-edited position") << Field::HotRod << 32767 << "";
}

void TestSettingsRecord::tokens() {
    QFETCH(Field, field);
    QFETCH(int, position);
    QFETCH(QString, token);
    QCOMPARE(settings::listSetting(field)->token(position), token);
}

void TestSettingsRecord::defaults() {
    const QStringList tokens =
        QString("-auto|-vgafreq 0|-monitor standard|-gamma 1.00|-depth auto|-vesamode auto|-skipcolumns 0|"
                "-skiplines 0|none|none|-centerx 0|-centery 0|-beam 1.0|-flicker 0|Ask|-sr 22050|-sb 8|-volume 0|"
                "none|-joy None|none|-frameskip auto|-notweak|-scanlines|-noalwayssynced|-stretch|-novsync|none|"
                "-notriplebuffer|none|none|-artwork|-nowaitvsync|-antialias|-translucency|-samples|-stereo|"
                "-noym3812opl|-mouse|none|none")
            .split(u'|');
    const settings::SettingsRecord record = settings::SettingsRecord::defaults();
    QCOMPARE(QStringList(record.tokens.begin(), record.tokens.end()), tokens);
    // Positions are kept in the order of the lists, Beam and Flicker among them.
    const std::array<int, 21> positions{0, 0, 0, 10, 0, 0, 25, 25, 0, 0, 8, 16, 0, 0, 0, 1, 0, 32, 0, 0, 1};
    QCOMPARE(record.positions, positions);
    QCOMPARE(record.position(Field::FrameSkip), 1);
    QCOMPARE(record.position(Field::Tweak), -1);
    QCOMPARE(settings::addParamsToken("-Cheat -VSYNC"), "-cheat -vsync");
}

QTEST_GUILESS_MAIN(TestSettingsRecord)
#include "TestSettingsRecord.moc"
