#include "core/settings/IniSettings.h"

#include <QLocale>

#include <cmath>
#include <utility>

namespace settings {
namespace {

// Numbers from first to last in steps, with the given decimals: "0.50", "0.55" ... "3.00".
QStringList steps(double first, double last, double step, int decimals) {
    QStringList values;
    const int count = int(std::lround((last - first) / step));
    for (int i = 0; i <= count; ++i)
        values << QString::number(first + i * step, 'f', decimals);
    return values;
}

QStringList whole(int first, int last) {
    QStringList values;
    for (int value = first; value <= last; ++value)
        values << QString::number(value);
    return values;
}

IniOption list(const char* key, const char* label, IniTab tab, QStringList values, QStringList captions = {}) {
    if (captions.isEmpty())
        captions = values;
    return {QLatin1String(key), QLatin1String(label), tab, std::move(values), std::move(captions)};
}

IniOption onOff(const char* key, const char* caption, IniTab tab) {
    return {QLatin1String(key), QLatin1String(caption), tab, {}, {}};
}

bool isNumber(const QString& text, double* value) {
    bool ok = false;
    *value = QLocale::c().toDouble(text.trimmed(), &ok);
    return ok;
}

} // namespace

QString iniTabTitle(IniTab tab) {
    switch (tab) {
    case IniTab::Display:
        return QStringLiteral("Display");
    case IniTab::Sound:
        return QStringLiteral("Sound");
    case IniTab::Controls:
        return QStringLiteral("Controls");
    case IniTab::Other:
        break;
    }
    return QStringLiteral("Other");
}

const QList<IniOption>& iniOptions() {
    using T = IniTab;
    static const QList<IniOption> options = {
        list("video", "&Video:", T::Display, {"opengl", "bgfx", "soft", "accel"},
             {"OpenGL", "BGFX", "Software", "SDL Accelerated"}),
        list("resolution", "&Resolution:", T::Display,
             {"auto", "640x480", "800x600", "1024x768", "1280x720", "1280x1024", "1366x768", "1600x900", "1920x1080",
              "2560x1440", "3840x2160"},
             {"Auto", "640x480", "800x600", "1024x768", "1280x720", "1280x1024", "1366x768", "1600x900", "1920x1080",
              "2560x1440", "3840x2160"}),
        list("gamma", "&Gamma:", T::Display, steps(0.5, 3.0, 0.05, 2)),
        list("brightness", "&Brightness:", T::Display, steps(0.1, 2.0, 0.05, 2)),
        list("contrast", "Co&ntrast:", T::Display, steps(0.5, 2.0, 0.05, 2)),
        onOff("window", "Run In A &Window", T::Display),
        onOff("maximize", "&Maximize The Window", T::Display),
        onOff("keepaspect", "&Keep Aspect", T::Display),
        onOff("filter", "Bilinear &Filter", T::Display),
        onOff("switchres", "Switch Resol&ution", T::Display),
        onOff("waitvsync", "Wait Vs&ync", T::Display),
        onOff("ror", "Ro&tate Right", T::Display),
        onOff("rol", "Rotate &Left", T::Display),
        onOff("flipx", "Flip &Horizontally", T::Display),
        onOff("flipy", "Fl&ip Vertically", T::Display),
        list("sound", "&Sound:", T::Sound, {"auto", "none"}, {"On", "Off"}),
        list("samplerate", "Sample &Rate:", T::Sound, {"11025", "22050", "44100", "48000"}),
        list("volume", "&Volume:", T::Sound, whole(-32, 0)),
        onOff("samples", "Sam&ples", T::Sound),
        onOff("joystick", "&Joystick", T::Controls),
        onOff("mouse", "&Mouse", T::Controls),
        onOff("lightgun", "&Light Gun", T::Controls),
        list("frameskip", "&Frame Skip:", T::Other, whole(0, 10)),
        onOff("autoframeskip", "&Auto Frame Skip", T::Other),
        onOff("cheat", "C&heats", T::Other),
        onOff("skip_gameinfo", "Skip The Game &Information Screen", T::Other),
    };
    return options;
}

const IniOption* iniOption(const QString& key) {
    for (const IniOption& option : iniOptions()) {
        if (option.key == key)
            return &option;
    }
    return nullptr;
}

QString normalizedValue(const IniOption& option, const QString& value) {
    const QString text = value.trimmed();
    if (option.isSwitch()) {
        double number = 0;
        return isNumber(text, &number) && number != 0 ? QStringLiteral("1") : QStringLiteral("0");
    }
    if (option.values.contains(text))
        return text;
    double number = 0;
    if (isNumber(text, &number)) {
        for (const QString& each : option.values) {
            double item = 0;
            if (isNumber(each, &item) && std::abs(item - number) < 1e-6)
                return each;
        }
    }
    return text;
}

Parameters parseParameters(const QString& text) {
    Parameters parsed;
    // Words apart by blanks; a value in double quotes may hold blanks.
    QStringList words;
    QString word;
    bool quoted = false, inWord = false;
    for (const QChar c : text) {
        if (c == u'"') {
            quoted = !quoted;
            inWord = true;
        } else if (c == u' ' && !quoted) {
            if (inWord)
                words << std::exchange(word, QString());
            inWord = false;
        } else {
            word += c;
            inWord = true;
        }
    }
    if (inWord)
        words << word;
    for (qsizetype i = 0; i < words.size(); ++i) {
        const QString& option = words[i];
        if (!option.startsWith(u'-') || option.size() < 2) {
            parsed.problem = QStringLiteral("\"%1\" is no option (options begin with \"-\")").arg(option);
            return parsed;
        }
        const QString key = option.mid(1);
        // A value follows unless the next word is an option again.
        if (i + 1 < words.size() && !words[i + 1].startsWith(u'-'))
            parsed.options.append({key, words[++i]});
        else if (key.startsWith(QLatin1String("no")) && key.size() > 2)
            parsed.options.append({key.mid(2), QStringLiteral("0")});
        else
            parsed.options.append({key, QStringLiteral("1")});
    }
    return parsed;
}

IniValues inheritedValues(const IniValues& configuration, const io::MameIniFile* kindFile) {
    IniValues values;
    for (const IniOption& option : iniOptions()) {
        QString value = configuration.value(option.key);
        if (kindFile) {
            if (const std::optional<QString> own = kindFile->value(option.key))
                value = *own;
        }
        values.insert(option.key, normalizedValue(option, value));
    }
    return values;
}

IniForm formFromFile(const io::MameIniFile& file, const IniValues& inherited) {
    IniForm form;
    form.values = inherited;
    QStringList others;
    for (const QString& key : file.keys()) {
        const QString value = file.value(key).value_or(QString());
        if (const IniOption* option = iniOption(key)) {
            form.values[key] = normalizedValue(*option, value);
            continue;
        }
        others << u'-' + key;
        if (!value.isEmpty())
            others << (value.contains(u' ') ? u'"' + value + u'"' : value);
    }
    form.parameters = others.join(u' ');
    return form;
}

IniForm formFromRecord(const SettingsRecord& record, SettingsKind kind, const IniValues& inherited) {
    IniForm form;
    form.values = inherited;
    const auto set = [&](const char* key, const QString& value) {
        form.values[QLatin1String(key)] = normalizedValue(*iniOption(QLatin1String(key)), value);
    };
    const QString on = QStringLiteral("1"), off = QStringLiteral("0");
    // Only what the user chose: a field at the classic emulator's default says nothing.
    for (int index = 0; index < FieldCount; ++index) {
        const Field field = Field(index);
        const QString& token = record.token(field);
        if (token == defaultToken(field) || (isVectorOnly(field) && kind == SettingsKind::Raster))
            continue;
        const QStringList words = token.toLower().split(u' ', Qt::SkipEmptyParts);
        const QString value = words.value(1);
        switch (field) {
        case Field::Resolution:
            if (words.value(0).startsWith(u'-') && words.value(0) != u"-auto")
                set("resolution", words.value(0).mid(1));
            break;
        case Field::Gamma:
            set("gamma", value);
            break;
        case Field::Rotate:
            set(token == u"-rol" ? "rol" : "ror", on);
            break;
        case Field::Flip:
            set(token == u"-flipy" ? "flipy" : "flipx", on);
            break;
        case Field::Vsync:
        case Field::WaitVsync:
            set("waitvsync", words.value(0) == u"-vsync" || words.value(0) == u"-waitvsync" ? on : off);
            break;
        case Field::SoundCard:
            if (token == u"-soundcard 0")
                set("sound", QStringLiteral("none"));
            break;
        case Field::SampleRate:
            set("samplerate", value);
            break;
        case Field::Volume:
            set("volume", value);
            break;
        case Field::Samples:
            set("samples", token == u"-nosamples" ? off : on);
            break;
        case Field::Mouse:
            set("mouse", token == u"-nomouse" ? off : on);
            break;
        case Field::Controller:
            set("joystick", value == u"none" ? off : on);
            break;
        case Field::Cheat:
            set("cheat", token == u"-cheat" ? on : off);
            break;
        case Field::FrameSkip:
            set("autoframeskip", value == u"auto" ? on : off);
            if (value != u"auto")
                set("frameskip", QString::number(std::min(value.toInt(), 10)));
            break;
        case Field::AddParams:
            form.parameters = token;
            break;
        default:
            break; // nothing today's emulator has
        }
    }
    return form;
}

bool applyForm(io::MameIniFile& file, const IniForm& form, const IniValues& inherited, QString* problem) {
    const Parameters parameters = parseParameters(form.parameters);
    if (!parameters.problem.isEmpty()) {
        if (problem)
            *problem = parameters.problem;
        return false;
    }
    for (const IniOption& option : iniOptions()) {
        const QString value = normalizedValue(option, form.values.value(option.key));
        if (value == inherited.value(option.key))
            file.remove(option.key);
        else
            file.set(option.key, value);
    }
    QStringList typed;
    for (const auto& [key, value] : parameters.options) {
        typed << key;
        if (!file.set(key, value)) {
            if (problem)
                *problem = QStringLiteral("\"-%1\" cannot be stored").arg(key);
            return false;
        }
    }
    for (const QString& key : file.keys()) {
        if (!iniOption(key) && !typed.contains(key))
            file.remove(key);
    }
    return true;
}

QStringList checkArguments(const io::MameIniFile& file) {
    QStringList arguments;
    for (const QString& key : file.keys()) {
        const QString value = file.value(key).value_or(QString());
        const IniOption* option = iniOption(key);
        // A switch is checked as the emulator spells it on a command line: "-window", "-nowindow".
        if (option && option->isSwitch())
            arguments << (value == u"0" ? QStringLiteral("-no") : QStringLiteral("-")) + key;
        else
            arguments << u'-' + key << value;
    }
    return arguments;
}

} // namespace settings
