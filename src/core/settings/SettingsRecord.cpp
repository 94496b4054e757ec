#include "core/settings/SettingsRecord.h"

#include <stdexcept>

namespace settings {
namespace {

constexpr int ListCount = 21;
constexpr int SwitchCount = 19;

// The numeric lists are counted in integers and formatted by hand, so a step of 0.05 or 0.1
// never drifts into a "1.04999" item that would shift every stored position after it.
QStringList integers(int first, int last) {
    QStringList items;
    for (int value = first; value <= last; ++value)
        items << QString::number(value);
    return items;
}

QStringList fixedPoint(int first, int last, int step, int decimals) {
    const int scale = decimals == 2 ? 100 : 10;
    QStringList items;
    for (int value = first; value <= last; value += step)
        items << QString::number(value / scale) + u'.' +
                     QStringLiteral("%1").arg(value % scale, decimals, 10, QLatin1Char('0'));
    return items;
}

QStringList prefixed(const QString& prefix, const QStringList& items, bool lower) {
    QStringList tokens;
    for (const QString& item : items)
        tokens << prefix + (lower ? item.toLower() : item);
    return tokens;
}

QStringList soundCardTokens(qsizetype itemCount) {
    QStringList tokens{QStringLiteral("Ask")};
    for (qsizetype card = 0; card + 1 < itemCount; ++card)
        tokens << QStringLiteral("-soundcard ") + QString::number(card);
    return tokens;
}

QStringList frameSkipTokens() {
    QStringList tokens{QStringLiteral("-frameskip 0"), QStringLiteral("-frameskip auto")};
    return tokens + prefixed(QStringLiteral("-frameskip "), integers(1, 12), false);
}

QStringList frameSkipItems() {
    QStringList items{QStringLiteral("None"), QStringLiteral("Auto")};
    for (int frames = 1; frames <= 12; ++frames)
        items << QString::number(frames) + QStringLiteral(" out of 12");
    return items;
}

struct Tables {
    std::array<ListSetting, ListCount> lists;
    std::array<QStringList, ListCount> tokens; // the token of every item, beside lists
    std::array<SwitchSetting, SwitchCount> switches;
    std::array<int, FieldCount> positionIndex;
};

Tables buildTables() {
    using F = Field;
    const QStringList none{QStringLiteral("None")};
    const QStringList resolutions{"Auto",     "320x200",  "320x240",  "320x400",   "320x480",  "400x300",
                                  "480x360",  "512x384",  "640x400",  "640x480",   "800x600",  "960x720",
                                  "1024x768", "1152x864", "1280x960", "1280x1024", "1600x1200"};
    const QStringList vga{"0", "1", "2", "3"};
    const QStringList monitors{"Standard", "NTSC", "PAL", "Arcade"};
    const QStringList gammas = fixedPoint(50, 200, 5, 2);
    const QStringList depths{"Auto", "8", "16"};
    const QStringList vesaModes{"Auto", "Vesa1", "Vesa2b", "Vesa2l", "Vesa3"};
    const QStringList skips = integers(-25, 25);
    const QStringList rotations{"None", "Right", "Left"};
    const QStringList flips{"None", "Horizontally", "Vertically"};
    const QStringList centerX = integers(-8, 8);
    const QStringList centerY = integers(-16, 16);
    const QStringList beams = fixedPoint(10, 160, 1, 1);
    const QStringList flickers = integers(0, 100);
    const QStringList soundCards{"Ask",
                                 "None",
                                 "Sound Blaster",
                                 "Sound Blaster AWE32",
                                 "Pro Audio Spectrum",
                                 "Ultrasound Max (CS4231 Codec)",
                                 "Ultrasound",
                                 "Windows Sound System",
                                 "Ensoniq Soundscape"};
    const QStringList rates{"11025", "22050", "44100"};
    const QStringList bits{"8", "16"};
    const QStringList volumes = integers(-32, 0);
    const QStringList controllers{"None",    "Auto",    "Standard", "Dual",        "4Button",    "6Button",
                                  "8Button", "FsPro",   "WingEx",   "WingWarrior", "SideWinder", "GamePadPro",
                                  "Grip",    "Grip4",   "SnesLpt1", "SnesLpt2",    "SnesLpt3",   "PsxLpt1",
                                  "PsxLpt2", "PsxLpt3", "N64Lpt1",  "N64Lpt2",     "N64Lpt3"};
    const QStringList hotRods{"None", "HotRod", "HotRodSE"};

    Tables t{
        .lists = {{
            {F::Resolution, "Resolution:", resolutions, 0, false},
            {F::VgaFreq, "VGA Freq:", vga, 0, false},
            {F::Monitor, "Monitor:", monitors, 0, false},
            {F::Gamma, "Gamma:", gammas, 10, false},
            {F::Depth, "Depth:", depths, 0, false},
            {F::VesaMode, "VESA:", vesaModes, 0, false},
            {F::SkipColumns, "Skip Columns:", skips, 25, false},
            {F::SkipLines, "Skip Lines:", skips, 25, false},
            {F::Rotate, "Rotate:", rotations, 0, false},
            {F::Flip, "Flip:", flips, 0, false},
            {F::CenterX, "CenterX:", centerX, 8, false},
            {F::CenterY, "CenterY:", centerY, 16, false},
            {F::Beam, "Beam:", beams, 0, true},
            {F::Flicker, "Flicker:", flickers, 0, true},
            {F::SoundCard, "Soundcard:", soundCards, 0, false},
            {F::SampleRate, "Sample Rate:", rates, 1, false},
            {F::SampleBits, "Sample Bits:", bits, 0, false},
            {F::Volume, "Volume:", volumes, 32, false},
            {F::Controller, "Controller:", controllers, 0, false},
            {F::HotRod, "HotRod:", hotRods, 0, false},
            {F::FrameSkip, "Frame Skip:", frameSkipItems(), 1, false},
        }},
        .tokens = {{
            prefixed("-", resolutions, true),
            prefixed("-vgafreq ", vga, false),
            prefixed("-monitor ", monitors, true),
            prefixed("-gamma ", gammas, false),
            prefixed("-depth ", depths, true),
            prefixed("-vesamode ", vesaModes, true),
            prefixed("-skipcolumns ", skips, false),
            prefixed("-skiplines ", skips, false),
            {"none", "-ror", "-rol"},
            {"none", "-flipx", "-flipy"},
            prefixed("-centerx ", centerX, false),
            prefixed("-centery ", centerY, false),
            prefixed("-beam ", beams, false),
            prefixed("-flicker ", flickers, false),
            soundCardTokens(soundCards.size()),
            prefixed("-sr ", rates, false),
            prefixed("-sb ", bits, false),
            prefixed("-volume ", volumes, false),
            // The controller keeps its case: "-joy None" must still be recognised as the default
            // before the whole command line is lower-cased.
            prefixed("-joy ", controllers, false),
            {"none", "-hotrod", "-hotrodse"},
            frameSkipTokens(),
        }},
        .switches = {{
            {F::Tweak, "Tweak", "-notweak", "-tweak", false, false, false},
            {F::Scanlines, "Scanlines", "-noscanlines", "-scanlines", true, false, false},
            {F::AlwaysSynced, "Always Synced", "-noalwayssynced", "-alwayssynced", false, false, false},
            {F::Stretch, "Stretch", "-nostretch", "-stretch", true, false, false},
            {F::Vsync, "Vsync", "-novsync", "-vsync", false, false, true},
            {F::WaitInterlace, "Wait Interlace", "none", "-waitinterlace", false, false, false},
            {F::TripleBuffer, "Triple Buffer", "-notriplebuffer", "-triplebuffer", false, false, false},
            {F::NoRotate, "No Rotate", "none", "-norotate", false, false, false},
            {F::Ntsc, "NTSC", "none", "-ntsc", false, false, false},
            {F::Artwork, "Artwork", "-noartwork", "-artwork", true, false, false},
            {F::WaitVsync, "Wait Vsync", "-nowaitvsync", "-waitvsync", false, false, true},
            {F::Antialias, "Antialias", "-noantialias", "-antialias", true, true, false},
            {F::Translucency, "Translucency", "-notranslucency", "-translucency", true, true, false},
            {F::Samples, "Samples", "-nosamples", "-samples", true, false, false},
            {F::Stereo, "Stereo", "-nostereo", "-stereo", true, false, false},
            {F::Ym3812, "YM3812OPL", "-noym3812opl", "-ym3812opl", false, false, false},
            {F::Mouse, "Mouse", "-nomouse", "-mouse", true, false, false},
            {F::Cheat, "Cheats", "none", "-cheat", false, false, false},
            {F::Debug, "Debug", "none", "-debug", false, false, false},
        }},
        .positionIndex = {},
    };
    t.positionIndex.fill(-1);
    for (int index = 0; index < ListCount; ++index)
        t.positionIndex[size_t(t.lists[size_t(index)].field)] = index;
    return t;
}

const Tables& tables() {
    static const Tables built = buildTables();
    return built;
}

} // namespace

QString fieldName(Field field) {
    static const char* const names[FieldCount] = {
        "resolution",   "vgaFreq",    "monitor",    "gamma",        "depth",      "vesaMode",   "skipColumns",
        "skipLines",    "rotate",     "flip",       "centerX",      "centerY",    "beam",       "flicker",
        "soundCard",    "sampleRate", "sampleBits", "volume",       "parameters", "controller", "hotRod",
        "frameSkip",    "tweak",      "scanlines",  "alwaysSynced", "stretch",    "vsync",      "waitInterlace",
        "tripleBuffer", "noRotate",   "ntsc",       "artwork",      "waitVsync",  "antialias",  "translucency",
        "samples",      "stereo",     "ym3812",     "mouse",        "cheat",      "debug",
    };
    const int index = int(field);
    return index >= 0 && index < FieldCount ? QLatin1String(names[index]) : QString();
}

SettingsKind kindOf(const QString& videoType) {
    return videoType == u"Vector" ? SettingsKind::Vector : SettingsKind::Raster;
}

bool isVectorOnly(Field field) {
    if (const ListSetting* list = listSetting(field))
        return list->vectorOnly;
    if (const SwitchSetting* onOff = switchSetting(field))
        return onOff->vectorOnly;
    return false;
}

QString ListSetting::token(int position) const {
    const int index = positionIndex(field);
    if (index < 0)
        return {};
    const QStringList& tokens = tables().tokens[size_t(index)];
    // A hand-edited file may hold any position; it then simply has no token.
    return position >= 0 && position < tokens.size() ? tokens[position] : QString();
}

std::span<const ListSetting> listSettings() {
    return tables().lists;
}

std::span<const SwitchSetting> switchSettings() {
    return tables().switches;
}

const ListSetting* listSetting(Field field) {
    const int index = positionIndex(field);
    return index < 0 ? nullptr : &tables().lists[size_t(index)];
}

const SwitchSetting* switchSetting(Field field) {
    for (const SwitchSetting& setting : tables().switches) {
        if (setting.field == field)
            return &setting;
    }
    return nullptr;
}

QString addParamsToken(const QString& text) {
    return text.isEmpty() ? QStringLiteral("none") : text.toLower();
}

QString defaultToken(Field field) {
    if (const ListSetting* list = listSetting(field))
        return list->defaultToken();
    if (const SwitchSetting* onOff = switchSetting(field))
        return onOff->defaultToken();
    return addParamsToken(QString());
}

int positionIndex(Field field) {
    const int index = int(field);
    return index >= 0 && index < FieldCount ? tables().positionIndex[size_t(index)] : -1;
}

int& SettingsRecord::position(Field field) {
    const int index = positionIndex(field);
    if (index < 0)
        throw std::out_of_range("settings field without a list position");
    return positions[size_t(index)];
}

int SettingsRecord::position(Field field) const {
    const int index = positionIndex(field);
    return index < 0 ? -1 : positions[size_t(index)];
}

SettingsRecord SettingsRecord::defaults() {
    SettingsRecord record;
    for (int index = 0; index < FieldCount; ++index)
        record.tokens[size_t(index)] = defaultToken(Field(index));
    for (const ListSetting& list : listSettings())
        record.position(list.field) = list.defaultPosition;
    return record;
}

} // namespace settings
