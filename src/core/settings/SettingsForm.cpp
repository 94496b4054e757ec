#include "core/settings/SettingsForm.h"

namespace settings {
namespace {

constexpr int StandardMonitor = 0;
constexpr int NoSoundCard = 1;
constexpr Field MonitorDependants[] = {Field::CenterX, Field::CenterY, Field::WaitInterlace};
constexpr Field SoundLists[] = {Field::Volume, Field::SampleRate, Field::SampleBits};
constexpr Field SoundSwitches[] = {Field::Samples, Field::Stereo, Field::Ym3812};

template <size_t N> bool contains(const Field (&fields)[N], Field field) {
    for (Field candidate : fields) {
        if (candidate == field)
            return true;
    }
    return false;
}

void reset(SettingsForm& form, Field field) {
    if (const ListSetting* list = listSetting(field))
        form.position(field) = list->defaultPosition;
    else if (const SwitchSetting* onOff = switchSetting(field))
        form.on(field) = onOff->defaultOn;
}

} // namespace

SettingsForm SettingsForm::defaults() {
    SettingsForm form;
    for (const ListSetting& list : listSettings())
        form.position(list.field) = list.defaultPosition;
    for (const SwitchSetting& onOff : switchSettings())
        form.on(onOff.field) = onOff.defaultOn;
    return form;
}

void SettingsForm::show(const SettingsRecord& record, SettingsKind kind) {
    const bool vector = kind != SettingsKind::Raster;
    for (const ListSetting& list : listSettings()) {
        if (list.vectorOnly && !vector)
            continue;
        const int stored = record.position(list.field);
        position(list.field) = stored >= 0 && stored < list.items.size() ? stored : list.defaultPosition;
    }
    const QString& stored = record.token(Field::AddParams);
    parameters = stored == u"none" ? QString() : stored;
    for (const SwitchSetting& onOff : switchSettings()) {
        if (!onOff.vectorOnly || vector)
            on(onOff.field) = record.token(onOff.field) != onOff.offToken;
    }
    applyMonitorRule();
    applySoundRule();
}

void SettingsForm::applyMonitorRule() {
    if (position(Field::Monitor) != StandardMonitor)
        return;
    for (Field field : MonitorDependants)
        reset(*this, field);
}

void SettingsForm::applySoundRule() {
    if (position(Field::SoundCard) != NoSoundCard)
        return;
    for (Field field : SoundLists)
        reset(*this, field);
    on(Field::Samples) = true;
    on(Field::Stereo) = true;
    on(Field::Ym3812) = false;
}

void SettingsForm::chooseVsync(Field field) {
    on(field) = true;
    on(field == Field::Vsync ? Field::WaitVsync : Field::Vsync) = false;
}

bool SettingsForm::atDefaults() const {
    return *this == defaults();
}

void SettingsForm::readTokens(SettingsRecord& record) const {
    for (const ListSetting& list : listSettings())
        record.token(list.field) = list.token(position(list.field));
    record.token(Field::AddParams) = addParamsToken(parameters);
    for (const SwitchSetting& onOff : switchSettings())
        record.token(onOff.field) = onOff.token(on(onOff.field));
}

void SettingsForm::readPositions(SettingsRecord& record) const {
    for (const ListSetting& list : listSettings())
        record.position(list.field) = position(list.field);
}

bool isMonitorDependant(Field field) {
    return contains(MonitorDependants, field);
}

bool isSoundDependant(Field field) {
    return contains(SoundLists, field) || contains(SoundSwitches, field);
}

bool isEnabled(const SettingsForm& form, Field field) {
    if (isMonitorDependant(field))
        return form.position(Field::Monitor) != StandardMonitor;
    if (isSoundDependant(field))
        return form.position(Field::SoundCard) != NoSoundCard;
    return true;
}

bool clearEnabled(const SettingsForm& form) {
    return form.on(Field::Vsync) || form.on(Field::WaitVsync);
}

QString restoreHint() {
    return QStringLiteral("Pressing this button will affect Display, Sound, and Other.");
}

std::optional<QString> parametersProblem(const QString& parameters) {
    if (!parameters.contains(u'"'))
        return std::nullopt;
    return QStringLiteral("The additional parameters cannot contain a double quote (\").  Please remove it and "
                          "try again.");
}

} // namespace settings
