#include "ListingGenerator.h"

#include <QFile>
#include <QSet>

#include <algorithm>

namespace bench {
namespace {

// splitmix64: small, fast, and the same sequence on every platform (std distributions are not).
class Random {
public:
    explicit Random(quint64 seed)
        : m_state(seed) {}

    quint64 next() {
        quint64 z = (m_state += 0x9e3779b97f4a7c15ULL);
        z = (z ^ (z >> 30)) * 0xbf58476d1ce4e5b9ULL;
        z = (z ^ (z >> 27)) * 0x94d049bb133111ebULL;
        return z ^ (z >> 31);
    }
    int below(int n) { return int(next() % quint64(n)); }
    int between(int low, int high) { return low + below(high - low + 1); }
    bool percent(int p) { return below(100) < p; }
    template <typename T, size_t N> const T& pick(const T (&items)[N]) { return items[below(int(N))]; }

private:
    quint64 m_state;
};

constexpr const char* Syllables[] = {"ga",  "lax", "ro",  "bo",  "ter", "zan", "mi",  "ko",  "dra", "gon", "pu",
                                     "zz",  "sta", "for", "ce",  "bla", "st",  "kid", "ni",  "ja",  "vor", "tex",
                                     "pac", "mu",  "tan", "kar", "de",  "fen", "sky", "haw", "cy",  "ber", "to",
                                     "ki",  "sho", "gun", "rai", "den", "ex",  "ed",  "ark", "wiz", "qua", "rt"};

constexpr const char* Adjectives[] = {"Super",  "Galactic", "Mega",    "Crazy",  "Final",  "Hyper",  "Dark",
                                      "Golden", "Twin",     "Iron",    "Silent", "Cosmic", "Turbo",  "Lost",
                                      "Mighty", "Red",      "Savage",  "Lucky",  "Royal",  "Kid's",  "Atomic",
                                      "Neon",   "Blazing",  "Phantom", "Ultra",  "Wild",   "Thunder"};

constexpr const char* Nouns[] = {"Warriors", "Blaster", "Dragon",   "Ninja",  "Fighter",  "Raiders", "Force",
                                 "Quest",    "Castle",  "Racer",    "Tank",   "Commando", "Saucer",  "Wizard",
                                 "Kong",     "Panic",   "Squadron", "Legend", "Striker",  "Rally",   "Invaders",
                                 "Bomber",   "Knights", "Hunter",   "Duel",   "Frog",     "Patrol",  "Storm"};

constexpr const char* Makers[] = {"Orbital Games",     "Vectronix",     "Kitsune Denki",      "Midwest Coin",
                                  "Sunrise Amusement", "Taiyo Kikaku",  "Pixelworks",         "Harbor Electronics",
                                  "Northstar",         "Kaiju Soft",    "Blue Comet",         "Starlight Coin-Op",
                                  "Meridian",          "Tokai Game",    "Redline Amusements", "Fujin",
                                  "Nova Systems",      "Arcadia Works", "Kyoto Denshi",       "Coastline"};

struct CloneKind {
    const char* suffix;
    const char* note;
};
constexpr CloneKind CloneKinds[] = {{"j", "(Japan)"}, {"u", "(US)"},    {"a", "(set 2)"},  {"b", "(bootleg)"},
                                    {"2", "(Rev 2)"}, {"h", "(hack)"},  {"o", "(older)"},  {"bl", "(bootleg set 2)"},
                                    {"w", "(World)"}, {"k", "(Korea)"}, {"e", "(Europe)"}, {"jr", "(Japan, rev 1)"}};

constexpr const char* Locations[] = {"a5", "b6", "c7", "d8", "6b", "7c", "u12", "u13", "bin", "rom", "1a", "2h", "3n"};

struct Cpu {
    const char* name;
    const char* clock;
};
constexpr Cpu Cpus[] = {{"Z80", "3072000"},    {"Z80", "4000000"},     {"M6502", "1500000"}, {"M6809", "1536000"},
                        {"M68000", "8000000"}, {"M68000", "10000000"}, {"I8039", "400000"},  {"HD6309", "3000000"}};
constexpr Cpu SoundChips[] = {
    {"AY-3-8910", "1789772"}, {"SN76496", "4000000"}, {"YM2151", "3579545"}, {"YM2203", "3000000"},
    {"OKIM6295", "8000"},     {"POKEY", "1500000"},   {"DAC", "0"},          {"Namco", "96000"},
    {"YM3812", "3600000"}};

constexpr const char* Controls[] = {"joy8way",   "joy8way", "joy4way", "joy4way",       "joy2way",
                                    "trackball", "dial",    "paddle",  "doublejoy8way", "lightgun"};
constexpr const char* Colors[] = {"8", "16", "32", "256", "512", "1024", "2048", "4096", "8192", "32768"};
constexpr const char* Frequencies[] = {"60.000000", "60.606060", "59.185606", "57.444853", "53.000000", "56.000000"};

constexpr const char* Actions[] = {"commands the last fighter of a fleet against waves of swooping raiders",
                                   "guides a small hero through eight floors of traps",
                                   "races against the clock on a winding mountain road",
                                   "defends six cities from falling missiles",
                                   "climbs a tower of girders to rescue a friend",
                                   "fights a tournament of martial artists from around the world"};
constexpr const char* Tips[] = {
    "Let the flagship pass once to earn the \\\"convoy bonus\\\".", "The eighth wave always attacks from the left.",
    "Hold the button to strafe without turning.", "Bonus lives come at 20,000 and every 70,000 points.",
    "Shoot the \\\"mystery ship\\\" on the 23rd shot for 300 points."};

QByteArray hex8(quint32 value) {
    return QByteArray::number(value, 16).rightJustified(8, '0');
}

QByteArray quoted(QByteArrayView keyword, QByteArrayView text) {
    return '\t' + keyword.toByteArray() + " \"" + text.toByteArray() + '"';
}

QByteArray romLine(QByteArrayView name, qint64 size, quint32 crc, QByteArrayView region, qint64 offset) {
    QByteArray line;
    line.reserve(96);
    line += "\trom ( name ";
    line += name;
    line += " size ";
    line += QByteArray::number(size);
    line += " crc ";
    line += hex8(crc);
    line += " region ";
    line += region;
    line += " offs ";
    line += QByteArray::number(offset, 16);
    line += " )";
    return line;
}

// What a parent and its clones share: the same board, the same title and mostly the same ROMs.
struct Family {
    QByteArray name;
    QByteArray title;
    QByteArray year; // empty: an undated game, which the emulator lists without a year line
    QByteArray manufacturer;
    QByteArray romOf; // the parent's own romof (the Neo-Geo BIOS), if any
    QList<QByteArray> roms;
    int programRoms = 1; // the leading ROMs a clone replaces with its own
    QByteArray sampleOf;
    QList<QByteArray> samples;
    QList<QByteArray> hardware; // chip, video, sound and input lines
    int clones = 0;
};

class Generator {
public:
    Generator(quint64 seed, QFile& file)
        : m_random(seed)
        , m_file(file) {}

