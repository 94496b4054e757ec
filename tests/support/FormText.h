#pragma once

#include "core/settings/SettingsForm.h"

// Settings forms as text: "monitor=3 centerX=11 waitInterlace parameters=-cheat" moves two lists, flips a
// switch and types the parameters; the rest stays at the emulator's defaults. Names are the fields' own.
inline settings::Field fieldNamed(const QString& name) {
    for (int index = 0; index < settings::FieldCount; ++index) {
        if (settings::fieldName(settings::Field(index)) == name)
            return settings::Field(index);
    }
    qFatal("no field %s", qPrintable(name));
}

inline settings::SettingsForm formFrom(const QString& text) {
    settings::SettingsForm form = settings::SettingsForm::defaults();
    for (const QString& change : text.split(u' ', Qt::SkipEmptyParts)) {
        const settings::Field field = fieldNamed(change.section(u'=', 0, 0));
        if (!change.contains(u'='))
            form.on(field) = !form.on(field);
        else if (field == settings::Field::AddParams)
            form.parameters = change.section(u'=', 1);
        else
            form.position(field) = change.section(u'=', 1).toInt();
    }
    return form;
}
