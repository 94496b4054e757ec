#pragma once

#include <QString>
#include <QStringList>

#include <array>
#include <span>

// Every emulator option the user can set: its field in the record, its control in the
// settings panel, its items, how the chosen item becomes a command-line token, and its
// default. The tables are the one place these are defined.
namespace settings {

// The 41 settings, in the order the panel is read into the record.
enum class Field {
    Resolution,
    VgaFreq,
    Monitor,
    Gamma,
    Depth,
    VesaMode,
    SkipColumns,
    SkipLines,
    Rotate,
    Flip,
    CenterX,
    CenterY,
    Beam,
    Flicker,
    SoundCard,
    SampleRate,
    SampleBits,
    Volume,
    AddParams,
    Controller,
    HotRod,
    FrameSkip,
    Tweak,
    Scanlines,
    AlwaysSynced,
    Stretch,
    Vsync,
    WaitInterlace,
    TripleBuffer,
    NoRotate,
    Ntsc,
    Artwork,
    WaitVsync,
    Antialias,
    Translucency,
    Samples,
    Stereo,
    Ym3812,
    Mouse,
    Cheat,
    Debug,
};
constexpr int FieldCount = 41;

// "Raster" or "Vector": which settings a record holds. Beam, Flicker, Antialias and
// Translucency belong to vector games only.
enum class SettingsKind { Raster, Vector };
// "Vector" is Vector; any other screen (raster, LCD, none at all) takes the raster settings.
SettingsKind kindOf(const QString& videoType);

// The field's name in the program ("resolution", "waitVsync"): widgets are named after it.
QString fieldName(Field field);

// A setting chosen from a drop-down list.
struct ListSetting {
    Field field;
    QString label; // "Resolution:" ...
    QStringList items;
    int defaultPosition;
    bool vectorOnly;
    // The token for the item at a position, by the setting's rule.
    QString token(int position) const;
    QString defaultToken() const { return token(defaultPosition); }
};

// A setting switched on or off: a check box, or one of the two vsync option buttons.
struct SwitchSetting {
    Field field;
    QString caption;
    QString offToken;
    QString onToken;
    bool defaultOn;
    bool vectorOnly;
    bool optionButton;
    QString token(bool on) const { return on ? onToken : offToken; }
    QString defaultToken() const { return token(defaultOn); }
};

// The 21 list settings in record-position order (Resolution ... FrameSkip, as the panel's
// DefaultLists selects them) and the 19 switches in field order.
std::span<const ListSetting> listSettings();
std::span<const SwitchSetting> switchSettings();
const ListSetting* listSetting(Field field);     // null for other fields
const SwitchSetting* switchSetting(Field field); // null for other fields
// The additional parameters: the whole text in lower case, "none" when empty.
QString addParamsToken(const QString& text);

// Beam, Flicker, Antialias and Translucency: settings of vector games only.
bool isVectorOnly(Field field);

// The default token of any field.
QString defaultToken(Field field);

// One settings set: the exact command-line token of every field (or "none", "Ask"), and the
// 0-based position chosen in each list. Positions and tokens are kept side by side, never
// derived from each other: the panel is restored from positions, the command line from tokens.
struct SettingsRecord {
    std::array<QString, FieldCount> tokens;
    std::array<int, 21> positions{}; // indexed by positionIndex()

    QString& token(Field field) { return tokens[size_t(field)]; }
    const QString& token(Field field) const { return tokens[size_t(field)]; }
    int& position(Field field);
    int position(Field field) const;

    // Every token empty; positions left as they are.
    void clearTokens() { tokens.fill(QString()); }
    // The emulator's defaults: every default token and position.
    static SettingsRecord defaults();

    bool operator==(const SettingsRecord&) const = default;
};

// The index of a list setting's position in SettingsRecord::positions, or -1.
int positionIndex(Field field);

} // namespace settings