    bool run(int games, Listing& listing);

private:
    void line(QByteArrayView text) {
        m_buffer += text;
        m_buffer += '\n';
        ++m_lines;
    }
    bool flush(bool always) {
        if (!always && m_buffer.size() < (1 << 20))
            return true;
        const bool written = m_file.write(m_buffer) == m_buffer.size();
        m_bytes += m_buffer.size();
        m_buffer.truncate(0);
        return written;
    }

    QByteArray uniqueName(QByteArray wanted);
    QByteArray parentName();
    QByteArray title();
    QByteArray history(const Family& family);
    QByteArray year(int from, int to);
    QList<QByteArray> hardware();
    QList<QByteArray> neoGeoHardware() const;
    void retroRoms(Family& family);
    void neoGeoRoms(Family& family);
    QByteArray driver();

    Family newFamily(bool neoGeo, bool firstCartridge);
    void writeGame(const Family& family, const QByteArray& name, const QByteArray& description,
                   const QByteArray& manufacturer, const QByteArray& history, bool clone);
    void writeParent(Family& family, Listing& listing);
    void writeClone(Family& family, Listing& listing, bool neoGeo);
    void writeBios();

    Random m_random;
    QFile& m_file;
    QByteArray m_buffer;
    QSet<QByteArray> m_names;
    int m_numbered = 0;
    qint64 m_lines = 0;
    qint64 m_bytes = 0;
    qint64 m_romLines = 0;
};

QByteArray Generator::uniqueName(QByteArray wanted) {
    wanted.truncate(8);
    while (wanted.size() < 3 || m_names.contains(wanted))
        wanted = QByteArray(m_random.pick(Syllables)).left(2) + QByteArray::number(++m_numbered);
    m_names.insert(wanted);
    return wanted;
}

QByteArray Generator::parentName() {
    for (int attempt = 0; attempt < 4; ++attempt) {
        QByteArray name;
        const int parts = m_random.between(2, 3);
        for (int i = 0; i < parts; ++i)
            name += m_random.pick(Syllables);
        name.truncate(7); // room for a clone's suffix
        if (name.size() >= 3 && !m_names.contains(name))
            return uniqueName(name);
    }
    return uniqueName({});
}

QByteArray Generator::title() {
    QByteArray text;
    switch (m_random.below(6)) {
    case 0:
        text = QByteArray(m_random.pick(Nouns)) + " of the " + m_random.pick(Nouns);
        break;
    case 1:
        text = QByteArray(m_random.pick(Adjectives)) + ' ' + m_random.pick(Nouns) + " II";
        break;
    case 2:
        text = QByteArray(m_random.pick(Nouns)) + ' ' + m_random.pick(Nouns) + " '" +
               QByteArray::number(m_random.between(80, 99));
        break;
    default:
        text = QByteArray(m_random.pick(Adjectives)) + ' ' + m_random.pick(Nouns);
        break;
    }
    return text;
}

QByteArray Generator::history(const Family& family) {
    QByteArray text = "\\\"" + family.title + "\\\" is a game by " + family.manufacturer + ". The player " +
                      m_random.pick(Actions) + '.';
    const int tips = m_random.below(4);
    if (tips > 0) {
        text += "\\n\\nTIPS:";
        for (int i = 0; i < tips; ++i)
            text += "\\n- " + QByteArray(m_random.pick(Tips));
    }
    return text;
}

QByteArray Generator::year(int from, int to) {
    if (m_random.percent(4))
        return {};
    return QByteArray::number(m_random.between(from, to));
}

QList<QByteArray> Generator::hardware() {
    QList<QByteArray> lines;
    const int cpus = m_random.between(1, 3);
    for (int i = 0; i < cpus; ++i) {
        const Cpu& cpu = m_random.pick(Cpus);
        lines.append(QByteArray("\tchip ( type cpu name ") + cpu.name + " clock " + cpu.clock + " )");
    }
    const int chips = m_random.between(1, 3);
    for (int i = 0; i < chips; ++i) {
        const Cpu& chip = m_random.pick(SoundChips);
        lines.append(QByteArray("\tchip ( type audio name ") + chip.name + " clock " + chip.clock + " )");
    }

    const bool vertical = m_random.percent(35);
    const char* orientation = vertical ? "vertical" : "horizontal";
    const QByteArray tail =
        QByteArray(" colors ") + m_random.pick(Colors) + " freq " + m_random.pick(Frequencies) + " )";
    if (m_random.percent(6)) {
        lines.append(QByteArray("\tvideo ( screen vector orientation ") + orientation + tail);
    } else {
        int x, y;
        if (m_random.percent(2)) {
            // The odd board with a screen size outside three digits.
            x = m_random.percent(50) ? 1024 : 96;
            y = x == 1024 ? 768 : 64;
        } else if (vertical) {
            constexpr int Widths[] = {224, 224, 240, 256};
            constexpr int Heights[] = {256, 288, 288, 320};
            x = m_random.pick(Widths);
            y = m_random.pick(Heights);
        } else {
            constexpr int Widths[] = {256, 256, 288, 304, 320, 336, 384, 512};
            constexpr int Heights[] = {224, 224, 240, 256};
            x = m_random.pick(Widths);
            y = m_random.pick(Heights);
        }
        lines.append(QByteArray("\tvideo ( screen raster orientation ") + orientation + " x " + QByteArray::number(x) +
                     " y " + QByteArray::number(y) + tail);
    }
    lines.append("\tsound ( channels " + QByteArray::number(m_random.percent(80) ? 1 : 2) + " )");
    constexpr int Players[] = {1, 2, 2, 2, 2, 4};
    lines.append("\tinput ( players " + QByteArray::number(m_random.pick(Players)) + " control " +
                 m_random.pick(Controls) + " buttons " + QByteArray::number(m_random.between(0, 6)) + " coins " +
                 QByteArray::number(m_random.between(1, 4)) + " )");
    return lines;
}

QList<QByteArray> Generator::neoGeoHardware() const {
    return {"\tchip ( type cpu name M68000 clock 12000000 )",
            "\tchip ( type cpu name Z80 clock 4000000 )",
            "\tchip ( type audio name YM2610 clock 8000000 )",
            "\tvideo ( screen raster orientation horizontal x 304 y 224 colors 4096 freq 59.185606 )",
            "\tsound ( channels 2 )",
            "\tinput ( players 2 control joy8way buttons 4 coins 2 )"};
}

// Most boards have a handful to a few dozen chips; a few later ones many more.
void Generator::retroRoms(Family& family) {
    const int kind = m_random.below(100);
    const int count = kind < 40   ? m_random.between(3, 12)
                      : kind < 80 ? m_random.between(12, 31)
                                  : m_random.between(30, 69);
    const QByteArray stem = family.name.left(5);
    struct Region {
        const char* name;
        int share; // percent of the board's ROMs
        qint64 sizes[3];
    };
    constexpr Region Regions[] = {{"cpu1", 25, {4096, 16384, 65536}},    {"cpu2", 8, {4096, 8192, 32768}},
                                  {"gfx1", 40, {8192, 65536, 262144}},   {"gfx2", 15, {16384, 131072, 524288}},
                                  {"sound1", 7, {32768, 65536, 131072}}, {"proms", 5, {32, 256, 512}}};
    // Every board has a program ROM; the graphics take what the rounding leaves.
    int counts[std::size(Regions)];
    int others = 0;
    for (size_t r = 0; r < std::size(Regions); ++r) {
        counts[r] = r == 0 ? std::max(1, count * Regions[r].share / 100) : count * Regions[r].share / 100;
        others += r == 2 ? 0 : counts[r];
    }
    counts[2] = std::max(0, count - others);
    family.programRoms = counts[0];
    int made = 0;
    for (size_t r = 0; r < std::size(Regions); ++r) {
        const qint64 size = Regions[r].sizes[m_random.below(3)];
        for (int i = 0; i < counts[r]; ++i) {
            const QByteArray name = stem + QByteArray::number(made + 1) + '.' + m_random.pick(Locations);
            family.roms.append(romLine(name, size, quint32(m_random.next()), Regions[r].name, i * size));
            ++made;
        }
    }
}

void Generator::neoGeoRoms(Family& family) {
    const QByteArray stem = 'n' + family.name.left(6);
    int program = m_random.between(1, 2);
    family.programRoms = program;
    for (int i = 0; i < program; ++i)
        family.roms.append(
            romLine(stem + ".p" + QByteArray::number(i + 1), 1048576, quint32(m_random.next()), "cpu1", i * 1048576));
    family.roms.append(romLine(stem + ".s1", 131072, quint32(m_random.next()), "gfx1", 0));
    family.roms.append(romLine(stem + ".m1", 131072, quint32(m_random.next()), "cpu2", 0));
    const int voices = m_random.between(1, 4);
    for (int i = 0; i < voices; ++i)
        family.roms.append(
            romLine(stem + ".v" + QByteArray::number(i + 1), 2097152, quint32(m_random.next()), "sound1", i * 2097152));
    const int tiles = 2 * m_random.between(1, 6);
    for (int i = 0; i < tiles; ++i)
        family.roms.append(romLine(stem + ".c" + QByteArray::number(i + 1), 2097152, quint32(m_random.next()), "gfx3",
                                   (i / 2) * 4194304 + (i % 2)));
}

QByteArray Generator::driver() {
    const int status = m_random.below(100);
    const int color = m_random.below(100);
    const int sound = m_random.below(100);
    return QByteArray("\tdriver ( status ") + (status < 88 ? "good" : "preliminary") + " color " +
           (color < 85   ? "good"
            : color < 95 ? "imperfect"
                         : "preliminary") +
           " sound " +
           (sound < 65   ? "good"
            : sound < 90 ? "imperfect"
                         : "preliminary") +
           " )";
}

Family Generator::newFamily(bool neoGeo, bool firstCartridge) {
    Family family;
    family.name = firstCartridge ? QByteArray("nam1975") : parentName();
    family.title = title();
    family.manufacturer = m_random.pick(Makers);
    if (firstCartridge) {
        // The game list splits the Neo-Geo run off at this description.
        family.title = "NAM-1975";
        family.manufacturer = "Shinkai Entertainment";
    }
    if (neoGeo) {
        family.year = firstCartridge ? QByteArray("1990") : year(1990, 2000);
        family.romOf = "neogeo";
        family.hardware = neoGeoHardware();
        neoGeoRoms(family);
        return family;
    }
    family.year = year(1975, 1999);
    family.hardware = hardware();
    retroRoms(family);
    if (m_random.percent(3)) {
        family.sampleOf = family.name;
        const int samples = m_random.between(3, 16);
        for (int i = 0; i < samples; ++i)
            family.samples.append(m_random.percent(50) ? QByteArray::number(i + 1) + ".wav"
                                                       : "explode" + QByteArray::number(i + 1) + ".wav");
    }
    return family;
}

void Generator::writeGame(const Family& family, const QByteArray& name, const QByteArray& description,
                          const QByteArray& manufacturer, const QByteArray& history, bool clone) {
    line("game (");
    line("\tname " + name);
    line(quoted("description", description));
    if (!family.year.isEmpty())
        line("\tyear " + family.year);
    line(quoted("manufacturer", manufacturer));
    if (!history.isEmpty())
        line(quoted("history", history));
    if (clone) {
        line("\tcloneof " + family.name);
        line("\tromof " + family.name);
    } else if (!family.romOf.isEmpty()) {
        line("\tromof " + family.romOf);
    }
    for (qsizetype i = 0; i < family.roms.size(); ++i) {
        if (clone && i < family.programRoms) {
            // A clone's own program ROMs; the rest it shares with its parent.
            const QByteArray own = name.left(6) + QByteArray::number(i + 1) + ".bin";
            line(romLine(own, 16384, quint32(m_random.next()), "cpu1", i * 16384));
        } else {
            line(family.roms[i]);
        }
    }
    m_romLines += family.roms.size();
    if (!family.sampleOf.isEmpty()) {
        line("\tsampleof " + family.sampleOf);
        for (const QByteArray& sample : family.samples)
            line("\tsample " + sample);
    }
    for (const QByteArray& hardware : family.hardware)
        line(hardware);
    line(driver());
    line(")");
    line("");
}

void Generator::writeParent(Family& family, Listing& listing) {
    const QByteArray story = m_random.percent(12) ? history(family) : QByteArray();
    writeGame(family, family.name, family.title, family.manufacturer, story, false);
    listing.games.append({family.name, false, family.romOf == "neogeo"});
}

void Generator::writeClone(Family& family, Listing& listing, bool neoGeo) {
    const CloneKind& kind = m_random.pick(CloneKinds);
    const QByteArray name = uniqueName(family.name.left(8 - qsizetype(qstrlen(kind.suffix))) + kind.suffix);
    const bool bootleg = QByteArrayView(kind.note).contains("bootleg");
    writeGame(family, name, family.title + ' ' + kind.note, bootleg ? QByteArray("bootleg") : family.manufacturer, {},
              true);
    ++family.clones;
    listing.games.append({name, true, neoGeo});
}

void Generator::writeBios() {
    line("game (");
    line("\tname neogeo");
    line("\tdescription \"Neo-Geo BIOS\"");
    line("\tyear 1990");
    line("\tmanufacturer \"Shinkai Entertainment\"");
    line(romLine("neo-geo.rom", 131072, 0xe3228980, "cpu1", 0));
    line(romLine("ng-sm1.rom", 131072, 0xbbb3926d, "cpu2", 0));
    line(romLine("ng-sfix.rom", 131072, 0xc1538049, "gfx1", 0));
    line(romLine("ng-lo.rom", 65536, 0x94eb7110, "user1", 0));
    m_romLines += 4;
    for (const QByteArray& hardware : neoGeoHardware())
        line(hardware);
    line("\tdriver ( status good color good sound good )");
    line(")");
    line("");
}

bool Generator::run(int games, Listing& listing) {
    m_names.insert("neogeo");
    m_names.insert("nam1975");
    const int neoGeo = std::max(1, games / 25);
    const int retro = std::max(0, games - neoGeo);
    listing.games.reserve(games);

    Family family;
    for (int i = 0; i < retro; ++i) {
        if (i > 0 && family.clones < 6 && m_random.percent(31)) {
            writeClone(family, listing, false);
        } else {
            family = newFamily(false, false);
            writeParent(family, listing);
        }
        if (!flush(false))
            return false;
    }

    writeBios();
    for (int i = 0; i < games - retro; ++i) {
        if (i > 0 && family.clones < 4 && m_random.percent(20)) {
            writeClone(family, listing, true);
        } else {
            family = newFamily(true, i == 0);
            writeParent(family, listing);
        }
        if (!flush(false))
            return false;
    }
    if (!flush(true))
        return false;
    listing.bytes = m_bytes;
    listing.lines = m_lines;
    listing.romLines = m_romLines;
    return true;
}

} // namespace

std::optional<Listing> writeListing(const QString& path, int games, quint64 seed) {
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return std::nullopt;
    Listing listing;
    Generator generator(seed, file);
    if (!generator.run(games, listing) || !file.flush())
        return std::nullopt;
    return listing;
}

} // namespace bench
